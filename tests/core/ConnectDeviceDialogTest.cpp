#include "ui/CVRXPageWLanAdvConnectDevice.h"

#include "devport/CPortCom.h"
#include "devport/CPortUsb.h"

#include "app/Preferences.h"

#include "CapturedLog.h"
#include "FakeDeviceRecords.h"
#include "FakePort.h"
#include "FakeUsbBackend.h"
#include "PtyPair.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

using Dialog = CVRXPageWLanAdvConnectDevice;

const std::string kRk7a = "usb:1-1:vid_3f9a:pid_a007:A1", kRk7b = "usb:1-2:vid_3f9a:pid_a007:B2",
                  kOther = "usb:3-1.2:vid_3f9a:pid_0099";

struct Fixture {
    FakeDeviceRecords records;
    FakePort usb, serial;
    Dialog dialog{records, DevicePorts{&usb, &serial}};
    int changes = 0;

    Fixture() {
        dialog.SetChangeListener([this] { ++changes; });
    }
    const Dialog::Controls& controls() const { return dialog.GetControls(); }
};

TEST(ConnectDeviceDialog, WithoutPrintersThePortListSaysSoAndConnectIsDisabled) {
    Fixture f;
    f.records.AddUsb("1-3", 0x046d, 0xc52b); // another maker's
    f.dialog.OnInitDialog();
    const auto& c = f.controls();
    EXPECT_EQ(c.title, "Device Connection");
    EXPECT_EQ(c.interfaceChoice, Dialog::kInterfaceUsb);
    EXPECT_EQ(c.port.items, std::vector<std::string>{"No Available Ports"});
    EXPECT_EQ(c.port.selected, 0);
    EXPECT_FALSE(c.connectEnabled);
    EXPECT_FALSE(c.serialSettingsVisible);
    EXPECT_FALSE(c.portEditable);
    EXPECT_TRUE(c.timerRunning);
    // Enter does nothing then.
    f.dialog.OnEnter();
    EXPECT_FALSE(f.dialog.IsEnded());
    EXPECT_TRUE(f.usb.calls.empty());
}

TEST(ConnectDeviceDialog, UsbPrintersAreListedByNameAndConnectTestsTheChosenOne) {
    CapturedLog log;
    Fixture f;
    f.records.AddUsb("1-1", 0x3f9a, 0xa007, "A1");
    f.records.AddUsb("1-2", 0x3f9a, 0xa007, "B2");
    f.records.AddUsb("3-1.2", 0x3f9a, 0x0099);
    f.dialog.OnInitDialog();
    const auto& c = f.controls();
    EXPECT_EQ(c.port.items, (std::vector<std::string>{"HALDA RK7", "HALDA RK7#1", kOther}));
    EXPECT_EQ(c.port.selected, 0);
    EXPECT_TRUE(c.connectEnabled);

    f.dialog.OnPortSelected(1);
    f.dialog.OnBnClickedConnectBtn();
    EXPECT_EQ(f.dialog.GetResult(), Dialog::kResultConnected);
    EXPECT_FALSE(c.timerRunning);
    EXPECT_EQ(f.usb.calls, (std::vector<std::string>{"SetDeviceOption " + kRk7b, "OpenPort", "ClosePort"}));
    EXPECT_EQ(f.usb.option.dwInterfaceType, VRX_DEVICE_INTERFACE_USB);
    EXPECT_EQ(f.usb.option.dwInBufSize, 8149u);
    EXPECT_EQ(f.usb.option.stTimeouts.dwReadTotalTimeoutConstant, 10u);
    EXPECT_TRUE(f.serial.calls.empty());
    EXPECT_TRUE(log.Contains("UpdateDeviceOptionStructure : m_stDevOption.strPort = " + kRk7b));
    EXPECT_TRUE(log.Contains("OnBnClickedConnectBtn : bResult = 1"));
    EXPECT_TRUE(log.Contains("OnBnClickedConnectBtn : OpenPort succeeded."));
}

TEST(ConnectDeviceDialog, ThePrinterUnpluggedDisappearsAtTheNextTimerTick) {
    Fixture f;
    f.records.AddUsb("1-1", 0x3f9a, 0xa007, "A1");
    f.dialog.OnInitDialog();
    ASSERT_TRUE(f.controls().connectEnabled);
    EXPECT_EQ(Dialog::kTimerMilliseconds, 5000);

    // Nothing changed: the controls stay as the user left them.
    const int changes = f.changes;
    f.dialog.OnTimer();
    EXPECT_EQ(f.changes, changes);

    f.records.RemoveUsb("1-1");
    f.dialog.OnTimer();
    EXPECT_EQ(f.controls().port.items, std::vector<std::string>{"No Available Ports"});
    EXPECT_FALSE(f.controls().connectEnabled);

    // Plugged in again, or another one in its place: listed at the next tick.
    f.records.AddUsb("1-2", 0x3f9a, 0xa008, "C3");
    f.dialog.OnTimer();
    EXPECT_EQ(f.controls().port.items, std::vector<std::string>{"HALDA RK8"});
    EXPECT_TRUE(f.controls().connectEnabled);
    f.records.RemoveUsb("1-2");
    f.records.AddUsb("1-2", 0x3f9a, 0xa008, "D4"); // same count, another printer
    f.dialog.OnTimer();
    EXPECT_EQ(f.dialog.GetUsbNameTable().at("HALDA RK8"), "usb:1-2:vid_3f9a:pid_a008:D4");
}

TEST(ConnectDeviceDialog, SerialListsTheRealPortsInOrderWithTheDefaultSettings) {
    Fixture f;
    f.records.AddUsb("1-1", 0x3f9a, 0xa007, "A1");
    f.records.AddTty("ttyS10", "pnp", "4");
    f.records.AddTty("ttyS2", "platform", "4");
    f.records.AddTty("ttyS3", "platform", "0");
    f.records.AddTty("tty1", "");
    f.dialog.OnInitDialog();
    f.dialog.OnBnClickedRadioSerial();
    const auto& c = f.controls();
    EXPECT_TRUE(f.dialog.GetUsbDeviceList().empty());
    EXPECT_EQ(c.port.items, (std::vector<std::string>{"/dev/ttyS2", "/dev/ttyS10"}));
    // No port is chosen for the user: Connect waits for one picked or typed.
    EXPECT_EQ(c.portText, "");
    EXPECT_EQ(c.port.selected, -1);
    EXPECT_TRUE(c.portEditable);
    EXPECT_FALSE(c.connectEnabled);
    f.dialog.OnEnter();
    EXPECT_FALSE(f.dialog.IsEnded());
    f.dialog.OnPortSelected(1);
    EXPECT_EQ(c.portText, "/dev/ttyS10");
    EXPECT_TRUE(c.connectEnabled);
    EXPECT_TRUE(c.serialSettingsVisible);
    EXPECT_EQ(c.baudRate.items, (std::vector<std::string>{"2400", "4800", "9600", "19200", "38400", "38400",
                                                          "57600", "115200"}));
    EXPECT_EQ(c.baudRate.items[static_cast<size_t>(c.baudRate.selected)], "115200");
    EXPECT_EQ(c.dataBits.items[static_cast<size_t>(c.dataBits.selected)], "8");
    EXPECT_EQ(c.parity.items, (std::vector<std::string>{"Even", "Odd", "None"}));
    EXPECT_EQ(c.parity.selected, 2);
    EXPECT_EQ(c.stopBits.items, (std::vector<std::string>{"1", "1.5", "2"}));
    EXPECT_EQ(c.stopBits.selected, 0);
    EXPECT_EQ(c.flowControl.items, (std::vector<std::string>{"Hardware", "Xon/Xoff", "None"}));
    EXPECT_EQ(c.flowControl.selected, 0);

    // The timer never lists serial ports.
    const int calls = f.records.calls;
    f.dialog.OnTimer();
    EXPECT_EQ(f.records.calls, calls);

    // Back to USB: the serial lists go, the printer comes back.
    f.dialog.OnBnClickedRadioUsb();
    EXPECT_FALSE(c.serialSettingsVisible);
    EXPECT_EQ(c.port.items, std::vector<std::string>{"HALDA RK7"});
}

TEST(ConnectDeviceDialog, TheSerialListsStoreTheirValues) {
    struct Case {
        int baud, data, parity, stop, flow;
        std::uint32_t dwBaudRate, dwDataBits, dwParity, dwStopBits, dwFlowControl;
    };
    const Case cases[] = {
        {7, 3, 2, 0, 0, 115200, 8, 0, 0, 0}, // the defaults
        {5, 0, 0, 1, 2, 38400, 5, 2, 1, 2},  // the second "38400"; "Even" stores 2
        {4, 2, 1, 2, 1, 38400, 7, 1, 2, 1},
        {0, 1, 2, 0, 0, 2400, 6, 0, 0, 0},
    };
    for (const Case& k : cases) {
        Fixture f;
        f.records.AddTty("ttyUSB0", "usb-serial");
        f.dialog.OnInitDialog();
        f.dialog.OnBnClickedRadioSerial();
        f.dialog.OnPortSelected(0);
        f.dialog.OnListSelected(Dialog::IDC_COMBO_BAUDRATE, k.baud);
        f.dialog.OnListSelected(Dialog::IDC_COMBO_DATABITS, k.data);
        f.dialog.OnListSelected(Dialog::IDC_COMBO_PARITY, k.parity);
        f.dialog.OnListSelected(Dialog::IDC_COMBO_STOPBITS, k.stop);
        f.dialog.OnListSelected(Dialog::IDC_COMBO_FLOWCONTROL, k.flow);
        f.serial.opens = false; // a real device path: the fake answers instead
        f.dialog.OnBnClickedConnectBtn();
        EXPECT_EQ(f.dialog.GetResult(), Dialog::kResultOpenFailed);
        const DEVICE_OPTION& d = f.serial.option;
        EXPECT_EQ(d.strPort, "/dev/ttyUSB0");
        EXPECT_EQ(d.dwInterfaceType, VRX_DEVICE_INTERFACE_SERIAL);
        EXPECT_EQ(d.dwBaudRate, k.dwBaudRate) << k.baud;
        EXPECT_EQ(d.dwDataBits, k.dwDataBits) << k.data;
        EXPECT_EQ(d.dwParity, k.dwParity) << k.parity;
        EXPECT_EQ(d.dwStopBits, k.dwStopBits) << k.stop;
        EXPECT_EQ(d.dwFlowControl, k.dwFlowControl) << k.flow;
        EXPECT_EQ(f.serial.calls, (std::vector<std::string>{"SetDeviceOption /dev/ttyUSB0", "OpenPort"}));
    }
}

TEST(ConnectDeviceDialog, ATypedPortIsUsedAsItStands) {
    struct Case {
        std::string typed;
        bool enabled;
    };
    const Case cases[] = {
        {"/dev/rfcomm0", true}, {"/tmp/printer link", true}, {"", false}, {"No Available Ports", false}};
    for (const Case& c : cases) {
        Fixture f;
        f.dialog.OnInitDialog();
        f.dialog.OnBnClickedRadioSerial();
        ASSERT_EQ(f.controls().port.items, std::vector<std::string>{"No Available Ports"});
        ASSERT_FALSE(f.controls().connectEnabled);
        f.dialog.OnPortTextEdited(c.typed);
        EXPECT_EQ(f.controls().connectEnabled, c.enabled) << c.typed;
        f.dialog.OnEnter();
        EXPECT_EQ(f.dialog.IsEnded(), c.enabled) << c.typed;
        if (c.enabled) {
            EXPECT_EQ(f.serial.option.strPort, c.typed);
        }
    }
    // Typing is the serial line's: the USB list takes no text.
    Fixture usb;
    usb.dialog.OnInitDialog();
    usb.dialog.OnPortTextEdited("/dev/ttyS0");
    EXPECT_FALSE(usb.controls().connectEnabled);
}

TEST(ConnectDeviceDialog, ARealSerialLineOverAPtyConnectsAndAMissingOneDoesNot) {
    CapturedLog log;
    PtyPair pty;
    for (const bool present : {true, false}) {
        FakeDeviceRecords records;
        FakePort usb;
        CPortCom serial;
        Dialog dialog(records, DevicePorts{&usb, &serial});
        dialog.OnInitDialog();
        dialog.OnBnClickedRadioSerial();
        dialog.OnPortTextEdited(present ? pty.slavePath() : "/nonexistent/ttyQ0");
        dialog.OnBnClickedConnectBtn();
        EXPECT_EQ(dialog.GetResult(), present ? Dialog::kResultConnected : Dialog::kResultOpenFailed);
        // Opened and closed again; the settings stay in the port for what follows.
        EXPECT_FALSE(serial.IsOpen());
        EXPECT_EQ(serial.GetDeviceOption().dwBaudRate, 115200u);
        EXPECT_EQ(serial.GetDeviceOption().strPort, present ? pty.slavePath() : "/nonexistent/ttyQ0");
    }
    EXPECT_TRUE(log.Contains("OnBnClickedConnectBtn : OpenPort failed."));
}

TEST(ConnectDeviceDialog, AUsbPrinterUnpluggedBeforeConnectEndsWithTwo) {
    FakeDeviceRecords records;
    records.AddUsb("1-1", 0x3f9a, 0xa007, "A1");
    auto backend = std::make_shared<FakeUsbBackend>();
    auto printer = backend->Attach(kRk7a);
    CPortUsb usb(backend);
    FakePort serial;
    Dialog dialog(records, DevicePorts{&usb, &serial});
    dialog.OnInitDialog();
    printer->unplugged = true;
    dialog.OnBnClickedConnectBtn();
    EXPECT_EQ(dialog.GetResult(), Dialog::kResultOpenFailed);
    EXPECT_EQ(backend->openInterfaces, 0);
}

// What the view's controls hold when Connect is pressed is what Connect tests, however it got there.
TEST(ConnectDeviceDialog, TheControlsAreReadWhenConnectIsPressed) {
    Fixture f;
    f.records.AddTty("ttyS2", "platform", "4");
    f.dialog.OnInitDialog();
    f.dialog.OnBnClickedRadioSerial();
    f.dialog.OnPortTextEdited("/dev/ttyS2");
    Dialog::ShownControls shown;
    shown.interfaceChoice = Dialog::kInterfaceSerial;
    shown.portText = "/dev/rfcomm0"; // put there by an assistive tool; the dialog never heard of it
    shown.baudRate = 2;              // 9600
    shown.dataBits = 2;              // 7
    shown.parity = 1, shown.stopBits = 2, shown.flowControl = 2;
    f.dialog.ReadControls(shown);
    f.serial.opens = false;
    f.dialog.OnBnClickedConnectBtn();
    EXPECT_EQ(f.serial.option.strPort, "/dev/rfcomm0");
    EXPECT_EQ(f.serial.option.dwBaudRate, 9600u);
    EXPECT_EQ(f.serial.option.dwDataBits, 7u);
    EXPECT_EQ(f.serial.option.dwParity, 1u);
    EXPECT_EQ(f.serial.option.dwStopBits, 2u);
    EXPECT_EQ(f.serial.option.dwFlowControl, 2u);

    // An empty field read at Connect is no port: nothing is tried.
    Fixture empty;
    empty.records.AddTty("ttyS2", "platform", "4");
    empty.dialog.OnInitDialog();
    empty.dialog.OnBnClickedRadioSerial();
    empty.dialog.OnPortSelected(0);
    shown.portText = "";
    empty.dialog.ReadControls(shown);
    empty.dialog.OnBnClickedConnectBtn();
    EXPECT_FALSE(empty.dialog.IsEnded());
    EXPECT_TRUE(empty.serial.calls.empty());

    // A serial choice the dialog did not hear of fills the serial lists; Connect then waits for a port.
    Fixture usb;
    usb.records.AddUsb("1-1", 0x3f9a, 0xa007, "A1");
    usb.records.AddTty("ttyS2", "platform", "4");
    usb.dialog.OnInitDialog();
    shown.portText = "HALDA RK7";
    usb.dialog.ReadControls(shown);
    EXPECT_EQ(usb.controls().interfaceChoice, Dialog::kInterfaceSerial);
    EXPECT_TRUE(usb.controls().serialSettingsVisible);
    usb.dialog.OnBnClickedConnectBtn();
    EXPECT_TRUE(usb.usb.calls.empty());
    EXPECT_TRUE(usb.serial.calls.empty());
}

// The last successful connection comes back first from the preferences: the interface, the port and the
// line; a failed one is not remembered.
class ConnectDeviceDialogPreferences : public ::testing::Test {
protected:
    void SetUp() override { InitPreference(AppPaths::FromExecutable(dir.file("quorlink-tool"))); }
    void TearDown() override { ResetPreferences(); }
    TempDir dir;
};

TEST_F(ConnectDeviceDialogPreferences, TheLastSerialConnectionIsOfferedFirst) {
    {
        Fixture f;
        f.records.AddTty("ttyS0", "platform", "4");
        f.records.AddTty("ttyUSB1", "usb-serial");
        f.dialog.OnInitDialog();
        EXPECT_EQ(f.controls().interfaceChoice, Dialog::kInterfaceUsb) << "nothing remembered yet";
        f.dialog.OnBnClickedRadioSerial();
        EXPECT_EQ(f.controls().portText, "");
        f.dialog.OnPortSelected(1);
        f.dialog.OnListSelected(Dialog::IDC_COMBO_BAUDRATE, 2);    // 9600
        f.dialog.OnListSelected(Dialog::IDC_COMBO_DATABITS, 2);    // 7
        f.dialog.OnListSelected(Dialog::IDC_COMBO_PARITY, 0);      // even
        f.dialog.OnListSelected(Dialog::IDC_COMBO_STOPBITS, 2);    // 2
        f.dialog.OnListSelected(Dialog::IDC_COMBO_FLOWCONTROL, 1); // Xon/Xoff
        f.dialog.OnBnClickedConnectBtn();
        ASSERT_EQ(f.dialog.GetResult(), Dialog::kResultConnected);
    }
    EXPECT_EQ(VRXReadConfigurationInfoFromFile(Dialog::kKeyInterface), "1");
    EXPECT_EQ(VRXReadConfigurationInfoFromFile(Dialog::kKeyPort), "/dev/ttyUSB1");
    EXPECT_EQ(VRXReadConfigurationInfoFromFile(Dialog::kKeyBaudRate), "9600");
    EXPECT_EQ(VRXReadConfigurationInfoFromFile(Dialog::kKeyParity), "2");

    Fixture again;
    again.records.AddTty("ttyS0", "platform", "4");
    again.records.AddTty("ttyUSB1", "usb-serial");
    again.dialog.OnInitDialog();
    const auto& c = again.controls();
    EXPECT_EQ(c.interfaceChoice, Dialog::kInterfaceSerial);
    EXPECT_EQ(c.port.items, (std::vector<std::string>{"/dev/ttyUSB1", "/dev/ttyS0"}));
    EXPECT_EQ(c.port.selected, 0);
    EXPECT_EQ(c.portText, "/dev/ttyUSB1");
    EXPECT_TRUE(c.connectEnabled);
    EXPECT_EQ(c.baudRate.selected, 2);
    EXPECT_EQ(c.dataBits.selected, 2);
    EXPECT_EQ(c.parity.selected, 0);
    EXPECT_EQ(c.stopBits.selected, 2);
    EXPECT_EQ(c.flowControl.selected, 1);

    // A remembered port that is not listed now (a pty, a link) stays in the field as typed.
    Fixture gone;
    gone.records.AddTty("ttyS0", "platform", "4");
    gone.dialog.OnInitDialog();
    EXPECT_EQ(gone.controls().port.items, std::vector<std::string>{"/dev/ttyS0"});
    EXPECT_EQ(gone.controls().port.selected, -1);
    EXPECT_EQ(gone.controls().portText, "/dev/ttyUSB1");

    // A failed connection changes nothing.
    gone.serial.opens = false;
    gone.dialog.OnPortSelected(0);
    gone.dialog.OnBnClickedConnectBtn();
    ASSERT_EQ(gone.dialog.GetResult(), Dialog::kResultOpenFailed);
    EXPECT_EQ(VRXReadConfigurationInfoFromFile(Dialog::kKeyPort), "/dev/ttyUSB1");
}

TEST_F(ConnectDeviceDialogPreferences, TheLastUsbPrinterIsSelectedAgain) {
    {
        Fixture f;
        f.records.AddUsb("1-1", 0x3f9a, 0xa007, "A1");
        f.records.AddUsb("1-2", 0x3f9a, 0xa007, "B2");
        f.dialog.OnInitDialog();
        f.dialog.OnPortSelected(1);
        f.dialog.OnBnClickedConnectBtn();
        ASSERT_EQ(f.dialog.GetResult(), Dialog::kResultConnected);
    }
    EXPECT_EQ(VRXReadConfigurationInfoFromFile(Dialog::kKeyInterface), "0");
    EXPECT_EQ(VRXReadConfigurationInfoFromFile(Dialog::kKeyPort), kRk7b);
    Fixture again;
    again.records.AddUsb("1-1", 0x3f9a, 0xa007, "A1");
    again.records.AddUsb("1-2", 0x3f9a, 0xa007, "B2");
    again.dialog.OnInitDialog();
    EXPECT_EQ(again.controls().interfaceChoice, Dialog::kInterfaceUsb);
    EXPECT_EQ(again.controls().port.selected, 1);
    EXPECT_EQ(again.controls().portText, "HALDA RK7#1");
    // Serial was never chosen: its field stays empty.
    again.records.AddTty("ttyS0", "platform", "4");
    again.dialog.OnBnClickedRadioSerial();
    EXPECT_EQ(again.controls().portText, "");
    EXPECT_FALSE(again.controls().connectEnabled);
}

TEST(ConnectDeviceDialog, CancelEndsWithThreeAndStopsTheTimer) {
    Fixture f;
    f.records.AddUsb("1-1", 0x3f9a, 0xa007, "A1");
    f.dialog.OnInitDialog();
    f.dialog.OnCancel();
    EXPECT_EQ(f.dialog.GetResult(), Dialog::kResultCancelled);
    EXPECT_FALSE(f.controls().timerRunning);
    EXPECT_TRUE(f.usb.calls.empty());
    // Nothing more happens once it has ended.
    f.dialog.OnBnClickedConnectBtn();
    EXPECT_EQ(f.dialog.GetResult(), Dialog::kResultCancelled);
    EXPECT_TRUE(f.usb.calls.empty());
}

} // namespace
