#pragma once

#include <map>
#include <string>
#include <vector>

// One device as the system's device manager lists it.
struct DeviceRecord {
    std::string subsystem;       // "tty", "usb"
    std::string devtype;         // "usb_device" for a whole USB device
    std::string sysname;         // "ttyS2", "1-1.4"
    std::string devnode;         // "/dev/ttyS2"; empty when the device has no node
    std::string parentSubsystem; // the subsystem of the hardware behind it; empty for a virtual device
    std::map<std::string, std::string> attributes; // sysfs attributes: "type", "idVendor", "serial", ...
};

// The devices present, by subsystem: the program asks libudev, tests hand over records of their own.
class IDeviceRecords {
public:
    virtual ~IDeviceRecords() = default;
    // Every device of the subsystem, in the system's order; false when the list cannot be had.
    virtual bool List(const std::string& subsystem, std::vector<DeviceRecord>& records) = 0;
};
