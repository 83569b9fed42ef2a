#pragma once

#include "devport/CPortMng.h"

#include <cstdint>

// Which port object serves which interface type. The program uses the two process-wide instances
// (DevicePorts::Process()); tests hand the device operations ports of their own.
struct DevicePorts {
    CPortMng* usb = nullptr;
    CPortMng* serial = nullptr;

    // 0 → USB, 1 → serial; any other type gives no port (nullptr).
    CPortMng* ForInterface(std::uint32_t dwInterfaceType) const {
        if (dwInterfaceType == VRX_DEVICE_INTERFACE_USB)
            return usb;
        if (dwInterfaceType == VRX_DEVICE_INTERFACE_SERIAL)
            return serial;
        return nullptr;
    }

    // CPortUsb::GetInstance() and CPortCom::GetInstance().
    static DevicePorts Process();
};
