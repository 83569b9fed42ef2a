#include "devport/PortOpenFailure.h"

#include "app/StringTable.h"
#include "devport/CPortCom.h"
#include "devport/CPortUsb.h"
#include "ui/CVRXPageWLanAdvConnectDevice.h"

#include "CapturedLog.h"
#include "FakeDeviceRecords.h"
#include "FakePort.h"
#include "FakeUsbBackend.h"
#include "PtyPair.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Reason = PortOpenReason;

TEST(PortOpenFailure, ErrnoAndUsbErrorsGiveTheReasonTheUserCanActOn) {
    const struct {
        int error;
        Reason reason;
    } errnoCases[] = {
        {0, Reason::None},
        {EACCES, Reason::PermissionDenied},
        {EPERM, Reason::PermissionDenied},
        {EBUSY, Reason::Busy},
        {ENOENT, Reason::NotFound},
        {ENODEV, Reason::NotFound},
        {ENXIO, Reason::NotFound},
        {ENOTDIR, Reason::NotFound},
        {EIO, Reason::Other},
        {ENOTTY, Reason::Other},
        {EINVAL, Reason::Other},
    };
    for (const auto& c : errnoCases)
        EXPECT_EQ(ReasonForErrno(c.error), c.reason) << std::strerror(c.error);

    const struct {
        int error;
        Reason reason;
    } usbCases[] = {
        {UsbError::Success, Reason::None},      {UsbError::Access, Reason::PermissionDenied},
        {UsbError::Busy, Reason::Busy},         {UsbError::NoDevice, Reason::NotFound},
        {UsbError::NotFound, Reason::NotFound}, {UsbError::Io, Reason::Other},
        {UsbError::Timeout, Reason::Other},     {-99, Reason::Other},
    };
    for (const auto& c : usbCases)
        EXPECT_EQ(ReasonForUsbError(c.error), c.reason) << c.error;
}

TEST(PortOpenFailure, EachReasonGivesItsOwnTextSayingWhatToDo) {
    const std::string user = CurrentUserName();
    ASSERT_FALSE(user.empty());
    const struct {
        PortOpenFailure failure;
        int id;
        std::vector<std::string> says;
    } cases[] = {
        {PortOpenFailure::FromErrno(VRX_DEVICE_INTERFACE_SERIAL, "/nonexistent/ttyQ0", EACCES),
         StringId::SerialPermissionAdvice,
         {"/nonexistent/ttyQ0", "\"dialout\"", "sudo adduser " + user + " dialout", "log in again"}},
        {PortOpenFailure::FromUsbError("/nonexistent/bus/usb/001/004", UsbError::Access),
         StringId::UsbPermissionAdvice,
         {"/nonexistent/bus/usb/001/004", "60-quorlink.rules", "plug the printer in again", "\"lp\"",
          "sudo adduser " + user + " lp"}},
        {PortOpenFailure::FromErrno(VRX_DEVICE_INTERFACE_SERIAL, "/dev/ttyQ1", EBUSY),
         StringId::PortBusyAdvice,
         {"/dev/ttyQ1 is in use by another program"}},
        {PortOpenFailure::FromUsbError("usb:1-1:vid_3f9a:pid_a007", UsbError::Busy),
         StringId::PortBusyAdvice,
         {"usb:1-1:vid_3f9a:pid_a007 is in use"}},
        {PortOpenFailure::DsrOff("/dev/ttyQ2"), StringId::PortNoCarrierAdvice, {"/dev/ttyQ2", "DSR"}},
        {PortOpenFailure::FromErrno(VRX_DEVICE_INTERFACE_SERIAL, "/dev/ttyQ3", ENOENT),
         StringId::PortNotFoundAdvice,
         {"/dev/ttyQ3 is not there"}},
        {PortOpenFailure::FromUsbError("usb:1-2:vid_3f9a:pid_a008", UsbError::NoDevice),
         StringId::PortNotFoundAdvice,
         {"usb:1-2:vid_3f9a:pid_a008 is not there"}},
        {PortOpenFailure::FromErrno(VRX_DEVICE_INTERFACE_SERIAL, "/dev/ttyQ4", EIO),
         StringId::PortOtherFailure,
         {"/dev/ttyQ4 cannot be opened: " + std::string(std::strerror(EIO)) + "."}},
        {PortOpenFailure::FromUsbError("usb:1-3:vid_3f9a:pid_a007", UsbError::Io),
         StringId::PortOtherFailure,
         {"usb:1-3:vid_3f9a:pid_a007 cannot be opened: Input/Output Error."}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PortOpenAdviceId(c.failure), c.id) << c.failure.path;
        const std::string advice = PortOpenAdvice(c.failure);
        for (const std::string& part : c.says)
            EXPECT_NE(advice.find(part), std::string::npos) << part << " in: " << advice;
        EXPECT_EQ(advice.find('%'), std::string::npos) << advice;
    }
    EXPECT_EQ(PortOpenAdviceId(PortOpenFailure{}), 0);
    EXPECT_EQ(PortOpenAdvice(PortOpenFailure{}), "");
    // A failure whose cause is not known does not claim one.
    PortOpenFailure unknown;
    unknown.reason = Reason::Other;
    unknown.path = "/dev/ttyQ5";
    EXPECT_EQ(PortOpenAdvice(unknown), "/dev/ttyQ5 cannot be opened: unknown error.");
}

TEST(PortOpenFailure, TheLogLineNamesPathReasonAndError) {
    EXPECT_EQ(
        PortOpenFailureLogText(PortOpenFailure::FromErrno(VRX_DEVICE_INTERFACE_SERIAL, "/x/ttyQ0", EACCES)),
        "/x/ttyQ0: permission denied (errno 13, " + std::string(std::strerror(EACCES)) +
            "); members of the group dialout may open it");
    EXPECT_EQ(
        PortOpenFailureLogText(PortOpenFailure::FromUsbError("/x/usb/001/002", UsbError::Access)),
        "/x/usb/001/002: permission denied (libusb error -3, Access denied (insufficient permissions)); "
        "members of the group lp may open it");
    EXPECT_EQ(PortOpenFailureLogText(PortOpenFailure::DsrOff("/dev/ttyQ1")),
              "/dev/ttyQ1: no carrier (DSR is off)");
}

TEST(PortOpenFailure, FillPutsTheArgumentsWhereTheTextWantsThem) {
    const struct {
        std::string text;
        std::vector<std::string> arguments;
        std::string filled;
    } cases[] = {
        {"%1 and %2", {"a", "b"}, "a and b"},
        {"%2 before %1, %2 again", {"a", "b"}, "b before a, b again"},
        {"100% of %1", {"x"}, "100% of x"},
        {"%3 is missing", {"a"}, "%3 is missing"},
        {"%1", {"%2"}, "%2"}, // an argument is not filled in again
        {"ends with %", {"a"}, "ends with %"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StringTable::Fill(c.text, c.arguments), c.filled) << c.text;
}

TEST(PortOpenFailure, TheGroupToJoinIsTheNodesOwnWhenThatGroupMayUseIt) {
    const gid_t groupId = ::geteuid() == 0 ? 65534 : ::getegid();
    const group* entry = ::getgrgid(groupId);
    if (groupId == 0 || !entry)
        GTEST_SKIP() << "no group other than root's to give the file";
    const std::string name = entry->gr_name;
    TempDir dir;
    dir.write("node", "");
    const std::string node = dir.file("node");
    ASSERT_EQ(::chown(node.c_str(), static_cast<uid_t>(-1), groupId), 0) << std::strerror(errno);
    const struct {
        mode_t mode;
        std::string group;
    } cases[] = {{0660, name}, {0664, name}, {0640, "dialout"}, {0600, "dialout"}, {0620, "dialout"}};
    for (const auto& c : cases) {
        ASSERT_EQ(::chmod(node.c_str(), c.mode), 0);
        EXPECT_EQ(GroupGrantingAccess(node, "dialout"), c.group) << std::oct << c.mode;
    }
    EXPECT_EQ(GroupGrantingAccess(dir.file("missing"), "lp"), "lp");
}

TEST(PortOpenFailure, AccessIsCheckedWithoutOpening) {
    TempDir dir;
    dir.write("node", "");
    EXPECT_FALSE(CheckPortAccess(VRX_DEVICE_INTERFACE_SERIAL, dir.file("node")).Failed());
    const PortOpenFailure missing = CheckPortAccess(VRX_DEVICE_INTERFACE_SERIAL, dir.file("missing"));
    EXPECT_EQ(missing.reason, Reason::NotFound);
    EXPECT_EQ(missing.path, dir.file("missing"));
    EXPECT_EQ(CheckPortAccess(VRX_DEVICE_INTERFACE_USB, dir.file("missing")).reason, Reason::NotFound);
    EXPECT_FALSE(CheckPortAccess(VRX_DEVICE_INTERFACE_SERIAL, "").Failed());
}

DEVICE_OPTION SerialOption(const std::string& path) {
    DEVICE_OPTION dop;
    dop.strPort = path;
    dop.dwInterfaceType = VRX_DEVICE_INTERFACE_SERIAL;
    dop.dwBaudRate = 115200;
    dop.dwDataBits = 8;
    return dop;
}

TEST(PortOpenFailure, TheSerialPortKeepsWhyItLastFailedToOpen) {
    CapturedLog log;
    TempDir dir;
    dir.write("plain-file", "");
    PtyPair pty;
    bool dsr = false;
    CPortCom port([&dsr](int, int& status) {
        status = dsr ? TIOCM_DSR : 0;
        return true;
    });
    const struct {
        std::string path;
        Reason reason;
        int error;
    } cases[] = {
        {dir.file("missing"), Reason::NotFound, ENOENT},
        {dir.file("plain-file"), Reason::Other, ENOTTY},
        {pty.slavePath(), Reason::NoCarrier, 0},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(port.SetDeviceOption(SerialOption(c.path)));
        EXPECT_FALSE(port.OpenPort());
        const PortOpenFailure failure = port.LastOpenFailure();
        EXPECT_EQ(failure.reason, c.reason) << c.path;
        EXPECT_EQ(failure.error, c.error) << c.path;
        EXPECT_EQ(failure.path, c.path);
        EXPECT_EQ(failure.dwInterfaceType, VRX_DEVICE_INTERFACE_SERIAL);
        EXPECT_TRUE(log.Contains("CPortCom::OpenPort : " + PortOpenFailureLogText(failure))) << c.path;
    }
    EXPECT_TRUE(log.Contains("CPortCom::OpenPort : " + dir.file("missing") + ": not found (errno 2, " +
                             std::strerror(ENOENT) + ")"));
    dsr = true;
    EXPECT_TRUE(port.OpenPort());
    EXPECT_FALSE(port.LastOpenFailure().Failed());
    port.ClosePort();
}

TEST(PortOpenFailure, TheUsbPortNamesTheNodeItMayNotOpen) {
    CapturedLog log;
    auto backend = std::make_shared<FakeUsbBackend>();
    const std::string identity = "usb:1-1:vid_3f9a:pid_a007:A1";
    const auto device = backend->Attach(identity);
    device->node = "/nonexistent/bus/usb/001/004";
    CPortUsb port(backend);
    DEVICE_OPTION dop;
    dop.strPort = identity;
    ASSERT_TRUE(port.SetDeviceOption(dop));

    const struct {
        int openError;
        bool unplugged;
        Reason reason;
        std::string path;
    } cases[] = {
        {UsbError::Access, false, Reason::PermissionDenied, device->node},
        {UsbError::Busy, false, Reason::Busy, identity},
        {UsbError::Success, true, Reason::NotFound, identity},
        {UsbError::Io, false, Reason::Other, identity},
    };
    for (const auto& c : cases) {
        device->openError = c.openError;
        device->unplugged = c.unplugged;
        EXPECT_FALSE(port.OpenPort());
        const PortOpenFailure failure = port.LastOpenFailure();
        EXPECT_EQ(failure.reason, c.reason) << c.openError;
        EXPECT_EQ(failure.path, c.path) << c.openError;
        EXPECT_EQ(failure.dwInterfaceType, VRX_DEVICE_INTERFACE_USB);
    }
    EXPECT_TRUE(log.Contains("CPortUsb::OpenPort : /nonexistent/bus/usb/001/004: permission denied (libusb "
                             "error -3, Access denied (insufficient permissions)); members of the group lp "
                             "may open it"));
    device->openError = UsbError::Success;
    device->unplugged = false;
    EXPECT_TRUE(port.OpenPort());
    EXPECT_FALSE(port.LastOpenFailure().Failed());
    port.ClosePort();
}

// The connection dialog ends with 2 and keeps the failure for its caller's message.
TEST(PortOpenFailure, TheConnectionDialogKeepsWhyThePortDidNotOpen) {
    CapturedLog log;
    FakeDeviceRecords records;
    TempDir dir;
    auto backend = std::make_shared<FakeUsbBackend>();
    CPortUsb usb(backend);
    CPortCom serial;
    CVRXPageWLanAdvConnectDevice dialog(records, DevicePorts{&usb, &serial});
    dialog.OnInitDialog();
    dialog.OnBnClickedRadioSerial();
    dialog.OnPortTextEdited(dir.file("ttyGone"));
    dialog.OnBnClickedConnectBtn();
    ASSERT_EQ(dialog.GetResult(), CVRXPageWLanAdvConnectDevice::kResultOpenFailed);
    const PortOpenFailure& failure = dialog.GetOpenFailure();
    EXPECT_EQ(failure.reason, Reason::NotFound);
    EXPECT_EQ(failure.path, dir.file("ttyGone"));
    EXPECT_EQ(PortOpenAdvice(failure), LoadString(StringId::PortNotFoundAdvice).replace(0, 2, failure.path));
    EXPECT_TRUE(log.Contains("CheckDeviceConnection : " + dir.file("ttyGone") + ": not found (errno 2, " +
                             std::strerror(ENOENT) + ")"));

    // A port that cannot tell why still gives the caller a reason, and the path that was tried.
    FakePort quiet;
    quiet.opens = false;
    CVRXPageWLanAdvConnectDevice second(records, DevicePorts{&quiet, &quiet});
    second.OnInitDialog();
    second.OnBnClickedRadioSerial();
    second.OnPortTextEdited("/dev/ttyQuiet");
    second.OnBnClickedConnectBtn();
    ASSERT_EQ(second.GetResult(), CVRXPageWLanAdvConnectDevice::kResultOpenFailed);
    EXPECT_EQ(second.GetOpenFailure().reason, Reason::Other);
    EXPECT_EQ(second.GetOpenFailure().path, "/dev/ttyQuiet");

    // One that opens leaves no failure behind.
    FakePort fine;
    CVRXPageWLanAdvConnectDevice third(records, DevicePorts{&fine, &fine});
    third.OnInitDialog();
    third.OnBnClickedRadioSerial();
    third.OnPortTextEdited("/dev/ttyFine");
    third.OnBnClickedConnectBtn();
    ASSERT_EQ(third.GetResult(), CVRXPageWLanAdvConnectDevice::kResultConnected);
    EXPECT_FALSE(third.GetOpenFailure().Failed());
}

} // namespace
