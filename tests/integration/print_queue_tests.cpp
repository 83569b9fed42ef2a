// Printing to the simulated printers through a private cupsd, inside the network harness: the quorlink
// backend's device list (lpinfo -v), jobs on quorlink:// queues that arrive byte for byte and follow the
// printer to a new address, a job that waits while the printer is gone, and the command line's queues.
// The socket backend of Debian's cups package is the reference a quorlink:// queue is held against.
//
// The printer namespace takes every address of 192.0.2.64/26 as its own (a local route), so that each
// simulated printer's print listener is reached at the printer's address; addresses outside it are gone.
#include "devport/CCupsApi.h"

#include <cups/cups.h>

#include "HarnessNetwork.h"
#include "LabelPpd.h"
#include "PrivateCupsServer.h"
#include "SimProcess.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <memory>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

constexpr const char* kPrinterRange = "192.0.2.64/26";
const char* const kSimConfig = R"({"printers": [
    {"type": "wired", "mac": "02:00:00:00:41:01", "ip": "192.0.2.71", "subnet": "255.255.255.0",
     "gateway": "192.0.2.254", "port": 9100},
    {"type": "wired", "mac": "02:00:00:00:41:02", "ip": "192.0.2.72", "subnet": "255.255.255.0",
     "gateway": "192.0.2.254", "port": 9101},
    {"type": "wireless", "mac": "02:00:00:00:42:01", "ip": "192.0.2.81", "subnet": "255.255.255.0",
     "gateway": "192.0.2.254", "port": 9100, "name": "Shipping bay"}]})";

// Runs argv with the private server as CUPS_SERVER; the exit status (-1 when it did not end normally).
int RunTool(const std::vector<std::string>& argv, std::string* output = nullptr);

PrivateCupsServer* g_cups = nullptr;
SimProcess* g_sim = nullptr;

int RunTool(const std::vector<std::string>& argv, std::string* output) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeFds[1], 1);
        ::dup2(pipeFds[1], 2);
        ::setenv("CUPS_SERVER", g_cups->Socket().c_str(), 1);
        std::vector<char*> args;
        for (const auto& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (output)
        *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

template <typename Condition> bool WaitFor(Condition condition, std::chrono::milliseconds limit) {
    for (const auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
        if (condition())
            return true;
        std::this_thread::sleep_for(100ms);
    }
    return condition();
}

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 0xF];
    }
    return out;
}

// A job's content: every byte value, so that nothing on the way may change one.
std::string JobBytes(const std::string& tag) {
    std::string bytes = "^XA " + tag + " ";
    for (int round = 0; round < 40; ++round)
        for (int value = 0; value < 256; ++value)
            bytes += static_cast<char>(value);
    return bytes + " ^XZ";
}

// The jobs printer mac has received so far.
nlohmann::json Printed(const std::string& mac) {
    const nlohmann::json state = g_sim->State();
    if (state.is_array())
        for (const auto& printer : state)
            if (printer.value("mac", "") == mac)
                return printer.value("printed", nlohmann::json::array());
    return nlohmann::json::array();
}

std::map<std::string, CupsQueue> Queues() {
    CCupsApi cups(g_cups->Socket());
    std::vector<CupsQueue> list;
    cups.ListQueues(list);
    std::map<std::string, CupsQueue> byName;
    for (auto& queue : list)
        byName[queue.name] = queue;
    return byName;
}

// What the server says of the one job of queue and of the queue: the job's state, its state reasons, the
// printer message it keeps from its last attempt, and the queue's printer-state-reasons.
struct WaitingJob {
    int state = 0;
    std::string reasons, printerMessage, queueReasons;
};

std::string Strings(ipp_attribute_t* attribute) {
    std::string text;
    for (int i = 0; attribute && i < ippGetCount(attribute); ++i)
        text += std::string(i ? "," : "") + ippGetString(attribute, i, nullptr);
    return text;
}

WaitingJob JobOf(const std::string& queue) {
    WaitingJob job;
    http_t* http =
        httpConnect2(g_cups->Socket().c_str(), 0, nullptr, AF_LOCAL, HTTP_ENCRYPTION_NEVER, 1, 5000, nullptr);
    if (!http)
        return job;
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     queue.c_str());
    static const char* const kJobAttributes[] = {"job-state", "job-state-reasons",
                                                 "job-printer-state-message"};
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOBS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3, nullptr,
                  kJobAttributes);
    if (ipp_t* response = cupsDoRequest(http, request, "/")) {
        if (ipp_attribute_t* state = ippFindAttribute(response, "job-state", IPP_TAG_ENUM))
            job.state = ippGetInteger(state, 0);
        job.reasons = Strings(ippFindAttribute(response, "job-state-reasons", IPP_TAG_KEYWORD));
        job.printerMessage = Strings(ippFindAttribute(response, "job-printer-state-message", IPP_TAG_TEXT));
        ippDelete(response);
    }
    request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state-reasons");
    if (ipp_t* response = cupsDoRequest(http, request, "/")) {
        job.queueReasons = Strings(ippFindAttribute(response, "printer-state-reasons", IPP_TAG_KEYWORD));
        ippDelete(response);
    }
    httpClose(http);
    return job;
}

std::string Cli() {
    const char* cli = std::getenv("QL_CLI");
    return cli ? cli : "";
}

// Prints a file of its own to queue and waits until printer mac has one job more; that job, or null.
nlohmann::json PrintAndWait(const std::string& queue, const std::string& mac, const std::string& bytes) {
    const std::size_t before = Printed(mac).size();
    const std::string file = "/tmp/quorlink-print-" + std::to_string(::getpid()) + ".bin";
    { std::ofstream(file, std::ios::binary) << bytes; }
    std::string output;
    const int status = RunTool({"lp", "-d", queue, "-o", "raw", file}, &output);
    std::remove(file.c_str());
    EXPECT_EQ(status, 0) << output;
    nlohmann::json job;
    WaitFor(
        [&] {
            const nlohmann::json printed = Printed(mac);
            if (printed.size() <= before)
                return false;
            job = printed.back();
            return true;
        },
        40s);
    return job;
}

class PrintQueue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!harness::InsideHarness("print-queue-tests"))
            GTEST_FAIL() << "runs only inside scripts/netns-harness (as root)";
        const char* printers = std::getenv("QL_NS_PRINTERS");
        std::string output;
        g_cups = new PrivateCupsServer; // Run needs the socket path
        if (RunTool({"ip", "-n", printers, "route", "replace", "local", kPrinterRange, "dev", "lo"},
                    &output) != 0)
            GTEST_FAIL() << "cannot give the printer namespace " << kPrinterRange << ": " << output;
        g_sim = new SimProcess(nlohmann::json::parse(kSimConfig));
        if (!g_sim->Ready())
            GTEST_FAIL() << "the printer simulator did not start: " << g_sim->Output();
        const char* backend = std::getenv("QL_BACKEND");
        if (!backend)
            GTEST_FAIL() << "QL_BACKEND names no backend";
        const std::string started = g_cups->Start({{"quorlink", backend},
                                                   {"socket", "/usr/lib/cups/backend/socket"},
                                                   {"lpd", "/usr/lib/cups/backend/lpd"}},
                                                  {{"voranex.ppd", PpdFor("VORANEX")}});
        if (!started.empty())
            GTEST_FAIL() << "the private cupsd did not start: " << started;
    }
    static void TearDownTestSuite() {
        delete g_sim;
        g_sim = nullptr;
        delete g_cups;
        g_cups = nullptr;
    }
    void SetUp() override {
        if (!g_cups || !g_sim || !g_sim->Ready())
            GTEST_FAIL() << "the fixture did not start";
    }
    void TearDown() override {
        if (HasFailure() && g_cups)
            std::printf("--- cupsd error_log (tail) ---\n%s\n",
                        g_cups->ErrorLog()
                            .substr(g_cups->ErrorLog().size() > 6000 ? g_cups->ErrorLog().size() - 6000 : 0)
                            .c_str());
    }
};

TEST_F(PrintQueue, LpinfoListsEveryPrinterByItsMacInTime) {
    std::string output;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(RunTool({"lpinfo", "--include-schemes", "quorlink,socket", "-l", "-v"}, &output), 0) << output;
    const auto took =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("lpinfo -v took %lld ms\n", static_cast<long long>(took.count()));
    EXPECT_LT(took, 15s);
    for (const char* uri :
         {"quorlink://02-00-00-00-41-01", "quorlink://02-00-00-00-41-02", "quorlink://02-00-00-00-42-01"})
        EXPECT_NE(output.find(std::string("uri = ") + uri + "\n"), std::string::npos) << uri << "\n"
                                                                                      << output;
    EXPECT_NE(output.find("info = Shipping bay (wireless, 02:00:00:00:42:01) (192.0.2.81)"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find("make-and-model = VORANEX Label Printer"), std::string::npos) << output;
    EXPECT_NE(output.find("device-id = MFG:VORANEX;MDL:Label Printer;"), std::string::npos) << output;
}

TEST_F(PrintQueue, JobsArriveByteForByteLikeTheSocketBackends) {
    std::string output;
    ASSERT_EQ(RunTool({"lpadmin", "-p", "QL_WIRED", "-E", "-v", "quorlink://02-00-00-00-41-01"}, &output), 0)
        << output;
    ASSERT_EQ(RunTool({"lpadmin", "-p", "QL_WIRELESS", "-E", "-v", "quorlink://02-00-00-00-42-01"}, &output),
              0)
        << output;
    ASSERT_EQ(RunTool({"lpadmin", "-p", "REF_SOCKET", "-E", "-v", "socket://192.0.2.72:9101"}, &output), 0)
        << output;
    struct Case {
        std::string queue, mac, at;
    };
    for (const Case& c : {Case{"REF_SOCKET", "02:00:00:00:41:02", "192.0.2.72:9101"},
                          Case{"QL_WIRED", "02:00:00:00:41:01", "192.0.2.71:9100"},
                          Case{"QL_WIRELESS", "02:00:00:00:42:01", "192.0.2.81:9100"}}) {
        SCOPED_TRACE(c.queue);
        const std::string bytes = JobBytes(c.queue);
        const nlohmann::json job = PrintAndWait(c.queue, c.mac, bytes);
        ASSERT_TRUE(job.is_object()) << "nothing arrived; queue says: " << Queues()[c.queue].stateMessage;
        EXPECT_EQ(job.value("at", ""), c.at);
        EXPECT_EQ(job.value("length", 0u), bytes.size());
        EXPECT_TRUE(job.value("hex", "") == Hex(bytes)) << "the bytes differ";
    }
}

TEST_F(PrintQueue, JobFollowsThePrinterAfterSetIp) {
    std::string output;
    ASSERT_EQ(RunTool({Cli(), "set-ip", "02:00:00:00:41:01", "--ip", "192.0.2.91", "--subnet",
                       "255.255.255.0", "--gateway", "192.0.2.254", "--yes"},
                      &output),
              0)
        << output;
    const auto start = std::chrono::steady_clock::now();
    const nlohmann::json job = PrintAndWait("QL_WIRED", "02:00:00:00:41:01", JobBytes("moved"));
    std::printf("job after the move arrived in %lld ms\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                           std::chrono::steady_clock::now() - start)
                                           .count()));
    ASSERT_TRUE(job.is_object()) << "nothing arrived; queue says: " << Queues()["QL_WIRED"].stateMessage;
    EXPECT_EQ(job.value("at", ""), "192.0.2.91:9100");
    EXPECT_EQ(job.value("hex", ""), Hex(JobBytes("moved")));
}

std::string UriOf(const std::string& queue) {
    return Queues()[queue].deviceUri;
}

TEST_F(PrintQueue, QueueAddMakesAWorkingQueueAndSaysItsDriver) {
    struct Case {
        std::vector<std::string> options;
        std::string queue, said, makeAndModel;
    };
    const Case cases[] = {
        {{"--name", "VX_DRIVER"}, "VX_DRIVER", "with the driver", "VORANEX RK7 Label Printer"},
        {{"--name", "VX_RAW", "--raw"}, "VX_RAW", "as a raw queue", "Local Raw Printer"},
        {{"--name", "VX_PPD", "--ppd", g_cups->Path("share/model/voranex.ppd")},
         "VX_PPD",
         "with the driver",
         "VORANEX RK7 Label Printer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.queue);
        std::vector<std::string> argv = {Cli(), "queue", "add", "02:00:00:00:41:02"};
        argv.insert(argv.end(), c.options.begin(), c.options.end());
        std::string output;
        ASSERT_EQ(RunTool(argv, &output), 0) << output;
        EXPECT_NE(output.find(c.said), std::string::npos) << output;
        const CupsQueue queue = Queues()[c.queue];
        EXPECT_EQ(queue.deviceUri, "quorlink://02-00-00-00-41-02");
        EXPECT_EQ(queue.makeAndModel, c.makeAndModel);
        const std::string bytes = JobBytes(c.queue);
        const nlohmann::json job = PrintAndWait(c.queue, "02:00:00:00:41:02", bytes);
        ASSERT_TRUE(job.is_object()) << "nothing arrived; queue says: " << queue.stateMessage;
        EXPECT_EQ(job.value("at", ""), "192.0.2.72:9101");
        EXPECT_TRUE(job.value("hex", "") == Hex(bytes)) << "the bytes differ";
    }
    std::string output;
    ASSERT_EQ(RunTool({Cli(), "queue", "list"}, &output), 0) << output;
    EXPECT_NE(output.find("02:00:00:00:41:02 at 192.0.2.72:9101"), std::string::npos) << output;
    EXPECT_NE(output.find("VX_RAW"), std::string::npos) << output;
}

TEST_F(PrintQueue, QueueAddWithoutTheRightsAdvisesAndNeverPrompts) {
    ASSERT_EQ(Unprivileged::WhyNot(), "");
    Unprivileged nobody;
    const Unprivileged::Run run =
        nobody.Start({nobody.Reachable(Cli()), "queue", "add", "02:00:00:00:41:01", "--name", "VX_NOBODY"},
                     {{"CUPS_SERVER", g_cups->Socket()}, {"HOME", nobody.dir().path()}});
    EXPECT_EQ(run.status, 3) << run.out << run.err;
    EXPECT_NE(run.err.find("\"lpadmin\""), std::string::npos) << run.err;
    EXPECT_EQ(run.seen.find("assword"), std::string::npos) << "a password was asked for: " << run.seen;
    EXPECT_EQ(Queues().count("VX_NOBODY"), 0u);
}

TEST_F(PrintQueue, SetIpUpdateQueuesMovesOnlyThatPrintersQueues) {
    std::string output;
    ASSERT_EQ(RunTool({"lpadmin", "-p", "MOVE_SOCKET", "-E", "-v", "socket://192.0.2.81:9100"}, &output), 0)
        << output;
    ASSERT_EQ(RunTool({"lpadmin", "-p", "MOVE_LPD", "-E", "-v", "lpd://192.0.2.81/labels"}, &output), 0)
        << output;
    ASSERT_EQ(RunTool({"lpadmin", "-p", "OTHER_SOCKET", "-E", "-v", "socket://192.0.2.72:9101"}, &output), 0)
        << output;
    const std::string wirelessBefore = UriOf("QL_WIRELESS");

    // Without --update-queues the queues are named, never changed.
    ASSERT_EQ(RunTool({Cli(), "set-ip", "02:00:00:00:42:01", "--ip", "192.0.2.94", "--subnet",
                       "255.255.255.0", "--gateway", "192.0.2.254", "--yes"},
                      &output),
              0)
        << output;
    EXPECT_NE(output.find("MOVE_SOCKET (socket://192.0.2.81:9100)"), std::string::npos) << output;
    EXPECT_EQ(UriOf("MOVE_SOCKET"), "socket://192.0.2.81:9100");

    // Re-pointing them at .94 takes the answer; the move to .95 then carries them along.
    ASSERT_EQ(RunTool({"lpadmin", "-p", "MOVE_SOCKET", "-v", "socket://192.0.2.94:9100"}, &output), 0)
        << output;
    ASSERT_EQ(RunTool({"lpadmin", "-p", "MOVE_LPD", "-v", "lpd://192.0.2.94/labels"}, &output), 0) << output;
    ASSERT_EQ(RunTool({Cli(), "set-ip", "02:00:00:00:42:01", "--ip", "192.0.2.95", "--subnet",
                       "255.255.255.0", "--gateway", "192.0.2.254", "--yes", "--update-queues"},
                      &output),
              0)
        << output;
    EXPECT_EQ(UriOf("MOVE_SOCKET"), "socket://192.0.2.95:9100") << output;
    EXPECT_EQ(UriOf("MOVE_LPD"), "lpd://192.0.2.95/labels") << output;
    EXPECT_EQ(UriOf("OTHER_SOCKET"), "socket://192.0.2.72:9101");
    EXPECT_EQ(UriOf("QL_WIRELESS"), wirelessBefore);
    const nlohmann::json job = PrintAndWait("MOVE_SOCKET", "02:00:00:00:42:01", JobBytes("moved queue"));
    ASSERT_TRUE(job.is_object()) << Queues()["MOVE_SOCKET"].stateMessage;
    EXPECT_EQ(job.value("at", ""), "192.0.2.95:9100");

    // --follow-mac, in a batch: the queue then names the printer by its MAC address.
    const std::string batch = g_cups->Path("batch.csv");
    g_cups->Write("batch.csv",
                  "mac,mode,ip,subnet,gateway\n02:00:00:00:42:01,manual,192.0.2.96,255.255.255.0,"
                  "192.0.2.254\n");
    ASSERT_EQ(
        RunTool({Cli(), "set-ip", "--batch", batch, "--yes", "--update-queues", "--follow-mac"}, &output), 0)
        << output;
    EXPECT_EQ(UriOf("MOVE_SOCKET"), "quorlink://02-00-00-00-42-01") << output;
    EXPECT_EQ(UriOf("OTHER_SOCKET"), "socket://192.0.2.72:9101");
    EXPECT_NE(output.find("The print queue MOVE_SOCKET now prints to quorlink://02-00-00-00-42-01."),
              std::string::npos)
        << output;
    const nlohmann::json followed = PrintAndWait("MOVE_SOCKET", "02:00:00:00:42:01", JobBytes("by mac"));
    ASSERT_TRUE(followed.is_object()) << Queues()["MOVE_SOCKET"].stateMessage;
    EXPECT_EQ(followed.value("at", ""), "192.0.2.96:9100");
}

// Last: the simulator is stopped, then started again. The queue looks for the printer 6 s per attempt.
TEST_F(PrintQueue, WithThePrinterGoneTheJobWaitsTheQueueSaysWhyAndItPrintsOnceThePrinterIsBack) {
    std::string output;
    ASSERT_EQ(RunTool({"lpadmin", "-p", "QL_WIRELESS", "-v", "quorlink://02-00-00-00-42-01?look=6"}, &output),
              0)
        << output;
    g_sim->Stop();
    const std::string bytes = JobBytes("gone");
    const std::string file = g_cups->Path("gone.bin");
    { std::ofstream(file, std::ios::binary) << bytes; }
    ASSERT_EQ(RunTool({"lp", "-d", "QL_WIRELESS", "-o", "raw", file}, &output), 0) << output;

    // While the backend looks for it, the queue says so.
    const std::string looking = "The printer 02:00:00:00:42:01 was not found on the network; looking again";
    EXPECT_TRUE(
        WaitFor([&] { return Queues()["QL_WIRELESS"].stateMessage.find(looking) != std::string::npos; }, 20s))
        << Queues()["QL_WIRELESS"].stateMessage;
    EXPECT_NE(JobOf("QL_WIRELESS").queueReasons.find("offline-report"), std::string::npos);
    // Then the job waits, held for the next attempt; the queue still takes jobs.
    EXPECT_TRUE(WaitFor(
        [] {
            const WaitingJob job = JobOf("QL_WIRELESS");
            return job.state == IPP_JSTATE_HELD &&
                   job.reasons.find("resources-are-not-ready") != std::string::npos;
        },
        40s))
        << JobOf("QL_WIRELESS").reasons;
    ASSERT_EQ(RunTool({"lpstat", "-o", "QL_WIRELESS"}, &output), 0) << output;
    EXPECT_NE(output.find("QL_WIRELESS-"), std::string::npos) << "the job is no longer queued: " << output;
    EXPECT_NE(Queues()["QL_WIRELESS"].state, CupsQueue::kStopped);

    // The printer is back (at the address of the simulator's configuration): the job arrives whole.
    delete g_sim;
    g_sim = new SimProcess(nlohmann::json::parse(kSimConfig));
    ASSERT_TRUE(g_sim->Ready()) << g_sim->Output();
    nlohmann::json job;
    EXPECT_TRUE(WaitFor(
        [&] {
            const nlohmann::json printed = Printed("02:00:00:00:42:01");
            if (printed.empty())
                return false;
            job = printed.back();
            return true;
        },
        60s));
    EXPECT_EQ(job.value("at", ""), "192.0.2.81:9100");
    EXPECT_TRUE(job.value("hex", "") == Hex(bytes)) << "the bytes differ";
}

} // namespace
