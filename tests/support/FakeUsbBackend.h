#pragma once

#include "devport/IUsbBackend.h"

#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// USB printers by script. Each attached device answers bulk IN transfers from its queue of replies (one
// reply per transfer) and is silent when the queue is empty: the transfer then times out after the time-out
// it was given, on a fake clock, or for real when realWait is set. Unplugging makes every later transfer
// and open fail with NoDevice.
class FakeUsbBackend : public IUsbBackend {
public:
    struct Device {
        std::deque<std::vector<std::uint8_t>> replies;
        std::vector<std::uint8_t> received;
        bool unplugged = false;
        int outError = UsbError::Success;    // result of the next bulk OUT transfers
        std::uint32_t outLimit = UINT32_MAX; // at most this many bytes go out per transfer
        int openError = UsbError::Success;   // an open fails with this (UsbError::Access: no permission)
        std::string node;                    // its device node
    };

    std::map<std::string, std::shared_ptr<Device>> devices; // by identity text
    bool realWait = false;
    std::int64_t clockMs = 0;               // the fake clock: advanced by every timed-out transfer
    std::vector<std::uint32_t> inTimeouts;  // time-outs the bulk IN transfers were given
    std::vector<std::uint32_t> outTimeouts; // and the bulk OUT transfers
    int inFlight = 0;                       // transfers started and not yet returned
    int openInterfaces = 0;                 // interfaces claimed and not released
    int opens = 0;

    std::string DeviceNode(const UsbDeviceIdentity& identity) override {
        const auto found = devices.find(identity.Text());
        return found == devices.end() || found->second->unplugged ? std::string() : found->second->node;
    }

    std::shared_ptr<Device> Attach(const std::string& identity) {
        auto device = std::make_shared<Device>();
        devices[identity] = device;
        return device;
    }

    std::unique_ptr<IUsbPrinterInterface> Open(const UsbDeviceIdentity& identity, int& error) override {
        ++opens;
        const auto found = devices.find(identity.Text());
        if (found == devices.end() || found->second->unplugged) {
            error = UsbError::NoDevice;
            return nullptr;
        }
        if (found->second->openError != UsbError::Success) {
            error = found->second->openError;
            return nullptr;
        }
        error = UsbError::Success;
        return std::make_unique<Interface>(*this, found->second);
    }

private:
    class Interface : public IUsbPrinterInterface {
    public:
        Interface(FakeUsbBackend& backend, std::shared_ptr<Device> device)
            : m_backend(backend), m_device(std::move(device)) {
            ++m_backend.openInterfaces;
        }
        ~Interface() override { --m_backend.openInterfaces; }

        int BulkOut(const std::uint8_t* data, std::uint32_t length, std::uint32_t& transferred,
                    std::uint32_t timeoutMs) override {
            m_backend.outTimeouts.push_back(timeoutMs);
            transferred = 0;
            if (m_device->unplugged)
                return UsbError::NoDevice;
            if (m_device->outError != UsbError::Success)
                return m_device->outError;
            transferred = std::min(length, m_device->outLimit);
            m_device->received.insert(m_device->received.end(), data, data + transferred);
            if (transferred < length) {
                m_backend.clockMs += timeoutMs;
                return UsbError::Timeout;
            }
            return UsbError::Success;
        }

        int BulkIn(std::uint8_t* data, std::uint32_t length, std::uint32_t& transferred,
                   std::uint32_t timeoutMs) override {
            ++m_backend.inFlight;
            m_backend.inTimeouts.push_back(timeoutMs);
            transferred = 0;
            int result = UsbError::Success;
            if (m_device->unplugged) {
                result = UsbError::NoDevice;
            } else if (m_device->replies.empty()) {
                if (m_backend.realWait)
                    std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
                m_backend.clockMs += timeoutMs;
                result = UsbError::Timeout;
            } else {
                auto& reply = m_device->replies.front();
                transferred = std::min<std::uint32_t>(length, static_cast<std::uint32_t>(reply.size()));
                std::copy_n(reply.begin(), transferred, data);
                reply.erase(reply.begin(), reply.begin() + transferred);
                if (reply.empty())
                    m_device->replies.pop_front();
            }
            --m_backend.inFlight;
            return result;
        }

    private:
        FakeUsbBackend& m_backend;
        std::shared_ptr<Device> m_device;
    };
};
