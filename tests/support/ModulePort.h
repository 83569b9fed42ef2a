#pragma once

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

    // A record that passes the page's checks (WPA2-PSK with AES, an administrator, SNMP with its communities)
    // and a scan of three access points.
    static nlohmann::json OfficeModule() {
        return nlohmann::json{
            {"record",
             {{"bySSID", "Office-7"},
              {"bySystemName", "RK7-dock"},
              {"byAuthentication", 3},
              {"byEncryption", 4},
              {"byPSK_Key", "psk-12345"},
              {"byUserName", "admin"},
              {"byUserPassword", "pw-5678"},
              {"byIP", "192.0.2.7"},
              {"bySubnetMask", "255.255.255.0"},
              {"byPortNumber", 9100},
              {"bySNMP", 1},
              {"bySNMPGetCommunity", "public"},
              {"szSNMPSetCommunity", "private"},
              {"szSNMPTrapCommunity", "traps"},
              {"byTrapIP", "192.0.2.9"}}},
            {"system", {{"version", "3.10"}, {"date", "2026-11-30"}, {"mac", "02:00:5e:10:00:0a"}}},
            {"bss",
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
               {"security", 8}}}}};
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
