// The CUPS backend and the simulator's printing port over loopback TCP, with a scripted search: the
// discovery lines, a job sent to the printer the search found or to the address it had last, the search
// that ends once the printer answered, retry-later when it is nowhere, and the simulator's listener that
// records each job and follows an address change.
#include "backend/QuorlinkBackend.h"
#include "netsearch/PrinterLocator.h"
#include "sim/SimPrintPort.h"

#include "FakeNetworkEndpoint.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

ETHERNET_INFO Wired(std::uint8_t last, const char* ip, unsigned port) {
    ETHERNET_INFO info{};
    const std::uint8_t mac[6] = {0x02, 0, 0, 0, 0x41, last};
    std::memcpy(info.MacAddr, mac, 6);
    ::inet_pton(AF_INET, ip, info.Ip);
    info.Port[0] = static_cast<std::uint8_t>(port >> 8);
    info.Port[1] = static_cast<std::uint8_t>(port & 0xFF);
    return info;
}

WLAN_INFO Wireless(std::uint8_t last, const char* ip, const char* name) {
    WLAN_INFO info{};
    const std::uint8_t mac[6] = {0x02, 0, 0, 0, 0x42, last};
    std::memcpy(info.MacAddr, mac, 6);
    ::inet_pton(AF_INET, ip, info.Ip);
    info.Port[0] = 0x23;
    info.Port[1] = 0x8C;
    info.Mask[0] = VRX_MASK_SYSTEM_NAME;
    std::strncpy(reinterpret_cast<char*>(info.SystemName), name, sizeof info.SystemName);
    return info;
}

// A printer's printing port on loopback: takes one connection and keeps what arrives until it closes.
class LoopbackPrinter {
public:
    LoopbackPrinter() {
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(m_listener, 4);
        socklen_t length = sizeof address;
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
        m_thread = std::thread([this] {
            for (;;) {
                const int fd = ::accept(m_listener, nullptr, nullptr);
                if (fd < 0)
                    return;
                std::string job;
                char buffer[4096];
                for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
                    job.append(buffer, static_cast<size_t>(n));
                ::close(fd);
                std::lock_guard lock(m_mutex);
                if (!job.empty()) // a connect that only looks whether the printer is there
                    m_jobs.push_back(job);
                ++connections;
            }
        });
    }
    ~LoopbackPrinter() {
        ::shutdown(m_listener, SHUT_RDWR);
        ::close(m_listener);
        m_thread.join();
    }
    std::vector<std::string> Jobs() {
        std::lock_guard lock(m_mutex);
        return m_jobs;
    }
    // The sender may return before this side has read the end of what it sent: wait for count
    // connections to be done with (at most 5 s).
    void WaitForConnections(int count) const {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (connections < count && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

    unsigned port = 0;
    std::atomic<int> connections{0};

private:
    int m_listener = -1;
    std::thread m_thread;
    std::mutex m_mutex;
    std::vector<std::string> m_jobs;
};

// A print file with content.
int PrintFile(const TempDir& dir, const std::string& content) {
    dir.write("job", content);
    return ::open(dir.file("job").c_str(), O_RDONLY | O_CLOEXEC);
}

struct Captured {
    char buffer[8192] = {};
    std::FILE* file = fmemopen(buffer, sizeof buffer - 1, "w");
    std::string Text() {
        std::fflush(file);
        return buffer;
    }
    ~Captured() { std::fclose(file); }
};

TEST(QuorlinkBackend, HowLongAJobLooksForItsPrinter) {
    struct Case {
        const char* uri;
        int seconds;
    };
    for (const Case& c :
         {Case{"quorlink://02-00-00-00-41-01", 300}, Case{"quorlink://02-00-00-00-41-01?look=0", 0},
          Case{"quorlink://02-00-00-00-41-01?x=1&look=45", 45},
          Case{"quorlink://02-00-00-00-41-01?look=-1", 300},
          Case{"quorlink://02-00-00-00-41-01?look=9x", 300},
          Case{"quorlink://02-00-00-00-41-01?look=86401", 300}})
        EXPECT_EQ(QuorlinkBackend::LookSeconds(c.uri), c.seconds) << c.uri;
}

TEST(QuorlinkBackend, DiscoveryListsEveryPrinterByItsMacAddress) {
    FakeNetworkEndpoint endpoint;
    endpoint.SetSystemInterfaceCount(1);
    endpoint.AddWiredAnswer(0, Wired(0x01, "192.0.2.71", 9100));
    endpoint.AddWirelessAnswer(0, Wireless(0x01, "192.0.2.81", "Shipping \"bay\""));
    TempDir dir;
    Captured out, messages;
    QuorlinkBackend backend(endpoint, dir.file("addresses"), out.file, messages.file);
    EXPECT_EQ(backend.Discover(), QuorlinkBackend::kOk);
    EXPECT_EQ(out.Text(),
              "network quorlink://02-00-00-00-41-01 \"VORANEX Label Printer\" \"VORANEX wired label printer "
              "02:00:00:00:41:01 (192.0.2.71)\" \"MFG:VORANEX;MDL:Label "
              "Printer;CLS:PRINTER;SN:02:00:00:00:41:01;\" "
              "\"\"\n"
              "network quorlink://02-00-00-00-42-01 \"VORANEX Label Printer\" \"Shipping 'bay' (wireless, "
              "02:00:00:00:42:01) (192.0.2.81)\" \"MFG:VORANEX;MDL:Label "
              "Printer;CLS:PRINTER;SN:02:00:00:00:42:01;\" "
              "\"\"\n");
    EXPECT_EQ(dir.read("addresses"),
              "02:00:00:00:41:01 192.0.2.71 9100\n02:00:00:00:42:01 192.0.2.81 9100\n");
}

TEST(QuorlinkBackend, AJobGoesToThePrinterFoundThenToTheAddressItHadLast) {
    LoopbackPrinter printer;
    TempDir dir;
    std::string content = "^XA";
    for (int i = 0; i < 70000; ++i)
        content += static_cast<char>(i % 256);
    {
        FakeNetworkEndpoint endpoint;
        endpoint.SetSystemInterfaceCount(1);
        endpoint.AddWiredAnswer(0, Wired(0x01, "127.0.0.1", printer.port));
        endpoint.AddWirelessAnswer(0, Wireless(0x09, "127.0.0.1", "elsewhere"));
        Captured out, messages;
        QuorlinkBackend backend(endpoint, dir.file("addresses"), out.file, messages.file);
        const int input = PrintFile(dir, content);
        EXPECT_EQ(backend.Print("quorlink://02-00-00-00-41-01", input, 2), QuorlinkBackend::kOk)
            << messages.Text();
        ::close(input);
        EXPECT_NE(messages.Text().find("STATE: +connecting-to-device\n"), std::string::npos);
        EXPECT_NE(messages.Text().find("INFO: Sent to 02:00:00:00:41:01 at 127.0.0.1:"), std::string::npos);
        // One round found it.
        EXPECT_EQ(endpoint.CountCalls("SearchRound"), 1) << ::testing::PrintToString(endpoint.Calls());
    }
    printer.WaitForConnections(1);
    EXPECT_EQ(printer.Jobs(), std::vector<std::string>{content + content});

    // No search possible now: the address it had last still takes the job.
    FakeNetworkEndpoint noNetwork;
    Captured out, messages;
    QuorlinkBackend backend(noNetwork, dir.file("addresses"), out.file, messages.file);
    const int input = PrintFile(dir, "second");
    EXPECT_EQ(backend.Print("quorlink://02-00-00-00-41-01", input, 1), QuorlinkBackend::kOk)
        << messages.Text();
    ::close(input);
    EXPECT_EQ(noNetwork.CountCalls("SearchPrinter"), 0);
    printer.WaitForConnections(3);
    EXPECT_EQ(printer.Jobs().size(), 2u);
    EXPECT_EQ(printer.Jobs().back(), "second");
    EXPECT_EQ(printer.connections, 3) << "the last address is looked at by one connect, then the job goes";
}

TEST(QuorlinkBackend, APrinterFoundNowhereLeavesTheJobForLater) {
    TempDir dir;
    // It had an address where nobody listens now, and the search does not find it.
    dir.write("addresses", "02:00:00:00:41:01 127.0.0.1 1\n");
    FakeNetworkEndpoint endpoint;
    endpoint.SetSystemInterfaceCount(1);
    endpoint.AddWiredAnswer(0, Wired(0x02, "127.0.0.1", 1));
    Captured out, messages;
    QuorlinkBackend backend(endpoint, dir.file("addresses"), out.file, messages.file);
    const int input = PrintFile(dir, "job");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(backend.Print("quorlink://02-00-00-00-41-01?look=1", input, 1), QuorlinkBackend::kRetry);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    ::close(input);
    // Looked for twice: once, then again after saying so; then the job is left for later.
    EXPECT_EQ(endpoint.CountCalls("SearchPrinter(0,1)"), 2);
    EXPECT_NE(
        messages.Text().find("INFO: The printer 02:00:00:00:41:01 was not found on the network; looking "
                             "again (for 1 s more)\n"),
        std::string::npos)
        << messages.Text();
    EXPECT_NE(
        messages.Text().find("INFO: The printer 02:00:00:00:41:01 was not found on the network; the job "
                             "waits and is tried again later\n"),
        std::string::npos)
        << messages.Text();
    EXPECT_NE(messages.Text().find("STATE: +offline-report"), std::string::npos);

    Captured badOut, badMessages;
    QuorlinkBackend bad(endpoint, dir.file("addresses"), badOut.file, badMessages.file);
    EXPECT_EQ(bad.Print("quorlink://printer", 0, 1), QuorlinkBackend::kFailed);
    EXPECT_NE(badMessages.Text().find("ERROR: quorlink://printer names no printer"), std::string::npos);
}

int ConnectTo(unsigned port) {
    std::string error;
    return PrinterLocator::Connect("127.0.0.1", port, std::chrono::milliseconds(1000), error);
}

unsigned FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

// Serves port until printer mac holds count jobs (or two seconds pass).
void ServeUntil(SimPrintPort& port, const std::string& mac, size_t count) {
    for (int i = 0; i < 200 && port.JobsOf(mac).size() < count; ++i) {
        std::vector<pollfd> entries;
        port.AddPollEntries(entries);
        ::poll(entries.data(), entries.size(), 10);
        port.Serve(entries.data(), entries.size());
    }
}

TEST(SimPrintPort, KeepsEachJobAndFollowsTheAddress) {
    SimPrintPort port;
    in_addr loopback{};
    loopback.s_addr = htonl(INADDR_LOOPBACK);
    const unsigned first = FreePort();
    std::string error;
    ASSERT_TRUE(port.Place("02:00:00:00:41:01", loopback, static_cast<std::uint16_t>(first), error)) << error;

    const std::string bytes("\x00\x01\xff job", 7);
    const int fd = ConnectTo(first);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
    ServeUntil(port, "02:00:00:00:41:01", 1);
    ASSERT_EQ(port.JobsOf("02:00:00:00:41:01").size(), 1u);
    const SimPrintPort::Job& job = port.JobsOf("02:00:00:00:41:01")[0];
    EXPECT_EQ(std::string(job.bytes.begin(), job.bytes.end()), bytes);
    EXPECT_EQ(job.at, "127.0.0.1:" + std::to_string(first));
    const nlohmann::json json = SimPrintPort::JobsAsJson(port.JobsOf("02:00:00:00:41:01"));
    EXPECT_EQ(json[0]["hex"], "0001ff206a6f62");
    EXPECT_EQ(json[0]["length"], 7);

    // Moved: the old port refuses, the new one takes the next job.
    const unsigned second = FreePort();
    ASSERT_TRUE(port.Place("02:00:00:00:41:01", loopback, static_cast<std::uint16_t>(second), error))
        << error;
    EXPECT_LT(ConnectTo(first), 0);
    const int probe = ConnectTo(second); // only looks: no job
    ASSERT_GE(probe, 0);
    ::close(probe);
    const int again = ConnectTo(second);
    ASSERT_GE(again, 0);
    ASSERT_EQ(::write(again, "x", 1), 1);
    ::close(again);
    ServeUntil(port, "02:00:00:00:41:01", 2);
    ASSERT_EQ(port.JobsOf("02:00:00:00:41:01").size(), 2u);
    EXPECT_EQ(port.JobsOf("02:00:00:00:41:01")[1].bytes, std::vector<std::uint8_t>{'x'});
    EXPECT_TRUE(port.JobsOf("02:00:00:00:41:02").empty());
}

} // namespace
