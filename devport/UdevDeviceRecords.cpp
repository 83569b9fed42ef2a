#include "devport/UdevDeviceRecords.h"

#include "app/DiagnosticLog.h"

#include <libudev.h>

#include <cerrno>

namespace {

const char* const kAttributes[] = {"type",   "idVendor", "idProduct", "serial",       "busnum",
                                   "devnum", "devpath",  "product",   "manufacturer", "bInterfaceClass"};

std::string Text(const char* value) {
    return value ? value : "";
}

} // namespace

bool UdevDeviceRecords::List(const std::string& subsystem, std::vector<DeviceRecord>& records) {
    records.clear();
    udev* context = udev_new();
    if (!context) {
        WriteLog("UdevDeviceRecords::List : udev_new failed with (%d)", errno);
        return false;
    }
    bool ok = false;
    if (udev_enumerate* enumerate = udev_enumerate_new(context)) {
        if (udev_enumerate_add_match_subsystem(enumerate, subsystem.c_str()) >= 0 &&
            udev_enumerate_scan_devices(enumerate) >= 0) {
            ok = true;
            udev_list_entry* entry = nullptr;
            udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate)) {
                udev_device* device = udev_device_new_from_syspath(context, udev_list_entry_get_name(entry));
                if (!device)
                    continue;
                DeviceRecord record;
                record.subsystem = Text(udev_device_get_subsystem(device));
                record.devtype = Text(udev_device_get_devtype(device));
                record.sysname = Text(udev_device_get_sysname(device));
                record.devnode = Text(udev_device_get_devnode(device));
                if (udev_device* parent = udev_device_get_parent(device)) // owned by device
                    record.parentSubsystem = Text(udev_device_get_subsystem(parent));
                for (const char* name : kAttributes)
                    if (const char* value = udev_device_get_sysattr_value(device, name))
                        record.attributes[name] = value;
                records.push_back(std::move(record));
                udev_device_unref(device);
            }
        } else {
            WriteLog("UdevDeviceRecords::List : scanning %s failed", subsystem.c_str());
        }
        udev_enumerate_unref(enumerate);
    }
    udev_unref(context);
    return ok;
}

UdevDeviceRecords& UdevDeviceRecords::Process() {
    static UdevDeviceRecords records;
    return records;
}
