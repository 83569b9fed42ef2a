#pragma once

#include "sim/device/DeviceModule.h"
#include "sim/device/DevicePty.h"
#include "sim/device/DeviceRequestReader.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

// The simulator's loop: reads the tool's requests off the pty, lets the module answer them and writes the
// replies, each piece at its time and in order. Logs every request and keeps the state file up to date.
//
// With a line rate the pty behaves like a UART line at that rate (ten bits a byte: start, eight data bits,
// stop), both ways: a request is taken in one byte per byte time from when the tool wrote it, so the module
// acts on it only once its last byte has come over; a reply goes out one byte per byte time, a piece
// starting at its time or when the line is free, whichever is later.
class DeviceSimServer {
public:
    struct Options {
        std::string link;       // a symbolic link to the pty, made at Open and removed at the end
        std::string stateFile;  // the module's state as JSON: after every change, on SIGUSR1 and at exit
        std::string requestLog; // one JSON line per request received
        std::uint32_t baud = 0; // the line rate in bits a second; 0: bytes pass as fast as the pty takes them
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
    // Passes the bytes that have come over the line by now to the request reader and acts on the requests
    // they complete.
    void TakeInbound();
    void Handle(const DeviceRequest& request);
    void WriteDue();
    // Closes the pty (the tool's end sees the line hang up) and drops what was still to be sent.
    void HangUp(int reconnectMs);
    void Reconnect();
    // How long the loop may sleep before something is due.
    Clock::duration Timeout() const;
    bool Paced() const { return m_options.baud > 0; }
    // When the byte on the line in front of the reply queue has gone out whole (paced lines only).
    Clock::time_point NextOutboundByte() const;
    void Log(nlohmann::json line);
    void WriteState() const;

    DeviceModule m_module;
    Options m_options;
    DevicePty m_pty;
    DeviceRequestReader m_reader;
    std::deque<Piece> m_output;         // in line order: a piece never goes before the one ahead of it
    Clock::duration m_byteTime{};       // one byte on a paced line
    std::deque<std::uint8_t> m_inbound; // paced: bytes the tool wrote that are still on the line
    Clock::time_point m_inboundDone = Clock::now();  // ... when the first of them has come in whole
    Clock::time_point m_outboundFree = Clock::now(); // paced: when the line is free for the next reply byte
    Clock::time_point m_start = Clock::now();
    Clock::time_point m_lastInput = Clock::now();
    std::optional<Clock::time_point> m_reconnectAt; // the line is down until then
    std::optional<Clock::time_point> m_drainUntil;  // a hang-up waits for the tool to read until then
};
