#include "cli/DeviceOutput.h"

#include "devport/DeviceEnumeration.h"
#include "devport/UsbDeviceIdentity.h"

#include <algorithm>
#include <map>

namespace {

void AddAccess(nlohmann::json& entry, const std::optional<PortOpenFailure>& access) {
    if (!access) {
        entry["may_open"] = nullptr;
        return;
    }
    entry["may_open"] = !access->Failed();
    if (access->Failed()) {
        entry["reason"] = PortOpenReasonName(access->reason);
        entry["advice"] = PortOpenAdvice(*access);
    }
}

} // namespace

DeviceListing ListDevices(IDeviceRecords& records, const PortAccessCheck& access) {
    DeviceListing listing;
    std::vector<std::string> paths;
    GetAllUsbDevicePath(records, paths);
    // The device nodes by bus and port path, for the access check.
    std::map<std::string, std::string> nodes;
    std::vector<DeviceRecord> usbRecords;
    if (!paths.empty() && records.List("usb", usbRecords))
        for (const DeviceRecord& record : usbRecords)
            if (record.devtype == "usb_device")
                nodes[record.sysname] = record.devnode;
    std::map<std::string, std::string> names;
    for (const std::string& path : paths) {
        DeviceListing::UsbPrinter printer{UsbDisplayName(path, names), path, {}, std::nullopt};
        if (const auto identity = UsbDeviceIdentity::Parse(path))
            printer.node = nodes[identity->busPortPath];
        if (!printer.node.empty())
            printer.access = access(VRX_DEVICE_INTERFACE_USB, printer.node);
        listing.usb.push_back(std::move(printer));
    }
    for (const std::string& path : GetSerialPortPaths(records))
        listing.serial.push_back({path, access(VRX_DEVICE_INTERFACE_SERIAL, path)});
    return listing;
}

nlohmann::json DevicesAsJson(const DeviceListing& listing) {
    nlohmann::json usb = nlohmann::json::array(), serial = nlohmann::json::array();
    for (const auto& printer : listing.usb) {
        nlohmann::json entry = {
            {"name", printer.name}, {"identity", printer.identity}, {"node", printer.node}};
        AddAccess(entry, printer.access);
        usb.push_back(std::move(entry));
    }
    for (const auto& port : listing.serial) {
        nlohmann::json entry = {{"path", port.path}};
        AddAccess(entry, port.access);
        serial.push_back(std::move(entry));
    }
    return {{"usb", usb}, {"serial", serial}};
}

std::string AccessText(const std::optional<PortOpenFailure>& access) {
    if (!access)
        return "unknown";
    switch (access->reason) {
    case PortOpenReason::None:
        return "yes";
    case PortOpenReason::PermissionDenied:
        if (access->dwInterfaceType == VRX_DEVICE_INTERFACE_USB)
            return "no: needs the group " + access->group + " or the udev rule 60-quorlink.rules";
        return "no: needs the group " + access->group;
    case PortOpenReason::NotFound:
        return "no: not there";
    default:
        return std::string("no: ") + PortOpenReasonName(access->reason);
    }
}

void PrintDeviceTable(const DeviceListing& listing, std::FILE* out) {
    size_t nameWidth = 4, identityWidth = 8, pathWidth = 4;
    for (const auto& printer : listing.usb) {
        nameWidth = std::max(nameWidth, printer.name.size());
        identityWidth = std::max(identityWidth, printer.identity.size());
    }
    for (const auto& port : listing.serial)
        pathWidth = std::max(pathWidth, port.path.size());
    bool refused = false;
    std::fprintf(out, "USB printers:\n");
    if (listing.usb.empty())
        std::fprintf(out, "  none\n");
    else
        std::fprintf(out, "  %-*s  %-*s  %s\n", static_cast<int>(nameWidth), "NAME",
                     static_cast<int>(identityWidth), "IDENTITY", "YOU MAY OPEN IT");
    for (const auto& printer : listing.usb) {
        std::fprintf(out, "  %-*s  %-*s  %s\n", static_cast<int>(nameWidth), printer.name.c_str(),
                     static_cast<int>(identityWidth), printer.identity.c_str(),
                     AccessText(printer.access).c_str());
        refused = refused || (printer.access && printer.access->reason == PortOpenReason::PermissionDenied);
    }
    std::fprintf(out, "Serial ports:\n");
    if (listing.serial.empty())
        std::fprintf(out, "  none\n");
    else
        std::fprintf(out, "  %-*s  %s\n", static_cast<int>(pathWidth), "PATH", "YOU MAY OPEN IT");
    for (const auto& port : listing.serial) {
        std::fprintf(out, "  %-*s  %s\n", static_cast<int>(pathWidth), port.path.c_str(),
                     AccessText(port.access).c_str());
        refused = refused || (port.access && port.access->reason == PortOpenReason::PermissionDenied);
    }
    if (refused)
        std::fprintf(out, "A group added to your account takes effect at your next login.\n");
}
