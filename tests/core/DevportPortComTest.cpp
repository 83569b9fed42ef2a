#include "devport/CPortCom.h"

#include "CapturedLog.h"
#include "PtyPair.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/ioctl.h>

#include <filesystem>
#include <thread>
#include <vector>

namespace {

DEVICE_OPTION SerialOption(const std::string& path, std::uint32_t baud = 115200, std::uint32_t flow = 0) {
    DEVICE_OPTION dop;
    dop.strPort = path;
    dop.dwInterfaceType = VRX_DEVICE_INTERFACE_SERIAL;
    dop.dwBaudRate = baud;
    dop.dwDataBits = 8;
    dop.dwStopBits = 0;
    dop.dwParity = 0;
    dop.dwFlowControl = flow;
    return dop;
}

// How many of this process's descriptors are open on path.
int DescriptorsOn(const std::string& path) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        if (std::filesystem::read_symlink(entry.path(), error) == path)
            ++count;
    }
    return count;
}

bool Exclusive(int fd) {
    int flag = 0;
    return ::ioctl(fd, TIOCGEXCL, &flag) == 0 && flag != 0;
}

// Waits (up to 2 s) until count bytes sent from the master side wait in the line's input queue.
void WaitUntilQueued(const PtyPair& pty, int count) {
    for (int i = 0; i < 1000; ++i) {
        int queued = 0;
        if (::ioctl(pty.slave(), FIONREAD, &queued) == 0 && queued >= count)
            return;
        ::usleep(2000);
    }
}

std::int64_t ElapsedMs(std::int64_t since) {
    return CPortUtility::NowMs() - since;
}

TEST(DevportPortCom, AnEmptyPortNameIsRefusedAndKeepsTheStoredSettings) {
    CapturedLog log;
    CPortCom port;
    ASSERT_TRUE(port.SetDeviceOption(SerialOption("/dev/ttyUSB7", 4800, 1)));
    DEVICE_OPTION empty = SerialOption("", 2400, 2);
    EXPECT_FALSE(port.SetDeviceOption(empty));
    EXPECT_EQ(port.GetDeviceOption().strPort, "/dev/ttyUSB7");
    EXPECT_EQ(port.GetDeviceOption().dwBaudRate, 4800u);
    EXPECT_EQ(port.GetDeviceOption().dwFlowControl, 1u);
    EXPECT_EQ(port.GetInterfaceType(), VRX_DEVICE_INTERFACE_SERIAL);
    EXPECT_TRUE(log.Contains("CPortCom::SetDeviceOption : dp.strPort is empty"));
    EXPECT_TRUE(log.Contains("CPortCom::SetDeviceOption : m_dop.dwBaudRate = 4800"));
}

TEST(DevportPortCom, OpeningSetsTheTimeoutsOfTheBaudRate) {
    struct Case {
        std::uint32_t baud;
        COMM_TIMEOUTS_MS expected;
    };
    const Case cases[] = {
        {115200, {10, 5, 20, 5, 3000}}, {9600, {10, 5, 20, 5, 3000}},   {19200, {10, 5, 20, 5, 3000}},
        {4800, {10, 10, 100, 5, 3000}}, {2400, {10, 10, 100, 5, 3000}},
    };
    PtyPair pty;
    for (const Case& c : cases) {
        CPortCom port;
        ASSERT_TRUE(port.SetDeviceOption(SerialOption(pty.slavePath(), c.baud)));
        ASSERT_TRUE(port.OpenPort()) << c.baud;
        const COMM_TIMEOUTS_MS& t = port.GetDeviceOption().stTimeouts;
        EXPECT_EQ(t.dwReadIntervalTimeout, c.expected.dwReadIntervalTimeout) << c.baud;
        EXPECT_EQ(t.dwReadTotalTimeoutMultiplier, c.expected.dwReadTotalTimeoutMultiplier) << c.baud;
        EXPECT_EQ(t.dwReadTotalTimeoutConstant, c.expected.dwReadTotalTimeoutConstant) << c.baud;
        EXPECT_EQ(t.dwWriteTotalTimeoutMultiplier, c.expected.dwWriteTotalTimeoutMultiplier) << c.baud;
        EXPECT_EQ(t.dwWriteTotalTimeoutConstant, c.expected.dwWriteTotalTimeoutConstant) << c.baud;
        port.ClosePort();
    }
}

TEST(DevportPortCom, LineSettingsFollowTheChoices) {
    termios reported{};
    ::cfmakeraw(&reported);
    reported.c_iflag |= IXANY | ICRNL;
    struct Case {
        std::uint32_t data, parity, stop, flow;
        tcflag_t size;
        bool parenb, parodd, inpck, cstopb, xonxoff;
    };
    const Case cases[] = {
        {8, 0, 0, 0, CS8, false, false, false, false, false}, // "Hardware": XON/XOFF off
        {8, 0, 0, 1, CS8, false, false, false, false, true},  // "Xon/Xoff"
        {8, 0, 0, 2, CS8, false, false, false, false, true},  // "None" switches XON/XOFF on too
        {7, 1, 2, 0, CS7, true, true, true, true, false},     // odd parity, two stop bits
        {6, 2, 1, 0, CS6, true, false, true, true, false},    // even parity, 1.5 stop bits taken as two
        {5, 0, 0, 0, CS5, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        DEVICE_OPTION dop = SerialOption("/dev/ttyS0", 9600, c.flow);
        dop.dwDataBits = c.data;
        dop.dwParity = c.parity;
        dop.dwStopBits = c.stop;
        termios t{};
        std::string error;
        std::vector<std::string> notes;
        ASSERT_TRUE(CPortCom::BuildLineSettings(reported, dop, t, error, &notes)) << error;
        const std::string label = "data " + std::to_string(c.data) + " parity " + std::to_string(c.parity) +
                                  " stop " + std::to_string(c.stop) + " flow " + std::to_string(c.flow);
        EXPECT_EQ(t.c_cflag & CSIZE, c.size) << label;
        EXPECT_EQ((t.c_cflag & PARENB) != 0, c.parenb) << label;
        EXPECT_EQ((t.c_cflag & PARODD) != 0, c.parodd) << label;
        EXPECT_EQ((t.c_iflag & INPCK) != 0, c.inpck) << label;
        EXPECT_EQ((t.c_cflag & CSTOPB) != 0, c.cstopb) << label;
        EXPECT_EQ((t.c_iflag & IXON) != 0, c.xonxoff) << label;
        EXPECT_EQ((t.c_iflag & IXOFF) != 0, c.xonxoff) << label;
        // CTS output flow control in every case; no carrier needed; raw bytes.
        EXPECT_NE(t.c_cflag & CRTSCTS, 0u) << label;
        EXPECT_NE(t.c_cflag & CLOCAL, 0u) << label;
        EXPECT_NE(t.c_cflag & CREAD, 0u) << label;
        EXPECT_EQ(t.c_iflag & (ICRNL | IXANY), 0u) << label;
        EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u) << label;
        EXPECT_EQ(cfgetospeed(&t), speed_t{B9600}) << label;
        const bool halfNoted = std::any_of(notes.begin(), notes.end(), [](const std::string& n) {
            return n.find("one and a half stop bits") != std::string::npos;
        });
        EXPECT_EQ(halfNoted, c.stop == 1) << label;
    }
}

TEST(DevportPortCom, ValuesTheLineCannotTakeAreRefused) {
    struct Case {
        std::uint32_t baud, data, parity, stop;
    };
    const Case cases[] = {
        {12345, 8, 0, 0}, {9600, 4, 0, 0}, {9600, 9, 0, 0}, {9600, 8, 3, 0}, {9600, 8, 0, 3}};
    for (const Case& c : cases) {
        DEVICE_OPTION dop = SerialOption("/dev/ttyS0", c.baud);
        dop.dwDataBits = c.data;
        dop.dwParity = c.parity;
        dop.dwStopBits = c.stop;
        termios t{}, reported{};
        std::string error;
        EXPECT_FALSE(CPortCom::BuildLineSettings(reported, dop, t, error)) << c.baud << " " << c.data;
        EXPECT_FALSE(error.empty());
    }
    // Opened, such a value fails the open and leaves the port closed.
    CapturedLog log;
    PtyPair pty;
    CPortCom port;
    ASSERT_TRUE(port.SetDeviceOption(SerialOption(pty.slavePath(), 12345)));
    EXPECT_FALSE(port.OpenPort());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(log.Contains("CPortCom::OpenPort : SetCommState failed with (22)"));
}

TEST(DevportPortCom, TheOpenLineIsRawExclusiveAndFlowControlledAsChosen) {
    PtyPair pty;
    for (const std::uint32_t flow : {0u, 1u, 2u}) {
        CPortCom port;
        ASSERT_TRUE(port.SetDeviceOption(SerialOption(pty.slavePath(), 9600, flow)));
        ASSERT_TRUE(port.OpenPort());
        termios t{};
        ASSERT_EQ(::tcgetattr(pty.slave(), &t), 0);
        EXPECT_EQ((t.c_iflag & IXON) != 0, flow != 0) << flow;
        EXPECT_EQ((t.c_iflag & IXOFF) != 0, flow != 0) << flow;
        EXPECT_NE(t.c_cflag & CRTSCTS, 0u) << flow;
        EXPECT_EQ(t.c_lflag & ICANON, 0u) << flow;
        EXPECT_TRUE(Exclusive(pty.slave())) << flow;
        port.ClosePort();
        // The flag would outlive the close on a pty.
        EXPECT_FALSE(Exclusive(pty.slave())) << flow;
    }
}

TEST(DevportPortCom, PathsThatAreNoLineFailToOpenAndLeaveThePortClosed) {
    struct Case {
        std::string path, line;
    };
    const Case cases[] = {
        {"/nonexistent/ttyQ9", "CPortCom::OpenPort : CreateFile failed with (2)"},
        {"/dev/null", "CPortCom::OpenPort : GetCommState failed with (25)"},
    };
    for (const Case& c : cases) {
        CapturedLog log;
        CPortCom port;
        ASSERT_TRUE(port.SetDeviceOption(SerialOption(c.path)));
        EXPECT_FALSE(port.OpenPort()) << c.path;
        EXPECT_FALSE(port.IsOpen()) << c.path;
        EXPECT_TRUE(log.Contains(c.line)) << c.path;
    }
}

TEST(DevportPortCom, OpeningAnOpenPortClosesItFirst) {
    PtyPair pty;
    const int before = DescriptorsOn(pty.slavePath());
    CPortCom port;
    ASSERT_TRUE(port.SetDeviceOption(SerialOption(pty.slavePath())));
    ASSERT_TRUE(port.OpenPort());
    EXPECT_EQ(DescriptorsOn(pty.slavePath()), before + 1);
    ASSERT_TRUE(port.OpenPort());
    EXPECT_EQ(DescriptorsOn(pty.slavePath()), before + 1);
    port.ClosePort();
    EXPECT_EQ(DescriptorsOn(pty.slavePath()), before);
}

TEST(DevportPortCom, ClosingAClosedPortDoesNothing) {
    CapturedLog log;
    CPortCom port;
    port.ClosePort();
    port.ClosePort();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(log.Lines(),
              (std::vector<std::string>{"CPortCom::ClosePort : START", "CPortCom::ClosePort : END",
                                        "CPortCom::ClosePort : START", "CPortCom::ClosePort : END"}));
}

TEST(DevportPortCom, DsrOffMeansNoPrinterAndALineWithoutModemStatusCountsAsPresent) {
    struct Case {
        const char* name;
        bool answers;
        int status;
        bool opens;
        const char* line;
    };
    const Case cases[] = {
        {"DSR on", true, TIOCM_DSR | TIOCM_CTS, true, nullptr},
        {"DSR off", true, TIOCM_CTS, false, "CPortCom::OpenPort : MS_DSR_ON"},
        {"no modem status", false, 0, true, "CPortCom::OpenPort : GetCommModemStatus failed with"},
    };
    PtyPair pty;
    for (const Case& c : cases) {
        CapturedLog log;
        CPortCom port([&c](int, int& status) {
            status = c.status;
            return c.answers;
        });
        ASSERT_TRUE(port.SetDeviceOption(SerialOption(pty.slavePath())));
        EXPECT_EQ(port.OpenPort(), c.opens) << c.name;
        EXPECT_EQ(port.IsOpen(), c.opens) << c.name;
        if (c.line) {
            EXPECT_EQ(log.LinesStartingWith(c.line).size(), 1u) << c.name;
        }
    }
    // A pty itself cannot tell its modem lines: it opens.
    CPortCom real;
    ASSERT_TRUE(real.SetDeviceOption(SerialOption(pty.slavePath())));
    EXPECT_TRUE(real.OpenPort());
}

TEST(DevportPortCom, AReadWithNothingQueuedReturnsAtOnce) {
    PtyPair pty;
    CPortCom port;
    ASSERT_TRUE(port.SetDeviceOption(SerialOption(pty.slavePath(), 4800)));
    ASSERT_TRUE(port.OpenPort());
    std::uint8_t buffer[4096];
    // Its total time-out would be 10 ms per byte plus 100 ms: 41 s.
    const std::int64_t start = CPortUtility::NowMs();
    EXPECT_EQ(port.Read(buffer, sizeof buffer, 1000), 0u);
    // Not even the 100 ms constant is waited for.
    EXPECT_LT(ElapsedMs(start), 60);
    CapturedLog log;
    EXPECT_EQ(port.Read(buffer, sizeof buffer, 1000), 0u);
    EXPECT_TRUE(log.Contains("CPortCom::Read : dwRead = 0"));
}

TEST(DevportPortCom, AReadTakesWhatWaitsAndEndsAtTheIntervalGap) {
    PtyPair pty;
    CPortCom port;
    ASSERT_TRUE(port.SetDeviceOption(SerialOption(pty.slavePath(), 115200)));
    ASSERT_TRUE(port.OpenPort());
    pty.Send(std::string("\x1fWr0123\x03", 8));
    WaitUntilQueued(pty, 8);
    std::uint8_t buffer[64] = {};
    const std::int64_t start = CPortUtility::NowMs();
    ASSERT_EQ(port.Read(buffer, sizeof buffer, 1000), 8u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 8), std::string("\x1fWr0123\x03", 8));
    // Fewer than wanted came: the read ended after the 10 ms interval, far before 5 ms × 64 + 20 ms.
    EXPECT_LT(ElapsedMs(start), 200);
    // A part of what waits can be read, the rest stays for the next read.
    pty.Send("abcdef");
    WaitUntilQueued(pty, 6);
    EXPECT_EQ(port.Read(buffer, 4, 1000), 4u);
    EXPECT_EQ(port.Read(buffer, 64, 1000), 2u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 2), "ef");
}

TEST(DevportPortCom, WritesReachTheOtherEndAndNothingIsWrittenWithoutBytes) {
    CapturedLog log;
    PtyPair pty;
    CPortCom port;
    ASSERT_TRUE(port.SetDeviceOption(SerialOption(pty.slavePath())));
    ASSERT_TRUE(port.OpenPort());
    const std::string frame("\x1fWs00ff\x03", 8);
    EXPECT_EQ(port.Write(reinterpret_cast<const std::uint8_t*>(frame.data()), 8), 8u);
    EXPECT_EQ(pty.Receive(), frame);
    EXPECT_TRUE(log.Contains("CPortCom::Write : dwNumberOfBytesWritten = 8"));

    EXPECT_EQ(port.Write(nullptr, 8), 0u);
    EXPECT_EQ(port.Write(reinterpret_cast<const std::uint8_t*>(frame.data()), 0), 0u);
    EXPECT_EQ(log.LinesStartingWith("CPortCom::Write : pByte is NULL").size(), 2u);
    EXPECT_TRUE(log.Contains("CPortCom::Write : dwWrite = 0"));
    EXPECT_EQ(port.Read(nullptr, 8, 1000), 0u);
    EXPECT_TRUE(log.Contains("CPortCom::Read : pByte is NULL"));
}

// A write has completed once its bytes have left, which on the line takes their own time (a start bit,
// the data bits, parity and the stop bits each): a pty reports its queue empty at once, so the time
// is what is waited out.
TEST(DevportPortCom, AWriteReturnsOnceItsBytesHaveHadTheirTimeOnTheLine) {
    struct Case {
        std::uint32_t baud;
        std::uint32_t parity;
        std::uint32_t stopBits;
        std::uint32_t bytes;
        std::uint32_t lineMs; // bytes × bits a byte / baud, rounded up
    };
    const Case cases[] = {
        {9600, 0, 0, 1280, 1334},  // 10 bits a byte
        {19200, 0, 0, 1280, 667},  //
        {9600, 2, 2, 480, 600},    // 12 bits a byte
        {115200, 0, 0, 1280, 112}, //
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.baud);
        PtyPair pty;
        CPortCom port;
        DEVICE_OPTION dop = SerialOption(pty.slavePath(), c.baud);
        dop.dwParity = c.parity;
        dop.dwStopBits = c.stopBits;
        ASSERT_TRUE(port.SetDeviceOption(dop));
        ASSERT_TRUE(port.OpenPort());
        EXPECT_EQ(port.LineTimeMs(c.bytes), c.lineMs);
        const std::vector<std::uint8_t> frame(c.bytes, 'a');
        const std::int64_t start = CPortUtility::NowMs();
        EXPECT_EQ(port.Write(frame.data(), c.bytes), c.bytes);
        const std::int64_t took = ElapsedMs(start);
        EXPECT_GE(took, c.lineMs);
        EXPECT_LT(took, c.lineMs + 1000); // a busy machine may wake late
        EXPECT_EQ(pty.Receive().size(), c.bytes);
    }
}

// Bytes that cannot leave within 5 ms a byte + 3000 ms (the far end takes nothing more) fail the write:
// 0 is reported and what was still queued is discarded.
TEST(DevportPortCom, AWriteThatCannotLeaveInTimeFailsAndIsDiscarded) {
    PtyPair pty;
    CPortCom port;
    ASSERT_TRUE(port.SetDeviceOption(SerialOption(pty.slavePath(), 115200)));
    ASSERT_TRUE(port.OpenPort());
    // Fill the line from the test's own end until it takes no more.
    const int flags = ::fcntl(pty.slave(), F_GETFL);
    ::fcntl(pty.slave(), F_SETFL, flags | O_NONBLOCK);
    const std::vector<std::uint8_t> filler(4096, 'f');
    std::size_t filled = 0;
    // The kernel moves bytes on between the line's buffers for a while; full means full for 100 ms.
    for (int calm = 0; calm < 5; ++calm) {
        for (ssize_t n = 0; (n = ::write(pty.slave(), filler.data(), filler.size())) > 0; calm = 0)
            filled += static_cast<std::size_t>(n);
        ::usleep(20000);
    }
    ASSERT_GT(filled, 0u);
    CapturedLog log;
    const std::vector<std::uint8_t> frame(100, 'a');
    const std::int64_t start = CPortUtility::NowMs();
    EXPECT_EQ(port.Write(frame.data(), 100), 0u);
    const std::int64_t took = ElapsedMs(start);
    EXPECT_GE(took, 100 * 5 + 3000);
    EXPECT_LT(took, 100 * 5 + 3000 + 500);
    EXPECT_TRUE(log.Contains("CPortCom::Write : 100 bytes not sent within 3500 ms; discarded"));
    EXPECT_TRUE(log.Contains("CPortCom::Write : dwNumberOfBytesWritten = 0"));
}

// Closing gives what was written the time to leave instead of throwing it away.
TEST(DevportPortCom, ClosingKeepsWhatWasWritten) {
    PtyPair pty;
    CPortCom port;
    ASSERT_TRUE(port.SetDeviceOption(SerialOption(pty.slavePath(), 115200)));
    ASSERT_TRUE(port.OpenPort());
    const std::string frame("\x1fWC0123456789abcdef\x03", 20);
    ASSERT_EQ(port.Write(reinterpret_cast<const std::uint8_t*>(frame.data()), 20), 20u);
    port.ClosePort();
    EXPECT_EQ(pty.Receive(), frame);
}

TEST(DevportPortCom, AnExchangeWithThePrinterOnTheOtherEnd) {
    PtyPair pty;
    CPortCom port;
    ASSERT_TRUE(port.SetDeviceOption(SerialOption(pty.slavePath(), 9600, 2)));
    ASSERT_TRUE(port.OpenPort());
    std::string request;
    std::thread printer = pty.AnswerOnce('\x03', {"\x1fWa0004", "0102", "0304ff\x03"}, request);
    const std::string frame("\x1fWq0000ff\x03", 10);
    ASSERT_EQ(port.Write(reinterpret_cast<const std::uint8_t*>(frame.data()), 10), 10u);
    // As the protocol reads: again and again until the end byte has come, giving up after 2 s.
    std::string reply;
    std::uint8_t buffer[64];
    const std::int64_t start = CPortUtility::NowMs();
    while ((reply.empty() || reply.back() != '\x03') && ElapsedMs(start) < 2000) {
        const std::uint32_t n = port.Read(buffer, sizeof buffer, 1000);
        reply.append(reinterpret_cast<char*>(buffer), n);
        if (n == 0)
            ::usleep(1000);
    }
    printer.join();
    EXPECT_EQ(request, frame);
    EXPECT_EQ(reply, "\x1fWa000401020304ff\x03");
    port.ClosePort();
}

TEST(DevportPortCom, AClosedPortNeitherReadsNorWrites) {
    CPortCom port;
    ASSERT_TRUE(port.SetDeviceOption(SerialOption("/dev/ttyS0")));
    std::uint8_t buffer[4] = {1, 2, 3, 4};
    EXPECT_EQ(port.Write(buffer, 4), 0u);
    EXPECT_EQ(port.Read(buffer, 4, 1000), 0u);
}

} // namespace
