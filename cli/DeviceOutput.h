#pragma once

#include "devport/IDeviceRecords.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>
#include <vector>

// The attached printers and serial ports as `quorlink device list` shows them.
struct DeviceListing {
    struct UsbPrinter {
        std::string name;     // as the connection dialog's Port list shows it
        std::string identity; // what a USB port is opened by
    };
    std::vector<UsbPrinter> usb;
    std::vector<std::string> serial; // device paths, in natural order
};

DeviceListing ListDevices(IDeviceRecords& records);
// {"usb": [{"name", "identity"}...], "serial": [{"path"}...]}
nlohmann::json DevicesAsJson(const DeviceListing& listing);
void PrintDeviceTable(const DeviceListing& listing, std::FILE* out);
