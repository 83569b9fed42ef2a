#pragma once

#include "devport/IDeviceRecords.h"
#include "devport/PortOpenFailure.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Whether this user may open a device node, and if not why: CheckPortAccess unless a test says otherwise.
using PortAccessCheck =
    std::function<PortOpenFailure(std::uint32_t dwInterfaceType, const std::string& node)>;

// The attached printers and serial ports as `quorlink device list` shows them.
struct DeviceListing {
    struct UsbPrinter {
        std::string name;     // as the connection dialog's Port list shows it
        std::string identity; // what a USB port is opened by
        std::string node;     // its device node; "" when the system names none
        // No failure: this user may open it; nothing: it cannot be told (no node).
        std::optional<PortOpenFailure> access;
    };
    struct SerialPort {
        std::string path;
        std::optional<PortOpenFailure> access;
    };
    std::vector<UsbPrinter> usb;
    std::vector<SerialPort> serial; // in natural order
};

DeviceListing ListDevices(IDeviceRecords& records, const PortAccessCheck& access = CheckPortAccess);
// {"usb": [{"name", "identity", "node", "may_open"[, "reason", "advice"]}...],
//  "serial": [{"path", "may_open"[, "reason", "advice"]}...]}; may_open is null when it cannot be told.
nlohmann::json DevicesAsJson(const DeviceListing& listing);
void PrintDeviceTable(const DeviceListing& listing, std::FILE* out);
// "yes", "no: ..." with what would let the user open it, or "unknown", as the table's last column.
std::string AccessText(const std::optional<PortOpenFailure>& access);
