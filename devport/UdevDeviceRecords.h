#pragma once

#include "devport/IDeviceRecords.h"

// The devices libudev reports, with the sysfs attributes that port listing looks at.
class UdevDeviceRecords : public IDeviceRecords {
public:
    bool List(const std::string& subsystem, std::vector<DeviceRecord>& records) override;

    // The one the program uses.
    static UdevDeviceRecords& Process();
};
