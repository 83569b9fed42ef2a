#include "ui/qt/CVRXWaitingDlg.h"

#include "app/StringTable.h"
#include "ui/qt/CVRXBusyProgressCtrl.h"
#include "ui/qt/QtDialogPlacement.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimerEvent>
#include <QVBoxLayout>

namespace {
constexpr const char* kWindow = "CVRXWaitingDlg";
// The dialog's size in dialog units, and with the Cancel button's row (14 units and a gap of 4) below.
constexpr int kWidthDu = 195;
constexpr int kHeightDu = 34;
constexpr int kCancelRowDu = 18;
} // namespace

CVRXWaitingDlg::CVRXWaitingDlg(ICursor& cursor, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), m_mainWindow(mainWindow),
      m_busy(new CVRXBusyProgressCtrl(WaitingDialogModel::kInitialBlocks,
                                      WaitingDialogModel::kInitialPosition, this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Cancel, Qt::Horizontal, this)),
      m_model(m_busy->Control(), cursor) {
    setModal(true);
    setFixedSize(QtDialogPlacement::DialogUnitsToPixels(*this, kWidthDu, kHeightDu));
    m_busy->setObjectName(QStringLiteral("1001"));
    m_busy->setAccessibleName(QString::fromStdString(StringTable::Dialog(kWindow, "Waiting for")));
    // The indicator fills the dialog inside a margin of 7 × 7 dialog units.
    const QSize margin = QtDialogPlacement::DialogUnitsToPixels(*this, 7, 7);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin.width(), margin.height(), margin.width(), margin.height());
    layout->addWidget(m_busy, 1);
    m_buttons->setObjectName(QStringLiteral("cancelButtons"));
    m_buttons->setCenterButtons(true);
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    connect(m_buttons, &QDialogButtonBox::rejected, this, [this] { m_model.Cancel(); });
    m_buttons->hide();
    layout->addWidget(m_buttons);
}

void CVRXWaitingDlg::SetCancelHandler(std::function<void()> onCancel) {
    m_model.SetCancelHandler(std::move(onCancel));
    const bool cancellable = m_model.Cancellable();
    m_buttons->setVisible(cancellable);
    setFixedSize(QtDialogPlacement::DialogUnitsToPixels(*this, kWidthDu,
                                                        kHeightDu + (cancellable ? kCancelRowDu : 0)));
    if (cancellable)
        m_buttons->button(QDialogButtonBox::Cancel)->setFocus();
}

CVRXWaitingDlg::~CVRXWaitingDlg() {
    m_cursorTimer.stop();
    m_model.OnDestroy();
}

int CVRXWaitingDlg::exec() {
    QtDialogPlacement::PlaceAboveMainWindowCentre(*this, m_mainWindow);
    if (m_model.Initialize())
        m_cursorTimer.start(WaitingDialogModel::kCursorTimerMilliseconds, this);
    return QDialog::exec();
}

void CVRXWaitingDlg::CloseWaiting() {
    m_cursorTimer.stop();
    m_model.CloseWaiting();
    done(QDialog::Accepted);
}

void CVRXWaitingDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        m_model.Cancel();
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CVRXWaitingDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_cursorTimer.timerId()) {
        m_model.OnTimer();
        return;
    }
    QDialog::timerEvent(event);
}
