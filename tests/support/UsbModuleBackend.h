#pragma once

#include "devport/IUsbBackend.h"
#include "sim/device/DeviceModule.h"
#include "sim/device/DeviceRequestReader.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

// A USB printer whose network module is the simulator's: what the tool sends on bulk OUT goes to the
// module request by request, and its replies come back on bulk IN, as much as a transfer asks for. An
// empty queue times out at once (the tests run the delays on a virtual clock). Unplugged (now, or as a
// named request arrives, before the module acts on it), every transfer and every open fails with
// NoDevice, as libusb reports a device that is gone; plugged in again, the module is the same.
class UsbModuleBackend : public IUsbBackend {
public:
    explicit UsbModuleBackend(DeviceModule::Settings settings) : m_module(std::move(settings)) {}

    std::string unplugOn;       // a request name ("IF__SET", "start", ...): unplug as it arrives; once
    int unplugOnOccurrence = 1; // ... at this occurrence of it
    bool unplugged = false;
    int opens = 0;
    int openInterfaces = 0;
    std::vector<std::string> requests; // the names of the requests that reached the module

    void Unplug() { unplugged = true; }
    void PlugIn() {
        unplugged = false;
        m_pending.clear();
        m_reader = DeviceRequestReader();
    }
    const DeviceModule& module() const { return m_module; }

    std::unique_ptr<IUsbPrinterInterface> Open(const UsbDeviceIdentity&, int& error) override {
        ++opens;
        if (unplugged) {
            error = UsbError::NoDevice;
            return nullptr;
        }
        error = UsbError::Success;
        return std::make_unique<Interface>(*this);
    }

private:
    class Interface : public IUsbPrinterInterface {
    public:
        explicit Interface(UsbModuleBackend& backend) : m_backend(backend) { ++m_backend.openInterfaces; }
        ~Interface() override { --m_backend.openInterfaces; }

        int BulkOut(const std::uint8_t* data, std::uint32_t length, std::uint32_t& transferred,
                    std::uint32_t) override {
            transferred = 0;
            if (m_backend.unplugged)
                return UsbError::NoDevice;
            transferred = length;
            m_backend.Take(data, length);
            return UsbError::Success;
        }

        int BulkIn(std::uint8_t* data, std::uint32_t length, std::uint32_t& transferred,
                   std::uint32_t) override {
            transferred = 0;
            if (m_backend.unplugged)
                return UsbError::NoDevice;
            std::deque<std::uint8_t>& pending = m_backend.m_pending;
            if (pending.empty())
                return UsbError::Timeout;
            while (transferred < length && !pending.empty()) {
                data[transferred++] = pending.front();
                pending.pop_front();
            }
            return UsbError::Success;
        }

    private:
        UsbModuleBackend& m_backend;
    };

    void Take(const std::uint8_t* data, std::uint32_t length) {
        m_reader.Feed(data, length);
        for (const DeviceRequest& request : m_reader.Take()) {
            const std::string name = DeviceModule::RequestName(request);
            if (name == unplugOn && --unplugOnOccurrence <= 0) {
                unplugOn.clear();
                unplugged = true;
                m_pending.clear();
                return;
            }
            requests.push_back(name);
            for (const DeviceReplyPiece& piece : m_module.Take(request).pieces)
                m_pending.insert(m_pending.end(), piece.bytes.begin(), piece.bytes.end());
        }
    }

    DeviceModule m_module;
    DeviceRequestReader m_reader;
    std::deque<std::uint8_t> m_pending;
};
