#pragma once

#include "devport/IDeviceRecords.h"

#include <cstdio>

// Device records by script, as the device manager would list them.
class FakeDeviceRecords : public IDeviceRecords {
public:
    std::vector<DeviceRecord> records;
    bool fails = false;
    int calls = 0;

    bool List(const std::string& subsystem, std::vector<DeviceRecord>& out) override {
        ++calls;
        out.clear();
        if (fails)
            return false;
        for (const DeviceRecord& record : records)
            if (record.subsystem == subsystem)
                out.push_back(record);
        return true;
    }

    // A whole USB device at busPortPath ("1-1.4") and its interface 0 of interfaceClass (7: a printer).
    DeviceRecord& AddUsb(const std::string& busPortPath, unsigned vendor, unsigned product,
                         const std::string& serial = "", unsigned interfaceClass = 0x07) {
        AddUsbInterface(busPortPath + ":1.0", interfaceClass);
        DeviceRecord record;
        record.subsystem = "usb";
        record.devtype = "usb_device";
        record.sysname = busPortPath;
        record.parentSubsystem = "usb";
        char text[8];
        std::snprintf(text, sizeof text, "%04x", vendor);
        record.attributes["idVendor"] = text;
        std::snprintf(text, sizeof text, "%04x", product);
        record.attributes["idProduct"] = text;
        if (!serial.empty())
            record.attributes["serial"] = serial;
        records.push_back(record);
        return records.back();
    }

    // An interface of a USB device ("1-1.4:1.0") with its class.
    DeviceRecord& AddUsbInterface(const std::string& sysname, unsigned interfaceClass) {
        DeviceRecord record;
        record.subsystem = "usb";
        record.devtype = "usb_interface";
        record.sysname = sysname;
        record.parentSubsystem = "usb";
        char text[4];
        std::snprintf(text, sizeof text, "%02x", interfaceClass & 0xFF);
        record.attributes["bInterfaceClass"] = text;
        records.push_back(record);
        return records.back();
    }

    // A tty; parentSubsystem empty for a virtual one; type "" for none.
    DeviceRecord& AddTty(const std::string& name, const std::string& parentSubsystem,
                         const std::string& type = "") {
        DeviceRecord record;
        record.subsystem = "tty";
        record.sysname = name;
        record.devnode = "/dev/" + name;
        record.parentSubsystem = parentSubsystem;
        if (!type.empty())
            record.attributes["type"] = type;
        records.push_back(record);
        return records.back();
    }

    void RemoveUsb(const std::string& busPortPath) {
        std::erase_if(records, [&](const DeviceRecord& r) {
            return r.subsystem == "usb" &&
                   (r.sysname == busPortPath || r.sysname.rfind(busPortPath + ":", 0) == 0);
        });
    }
};
