#include "devport/DeviceEnumeration.h"

#include "app/DiagnosticLog.h"
#include "devport/UdevDeviceRecords.h"
#include "devport/UsbDeviceIdentity.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <set>

namespace {

std::optional<std::uint16_t> HexId(const std::map<std::string, std::string>& attributes, const char* name) {
    const auto found = attributes.find(name);
    if (found == attributes.end())
        return std::nullopt;
    return ParseUsbId(found->second);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool GetAllUsbDevicePath(IDeviceRecords& records, std::vector<std::string>& strUsbDevList) {
    WriteLog("GetAllUsbDevicePath : START");
    strUsbDevList.clear();
    std::vector<DeviceRecord> devices;
    if (!records.List("usb", devices))
        WriteLog("GetAllUsbDevicePath : the USB devices cannot be listed");
    // The devices with a printer-class interface ("1-1.4:1.0" belongs to the device "1-1.4").
    std::set<std::string> printers;
    for (const DeviceRecord& device : devices) {
        const std::size_t colon = device.sysname.find(':');
        if (device.devtype == "usb_interface" &&
            HexId(device.attributes, "bInterfaceClass") == kPrinterInterfaceClass &&
            colon != std::string::npos)
            printers.insert(device.sysname.substr(0, colon));
    }
    for (const DeviceRecord& device : devices) {
        if (device.devtype != "usb_device")
            continue;
        const auto vendor = HexId(device.attributes, "idVendor");
        const auto product = HexId(device.attributes, "idProduct");
        if (!vendor || !product || *vendor != kPrinterVendorId)
            continue;
        if (!printers.contains(device.sysname)) {
            WriteLog("GetAllUsbDevicePath : %s has no printer interface", device.sysname.c_str());
            continue;
        }
        UsbDeviceIdentity identity;
        identity.busPortPath = device.sysname;
        identity.vendorId = *vendor;
        identity.productId = *product;
        if (const auto serial = device.attributes.find("serial"); serial != device.attributes.end())
            identity.serial = serial->second;
        const std::string text = identity.Text();
        if (!UsbDeviceIdentity::Parse(text)) {
            WriteLog("GetAllUsbDevicePath : %s has no usable bus and port path", device.sysname.c_str());
            continue;
        }
        WriteLog("GetAllUsbDevicePath : DevicePath = %s", text.c_str());
        strUsbDevList.push_back(text);
    }
    WriteLog("GetAllUsbDevicePath : strUsbDevList.GetCount() = %d", static_cast<int>(strUsbDevList.size()));
    WriteLog("GetAllUsbDevicePath : END");
    return !strUsbDevList.empty();
}

bool GetAllUsbDevicePath(std::vector<std::string>& strUsbDevList) {
    return GetAllUsbDevicePath(UdevDeviceRecords::Process(), strUsbDevList);
}

std::vector<std::string> GetSerialPortPaths(IDeviceRecords& records) {
    std::vector<DeviceRecord> devices;
    records.List("tty", devices);
    std::vector<std::string> paths;
    for (const DeviceRecord& device : devices) {
        // Virtual terminals, ptys and the console have no hardware behind them.
        if (device.devnode.empty() || device.parentSubsystem.empty())
            continue;
        // The serial core lists every UART slot it has (ttyS0 to ttyS31); an absent one is of type 0.
        const auto type = device.attributes.find("type");
        if (type != device.attributes.end() && (type->second.empty() || type->second == "0"))
            continue;
        paths.push_back(device.devnode);
    }
    std::sort(paths.begin(), paths.end(), NaturalLess);
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    return paths;
}

std::vector<std::string> GetSerialPortPaths() {
    return GetSerialPortPaths(UdevDeviceRecords::Process());
}

bool NaturalLess(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            size_t ei = i, ej = j;
            while (ei < a.size() && IsDigit(a[ei]))
                ++ei;
            while (ej < b.size() && IsDigit(b[ej]))
                ++ej;
            // Compare by value: skip leading zeros, then the longer run is the larger number.
            size_t si = i, sj = j;
            while (si + 1 < ei && a[si] == '0')
                ++si;
            while (sj + 1 < ej && b[sj] == '0')
                ++sj;
            if (ei - si != ej - sj)
                return ei - si < ej - sj;
            const int order = a.compare(si, ei - si, b, sj, ej - sj);
            if (order != 0)
                return order < 0;
            if (ei - i != ej - j) // "01" after "1", so that the order stays strict
                return ei - i < ej - j;
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j])
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

std::string UsbDisplayName(const std::string& path, std::map<std::string, std::string>& nameTable) {
    if (path.empty())
        return {};
    const auto identity = UsbDeviceIdentity::Parse(path);
    std::string name;
    if (identity && identity->productId == kProductIdRK7)
        name = "HALDA RK7";
    else if (identity && identity->productId == kProductIdRK8)
        name = "HALDA RK8";
    else {
        nameTable[path] = path;
        return path;
    }
    for (int counter = 1; nameTable.count(name); ++counter)
        name += "#" + std::to_string(counter);
    nameTable[name] = path;
    return name;
}
