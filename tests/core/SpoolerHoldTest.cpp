#include "devport/CCupsSpoolerHold.h"

#include "CapturedLog.h"
#include "FakeCupsApi.h"
#include "TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::string kVoranex = "VORANEX RK7 Label Printer";

CupsQueue Queue(std::string name, std::string model, std::string uri, int state = CupsQueue::kIdle,
                std::string message = {}) {
    return {std::move(name), std::move(model), std::move(uri), state, std::move(message)};
}

// The maker's USB and serial queues, another maker's USB queue, and the maker's queues the hold must
// never take: one paused already, one with the maker's name in the wrong case, one on the network, one
// whose URI merely mentions usb.
std::vector<CupsQueue> StandardQueues() {
    return {
        Queue("VX_USB", kVoranex, "usb://VORANEX/RK7?serial=A1"),
        Queue("VX_SERIAL", kVoranex, "serial:/dev/ttyUSB0?baud=115200"),
        Queue("ACME_USB", "ACME LP2 Label Printer", "usb://ACME/LP2"),
        Queue("VX_PAUSED", kVoranex, "usb://VORANEX/RK8", CupsQueue::kStopped, "maintenance"),
        Queue("VX_LOWER", "voranex rk7", "usb://VORANEX/RK7?serial=B2"),
        Queue("VX_NET", kVoranex, "socket://192.0.2.5:9100"),
        Queue("VX_USBHOST", kVoranex, "ipp://usbhost/printers/rk7"),
    };
}

// A process that has ended and been reaped: its id names nobody now.
ProcessIdentity EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return ProcessIdentity{child, 12345};
}

class SpoolerHoldTest : public ::testing::Test {
protected:
    SpoolerHoldTest() { cups.queues = StandardQueues(); }

    int StateOf(const std::string& name) { return cups.Find(name)->state; }
    std::optional<CSpoolerJournal::Contents> Journal() const { return CSpoolerJournal::Read(journal.Path()); }

    CapturedLog log;
    TempDir dir;
    FakeCupsApi cups;
    CSpoolerJournal journal{dir.file("state/quorlink-tool"), ProcessIdentity::Self()};
    CCupsSpoolerHold hold{cups, journal};
};

} // namespace

TEST(SpoolerHoldSelection, MakerAndBackendDecidePerTarget) {
    struct Case {
        const char* queue;
        bool usb, serial, both;
    } cases[] = {
        {"VX_USB", true, false, true},       {"VX_SERIAL", false, true, true},
        {"ACME_USB", false, false, false},   {"VX_PAUSED", true, false, true},
        {"VX_LOWER", false, false, false},   {"VX_NET", false, false, false},
        {"VX_USBHOST", false, false, false},
    };
    const auto queues = StandardQueues();
    for (const auto& c : cases) {
        const CupsQueue& queue = *std::find_if(queues.begin(), queues.end(),
                                               [&](const CupsQueue& q) { return q.name == c.queue; });
        EXPECT_EQ(CCupsSpoolerHold::IsSelected(queue, 0), c.usb) << c.queue;
        EXPECT_EQ(CCupsSpoolerHold::IsSelected(queue, 1), c.serial) << c.queue;
        for (const int other : {2, -1, 7})
            EXPECT_EQ(CCupsSpoolerHold::IsSelected(queue, other), c.both) << c.queue << " target " << other;
    }
    EXPECT_EQ(CCupsSpoolerHold::Backend("serial:/dev/ttyS0?baud=9600"), "serial");
    EXPECT_EQ(CCupsSpoolerHold::Backend("no-scheme"), "");
}

TEST_F(SpoolerHoldTest, EachTargetPausesOnlyItsOwnQueuesWithTheHoldMessage) {
    struct Case {
        int target;
        std::vector<std::string> paused;
    } cases[] = {{0, {"pause VX_USB"}}, {1, {"pause VX_SERIAL"}}, {2, {"pause VX_USB", "pause VX_SERIAL"}}};
    for (const auto& c : cases) {
        FakeCupsApi server;
        server.queues = StandardQueues();
        CCupsSpoolerHold target(server, journal);
        EXPECT_TRUE(target.ChangeWinDrvPortName(c.target));
        EXPECT_EQ(server.Changes(), c.paused) << "target " << c.target;
        for (const auto& call : c.paused) {
            const CupsQueue* queue = server.Find(call.substr(6));
            EXPECT_EQ(queue->state, CupsQueue::kStopped);
            EXPECT_EQ(queue->stateMessage, CCupsSpoolerHold::kHoldMessage);
        }
        EXPECT_EQ(server.Find("VX_PAUSED")->stateMessage, "maintenance");
        EXPECT_TRUE(target.RestoreWinDrvPortName());
    }
}

TEST_F(SpoolerHoldTest, UsbHoldLogsEveryStepAndLeavesThePausedQueue) {
    EXPECT_TRUE(hold.ChangeWinDrvPortName(0));
    EXPECT_EQ(hold.m_DrvInfo,
              (std::map<std::string, std::string>{{"VX_USB", "usb://VORANEX/RK7?serial=A1"}}));
    const std::vector<std::string> expected = {
        "ChangeWinDrvPortName : START",
        "ChangeWinDrvPortName : nTargetPort = 0, cReturned = 7",
        "ChangeWinDrvPortName : pDriverName = " + kVoranex,
        "ChangeWinDrvPortName : pPrinterName = VX_USB",
        "ChangeWinDrvPortName : pPortName = usb://VORANEX/RK7?serial=A1",
        "ChangeWinDrvPortName : PRINTER_ATTRIBUTE_ENABLE_BIDI",
        "ChangeWinDrvPortName : pPrinterName = VX_USB",
        "ChangeWinDrvPortName : pPortName = usb://VORANEX/RK7?serial=A1",
        "ChangeWinDrvPortName : pDriverName = " + kVoranex,
        "ChangeWinDrvPortName : pDriverName = ACME LP2 Label Printer",
        "ChangeWinDrvPortName : pDriverName = " + kVoranex,
        "ChangeWinDrvPortName : pPrinterName = VX_PAUSED",
        "ChangeWinDrvPortName : pPortName = usb://VORANEX/RK8",
        "ChangeWinDrvPortName : PRINTER_ATTRIBUTE_ENABLE_BIDI",
        "ChangeWinDrvPortName : pPrinterName = VX_PAUSED",
        "ChangeWinDrvPortName : pPortName = usb://VORANEX/RK8",
        "ChangeWinDrvPortName : (VX_PAUSED) is paused already (maintenance); left as it is.",
        "ChangeWinDrvPortName : pDriverName = voranex rk7",
        "ChangeWinDrvPortName : pDriverName = " + kVoranex,
        "ChangeWinDrvPortName : pDriverName = " + kVoranex,
        "ChangeWinDrvPortName : m_DrvInfo.GetCount() = 1",
        "ChangeWinDrvPortName : (VX_USB) port has been changed.)",
        "ChangeWinDrvPortName : END",
    };
    EXPECT_EQ(log.Lines(), expected);
}

TEST_F(SpoolerHoldTest, RestoreResumesOnlyWhatWasPausedAndASecondRestoreDoesTheSameAgain) {
    ASSERT_TRUE(hold.ChangeWinDrvPortName(2));
    cups.calls.clear();
    log.Clear();

    EXPECT_TRUE(hold.RestoreWinDrvPortName());
    EXPECT_EQ(cups.Changes(), (std::vector<std::string>{"resume VX_SERIAL", "resume VX_USB"}));
    EXPECT_EQ(StateOf("VX_USB"), CupsQueue::kIdle);
    EXPECT_EQ(StateOf("VX_SERIAL"), CupsQueue::kIdle);
    EXPECT_EQ(StateOf("VX_PAUSED"), CupsQueue::kStopped);
    const auto firstLog = log.Lines();
    EXPECT_EQ(firstLog, (std::vector<std::string>{
                            "RestoreWinDrvPortName : START",
                            "RestoreWinDrvPortName : m_DrvInfo.GetCount() = 2",
                            "RestoreWinDrvPortName : (VX_SERIAL) (serial:/dev/ttyUSB0?baud=115200)",
                            "RestoreWinDrvPortName : (VX_USB) (usb://VORANEX/RK7?serial=A1)",
                            "RestoreWinDrvPortName : END",
                        }));

    cups.calls.clear();
    log.Clear();
    EXPECT_TRUE(hold.RestoreWinDrvPortName());
    EXPECT_EQ(cups.Changes(), (std::vector<std::string>{"resume VX_SERIAL", "resume VX_USB"}));
    EXPECT_EQ(log.Lines(), firstLog);
    EXPECT_EQ(StateOf("VX_PAUSED"), CupsQueue::kStopped);
}

TEST_F(SpoolerHoldTest, NothingHeldMeansRestoreReportsFalseAndSendsNothing) {
    EXPECT_FALSE(hold.RestoreWinDrvPortName()); // before any hold
    cups.queues = {Queue("ACME_USB", "ACME LP2", "usb://ACME/LP2"),
                   Queue("VX_PAUSED", kVoranex, "usb://VORANEX/RK8", CupsQueue::kStopped, "maintenance")};
    EXPECT_TRUE(hold.ChangeWinDrvPortName(0));
    EXPECT_TRUE(hold.m_DrvInfo.empty());
    EXPECT_FALSE(hold.RestoreWinDrvPortName());
    EXPECT_THAT(cups.Changes(), IsEmpty());
    EXPECT_TRUE(log.Contains("RestoreWinDrvPortName : m_DrvInfo.GetCount() = 0"));
    EXPECT_FALSE(std::filesystem::exists(journal.Path()));
}

TEST_F(SpoolerHoldTest, NoServerIsLoggedAndOnlyThenIsTheResultFalse) {
    cups.listResult = {false, 0x0502,
                       "cannot connect to the CUPS server /run/fake-cups.sock: No such file or directory"};
    EXPECT_FALSE(hold.ChangeWinDrvPortName(0));
    EXPECT_TRUE(
        log.Contains("ChangeWinDrvPortName : EnumPrinters failed with (1282) cannot connect to the CUPS "
                     "server /run/fake-cups.sock: No such file or directory"));
    EXPECT_EQ(log.Lines().back(), "ChangeWinDrvPortName : END");
    EXPECT_FALSE(hold.RestoreWinDrvPortName());
    EXPECT_THAT(cups.Changes(), IsEmpty());
}

TEST_F(SpoolerHoldTest, AQueueThatCannotBePausedIsLoggedAndSkipped) {
    cups.failures["VX_USB"] = {false, 0x0401, "Forbidden"};
    EXPECT_TRUE(hold.ChangeWinDrvPortName(2));
    EXPECT_TRUE(log.Contains("ChangeWinDrvPortName : SetPrinter failed with (1025) Forbidden (VX_USB)"));
    EXPECT_TRUE(log.Contains("ChangeWinDrvPortName : (VX_SERIAL) port has been changed.)"));
    EXPECT_EQ(StateOf("VX_SERIAL"), CupsQueue::kStopped);
    EXPECT_EQ(hold.m_DrvInfo.count("VX_USB"), 0u);
    EXPECT_THAT(Journal()->queues, ElementsAre("VX_SERIAL"));

    cups.calls.clear();
    EXPECT_TRUE(hold.RestoreWinDrvPortName());
    EXPECT_EQ(cups.Changes(), (std::vector<std::string>{"resume VX_SERIAL"}));
}

TEST_F(SpoolerHoldTest, OnlyARefusalForLackOfRightsIsToBeToldAndTheExchangeGoesOn) {
    const struct {
        int status;
        const char* text;
        bool told;
    } cases[] = {
        {CupsResult::kForbidden, "Forbidden", true},
        {CupsResult::kNotAuthenticated, "Not authenticated", true},
        {CupsResult::kNotAuthorized, "Unauthorized", true},
        {CupsResult::kAuthenticationCanceled, "Authentication canceled", true},
        {CupsResult::kNotFound, "The printer or class does not exist.", false},
        {0x0500, "Internal server error", false},
        {0x0502, "Service unavailable", false},
    };
    for (const auto& c : cases) {
        FakeCupsApi server;
        server.queues = StandardQueues();
        server.failures["VX_USB"] = {false, c.status, c.text};
        CCupsSpoolerHold fresh{server, journal};
        log.Clear();
        EXPECT_TRUE(fresh.ChangeWinDrvPortName(0)) << c.text;
        EXPECT_EQ(fresh.TakeQueuesRefusedToTell(),
                  c.told ? std::vector<std::string>{"VX_USB"} : std::vector<std::string>{})
            << c.text;
        EXPECT_EQ(log.Contains("ChangeWinDrvPortName : (VX_USB) is not held: refused to this user (" +
                               std::string(c.text) +
                               "); the exchange goes on (members of lpadmin may pause it)"),
                  c.told)
            << c.text;
        EXPECT_EQ(fresh.m_DrvInfo.count("VX_USB"), 0u);
        fresh.RestoreWinDrvPortName();
    }
}

TEST_F(SpoolerHoldTest, EachRefusedQueueIsToldOnceHoweverOftenItIsRefused) {
    cups.failures["VX_USB"] = {false, CupsResult::kNotAuthorized, "Unauthorized"};
    cups.failures["VX_SERIAL"] = {false, CupsResult::kNotAuthorized, "Unauthorized"};
    EXPECT_TRUE(hold.ChangeWinDrvPortName(0));
    EXPECT_TRUE(hold.ChangeWinDrvPortName(2)); // refused again before anyone was told
    EXPECT_EQ(hold.TakeQueuesRefusedToTell(), (std::vector<std::string>{"VX_SERIAL", "VX_USB"}));
    EXPECT_THAT(hold.TakeQueuesRefusedToTell(), IsEmpty());
    hold.RestoreWinDrvPortName();
    log.Clear();
    EXPECT_TRUE(hold.ChangeWinDrvPortName(2));
    EXPECT_THAT(hold.TakeQueuesRefusedToTell(), IsEmpty());
    // Still logged every time.
    EXPECT_TRUE(log.Contains("ChangeWinDrvPortName : SetPrinter failed with (1027) Unauthorized (VX_USB)"));
    EXPECT_EQ(StateOf("VX_USB"), CupsQueue::kIdle);
    EXPECT_FALSE(Journal().has_value());
}

TEST_F(SpoolerHoldTest, JournalNamesTheQueuesAndTheOwnerBeforeAnyIsPaused) {
    std::vector<std::vector<std::string>> journalAtPause;
    cups.beforePause = [&](const std::string&) {
        const auto contents = Journal();
        ASSERT_TRUE(contents);
        EXPECT_EQ(contents->owner, ProcessIdentity::Self());
        EXPECT_EQ(contents->server, "/run/fake-cups.sock");
        journalAtPause.push_back(contents->queues);
    };
    ASSERT_TRUE(hold.ChangeWinDrvPortName(2));
    const std::vector<std::string> both = {"VX_SERIAL", "VX_USB"};
    EXPECT_EQ(journalAtPause, (std::vector<std::vector<std::string>>{both, both}));
    EXPECT_EQ(Journal()->queues, both);
}

TEST_F(SpoolerHoldTest, EntriesLeaveTheJournalAsTheirQueuesAreResumed) {
    ASSERT_TRUE(hold.ChangeWinDrvPortName(2));
    cups.failures["VX_USB"] = {false, 0x0502, "cannot connect to the CUPS server"};
    EXPECT_TRUE(hold.RestoreWinDrvPortName());
    EXPECT_THAT(Journal()->queues, ElementsAre("VX_USB"));
    EXPECT_EQ(hold.HeldNow(), (std::set<std::string>{"VX_USB"}));
    EXPECT_TRUE(log.Contains(
        "RestoreWinDrvPortName : SetPrinter failed with (1282) cannot connect to the CUPS server (VX_USB)"));

    cups.failures.clear(); // the server is back: the next restore finishes the job
    EXPECT_TRUE(hold.RestoreWinDrvPortName());
    EXPECT_EQ(StateOf("VX_USB"), CupsQueue::kIdle);
    EXPECT_FALSE(std::filesystem::exists(journal.Path()));
    EXPECT_THAT(CSpoolerJournal::Files(journal.Folder()), IsEmpty());
}

TEST_F(SpoolerHoldTest, AQueueDeletedWhileHeldLeavesTheJournal) {
    ASSERT_TRUE(hold.ChangeWinDrvPortName(0));
    cups.queues.erase(cups.queues.begin()); // VX_USB
    EXPECT_TRUE(hold.RestoreWinDrvPortName());
    EXPECT_TRUE(hold.HeldNow().empty());
    EXPECT_FALSE(std::filesystem::exists(journal.Path()));
}

TEST_F(SpoolerHoldTest, WithoutAJournalNothingIsPaused) {
    dir.write("state", "a file where the folder should be");
    EXPECT_TRUE(hold.ChangeWinDrvPortName(2));
    EXPECT_THAT(cups.Changes(), IsEmpty());
    EXPECT_TRUE(hold.m_DrvInfo.empty());
    EXPECT_TRUE(log.Contains("ChangeWinDrvPortName : no queue is paused without the journal."));
    EXPECT_FALSE(hold.RestoreWinDrvPortName());
}

// A hold inside another (an exchange inside a whole Connect) keeps the queues of the first and pauses its
// own; its restore resumes nothing while the outer hold remains, and the outer restore resumes them all.
TEST_F(SpoolerHoldTest, ANestedHoldKeepsTheQueuesOfTheOuterAndResumesNothingEarly) {
    ASSERT_TRUE(hold.ChangeWinDrvPortName(0));
    ASSERT_TRUE(hold.ChangeWinDrvPortName(1));
    EXPECT_EQ(hold.Holds(), 2);
    EXPECT_EQ(hold.m_DrvInfo.size(), 2u);
    EXPECT_FALSE(log.Contains("ChangeWinDrvPortName : (VX_USB) is paused already (" +
                              std::string(CCupsSpoolerHold::kHoldMessage) + "); left as it is."));
    EXPECT_THAT(Journal()->queues, ElementsAre("VX_SERIAL", "VX_USB"));
    cups.calls.clear();
    EXPECT_TRUE(hold.RestoreWinDrvPortName());
    EXPECT_THAT(cups.Changes(), IsEmpty());
    EXPECT_TRUE(log.Contains("RestoreWinDrvPortName : an outer hold remains (1); nothing resumed"));
    EXPECT_EQ(StateOf("VX_USB"), CupsQueue::kStopped);
    EXPECT_EQ(StateOf("VX_SERIAL"), CupsQueue::kStopped);
    EXPECT_EQ(hold.Holds(), 1);
    // Another exchange inside the same outer hold: nothing new to pause, nothing resumed.
    ASSERT_TRUE(hold.ChangeWinDrvPortName(1));
    EXPECT_TRUE(hold.RestoreWinDrvPortName());
    EXPECT_THAT(cups.Changes(), IsEmpty());
    EXPECT_TRUE(hold.RestoreWinDrvPortName());
    EXPECT_EQ(cups.Changes(), (std::vector<std::string>{"resume VX_SERIAL", "resume VX_USB"}));
    EXPECT_EQ(hold.Holds(), 0);
    EXPECT_FALSE(std::filesystem::exists(journal.Path()));
}

TEST_F(SpoolerHoldTest, PrintingNowNamesTheSelectedQueuesThatArePrinting) {
    for (const char* name : {"VX_USB", "VX_SERIAL", "ACME_USB", "VX_LOWER"})
        cups.Find(name)->state = CupsQueue::kProcessing;
    EXPECT_THAT(hold.QueuesPrintingNow(0), ElementsAre("VX_USB"));
    EXPECT_THAT(hold.QueuesPrintingNow(1), ElementsAre("VX_SERIAL"));
    EXPECT_THAT(hold.QueuesPrintingNow(2), ElementsAre("VX_USB", "VX_SERIAL"));
    EXPECT_TRUE(log.Contains("QueuesPrintingNow : (VX_USB) is printing."));
    EXPECT_THAT(cups.Changes(), IsEmpty());

    cups.Find("VX_USB")->state = CupsQueue::kIdle;
    EXPECT_THAT(hold.QueuesPrintingNow(0), IsEmpty());
    cups.listResult = {false, 0x0502, "no server"};
    EXPECT_THAT(hold.QueuesPrintingNow(2), IsEmpty());
    EXPECT_TRUE(log.Contains("QueuesPrintingNow : EnumPrinters failed with (1282) no server"));
}

// --- the journal file and its owner ---

TEST(SpoolerJournal, FormatAndParseRoundTripAndRejectWhatIsNoJournal) {
    const CSpoolerJournal::Contents contents{{4242, 987654321ULL}, "/tmp/x y/cups.sock", {"A", "B_2"}};
    const auto parsed = CSpoolerJournal::Parse(CSpoolerJournal::Format(contents));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->owner, contents.owner);
    EXPECT_EQ(parsed->server, contents.server);
    EXPECT_EQ(parsed->queues, contents.queues);
    for (const char* bad : {"", "something else\nowner 1 2\nserver s\n",
                            "quorlink-tool held print queues 1\nserver s\nqueue A\n",
                            "quorlink-tool held print queues 1\nowner x 2\nserver s\n",
                            "quorlink-tool held print queues 1\nowner 12 2\n"})
        EXPECT_FALSE(CSpoolerJournal::Parse(bad)) << bad;
}

TEST(SpoolerJournal, WriteReplacesTheWholeFileAndAnEmptySetRemovesIt) {
    TempDir dir;
    const CSpoolerJournal journal(dir.file("a/b/quorlink-tool"), ProcessIdentity{77, 88});
    std::string error;
    ASSERT_TRUE(journal.Write("srv", {"Q1", "Q2"}, error)) << error;
    EXPECT_EQ(journal.Path(), dir.file("a/b/quorlink-tool/held-queues-77-88"));
    EXPECT_EQ((std::filesystem::status(journal.Folder()).permissions() & std::filesystem::perms::all),
              std::filesystem::perms::owner_all);
    ASSERT_TRUE(journal.Write("srv", {"Q2"}, error));
    EXPECT_THAT(CSpoolerJournal::Read(journal.Path())->queues, ElementsAre("Q2"));
    EXPECT_THAT(CSpoolerJournal::Files(journal.Folder()),
                ElementsAre(journal.Path())); // nothing half-written
    ASSERT_TRUE(journal.Write("srv", {}, error));
    EXPECT_FALSE(std::filesystem::exists(journal.Path()));
    EXPECT_TRUE(journal.Write("srv", {}, error)); // removing what is not there is fine

    const CSpoolerJournal nowhere("", ProcessIdentity{77, 88});
    EXPECT_FALSE(nowhere.Write("srv", {"Q1"}, error));
}

TEST(SpoolerJournal, DefaultFolderFollowsXdgStateHomeThenHome) {
    struct SavedVariable {
        explicit SavedVariable(const char* name) : name(name) {
            if (const char* value = std::getenv(name))
                saved = value;
        }
        ~SavedVariable() {
            if (saved)
                ::setenv(name, saved->c_str(), 1);
            else
                ::unsetenv(name);
        }
        const char* name;
        std::optional<std::string> saved;
    } state("XDG_STATE_HOME"), home("HOME");
    ::setenv("HOME", "/home/someone", 1);
    ::setenv("XDG_STATE_HOME", "/var/state", 1);
    EXPECT_EQ(CSpoolerJournal::DefaultFolder(), "/var/state/quorlink-tool");
    ::setenv("XDG_STATE_HOME", "relative/state", 1); // not absolute: ignored
    EXPECT_EQ(CSpoolerJournal::DefaultFolder(), "/home/someone/.local/state/quorlink-tool");
    ::unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(CSpoolerJournal::DefaultFolder(), "/home/someone/.local/state/quorlink-tool");
}

TEST(ProcessIdentityTest, StartTimeIsReadPastACommandWithBlanksAndParentheses) {
    const std::string fields = " S 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 424242 19 20\n";
    EXPECT_EQ(ProcessIdentity::StartTimeFromStat("123 (a) (b c) d)" + fields), 424242ULL);
    EXPECT_FALSE(
        ProcessIdentity::StartTimeFromStat("123 (x) Z 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 9"));
    EXPECT_FALSE(ProcessIdentity::StartTimeFromStat("123 (x) S 1 2"));
    EXPECT_FALSE(ProcessIdentity::StartTimeFromStat("garbage"));
}

TEST(ProcessIdentityTest, ARunningProcessIsItselfAndNotAnotherWithItsId) {
    const ProcessIdentity self = ProcessIdentity::Self();
    EXPECT_GT(self.startTime, 0u);
    EXPECT_TRUE(self.IsRunning());
    EXPECT_FALSE((ProcessIdentity{self.pid, self.startTime + 1}).IsRunning()); // the id used again
    EXPECT_FALSE(EndedProcess().IsRunning());

    const pid_t zombie = ::fork(); // ended, not yet reaped
    if (zombie == 0)
        ::_exit(0);
    for (int i = 0; i < 200 && ProcessIdentity::Of(zombie); ++i)
        ::usleep(5000);
    EXPECT_FALSE(ProcessIdentity::Of(zombie));
    ::waitpid(zombie, nullptr, 0);
}

// --- resuming after a run that ended without giving its queues back ---

namespace {

// Hands the replay one shared fake server and notes which server it asked for.
class ReplayTest : public ::testing::Test {
protected:
    ReplayTest() {
        cups.queues = StandardQueues();
        for (const char* name : {"VX_USB", "VX_SERIAL"}) {
            cups.Find(name)->state = CupsQueue::kStopped;
            cups.Find(name)->stateMessage = CCupsSpoolerHold::kHoldMessage;
        }
    }
    void Leave(const ProcessIdentity& owner, const std::set<std::string>& queues) {
        std::string error;
        ASSERT_TRUE(CSpoolerJournal(folder, owner).Write("/run/left.sock", queues, error)) << error;
    }
    int Replay() {
        return CCupsSpoolerHold::ResumeQueuesOfEndedRuns(folder, [this](const std::string& server) {
            servers.push_back(server);
            struct Forward : ICupsApi {
                explicit Forward(FakeCupsApi& to) : to(to) {}
                std::string Server() const override { return to.Server(); }
                CupsResult ListQueues(std::vector<CupsQueue>& q) override { return to.ListQueues(q); }
                CupsResult PauseQueue(const std::string& n, const std::string& r) override {
                    return to.PauseQueue(n, r);
                }
                CupsResult ResumeQueue(const std::string& n) override { return to.ResumeQueue(n); }
                FakeCupsApi& to;
            };
            return std::make_unique<Forward>(cups);
        });
    }

    CapturedLog log;
    TempDir dir;
    std::string folder = dir.file("quorlink-tool");
    FakeCupsApi cups;
    std::vector<std::string> servers;
};

} // namespace

TEST_F(ReplayTest, AJournalWhoseOwnerEndedIsResumedOnItsServerAndRemoved) {
    const ProcessIdentity ended = EndedProcess();
    Leave(ended, {"VX_SERIAL", "VX_USB"});
    EXPECT_EQ(Replay(), 2);
    EXPECT_THAT(servers, ElementsAre("/run/left.sock"));
    EXPECT_EQ(cups.Changes(), (std::vector<std::string>{"resume VX_SERIAL", "resume VX_USB"}));
    EXPECT_THAT(CSpoolerJournal::Files(folder), IsEmpty());
    EXPECT_TRUE(log.Contains("ResumeQueuesOfEndedRuns : (VX_USB) resumed."));
}

TEST_F(ReplayTest, AJournalWhoseOwnerRunsIsLeftAlone) {
    Leave(ProcessIdentity::Self(), {"VX_USB"});
    EXPECT_EQ(Replay(), 0);
    EXPECT_THAT(servers, IsEmpty());
    EXPECT_THAT(CSpoolerJournal::Files(folder),
                ElementsAre(CSpoolerJournal(folder, ProcessIdentity::Self()).Path()));
}

TEST_F(ReplayTest, AnOwnerWhoseIdWasTakenAgainCountsAsEnded) {
    const ProcessIdentity self = ProcessIdentity::Self();
    Leave({self.pid, self.startTime - 1}, {"VX_USB"});
    EXPECT_EQ(Replay(), 1);
    EXPECT_EQ(cups.Find("VX_USB")->state, CupsQueue::kIdle);
}

TEST_F(ReplayTest, WithTheServerDownTheJournalStaysForTheNextStart) {
    const ProcessIdentity ended = EndedProcess();
    Leave(ended, {"VX_SERIAL", "VX_USB"});
    cups.listResult = {false, 0x0502, "cannot connect to the CUPS server /run/left.sock: Connection refused"};
    EXPECT_EQ(Replay(), 0);
    EXPECT_THAT(CSpoolerJournal::Read(CSpoolerJournal(folder, ended).Path())->queues,
                ElementsAre("VX_SERIAL", "VX_USB"));
    EXPECT_TRUE(
        log.Contains("ResumeQueuesOfEndedRuns : EnumPrinters failed with (1282) cannot connect to the "
                     "CUPS server /run/left.sock: Connection refused; the journal is kept."));

    cups.listResult = {};
    cups.failures["VX_USB"] = {false, 0x0401, "Forbidden"};
    EXPECT_EQ(Replay(), 1);
    EXPECT_THAT(CSpoolerJournal::Read(CSpoolerJournal(folder, ended).Path())->queues, ElementsAre("VX_USB"));
}

TEST_F(ReplayTest, QueuesNoLongerHeldByThisProgramAreLeftAsTheyAre) {
    const ProcessIdentity ended = EndedProcess();
    Leave(ended, {"VX_PAUSED", "ACME_USB", "GONE", "VX_USB"});
    EXPECT_EQ(Replay(), 1);
    EXPECT_EQ(cups.Changes(), (std::vector<std::string>{"resume VX_USB"}));
    EXPECT_EQ(cups.Find("VX_PAUSED")->state, CupsQueue::kStopped); // paused by someone else, for maintenance
    EXPECT_THAT(CSpoolerJournal::Files(folder), IsEmpty());
    EXPECT_TRUE(log.Contains("ResumeQueuesOfEndedRuns : (GONE) no longer exists."));
    EXPECT_TRUE(log.Contains(
        "ResumeQueuesOfEndedRuns : (VX_PAUSED) is no longer held by this program; left as it is."));
}

TEST_F(ReplayTest, APlainStartLooksAtTheFolderAndLogsNothing) {
    EXPECT_EQ(Replay(), 0); // no folder
    std::filesystem::create_directories(folder);
    dir.write("quorlink-tool/held-queues-1-2.new", "half");
    EXPECT_EQ(Replay(), 0);
    EXPECT_THAT(servers, IsEmpty());
    EXPECT_THAT(log.Lines(), IsEmpty());
    EXPECT_EQ(CCupsSpoolerHold::ResumeQueuesOfEndedRuns("", nullptr), 0);
}

TEST_F(ReplayTest, AFileThatIsNoJournalIsLeftAndTheOthersAreStillResumed) {
    std::filesystem::create_directories(folder);
    dir.write("quorlink-tool/held-queues-99-1", "not a journal\n");
    Leave(EndedProcess(), {"VX_USB"});
    EXPECT_EQ(Replay(), 1);
    EXPECT_TRUE(std::filesystem::exists(folder + "/held-queues-99-1"));
}

TEST_F(ReplayTest, AFolderNamedWithATrailingSlashIsTheSameFolder) {
    Leave(EndedProcess(), {"VX_USB"});
    folder += "/";
    EXPECT_EQ(Replay(), 1);
    EXPECT_THAT(CSpoolerJournal::Files(folder), IsEmpty());
}
