#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What names one attached USB printer: where it is plugged in (bus and port path, as "1-1.4"), its vendor
// and product ids and its serial number when it has one. As text, "usb:1-1.4:vid_3f9a:pid_a007:SERIAL"
// (without ":SERIAL" for a device without one): what enumeration lists, what DEVICE_OPTION::strPort holds
// for USB and what the USB port finds the device by.
struct UsbDeviceIdentity {
    std::string busPortPath; // "<bus>-<port>[.<port>...]"
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string serial;

    std::string Text() const;
    // Nothing for text that is not such an identity.
    static std::optional<UsbDeviceIdentity> Parse(const std::string& text);

    // The bus number and the port numbers from the root hub down, from busPortPath.
    std::uint8_t BusNumber() const;
    std::vector<std::uint8_t> PortNumbers() const;

    friend bool operator==(const UsbDeviceIdentity&, const UsbDeviceIdentity&) = default;
};

// A vendor or product id written as one to four hexadecimal digits, either case ("3f9a", "A007").
std::optional<std::uint16_t> ParseUsbId(const std::string& digits);
