#pragma once

#include "devport/IUsbBackend.h"

#include <mutex>

struct libusb_context;

// USB printers through libusb-1.0: the device at the identity's bus and port path with its vendor and
// product ids (and serial number, when the identity has one); its printer-class interface with a bulk OUT
// and a bulk IN endpoint. The kernel's printer driver is detached from the interface while it is claimed
// and attached again when it is released.
class LibusbBackend : public IUsbBackend {
public:
    LibusbBackend() = default;
    ~LibusbBackend() override;
    LibusbBackend(const LibusbBackend&) = delete;
    LibusbBackend& operator=(const LibusbBackend&) = delete;

    std::unique_ptr<IUsbPrinterInterface> Open(const UsbDeviceIdentity& identity, int& error) override;
    std::string DeviceNode(const UsbDeviceIdentity& identity) override;

private:
    // libusb is started on the first open, not before: a program that never opens a USB printer never
    // touches it.
    libusb_context* Context(int& error);

    std::mutex m_mutex;
    libusb_context* m_context = nullptr;
};
