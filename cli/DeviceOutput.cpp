#include "cli/DeviceOutput.h"

#include "devport/DeviceEnumeration.h"

#include <algorithm>
#include <map>

DeviceListing ListDevices(IDeviceRecords& records) {
    DeviceListing listing;
    std::vector<std::string> paths;
    GetAllUsbDevicePath(records, paths);
    std::map<std::string, std::string> names;
    for (const std::string& path : paths)
        listing.usb.push_back({UsbDisplayName(path, names), path});
    listing.serial = GetSerialPortPaths(records);
    return listing;
}

nlohmann::json DevicesAsJson(const DeviceListing& listing) {
    nlohmann::json usb = nlohmann::json::array(), serial = nlohmann::json::array();
    for (const auto& printer : listing.usb)
        usb.push_back({{"name", printer.name}, {"identity", printer.identity}});
    for (const std::string& path : listing.serial)
        serial.push_back({{"path", path}});
    return {{"usb", usb}, {"serial", serial}};
}

void PrintDeviceTable(const DeviceListing& listing, std::FILE* out) {
    size_t width = 4;
    for (const auto& printer : listing.usb)
        width = std::max(width, printer.name.size());
    std::fprintf(out, "USB printers:\n");
    if (listing.usb.empty())
        std::fprintf(out, "  none\n");
    for (const auto& printer : listing.usb)
        std::fprintf(out, "  %-*s  %s\n", static_cast<int>(width), printer.name.c_str(),
                     printer.identity.c_str());
    std::fprintf(out, "Serial ports:\n");
    if (listing.serial.empty())
        std::fprintf(out, "  none\n");
    for (const std::string& path : listing.serial)
        std::fprintf(out, "  %s\n", path.c_str());
}
