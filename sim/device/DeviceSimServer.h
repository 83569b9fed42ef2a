#pragma once

#include "sim/device/DeviceModule.h"
#include "sim/device/DevicePty.h"
#include "sim/device/DeviceRequestReader.h"

#include <chrono>
#include <deque>
#include <optional>
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
        bool hangup = false;  // once the bytes are out, the line is hung up
        int reconnectMs = -1; // and a new one opened this much later (-1: it stays down)
    };

    void ReadRequests();
    void Handle(const DeviceRequest& request);
    void WriteDue();
    // Closes the pty (the tool's end sees the line hang up) and drops what was still to be sent.
    void HangUp(int reconnectMs);
    void Reconnect();
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
    std::optional<Clock::time_point> m_reconnectAt; // the line is down until then
    std::optional<Clock::time_point> m_drainUntil;  // a hang-up waits for the tool to read until then
};
