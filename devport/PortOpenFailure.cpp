#include "devport/PortOpenFailure.h"

#include "app/StringTable.h"
#include "devport/IUsbBackend.h"

#include <libusb.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kSerialGroup = "dialout";
constexpr const char* kUsbGroup = "lp";

const char* FallbackGroup(std::uint32_t dwInterfaceType) {
    return dwInterfaceType == VRX_DEVICE_INTERFACE_USB ? kUsbGroup : kSerialGroup;
}

std::string ErrorText(const PortOpenFailure& failure) {
    if (failure.reason == PortOpenReason::NoCarrier)
        return "DSR off";
    if (failure.error == 0)
        return "unknown error";
    if (failure.dwInterfaceType == VRX_DEVICE_INTERFACE_USB)
        return libusb_strerror(failure.error);
    return std::strerror(failure.error);
}

} // namespace

PortOpenReason ReasonForErrno(int errnum) {
    switch (errnum) {
    case 0:
        return PortOpenReason::None;
    case EACCES:
    case EPERM:
        return PortOpenReason::PermissionDenied;
    case EBUSY:
        return PortOpenReason::Busy;
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
        return PortOpenReason::NotFound;
    default:
        return PortOpenReason::Other;
    }
}

PortOpenReason ReasonForUsbError(int usbError) {
    switch (usbError) {
    case UsbError::Success:
        return PortOpenReason::None;
    case UsbError::Access:
        return PortOpenReason::PermissionDenied;
    case UsbError::Busy:
        return PortOpenReason::Busy;
    case UsbError::NoDevice:
    case UsbError::NotFound:
        return PortOpenReason::NotFound;
    default:
        return PortOpenReason::Other;
    }
}

const char* PortOpenReasonName(PortOpenReason reason) {
    switch (reason) {
    case PortOpenReason::None:
        return "";
    case PortOpenReason::PermissionDenied:
        return "permission denied";
    case PortOpenReason::Busy:
        return "busy";
    case PortOpenReason::NoCarrier:
        return "no carrier";
    case PortOpenReason::NotFound:
        return "not found";
    case PortOpenReason::Other:
        break;
    }
    return "other";
}

std::string GroupGrantingAccess(const std::string& node, const std::string& fallback) {
    struct stat info {};
    if (::stat(node.c_str(), &info) != 0 || info.st_gid == 0 ||
        (info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP))
        return fallback;
    std::vector<char> buffer(16384);
    group entry{};
    group* found = nullptr;
    if (::getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return fallback;
    return found->gr_name;
}

PortOpenFailure PortOpenFailure::FromErrno(std::uint32_t dwInterfaceType, std::string path, int errnum) {
    PortOpenFailure failure;
    failure.reason = ReasonForErrno(errnum);
    failure.dwInterfaceType = dwInterfaceType;
    failure.path = std::move(path);
    failure.error = errnum;
    if (failure.reason == PortOpenReason::PermissionDenied)
        failure.group = GroupGrantingAccess(failure.path, FallbackGroup(dwInterfaceType));
    // A USB node's errno speaks in errno's numbers; keep the libusb meaning for the text.
    if (dwInterfaceType == VRX_DEVICE_INTERFACE_USB)
        failure.error = failure.reason == PortOpenReason::PermissionDenied ? UsbError::Access
                        : failure.reason == PortOpenReason::NotFound       ? UsbError::NoDevice
                        : failure.reason == PortOpenReason::Busy           ? UsbError::Busy
                                                                           : UsbError::Io;
    return failure;
}

PortOpenFailure PortOpenFailure::FromUsbError(std::string path, int usbError) {
    PortOpenFailure failure;
    failure.reason = ReasonForUsbError(usbError);
    failure.dwInterfaceType = VRX_DEVICE_INTERFACE_USB;
    failure.path = std::move(path);
    failure.error = usbError;
    if (failure.reason == PortOpenReason::PermissionDenied)
        failure.group = GroupGrantingAccess(failure.path, kUsbGroup);
    return failure;
}

PortOpenFailure PortOpenFailure::DsrOff(std::string path) {
    PortOpenFailure failure;
    failure.reason = PortOpenReason::NoCarrier;
    failure.dwInterfaceType = VRX_DEVICE_INTERFACE_SERIAL;
    failure.path = std::move(path);
    return failure;
}

int PortOpenAdviceId(const PortOpenFailure& failure) {
    switch (failure.reason) {
    case PortOpenReason::None:
        return 0;
    case PortOpenReason::PermissionDenied:
        return failure.dwInterfaceType == VRX_DEVICE_INTERFACE_USB ? StringId::UsbPermissionAdvice
                                                                   : StringId::SerialPermissionAdvice;
    case PortOpenReason::Busy:
        return StringId::PortBusyAdvice;
    case PortOpenReason::NoCarrier:
        return StringId::PortNoCarrierAdvice;
    case PortOpenReason::NotFound:
        return StringId::PortNotFoundAdvice;
    case PortOpenReason::Other:
        break;
    }
    return StringId::PortOtherFailure;
}

std::string PortOpenAdvice(const PortOpenFailure& failure) {
    const int id = PortOpenAdviceId(failure);
    if (id == 0)
        return {};
    const std::string group = failure.group.empty() ? FallbackGroup(failure.dwInterfaceType) : failure.group;
    const std::string second = failure.reason == PortOpenReason::Other ? ErrorText(failure) : group;
    const std::string user = CurrentUserName();
    return StringTable::Fill(LoadString(id), {failure.path, second, user.empty() ? "$USER" : user});
}

std::string PortOpenFailureLogText(const PortOpenFailure& failure) {
    if (!failure.Failed())
        return failure.path + ": opened";
    std::string text = failure.path + ": " + PortOpenReasonName(failure.reason);
    if (failure.reason == PortOpenReason::NoCarrier)
        return text + " (DSR is off)";
    text += failure.dwInterfaceType == VRX_DEVICE_INTERFACE_USB ? " (libusb error " : " (errno ";
    text += std::to_string(failure.error) + ", " + ErrorText(failure) + ")";
    if (failure.reason == PortOpenReason::PermissionDenied)
        text += "; members of the group " + failure.group + " may open it";
    return text;
}

PortOpenFailure CheckPortAccess(std::uint32_t dwInterfaceType, const std::string& node) {
    if (node.empty())
        return {};
    if (::faccessat(AT_FDCWD, node.c_str(), R_OK | W_OK, AT_EACCESS) == 0)
        return {};
    const int error = errno;
    const PortOpenReason reason = ReasonForErrno(error);
    if (reason != PortOpenReason::PermissionDenied && reason != PortOpenReason::NotFound)
        return {}; // cannot tell without opening it
    return PortOpenFailure::FromErrno(dwInterfaceType, node, error);
}

std::string CurrentUserName() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_name && *found->pw_name)
        return found->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : "";
}
