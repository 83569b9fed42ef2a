#include "devport/CPortCom.h"
#include "devport/CPortUsb.h"
#include "devport/DevicePorts.h"

#include "CapturedLog.h"
#include "FakeUsbBackend.h"

#include <gtest/gtest.h>

namespace {

const std::string kPrinter = "usb:1-1.4:vid_3f9a:pid_a007:Q7-000123";

DEVICE_OPTION UsbOption(const std::string& identity) {
    DEVICE_OPTION dop;
    dop.strPort = identity;
    dop.dwInterfaceType = VRX_DEVICE_INTERFACE_USB;
    return dop;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

struct UsbFixture {
    std::shared_ptr<FakeUsbBackend> backend = std::make_shared<FakeUsbBackend>();
    std::shared_ptr<FakeUsbBackend::Device> printer = backend->Attach(kPrinter);
    CPortUsb port{backend};

    UsbFixture() {
        if (!port.SetDeviceOption(UsbOption(kPrinter)))
            std::abort();
    }
};

TEST(DevportPortUsb, AnEmptyPortNameIsRefusedAndOnlyThePortFieldsAreTaken) {
    CapturedLog log;
    CPortUsb port(std::make_shared<FakeUsbBackend>());
    DEVICE_OPTION dop = UsbOption(kPrinter);
    dop.dwBaudRate = 9600;
    dop.dwFlowControl = 2;
    dop.dwInBufSize = 100;
    dop.dwOutBufSize = 200;
    ASSERT_TRUE(port.SetDeviceOption(dop));
    EXPECT_EQ(port.GetDeviceOption().strPort, kPrinter);
    EXPECT_EQ(port.GetDeviceOption().dwInBufSize, 100u);
    EXPECT_EQ(port.GetDeviceOption().dwOutBufSize, 200u);
    EXPECT_EQ(port.GetDeviceOption().dwBaudRate, 0u); // the serial fields keep their values
    EXPECT_EQ(port.GetDeviceOption().dwFlowControl, 0u);
    EXPECT_EQ(port.GetInterfaceType(), VRX_DEVICE_INTERFACE_USB);

    EXPECT_FALSE(port.SetDeviceOption(UsbOption("")));
    EXPECT_EQ(port.GetDeviceOption().strPort, kPrinter);
    EXPECT_TRUE(log.Contains("CPortUsb::SetDeviceOption : port name is empty"));
}

TEST(DevportPortUsb, ASilentDeviceGivesNothingAfterThreeSecondsAndNoTransferStaysOutstanding) {
    CapturedLog log;
    UsbFixture f;
    ASSERT_TRUE(f.port.OpenPort());
    std::uint8_t buffer[64];
    EXPECT_EQ(f.port.Read(buffer, sizeof buffer, 1000), 0u);
    EXPECT_EQ(f.backend->inTimeouts, (std::vector<std::uint32_t>{3000})); // not the caller's 1000
    EXPECT_EQ(f.backend->clockMs, 3000);
    EXPECT_EQ(f.backend->inFlight, 0);
    EXPECT_TRUE(log.Contains("CPortUsb::Read : NO BYTES READ"));
    // The port still works afterwards.
    f.printer->replies.push_back(Bytes("ok"));
    EXPECT_EQ(f.port.Read(buffer, sizeof buffer, 1000), 2u);
}

TEST(DevportPortUsb, ASilentDeviceReallyTakesThreeSeconds) {
    UsbFixture f;
    f.backend->realWait = true;
    ASSERT_TRUE(f.port.OpenPort());
    std::uint8_t buffer[64];
    const std::int64_t start = CPortUtility::NowMs();
    EXPECT_EQ(f.port.Read(buffer, sizeof buffer, 1000), 0u);
    const std::int64_t elapsed = CPortUtility::NowMs() - start;
    EXPECT_GE(elapsed, 2990);
    EXPECT_LT(elapsed, 4500);
    EXPECT_EQ(f.backend->inFlight, 0);
}

TEST(DevportPortUsb, AReplySplitOverSeveralTransfersComesPieceByPiece) {
    CapturedLog log;
    UsbFixture f;
    f.printer->replies = {Bytes("\x1fWr00"), Bytes("12ab"), Bytes("cd\x03")};
    ASSERT_TRUE(f.port.OpenPort());
    std::string got;
    std::uint8_t buffer[64];
    for (std::uint32_t n; (n = f.port.Read(buffer, sizeof buffer, 1000)) > 0;)
        got.append(reinterpret_cast<char*>(buffer), n);
    EXPECT_EQ(got, "\x1fWr0012abcd\x03");
    EXPECT_EQ(f.backend->inTimeouts.size(), 4u); // three pieces, then the silence
    EXPECT_TRUE(log.Contains("CPortUsb::Read : dwNumberOfBytesRead = 5"));
    // A read smaller than the piece leaves the rest for the next one.
    f.printer->replies = {Bytes("abcdef")};
    EXPECT_EQ(f.port.Read(buffer, 4, 1000), 4u);
    EXPECT_EQ(f.port.Read(buffer, 64, 1000), 2u);
    EXPECT_EQ(buffer[0], 'e');
}

TEST(DevportPortUsb, WritesAreBoundedByFiveMillisecondsPerBytePlusThreeSeconds) {
    CapturedLog log;
    UsbFixture f;
    ASSERT_TRUE(f.port.OpenPort());
    const auto frame = Bytes("\x1fWs0000ff\x03");
    EXPECT_EQ(f.port.Write(frame.data(), static_cast<std::uint32_t>(frame.size())), frame.size());
    EXPECT_EQ(f.printer->received, frame);
    EXPECT_EQ(f.backend->outTimeouts, (std::vector<std::uint32_t>{5 * 10 + 3000}));
    EXPECT_TRUE(log.Contains("CPortUsb::Write : dwNumberOfBytesWritten = 10"));
    // A stalled printer: the write gives up at its bound and reports what went out.
    f.printer->outLimit = 4;
    EXPECT_EQ(f.port.Write(frame.data(), static_cast<std::uint32_t>(frame.size())), 4u);
    // Nothing to write.
    EXPECT_EQ(f.port.Write(nullptr, 3), 0u);
    EXPECT_EQ(f.port.Write(frame.data(), 0), 0u);
    EXPECT_EQ(log.LinesStartingWith("CPortUsb::Write : pByte is NULL").size(), 2u);
    EXPECT_TRUE(log.Contains("CPortUsb::Write : dwToWrite = 3"));
    EXPECT_EQ(f.port.Read(nullptr, 3, 1000), 0u);
    EXPECT_TRUE(log.Contains("CPortUsb::Read : pByte is NULL"));
}

TEST(DevportPortUsb, ADeviceUnpluggedBetweenOperationsFailsTheNextOpen) {
    CapturedLog log;
    UsbFixture f;
    ASSERT_TRUE(f.port.OpenPort());
    f.port.ClosePort();
    f.printer->unplugged = true;
    EXPECT_FALSE(f.port.OpenPort());
    EXPECT_FALSE(f.port.IsOpen());
    EXPECT_TRUE(log.Contains("CPortUsb::OpenPort : m_dop.strPort = " + kPrinter));
    EXPECT_TRUE(log.Contains("CPortUsb::OpenPort : CreateFile failed with (-4)"));
}

TEST(DevportPortUsb, ADeviceUnpluggedWhileOpenReadsAndWritesNothing) {
    UsbFixture f;
    ASSERT_TRUE(f.port.OpenPort());
    f.printer->unplugged = true;
    std::uint8_t buffer[8] = {};
    EXPECT_EQ(f.port.Read(buffer, sizeof buffer, 1000), 0u);
    EXPECT_EQ(f.port.Write(buffer, sizeof buffer), 0u);
    f.port.ClosePort();
    EXPECT_EQ(f.backend->openInterfaces, 0);
}

TEST(DevportPortUsb, OpeningAnOpenPortClosesItFirstAndClosingAClosedPortDoesNothing) {
    UsbFixture f;
    ASSERT_TRUE(f.port.OpenPort());
    ASSERT_TRUE(f.port.OpenPort());
    EXPECT_EQ(f.backend->opens, 2);
    EXPECT_EQ(f.backend->openInterfaces, 1);
    f.port.ClosePort();
    EXPECT_EQ(f.backend->openInterfaces, 0);
    f.port.ClosePort();
    EXPECT_EQ(f.backend->openInterfaces, 0);
    EXPECT_FALSE(f.port.IsOpen());
}

TEST(DevportPortUsb, APortNameThatIsNoDeviceIdentityDoesNotOpen) {
    CapturedLog log;
    auto backend = std::make_shared<FakeUsbBackend>();
    CPortUsb port(backend);
    ASSERT_TRUE(port.SetDeviceOption(UsbOption("/dev/usb/lp0")));
    EXPECT_FALSE(port.OpenPort());
    EXPECT_EQ(backend->opens, 0);
    EXPECT_TRUE(log.Contains("CPortUsb::OpenPort : CreateFile failed with (-5)"));
}

TEST(DevportPortUsb, TheProgramReachesTheTwoProcessPortsByInterfaceType) {
    const DevicePorts ports = DevicePorts::Process();
    EXPECT_EQ(ports.usb, CPortUsb::GetInstance());
    EXPECT_EQ(ports.serial, CPortCom::GetInstance());
    EXPECT_EQ(ports.ForInterface(VRX_DEVICE_INTERFACE_USB), ports.usb);
    EXPECT_EQ(ports.ForInterface(VRX_DEVICE_INTERFACE_SERIAL), ports.serial);
    EXPECT_EQ(ports.ForInterface(2), nullptr);
    EXPECT_EQ(DevicePorts::Process().usb, ports.usb); // the same instances every time
}

TEST(DevportUsbDeviceIdentity, TextAndParseAgree) {
    struct Case {
        std::string text;
        bool valid;
        UsbDeviceIdentity identity;
    };
    const Case cases[] = {
        {"usb:1-1.4:vid_3f9a:pid_a007:Q7-000123", true, {"1-1.4", 0x3f9a, 0xa007, "Q7-000123"}},
        {"usb:3-2:vid_3f9a:pid_a008", true, {"3-2", 0x3f9a, 0xa008, ""}},
        {"usb:2-1.2.3:vid_3f9a:pid_1234:A:B",
         true,
         {"2-1.2.3", 0x3f9a, 0x1234, "A:B"}}, // serial may hold ':'
        {"usb:1-1.4:vid_3f9a:pid_a007:", false, {}},
        {"usb:1:vid_3f9a:pid_a007", false, {}},
        {"usb:1-:vid_3f9a:pid_a007", false, {}},
        {"usb:1-1..2:vid_3f9a:pid_a007", false, {}},
        {"usb:x-1:vid_3f9a:pid_a007", false, {}},
        {"usb:1-1:vid_3f9:pid_a007", false, {}},
        {"usb:1-1:pid_a007:vid_3f9a", false, {}},
        {"/dev/ttyUSB0", false, {}},
        {"", false, {}},
    };
    for (const Case& c : cases) {
        const auto parsed = UsbDeviceIdentity::Parse(c.text);
        ASSERT_EQ(parsed.has_value(), c.valid) << c.text;
        if (!c.valid)
            continue;
        EXPECT_EQ(*parsed, c.identity) << c.text;
        EXPECT_EQ(parsed->Text(), c.text);
    }
    const UsbDeviceIdentity deep{"4-1.2.3", 0x3f9a, 0xa007, ""};
    EXPECT_EQ(deep.BusNumber(), 4);
    EXPECT_EQ(deep.PortNumbers(), (std::vector<std::uint8_t>{1, 2, 3}));
}

} // namespace
