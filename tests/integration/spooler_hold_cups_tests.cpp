// The spooler hold against a real cupsd of its own: a private configuration, state, spool, cache and log
// folder under /tmp, a unix socket there as the only listener (no TCP, no browsing), and a backend folder
// whose usb and serial backends are stand-ins that never open a device. Queues come from lpadmin with a
// small PPD: the maker's USB and serial queues, another maker's USB queue, and one of the maker's that is
// paused already. Exit 77 when no such server can be started here.
#include "devport/CCupsApi.h"
#include "devport/CCupsSpoolerHold.h"

#include "app/StringTable.h"
#include "ui/wlanadv/BlockingWindowLoop.h"
#include "ui/wlanadv/CVRXPageWLanAdvSetting.h"

#include "CapturedLog.h"
#include "DeviceSimProcess.h"
#include "FakeCursor.h"
#include "FakeDevicePort.h"
#include "FakeGroupEditor.h"
#include "FakeMessageBox.h"
#include "PageDoubles.h"
#include "LabelPpd.h"
#include "TempDir.h"
#include "Unprivileged.h"

#include <cups/cups.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <grp.h>
#include <map>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace std::chrono_literals;

namespace {

constexpr const char* kCupsd = "/usr/sbin/cupsd";
constexpr const char* kCupsExec = "/usr/lib/cups/daemon/cups-exec";
constexpr const char* kLpadmin = "/usr/sbin/lpadmin";
constexpr const char* kLp = "/usr/bin/lp";
constexpr const char* kCancel = "/usr/bin/cancel";
constexpr uid_t kNobody = 65534;

// A stand-in backend: lists no devices, swallows a job and finishes it once the release file exists.
const char* const kStandInBackend = "#!/bin/sh\n"
                                    "# stand-in backend of the test server: never opens any device\n"
                                    "[ $# -eq 0 ] && exit 0\n"
                                    "cat > /dev/null\n"
                                    "release=\"${0%/bin/backend/*}/release-jobs\"\n"
                                    "while [ ! -e \"$release\" ]; do sleep 0.1; done\n"
                                    "exit 0\n";

// Runs argv, returns its exit status (-1 when it could not run) and what it wrote.
int RunProgram(const std::vector<std::string>& argv, std::string* output = nullptr,
               const std::vector<std::pair<std::string, std::string>>& env = {}) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeFds[1], 1);
        ::dup2(pipeFds[1], 2);
        for (const auto& [name, value] : env)
            ::setenv(name.c_str(), value.c_str(), 1);
        std::vector<char*> args;
        for (const auto& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof(buffer))) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (output)
        *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool CanConnect(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof(address.sun_path), "%s", path.c_str());
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return ok;
}

// The private server and everything it keeps.
class PrivateCups {
public:
    std::string Start();
    // Starts the server again after a Stop, with the queues and their states as it saved them.
    std::string Launch();
    void Stop();

    std::string Path(const std::string& name) const { return base.file(name); }
    std::string Socket() const { return Path("cups.sock"); }
    std::string Token() const { return "quorlink-private-cups-" + std::to_string(::getpid()); }
    std::string ErrorLog() const { return base.read("log/error_log"); }

    TempDir base;
    pid_t pid = -1;
};

std::string PrivateCups::Start() {
    for (const char* tool : {kCupsd, kCupsExec, kLpadmin, kLp, kCancel})
        if (::access(tool, X_OK) != 0)
            return std::string(tool) + " is missing (Debian packages cups-daemon and cups-client)";
    if (Socket().size() >= sizeof(sockaddr_un::sun_path))
        return "the temporary folder's path is too long for a unix socket";

    ::chmod(base.path().c_str(),
            0755); // the backends run as the spooler's user and look for the release file
    for (const char* folder : {"etc", "bin", "bin/backend", "bin/daemon", "bin/filter", "cache", "state",
                               "spool", "spool/tmp", "log", "ppd", "journal-home"})
        std::filesystem::create_directories(base.path() / folder);
    ::chmod(Path("journal-home").c_str(), 0777); // also written by the test's unprivileged child
    base.write(
        "etc/cupsd.conf",
        "LogLevel debug\n"
        "Listen " +
            Socket() +
            "\n"
            "Browsing No\nBrowseLocalProtocols none\nWebInterface No\nDefaultAuthType Basic\n"
            "IdleExitTimeout 0\nDirtyCleanInterval 0\n"
            "<Location />\n  Order allow,deny\n</Location>\n"
            "<Location /admin>\n  Order allow,deny\n</Location>\n"
            "<Policy default>\n"
            "  <Limit Pause-Printer Resume-Printer CUPS-Add-Modify-Printer CUPS-Delete-Printer Cancel-Jobs>\n"
            "    AuthType Default\n    Require user @SYSTEM\n    Order deny,allow\n  </Limit>\n"
            "  <Limit Cancel-Job>\n    Require user @OWNER @SYSTEM\n    Order deny,allow\n  </Limit>\n"
            "  <Limit All>\n    Order deny,allow\n  </Limit>\n"
            "</Policy>\n");
    // As root, the test's own administrator is root and everybody else is asked for a password. Run by
    // another user, that user's group administers the server.
    const group* ownGroup = ::getgrgid(::getegid());
    const std::string administrators = ::geteuid() == 0 || !ownGroup ? "root" : ownGroup->gr_name;
    base.write("etc/cups-files.conf", "SystemGroup " + administrators + "\n" +
                                          (::geteuid() == 0 ? "PeerCred root-only\n" : "PeerCred on\n") +
                                          "ServerRoot " + Path("etc") +
                                          "\n"
                                          "ServerBin " +
                                          Path("bin") +
                                          "\n"
                                          "CacheDir " +
                                          Path("cache") +
                                          "\n"
                                          "StateDir " +
                                          Path("state") +
                                          "\n"
                                          "RequestRoot " +
                                          Path("spool") +
                                          "\n"
                                          "TempDir " +
                                          Path("spool/tmp") +
                                          "\n"
                                          "ErrorLog " +
                                          Path("log/error_log") +
                                          "\n"
                                          "AccessLog " +
                                          Path("log/access_log") +
                                          "\n"
                                          "PageLog " +
                                          Path("log/page_log") +
                                          "\n"
                                          "Printcap " +
                                          Path("printcap") + "\n");
    for (const char* backend : {"bin/backend/usb", "bin/backend/serial"}) {
        base.write(backend, kStandInBackend);
        ::chmod(Path(backend).c_str(), 0755);
    }
    // The filter a queue's maintenance commands go through: missing, a restarted server would put its
    // warning in the queues' state messages.
    base.write("bin/filter/commandtops", "#!/bin/sh\ncat > /dev/null\nexit 0\n");
    ::chmod(Path("bin/filter/commandtops").c_str(), 0755);
    std::filesystem::create_symlink(kCupsExec, Path("bin/daemon/cups-exec"));
    base.write("ppd/voranex.ppd", PpdFor("VORANEX"));
    base.write("ppd/acme.ppd", PpdFor("ACME"));

    return Launch();
}

std::string PrivateCups::Launch() {
    pid = ::fork();
    if (pid == 0) {
        const int out =
            ::open(Path("log/cupsd.out").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        ::dup2(out, 1);
        ::dup2(out, 2);
        const std::string conf = Path("etc/cupsd.conf"), files = Path("etc/cups-files.conf");
        ::execl(kCupsd, "cupsd", "-f", "-c", conf.c_str(), "-s", files.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    for (int i = 0; i < 100; ++i) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            pid = -1;
            return "cupsd ended at once: " + base.read("log/cupsd.out") + ErrorLog();
        }
        if (CanConnect(Socket()))
            return {};
        std::this_thread::sleep_for(100ms);
    }
    Stop();
    return "cupsd did not listen on " + Socket() + " within 10 s";
}

void PrivateCups::Stop() {
    if (pid <= 0)
        return;
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = -1;
            return;
        }
        std::this_thread::sleep_for(100ms);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    pid = -1;
}

PrivateCups* g_cups = nullptr;

const std::vector<std::string> kQueues = {"ACME_USB", "VX_PAUSED", "VX_SERIAL", "VX_USB"};

// The lpadmin command that makes one of the test queues.
std::vector<std::string> QueueCommand(const std::string& name) {
    const std::string voranex = g_cups->Path("ppd/voranex.ppd"), acme = g_cups->Path("ppd/acme.ppd");
    const std::map<std::string, std::pair<std::string, std::string>> queues = {
        {"VX_USB", {"usb://VORANEX/RK7?serial=Q1", voranex}},
        {"VX_SERIAL", {"serial:/dev/ttyQUORLINKTEST0?baud=115200", voranex}},
        {"ACME_USB", {"usb://ACME/LP2", acme}},
        {"VX_PAUSED", {"usb://VORANEX/RK8?serial=Q2", voranex}},
    };
    const auto& [uri, ppd] = queues.at(name);
    return {kLpadmin, "-p", name, "-E", "-v", uri, "-P", ppd, "-D", g_cups->Token()};
}

std::string MakeQueue(const std::string& name) {
    std::string output;
    if (RunProgram(QueueCommand(name), &output) != 0)
        return name + ": " + output;
    return {};
}

std::string RemoveQueue(const std::string& name) {
    std::string output;
    if (RunProgram({kLpadmin, "-x", name}, &output) != 0)
        return name + ": " + output;
    return {};
}

std::string MakeQueues() {
    for (const char* name : {"VX_USB", "VX_SERIAL", "ACME_USB", "VX_PAUSED"})
        if (std::string failure = MakeQueue(name); !failure.empty())
            return failure;
    std::string output;
    if (RunProgram({"/usr/sbin/cupsdisable", "-r", "maintenance", "VX_PAUSED"}, &output) != 0)
        return "cupsdisable: " + output;
    return {};
}

// The state of the private server's queues.
std::map<std::string, CupsQueue> Queues() {
    CCupsApi cups(g_cups->Socket());
    std::vector<CupsQueue> list;
    EXPECT_TRUE(cups.ListQueues(list).ok);
    std::map<std::string, CupsQueue> byName;
    for (auto& queue : list)
        byName[queue.name] = queue;
    return byName;
}

std::vector<std::string> Paused() {
    std::vector<std::string> paused;
    for (const auto& [name, queue] : Queues())
        if (queue.state == CupsQueue::kStopped)
            paused.push_back(name + (queue.stateMessage == CCupsSpoolerHold::kHoldMessage
                                         ? " (held)"
                                         : " (" + queue.stateMessage + ")"));
    return paused;
}

std::string PrinterInfo(const std::string& name) {
    http_t* http =
        httpConnect2(g_cups->Socket().c_str(), 0, nullptr, AF_LOCAL, HTTP_ENCRYPTION_NEVER, 1, 5000, nullptr);
    if (!http)
        return {};
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", 0, "/printers/%s",
                     name.c_str());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-info");
    ipp_t* response = cupsDoRequest(http, request, "/");
    std::string info;
    if (ipp_attribute_t* attribute = ippFindAttribute(response, "printer-info", IPP_TAG_TEXT))
        info = ippGetString(attribute, 0, nullptr);
    ippDelete(response);
    httpClose(http);
    return info;
}

template <typename Condition> bool WaitFor(Condition condition, std::chrono::milliseconds limit = 10s) {
    for (const auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
        if (condition())
            return true;
        std::this_thread::sleep_for(50ms);
    }
    return condition();
}

// The same program, started as a process that holds the queues of target and then waits to be killed.
// Its standard input is a pipe: closing it (End) makes the process restore the queues and end, as a run
// of the program ends.
struct Holder {
    explicit Holder(int target, const std::string& folder) {
        int pipeFds[2], inputFds[2];
        if (::pipe2(pipeFds, O_CLOEXEC) != 0 || ::pipe2(inputFds, O_CLOEXEC) != 0)
            return;
        pid = ::fork();
        if (pid == 0) {
            ::dup2(pipeFds[1], 1);
            ::dup2(inputFds[0], 0);
            const std::string targetText = std::to_string(target);
            ::execl("/proc/self/exe", "spooler-hold-cups-tests", "--hold-queues", targetText.c_str(),
                    folder.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(pipeFds[1]);
        ::close(inputFds[0]);
        output = pipeFds[0];
        input = inputFds[1];
        reply = ReadLine();
    }
    ~Holder() {
        Kill();
        if (input >= 0)
            ::close(input);
        if (output >= 0)
            ::close(output);
    }
    std::string ReadLine() const {
        std::string line;
        char c = 0;
        while (::read(output, &c, 1) == 1) {
            line += c;
            if (c == '\n')
                break;
        }
        return line;
    }
    // Restores and ends; what it said about the restore.
    std::string End() {
        ::close(input);
        input = -1;
        const std::string said = ReadLine();
        ::waitpid(pid, nullptr, 0);
        pid = -1;
        return said;
    }
    void Kill() {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            pid = -1;
        }
    }
    pid_t pid = -1;
    int input = -1, output = -1;
    std::string reply;
};

int HoldQueuesAndWait(int target, const std::string& folder) {
    CCupsApi cups; // the server of CUPS_SERVER, as the program finds it
    const CSpoolerJournal journal(folder, ProcessIdentity::Self());
    CCupsSpoolerHold hold(cups, journal);
    hold.ChangeWinDrvPortName(target);
    std::printf("held %zu\n", hold.m_DrvInfo.size());
    std::fflush(stdout);
    char c = 0;
    while (::read(0, &c, 1) > 0) {
    }
    hold.RestoreWinDrvPortName();
    std::printf("still held %zu\n", hold.HeldNow().size());
    std::fflush(stdout);
    return 0;
}

// The print server as the hold sees it, counting the pauses and resumes it asks for.
class CountingCups : public ICupsApi {
public:
    explicit CountingCups(ICupsApi& server) : m_server(server) {}
    std::string Server() const override { return m_server.Server(); }
    CupsResult ListQueues(std::vector<CupsQueue>& queues) override { return m_server.ListQueues(queues); }
    CupsResult PauseQueue(const std::string& name, const std::string& reason) override {
        pauses.push_back(name);
        threads.push_back(std::this_thread::get_id());
        return m_server.PauseQueue(name, reason);
    }
    CupsResult ResumeQueue(const std::string& name) override {
        resumes.push_back(name);
        threads.push_back(std::this_thread::get_id());
        return m_server.ResumeQueue(name);
    }
    std::vector<std::string> pauses, resumes;
    std::vector<std::thread::id> threads;

private:
    ICupsApi& m_server;
};

// What the WLAN (Advanced) page needs around it to connect without windows: the page's timer ticks as the
// waiting dialog runs, the connection dialog picks the serial port.
class PageTimerStandIn : public IPageTimer {
public:
    std::set<int> running;
    void StartTimer(int id, int) override { running.insert(id); }
    void StopTimer(int id) override { running.erase(id); }
};
class WaitingStandIn : public IWaitingDialog {
public:
    WaitingStandIn(PageTimerStandIn& timer, CVRXPageWLanAdvSetting*& page) : m_timer(timer), m_page(page) {}
    std::function<void()> onTick;
    void RunModal() override {
        m_closed = false;
        for (int tick = 0; !m_closed && !m_timer.running.empty() && tick < 100; ++tick) {
            if (onTick)
                onTick();
            m_page->OnTimer(*m_timer.running.begin());
        }
    }
    void Close() override { m_closed = true; }

private:
    PageTimerStandIn& m_timer;
    CVRXPageWLanAdvSetting*& m_page;
    bool m_closed = false;
};
class NoFileDialogs : public IFileDialogs {
public:
    std::optional<std::string> GetOpenFileName(const std::string&, const std::vector<Filter>&) override {
        return {};
    }
    std::optional<std::string> GetSaveFileName(const std::string&, const std::vector<Filter>&) override {
        return {};
    }
};
class SerialChoice : public IDeviceConnectionDialog {
public:
    std::function<void()> onRun;
    Choice Run() override {
        if (onRun)
            onRun();
        return {1, VRX_DEVICE_INTERFACE_SERIAL, {}};
    }
};

class PrivateCupsTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Every queue but the paused one runs; the paused one is paused for its own reason.
        CCupsApi cups(g_cups->Socket());
        for (const char* name : {"VX_USB", "VX_SERIAL", "ACME_USB"})
            ASSERT_TRUE(cups.ResumeQueue(name).ok) << name;
        ASSERT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)"));
        std::filesystem::remove_all(stateHome);
        std::filesystem::create_directories(stateHome);
    }

    CapturedLog log;
    std::string stateHome = g_cups->Path("journal-home/state");
    std::string folder = stateHome + "/quorlink-tool";
    CCupsApi cups{g_cups->Socket()};
    CSpoolerJournal journal{folder, ProcessIdentity::Self()};
    CCupsSpoolerHold hold{cups, journal};
};

} // namespace

TEST_F(PrivateCupsTest, TheServerAnsweringIsThePrivateOne) {
    EXPECT_EQ(std::string(std::getenv("CUPS_SERVER")), g_cups->Socket());
    EXPECT_EQ(CCupsApi().Server(), g_cups->Socket());
    std::vector<std::string> names;
    for (const auto& [name, queue] : Queues()) {
        names.push_back(name);
        EXPECT_EQ(PrinterInfo(name), g_cups->Token()) << name;
    }
    EXPECT_EQ(names, kQueues);
    EXPECT_EQ(Queues()["VX_USB"].makeAndModel, "VORANEX RK7 Label Printer"); // the PPD's *NickName
    EXPECT_EQ(Queues()["VX_SERIAL"].deviceUri, "serial:/dev/ttyQUORLINKTEST0?baud=115200");
}

TEST_F(PrivateCupsTest, EachTargetPausesItsQueuesAndRestoringResumesOnlyThoseTwice) {
    struct Case {
        int target;
        std::vector<std::string> paused;
    } cases[] = {
        {0, {"VX_PAUSED (maintenance)", "VX_USB (held)"}},
        {1, {"VX_PAUSED (maintenance)", "VX_SERIAL (held)"}},
        {2, {"VX_PAUSED (maintenance)", "VX_SERIAL (held)", "VX_USB (held)"}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(hold.ChangeWinDrvPortName(c.target));
        EXPECT_EQ(Paused(), c.paused) << "target " << c.target;
        EXPECT_EQ(CSpoolerJournal::Read(journal.Path())->server, g_cups->Socket());

        EXPECT_TRUE(hold.RestoreWinDrvPortName());
        EXPECT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)"));
        EXPECT_FALSE(std::filesystem::exists(journal.Path()));

        log.Clear();
        EXPECT_TRUE(hold.RestoreWinDrvPortName()); // the same again
        EXPECT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)"));
        EXPECT_EQ(log.LinesStartingWith("RestoreWinDrvPortName : ("), [&] {
            std::vector<std::string> lines;
            for (const auto& [name, uri] : hold.m_DrvInfo)
                lines.push_back("RestoreWinDrvPortName : (" + name + ") (" + uri + ")");
            return lines;
        }());
        EXPECT_EQ(hold.m_DrvInfo.size(), c.paused.size() - 1);
    }
}

// Holds nest: the exchanges' own holds and restores inside an operation's hold never resume a queue; the
// outermost restore resumes them all, once.
TEST_F(PrivateCupsTest, NestedHoldsKeepTheQueuesPausedUntilTheOutermostIsGivenBack) {
    CountingCups counting(cups);
    CCupsSpoolerHold nested(counting, journal);
    ASSERT_TRUE(nested.ChangeWinDrvPortName(2));
    const std::vector<std::string> held = {"VX_PAUSED (maintenance)", "VX_SERIAL (held)", "VX_USB (held)"};
    EXPECT_EQ(Paused(), held);
    for (int exchange = 0; exchange < 3; ++exchange) {
        ASSERT_TRUE(nested.ChangeWinDrvPortName(1));
        EXPECT_EQ(nested.Holds(), 2);
        EXPECT_TRUE(nested.RestoreWinDrvPortName());
        EXPECT_EQ(Paused(), held) << "exchange " << exchange;
    }
    EXPECT_EQ(nested.Holds(), 1);
    EXPECT_TRUE(nested.RestoreWinDrvPortName());
    EXPECT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)"));
    EXPECT_EQ(nested.Holds(), 0);
    EXPECT_THAT(counting.pauses, ::testing::UnorderedElementsAre("VX_USB", "VX_SERIAL"));
    EXPECT_THAT(counting.resumes, ::testing::UnorderedElementsAre("VX_USB", "VX_SERIAL"));
    EXPECT_FALSE(std::filesystem::exists(journal.Path()));
}

// The WLAN (Advanced) page's Connect on a printer that never answers: from the connection dialog's port
// test to the last of its eighteen retries the queues stay paused, every use of the port among them; they
// are paused once and resumed once, and the calls to the server are made off the window thread.
TEST_F(PrivateCupsTest, TheWLanPageHoldsTheQueuesOnceForAWholeConnectWithItsRetries) {
    CountingCups counting(cups);
    CCupsSpoolerHold pageHold(counting, journal);
    EventLog events;
    FakeDevicePort port{VRX_DEVICE_INTERFACE_SERIAL, &events};
    std::vector<std::vector<std::string>> pausedAtWrites;
    port.responder = [&](const Bytes&) {
        pausedAtWrites.push_back(Paused());
        return std::vector<Bytes>{};
    };
    FakeSleeper sleeper;
    BlockingWindowLoop loop;
    FakeMessageBox messages;
    FakeCursor cursor;
    PageTimerStandIn timer;
    CVRXPageWLanAdvSetting* pointer = nullptr;
    WaitingStandIn waiting(timer, pointer);
    int ticks = 0;
    std::vector<std::string> pausedBetweenTicks;
    waiting.onTick = [&] {
        if (++ticks == 5)
            pausedBetweenTicks = Paused();
    };
    NoFileDialogs files;
    SerialChoice connection;
    std::vector<std::string> pausedAtDialog;
    connection.onRun = [&] { pausedAtDialog = Paused(); };
    NoMainWindow mainWindow;
    DeviceConfigState state;
    FakeGroupEditor editor(state, messages);
    CVRXPageWLanAdvSetting::Services services;
    services.ports.serial = &port;
    services.spooler = &pageHold;
    services.sleeper = &sleeper;
    CVRXPageWLanAdvSetting page(state, services, loop, messages, cursor, timer, waiting, files, connection,
                                mainWindow, editor);
    pointer = &page;
    page.OnInitDialog();

    page.OnBnClickedConnectBtn();

    const std::vector<std::string> held = {"VX_PAUSED (maintenance)", "VX_SERIAL (held)", "VX_USB (held)"};
    EXPECT_EQ(messages.Errors(), std::vector<std::string>{LoadString(161)});
    EXPECT_EQ(ticks, 18);
    EXPECT_EQ(pausedAtDialog, held);
    EXPECT_EQ(pausedBetweenTicks, held);
    ASSERT_GE(pausedAtWrites.size(), 19u);
    for (const auto& paused : pausedAtWrites)
        EXPECT_EQ(paused, held);
    EXPECT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)"));
    EXPECT_THAT(counting.pauses, ::testing::UnorderedElementsAre("VX_USB", "VX_SERIAL"));
    EXPECT_THAT(counting.resumes, ::testing::UnorderedElementsAre("VX_USB", "VX_SERIAL"));
    EXPECT_EQ(pageHold.Holds(), 0);
    EXPECT_EQ(std::count(counting.threads.begin(), counting.threads.end(), std::this_thread::get_id()), 0);
}

TEST_F(PrivateCupsTest, AQueuePrintingNowIsReportedBeforeTheHold) {
    std::filesystem::remove(g_cups->Path("release-jobs"));
    g_cups->base.write("label.raw", "^XA^FDquorlink^FS^XZ\n");
    std::string output;
    ASSERT_EQ(RunProgram({kLp, "-d", "VX_USB", "-o", "raw", g_cups->Path("label.raw")}, &output), 0)
        << output;
    ASSERT_TRUE(WaitFor([] { return Queues()["VX_USB"].state == CupsQueue::kProcessing; }))
        << g_cups->ErrorLog().substr(0, 4000);

    EXPECT_THAT(hold.QueuesPrintingNow(0), ElementsAre("VX_USB"));
    EXPECT_THAT(hold.QueuesPrintingNow(2), ElementsAre("VX_USB"));
    EXPECT_THAT(hold.QueuesPrintingNow(1), IsEmpty());

    // The command line refuses to hold a printing queue before it touches the port, unless told to go on.
    if (const char* cli = std::getenv("QL_CLI")) {
        std::string refused;
        EXPECT_EQ(RunProgram({cli, "device", "scan", "--port", "usb:1-1:vid_3f9a:pid_a007"}, &refused,
                             {{"XDG_STATE_HOME", stateHome}, {"CUPS_SERVER", g_cups->Socket()}}),
                  1)
            << refused;
        EXPECT_NE(refused.find("print queue VX_USB is printing"), std::string::npos) << refused;
        EXPECT_NE(refused.find("--force"), std::string::npos) << refused;
    }

    g_cups->base.write("release-jobs", "");
    EXPECT_TRUE(WaitFor([] { return Queues()["VX_USB"].state == CupsQueue::kIdle; }));
    EXPECT_THAT(hold.QueuesPrintingNow(0), IsEmpty());
}

TEST_F(PrivateCupsTest, TheJournalOfAKilledProcessIsResumedAtTheNextStartOnly) {
    Holder holder(2, folder);
    ASSERT_EQ(holder.reply, "held 2\n");
    ASSERT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)", "VX_SERIAL (held)", "VX_USB (held)"));
    const auto files = CSpoolerJournal::Files(folder);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(CSpoolerJournal::Read(files[0])->owner.pid, holder.pid);

    // A start while the holder runs leaves its queues alone. The command line is started the way a user
    // starts it, with CUPS_SERVER pointing nowhere: the journal names the server to go back to.
    const char* cli = std::getenv("QL_CLI");
    const auto start = [&] {
        if (!cli)
            return CCupsSpoolerHold::ResumeQueuesOfEndedRuns(folder, [](const std::string& server) {
                       return std::make_unique<CCupsApi>(server);
                   }) >= 0;
        std::string output;
        const int status =
            RunProgram({cli, "--version"}, &output,
                       {{"XDG_STATE_HOME", stateHome}, {"CUPS_SERVER", g_cups->Path("nowhere.sock")}});
        EXPECT_EQ(output.rfind("quorlink (", 0), 0u) << output; // the version line and nothing else
        EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
        return status == 0;
    };
    ASSERT_TRUE(start());
    EXPECT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)", "VX_SERIAL (held)", "VX_USB (held)"));
    EXPECT_EQ(CSpoolerJournal::Files(folder), files);

    holder.Kill(); // SIGKILL: no restore, no clean-up
    EXPECT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)", "VX_SERIAL (held)", "VX_USB (held)"));
    ASSERT_TRUE(start());
    EXPECT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)"));
    EXPECT_THAT(CSpoolerJournal::Files(folder), IsEmpty());
}

TEST_F(PrivateCupsTest, WithItsServerGoneAJournalIsKeptAndTheStartIsNotHeldUp) {
    std::string error;
    const CSpoolerJournal left(folder, ProcessIdentity{::getpid(), 1}); // this id, another start: ended
    ASSERT_TRUE(left.Write(g_cups->Path("gone.sock"), {"VX_USB"}, error)) << error;
    const auto began = std::chrono::steady_clock::now();
    EXPECT_EQ(CCupsSpoolerHold::ResumeQueuesOfEndedRuns(
                  folder, [](const std::string& server) { return std::make_unique<CCupsApi>(server); }),
              0);
    EXPECT_LT(std::chrono::steady_clock::now() - began, 1s);
    EXPECT_THAT(CSpoolerJournal::Read(left.Path())->queues, ElementsAre("VX_USB"));
    EXPECT_TRUE(
        log.Contains("ResumeQueuesOfEndedRuns : EnumPrinters failed with (1282) cannot connect to the "
                     "CUPS server " +
                     g_cups->Path("gone.sock") + ": No such file or directory; the journal is kept."))
        << ::testing::PrintToString(log.Lines());
}

// Starts the server again at the end of a test that stopped it, whatever happened in between.
struct ServerBack {
    ~ServerBack() {
        if (g_cups->pid <= 0) {
            EXPECT_EQ(g_cups->Launch(), "");
        }
    }
};

TEST_F(PrivateCupsTest, TheServerStoppedWhileQueuesAreHeldHasThemResumedAtTheNextStart) {
    ServerBack back;
    Holder holder(2, folder);
    ASSERT_EQ(holder.reply, "held 2\n");
    ASSERT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)", "VX_SERIAL (held)", "VX_USB (held)"));
    g_cups->Stop();

    // The run ends while the server is down: its restore fails at once, and the journal keeps both queues.
    auto began = std::chrono::steady_clock::now();
    EXPECT_EQ(holder.End(), "still held 2\n");
    EXPECT_LT(std::chrono::steady_clock::now() - began, 2s);
    const auto files = CSpoolerJournal::Files(folder);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_THAT(CSpoolerJournal::Read(files[0])->queues, ElementsAre("VX_SERIAL", "VX_USB"));

    const auto start = [&] {
        return CCupsSpoolerHold::ResumeQueuesOfEndedRuns(
            folder, [](const std::string& server) { return std::make_unique<CCupsApi>(server, 2000); });
    };
    // A start while the server is still down is not held up and keeps the journal.
    log.Clear();
    began = std::chrono::steady_clock::now();
    EXPECT_EQ(start(), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - began, 3s);
    EXPECT_EQ(CSpoolerJournal::Files(folder), files);
    EXPECT_EQ(log.LinesStartingWith("ResumeQueuesOfEndedRuns : EnumPrinters failed with (1282)").size(), 1u)
        << ::testing::PrintToString(log.Lines());

    // The server comes back with the queues paused as it saved them; the next start resumes them.
    ASSERT_EQ(g_cups->Launch(), "");
    ASSERT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)", "VX_SERIAL (held)", "VX_USB (held)"));
    log.Clear();
    EXPECT_EQ(start(), 2);
    EXPECT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)"));
    EXPECT_THAT(CSpoolerJournal::Files(folder), IsEmpty());
    EXPECT_TRUE(log.Contains("ResumeQueuesOfEndedRuns : (VX_USB) resumed."));
}

// The command line reads a printer on the simulator's pty; the server stops while the command holds the
// serial queue. The command still reads the printer, says the queue stays paused, and the next start of
// the program resumes it once the server is back.
TEST_F(PrivateCupsTest, TheServerStoppedInTheMiddleOfADeviceCommandLeavesItsQueueToTheNextStart) {
    const char* cli = std::getenv("QL_CLI");
    if (!cli || DeviceSimProcess::Program("QL_DEVICE_SIM_BIN", "quorlink-device-sim").empty())
        GTEST_SKIP() << "needs $QL_CLI and $QL_DEVICE_SIM_BIN";
    ServerBack back;
    DeviceSimProcess sim(nlohmann::json{{"behaviours", {{{"on", "SYS_REQ"}, {"delay_ms", 1500}}}}});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    const std::vector<std::pair<std::string, std::string>> env = {{"XDG_STATE_HOME", stateHome},
                                                                  {"CUPS_SERVER", g_cups->Socket()}};
    const std::string out = sim.dir().file("cli.txt");
    const pid_t child = ::fork();
    if (child == 0) {
        const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        ::dup2(fd, 1);
        ::dup2(fd, 2);
        for (const auto& [name, value] : env)
            ::setenv(name.c_str(), value.c_str(), 1);
        const std::string port = sim.LinkPath();
        ::execl(cli, "quorlink", "device", "read", "--port", port.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ASSERT_GT(child, 0);
    EXPECT_TRUE(WaitFor([] { return Queues()["VX_SERIAL"].state == CupsQueue::kStopped; }));
    g_cups->Stop();
    int status = -1;
    ::waitpid(child, &status, 0);
    const std::string said = sim.dir().read("cli.txt");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << said;
    EXPECT_NE(said.find("Configuration:"), std::string::npos) << said;
    EXPECT_NE(said.find("quorlink device read: print queue VX_SERIAL could not be resumed and stays paused; "
                        "the next start of quorlink tries again"),
              std::string::npos)
        << said;
    const auto files = CSpoolerJournal::Files(folder);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_THAT(CSpoolerJournal::Read(files[0])->queues, ElementsAre("VX_SERIAL"));

    ASSERT_EQ(g_cups->Launch(), "");
    ASSERT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)", "VX_SERIAL (held)"));
    std::string version;
    EXPECT_EQ(RunProgram({cli, "--version"}, &version, env), 0) << version;
    EXPECT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)"));
    EXPECT_THAT(CSpoolerJournal::Files(folder), IsEmpty());
}

TEST_F(PrivateCupsTest, AQueueRemovedWhileHeldDoesNotFailTheRestoreAndLeavesNoJournal) {
    ASSERT_TRUE(hold.ChangeWinDrvPortName(2));
    ASSERT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)", "VX_SERIAL (held)", "VX_USB (held)"));
    ASSERT_EQ(RemoveQueue("VX_USB"), "");
    log.Clear();
    EXPECT_TRUE(hold.RestoreWinDrvPortName());
    EXPECT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)"));
    EXPECT_THAT(hold.HeldNow(), IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(journal.Path()));
    EXPECT_TRUE(log.Contains("RestoreWinDrvPortName : (VX_USB) no longer exists; nothing to resume."))
        << ::testing::PrintToString(log.Lines());
    EXPECT_TRUE(
        log.Contains("RestoreWinDrvPortName : (VX_SERIAL) (serial:/dev/ttyQUORLINKTEST0?baud=115200)"));
    EXPECT_EQ(MakeQueue("VX_USB"), "");
}

TEST_F(PrivateCupsTest, AQueueRemovedWhileHeldByARunThatCrashedIsDroppedFromTheJournal) {
    Holder holder(2, folder);
    ASSERT_EQ(holder.reply, "held 2\n");
    ASSERT_EQ(RemoveQueue("VX_SERIAL"), "");
    holder.Kill();
    EXPECT_EQ(CCupsSpoolerHold::ResumeQueuesOfEndedRuns(
                  folder, [](const std::string& server) { return std::make_unique<CCupsApi>(server); }),
              1);
    EXPECT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)"));
    EXPECT_THAT(CSpoolerJournal::Files(folder), IsEmpty());
    EXPECT_TRUE(log.Contains("ResumeQueuesOfEndedRuns : (VX_SERIAL) no longer exists."));
    EXPECT_EQ(MakeQueue("VX_SERIAL"), "");
}

TEST_F(PrivateCupsTest, NoServerReachableIsLoggedAndTheHoldGoesOn) {
    CCupsApi nowhere(g_cups->Path("nowhere.sock"));
    CCupsSpoolerHold alone(nowhere, journal);
    const auto began = std::chrono::steady_clock::now();
    EXPECT_FALSE(alone.ChangeWinDrvPortName(0));
    EXPECT_LT(std::chrono::steady_clock::now() - began, 1s);
    EXPECT_FALSE(alone.RestoreWinDrvPortName());
    EXPECT_EQ(log.LinesStartingWith("ChangeWinDrvPortName : EnumPrinters failed with (1282)").size(), 1u);
    EXPECT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)"));
}

TEST_F(PrivateCupsTest, AUserWhomTheServerAsksForAPasswordIsNeverPromptedAndTheQueueIsSkipped) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to run a part of the test as nobody";
    const std::string childHome = g_cups->Path("journal-home/nobody");
    std::filesystem::create_directories(childHome);
    ::chown(childHome.c_str(), kNobody, kNobody);
    int master = -1;
    const pid_t child = ::forkpty(&master, nullptr, nullptr, nullptr); // a terminal a prompt would go to
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(90);
        DiagnosticLog::Process().Configure(false, {}, {});
        cupsSetUser(nullptr); // the user libcups took from the parent was root
        CCupsApi asNobody(g_cups->Socket());
        const CSpoolerJournal theirs(childHome, ProcessIdentity::Self());
        CCupsSpoolerHold nobodysHold(asNobody, theirs);
        const bool listed = nobodysHold.ChangeWinDrvPortName(0);
        // The refusal is one to tell the user about.
        const std::vector<std::string> refused = nobodysHold.TakeQueuesRefusedToTell();
        std::printf("done\n");
        std::fflush(stdout);
        ::_exit(listed && nobodysHold.m_DrvInfo.empty() && refused == std::vector<std::string>{"VX_USB"}
                    ? 0
                    : 91);
    }
    ASSERT_GT(child, 0);
    std::string terminal;
    int status = -1;
    for (const auto end = std::chrono::steady_clock::now() + 15s; std::chrono::steady_clock::now() < end;) {
        pollfd fd{master, POLLIN, 0};
        if (::poll(&fd, 1, 100) > 0) {
            char buffer[256];
            const ssize_t n = ::read(master, buffer, sizeof(buffer));
            if (n > 0)
                terminal.append(buffer, static_cast<size_t>(n));
        }
        if (::waitpid(child, &status, WNOHANG) == child)
            break;
    }
    if (!WIFEXITED(status) && !WIFSIGNALED(status)) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    ::close(master);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status << ": " << terminal;
    EXPECT_EQ(terminal.find("assword"), std::string::npos) << terminal;
    EXPECT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)"));
    // The server did ask: the request came back unauthorised, and no password was sent.
    const std::string access = g_cups->base.read("log/access_log");
    const size_t last = access.rfind("Pause-Printer");
    ASSERT_NE(last, std::string::npos);
    const std::string line = access.substr(access.rfind('\n', last) + 1, last - access.rfind('\n', last));
    EXPECT_THAT(line, ::testing::HasSubstr("\" 401 ")) << line;
}

// An ordinary user's exchange with a printer on a serial line whose queue the user may not pause: the
// command line, run as nobody against the module simulator on a pty of nobody's, is told once what that
// may do and how to allow it, is never prompted for a password, and reads the printer to the end.
TEST_F(PrivateCupsTest, AnOrdinaryUserIsToldOnceAboutTheQueueItMayNotPauseAndTheReadCompletes) {
    if (const std::string why = Unprivileged::WhyNot(); !why.empty())
        GTEST_SKIP() << why;
    const char* cli = std::getenv("QL_CLI");
    ASSERT_TRUE(cli && std::getenv("QL_DEVICE_SIM_BIN")) << "QL_CLI and QL_DEVICE_SIM_BIN";
    DeviceSimProcess sim(nlohmann::json{{"record", {{"bySSID", "Office"}}}});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    const std::string pty = sim.PtyPath();
    ASSERT_EQ(::chown(pty.c_str(), Unprivileged::kUid, Unprivileged::kGid), 0);
    ASSERT_EQ(::chmod(pty.c_str(), 0600), 0);

    Unprivileged user;
    const std::string program = user.Reachable(cli);
    const Unprivileged::Run run =
        user.Start({program, "device", "read", "--port", pty, "--json"},
                   {{"CUPS_SERVER", g_cups->Socket()}, {"XDG_STATE_HOME", user.dir().file("state")}});
    EXPECT_EQ(run.status, 0) << run.err << run.seen;
    EXPECT_EQ(run.seen.find("assword"), std::string::npos) << run.seen;
    EXPECT_EQ(run.err, "quorlink device read: warning: " +
                           StringTable::Fill(StringTable::English(StringId::SpoolerPauseRefused),
                                             {"VX_SERIAL", "nobody"}) +
                           "\n");
    const nlohmann::json read = nlohmann::json::parse(run.out, nullptr, false);
    EXPECT_EQ(read["record"]["bySSID"], "Office") << run.out;
    EXPECT_THAT(Paused(), ElementsAre("VX_PAUSED (maintenance)"));
    // The server was asked, and refused.
    const std::string access = g_cups->base.read("log/access_log");
    const size_t last = access.rfind("Pause-Printer");
    ASSERT_NE(last, std::string::npos);
    const std::string line = access.substr(access.rfind('\n', last) + 1, last - access.rfind('\n', last));
    EXPECT_THAT(line, ::testing::AnyOf(::testing::HasSubstr("\" 401 "), ::testing::HasSubstr("\" 403 ")))
        << line;
}

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--hold-queues")
        return HoldQueuesAndWait(std::atoi(argv[2]), argv[3]);

    ::testing::InitGoogleTest(&argc, argv);
    PrivateCups cups;
    g_cups = &cups;
    // Before anything reaches libcups: every client of this process and its children talks to the
    // private server, never to the machine's own.
    ::setenv("CUPS_SERVER", cups.Socket().c_str(), 1);
    ::setenv("XDG_STATE_HOME", cups.Path("journal-home/state").c_str(), 1);
    if (const std::string reason = cups.Start(); !reason.empty()) {
        std::printf("FAILED: no private cupsd: %s\n", reason.c_str());
        return 1;
    }
    if (const std::string failure = MakeQueues(); !failure.empty()) {
        std::printf("FAILED: the test queues could not be made: %s\n%s\n", failure.c_str(),
                    cups.ErrorLog().c_str());
        cups.Stop();
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    cups.Stop();
    return result;
}
