// The WLAN (Advanced) page with the program's group editor and grid items over the simulator's network
// module, in this process: what the user can do to the grids while an exchange runs, and whether what the
// grids show is what the record holds (and so what a save sends).
#include "FakeCursor.h"
#include "FakeDevicePort.h"
#include "FakeMessageBox.h"
#include "ModulePort.h"
#include "PageDoubles.h"
#include "TempDir.h"
#include "app/StringTable.h"
#include "devcfg/DeviceRecords.h"
#include "devcfg/PropertyIds.h"
#include "ui/wlanadv/BlockingWindowLoop.h"
#include "ui/wlanadv/CVRXPageWLanAdvBssList.h"
#include "ui/wlanadv/CVRXPageWLanAdvSetting.h"
#include "ui/wlanadv/GroupEditorAdapter.h"
#include "ui/wlanadv/IWLanAdvDialogs.h"
#include "ui/wlanadv/WLanAdvGroupEditor.h"
#include "ui/wlanadv/WLanAdvItemActions.h"
#include "ui/wlanadv/WLanAdvItemHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using Page = CVRXPageWLanAdvSetting;

// The office module on a line the test can hold: the first write after Hold() waits, on the device
// worker, while the window thread runs whileHeld; and a port that can refuse to open.
class HeldModulePort : public ModulePort {
public:
    using ModulePort::ModulePort;
    std::function<void()> whileHeld;
    std::atomic<bool> openFails{false};
    // How long the worker stays in the held write. It waits on nothing the window thread does: what the
    // window thread touches meanwhile is seen by ThreadSanitizer as running at the same time.
    std::chrono::milliseconds holdFor{300};

    void Hold(IWindowLoop& loop) {
        m_loop = &loop;
        m_held = true;
    }
    bool OpenPort() override { return !openFails && ModulePort::OpenPort(); }
    std::uint32_t Write(const std::uint8_t* bytes, std::uint32_t count) override {
        if (m_held.exchange(false)) {
            m_loop->Post(whileHeld);
            std::this_thread::sleep_for(holdFor);
        }
        return ModulePort::Write(bytes, count);
    }

private:
    IWindowLoop* m_loop = nullptr;
    std::atomic<bool> m_held{false};
};

class NoTimer : public IPageTimer {
public:
    void StartTimer(int, int) override {}
    void StopTimer(int) override {}
};

class NoWaiting : public IWaitingDialog {
public:
    void RunModal() override {}
    void Close() override {}
};

class ScriptedFiles : public IFileDialogs {
public:
    std::optional<std::string> saveAnswer;
    int asked = 0;
    std::optional<std::string> GetOpenFileName(const std::string&, const std::vector<Filter>&) override {
        ++asked;
        return std::nullopt;
    }
    std::optional<std::string> GetSaveFileName(const std::string&, const std::vector<Filter>&) override {
        ++asked;
        return saveAnswer;
    }
};

class SerialChoice : public IDeviceConnectionDialog {
public:
    Choice Run() override { return Choice{1, VRX_DEVICE_INTERFACE_SERIAL, {}}; }
};

// The item dialogs: the access-point list is closed without a pick; the others are never expected.
class ScriptedDialogs : public IWLanAdvDialogs {
public:
    int runs = 0;
    int RunPasswordDialog(CVRXPageWLanPwSetting&) override { return Cancelled(); }
    int RunIpConfigDialog(CVRXPageWLanAdvIpConfig&) override { return Cancelled(); }
    int RunBssListDialog(CVRXPageWLanAdvBssList&) override { return Cancelled(); }
    std::optional<std::string> ChooseFileToOpen() override {
        ++runs;
        return std::nullopt;
    }

private:
    int Cancelled() {
        ++runs;
        return 0;
    }
};

// The members are public: the tables of cases below drive the fixture from outside.
class PageOverModule : public ::testing::Test {
public:
    explicit PageOverModule(nlohmann::json module = ModulePort::OfficeModuleWithScan()) : port(module) {
        Page::Services services;
        services.ports.serial = &port;
        services.spooler = &spooler;
        services.sleeper = &sleeper;
        page = std::make_unique<Page>(state, services, loop, messages, cursor, timer, waiting, files,
                                      connection, mainWindow, adapter);
        page->OnInitDialog();
        host = std::make_unique<WLanAdvItemHost>(
            editor, page->Exchange(), dialogs, messages, &spooler,
            [this](const std::function<void()>& work) { return page->RunExchange(work); }, &sleeper);
        actions = std::make_unique<WLanAdvItemActions>(*host);
        actions->Attach(editor.Grid1());
        actions->Attach(editor.Grid2());
    }

    void Connect() {
        page->OnBnClickedConnectBtn();
        ASSERT_TRUE(page->IsConnected()) << (messages.Errors().empty() ? "" : messages.Errors().back());
        messages = FakeMessageBox();
    }
    PropertyItem& Item(std::uint32_t id) {
        PropertyItem* item = editor.Find(id);
        EXPECT_NE(item, nullptr) << id;
        static PropertyItem none(0, "", PropertyKind::ReadOnly);
        return item ? *item : none;
    }
    PropertyGrid& GridOf(std::uint32_t id) { return editor.Grid(GridOfProperty(id)); }
    bool Type(std::uint32_t id, const std::string& text) { return GridOf(id).EditValue(Item(id), text); }
    bool Pick(std::uint32_t id, int index) { return GridOf(id).SelectOption(Item(id), index); }
    // The option index of text in item id.
    int OptionOf(std::uint32_t id, int textId) { return Item(id).IndexOfOption(LoadString(textId)); }
    WLAN_ADVANCED_CONFIG_INFO& Record() { return state.m_ConfigurationInfo; }
    std::string Stored(const char* field) { return port.State()["record"][field].dump(); }

    HeldModulePort port;
    FakeSpoolerHold spooler;
    FakeSleeper sleeper;
    BlockingWindowLoop loop;
    FakeMessageBox messages;
    FakeCursor cursor;
    NoTimer timer;
    NoWaiting waiting;
    ScriptedFiles files;
    SerialChoice connection;
    RecordingMainWindow mainWindow;
    ScriptedDialogs dialogs;
    DeviceConfigState state;
    WLanAdvGroupEditor editor{state, messages, [](int id) { return LoadString(id); }};
    GroupEditorAdapter adapter{editor};
    std::unique_ptr<Page> page;
    std::unique_ptr<WLanAdvItemHost> host;
    std::unique_ptr<WLanAdvItemActions> actions;
};

constexpr int kModeInfrastructure = 168; // the WLAN mode's options: "Infrastructure", then "Ad hoc"
constexpr int kModeAdhoc = 169;
constexpr int kScanFailed = 273; // "Failed to get the BSS information."

// ---- the grid during an exchange -------------------------------------------------------------------------

// What the window thread tries while the worker is held on the line: each must be refused, and none may
// reach the record the worker is using.
struct Attempts {
    bool busy = false, grid1Locked = false, grid2Locked = false;
    bool typed = true, picked = true, pickedInGroup2 = true, scanned = true;
    int filesAsked = 0, dialogsRun = 0;
};

struct ExchangeCase {
    const char* name;
    std::function<void(PageOverModule&)> start;
};

class PageOverModuleDuringAnExchange : public PageOverModule,
                                       public ::testing::WithParamInterface<ExchangeCase> {};

TEST_P(PageOverModuleDuringAnExchange, GridsButtonsAndItemButtonsTakeNoInput) {
    Connect();
    ASSERT_TRUE(Type(VRX_GROUP1_PROPERTY_ID_1, "Dock-9"));
    messages.answers = {true};
    Attempts seen;
    port.whileHeld = [this, &seen] {
        // On the window thread, while the worker is on the line.
        seen.busy = page->IsBusy() && page->GetControls().busy;
        seen.grid1Locked = editor.Grid1().IsLocked();
        seen.grid2Locked = editor.Grid2().IsLocked();
        seen.typed = Type(VRX_GROUP1_PROPERTY_ID_1, "Edited-meanwhile");
        seen.picked = Pick(VRX_GROUP1_PROPERTY_ID_2, OptionOf(VRX_GROUP1_PROPERTY_ID_2, kModeAdhoc));
        seen.pickedInGroup2 = Pick(VRX_GROUP2_PROPERTY_ID_1, 0);
        // A second "..." on the SSID: no scan, no message, no print queue let go.
        seen.scanned = editor.Grid1().ClickButton(Item(VRX_GROUP1_PROPERTY_ID_1));
        page->OnBnClickedConnectBtn();
        page->OnBnClickedSaveAsFileBtn();
        page->OnBnClickedFileOpenBtn();
        page->OnBnClickedDisconnectBtn();
        page->OnBnClickedPage2Btn();
        seen.filesAsked = files.asked;
        seen.dialogsRun = dialogs.runs;
    };
    port.Hold(loop);
    GetParam().start(*this);

    EXPECT_TRUE(seen.busy);
    EXPECT_TRUE(seen.grid1Locked);
    EXPECT_TRUE(seen.grid2Locked);
    EXPECT_FALSE(seen.typed);
    EXPECT_FALSE(seen.picked);
    EXPECT_FALSE(seen.pickedInGroup2);
    EXPECT_FALSE(seen.scanned);
    EXPECT_EQ(seen.filesAsked, 0);
    EXPECT_EQ(seen.dialogsRun, 0);
    for (const std::string& text : messages.Informations())
        EXPECT_NE(text, LoadString(kScanFailed));
    EXPECT_EQ(spooler.holds, spooler.restores) << "every hold of the print queues was given back";
    EXPECT_FALSE(page->IsBusy());
    EXPECT_FALSE(editor.Grid1().IsLocked());
    EXPECT_FALSE(editor.Grid2().IsLocked());
}

INSTANTIATE_TEST_SUITE_P(
    Exchanges, PageOverModuleDuringAnExchange,
    ::testing::Values(ExchangeCase{"SaveHeldInItsStartHandshake",
                                   [](PageOverModule& t) {
                                       t.page->OnBnClickedConnectBtn();
                                       // The record sent is the one the grid showed when Save was pressed.
                                       EXPECT_EQ(t.messages.Informations(),
                                                 std::vector<std::string>{LoadString(162)});
                                       EXPECT_EQ(t.Stored("bySSID"), "\"Dock-9\"");
                                       EXPECT_EQ(t.Stored("byNetworkMode"), "0");
                                       EXPECT_EQ(t.Stored("byAuthentication"), "3");
                                   }},
                      ExchangeCase{"AccessPointScan",
                                   [](PageOverModule& t) {
                                       ASSERT_TRUE(
                                           t.editor.Grid1().ClickButton(t.Item(VRX_GROUP1_PROPERTY_ID_1)));
                                       EXPECT_EQ(t.dialogs.runs, 1) << "the list of the first scan";
                                       EXPECT_TRUE(t.page->IsConnected());
                                       EXPECT_EQ(t.Item(VRX_GROUP1_PROPERTY_ID_1).Value(), "Dock-9");
                                   }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- edits that the record keeps
// ---------------------------------------------------------------------------

TEST_F(PageOverModule, AddressItemsTakeNoTypedText) {
    Connect();
    for (const std::uint32_t id :
         {VRX_GROUP3_PROPERTY_ID_4, VRX_GROUP3_PROPERTY_ID_5, VRX_GROUP3_PROPERTY_ID_6}) {
        SCOPED_TRACE(id);
        const std::string shown = Item(id).Value();
        EXPECT_FALSE(Item(id).IsTextEditable());
        EXPECT_FALSE(editor.Grid1().BeginEdit(Item(id)));
        EXPECT_FALSE(Type(id, "198.51.100.9"));
        EXPECT_EQ(Item(id).Value(), shown);
        EXPECT_FALSE(Item(id).IsModified());
    }
    EXPECT_FALSE(page->HasUnsavedEdits());
}

// An option item hidden at the save (Channel, only shown in Ad hoc mode) is sent as read, but the record
// keeps the user's choice, so that the row and the record agree when it shows again.
struct KeptCase {
    const char* name;
    std::function<void(PageOverModule&, const std::string& dir)> save;
};

class PageOverModuleKeepsHiddenChoices : public PageOverModule,
                                         public ::testing::WithParamInterface<KeptCase> {};

TEST_P(PageOverModuleKeepsHiddenChoices, GridAndRecordAgreeAfterTheSave) {
    TempDir dir;
    Connect();
    const std::uint8_t channelAsRead = Record().byAdhocChannel;
    ASSERT_TRUE(Pick(VRX_GROUP1_PROPERTY_ID_2, OptionOf(VRX_GROUP1_PROPERTY_ID_2, kModeAdhoc)));
    ASSERT_TRUE(Item(VRX_GROUP1_PROPERTY_ID_3).IsVisible());
    ASSERT_TRUE(Pick(VRX_GROUP1_PROPERTY_ID_3, 10)); // channel 11
    ASSERT_NE(channelAsRead, 11);
    ASSERT_TRUE(Pick(VRX_GROUP1_PROPERTY_ID_2, OptionOf(VRX_GROUP1_PROPERTY_ID_2, kModeInfrastructure)));
    ASSERT_FALSE(Item(VRX_GROUP1_PROPERTY_ID_3).IsVisible());

    GetParam().save(*this, dir.path().string());
    EXPECT_TRUE(page->IsConnected());
    EXPECT_EQ(Record().byAdhocChannel, 11);
    ASSERT_TRUE(Pick(VRX_GROUP1_PROPERTY_ID_2, OptionOf(VRX_GROUP1_PROPERTY_ID_2, kModeAdhoc)));
    EXPECT_EQ(Item(VRX_GROUP1_PROPERTY_ID_3).Value(), "11");
    EXPECT_EQ(Record().byAdhocChannel, 11);
}

INSTANTIATE_TEST_SUITE_P(Saves, PageOverModuleKeepsHiddenChoices,
                         ::testing::Values(KeptCase{"SaveAsAFile",
                                                    [](PageOverModule& t, const std::string& dir) {
                                                        t.files.saveAnswer = dir + "/office.qlt";
                                                        t.page->OnBnClickedSaveAsFileBtn();
                                                        EXPECT_TRUE(t.messages.Errors().empty());
                                                    }},
                                           KeptCase{"SaveThePrinterRefused",
                                                    [](PageOverModule& t, const std::string&) {
                                                        t.port.openFails = true;
                                                        t.messages.answers = {true};
                                                        t.page->OnBnClickedConnectBtn();
                                                        EXPECT_EQ(t.messages.Errors(),
                                                                  std::vector<std::string>{LoadString(165) +
                                                                                           " (4)"});
                                                        t.port.openFails = false;
                                                    }}),
                         [](const auto& info) { return std::string(info.param.name); });

// A text the field check refuses leaves the row as the record holds it.
TEST_F(PageOverModule, RefusedTextsShowWhatTheRecordHolds) {
    Connect();
    struct Case {
        std::uint32_t id;
        std::string typed;
        std::string shown;
    } cases[] = {
        {VRX_GROUP1_PROPERTY_ID_1, std::string(40, 's'), "Office-7"},
        {VRX_GROUP1_PROPERTY_ID_1, "   ", "Office-7"},
        {VRX_GROUP5_PROPERTY_ID_1, std::string(64, 'n'), "RK7-dock"},
        {VRX_GROUP7_PROPERTY_ID_1, std::string(16, 'c'), "public"},
        {VRX_GROUP7_PROPERTY_ID_4, "", "traps"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        messages = FakeMessageBox();
        ASSERT_TRUE(Type(c.id, c.typed));
        EXPECT_EQ(messages.Errors().size(), 1u);
        EXPECT_EQ(Item(c.id).Value(), c.shown);
        EXPECT_FALSE(Item(c.id).IsModified());
    }
    EXPECT_FALSE(page->HasUnsavedEdits());
    // A refusal after an accepted edit shows the accepted text, still marked.
    ASSERT_TRUE(Type(VRX_GROUP1_PROPERTY_ID_1, "Lab"));
    ASSERT_TRUE(Type(VRX_GROUP1_PROPERTY_ID_1, std::string(32, 'x')));
    EXPECT_EQ(Item(VRX_GROUP1_PROPERTY_ID_1).Value(), "Lab");
    EXPECT_TRUE(Item(VRX_GROUP1_PROPERTY_ID_1).IsModified());
    EXPECT_EQ(DeviceRecords::FieldText(Record().bySSID), "Lab");
}

TEST_F(PageOverModule, TextItemsTakeNoMoreBytesThanTheirField) {
    Connect();
    struct Case {
        std::uint32_t id;
        int bytes;
    } cases[] = {{VRX_GROUP1_PROPERTY_ID_1, 31},
                 {VRX_GROUP5_PROPERTY_ID_1, 63},
                 {VRX_GROUP5_PROPERTY_ID_2, 31},
                 {VRX_GROUP7_PROPERTY_ID_4, 15}};
    for (const Case& c : cases)
        EXPECT_EQ(Item(c.id).MaxBytes(), c.bytes) << c.id;
    const PropertyItem& ssid = Item(VRX_GROUP1_PROPERTY_ID_1);
    EXPECT_EQ(ssid.CutToMaxBytes(std::string(40, 's')), std::string(31, 's'));
    // "é" takes two bytes: fifteen fit in 31, the sixteenth is not split.
    std::string accents;
    for (int i = 0; i < 20; ++i)
        accents += "\xC3\xA9";
    EXPECT_EQ(ssid.CutToMaxBytes(accents), accents.substr(0, 30));
    EXPECT_EQ(ssid.CutToMaxBytes("a" + accents), ("a" + accents).substr(0, 31));
    EXPECT_EQ(ssid.CutToMaxBytes("Lab"), "Lab");
}

// A check that fails at Save names a row: the page shows the grid that holds it and selects it.
struct FailedCheckCase {
    const char* name;
    const char* field;
    int shownPage; // the grid on display when Save is pressed
    std::uint32_t id;
    int grid;
};

class PageOverFaultyModule : public PageOverModule, public ::testing::WithParamInterface<FailedCheckCase> {
protected:
    PageOverFaultyModule() : PageOverModule(Faulty(GetParam().field)) {}
    static nlohmann::json Faulty(const char* field) {
        nlohmann::json module = ModulePort::OfficeModuleWithScan();
        module["record"][field] = "";
        return module;
    }
};

TEST_P(PageOverFaultyModule, FailedCheckAtSaveShowsAndSelectsTheRow) {
    const FailedCheckCase& c = GetParam();
    Connect();
    if (c.shownPage == 2)
        page->OnBnClickedPage2Btn();
    PropertyGroup* group = Item(c.id).Group();
    ASSERT_NE(group, nullptr);
    group->Expand(false);
    for (const auto save : {&Page::OnBnClickedConnectBtn, &Page::OnBnClickedSaveAsFileBtn}) {
        messages = FakeMessageBox();
        files.saveAnswer = "/nonexistent-folder/never.qlt";
        const unsigned before = editor.Grid(c.grid).SelectionSerial();
        ((*page).*save)();
        ASSERT_EQ(messages.Errors().size(), 1u);
        EXPECT_TRUE(messages.Questions().empty());
        EXPECT_EQ(editor.Grid(c.grid).SelectionSerial(), before + 1);
        EXPECT_EQ(editor.Grid(c.grid).SelectedItem(), c.id);
        EXPECT_TRUE(editor.Grid(c.grid).IsShown());
        EXPECT_FALSE(editor.Grid(3 - c.grid).IsShown());
        EXPECT_EQ(page->GetControls().raisedPageButton, c.grid);
        EXPECT_TRUE(group->IsExpanded());
        EXPECT_TRUE(page->IsConnected());
        // Back to the other grid for the next save.
        if (c.grid == 2)
            page->OnBnClickedPage1Btn();
        else
            page->OnBnClickedPage2Btn();
        group->Expand(false);
    }
}

INSTANTIATE_TEST_SUITE_P(Checks, PageOverFaultyModule,
                         ::testing::Values(FailedCheckCase{"TrapCommunityInGrid2", "szSNMPTrapCommunity", 1,
                                                           VRX_GROUP7_PROPERTY_ID_4, 2},
                                           FailedCheckCase{"SystemNameInGrid1", "bySystemName", 2,
                                                           VRX_GROUP5_PROPERTY_ID_1, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PageOverModule, UnsavedEditsAreTheMarkedRowsWhileConnected) {
    EXPECT_FALSE(page->HasUnsavedEdits());
    Connect();
    EXPECT_FALSE(page->HasUnsavedEdits());
    ASSERT_TRUE(Pick(VRX_GROUP6_PROPERTY_ID_2, 1));
    EXPECT_TRUE(page->HasUnsavedEdits());
    // Written to a file, then edited again.
    TempDir dir;
    files.saveAnswer = dir.file("office.qlt");
    page->OnBnClickedSaveAsFileBtn();
    EXPECT_FALSE(page->HasUnsavedEdits());
    ASSERT_TRUE(Pick(VRX_GROUP6_PROPERTY_ID_2, 0));
    EXPECT_TRUE(page->HasUnsavedEdits());
    page->OnBnClickedDisconnectBtn();
    EXPECT_FALSE(page->HasUnsavedEdits());
}

} // namespace
