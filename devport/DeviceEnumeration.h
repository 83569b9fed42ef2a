#pragma once

#include "devport/IDeviceRecords.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Which attached printers and serial ports there are, and what the Port lists call them.

// The maker's USB vendor id, and the product ids with a name of their own.
inline constexpr std::uint16_t kPrinterVendorId = 0x3f9a;
// The USB interface class of printers: only a device with such an interface is listed.
inline constexpr std::uint16_t kPrinterInterfaceClass = 0x07;
inline constexpr std::uint16_t kProductIdRK7 = 0xa007;
inline constexpr std::uint16_t kProductIdRK8 = 0xa008;

// Fills strUsbDevList with the identity texts (UsbDeviceIdentity) of the attached USB devices of the
// maker, in the system's order; true when there is at least one. Without records: the system's (libudev).
bool GetAllUsbDevicePath(IDeviceRecords& records, std::vector<std::string>& strUsbDevList);
bool GetAllUsbDevicePath(std::vector<std::string>& strUsbDevList);

// The device paths of the serial ports with real hardware behind them (USB serial adapters, ACM devices,
// on-board UARTs that exist), in natural order ("/dev/ttyS2" before "/dev/ttyS10").
std::vector<std::string> GetSerialPortPaths(IDeviceRecords& records);
std::vector<std::string> GetSerialPortPaths();

// a before b, comparing runs of digits by their value: "ttyS2" before "ttyS10".
bool NaturalLess(const std::string& a, const std::string& b);

// The name the Port list shows for the USB device with that identity text, entered into nameTable (name →
// identity): "HALDA RK7" or "HALDA RK8" by product id, then "#1", "#2"... appended while the name is
// taken; any other device under its identity text. An empty text gives an empty name.
std::string UsbDisplayName(const std::string& path, std::map<std::string, std::string>& nameTable);
