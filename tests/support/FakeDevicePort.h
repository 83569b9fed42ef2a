#pragma once

#include "devcfg/IDeviceSleeper.h"
#include "devport/CPortMng.h"
#include "devport/ISpoolerHold.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline std::string HexDump(const Bytes& bytes, std::size_t max = 64) {
    std::string text;
    char digits[4];
    for (std::size_t i = 0; i < bytes.size() && i < max; ++i) {
        std::snprintf(digits, sizeof digits, "%02x ", bytes[i]);
        text += digits;
    }
    if (bytes.size() > max)
        text += "... (" + std::to_string(bytes.size()) + " bytes)";
    return text;
}

// What happened on the fake line, in order, shared by the port and the spooler hold: "open", "close",
// "hold 0", "restore", "write", ...
using EventLog = std::vector<std::string>;

// A scripted printer port. Each write takes the next step of the script: the bytes it expects (or any) and
// what the following reads return, one entry per read (an empty entry is a read that gets nothing). When the
// reads of a step run out, every further read gets nothing, like a silent module. A read that asks for less
// than an entry holds gets the front of it and the rest comes with the next read. Without a script step a
// write goes to the responder, if any; otherwise it fails the test.
class FakeDevicePort : public CPortMng {
public:
    struct Step {
        std::optional<Bytes> expected;
        std::vector<Bytes> reads;
    };

    explicit FakeDevicePort(std::uint32_t type = 1, EventLog* events = nullptr)
        : m_type(type), m_events(events) {}

    void Expect(Bytes written, std::vector<Bytes> reads) {
        script.push_back({std::move(written), std::move(reads)});
    }
    void AnyWrite(std::vector<Bytes> reads) { script.push_back({std::nullopt, std::move(reads)}); }

    std::deque<Step> script;
    std::function<std::vector<Bytes>(const Bytes&)> responder;
    bool openResult = true;
    // When set, Write reports this count instead of the bytes given.
    std::optional<std::uint32_t> writeResult;
    // The line's rate the port reports (0: none, as a USB port).
    std::uint32_t lineBaud = 0;

    std::vector<Bytes> writes;
    std::vector<std::uint32_t> readRooms; // the room every read asked for
    int opens = 0;
    int closes = 0;
    bool isOpen = false;

    void ClosePort() override {
        Event("close");
        ++closes;
        isOpen = false;
    }
    bool OpenPort() override {
        Event("open");
        ++opens;
        isOpen = openResult;
        return openResult;
    }
    bool SetDeviceOption(DEVICE_OPTION) override { return true; }
    std::uint32_t GetInterfaceType() override { return m_type; }
    std::uint32_t LineBaudRate() const override { return lineBaud; }

    std::uint32_t Read(std::uint8_t* pByte, std::uint32_t dwToRead, std::uint32_t) override {
        EXPECT_TRUE(isOpen) << "read on a closed port";
        readRooms.push_back(dwToRead);
        if (m_reads.empty())
            return 0;
        Bytes& front = m_reads.front();
        const std::size_t count = std::min<std::size_t>(front.size(), dwToRead);
        if (count > 0)
            std::memcpy(pByte, front.data(), count);
        if (count == front.size())
            m_reads.pop_front();
        else
            front.erase(front.begin(), front.begin() + static_cast<std::ptrdiff_t>(count));
        return static_cast<std::uint32_t>(count);
    }

    std::uint32_t Write(const std::uint8_t* pByte, std::uint32_t dwToWrite) override {
        EXPECT_TRUE(isOpen) << "write on a closed port";
        Event("write");
        Bytes written(pByte, pByte + dwToWrite);
        writes.push_back(written);
        std::vector<Bytes> reads;
        if (!script.empty()) {
            Step step = std::move(script.front());
            script.pop_front();
            if (step.expected && *step.expected != written)
                ADD_FAILURE() << "write " << writes.size() << ": expected " << HexDump(*step.expected)
                              << "\n got " << HexDump(written);
            reads = std::move(step.reads);
        } else if (responder) {
            reads = responder(written);
        } else {
            ADD_FAILURE() << "unexpected write " << HexDump(written);
        }
        m_reads.assign(reads.begin(), reads.end());
        return writeResult ? *writeResult : dwToWrite;
    }

    // Reads made since the last write that got nothing or something.
    std::size_t ReadCount() const { return readRooms.size(); }

private:
    void Event(const std::string& what) {
        if (m_events)
            m_events->push_back(what);
    }

    std::uint32_t m_type;
    EventLog* m_events;
    std::deque<Bytes> m_reads;
};

// Virtual time for the exchanges' delays.
class FakeSleeper : public IDeviceSleeper {
public:
    void Sleep(std::chrono::milliseconds duration) override {
        total += duration;
        sleeps.push_back(duration);
    }
    std::chrono::milliseconds total{};
    std::vector<std::chrono::milliseconds> sleeps;
};

class FakeSpoolerHold : public ISpoolerHold {
public:
    explicit FakeSpoolerHold(EventLog* events = nullptr) : m_events(events) {}
    bool ChangeWinDrvPortName(int nTargetPort) override {
        threads.push_back(std::this_thread::get_id());
        ++holds;
        if (m_events)
            m_events->push_back("hold " + std::to_string(nTargetPort));
        return true;
    }
    bool RestoreWinDrvPortName() override {
        threads.push_back(std::this_thread::get_id());
        ++restores;
        if (m_events)
            m_events->push_back("restore");
        return true;
    }
    std::vector<std::string> TakeQueuesRefusedToTell() override {
        std::vector<std::string> queues;
        queues.swap(refusedToTell);
        return queues;
    }
    int holds = 0;
    int restores = 0;
    std::vector<std::thread::id> threads; // of every hold and restore
    // What the next TakeQueuesRefusedToTell gives (once).
    std::vector<std::string> refusedToTell;

private:
    EventLog* m_events;
};
