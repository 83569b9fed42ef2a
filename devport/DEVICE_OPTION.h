#pragma once

#include <cstdint>
#include <string>

// Device interface types: they select the USB or the serial port object.
constexpr std::uint32_t VRX_DEVICE_INTERFACE_USB = 0;
constexpr std::uint32_t VRX_DEVICE_INTERFACE_SERIAL = 1;

// Serial time-outs in milliseconds, in this order.
struct COMM_TIMEOUTS_MS {
    std::uint32_t dwReadIntervalTimeout = 10;
    std::uint32_t dwReadTotalTimeoutMultiplier = 10;
    std::uint32_t dwReadTotalTimeoutConstant = 10;
    std::uint32_t dwWriteTotalTimeoutMultiplier = 0;
    std::uint32_t dwWriteTotalTimeoutConstant = 0;
};

// The settings of one port, passed by value and copied into the port object.
struct DEVICE_OPTION {
    // Serial: the device path ("/dev/ttyUSB0", or any path the user typed). USB: the device's identity
    // text as device enumeration gives it.
    std::string strPort;
    std::uint32_t dwInterfaceType = VRX_DEVICE_INTERFACE_USB;
    std::uint32_t dwBaudRate = 0;
    std::uint32_t dwDataBits = 0;
    std::uint32_t dwStopBits = 0;    // 0 = one stop bit, 1 = one and a half, 2 = two
    std::uint32_t dwParity = 0;      // 0 = none, 1 = odd, 2 = even
    std::uint32_t dwFlowControl = 0; // 0 = "Hardware", 1 = "Xon/Xoff", 2 = "None"
    COMM_TIMEOUTS_MS stTimeouts;
    std::uint32_t dwInBufSize = 8149;
    std::uint32_t dwOutBufSize = 8149;
};
