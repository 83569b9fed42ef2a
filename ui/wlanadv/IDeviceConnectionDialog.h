#pragma once

#include <cstdint>
#include <string>

// The connection dialog (CVRXPageWLanAdvConnectDevice) as the page runs it.
class IDeviceConnectionDialog {
public:
    struct Choice {
        int result = 3;                  // 1 connected, 2 the port cannot be opened, 3 cancelled
        std::uint32_t interfaceType = 0; // VRX_DEVICE_INTERFACE_USB or _SERIAL, as chosen
        // With result 2: why the port did not open and what to do about it, in the interface language.
        std::string openFailureAdvice;
    };

    virtual ~IDeviceConnectionDialog() = default;
    // Runs the dialog modally; a successful test leaves the settings in the chosen port object.
    virtual Choice Run() = 0;
};
