#pragma once

#include "devport/DEVICE_OPTION.h"

#include <cstdint>
#include <string>

// Why a port did not open, in the terms the user can act on.
enum class PortOpenReason {
    None,             // it opened, or nothing was tried
    PermissionDenied, // this account may not open the device node
    Busy,             // another program holds the device
    NoCarrier,        // serial: the line opened but DSR is off, so no printer is at the other end
    NotFound,         // no such device: unplugged, switched off, or a path that does not exist
    Other,            // anything else; the system's error text says what
};

// The last failure of a port to open: the reason, the device node it tried and the system's error.
struct PortOpenFailure {
    PortOpenReason reason = PortOpenReason::None;
    std::uint32_t dwInterfaceType = VRX_DEVICE_INTERFACE_SERIAL;
    // Serial: the tty path. USB: the device node under /dev/bus/usb when it is known, else the identity.
    std::string path;
    // errno for a serial line, libusb's error number for USB; 0 for DSR off.
    int error = 0;
    // For a permission failure: the group whose members may open the node.
    std::string group;

    bool Failed() const { return reason != PortOpenReason::None; }

    // A failure of open() or an ioctl on a serial node (or of a check of a USB node), from errno.
    static PortOpenFailure FromErrno(std::uint32_t dwInterfaceType, std::string path, int errnum);
    // A failure of the USB library to reach or claim the printer.
    static PortOpenFailure FromUsbError(std::string path, int usbError);
    // A serial line without DSR.
    static PortOpenFailure DsrOff(std::string path);
};

// errno → reason: EACCES and EPERM are a permission, EBUSY a device in use, ENOENT, ENODEV, ENXIO and
// ENOTDIR a device that is not there.
PortOpenReason ReasonForErrno(int errnum);
// libusb's error → reason, the same way.
PortOpenReason ReasonForUsbError(int usbError);
// "permission denied", "busy", "no carrier", "not found", "other" (for the log and --json); "" for None.
const char* PortOpenReasonName(PortOpenReason reason);

// The group that lets its members open node: the node's own group when that group may read and write it
// (and is not root's), else fallback. ("dialout" for a serial line, "lp" for a USB printer.)
std::string GroupGrantingAccess(const std::string& node, const std::string& fallback);

// The string-table text the user is shown for failure (0 for no failure): for a permission, the group to
// join (and for USB the udev rule); for the other reasons a short one of their own.
int PortOpenAdviceId(const PortOpenFailure& failure);
// That text in the current language, with the path, the group, the user's name and the system's error
// filled in; "" for no failure.
std::string PortOpenAdvice(const PortOpenFailure& failure);
// One line for the log: "/dev/ttyUSB0: permission denied (errno 13, Permission denied)".
std::string PortOpenFailureLogText(const PortOpenFailure& failure);

// Whether this process may open node for reading and writing, without opening it: no failure when it may
// (or when the node cannot be looked at), else why not (permission, or not there).
PortOpenFailure CheckPortAccess(std::uint32_t dwInterfaceType, const std::string& node);

// The name of the account the program runs as ("" when it has none).
std::string CurrentUserName();
