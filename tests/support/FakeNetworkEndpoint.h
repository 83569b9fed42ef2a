#pragma once

#include "netsearch/INetworkEndpoint.h"
#include "netsearch/PrinterRecords.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

// A UDP endpoint without a network, for the windows and the search worker. The "system" has a scripted
// number of interfaces; every (interface, type) has a scripted set of printers that answer a search. The
// endpoint keeps its interface and printer tables the way the real one does:
//   - InitLocalNetworkInterface fills the interface table once (the first call that finds interfaces, which
//     also empties the printer tables); later calls return true without looking again;
//   - SearchPrinter enters every answering printer under its MAC text unless the table has it already (the
//     first answer wins), stamps it with the interface index, and returns the count of the type's table
//     when anything answered, else 0;
//   - the Copy operations empty the target and return the count.
// Every call is recorded. Searches can be held at a gate (to test what happens while a search is running)
// and slowed down; a stop request ends the wait at the gate or the delay, and that search then answers
// nothing. All of it is safe to use from the worker thread and the test's thread at once.
class FakeNetworkEndpoint : public INetworkEndpoint {
public:
    struct SentMessage {
        int nLocalNetworkInterface;
        int nPrinterNetworkType;
        std::vector<unsigned char> bytes;
    };

    // ----- scripting -----

    // How many usable interfaces the "system" has; InitLocalNetworkInterface finds them.
    void SetSystemInterfaceCount(int count) {
        std::lock_guard lock(m_mutex);
        m_systemInterfaces = count;
    }
    // Fills the interface table directly, as if InitLocalNetworkInterface had already run.
    void SetInterfaceTableCount(int count) {
        std::lock_guard lock(m_mutex);
        m_systemInterfaces = count;
        m_interfaceTable = count;
    }
    void AddWiredAnswer(int nLocalNetworkInterface, const ETHERNET_INFO& printer) {
        std::lock_guard lock(m_mutex);
        m_wiredAnswers[nLocalNetworkInterface].push_back(printer);
    }
    void AddWirelessAnswer(int nLocalNetworkInterface, const WLAN_INFO& printer) {
        std::lock_guard lock(m_mutex);
        m_wirelessAnswers[nLocalNetworkInterface].push_back(printer);
    }
    // The printers that answer from now on: none.
    void ClearAnswers() {
        std::lock_guard lock(m_mutex);
        m_wiredAnswers.clear();
        m_wirelessAnswers.clear();
    }
    // Every SearchPrinter sleeps this long before it answers.
    void SetSearchDelay(std::chrono::milliseconds delay) {
        std::lock_guard lock(m_mutex);
        m_searchDelay = delay;
    }
    void SetQlinkResult(bool result) {
        std::lock_guard lock(m_mutex);
        m_qlinkResult = result;
    }

    // From now on SearchPrinter waits at the gate until ReleaseSearches.
    void HoldSearches() {
        std::lock_guard lock(m_mutex);
        m_held = true;
    }
    void ReleaseSearches() {
        {
            std::lock_guard lock(m_mutex);
            m_held = false;
        }
        m_changed.notify_all();
    }
    // True once a SearchPrinter is waiting at the gate (within timeout).
    bool WaitUntilSearchIsHeld(std::chrono::milliseconds timeout) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, timeout, [this] { return m_waitingAtGate > 0; });
    }
    // True once no SearchPrinter is running (within timeout).
    bool WaitUntilNoSearchRuns(std::chrono::milliseconds timeout) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, timeout, [this] { return m_searchesRunning == 0; });
    }

    // ----- what happened -----

    // Every call in order, as "InitLocalNetworkInterface", "GetPrinterNetworkAddress", "ClearPrinterTables",
    // "SearchPrinter(0,1)", "CopyEthernetInfoTo", "CopyWLanInfoTo", "SetQlinkInfo(0,2)".
    std::vector<std::string> Calls() const {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }
    int CountCalls(const std::string& prefix) const {
        std::lock_guard lock(m_mutex);
        int count = 0;
        for (const auto& call : m_calls)
            count += call.compare(0, prefix.size(), prefix) == 0;
        return count;
    }
    // The threads SearchPrinter ran on.
    std::vector<std::thread::id> SearchThreads() const {
        std::lock_guard lock(m_mutex);
        return m_searchThreads;
    }
    // SearchPrinter calls that have returned.
    int FinishedSearches() const {
        std::lock_guard lock(m_mutex);
        return m_finishedSearches;
    }
    // SearchPrinter calls that a stop request ended.
    int StoppedSearches() const {
        std::lock_guard lock(m_mutex);
        return m_stoppedSearches;
    }
    std::vector<SentMessage> SentMessages() const {
        std::lock_guard lock(m_mutex);
        return m_sent;
    }
    EthernetInfoMap EthernetTable() const {
        std::lock_guard lock(m_mutex);
        return m_ethernet;
    }
    WLanInfoMap WLanTable() const {
        std::lock_guard lock(m_mutex);
        return m_wlan;
    }

    // ----- records for the scripts -----

    static ETHERNET_INFO WiredPrinter(std::array<std::uint8_t, 6> mac, std::array<std::uint8_t, 4> ip) {
        ETHERNET_INFO info{};
        Fill(info, mac, ip);
        return info;
    }
    static WLAN_INFO WirelessPrinter(std::array<std::uint8_t, 6> mac, std::array<std::uint8_t, 4> ip,
                                     const std::string& systemName = {}) {
        WLAN_INFO info{};
        Fill(info, mac, ip);
        if (!systemName.empty()) {
            info.Mask[0] |= VRX_MASK_SYSTEM_NAME;
            systemName.copy(reinterpret_cast<char*>(info.SystemName), sizeof info.SystemName);
        }
        return info;
    }

    // ----- INetworkEndpoint -----

    bool InitLocalNetworkInterface() override {
        std::lock_guard lock(m_mutex);
        m_calls.push_back("InitLocalNetworkInterface");
        if (m_interfaceTable > 0)
            return true;
        m_interfaceTable = m_systemInterfaces > 0 ? m_systemInterfaces : 0;
        if (m_interfaceTable > 0) {
            m_ethernet.clear();
            m_wlan.clear();
        }
        return m_interfaceTable > 0;
    }
    int GetPrinterNetworkAddress() override {
        std::lock_guard lock(m_mutex);
        m_calls.push_back("GetPrinterNetworkAddress");
        return m_interfaceTable;
    }
    void ClearPrinterTables() override {
        std::lock_guard lock(m_mutex);
        m_calls.push_back("ClearPrinterTables");
        m_ethernet.clear();
        m_wlan.clear();
    }
    int SearchPrinter(int nLocalNetworkInterface, int nPrinterNetworkType,
                      std::stop_token stop = {}) override {
        std::unique_lock lock(m_mutex);
        m_calls.push_back("SearchPrinter(" + std::to_string(nLocalNetworkInterface) + "," +
                          std::to_string(nPrinterNetworkType) + ")");
        m_searchThreads.push_back(std::this_thread::get_id());
        ++m_searchesRunning;
        if (m_held) {
            ++m_waitingAtGate;
            m_changed.notify_all();
            m_changed.wait(lock, stop, [this] { return !m_held; });
            --m_waitingAtGate;
        }
        if (m_searchDelay.count() > 0)
            m_changed.wait_for(lock, stop, m_searchDelay, [] { return false; });
        int result = 0;
        const bool stopped = stop.stop_requested();
        m_stoppedSearches += stopped;
        const bool known =
            !stopped && nLocalNetworkInterface >= 0 && nLocalNetworkInterface < m_interfaceTable;
        if (known && nPrinterNetworkType == VRX_WIRED_PRINTER)
            result = Enter(m_wiredAnswers, m_ethernet, nLocalNetworkInterface);
        else if (known && nPrinterNetworkType == VRX_WIRELESS_PRINTER)
            result = Enter(m_wirelessAnswers, m_wlan, nLocalNetworkInterface);
        --m_searchesRunning;
        ++m_finishedSearches;
        m_changed.notify_all();
        return result;
    }
    // The round is recorded as "SearchRound", then one "SearchPrinter(i,t)" per exchange in the order given.
    // As the real round takes answers while it waits for silence, this one first enters each exchange's
    // answers as SearchPrinter does (telling heard of each new printer), then waits at the gate and the
    // delay; a stop request ends those waits, and what was entered stays.
    int SearchRound(const std::vector<SearchExchange>& exchanges, std::stop_token stop = {},
                    const PrinterHeardFunction& heard = {}) override {
        std::unique_lock lock(m_mutex);
        m_calls.push_back("SearchRound");
        m_searchThreads.push_back(std::this_thread::get_id());
        m_rounds.push_back(exchanges);
        ++m_searchesRunning;
        int result = 0;
        for (const SearchExchange& e : exchanges) {
            const int i = e.nLocalNetworkInterface;
            m_calls.push_back("SearchPrinter(" + std::to_string(i) + "," +
                              std::to_string(e.nPrinterNetworkType) + ")");
            if (stop.stop_requested() || i < 0 || i >= m_interfaceTable)
                continue;
            if (e.nPrinterNetworkType == VRX_WIRED_PRINTER)
                result += Enter(m_wiredAnswers, m_ethernet, i, heard, VRX_WIRED_PRINTER);
            else if (e.nPrinterNetworkType == VRX_WIRELESS_PRINTER)
                result += Enter(m_wirelessAnswers, m_wlan, i, heard, VRX_WIRELESS_PRINTER);
        }
        if (m_held) {
            ++m_waitingAtGate;
            m_changed.notify_all();
            m_changed.wait(lock, stop, [this] { return !m_held; });
            --m_waitingAtGate;
        }
        if (m_searchDelay.count() > 0)
            m_changed.wait_for(lock, stop, m_searchDelay, [] { return false; });
        m_stoppedSearches += stop.stop_requested();
        --m_searchesRunning;
        ++m_finishedSearches;
        m_changed.notify_all();
        return result;
    }
    // The exchanges of every round, in order.
    std::vector<std::vector<SearchExchange>> Rounds() const {
        std::lock_guard lock(m_mutex);
        return m_rounds;
    }
    int CopyEthernetInfoTo(EthernetInfoMap& target) override {
        std::lock_guard lock(m_mutex);
        m_calls.push_back("CopyEthernetInfoTo");
        target = m_ethernet;
        return static_cast<int>(target.size());
    }
    int CopyWLanInfoTo(WLanInfoMap& target) override {
        std::lock_guard lock(m_mutex);
        m_calls.push_back("CopyWLanInfoTo");
        target = m_wlan;
        return static_cast<int>(target.size());
    }
    bool SetQlinkInfo(int nLocalNetworkInterface, int nPrinterNetworkType, const unsigned char* message,
                      int nDataLength) override {
        std::lock_guard lock(m_mutex);
        m_calls.push_back("SetQlinkInfo(" + std::to_string(nLocalNetworkInterface) + "," +
                          std::to_string(nPrinterNetworkType) + ")");
        if (!message || nDataLength <= 0)
            return false;
        m_sent.push_back({nLocalNetworkInterface, nPrinterNetworkType,
                          std::vector<unsigned char>(message, message + nDataLength)});
        return m_qlinkResult;
    }

private:
    template <typename Record>
    static void Fill(Record& info, const std::array<std::uint8_t, 6>& mac,
                     const std::array<std::uint8_t, 4>& ip) {
        std::copy(mac.begin(), mac.end(), info.MacAddr);
        std::copy(ip.begin(), ip.end(), info.Ip);
    }

    template <typename Record>
    static int Enter(const std::map<int, std::vector<Record>>& answers, std::map<std::string, Record>& table,
                     int nLocalNetworkInterface, const PrinterHeardFunction& heard = {}, int type = 0) {
        const auto found = answers.find(nLocalNetworkInterface);
        if (found == answers.end() || found->second.empty())
            return 0;
        for (Record printer : found->second) {
            printer.byLocalNetworkInterface = static_cast<std::uint8_t>(nLocalNetworkInterface);
            const auto [entry, added] = table.emplace(MacText(printer.MacAddr), printer);
            if (added && heard) {
                HeardPrinter told{type, nullptr, nullptr};
                if constexpr (std::is_same_v<Record, ETHERNET_INFO>)
                    told.ethernet = &entry->second;
                else
                    told.wlan = &entry->second;
                heard(told);
            }
        }
        return static_cast<int>(table.size());
    }

    mutable std::mutex m_mutex;
    std::condition_variable_any m_changed;
    int m_systemInterfaces = 0;
    int m_interfaceTable = 0;
    std::map<int, std::vector<ETHERNET_INFO>> m_wiredAnswers;
    std::map<int, std::vector<WLAN_INFO>> m_wirelessAnswers;
    EthernetInfoMap m_ethernet;
    WLanInfoMap m_wlan;
    std::chrono::milliseconds m_searchDelay{0};
    bool m_qlinkResult = true;
    bool m_held = false;
    int m_waitingAtGate = 0;
    int m_searchesRunning = 0;
    int m_finishedSearches = 0;
    int m_stoppedSearches = 0;
    std::vector<std::vector<SearchExchange>> m_rounds;
    std::vector<std::string> m_calls;
    std::vector<std::thread::id> m_searchThreads;
    std::vector<SentMessage> m_sent;
};
