#pragma once

#include "OfficeModule.h"
#include "devport/CPortMng.h"
#include "sim/device/DeviceModule.h"
#include "sim/device/DeviceRequestReader.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

// A serial line whose other end is the simulator's network module, in this process: what the tool writes
// goes to the module request by request, and its replies come back to the reads (a read waits up to its
// time-out, at most 50 ms, for bytes to come). The page's device worker reads and writes from its own
// thread; the window thread may look at the module meanwhile.
class ModulePort : public CPortMng {
public:
    explicit ModulePort(const nlohmann::json& configuration)
        : m_module(DeviceModule::SettingsFromJson(configuration)) {}

    // The office module (see OfficeModule.h) with a scan of three access points.
    static nlohmann::json OfficeModuleWithScan() {
        nlohmann::json configuration = OfficeModule();
        configuration["bss"] = nlohmann::json::array(
            {{{"ssid", "Office-7"},
              {"bssid", "02:11:22:33:44:55"},
              {"mode", 0},
              {"rssi", -67},
              {"security", 8}},
             {{"ssid", "Lab"}, {"bssid", "02:11:22:33:44:66"}, {"mode", 0}, {"rssi", -40}, {"security", 8}},
             {{"ssid", "Store"},
              {"bssid", "02:11:22:33:44:77"},
              {"mode", 0},
              {"rssi", -80},
              {"security", 8}}});
        return configuration;
    }

    bool OpenPort() override {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_pending.clear();
        m_reader = DeviceRequestReader();
        return true;
    }
    void ClosePort() override {
        std::lock_guard lock(m_mutex);
        m_open = false;
    }
    bool SetDeviceOption(DEVICE_OPTION) override { return true; }
    std::uint32_t GetInterfaceType() override { return VRX_DEVICE_INTERFACE_SERIAL; }

    std::uint32_t Write(const std::uint8_t* bytes, std::uint32_t count) override {
        std::lock_guard lock(m_mutex);
        if (!m_open)
            return 0;
        m_reader.Feed(bytes, count);
        for (const DeviceRequest& request : m_reader.Take())
            for (const DeviceReplyPiece& piece : m_module.Take(request).pieces)
                m_pending.insert(m_pending.end(), piece.bytes.begin(), piece.bytes.end());
        m_arrived.notify_all();
        return count;
    }
    std::uint32_t Read(std::uint8_t* bytes, std::uint32_t room, std::uint32_t timeoutMs) override {
        std::unique_lock lock(m_mutex);
        m_arrived.wait_for(lock, std::chrono::milliseconds(std::min<std::uint32_t>(timeoutMs, 50)),
                           [this] { return !m_pending.empty(); });
        std::uint32_t count = 0;
        while (count < room && !m_pending.empty()) {
            bytes[count++] = m_pending.front();
            m_pending.pop_front();
        }
        return count;
    }

    nlohmann::json State() const {
        std::lock_guard lock(m_mutex);
        return m_module.State();
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    DeviceModule m_module;
    DeviceRequestReader m_reader;
    std::deque<std::uint8_t> m_pending;
    bool m_open = false;
};
