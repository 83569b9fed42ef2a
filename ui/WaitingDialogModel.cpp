#include "ui/WaitingDialogModel.h"

namespace {
constexpr BusyProgressModel::Color kBlockFill{0x90, 0x90, 0xB2};
constexpr BusyProgressModel::Color kHighlightFill{0xB6, 0xDD, 0xE8};
} // namespace

WaitingDialogModel::WaitingDialogModel(BusyProgressControl& indicator, ICursor& cursor)
    : m_indicator(indicator), m_cursor(cursor) {
    m_indicator.SetNumberOfBlocks(m_nNumberOfBlocks);
    m_indicator.SetSpeed(m_nSpeed);
    m_indicator.SetGap(m_nGap);
    m_indicator.SetGranularity(m_nGranularity);
    m_indicator.SetRange(0, 100);
    m_indicator.SetMode(BusyProgressModel::kModeBusy);
    m_indicator.SetBusyFill(BusyProgressModel::kFillGrowing);
    m_indicator.SetBusyType(BusyProgressModel::kTypeWrap);
    m_indicator.Reset();
    m_indicator.Redraw();
}

bool WaitingDialogModel::Initialize() {
    m_indicator.SetMode(BusyProgressModel::kModeBusy);
    if (m_bQuickMode) {
        m_nSpeed = 60;
        m_indicator.SetSpeed(m_nSpeed);
        m_indicator.SetRange(-100, 100);
        m_indicator.SetBusyFill(BusyProgressModel::kFillOneBlock);
        m_indicator.SetBusyType(BusyProgressModel::kTypeBounce);
    } else {
        m_indicator.SetBusyFill(BusyProgressModel::kFillGrowing);
        m_indicator.SetBusyType(BusyProgressModel::kTypeWrap);
    }
    m_indicator.SetColor(2, kBlockFill);
    m_indicator.SetColor(4, kHighlightFill);

    m_indicator.Reset();
    // Busy mode above has stopped any animation already; a start while one runs would stop it instead.
    if (m_indicator.IsRunning()) {
        m_indicator.Stop();
        return false;
    }
    m_indicator.Start();
    return true;
}

bool WaitingDialogModel::Cancel() {
    if (!m_onCancel || m_bCancelled)
        return false;
    m_bCancelled = true;
    m_onCancel();
    return true;
}

void WaitingDialogModel::OnTimer() {
    m_cursor.ShowWait();
}

void WaitingDialogModel::CloseWaiting() {
    m_indicator.Stop();
    // The wait cursor stays until it is taken back; the tick set it again every 10 ms.
    m_cursor.ShowArrow();
}

void WaitingDialogModel::OnDestroy() {
    m_indicator.Stop();
}
