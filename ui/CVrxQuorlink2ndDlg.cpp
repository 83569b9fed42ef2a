#include "ui/CVrxQuorlink2ndDlg.h"

#include "app/DiagnosticLog.h"
#include "app/DialogResult.h"
#include "app/Preferences.h"
#include "app/StringTable.h"

#include <algorithm>

CVrxQuorlink2ndDlg::CVrxQuorlink2ndDlg(INetworkEndpoint& endpoint, IMessageBox& messages, ICursor& cursor,
                                       IBrowser& browser, ILanguageSelection& language,
                                       IPrinterSearch& search)
    : m_pageBasicSetting(search, messages, browser, language, *this),
      m_pageNetConnectionSetting(endpoint, messages, cursor, *this), m_mainSheet(*this),
      m_settingsSheet(*this) {}

std::string CVrxQuorlink2ndDlg::ComposeTitle(const std::string& title, const std::string& fileVersion) {
    if (fileVersion.empty())
        return title;
    size_t cut = fileVersion.rfind(',');
    if (cut == std::string::npos)
        cut = fileVersion.rfind('.');
    // A version of one part has nothing to cut away.
    std::string version = fileVersion.substr(0, cut);
    std::replace(version.begin(), version.end(), ',', '.');
    if (version.empty())
        return title;
    return title + " V" + version;
}

void CVrxQuorlink2ndDlg::OnInitDialog() {
    m_strTitle = ComposeTitle(LoadString(StringId::AppTitle), QUORLINK_FILE_VERSION);

    const int pages = ReadPreferenceInt(PreferenceKey::SheetPages).value_or(0);
    if (pages == 1) {
        m_mainSheet.AddPage(SheetPage::PrinterList);
    } else if (pages == 2) {
        m_mainSheet.AddPage(SheetPage::WLanAdvanced);
    } else {
        m_mainSheet.AddPage(SheetPage::PrinterList);
        m_mainSheet.AddPage(SheetPage::WLanAdvanced);
    }
    m_mainSheet.SetActivePage(0);
    m_mainSheet.SetVisible(true);

    m_settingsSheet.AddPage(SheetPage::NetworkSettings);
    m_settingsSheet.SetActivePage(0);
    m_settingsSheet.SetVisible(false);

    m_pageBasicSetting.OnInitDialog();
    Changed();
}

int CVrxQuorlink2ndDlg::SendMessage(unsigned message, const void* first, const void* second) {
    return WindowProc(message, first, second);
}

void CVrxQuorlink2ndDlg::PostMessage(unsigned message, const void* first, const void* second) {
    if (m_bEnded)
        return;
    m_posted.push_back({message, first, second});
    if (m_postListener)
        m_postListener();
}

bool CVrxQuorlink2ndDlg::DispatchPostedMessage() {
    if (m_posted.empty())
        return false;
    const PostedMessage posted = m_posted.front();
    m_posted.pop_front();
    // A window that has ended handles nothing more.
    if (!m_bEnded)
        WindowProc(posted.message, posted.first, posted.second);
    return true;
}

int CVrxQuorlink2ndDlg::WindowProc(unsigned message, const void* first, const void* second) {
    switch (message) {
    case MainWindowMessage::M1:
        return M1MessageHandler(first);
    case MainWindowMessage::M2:
        return M2MessageHandler(first, second);
    case MainWindowMessage::M3:
        return M3MessageHandler();
    case MainWindowMessage::M4:
        return M4MessageHandler();
    case MainWindowMessage::Close:
        EndDialog(IDCANCEL);
        return 1;
    case MainWindowMessage::Restart:
        EndDialog(IDOK);
        return 1;
    default:
        return 0;
    }
}

int CVrxQuorlink2ndDlg::M1MessageHandler(const void* activeIndex) {
    WriteLog("M1MessageHandler : START");
    if (activeIndex && m_mainSheet.GetPageCount() > 0) {
        const int index = *static_cast<const int*>(activeIndex);
        // Only the printer list page has a row to select; with "PREFERENCE[4]" = 2 tab 0 is another page.
        const SheetPage* page = m_mainSheet.PageAt(index);
        if (index == 0 && page && *page == SheetPage::PrinterList)
            m_pageBasicSetting.SetListControlFocus({});
    }
    WriteLog("M1MessageHandler : END");
    return 1;
}

int CVrxQuorlink2ndDlg::M2MessageHandler(const void* printerTable, const void* macText) {
    WriteLog("M2MessageHandler : START");
    if (printerTable && macText) {
        const auto& table = *static_cast<const PrinterInfoMap*>(printerTable);
        const auto& mac = *static_cast<const std::string*>(macText);
        const auto found = table.find(mac);
        if (found != table.end()) {
            m_mainSheet.SetVisible(false);
            if (m_settingsSheet.GetPageCount() > 0) {
                m_settingsSheet.SetVisible(true);
                Changed();
                m_pageNetConnectionSetting.SetPrinterNetworkInfo(found->second);
            }
            Changed();
        }
    }
    WriteLog("M2MessageHandler : END");
    return 1;
}

int CVrxQuorlink2ndDlg::M3MessageHandler() {
    WriteLog("M3MessageHandler : START");
    ShowListState();
    if (m_mainSheet.HasPage(SheetPage::PrinterList)) {
        m_pageBasicSetting.OnBnClickedSearchRefreshBtn();
        m_pageBasicSetting.SetListControlFocus(m_pageBasicSetting.m_strSelectedMac);
    }
    WriteLog("M3MessageHandler : END");
    return 1;
}

int CVrxQuorlink2ndDlg::M4MessageHandler() {
    WriteLog("M4MessageHandler : START");
    ShowListState();
    if (m_mainSheet.HasPage(SheetPage::PrinterList))
        m_pageBasicSetting.SetListControlFocus({});
    WriteLog("M4MessageHandler : END");
    return 1;
}

void CVrxQuorlink2ndDlg::ShowListState() {
    m_mainSheet.SetVisible(true);
    m_settingsSheet.SetVisible(false);
    Changed();
}

void CVrxQuorlink2ndDlg::OnClose() {
    EndDialog(IDCANCEL);
}

void CVrxQuorlink2ndDlg::EndDialog(int result) {
    if (m_bEnded)
        return;
    m_bEnded = true;
    m_nResult = result;
    m_posted.clear();
    Changed();
}

void CVrxQuorlink2ndDlg::Changed() {
    if (m_changeListener)
        m_changeListener();
}
