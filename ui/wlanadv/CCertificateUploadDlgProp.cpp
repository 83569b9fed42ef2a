#include "ui/wlanadv/CCertificateUploadDlgProp.h"

#include "app/DiagnosticLog.h"
#include "app/StringTable.h"
#include "ui/IMessageBox.h"
#include "ui/wlanadv/IWLanAdvDialogs.h"
#include "ui/wlanadv/IWLanAdvItemHost.h"
#include "ui/wlanadv/PropertyGrid.h"

namespace {

constexpr int kTextUploadQuestion = 242;
constexpr int kTextInvalidCertificate = 243;
constexpr int kTextUploaded = 244;
constexpr int kTextUploadFailed = 245;
constexpr int kTextNotPemOrDer = 476;

} // namespace

std::string CCertificateUploadDlgProp::FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool CCertificateUploadDlgProp::OnClickButton(PropertyItem& item) {
    WriteLog("CCertificateUploadDlgProp::OnClickButton : START");
    if (!m_pPage) {
        WriteLog("CCertificateUploadDlgProp::OnClickButton : m_pWLANSetting is NULL");
        return false;
    }
    const std::optional<std::string> path = m_pPage->Dialogs().ChooseFileToOpen();
    if (!path) {
        WriteLog("CCertificateUploadDlgProp::OnClickButton : END");
        return false;
    }
    bool result = false;
    if (!m_pPage->Messages().AskYesNo(m_pPage->Text(kTextUploadQuestion))) {
        WriteLog("CCertificateUploadDlgProp::OnClickButton : not confirmed");
    } else {
        item.SetValue(*path);
        if (!m_pPage->DataValidation4Certificate(*path)) {
            m_pPage->Messages().ShowError(m_pPage->Text(kTextInvalidCertificate));
        } else if (!m_pPage->LoadedCertificateIsPemOrDer() &&
                   !m_pPage->Messages().AskYesNo(
                       StringTable::Fill(m_pPage->Text(kTextNotPemOrDer), {FileNameOf(*path)}))) {
            WriteLog("CCertificateUploadDlgProp::OnClickButton : neither PEM nor DER, not uploaded");
        } else {
            result = m_pPage->UploadCertificateDocument(FileNameOf(*path));
            if (result)
                m_pPage->Messages().ShowInformation(m_pPage->Text(kTextUploaded));
            else
                m_pPage->Messages().ShowError(m_pPage->Text(kTextUploadFailed));
        }
    }
    // A refused certificate leaves the item empty as well: nothing is left to be uploaded.
    item.SetValue(std::string());
    WriteLog("CCertificateUploadDlgProp::OnClickButton : result = %d", result ? 1 : 0);
    WriteLog("CCertificateUploadDlgProp::OnClickButton : END");
    return result;
}
