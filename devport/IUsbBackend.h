#pragma once

#include "devport/UsbDeviceIdentity.h"

#include <cstdint>
#include <memory>

// Results of the USB calls: 0 or a negative error with libusb-1.0's numbers.
namespace UsbError {
inline constexpr int Success = 0;
inline constexpr int Io = -1;
inline constexpr int Access = -3;
inline constexpr int NoDevice = -4;
inline constexpr int NotFound = -5;
inline constexpr int Busy = -6;
inline constexpr int Timeout = -7;
} // namespace UsbError

// The printer-class interface of an opened USB printer, claimed (and the kernel's printer driver
// detached from it) while the object lives.
class IUsbPrinterInterface {
public:
    virtual ~IUsbPrinterInterface() = default;
    // One bulk transfer each, waiting at most timeoutMs. transferred holds what moved, also when the
    // result is an error (a time-out may come after part of the data).
    virtual int BulkOut(const std::uint8_t* data, std::uint32_t length, std::uint32_t& transferred,
                        std::uint32_t timeoutMs) = 0;
    virtual int BulkIn(std::uint8_t* data, std::uint32_t length, std::uint32_t& transferred,
                       std::uint32_t timeoutMs) = 0;
};

// Reaches USB printers: the program's is libusb-1.0, tests script one.
class IUsbBackend {
public:
    virtual ~IUsbBackend() = default;
    // The printer interface of the device with that identity; nothing (and why in error) when it is not
    // attached or cannot be had.
    virtual std::unique_ptr<IUsbPrinterInterface> Open(const UsbDeviceIdentity& identity, int& error) = 0;
    // The device node of the device with that identity ("/dev/bus/usb/001/004"), for telling the user
    // which file they may not open; "" when it is not attached or the backend has no nodes.
    virtual std::string DeviceNode(const UsbDeviceIdentity&) { return {}; }
};
