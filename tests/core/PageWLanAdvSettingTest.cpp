#include "CapturedLog.h"
#include "FakeCursor.h"
#include "FakeDevicePort.h"
#include "FakeGroupEditor.h"
#include "FakeMessageBox.h"
#include "TempDir.h"
#include "app/AppPaths.h"
#include "app/Preferences.h"
#include "app/StringTable.h"
#include "devcfg/CConfigurationFile.h"
#include "devcfg/CConfigurationValidator.h"
#include "devcfg/PropertyIds.h"
#include "ui/wlanadv/BlockingWindowLoop.h"
#include "ui/wlanadv/CVRXPageWLanAdvSetting.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

using DeviceRecords::ConfigVariant;
using Page = CVRXPageWLanAdvSetting;

template <std::size_t N> Bytes B(const std::array<std::uint8_t, N>& a) {
    return Bytes(a.begin(), a.end());
}

const Bytes kStartAccepted = {0x1F, 'W', 'M', 0x7F, 0x03};
const Bytes kOk = {'_', 'O', 'K', 0x00};

Bytes Start(std::uint8_t mode = 'C') {
    return B(DeviceFrame::ConfigStartCommand(mode));
}
Bytes Request(std::string_view header, std::uint8_t mode = 'C') {
    return DeviceFrame::BuildFrame(mode, header);
}
Bytes Reply(std::string_view header, const Bytes& payload = {}) {
    return DeviceFrame::BuildFrame('M', header, payload.data(), payload.size());
}

WLAN_ADVANCED_CONFIG_INFO SampleRecord() {
    WLAN_ADVANCED_CONFIG_INFO record{};
    DeviceRecords::SetFieldText(record.bySSID, "Warehouse-3");
    DeviceRecords::SetFieldText(record.bySystemName, "RK7-dock");
    record.byDummy3 = 0xE0;
    record.bySNMP = 1;
    return record;
}

Bytes SystemInformation() {
    WLAN_ADVANCED_SYS_INFO info{};
    DeviceRecords::SetFieldText(info.FW_VERSION, "2.07");
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&info);
    return Bytes(bytes, bytes + sizeof info);
}

class FakeTimer : public IPageTimer {
public:
    std::set<int> running;
    std::vector<std::string> calls;
    // The clock; the real one when not set.
    std::function<std::chrono::steady_clock::time_point()> now;
    std::chrono::steady_clock::time_point Now() const override {
        return now ? now() : std::chrono::steady_clock::now();
    }
    void StartTimer(int id, int periodMs) override {
        running.insert(id);
        calls.push_back("start " + std::to_string(id) + " " + std::to_string(periodMs));
    }
    void StopTimer(int id) override {
        running.erase(id);
        calls.push_back("stop " + std::to_string(id));
    }
};

// The modal waiting dialog: ticks the running timer once a "second" until the page closes it.
class FakeWaitingDialog : public IWaitingDialog {
public:
    FakeWaitingDialog(FakeTimer& timer, Page*& page) : m_timer(timer), m_page(page) {}
    int runs = 0;
    int ticks = 0;
    std::function<void(int tick)> beforeTick;
    // Whether the last run offered Cancel; Cancel() is the user pressing it.
    bool cancellable = false;
    std::function<void()> onCancel;
    void Cancel() {
        ASSERT_TRUE(onCancel) << "the waiting dialog offers no Cancel";
        onCancel();
    }

    void RunModalCancellable(const std::function<void()>& cancel) override {
        onCancel = cancel;
        Run(true);
        onCancel = nullptr;
    }
    void RunModal() override { Run(false); }
    void Run(bool withCancel) {
        cancellable = withCancel;
        ++runs;
        m_closed = false;
        while (!m_closed) {
            ASSERT_EQ(m_timer.running.size(), 1u) << "the waiting dialog is up without its timer";
            ++ticks;
            if (beforeTick)
                beforeTick(ticks);
            if (m_closed)
                break; // cancelled before the tick
            m_page->OnTimer(*m_timer.running.begin());
            ASSERT_LT(ticks, 1000) << "the waiting dialog never closes";
        }
    }
    void Close() override { m_closed = true; }

private:
    FakeTimer& m_timer;
    Page*& m_page;
    bool m_closed = false;
};

class FakeFileDialogs : public IFileDialogs {
public:
    std::optional<std::string> openAnswer, saveAnswer;
    std::vector<std::string> asked;
    std::vector<std::vector<Filter>> filters;
    std::optional<std::string> GetOpenFileName(const std::string& ext,
                                               const std::vector<Filter>& f) override {
        asked.push_back("open " + ext);
        filters.push_back(f);
        return openAnswer;
    }
    std::optional<std::string> GetSaveFileName(const std::string& ext,
                                               const std::vector<Filter>& f) override {
        asked.push_back("save " + ext);
        filters.push_back(f);
        return saveAnswer;
    }
};

class FakeConnectionDialog : public IDeviceConnectionDialog {
public:
    Choice choice{1, VRX_DEVICE_INTERFACE_SERIAL, {}};
    int runs = 0;
    Choice Run() override {
        ++runs;
        return choice;
    }
};

class FakeMainWindow : public IMainWindowMessages {
public:
    std::vector<unsigned> posted;
    int SendMessage(unsigned message, const void*, const void*) override {
        posted.push_back(message);
        return 1;
    }
    void PostMessage(unsigned message, const void*, const void*) override { posted.push_back(message); }
};

class PageWLanAdvSetting : public ::testing::Test {
protected:
    PageWLanAdvSetting() {
        Page::Services services;
        services.ports.serial = &port;
        services.ports.usb = &usb;
        services.spooler = &spooler;
        services.sleeper = &sleeper;
        page = std::make_unique<Page>(state, services, loop, messages, cursor, timer, waiting, files,
                                      connection, mainWindow, editor);
        pagePointer = page.get();
        page->OnInitDialog();
    }

    // The steps of a read of record from the printer.
    void ScriptRead(const WLAN_ADVANCED_CONFIG_INFO& record,
                    ConfigVariant variant = ConfigVariant::WifiDirectRf, bool factoryReset = true) {
        port.Expect(B(DeviceFrame::kFactoryResetQuery), {factoryReset ? kOk : Bytes{}});
        port.Expect(Start(), {kStartAccepted});
        port.Expect(Request(DeviceFrame::kSysReq), {Reply(DeviceFrame::kSysRsp, SystemInformation())});
        port.Expect(Start(), {kStartAccepted});
        port.Expect(Request(DeviceFrame::kIfGet),
                    {DeviceRecords::ConfigurationFrame(record, variant, false, 'M')});
    }
    // A printer that says nothing at all.
    void Silent() {
        port.responder = [](const Bytes&) { return std::vector<Bytes>{}; };
    }
    void Connect() {
        ScriptRead(SampleRecord());
        page->OnBnClickedConnectBtn();
        ASSERT_TRUE(page->IsConnected());
        ASSERT_TRUE(port.script.empty());
        messages = FakeMessageBox();
        events.clear();
    }
    int Reads() const { return static_cast<int>(std::count(events.begin(), events.end(), "open")); }
    // The holds in the event log as a depth: whether every open of the port came while held, how often the
    // holds all ended (an outer hold let go), and the depth at the end.
    struct HoldTrace {
        bool everyOpenHeld = true;
        int releases = 0;
        int depthAtEnd = 0;
    };
    HoldTrace TraceHolds() const {
        HoldTrace trace;
        for (const auto& event : events) {
            if (event.rfind("hold", 0) == 0)
                ++trace.depthAtEnd;
            else if (event == "restore" && --trace.depthAtEnd == 0)
                ++trace.releases;
            else if (event == "open" && trace.depthAtEnd <= 0)
                trace.everyOpenHeld = false;
        }
        return trace;
    }
    PropertyItem& Item(std::uint32_t id) {
        PropertyItem* item = page->Grid1().FindItem(id);
        if (!item)
            item = page->Grid2().FindItem(id);
        EXPECT_NE(item, nullptr) << id;
        return *item;
    }

    CapturedLog log;
    EventLog events;
    FakeDevicePort port{VRX_DEVICE_INTERFACE_SERIAL, &events};
    FakeDevicePort usb{VRX_DEVICE_INTERFACE_USB, &events};
    FakeSpoolerHold spooler{&events};
    FakeSleeper sleeper;
    BlockingWindowLoop loop;
    FakeMessageBox messages;
    FakeCursor cursor;
    FakeTimer timer;
    Page* pagePointer = nullptr;
    FakeWaitingDialog waiting{timer, pagePointer};
    FakeFileDialogs files;
    FakeConnectionDialog connection;
    FakeMainWindow mainWindow;
    DeviceConfigState state;
    FakeGroupEditor editor{state, messages};
    std::unique_ptr<Page> page;
};

// ---- set-up
// -------------------------------------------------------------------------------------------------

TEST_F(PageWLanAdvSetting, SetUpShowsTheIdleState) {
    const auto& c = page->GetControls();
    EXPECT_EQ(c.connectText, LoadString(268));
    EXPECT_EQ(c.connectIcon, Page::IDI_CONNECT);
    EXPECT_FALSE(c.disconnectVisible);
    EXPECT_FALSE(c.saveAsFileVisible);
    EXPECT_FALSE(c.fileOpenVisible);
    EXPECT_FALSE(c.factoryResetVisible);
    EXPECT_FALSE(c.pageButtonsEnabled);
    EXPECT_FALSE(c.selectorEnabled);
    EXPECT_EQ(c.selectorItems, (std::vector<std::string>{LoadString(112), LoadString(145)}));
    EXPECT_EQ(c.selectorSelected, 0);
    EXPECT_EQ(c.raisedPageButton, 1);
    EXPECT_EQ(c.iconButtonIcon, Page::IDI_TOGGLE_SET);
    EXPECT_TRUE(page->Grid1().IsShown());
    EXPECT_FALSE(page->Grid2().IsShown());
    EXPECT_FALSE(page->Grid1().IsEnabled());
    EXPECT_FALSE(page->Grid2().IsEnabled());
    EXPECT_EQ(page->Grid1().DescriptionRows(), 4);
    EXPECT_EQ(page->Grid2().DescriptionRows(), 2);
    EXPECT_EQ(page->State().m_nCertificateType, -1);
}

TEST_F(PageWLanAdvSetting, TextTableEntries) {
    EXPECT_EQ(page->TextTableEntry(0), LoadString(112));
    EXPECT_EQ(page->TextTableEntry(1), LoadString(145));
    EXPECT_EQ(page->TextTableEntry(2), LoadString(160));
    EXPECT_EQ(page->TextTableEntry(124), LoadString(282));
    EXPECT_EQ(page->Text(161), "Failed to get the WLAN information.");
}

TEST(PageWLanAdvSettingExpand, GroupsExpandedAsThePreferenceLists) {
    struct Case {
        std::optional<std::string> value;
        std::set<int> expanded;
    } cases[] = {
        {std::nullopt, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"2,9", {2, 9}},
        {"1, 3", {1, 3}},
        {"0,10,x", {}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        InitPreference(AppPaths::FromExecutable(dir.file("Tool")));
        if (c.value)
            dir.write("Tool.INI", "[Tool]\nPREFERENCE[5]=" + *c.value + "\n");
        FakeMessageBox messages;
        FakeCursor cursor;
        FakeTimer timer;
        Page* pointer = nullptr;
        FakeWaitingDialog waiting{timer, pointer};
        FakeFileDialogs files;
        FakeConnectionDialog connection;
        FakeMainWindow mainWindow;
        DeviceConfigState state;
        FakeGroupEditor editor{state, messages};
        BlockingWindowLoop loop;
        Page page(state, {}, loop, messages, cursor, timer, waiting, files, connection, mainWindow, editor);
        page.OnInitDialog();
        std::set<int> expanded;
        for (int n = 0; n <= 9; ++n)
            if (page.ExpandFlags()[static_cast<std::size_t>(n)])
                expanded.insert(n);
        EXPECT_EQ(expanded, c.expanded) << c.value.value_or("(absent)");
        for (int n = 1; n <= 9; ++n)
            EXPECT_EQ(editor.expanded[static_cast<std::size_t>(n)], c.expanded.count(n) == 1) << n;
        ResetPreferences();
    }
}

// ---- Connect
// ------------------------------------------------------------------------------------------------

TEST_F(PageWLanAdvSetting, ConnectionDialogCancelledOrPortNotOpenedShowsText161) {
    for (const int result : {3, 2}) {
        SCOPED_TRACE(result);
        messages = FakeMessageBox();
        connection.choice.result = result;
        page->OnBnClickedConnectBtn();
        EXPECT_EQ(messages.Errors(), std::vector<std::string>{LoadString(161)});
        EXPECT_TRUE(messages.Informations().empty());
        EXPECT_FALSE(page->IsConnected());
        EXPECT_EQ(Reads(), 0) << "nothing was read";
        EXPECT_EQ(waiting.runs, 0);
    }
}

TEST_F(PageWLanAdvSetting, PortNotOpenedForAKnownReasonAddsWhatToDo) {
    connection.choice.result = 2;
    connection.choice.openFailureAdvice = "Join the group dialout.";
    page->OnBnClickedConnectBtn();
    EXPECT_EQ(messages.Errors(), std::vector<std::string>{LoadString(161) + "\n\nJoin the group dialout."});
    EXPECT_FALSE(page->IsConnected());
    EXPECT_EQ(Reads(), 0);
}

TEST_F(PageWLanAdvSetting, SuccessfulReadConnects) {
    ScriptRead(SampleRecord());
    page->OnBnClickedConnectBtn();
    EXPECT_TRUE(port.script.empty());
    EXPECT_EQ(messages.Informations(), std::vector<std::string>{LoadString(160)});
    EXPECT_TRUE(messages.Errors().empty());
    EXPECT_EQ(waiting.runs, 0) << "no retry after a successful read";
    EXPECT_TRUE(page->IsConnected());
    const auto& c = page->GetControls();
    EXPECT_EQ(c.connectText, LoadString(267));
    EXPECT_EQ(c.connectIcon, Page::IDI_SAVE);
    EXPECT_TRUE(c.disconnectVisible);
    EXPECT_TRUE(c.saveAsFileVisible);
    EXPECT_TRUE(c.fileOpenVisible);
    EXPECT_TRUE(c.factoryResetVisible);
    EXPECT_TRUE(c.iconButtonEnabled);
    EXPECT_TRUE(c.pageButtonsEnabled);
    EXPECT_TRUE(c.selectorEnabled);
    EXPECT_FALSE(c.busy);
    EXPECT_TRUE(page->Grid1().IsShown() && page->Grid1().IsEnabled());
    EXPECT_FALSE(page->Grid2().IsShown());
    EXPECT_EQ(editor.builds, 1);
    EXPECT_EQ(Item(VRX_GROUP1_PROPERTY_ID_1).Value(), "Warehouse-3");
    EXPECT_EQ(page->State().m_dwConnectionType, VRX_DEVICE_INTERFACE_SERIAL);
    EXPECT_EQ(cursor.Changes(),
              (std::vector<FakeCursor::Shape>{FakeCursor::Shape::Wait, FakeCursor::Shape::Arrow}));
}

TEST_F(PageWLanAdvSetting, FactoryResetButtonOnlyWhenTheModuleOffersIt) {
    ScriptRead(SampleRecord(), ConfigVariant::Basic, false);
    page->OnBnClickedConnectBtn();
    ASSERT_TRUE(page->IsConnected());
    EXPECT_FALSE(page->GetControls().factoryResetVisible);
}

TEST_F(PageWLanAdvSetting, SilentPrinterIsAskedEighteenTimesMoreThenText161) {
    Silent();
    page->OnBnClickedConnectBtn();
    EXPECT_EQ(waiting.runs, 1);
    EXPECT_EQ(waiting.ticks, 18);
    EXPECT_EQ(Reads(), 1 + 18);
    EXPECT_EQ(timer.calls, (std::vector<std::string>{"start 103 1000", "stop 103"}));
    EXPECT_LT(page->Countdown(), 1);
    EXPECT_EQ(messages.Errors(), std::vector<std::string>{LoadString(161)});
    EXPECT_FALSE(page->IsConnected());
    EXPECT_FALSE(cursor.IsWait());
}

TEST_F(PageWLanAdvSetting, RetryThatSucceedsStopsTheTimerAndConnects) {
    port.openResult = false;
    waiting.beforeTick = [this](int tick) {
        if (tick == 3) {
            port.openResult = true;
            ScriptRead(SampleRecord());
        }
    };
    page->OnBnClickedConnectBtn();
    EXPECT_EQ(waiting.ticks, 3);
    EXPECT_EQ(page->Countdown(), 17500 - 3000);
    EXPECT_TRUE(page->RetryResult());
    EXPECT_TRUE(timer.running.empty());
    EXPECT_TRUE(page->IsConnected());
    EXPECT_EQ(messages.Informations(), std::vector<std::string>{LoadString(160)});
    EXPECT_TRUE(messages.Errors().empty());
}

TEST_F(PageWLanAdvSetting, StartAnsweredWithOneOrTwoBytesIsNotRetried) {
    for (const Bytes& answer : {Bytes{0x1F}, Bytes{0x1F, 'W'}}) {
        SCOPED_TRACE(answer.size());
        messages = FakeMessageBox();
        events.clear();
        port.Expect(B(DeviceFrame::kFactoryResetQuery), {});
        port.Expect(Start(), {answer});
        page->OnBnClickedConnectBtn();
        EXPECT_TRUE(port.script.empty());
        EXPECT_EQ(waiting.runs, 0);
        EXPECT_TRUE(timer.calls.empty());
        EXPECT_EQ(Reads(), 1);
        EXPECT_EQ(messages.Errors(), std::vector<std::string>{LoadString(161)});
    }
}

TEST_F(PageWLanAdvSetting, StartAnsweredWithThreeBytesIsRetried) {
    port.Expect(B(DeviceFrame::kFactoryResetQuery), {});
    port.Expect(Start(), {Bytes{0x1F, 'W', 'M'}});
    Silent();
    page->OnBnClickedConnectBtn();
    EXPECT_EQ(waiting.ticks, 18);
}

// A tick that comes while the read of the previous tick still runs (a silent USB printer takes longer than
// a second) neither counts down nor reads: the eighteen retries stay eighteen reads.
TEST_F(PageWLanAdvSetting, TickDuringARunningReadIsIgnored) {
    Silent();
    int extraTicks = 0;
    port.responder = [&](const Bytes&) {
        // On the worker: the window thread gets a timer tick meanwhile, and this read waits for it.
        EXPECT_FALSE(page->Worker().OnWindowThread());
        page->Worker().Invoke([&] {
            ++extraTicks;
            const int before = page->Countdown();
            page->OnTimer(Page::TIMER_ID_1);
            EXPECT_EQ(page->Countdown(), before);
        });
        return std::vector<Bytes>{};
    };
    page->OnBnClickedConnectBtn();
    EXPECT_GT(extraTicks, 18);
    EXPECT_EQ(waiting.ticks, 18);
    EXPECT_EQ(Reads(), 1 + 18);
    EXPECT_EQ(messages.Errors(), std::vector<std::string>{LoadString(161)});
}

// Each retry's read takes seconds on a silent line (its start handshake alone waits 4 s), so the countdown's
// 17.5 s are wall time: no read starts after them, and the one under way then is given up. Virtual time: the
// exchanges' delays, and a second for each tick.
TEST_F(PageWLanAdvSetting, SilentPrinterRetriesEndWithinTheCountdownsWallTime) {
    using namespace std::chrono_literals;
    Silent();
    const auto origin = std::chrono::steady_clock::time_point{} + 1h;
    std::atomic<int> tickSeconds{0};
    timer.now = [&] { return origin + sleeper.total + std::chrono::seconds(tickSeconds.load()); };
    std::chrono::steady_clock::time_point retryStart{};
    std::vector<std::chrono::steady_clock::time_point> readStarts;
    port.responder = [&](const Bytes& written) {
        if (written == B(DeviceFrame::kFactoryResetQuery))
            readStarts.push_back(timer.Now());
        return std::vector<Bytes>{};
    };
    waiting.beforeTick = [&](int tick) {
        if (tick == 1)
            retryStart = timer.Now();
        ++tickSeconds;
    };
    page->OnBnClickedConnectBtn();

    const auto deadline = retryStart + 17500ms;
    EXPECT_GE(waiting.ticks, 2);
    EXPECT_LT(waiting.ticks, 18) << "eighteen reads of 4 s each would take 75 s";
    ASSERT_EQ(static_cast<int>(readStarts.size()), Reads());
    EXPECT_GE(Reads(), 3);
    for (const auto& start : readStarts)
        EXPECT_LT(start, deadline) << "a read started after the countdown";
    // The read under way at the deadline ends with the delay it was in.
    EXPECT_LE(timer.Now() - retryStart, 17500ms + 250ms);
    EXPECT_TRUE(timer.running.empty());
    EXPECT_TRUE(waiting.cancellable);
    EXPECT_EQ(messages.Errors(), std::vector<std::string>{LoadString(161)});
    EXPECT_FALSE(page->IsConnected());
    EXPECT_FALSE(cursor.IsWait());
}

// Cancel in the waiting dialog, between two ticks or while a read runs: no further read, the read under way
// gives up at once (none of its delays remains), text 161; the next Connect reads as usual.
TEST_F(PageWLanAdvSetting, CancelInTheWaitingDialogEndsTheRetriesAtOnceWithText161) {
    for (const bool duringRead : {false, true}) {
        SCOPED_TRACE(duringRead ? "during a read" : "between ticks");
        messages = FakeMessageBox();
        events.clear();
        timer.calls.clear();
        waiting.runs = waiting.ticks = 0;
        bool cancelled = false;
        int readsAtCancel = 0;
        std::size_t sleepsAtCancel = 0;
        Silent();
        if (duringRead) {
            port.responder = [&](const Bytes& written) {
                if (!cancelled && Reads() == 3 && written == Start()) {
                    cancelled = true;
                    readsAtCancel = Reads();
                    sleepsAtCancel = sleeper.sleeps.size();
                    page->Worker().Invoke([&] { waiting.Cancel(); }); // the user, on the window thread
                }
                return std::vector<Bytes>{};
            };
        } else {
            waiting.beforeTick = [&](int tick) {
                if (tick == 3) {
                    cancelled = true;
                    readsAtCancel = Reads();
                    sleepsAtCancel = sleeper.sleeps.size();
                    waiting.Cancel();
                }
            };
        }
        page->OnBnClickedConnectBtn();
        ASSERT_TRUE(cancelled);
        EXPECT_EQ(Reads(), readsAtCancel) << "no read after Cancel";
        EXPECT_EQ(sleeper.sleeps.size(), sleepsAtCancel) << "the read under way waited on";
        EXPECT_TRUE(page->WaitingCancelled());
        EXPECT_EQ(waiting.runs, 1);
        EXPECT_TRUE(timer.running.empty());
        EXPECT_EQ(timer.calls.back(), "stop 103");
        EXPECT_EQ(messages.Errors(), std::vector<std::string>{LoadString(161)});
        EXPECT_TRUE(messages.Informations().empty());
        EXPECT_FALSE(page->IsConnected());
        EXPECT_FALSE(cursor.IsWait());
        EXPECT_EQ(spooler.holds, spooler.restores);

        waiting.beforeTick = nullptr;
        port.responder = nullptr;
        ScriptRead(SampleRecord());
        page->OnBnClickedConnectBtn();
        EXPECT_TRUE(page->IsConnected()) << "the next Connect";
        EXPECT_FALSE(page->WaitingCancelled());
        page->OnBnClickedDisconnectBtn();
    }
}

// The queues are held once for a whole operation, from before its first use of the port to after its last
// (a Connect's retries, a factory reset's 20 s wait included); the exchanges' own holds nest inside, and
// every call to the print server is made off the window thread.
TEST_F(PageWLanAdvSetting, TheQueuesAreHeldOnceAcrossAWholeOperationOffTheWindowThread) {
    TempDir dir;
    const std::string file = dir.file("saved.qlt");
    {
        const Bytes image =
            DeviceRecords::ConfigurationFrame(SampleRecord(), ConfigVariant::Basic, false, 'M');
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    }
    struct Case {
        const char* name;
        bool connected;
        std::function<void()> run;
        const char* outerHold;
    } cases[] = {
        {"Connect, read at once", false,
         [&] {
             ScriptRead(SampleRecord());
             page->OnBnClickedConnectBtn();
         },
         "hold 2"},
        {"Connect, retried", false,
         [&] {
             port.openResult = false;
             waiting.beforeTick = [&](int tick) {
                 if (tick == 4) {
                     port.openResult = true;
                     ScriptRead(SampleRecord());
                 }
             };
             page->OnBnClickedConnectBtn();
             waiting.beforeTick = nullptr;
         },
         "hold 2"},
        {"Connect, dialog cancelled", false,
         [&] {
             connection.choice.result = 3;
             page->OnBnClickedConnectBtn();
             connection.choice.result = 1;
         },
         "hold 2"},
        {"Save", true,
         [&] {
             messages.answers = {true};
             port.Expect(Start(), {kStartAccepted});
             port.AnyWrite({Reply(DeviceFrame::kIfSuc)});
             page->OnBnClickedConnectBtn();
         },
         "hold 1"},
        {"File Open", true,
         [&] {
             files.openAnswer = file;
             port.Expect(B(DeviceFrame::kFactoryResetQuery), {kOk});
             port.Expect(Start(), {kStartAccepted});
             port.Expect(Request(DeviceFrame::kSysReq), {Reply(DeviceFrame::kSysRsp, SystemInformation())});
             page->OnBnClickedFileOpenBtn();
         },
         "hold 1"},
        {"factory reset", true,
         [&] {
             messages.answers = {true};
             port.Expect(B(DeviceFrame::kFactoryReset), {kOk});
             page->OnBnClickedFactoryResetBtn();
         },
         "hold 1"},
    };
    const std::thread::id window = std::this_thread::get_id();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.connected && !page->IsConnected())
            Connect();
        if (!c.connected && page->IsConnected())
            page->OnBnClickedDisconnectBtn();
        events.clear();
        spooler.threads.clear();
        c.run();
        EXPECT_TRUE(port.script.empty());
        ASSERT_FALSE(events.empty());
        EXPECT_EQ(events.front(), c.outerHold);
        const HoldTrace trace = TraceHolds();
        EXPECT_TRUE(trace.everyOpenHeld);
        EXPECT_EQ(trace.releases, 1) << "the queues were let go before the operation ended";
        EXPECT_EQ(trace.depthAtEnd, 0);
        EXPECT_FALSE(spooler.threads.empty());
        EXPECT_EQ(std::count(spooler.threads.begin(), spooler.threads.end(), window), 0);
    }
}

// A warning of the exchange (a queue the user may not pause) shows with the warning icon.
TEST_F(PageWLanAdvSetting, AWarningFromTheWorkerShowsAsAWarning) {
    spooler.refusedToTell = {"VX_SERIAL"};
    ScriptRead(SampleRecord());
    page->OnBnClickedConnectBtn();
    ASSERT_EQ(messages.Warnings().size(), 1u);
    EXPECT_NE(messages.Warnings()[0].find("VX_SERIAL"), std::string::npos);
    EXPECT_EQ(messages.Informations(), std::vector<std::string>{LoadString(160)});
}

TEST_F(PageWLanAdvSetting, ExchangesRunOffTheWindowThreadAndTheirMessagesOnIt) {
    const std::thread::id window = std::this_thread::get_id();
    std::set<std::thread::id> portThreads;
    std::vector<bool> messageOnWindow;
    port.responder = [&](const Bytes&) {
        portThreads.insert(std::this_thread::get_id());
        return std::vector<Bytes>{};
    };
    ScriptRead(SampleRecord());
    page->OnBnClickedConnectBtn();
    ASSERT_TRUE(page->IsConnected());
    messages.answers = {true};
    messages.onShow = [&](const FakeMessageBox::Shown&) {
        messageOnWindow.push_back(std::this_thread::get_id() == window);
    };
    page->OnBnClickedConnectBtn(); // save: question 163 from the exchange, then the silent printer: 165
    EXPECT_FALSE(portThreads.empty());
    EXPECT_EQ(portThreads.count(window), 0u);
    ASSERT_EQ(messageOnWindow.size(), 2u);
    EXPECT_TRUE(messageOnWindow[0] && messageOnWindow[1]);
}

// ---- Save
// ---------------------------------------------------------------------------------------------------

TEST_F(PageWLanAdvSetting, SaveAsksThenAppliesAndDisconnects) {
    Connect();
    ASSERT_TRUE(page->Grid1().EditValue(Item(VRX_GROUP1_PROPERTY_ID_1), "Dock-9"));
    EXPECT_EQ(editor.changed, std::vector<std::uint32_t>{VRX_GROUP1_PROPERTY_ID_1});
    messages.answers = {true};
    port.Expect(Start(), {kStartAccepted});
    port.AnyWrite({Reply(DeviceFrame::kIfSuc)});
    page->OnBnClickedConnectBtn();
    ASSERT_TRUE(port.script.empty());
    EXPECT_EQ(messages.Questions(), std::vector<std::string>{LoadString(163)});
    EXPECT_EQ(messages.Informations(), std::vector<std::string>{LoadString(162)});
    EXPECT_FALSE(page->IsConnected());
    EXPECT_TRUE(page->Grid1().Groups().empty());
    EXPECT_EQ(page->GetControls().connectText, LoadString(268));
    // The record sent holds the edit.
    const Bytes& frame = port.writes.back();
    const std::vector<std::uint8_t> message = DeviceFrame::HexDecode(frame.data(), frame.size());
    const std::string text(message.begin(), message.end());
    EXPECT_NE(text.find("Dock-9"), std::string::npos);
}

TEST_F(PageWLanAdvSetting, SaveAnsweredNoSendsNothing) {
    Connect();
    messages.answers = {false};
    page->OnBnClickedConnectBtn();
    EXPECT_EQ(messages.Questions().size(), 1u);
    EXPECT_TRUE(messages.Errors().empty());
    EXPECT_EQ(Reads(), 0);
    EXPECT_TRUE(page->IsConnected());
}

TEST_F(PageWLanAdvSetting, FailedSaveShowsText165WithTheCodeAndKeepsTheEdits) {
    struct Case {
        const char* name;
        std::function<void(FakeDevicePort&)> script;
        int code;
    } cases[] = {
        {"port not opened", [](FakeDevicePort& p) { p.openResult = false; }, 4},
        {"start unanswered",
         [](FakeDevicePort& p) { p.responder = [](const Bytes&) { return std::vector<Bytes>{}; }; }, 5},
        {"set unanswered",
         [](FakeDevicePort& p) {
             p.Expect(Start(), {kStartAccepted});
             p.AnyWrite({});
         },
         6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        port.openResult = true;
        port.responder = nullptr;
        port.script.clear();
        Connect();
        ASSERT_TRUE(page->Grid1().EditValue(Item(VRX_GROUP1_PROPERTY_ID_1), "Dock-9"));
        c.script(port);
        messages.answers = {true};
        page->OnBnClickedConnectBtn();
        EXPECT_EQ(messages.Errors(),
                  std::vector<std::string>{LoadString(165) + " (" + std::to_string(c.code) + ")"});
        EXPECT_TRUE(messages.Informations().empty());
        EXPECT_TRUE(page->IsConnected());
        EXPECT_EQ(Item(VRX_GROUP1_PROPERTY_ID_1).Value(), "Dock-9");
        EXPECT_TRUE(Item(VRX_GROUP1_PROPERTY_ID_1).IsModified());
        port.openResult = true;
        page->OnBnClickedDisconnectBtn();
    }
}

TEST_F(PageWLanAdvSetting, FailedCheckSendsNothing) {
    Connect();
    ASSERT_TRUE(page->Grid1().EditValue(Item(VRX_GROUP1_PROPERTY_ID_1), ""));
    page->OnBnClickedConnectBtn();
    ASSERT_EQ(messages.Errors().size(), 1u);
    EXPECT_EQ(messages.Errors()[0].rfind(LoadString(250), 0), 0u) << messages.Errors()[0];
    EXPECT_TRUE(messages.Questions().empty());
    EXPECT_EQ(Reads(), 0);
    EXPECT_TRUE(page->IsConnected());
}

// ---- Disconnect, pages, icon, Close ----------------------------------------------------------------------

TEST_F(PageWLanAdvSetting, DisconnectEmptiesAndHidesTheGrids) {
    Connect();
    page->OnBnClickedIconBtn();
    page->OnBnClickedDisconnectBtn();
    const auto& c = page->GetControls();
    EXPECT_FALSE(page->IsConnected());
    EXPECT_TRUE(page->Grid1().Groups().empty());
    EXPECT_TRUE(page->Grid2().Groups().empty());
    EXPECT_FALSE(page->Grid1().IsShown());
    EXPECT_FALSE(page->Grid2().IsShown());
    EXPECT_FALSE(page->Grid1().IsEnabled());
    EXPECT_FALSE(c.disconnectVisible || c.saveAsFileVisible || c.fileOpenVisible || c.factoryResetVisible);
    EXPECT_FALSE(c.pageButtonsEnabled || c.selectorEnabled || c.iconButtonEnabled);
    EXPECT_EQ(c.iconButtonIcon, Page::IDI_TOGGLE_SET);
    EXPECT_EQ(c.connectIcon, Page::IDI_CONNECT);
}

TEST_F(PageWLanAdvSetting, PageButtonsAndSelector) {
    Connect();
    page->OnBnClickedPage2Btn();
    auto c = page->GetControls();
    EXPECT_FALSE(page->Grid1().IsShown());
    EXPECT_TRUE(page->Grid2().IsShown());
    EXPECT_EQ(c.selectorSelected, 1);
    EXPECT_EQ(c.raisedPageButton, 2);
    EXPECT_FALSE(c.iconButtonEnabled);
    EXPECT_EQ(c.focusControl, Page::IDC_BTN_PAGE1);
    page->OnBnClickedPage1Btn();
    c = page->GetControls();
    EXPECT_TRUE(page->Grid1().IsShown());
    EXPECT_EQ(c.raisedPageButton, 1);
    EXPECT_TRUE(c.iconButtonEnabled);
    EXPECT_EQ(c.focusControl, Page::IDC_BTN_PAGE2);
    page->OnPageSelected(1);
    EXPECT_TRUE(page->Grid2().IsShown());
    EXPECT_EQ(page->GetControls().selectorSelected, 1);
}

// Grid #2 shown at Disconnect: the next Connect shows grid #1 with button "1" raised and "2" flat.
TEST_F(PageWLanAdvSetting, ReconnectShowsGridOneWithItsButtonRaised) {
    Connect();
    page->OnBnClickedPage2Btn();
    ASSERT_EQ(page->GetControls().raisedPageButton, 2);
    page->OnBnClickedDisconnectBtn();
    Connect();
    EXPECT_TRUE(page->Grid1().IsShown());
    EXPECT_EQ(page->GetControls().raisedPageButton, 1);
    EXPECT_EQ(page->GetControls().selectorSelected, 0);
}

TEST_F(PageWLanAdvSetting, IconButtonFlipsItsIcon) {
    page->OnBnClickedIconBtn();
    EXPECT_EQ(page->GetControls().iconButtonIcon, Page::IDI_TOGGLE_CLEAR);
    page->OnBnClickedIconBtn();
    EXPECT_EQ(page->GetControls().iconButtonIcon, Page::IDI_TOGGLE_SET);
}

TEST_F(PageWLanAdvSetting, CloseAsksTheMainWindowToEnd) {
    page->OnBnClickedCloseBtn();
    EXPECT_EQ(mainWindow.posted, std::vector<unsigned>{MainWindowMessage::Close});
}

TEST_F(PageWLanAdvSetting, PropertyChangesAreDispatchedByIdentifier) {
    struct Case {
        std::uint32_t id;
        bool dispatched;
    } cases[] = {{1, true},  {5, true},   {13, true},  {20, true}, {21, false}, {23, false},   {24, true},
                 {39, true}, {40, false}, {42, false}, {0, false}, {43, false}, {10000, false}};
    for (const auto& c : cases) {
        editor.changed.clear();
        PropertyItem item(c.id, "x", PropertyKind::Text);
        page->OnPropertyChanged(&item);
        EXPECT_EQ(editor.changed.size(), c.dispatched ? 1u : 0u) << c.id;
    }
    page->OnPropertyChanged(nullptr);
}

// ---- files
// --------------------------------------------------------------------------------------------------

TEST_F(PageWLanAdvSetting, SaveAsAFileWritesTheEditedRecord) {
    TempDir dir;
    Connect();
    ASSERT_TRUE(page->Grid1().EditValue(Item(VRX_GROUP1_PROPERTY_ID_1), "Dock-9"));
    files.saveAnswer = dir.file("dock.qlt");
    page->OnBnClickedSaveAsFileBtn();
    EXPECT_EQ(files.asked, std::vector<std::string>{"save qlt"});
    ASSERT_EQ(files.filters.back().size(), 1u);
    EXPECT_EQ(files.filters.back()[0].pattern, "*.qlt");
    EXPECT_EQ(Reads(), 0) << "no printer takes part";
    std::ifstream in(*files.saveAnswer, std::ios::binary);
    const Bytes content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content.size(), 1280u);
    const std::vector<std::uint8_t> message = DeviceFrame::HexDecode(content.data(), content.size());
    EXPECT_NE(std::string(message.begin(), message.end()).find("Dock-9"), std::string::npos);
    EXPECT_TRUE(page->IsConnected());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PageWLanAdvSetting, SaveAsAFileThatCannotBeWrittenShowsTheSystemText) {
    Connect();
    files.saveAnswer = "/nonexistent-folder/dock.qlt";
    page->OnBnClickedSaveAsFileBtn();
    ASSERT_EQ(messages.Errors().size(), 1u);
    EXPECT_NE(messages.Errors()[0].find("No such file"), std::string::npos) << messages.Errors()[0];
}

TEST_F(PageWLanAdvSetting, CancelledFileDialogsDoNothing) {
    Connect();
    page->OnBnClickedSaveAsFileBtn();
    page->OnBnClickedFileOpenBtn();
    EXPECT_TRUE(page->IsConnected());
    EXPECT_EQ(Reads(), 0);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PageWLanAdvSetting, FileOpenReadsTheRecordFromTheFile) {
    TempDir dir;
    WLAN_ADVANCED_CONFIG_INFO record = SampleRecord();
    DeviceRecords::SetFieldText(record.bySSID, "From-file");
    const Bytes image = DeviceRecords::ConfigurationFrame(record, ConfigVariant::Basic, false, 'M');
    const std::string path = dir.file("saved.qlt");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    Connect();
    files.openAnswer = path;
    // The handshake and the system information still come from the printer; the record from the file.
    port.Expect(B(DeviceFrame::kFactoryResetQuery), {kOk});
    port.Expect(Start(), {kStartAccepted});
    port.Expect(Request(DeviceFrame::kSysReq), {Reply(DeviceFrame::kSysRsp, SystemInformation())});
    page->OnBnClickedFileOpenBtn();
    EXPECT_TRUE(port.script.empty());
    EXPECT_EQ(connection.runs, 1) << "no connection dialog for a file";
    EXPECT_EQ(files.asked, std::vector<std::string>{"open qlt"});
    ASSERT_EQ(files.filters.back().size(), 2u);
    EXPECT_TRUE(page->IsConnected());
    EXPECT_EQ(Item(VRX_GROUP1_PROPERTY_ID_1).Value(), "From-file");
    EXPECT_FALSE(page->State().m_bWifiDirect) << "the file's variant";
    EXPECT_TRUE(page->State().m_strFilePath.empty());
    EXPECT_EQ(messages.Informations(), std::vector<std::string>{LoadString(160)});
}

TEST_F(PageWLanAdvSetting, FileOpenOfABadFileLeavesThePageIdle) {
    TempDir dir;
    const std::string path = dir.file("short.qlt");
    std::ofstream(path) << "not a configuration";
    Connect();
    files.openAnswer = path;
    port.Expect(B(DeviceFrame::kFactoryResetQuery), {kOk});
    port.Expect(Start(), {kStartAccepted});
    port.Expect(Request(DeviceFrame::kSysReq), {Reply(DeviceFrame::kSysRsp, SystemInformation())});
    Silent(); // the retries
    page->OnBnClickedFileOpenBtn();
    EXPECT_FALSE(page->IsConnected());
    EXPECT_EQ(messages.Errors().back(), LoadString(161));
    EXPECT_TRUE(page->State().m_strFilePath.empty());
}

// ---- factory reset
// ------------------------------------------------------------------------------------------

TEST_F(PageWLanAdvSetting, FactoryResetWaitsTwentySecondsThenTellsTheResult) {
    struct Case {
        const char* name;
        std::vector<Bytes> answer;
        bool success;
    } cases[] = {{"ok", {kOk}, true}, {"silent", {}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Connect();
        waiting.runs = waiting.ticks = 0;
        timer.calls.clear();
        messages.answers = {true};
        port.Expect(B(DeviceFrame::kFactoryReset), c.answer);
        // The page is idle and the queues given back by the time the user is told.
        bool idleWhenTold = false, queuesBackWhenTold = false;
        messages.onShow = [&](const FakeMessageBox::Shown& shown) {
            if (shown.kind == FakeMessageBox::Kind::Question)
                return;
            idleWhenTold = !page->IsConnected() && page->Grid1().Groups().empty();
            queuesBackWhenTold = spooler.holds == spooler.restores;
        };
        page->OnBnClickedFactoryResetBtn();
        messages.onShow = nullptr;
        EXPECT_TRUE(idleWhenTold);
        EXPECT_TRUE(queuesBackWhenTold);
        EXPECT_FALSE(waiting.cancellable) << "the reset's 20 s are not to be cut short";
        EXPECT_EQ(messages.Questions(), std::vector<std::string>{LoadString(274)});
        EXPECT_EQ(waiting.runs, 1);
        EXPECT_EQ(waiting.ticks, 20);
        EXPECT_EQ(timer.calls, (std::vector<std::string>{"start 104 1000", "stop 104"}));
        if (c.success) {
            EXPECT_EQ(messages.Informations(), std::vector<std::string>{LoadString(162)});
            EXPECT_TRUE(messages.Errors().empty());
        } else {
            EXPECT_EQ(messages.Errors(), std::vector<std::string>{LoadString(276)});
            EXPECT_TRUE(messages.Informations().empty());
        }
        EXPECT_FALSE(page->IsConnected());
        EXPECT_TRUE(page->Grid1().Groups().empty());
    }
}

TEST_F(PageWLanAdvSetting, FactoryResetAnsweredNoDoesNothing) {
    Connect();
    messages.answers = {false};
    page->OnBnClickedFactoryResetBtn();
    EXPECT_EQ(Reads(), 0);
    EXPECT_TRUE(page->IsConnected());
    EXPECT_EQ(waiting.runs, 0);
}

} // namespace
