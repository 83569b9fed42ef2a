#pragma once

#include "sim/device/DeviceModule.h"
#include "sim/device/DevicePty.h"
#include "sim/device/DeviceRequestReader.h"

#include <chrono>
#include <deque>
#include <string>

// The simulator's loop: reads the tool's requests off the pty, lets the module answer them and writes the
// replies, each piece at its time and in order. Logs every request and keeps the state file up to date.
class DeviceSimServer {
public:
    struct Options {
        std::string link;       // a symbolic link to the pty, made at Open and removed at the end
        std::string stateFile;  // the module's state as JSON: after every change, on SIGUSR1 and at exit
        std::string requestLog; // one JSON line per request received
    };

    DeviceSimServer(DeviceModule module, Options options);

    bool Open(std::string& error);
    const std::string& PtyPath() const { return m_pty.path(); }
    // Serves until SIGTERM or SIGINT; the exit status.
    int Run();

private:
    using Clock = std::chrono::steady_clock;
    struct Piece {
        Clock::time_point when;
        std::vector<std::uint8_t> bytes;
        std::size_t written = 0;
    };

    void ReadRequests();
    void Handle(const DeviceRequest& request);
    void WriteDue();
    int TimeoutMs() const;
    void Log(nlohmann::json line);
    void WriteState() const;

    DeviceModule m_module;
    Options m_options;
    DevicePty m_pty;
    DeviceRequestReader m_reader;
    std::deque<Piece> m_output; // in line order: a piece never goes before the one ahead of it
    Clock::time_point m_start = Clock::now();
    Clock::time_point m_lastInput = Clock::now();
};
