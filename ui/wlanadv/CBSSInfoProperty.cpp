#include "ui/wlanadv/CBSSInfoProperty.h"

#include "app/DiagnosticLog.h"
#include "ui/IMessageBox.h"
#include "ui/wlanadv/CVRXPageWLanAdvBssList.h"
#include "ui/wlanadv/IWLanAdvDialogs.h"
#include "ui/wlanadv/IWLanAdvItemHost.h"
#include "ui/wlanadv/PropertyGrid.h"

namespace {

constexpr int kTextScanFailed = 273;

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

void CBSSInfoProperty::OnEditStart(PropertyItem& item) {
    const std::string trimmed = Trimmed(item.Value());
    if (trimmed != item.Value())
        item.SetValue(trimmed);
}

void CBSSInfoProperty::OnClickButton(PropertyItem&) {
    WriteLog("CBSSInfoProperty::OnClickButton : START");
    if (!m_pWLANSetting) {
        WriteLog("CBSSInfoProperty::OnClickButton : m_pWLANSetting is NULL");
        return;
    }
    m_pWLANSetting->ReleasePort();
    BSS_INFO entries[VRX_MAX_BSS_INFO]{};
    int count = m_pWLANSetting->ScanAccessPoints(entries);
    if (count <= 1) {
        WriteLog("CBSSInfoProperty::OnClickButton : %d entries, scanning again", count);
        m_pWLANSetting->Wait(std::chrono::milliseconds(kRescanDelayMs));
        count = m_pWLANSetting->ScanAccessPoints(entries);
    }
    WriteLog("CBSSInfoProperty::OnClickButton : count = %d", count);
    CVRXPageWLanAdvBssList dialog;
    dialog.SetBSSInfoData(entries, count);
    if (count < 1) {
        m_pWLANSetting->Messages().ShowInformation(m_pWLANSetting->Text(kTextScanFailed));
    } else if (m_pWLANSetting->Dialogs().RunBssListDialog(dialog) == CVRXPageWLanAdvBssList::kResultOk) {
        // Close without a pick leaves -1, which takes nothing over.
        m_pWLANSetting->UpdateCurrentConfiguration(dialog.GetLastDbClickItemID());
    }
    m_pWLANSetting->RestorePort();
    WriteLog("CBSSInfoProperty::OnClickButton : END");
}
