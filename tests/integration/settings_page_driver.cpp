// End to end through the main window's logic and the real UDP endpoint, against quorlink-printer-sim
// (tests/integration/settings_page_sim.json): search, open a printer's settings, change them, save, and
// check that the list the main window searches again shows the printer with its new settings.
//
// Runs only inside the private network of scripts/netns-harness: it refuses to start unless it runs in the
// harness's tool namespace and every interface there is on a documentation network, so that nothing is ever
// sent on a real network.

#include "app/StringTable.h"
#include "netsearch/CUdpEndpoint.h"
#include "netsearch/SearchProcedure.h"
#include "ui/CVrxQuorlink2ndDlg.h"

#include "HarnessNetwork.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using harness::Check;

class AnsweringMessages : public IMessageBox {
public:
    std::vector<std::string> errors;
    int questions = 0;
    void ShowError(const std::string& text) override {
        std::printf("message box: %s\n", text.c_str());
        errors.push_back(text);
    }
    void ShowInformation(const std::string& text) override { std::printf("message box: %s\n", text.c_str()); }
    bool AskYesNo(const std::string& text) override {
        std::printf("question: %s -> Yes\n", text.c_str());
        ++questions;
        return true;
    }
};

class NoCursor : public ICursor {
public:
    void ShowWait() override {}
    void ShowArrow() override {}
};

class NoBrowser : public IBrowser {
public:
    bool Open(const std::string&) override { return false; }
};

class EnglishOnly : public ILanguageSelection {
public:
    int CurrentLanguage() const override { return 0; }
    void SetLanguageResource(int) override {}
};

// The search dialog's work without its window.
class EndpointSearch : public IPrinterSearch {
public:
    explicit EndpointSearch(INetworkEndpoint& endpoint) : m_endpoint(endpoint) {}
    int runs = 0;
    void Run(WLanInfoMap& wlan, EthernetInfoMap& ethernet) override {
        ++runs;
        if (!m_endpoint.InitLocalNetworkInterface())
            return;
        SearchResult result = RunSearchProcedure(m_endpoint);
        wlan.insert(result.wlan.begin(), result.wlan.end());
        ethernet.insert(result.ethernet.begin(), result.ethernet.end());
    }

private:
    INetworkEndpoint& m_endpoint;
};

int RowOf(const CVRXPageBasicSetting& list, const std::string& mac) {
    const auto& rows = list.GetControls().rows;
    for (size_t row = 0; row < rows.size(); ++row)
        if (rows[row].texts[CVRXPageBasicSetting::kColumnMacAddress] == mac)
            return static_cast<int>(row);
    return -1;
}

std::string Column(const CVRXPageBasicSetting& list, const std::string& mac, int column) {
    const int row = RowOf(list, mac);
    return row < 0 ? "(no row)"
                   : list.GetControls().rows[static_cast<size_t>(row)].texts[static_cast<size_t>(column)];
}

const PRINTER_NETWORK_INFO* Record(const CVRXPageBasicSetting& list, const std::string& mac) {
    const auto found = list.m_mapPrinterInfo.find(mac);
    return found == list.m_mapPrinterInfo.end() ? nullptr : &found->second;
}

// Opens the settings of mac by a double-click on its row; false when the printer is not listed.
bool OpenSettings(CVrxQuorlink2ndDlg& window, const std::string& mac) {
    CVRXPageBasicSetting& list = window.GetPageBasicSetting();
    const int row = RowOf(list, mac);
    if (row < 0)
        return false;
    list.OnNMDblclkList(row);
    return window.GetSettingsSheet().IsVisible() &&
           window.GetPageNetConnectionSetting().GetNetInfo().strMACAddress == mac;
}

// Saves on the settings page and lets the main window handle what the page posted (the new search).
void SaveAndReturn(CVrxQuorlink2ndDlg& window) {
    window.GetPageNetConnectionSetting().OnBnClickedBtnSave();
    while (window.DispatchPostedMessage()) {
    }
}

} // namespace

int main() {
    if (!harness::InsideHarness("settings-page-driver"))
        return 2;

    CUdpEndpoint& endpoint = *CUdpEndpoint::GetInstance();
    AnsweringMessages messages;
    NoCursor cursor;
    NoBrowser browser;
    EnglishOnly language;
    EndpointSearch search(endpoint);
    CVrxQuorlink2ndDlg window(endpoint, messages, cursor, browser, language, search);
    window.OnInitDialog();
    CVRXPageBasicSetting& list = window.GetPageBasicSetting();
    CVRXPageNetConnectionSetting& settings = window.GetPageNetConnectionSetting();

    const std::string wired = "02:00:00:00:10:01";
    const std::string wireless = "02:00:00:00:20:01";

    list.OnBnClickedSearchRefreshBtn();
    Check(Column(list, wired, CVRXPageBasicSetting::kColumnIpAddress) == "192.0.2.50",
          "the wired printer is listed");
    Check(Column(list, wireless, CVRXPageBasicSetting::kColumnSystemName) == "Front desk",
          "the wireless printer is listed with its name");

    // A wired printer gets a new fixed address and printing port.
    Check(OpenSettings(window, wired), "the wired printer's settings open");
    Check(settings.GetControls().checkedMode == CVRXPageNetConnectionSetting::kIpModeManual,
          "it has a fixed address");
    settings.OnAddressChanged(CVRXPageNetConnectionSetting::IDC_IPADDRESS_IP, {192, 0, 2, 77});
    settings.OnEnChangeEditPortNumber("515");
    const int searchesBefore = search.runs;
    SaveAndReturn(window);
    Check(messages.errors.empty(), "the save reports no failure");
    Check(search.runs == searchesBefore + 1, "the list searched again after the save");
    Check(window.GetMainSheet().IsVisible() && !window.GetSettingsSheet().IsVisible(),
          "the list is shown again");
    Check(Column(list, wired, CVRXPageBasicSetting::kColumnIpAddress) == "192.0.2.77",
          "the refreshed list shows the new address (" +
              Column(list, wired, CVRXPageBasicSetting::kColumnIpAddress) + ")");
    const PRINTER_NETWORK_INFO* wiredRecord = Record(list, wired);
    Check(wiredRecord && wiredRecord->strPortNumber == "515" && wiredRecord->strDhcp == "0",
          "the refreshed record has the new port and a fixed address");
    Check(list.m_strSelectedMac == wired && list.GetControls().selectedRow == RowOf(list, wired),
          "the printer is selected again");

    // A wireless printer gets a new system name and inactivity time, keeping DHCP.
    Check(OpenSettings(window, wireless), "the wireless printer's settings open");
    Check(settings.GetControls().systemName.visible && settings.GetControls().systemName.text == "Front desk",
          "its system name is shown");
    settings.OnEnChangeEditSystemName("  Shelf 12 ");
    settings.OnEnChangeEditInactiveTime("600");
    SaveAndReturn(window);
    Check(messages.errors.empty(), "the save reports no failure");
    Check(Column(list, wireless, CVRXPageBasicSetting::kColumnSystemName) == "Shelf 12",
          "the refreshed list shows the new name (" +
              Column(list, wireless, CVRXPageBasicSetting::kColumnSystemName) + ")");
    const PRINTER_NETWORK_INFO* wirelessRecord = Record(list, wireless);
    Check(wirelessRecord && wirelessRecord->strInactiveTime == "600" && wirelessRecord->strDhcp == "1",
          "the refreshed record has the new inactivity time and DHCP");
    Check(Column(list, wireless, CVRXPageBasicSetting::kColumnIpAddress) == "192.0.2.61",
          "the printer took the address its DHCP gave");

    // Saving again without a change sends nothing, asks nothing and searches again.
    const int questionsBefore = messages.questions;
    Check(OpenSettings(window, wired), "the wired printer's settings open again");
    SaveAndReturn(window);
    Check(messages.questions == questionsBefore, "unchanged settings ask nothing");
    Check(Column(list, wired, CVRXPageBasicSetting::kColumnIpAddress) == "192.0.2.77", "the address stays");

    std::printf("%s\n", harness::failures == 0 ? "settings page: all passed" : "settings page: FAILED");
    return harness::failures == 0 ? 0 : 1;
}
