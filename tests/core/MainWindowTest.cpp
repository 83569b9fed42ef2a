#include "app/DialogResult.h"
#include "app/LanguageTable.h"
#include "app/Preferences.h"
#include "ui/CVrxQuorlink2ndDlg.h"

#include "CapturedLog.h"
#include "FakeBrowser.h"
#include "FakeCursor.h"
#include "FakeLanguageSelection.h"
#include "FakeMessageBox.h"
#include "FakeNetworkEndpoint.h"
#include "FakePrinterSearch.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <optional>

using printers::MacOf;
using printers::Wired;
using printers::Wireless;

TEST(MainWindowTitle, AppendsTheFileVersionWithoutItsLastPart) {
    struct Case {
        const char* version;
        const char* title;
    } cases[] = {
        {"1.0.0.0", "Quorlink Tool V1.0.0"},
        {"2.13.7.409", "Quorlink Tool V2.13.7"},
        {"1, 0, 0, 0", "Quorlink Tool V1. 0. 0"}, // the blanks after the commas stay
        {"3,1,4,1", "Quorlink Tool V3.1.4"},
        {"1.2, 3.4", "Quorlink Tool V1.2"}, // a "," decides before any "."
        {"2.5", "Quorlink Tool V2"},
        {"", "Quorlink Tool"},
        {"7", "Quorlink Tool V7"}, // one part: nothing to cut away
        {",9", "Quorlink Tool"},   // nothing left before the cut
    };
    for (const auto& c : cases)
        EXPECT_EQ(CVrxQuorlink2ndDlg::ComposeTitle("Quorlink Tool", c.version), c.title)
            << '"' << c.version << '"';
}

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void TearDown() override { ResetPreferences(); }

    // Initialises the window with "PREFERENCE[4]" holding value (nothing: no preferences file).
    void Init(std::optional<std::string> sheetPages = std::nullopt) {
        if (sheetPages)
            dir.write("Tool.INI", "[Tool]\nPREFERENCE[4]=" + *sheetPages + "\n");
        InitPreference(AppPaths::FromExecutable(dir.file("Tool")));
        dlg.OnInitDialog();
    }
    void SearchFindsTwoWiredAndOneWireless() {
        search.Script(
            {{{MacOf(0x05), Wireless(0x05, {192, 0, 2, 5}, 0x91, "Printer-Lobby")}},
             {{MacOf(0x10), Wired(0x10, {192, 0, 2, 10})}, {MacOf(0x11), Wired(0x11, {192, 0, 2, 11})}}});
        page().OnBnClickedSearchRefreshBtn();
    }
    CVRXPageBasicSetting& page() { return dlg.GetPageBasicSetting(); }
    int selectedRow() { return page().GetControls().selectedRow; }

    TempDir dir;
    FakeNetworkEndpoint endpoint;
    FakeMessageBox messages;
    FakeCursor cursor;
    FakeBrowser browser;
    FakeLanguageSelection language;
    FakePrinterSearch search;
    CVrxQuorlink2ndDlg dlg{endpoint, messages, cursor, browser, language, search};
};

} // namespace

TEST_F(MainWindowTest, SheetPagesFollowPreferenceFour) {
    using P = SheetPage;
    struct Case {
        std::optional<std::string> value;
        std::vector<SheetPage> pages;
    } cases[] = {
        {std::nullopt, {P::PrinterList, P::WLanAdvanced}},
        {"1", {P::PrinterList}},
        {"2", {P::WLanAdvanced}},
        {"3", {P::PrinterList, P::WLanAdvanced}},
        {"0", {P::PrinterList, P::WLanAdvanced}},
        {"-1", {P::PrinterList, P::WLanAdvanced}},
        {" 2 pages", {P::WLanAdvanced}},
        {"", {P::PrinterList, P::WLanAdvanced}},
    };
    for (const auto& c : cases) {
        TempDir caseDir;
        if (c.value)
            caseDir.write("Tool.INI", "[Tool]\nPREFERENCE[4]=" + *c.value + "\n");
        InitPreference(AppPaths::FromExecutable(caseDir.file("Tool")));
        CVrxQuorlink2ndDlg window(endpoint, messages, cursor, browser, language, search);
        window.OnInitDialog();
        EXPECT_EQ(window.GetMainSheet().GetPages(), c.pages) << c.value.value_or("(none)");
        EXPECT_EQ(window.GetSettingsSheet().GetPages(), std::vector<SheetPage>{P::NetworkSettings});
        EXPECT_TRUE(window.GetMainSheet().IsVisible());
        EXPECT_FALSE(window.GetSettingsSheet().IsVisible());
        EXPECT_FALSE(window.IsEnded());
    }
}

TEST_F(MainWindowTest, M2OpensTheSettingsOfTheChosenPrinterAndM4ReturnsToItsRow) {
    Init();
    SearchFindsTwoWiredAndOneWireless();
    page().OnLvnItemchangedList(0);
    page().OnBnClickedBtnConfiguration();

    EXPECT_FALSE(dlg.GetMainSheet().IsVisible());
    EXPECT_TRUE(dlg.GetSettingsSheet().IsVisible());
    EXPECT_EQ(dlg.GetPageNetConnectionSetting().GetNetInfo().strMACAddress, MacOf(0x10));
    EXPECT_EQ(dlg.GetPageNetConnectionSetting().GetNetInfo().strNetworkType, "Wired");
    EXPECT_EQ(page().m_strSelectedMac, MacOf(0x10));

    page().OnLvnItemchangedList(2); // the list changes behind the settings sheet
    const unsigned focusBefore = page().GetControls().listFocusSerial;
    EXPECT_EQ(dlg.SendMessage(MainWindowMessage::M4), 1);
    EXPECT_TRUE(dlg.GetMainSheet().IsVisible());
    EXPECT_FALSE(dlg.GetSettingsSheet().IsVisible());
    EXPECT_EQ(selectedRow(), 2); // the current row, selected and focused
    EXPECT_GT(page().GetControls().listFocusSerial, focusBefore);
    EXPECT_EQ(search.runs, 1); // no new search
}

TEST_F(MainWindowTest, M2ForAPrinterNotInTheTableChangesNothing) {
    Init();
    SearchFindsTwoWiredAndOneWireless();
    const std::string unknown = MacOf(0x99);
    const struct {
        const void* table;
        const void* mac;
    } cases[] = {
        {&page().m_mapPrinterInfo, &unknown}, {nullptr, &unknown}, {&page().m_mapPrinterInfo, nullptr}};
    for (const auto& c : cases) {
        EXPECT_EQ(dlg.SendMessage(MainWindowMessage::M2, c.table, c.mac), 1);
        EXPECT_TRUE(dlg.GetMainSheet().IsVisible());
        EXPECT_FALSE(dlg.GetSettingsSheet().IsVisible());
        EXPECT_EQ(dlg.GetPageNetConnectionSetting().GetNetInfo().strMACAddress, "");
    }
}

TEST_F(MainWindowTest, M3SearchesAgainAndReselectsThePrinterWhoseSettingsWereOpened) {
    Init();
    SearchFindsTwoWiredAndOneWireless();
    page().OnLvnItemchangedList(1);
    page().OnBnClickedBtnConfiguration();
    ASSERT_TRUE(dlg.GetSettingsSheet().IsVisible());

    // The second search finds another printer too, which moves the chosen one to a later row.
    search.Script({{},
                   {{MacOf(0x01), Wired(0x01, {192, 0, 2, 1})},
                    {MacOf(0x10), Wired(0x10, {192, 0, 2, 10})},
                    {MacOf(0x11), Wired(0x11, {192, 0, 2, 12})}}});
    bool listShownDuringSearch = false;
    search.onRun = [&] { listShownDuringSearch = dlg.GetMainSheet().IsVisible(); };
    EXPECT_EQ(dlg.SendMessage(MainWindowMessage::M3), 1);

    EXPECT_EQ(search.runs, 2);
    EXPECT_TRUE(listShownDuringSearch);
    EXPECT_FALSE(dlg.GetSettingsSheet().IsVisible());
    EXPECT_EQ(selectedRow(), 2);
    EXPECT_EQ(page().m_nCurSel, 2);
    EXPECT_EQ(page().m_strMACAddress, MacOf(0x11));
    EXPECT_EQ(page().m_strIPAddress, "192.0.2.12");
}

TEST_F(MainWindowTest, M1FromThePrinterListTabReselectsItsCurrentRow) {
    Init();
    SearchFindsTwoWiredAndOneWireless();
    page().OnLvnItemchangedList(1);
    const unsigned focusBefore = page().GetControls().listFocusSerial;

    dlg.GetMainSheet().OnTabSelChanged(1);
    EXPECT_EQ(dlg.GetMainSheet().GetActiveIndex(), 1);
    EXPECT_EQ(dlg.GetPostedCount(), 1u); // posted: it runs from the event loop
    EXPECT_TRUE(dlg.DispatchPostedMessage());
    EXPECT_EQ(page().GetControls().listFocusSerial, focusBefore); // another tab: nothing to do

    dlg.GetMainSheet().OnTabSelChanged(0);
    EXPECT_EQ(page().GetControls().listFocusSerial, focusBefore);
    EXPECT_TRUE(dlg.DispatchPostedMessage());
    EXPECT_FALSE(dlg.DispatchPostedMessage());
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(page().m_nCurSel, 1);
    EXPECT_EQ(page().GetControls().listFocusSerial, focusBefore + 1);
}

TEST_F(MainWindowTest, M1OnASheetWithoutThePrinterListTouchesNoList) {
    Init("2");
    SearchFindsTwoWiredAndOneWireless();
    const unsigned focusBefore = page().GetControls().listFocusSerial;
    const int index = 0;
    EXPECT_EQ(dlg.SendMessage(MainWindowMessage::M1, &index), 1);
    EXPECT_EQ(dlg.SendMessage(MainWindowMessage::M1, nullptr), 1);
    EXPECT_EQ(dlg.SendMessage(MainWindowMessage::M3), 1);
    EXPECT_EQ(page().GetControls().listFocusSerial, focusBefore);
    EXPECT_EQ(search.runs, 1);
}

TEST_F(MainWindowTest, OnlyTheRestartMessageEndsConfirmed) {
    struct Case {
        std::function<void(CVrxQuorlink2ndDlg&)> act;
        int result;
    } cases[] = {
        {[](CVrxQuorlink2ndDlg& w) { w.SendMessage(MainWindowMessage::Restart); }, IDOK},
        {[](CVrxQuorlink2ndDlg& w) { w.SendMessage(MainWindowMessage::Close); }, IDCANCEL},
        {[](CVrxQuorlink2ndDlg& w) { w.OnClose(); }, IDCANCEL},
        {[](CVrxQuorlink2ndDlg& w) { w.GetPageBasicSetting().OnBnClickedBtnClose(); }, IDCANCEL},
        // The first end counts.
        {[](CVrxQuorlink2ndDlg& w) {
             w.SendMessage(MainWindowMessage::Close), w.SendMessage(MainWindowMessage::Restart);
         },
         IDCANCEL},
    };
    Init();
    for (const auto& c : cases) {
        CVrxQuorlink2ndDlg window(endpoint, messages, cursor, browser, language, search);
        window.OnInitDialog();
        EXPECT_FALSE(window.IsEnded());
        c.act(window);
        EXPECT_TRUE(window.IsEnded());
        EXPECT_EQ(window.GetResult(), c.result);
    }
    EXPECT_EQ(dlg.SendMessage(0x407), 0); // not one of the window's messages
    EXPECT_FALSE(dlg.IsEnded());
}

TEST_F(MainWindowTest, MessagesPostedBeforeTheEndAreDropped) {
    Init();
    SearchFindsTwoWiredAndOneWireless();
    dlg.PostMessage(MainWindowMessage::M3);
    dlg.SendMessage(MainWindowMessage::Close);
    EXPECT_FALSE(dlg.DispatchPostedMessage());
    dlg.PostMessage(MainWindowMessage::M3);
    EXPECT_EQ(dlg.GetPostedCount(), 0u);
    EXPECT_EQ(search.runs, 1);
}

TEST_F(MainWindowTest, LanguageSwitchEndsTheWindowConfirmedAfterStoringTheChoice) {
    Init();
    messages.answers = {false, true};
    page().OnBnClickedLanguageBtn();
    page().OnLanguageMenuCommand(LanguageTable::MenuCommandForIndex(4));
    EXPECT_FALSE(dlg.IsEnded());
    page().OnLanguageMenuCommand(LanguageTable::MenuCommandForIndex(4));
    EXPECT_TRUE(dlg.IsEnded());
    EXPECT_EQ(dlg.GetResult(), IDOK);
    EXPECT_EQ(language.switches, std::vector<int>{4});
}

TEST_F(MainWindowTest, HandlersWriteTheirLines) {
    Init();
    CapturedLog log;
    const int index = 1;
    dlg.SendMessage(MainWindowMessage::M1, &index);
    dlg.SendMessage(MainWindowMessage::M2);
    dlg.SendMessage(MainWindowMessage::M4);
    dlg.SendMessage(MainWindowMessage::M3);
    const std::vector<std::string> expected = {
        "M1MessageHandler : START", "M1MessageHandler : END",   "M2MessageHandler : START",
        "M2MessageHandler : END",   "M4MessageHandler : START", "M4MessageHandler : END",
        "M3MessageHandler : START", "M3MessageHandler : END",
    };
    EXPECT_EQ(log.LinesStartingWith("M"), expected);
    EXPECT_TRUE(log.Contains("OnBnClickedSearchRefreshBtn : START")); // M3's search
}
