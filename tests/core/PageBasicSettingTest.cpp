#include "app/LanguageTable.h"
#include "app/StringTable.h"
#include "ui/CVRXPageBasicSetting.h"

#include "CapturedLog.h"
#include "FakeBrowser.h"
#include "FakeFleet.h"
#include "FakeLanguageSelection.h"
#include "FakeMessageBox.h"
#include "FakePrinterSearch.h"

#include <gtest/gtest.h>

#include "TempDir.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>

using printers::MacOf;
using printers::Wired;
using printers::Wireless;

namespace {

// The main window as a page sees it: records every message with a copy of what its parameters point to.
class RecordingMainWindow : public IMainWindowMessages {
public:
    struct Message {
        unsigned message;
        const void* first;
        std::string macText; // M2: the MAC text the second parameter pointed to
    };
    int SendMessage(unsigned message, const void* first, const void* second) override {
        sent.push_back({message, first, second ? *static_cast<const std::string*>(second) : std::string()});
        return 1;
    }
    void PostMessage(unsigned message, const void* first, const void* second) override {
        SendMessage(message, first, second);
    }
    std::vector<Message> sent;
};

class PageBasicSettingTest : public ::testing::Test {
protected:
    void SetUp() override { page.OnInitDialog(); }

    void SearchFinds(EthernetInfoMap ethernet, WLanInfoMap wlan) {
        search.Script({std::move(wlan), std::move(ethernet)});
        page.OnBnClickedSearchRefreshBtn();
    }
    // Two wired printers and one wireless printer whose MAC text sorts before theirs.
    void SearchFindsTwoWiredAndOneWireless(std::uint8_t wirelessMask = 0x91) {
        SearchFinds(
            {{MacOf(0x10), Wired(0x10, {192, 0, 2, 10})}, {MacOf(0x11), Wired(0x11, {192, 0, 2, 11})}},
            {{MacOf(0x05), Wireless(0x05, {192, 0, 2, 5}, wirelessMask, "Printer-Lobby")}});
    }
    std::vector<std::string> Column(int column) const {
        std::vector<std::string> texts;
        for (const auto& row : page.GetControls().rows)
            texts.push_back(row.texts[static_cast<size_t>(column)]);
        return texts;
    }
    std::string SelectedMac() const {
        const auto& controls = page.GetControls();
        return controls.selectedRow < 0 ? std::string()
                                        : controls.rows[static_cast<size_t>(controls.selectedRow)]
                                              .texts[CVRXPageBasicSetting::kColumnMacAddress];
    }

    FakePrinterSearch search;
    FakeMessageBox messages;
    FakeBrowser browser;
    FakeLanguageSelection language;
    RecordingMainWindow mainWindow;
    CVRXPageBasicSetting page{search, messages, browser, language, mainWindow};
};

} // namespace

TEST_F(PageBasicSettingTest, SearchListsWiredPrintersFirstAndSelectsTheLastRowWithItsDetails) {
    SearchFindsTwoWiredAndOneWireless();

    const auto& controls = page.GetControls();
    ASSERT_EQ(controls.rows.size(), 3u);
    const std::vector<std::array<std::string, 5>> expected = {
        {"1", "192.0.2.10", MacOf(0x10), "-", "Wired"},
        {"2", "192.0.2.11", MacOf(0x11), "-", "Wired"},
        {"3", "192.0.2.5", MacOf(0x05), "Printer-Lobby", "Wireless"},
    };
    for (size_t row = 0; row < expected.size(); ++row) {
        EXPECT_EQ(controls.rows[row].texts, expected[row]) << "row " << row;
        EXPECT_EQ(controls.rows[row].itemData, static_cast<int>(row));
    }
    EXPECT_EQ(controls.selectedRow, 2);
    EXPECT_EQ(page.m_nCurSel, 2);
    EXPECT_EQ(page.m_strMACAddress, MacOf(0x05));
    EXPECT_EQ(page.m_strIPAddress, "192.0.2.5");
    EXPECT_EQ(page.m_strSubnetMask, "255.255.255.0");
    EXPECT_EQ(page.m_strGateway, "192.0.2.1");
    EXPECT_EQ(page.m_strPortNumber, "9100");
    EXPECT_EQ(page.m_mapPrinterInfo.size(), 3u);
    EXPECT_EQ(page.m_mapPrinterInfo.at(MacOf(0x10)).strNetworkType, "Wired");
    EXPECT_EQ(page.m_mapPrinterInfo.at(MacOf(0x05)).strNetworkType, "Wireless");
    EXPECT_TRUE(controls.configurationEnabled);
    EXPECT_TRUE(controls.browserEnabled);
}

TEST_F(PageBasicSettingTest, SearchButtonReadsSearchUntilTheFirstSearchAndRefreshEverAfter) {
    EXPECT_EQ(page.GetControls().searchText, "Search");
    EXPECT_FALSE(page.GetControls().configurationEnabled);
    EXPECT_FALSE(page.GetControls().browserEnabled);

    page.OnBnClickedSearchRefreshBtn(); // finds nothing
    EXPECT_EQ(page.GetControls().searchText, "Refresh");
    EXPECT_TRUE(page.GetControls().rows.empty());
    EXPECT_FALSE(page.GetControls().configurationEnabled);
    EXPECT_FALSE(page.GetControls().browserEnabled);
    EXPECT_EQ(page.m_strMACAddress, "");

    SearchFindsTwoWiredAndOneWireless();
    EXPECT_EQ(page.GetControls().searchText, "Refresh");
}

TEST_F(PageBasicSettingTest, EachSearchReplacesTablesRowsAndDetails) {
    SearchFindsTwoWiredAndOneWireless();
    std::vector<std::string> rowsDuringSearch;
    std::string detailsDuringSearch = "unset";
    search.onRun = [&] {
        rowsDuringSearch = Column(CVRXPageBasicSetting::kColumnMacAddress);
        detailsDuringSearch = page.m_strIPAddress;
    };
    SearchFinds({{MacOf(0x20), Wired(0x20, {198, 51, 100, 20})}}, {});

    EXPECT_TRUE(rowsDuringSearch.empty());
    EXPECT_EQ(detailsDuringSearch, "");
    EXPECT_EQ(Column(CVRXPageBasicSetting::kColumnMacAddress), std::vector<std::string>{MacOf(0x20)});
    EXPECT_EQ(Column(CVRXPageBasicSetting::kColumnNumber), std::vector<std::string>{"1"});
    EXPECT_EQ(page.m_mapPrinterInfo.size(), 1u);
    EXPECT_TRUE(page.m_mapWLanInfo.empty());
    EXPECT_EQ(page.m_strIPAddress, "198.51.100.20");
}

TEST_F(PageBasicSettingTest, ListenerHearsOfTheFilledListOnceWhateverTheNumberOfPrinters) {
    // The view rebuilds its rows whenever it is told of a change; one notice per inserted row would make
    // listing n printers cost n rebuilds.
    std::vector<size_t> rowsSeen;
    page.SetChangeListener([&] { rowsSeen.push_back(page.GetControls().rows.size()); });
    auto noticesAfterSearchFinding = [&](int printers) {
        EthernetInfoMap ethernet;
        for (int i = 0; i < printers; ++i)
            ethernet[MacOf(static_cast<std::uint8_t>(i))] =
                Wired(static_cast<std::uint8_t>(i), {192, 0, 2, static_cast<std::uint8_t>(10 + i)});
        rowsSeen.clear();
        SearchFinds(std::move(ethernet), {});
        return rowsSeen;
    };

    const auto one = noticesAfterSearchFinding(1);
    const auto many = noticesAfterSearchFinding(40);
    EXPECT_EQ(many.size(), one.size());
    // The emptied list shows while the search runs, the complete one afterwards.
    ASSERT_FALSE(many.empty());
    EXPECT_NE(std::find(many.begin(), many.end(), 0u), many.end());
    EXPECT_EQ(many.back(), 40u);
    // The printer selected before (the one of the first search) is selected again.
    EXPECT_EQ(page.GetControls().selectedRow, 0);
}

TEST_F(PageBasicSettingTest, DetailsShowTheDhcpSuffixWheneverDhcpIsNotZero) {
    struct Case {
        std::uint8_t dhcp;
        bool wireless;
        const char* ipField;
    } cases[] = {
        {0, false, "192.0.2.20"}, {1, false, "192.0.2.20 (DHCP)"}, {2, false, "192.0.2.20 (DHCP)"},
        {0, true, "192.0.2.20"},  {1, true, "192.0.2.20 (DHCP)"},
    };
    for (const auto& c : cases) {
        if (c.wireless)
            SearchFinds({}, {{MacOf(0x20), Wireless(0x20, {192, 0, 2, 20}, 0x91, "", c.dhcp)}});
        else
            SearchFinds({{MacOf(0x20), Wired(0x20, {192, 0, 2, 20}, c.dhcp)}}, {});
        EXPECT_EQ(page.m_strIPAddress, c.ipField)
            << "Dhcp " << int(c.dhcp) << (c.wireless ? " wireless" : " wired");
        EXPECT_EQ(page.m_mapPrinterInfo.at(MacOf(0x20)).strIPAddress, "192.0.2.20");
    }
}

TEST_F(PageBasicSettingTest, WirelessMaskBitsDisableTheButtonsUntilTheNextSearch) {
    struct Case {
        std::uint8_t mask0;
        bool configuration;
        bool browser;
    } cases[] = {
        {0x91, true, true},  {0x11, true, true},  {0x80, false, false},
        {0x81, false, true}, {0x90, true, false}, {0x00, false, false},
    };
    for (const auto& c : cases) {
        SearchFindsTwoWiredAndOneWireless(c.mask0);
        EXPECT_EQ(page.GetControls().configurationEnabled, c.configuration) << std::hex << int(c.mask0);
        EXPECT_EQ(page.GetControls().browserEnabled, c.browser) << std::hex << int(c.mask0);

        // Selecting a wired printer afterwards does not bring them back.
        page.OnLvnItemchangedList(0);
        page.OnNMClickList(0);
        EXPECT_EQ(page.m_strMACAddress, MacOf(0x10));
        EXPECT_EQ(page.GetControls().configurationEnabled, c.configuration) << std::hex << int(c.mask0);
        EXPECT_EQ(page.GetControls().browserEnabled, c.browser) << std::hex << int(c.mask0);
    }

    // The next search's rows enable them again.
    SearchFinds({{MacOf(0x10), Wired(0x10, {192, 0, 2, 10})}}, {});
    EXPECT_TRUE(page.GetControls().configurationEnabled);
    EXPECT_TRUE(page.GetControls().browserEnabled);
}

TEST_F(PageBasicSettingTest, InsertingALaterRowEnablesTheButtonsThatAnEarlierWirelessRowDisabled) {
    SearchFinds({}, {{MacOf(0x01), Wireless(0x01, {192, 0, 2, 1}, 0x80, "No-Config")},
                     {MacOf(0x02), Wireless(0x02, {192, 0, 2, 2}, 0x91, "Full")}});
    EXPECT_EQ(page.GetControls().selectedRow, 1);
    EXPECT_TRUE(page.GetControls().configurationEnabled);
    EXPECT_TRUE(page.GetControls().browserEnabled);

    page.OnLvnItemchangedList(0);
    EXPECT_FALSE(page.GetControls().configurationEnabled);
    EXPECT_FALSE(page.GetControls().browserEnabled);
}

TEST_F(PageBasicSettingTest, LaunchBrowserOpensHttpsOnlyForHttpOne) {
    struct Case {
        bool wireless;
        std::uint8_t http;
        const char* url;
    } cases[] = {
        {false, 1, "https://203.0.113.7"}, {false, 0, "http://203.0.113.7"}, {false, 2, "http://203.0.113.7"},
        {true, 1, "https://203.0.113.7"},  {true, 0, "http://203.0.113.7"},
    };
    for (const auto& c : cases) {
        browser.opened.clear();
        // DHCP on, so that the details' suffix is seen not to reach the address.
        if (c.wireless)
            SearchFinds({}, {{MacOf(0x07), Wireless(0x07, {203, 0, 113, 7}, 0x91, "", 1, c.http)}});
        else
            SearchFinds({{MacOf(0x07), Wired(0x07, {203, 0, 113, 7}, 1, c.http)}}, {});
        page.OnBnClickedBtnBrowser();
        EXPECT_EQ(browser.opened, std::vector<std::string>{c.url}) << "Http " << int(c.http);
    }
}

TEST_F(PageBasicSettingTest, LaunchBrowserOpensTheCurrentRowsPrinterAndNothingWithoutRows) {
    page.OnBnClickedBtnBrowser();
    EXPECT_TRUE(browser.opened.empty());

    SearchFindsTwoWiredAndOneWireless();
    page.OnLvnItemchangedList(1);
    page.OnBnClickedBtnBrowser();
    EXPECT_EQ(browser.opened, std::vector<std::string>{"http://192.0.2.11"});
    EXPECT_EQ(page.GetControls().selectedRow, 1);
}

TEST_F(PageBasicSettingTest, LaunchBrowserWithoutABrowserToStartSaysSo) {
    SearchFindsTwoWiredAndOneWireless();
    page.OnBnClickedBtnBrowser();
    EXPECT_TRUE(messages.shown().empty());

    browser.result = false;
    page.OnBnClickedBtnBrowser();
    EXPECT_EQ(browser.opened.size(), 2u);
    EXPECT_EQ(messages.Errors(),
              std::vector<std::string>{"No web browser could be started to open http://192.0.2.5."});
}

// Addresses sort by their four numbers, so that 192.0.2.21 comes before 192.0.2.209 and 192.0.2.3 first.
TEST_F(PageBasicSettingTest, TheAddressColumnSortsByNumber) {
    EthernetInfoMap wired;
    const std::uint8_t lasts[] = {209, 21, 3, 100};
    for (const std::uint8_t last : lasts)
        wired[MacOf(last)] = Wired(last, {192, 0, 2, last});
    wired[MacOf(1)] = Wired(1, {10, 0, 0, 250});
    SearchFinds(wired, {});
    page.OnColumnClick(CVRXPageBasicSetting::kColumnIpAddress);
    EXPECT_EQ(
        Column(CVRXPageBasicSetting::kColumnIpAddress),
        (std::vector<std::string>{"10.0.0.250", "192.0.2.3", "192.0.2.21", "192.0.2.100", "192.0.2.209"}));
    page.OnColumnClick(CVRXPageBasicSetting::kColumnIpAddress);
    EXPECT_EQ(
        Column(CVRXPageBasicSetting::kColumnIpAddress),
        (std::vector<std::string>{"192.0.2.209", "192.0.2.100", "192.0.2.21", "192.0.2.3", "10.0.0.250"}));
}

TEST_F(PageBasicSettingTest, ClickOnTheEmptyAreaReselectsTheCurrentRow) {
    SearchFindsTwoWiredAndOneWireless();
    const unsigned focusBefore = page.GetControls().listFocusSerial;

    // A click on a row shows its details but leaves the current row.
    page.OnNMClickList(0);
    EXPECT_EQ(page.m_strMACAddress, MacOf(0x10));
    EXPECT_EQ(page.m_nCurSel, 2);

    page.OnNMClickList(-1);
    EXPECT_EQ(page.GetControls().selectedRow, 2);
    EXPECT_EQ(page.m_nCurSel, 2);
    EXPECT_EQ(page.m_strMACAddress, MacOf(0x05));
    EXPECT_GT(page.GetControls().listFocusSerial, focusBefore);
    EXPECT_TRUE(mainWindow.sent.empty());
}

TEST_F(PageBasicSettingTest, ItemStateChangeMakesTheRowCurrent) {
    SearchFindsTwoWiredAndOneWireless();
    page.OnLvnItemchangedList(1);
    EXPECT_EQ(page.m_nCurSel, 1);
    EXPECT_EQ(page.GetControls().selectedRow, 1);
    EXPECT_EQ(page.m_strIPAddress, "192.0.2.11");
    page.OnLvnItemchangedList(7); // no such row
    EXPECT_EQ(page.m_nCurSel, 1);
}

TEST_F(PageBasicSettingTest, ConfigurationSendsM2WithThePrinterTableAndTheCurrentRowsMac) {
    page.OnBnClickedBtnConfiguration();
    EXPECT_FALSE(page.OnEnterKey()); // nothing listed: the key goes on
    EXPECT_TRUE(mainWindow.sent.empty());

    SearchFindsTwoWiredAndOneWireless();
    page.OnBnClickedBtnConfiguration();
    page.OnNMDblclkList(0);
    page.OnLvnItemchangedList(1);
    EXPECT_TRUE(page.OnEnterKey());
    page.OnNMDblclkList(-1); // the empty area only re-selects

    ASSERT_EQ(mainWindow.sent.size(), 3u);
    const std::string expected[] = {MacOf(0x05), MacOf(0x10), MacOf(0x11)};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(mainWindow.sent[i].message, MainWindowMessage::M2);
        EXPECT_EQ(mainWindow.sent[i].first, &page.m_mapPrinterInfo);
        EXPECT_EQ(mainWindow.sent[i].macText, expected[i]);
    }
    EXPECT_EQ(page.m_strSelectedMac, MacOf(0x11));
    EXPECT_EQ(page.GetControls().selectedRow, 1);
}

TEST_F(PageBasicSettingTest, SetListControlFocusFindsTheMacExactlyOrKeepsTheCurrentRow) {
    page.SetListControlFocus(MacOf(0x10)); // no rows: nothing happens
    EXPECT_EQ(page.GetControls().selectedRow, -1);
    EXPECT_EQ(page.GetControls().listFocusSerial, 0u);

    SearchFindsTwoWiredAndOneWireless();
    page.SetListControlFocus(MacOf(0x10));
    EXPECT_EQ(page.m_nCurSel, 0);
    EXPECT_EQ(page.GetControls().selectedRow, 0);
    EXPECT_EQ(page.m_strMACAddress, MacOf(0x10));

    std::string lower = MacOf(0x1A);
    SearchFinds({{MacOf(0x1A), Wired(0x1A, {192, 0, 2, 26})}, {MacOf(0x1B), Wired(0x1B, {192, 0, 2, 27})}},
                {});
    for (auto& ch : lower)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    const unsigned focusBefore = page.GetControls().listFocusSerial;
    page.SetListControlFocus(lower); // letter case counts: no match
    EXPECT_EQ(page.m_nCurSel, 1);
    EXPECT_EQ(page.GetControls().selectedRow, 1);
    EXPECT_EQ(page.GetControls().listFocusSerial, focusBefore + 1);
}

TEST_F(PageBasicSettingTest,
       HeaderClicksSortNumbersAndAddressesAsNumbersAndTextsIgnoringCaseTogglingDirection) {
    EthernetInfoMap wired;
    for (std::uint8_t i = 1; i <= 11; ++i)
        wired[MacOf(i)] = Wired(i, {192, 0, 2, i});
    SearchFinds(wired, {{MacOf(0x40), Wireless(0x40, {198, 51, 100, 3}, 0x91, "charlie")},
                        {MacOf(0x41), Wireless(0x41, {198, 51, 100, 1}, 0x91, "alpha")},
                        {MacOf(0x42), Wireless(0x42, {198, 51, 100, 2}, 0x91, "Bravo")}});
    const std::string selected = SelectedMac();
    ASSERT_EQ(selected, MacOf(0x42));
    using P = CVRXPageBasicSetting;

    struct Step {
        int column;
        bool ascending;
        std::vector<std::string> firstTexts; // the column's first texts after the click
    } steps[] = {
        {P::kColumnNumber, true, {"1", "2", "3", "4"}},
        {P::kColumnNumber, false, {"14", "13", "12", "11", "10", "9"}},
        {P::kColumnNumber, true, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}},
        {P::kColumnIpAddress, true, {"192.0.2.1", "192.0.2.2", "192.0.2.3", "192.0.2.4"}},
        {P::kColumnIpAddress, false, {"198.51.100.3", "198.51.100.2", "198.51.100.1", "192.0.2.11"}},
        {P::kColumnSystemName, true, {"-"}},
        {P::kColumnSystemName, false, {"charlie", "Bravo", "alpha", "-"}},
        {P::kColumnType, true, {"Wired"}},
    };
    for (const auto& step : steps) {
        page.OnColumnClick(step.column);
        EXPECT_EQ(page.GetControls().sortColumn, step.column);
        EXPECT_EQ(page.GetControls().sortAscending, step.ascending) << "column " << step.column;
        auto texts = Column(step.column);
        texts.resize(step.firstTexts.size());
        EXPECT_EQ(texts, step.firstTexts) << "column " << step.column;
        // The selection and the current row stay with their printer.
        EXPECT_EQ(SelectedMac(), selected) << "column " << step.column;
        EXPECT_EQ(page.m_nCurSel, page.GetControls().selectedRow);
    }

    page.OnColumnClick(P::kColumnSystemName); // ascending: "-" before the names, which ignore case
    const auto names = Column(P::kColumnSystemName);
    EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()),
              (std::vector<std::string>{"alpha", "Bravo", "charlie"}));

    // Configuration after sorting opens the selected printer.
    page.OnBnClickedBtnConfiguration();
    ASSERT_EQ(mainWindow.sent.size(), 1u);
    EXPECT_EQ(mainWindow.sent[0].macText, selected);

    // A new search keeps the order the user chose: its rows come sorted by the same column.
    SearchFindsTwoWiredAndOneWireless();
    EXPECT_EQ(page.GetControls().sortColumn, P::kColumnSystemName);
    EXPECT_TRUE(page.GetControls().sortAscending);
    EXPECT_EQ(Column(P::kColumnSystemName), (std::vector<std::string>{"-", "-", "Printer-Lobby"}));
}

TEST_F(PageBasicSettingTest, ColumnWidthsFollowTheListWidth) {
    struct Case {
        int listWidth;
        int textWidth;
    } cases[] = {{520, 142}, {400, 102}, {523, 143}};
    for (const auto& c : cases) {
        const auto columns = page.ListColumns(c.listWidth);
        ASSERT_EQ(columns.size(), 5u);
        const int widths[] = {28, c.textWidth, c.textWidth, c.textWidth, 60};
        for (size_t i = 0; i < 5; ++i)
            EXPECT_EQ(columns[i].width, widths[i]) << c.listWidth << " column " << i;
    }
    const auto columns = page.ListColumns(520);
    EXPECT_EQ(columns[0].header, "#");
    EXPECT_EQ(columns[1].header, LoadString(StringId::IpAddress));
    EXPECT_EQ(columns[2].header, LoadString(StringId::MacAddress));
    EXPECT_EQ(columns[3].header, LoadString(StringId::SystemName));
    EXPECT_EQ(columns[4].header, LoadString(StringId::Type));
}

TEST_F(PageBasicSettingTest, SearchThatFailsStillEndsCleanly) {
    CapturedLog log;
    search.onRun = [] { throw std::runtime_error("socket layer gone"); };
    EXPECT_NO_THROW(page.OnBnClickedSearchRefreshBtn());
    EXPECT_TRUE(page.GetControls().rows.empty());
    EXPECT_EQ(log.LinesStartingWith("OnBnClickedSearchRefreshBtn"),
              (std::vector<std::string>{"OnBnClickedSearchRefreshBtn : START",
                                        "OnBnClickedSearchRefreshBtn : END"}));
}

TEST_F(PageBasicSettingTest, SearchWritesTheLinesOfEveryStep) {
    const std::string wired = MacOf(0x10);
    {
        CapturedLog log;
        SearchFinds({{MacOf(0x10), Wired(0x10, {192, 0, 2, 10}, 1, 1)}},
                    {{MacOf(0x05), Wireless(0x05, {192, 0, 2, 5}, 0x80, "Printer-Lobby")}});
        const std::string dashes(55, '-');
        EXPECT_EQ(
            log.LinesStartingWith("UpdateEthernetInfoListCtl"),
            (std::vector<std::string>{
                "UpdateEthernetInfoListCtl : " + dashes, "UpdateEthernetInfoListCtl : START",
                "UpdateEthernetInfoListCtl : MacAddr = " + wired,
                "UpdateEthernetInfoListCtl : Ip = 192.0.2.10",
                "UpdateEthernetInfoListCtl : Subnet = 255.255.255.0",
                "UpdateEthernetInfoListCtl : strGateway = 192.0.2.1",
                "UpdateEthernetInfoListCtl : Port = 9100", "UpdateEthernetInfoListCtl : Baudrate = 7",
                "UpdateEthernetInfoListCtl : FwVer = 2.14", "UpdateEthernetInfoListCtl : Dhcp = 1",
                "UpdateEthernetInfoListCtl : I_activeTime = 300", "UpdateEthernetInfoListCtl : Http = 1",
                "UpdateEthernetInfoListCtl : END", "UpdateEthernetInfoListCtl : " + dashes}));
        const auto wireless = log.LinesStartingWith("UpdateWLANInfoListCtl");
        ASSERT_EQ(wireless.size(), 15u);
        EXPECT_EQ(wireless[0], "UpdateWLANInfoListCtl : " + dashes);
        EXPECT_EQ(wireless[2], "UpdateWLANInfoListCtl : MacAddr = " + MacOf(0x05));
        EXPECT_EQ(wireless[12], "UpdateWLANInfoListCtl : System Name = Printer-Lobby");
        EXPECT_EQ(wireless[13], "UpdateWLANInfoListCtl : END");

        EXPECT_EQ(
            log.LinesStartingWith("InsertItemToList : nIndex"),
            (std::vector<std::string>{"InsertItemToList : nIndex = 0", "InsertItemToList : nIndex = 1"}));
        EXPECT_TRUE(log.Contains("InsertItemToList : strMACAddress = " + MacOf(0x05)));
        EXPECT_TRUE(log.Contains("UpdateNetworkInformation : stData.strNetworkType = Wireless"));
        EXPECT_TRUE(log.Contains("CheckSupportedFunction4WLAN : stData.stWLANInfo.Mask[0] = 80"));
        EXPECT_TRUE(log.Contains("CheckSupportedFunction4WLAN : stData.stWLANInfo.Mask[1] = 02"));
        const auto lines = log.Lines();
        EXPECT_EQ(lines.front(), "OnBnClickedSearchRefreshBtn : START");
        EXPECT_EQ(lines.back(), "OnBnClickedSearchRefreshBtn : END");
    }

    CapturedLog log;
    page.SetListControlFocus(wired);
    page.OnBnClickedBtnBrowser();
    EXPECT_EQ(log.LinesStartingWith("SetListControlFocus : str"),
              (std::vector<std::string>{"SetListControlFocus : strMacAddress = " + wired,
                                        "SetListControlFocus : strItem = " + wired}));
    EXPECT_EQ(log.LinesStartingWith("OnBnClickedBtnBrowser"),
              (std::vector<std::string>{"OnBnClickedBtnBrowser : START",
                                        "OnBnClickedBtnBrowser : stData.stEthernetInfo.Http = 0x01",
                                        "OnBnClickedBtnBrowser : strCommand = https://192.0.2.10",
                                        "OnBnClickedBtnBrowser : END"}));
}

TEST_F(PageBasicSettingTest, LanguageMenuChecksTheApplicationsLanguageAndEnglishForUnknownOnes) {
    struct Case {
        int current;
        int checkedIndex;
    } cases[] = {{0, 0}, {3, 3}, {11, 11}, {12, 0}, {-1, 0}, {99, 0}};
    for (const auto& c : cases) {
        language.current = c.current;
        const auto items = page.OnBnClickedLanguageBtn();
        ASSERT_EQ(items.size(), 12u);
        EXPECT_EQ(page.m_nLanguage, c.current);
        for (size_t i = 0; i < items.size(); ++i) {
            const auto& entry = LanguageTable::Entries()[i];
            EXPECT_EQ(items[i].command, entry.menuCommand);
            EXPECT_EQ(items[i].text, entry.menuText);
            EXPECT_EQ(items[i].checked, static_cast<int>(i) == c.checkedIndex) << c.current << " item " << i;
        }
    }
}

TEST_F(PageBasicSettingTest, ChoosingTheCurrentLanguageAsksNothing) {
    language.current = 2;
    page.OnBnClickedLanguageBtn();
    page.OnLanguageMenuCommand(LanguageTable::MenuCommandForIndex(2));
    page.OnLanguageMenuCommand(12345); // no language's command
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(language.switches.empty());
    EXPECT_TRUE(mainWindow.sent.empty());
}

TEST_F(PageBasicSettingTest, AnsweringNoChangesNothing) {
    CapturedLog log;
    language.current = 0;
    page.OnBnClickedLanguageBtn();
    messages.answers = {false};
    page.OnLanguageMenuCommand(LanguageTable::MenuCommandForIndex(1));

    EXPECT_EQ(messages.Questions(), std::vector<std::string>{LoadString(StringId::SwitchLanguageQuestion)});
    EXPECT_TRUE(language.switches.empty());
    EXPECT_TRUE(mainWindow.sent.empty());
    EXPECT_EQ(page.m_nLanguage, 0);
    const auto lines = log.LinesStartingWith("QuestionSwitchLanguge");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()),
              (std::vector<std::string>{"QuestionSwitchLanguge : IDNO", "QuestionSwitchLanguge : END"}));
}

// The restart throws away what the WLAN (Advanced) page holds unsaved: the question says so first.
TEST_F(PageBasicSettingTest, RestartQuestionTellsOfUnsavedWlanEdits) {
    const std::string question = LoadString(StringId::SwitchLanguageQuestion);
    const std::string warning = LoadString(StringId::UnsavedWlanEditsLost);
    ASSERT_FALSE(warning.empty());
    struct Case {
        const char* name;
        std::optional<bool> unsaved; // no query at all: a window without the WLAN page
        std::string asked;
    } cases[] = {{"no page", std::nullopt, question},
                 {"nothing unsaved", false, question},
                 {"unsaved edits", true, warning + "\n\n" + question}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages = FakeMessageBox();
        messages.answers = {false};
        language.current = 0;
        if (c.unsaved)
            page.SetUnsavedEditsQuery([unsaved = *c.unsaved] { return unsaved; });
        else
            page.SetUnsavedEditsQuery(nullptr);
        page.OnBnClickedLanguageBtn();
        page.OnLanguageMenuCommand(LanguageTable::MenuCommandForIndex(1));
        EXPECT_EQ(messages.Questions(), std::vector<std::string>{c.asked});
        EXPECT_TRUE(language.switches.empty());
    }
}

TEST_F(PageBasicSettingTest, AnsweringYesSwitchesTheLanguageBeforeAskingForTheRestart) {
    language.current = 0;
    messages.answers = {true};
    std::vector<int> switchesAtRestart;
    struct Window : RecordingMainWindow {
        std::function<void()> onSend;
        int SendMessage(unsigned message, const void* first, const void* second) override {
            if (onSend)
                onSend();
            return RecordingMainWindow::SendMessage(message, first, second);
        }
    } window;
    window.onSend = [&] { switchesAtRestart = language.switches; };
    CVRXPageBasicSetting languagePage(search, messages, browser, language, window);
    languagePage.OnInitDialog();
    languagePage.OnBnClickedLanguageBtn();
    languagePage.OnLanguageMenuCommand(LanguageTable::MenuCommandForIndex(9));

    ASSERT_EQ(window.sent.size(), 1u);
    EXPECT_EQ(window.sent[0].message, MainWindowMessage::Restart);
    EXPECT_EQ(switchesAtRestart, std::vector<int>{9});
    EXPECT_EQ(languagePage.m_nLanguage, 9);
}

TEST_F(PageBasicSettingTest, CloseSendsTheCloseMessage) {
    page.OnBnClickedBtnClose();
    ASSERT_EQ(mainWindow.sent.size(), 1u);
    EXPECT_EQ(mainWindow.sent[0].message, MainWindowMessage::Close);
}

// ----------------------------------------------------------------------------------------------------
// Many printers: the filter, the order kept across a Refresh, copying and exporting

namespace {

// The file dialog of Export: answers with the next scripted path (nothing: the user cancelled).
class ScriptedSaveDialog : public IFileDialogs {
public:
    std::optional<std::string> GetOpenFileName(const std::string&, const std::vector<Filter>&) override {
        return std::nullopt;
    }
    std::optional<std::string> GetSaveFileName(const std::string& extension,
                                               const std::vector<Filter>& filters) override {
        asked.push_back(extension + " " + (filters.empty() ? std::string() : filters[0].pattern));
        return path;
    }
    std::optional<std::string> path;
    std::vector<std::string> asked;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST_F(PageBasicSettingTest, FilterNarrowsTheRowsCountsThemAndKeepsTheSelectionOnItsPrinter) {
    using P = CVRXPageBasicSetting;
    search.Script(printers::Fleet(200));
    page.OnBnClickedSearchRefreshBtn();
    EXPECT_EQ(page.GetControls().countText, "200 of 200 printers");
    page.OnLvnItemchangedList(10); // the eleventh wired printer: 00:1A:2B:3C:00:0D, 192.0.2.14
    const std::string chosen = SelectedMac();
    ASSERT_EQ(chosen, printers::FleetMacText(13));
    const unsigned focus = page.GetControls().listFocusSerial;

    // "192.0.2.1" is in .1, .10 to .19 and .100 to .199.
    page.OnFilterChanged("192.0.2.1");
    EXPECT_EQ(page.GetControls().countText, "111 of 200 printers");
    EXPECT_EQ(page.GetControls().rows.size(), 111u);
    EXPECT_EQ(SelectedMac(), chosen) << "the selected printer is still shown";
    EXPECT_EQ(page.m_strMACAddress, chosen);
    EXPECT_EQ(page.GetControls().listFocusSerial, focus) << "typing stays in the filter field";

    // Narrower: the selected printer goes, the first row shown takes the selection and its details show.
    page.OnFilterChanged("dock-1");
    EXPECT_EQ(page.GetControls().countText, "28 of 200 printers"); // Dock-11, -15, -19, -103 ... -199
    EXPECT_EQ(SelectedMac(), page.GetControls().rows[0].texts[P::kColumnMacAddress]);
    EXPECT_EQ(page.m_strMACAddress, SelectedMac());

    // Nothing shown: nothing to configure or open, no details; the buttons come back with the rows.
    page.OnFilterChanged("no such printer");
    EXPECT_EQ(page.GetControls().countText, "0 of 200 printers");
    EXPECT_EQ(page.GetControls().selectedRow, -1);
    EXPECT_FALSE(page.GetControls().configurationEnabled);
    EXPECT_FALSE(page.GetControls().browserEnabled);
    EXPECT_EQ(page.m_strMACAddress, "");
    page.OnBnClickedBtnConfiguration();
    EXPECT_TRUE(mainWindow.sent.empty());
    page.OnFilterChanged("");
    EXPECT_EQ(page.GetControls().rows.size(), 200u);
    EXPECT_TRUE(page.GetControls().configurationEnabled);
    EXPECT_TRUE(page.GetControls().browserEnabled);
    EXPECT_FALSE(page.m_strMACAddress.empty());

    // Configuration opens the printer shown selected, not the one at that row before the filter.
    page.OnFilterChanged("192.0.2.7");
    ASSERT_EQ(page.GetControls().rows.size(), 11u); // .7 and .70 to .79
    page.OnLvnItemchangedList(1);
    page.OnBnClickedBtnConfiguration();
    ASSERT_EQ(mainWindow.sent.size(), 1u);
    EXPECT_EQ(mainWindow.sent[0].macText, page.GetControls().rows[1].texts[P::kColumnMacAddress]);
}

TEST_F(PageBasicSettingTest, RefreshKeepsFilterSortAndTheSelectedPrinterWhereverItsRowMoves) {
    using P = CVRXPageBasicSetting;
    search.Script(printers::Fleet(200));
    page.OnBnClickedSearchRefreshBtn();
    page.OnColumnClick(P::kColumnIpAddress);
    page.OnColumnClick(P::kColumnIpAddress); // descending
    page.OnFilterChanged("wired");
    page.OnLvnItemchangedList(20);
    const std::string chosen = SelectedMac();

    // The next search finds 40 more printers; the chosen one's row moves.
    search.Script(printers::Fleet(240));
    page.OnBnClickedSearchRefreshBtn();
    EXPECT_EQ(page.GetControls().sortColumn, P::kColumnIpAddress);
    EXPECT_FALSE(page.GetControls().sortAscending);
    EXPECT_EQ(page.FilterText(), "wired");
    EXPECT_EQ(page.GetControls().countText, "180 of 240 printers");
    EXPECT_EQ(page.GetControls().rows[0].texts[P::kColumnIpAddress], "192.0.2.239") << "highest first";
    EXPECT_EQ(SelectedMac(), chosen);
    EXPECT_NE(page.GetControls().selectedRow, 20);
    EXPECT_EQ(page.m_strMACAddress, chosen);

    // Gone from the next search: the printer found last is hidden by the filter, so the first row shown
    // takes the selection.
    FakePrinterSearch::Found fewer = printers::Fleet(240);
    fewer.ethernet.erase(chosen);
    search.Script(std::move(fewer));
    page.OnBnClickedSearchRefreshBtn();
    EXPECT_EQ(page.GetControls().countText, "179 of 239 printers");
    EXPECT_EQ(page.GetControls().selectedRow, 0);
    EXPECT_EQ(page.m_strMACAddress, page.GetControls().rows[0].texts[P::kColumnMacAddress]);
}

TEST_F(PageBasicSettingTest, CopyAndExportTakeTheRowsAsShownInTheCommandLinesCsvFormat) {
    using P = CVRXPageBasicSetting;
    search.Script(printers::Fleet(200));
    page.OnBnClickedSearchRefreshBtn();
    page.OnColumnClick(P::kColumnMacAddress);
    page.OnColumnClick(P::kColumnMacAddress); // 00:1A:2B:3C:00:C7 first
    page.OnFilterChanged("dock-19");          // Dock-19, Dock-191, Dock-195, Dock-199: wireless

    EXPECT_EQ(page.RowsAsTabText({0, 3}), "192.0.2.200\t00:1A:2B:3C:00:C7\tDock-199\tWireless\n"
                                          "192.0.2.20\t00:1A:2B:3C:00:13\tDock-19\tWireless\n");

    const std::string header =
        "type,mac,ip,subnet,gateway,port,baudrate,dhcp,inactivity,http,firmware,mask,name,interface\r\n";
    const std::string shown = page.PrintersAsCsv(true);
    EXPECT_EQ(shown,
              header +
                  "wireless,00:1A:2B:3C:00:C7,192.0.2.200,255.255.255.0,192.0.2.1,9100,7,false,300,false,"
                  "2.14,145.2,Dock-199,0\r\n"
                  "wireless,00:1A:2B:3C:00:C3,192.0.2.196,255.255.255.0,192.0.2.1,9100,7,false,300,false,"
                  "2.14,145.2,Dock-195,0\r\n"
                  "wireless,00:1A:2B:3C:00:BF,192.0.2.192,255.255.255.0,192.0.2.1,9100,7,false,300,false,"
                  "2.14,145.2,Dock-191,0\r\n"
                  "wireless,00:1A:2B:3C:00:13,192.0.2.20,255.255.255.0,192.0.2.1,9100,7,false,300,false,"
                  "2.14,145.2,Dock-19,0\r\n");
    const std::string all = page.PrintersAsCsv(false);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 201);
    EXPECT_EQ(all.substr(header.size(), 30), "wireless,00:1A:2B:3C:00:C7,192") << "in the order shown";

    // Export: the file asked for gets the rows; cancelled, nothing is written.
    TempDir dir;
    ScriptedSaveDialog dialog;
    page.SetFileDialogs(&dialog);
    EXPECT_FALSE(page.OnExport(true));
    EXPECT_EQ(dialog.asked, std::vector<std::string>{"csv *.csv"});
    dialog.path = dir.file("printers.csv");
    EXPECT_TRUE(page.OnExport(true));
    EXPECT_EQ(ReadFile(*dialog.path), shown);
    EXPECT_TRUE(page.OnExport(false));
    EXPECT_EQ(ReadFile(*dialog.path), all);
    EXPECT_TRUE(messages.shown().empty());

    // A file that cannot be written is named, with the reason.
    dialog.path = dir.file("no-such-folder/printers.csv");
    EXPECT_FALSE(page.OnExport(false));
    ASSERT_EQ(messages.Texts(FakeMessageBox::Kind::Error).size(), 1u);
    EXPECT_EQ(messages.Texts(FakeMessageBox::Kind::Error)[0],
              "The list could not be written to " + *dialog.path + ": No such file or directory.");
}
