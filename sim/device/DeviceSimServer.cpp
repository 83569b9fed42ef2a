#include "sim/device/DeviceSimServer.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <poll.h>

namespace {

volatile std::sig_atomic_t g_stop = 0;
volatile std::sig_atomic_t g_dumpState = 0;

void OnStop(int) {
    g_stop = 1;
}
void OnDump(int) {
    g_dumpState = 1;
}

// An unfinished message this long without another byte is given up as garbage.
constexpr auto kStaleInput = std::chrono::milliseconds(2000);
// Before a hang-up the tool is given this long to read the bytes sent ahead of it.
constexpr auto kDrainLimit = std::chrono::milliseconds(3000);

} // namespace

DeviceSimServer::DeviceSimServer(DeviceModule module, Options options)
    : m_module(std::move(module)), m_options(std::move(options)) {
    if (Paced())
        m_byteTime = std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(
            std::uint64_t{10} * 1000 * 1000 * 1000 / m_options.baud)); // ten bits a byte
}

bool DeviceSimServer::Open(std::string& error) {
    if (!m_pty.Open(m_options.link, error))
        return false;
    if (!m_options.requestLog.empty())
        std::ofstream(m_options.requestLog, std::ios::trunc);
    WriteState();
    return true;
}

int DeviceSimServer::Run() {
    struct sigaction stop {
    }, dump{};
    stop.sa_handler = OnStop;
    dump.sa_handler = OnDump;
    ::sigaction(SIGTERM, &stop, nullptr);
    ::sigaction(SIGINT, &stop, nullptr);
    ::sigaction(SIGUSR1, &dump, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    while (!g_stop) {
        if (g_dumpState) {
            g_dumpState = 0;
            WriteState();
        }
        if (m_reconnectAt && Clock::now() >= *m_reconnectAt)
            Reconnect();
        const bool wantWrite = !m_output.empty() && m_output.front().when <= Clock::now() &&
                               m_output.front().written < m_output.front().bytes.size() &&
                               (!Paced() || NextOutboundByte() <= Clock::now());
        pollfd fd{m_pty.masterFd(), static_cast<short>(POLLIN | (wantWrite ? POLLOUT : 0)), 0};
        const auto wait = std::chrono::duration_cast<std::chrono::nanoseconds>(Timeout());
        const timespec timeout{static_cast<time_t>(wait.count() / 1000000000),
                               static_cast<long>(wait.count() % 1000000000)};
        const int ready = ::ppoll(&fd, 1, &timeout, nullptr);
        if (ready < 0 && errno != EINTR) {
            std::perror("quorlink-device-sim: poll");
            return 1;
        }
        if (ready > 0 && (fd.revents & POLLIN))
            ReadRequests();
        TakeInbound();
        if (m_reader.Pending() && Clock::now() - m_lastInput > kStaleInput)
            for (const DeviceRequest& request : m_reader.Flush())
                Handle(request);
        WriteDue();
    }
    WriteState();
    m_pty.Close();
    return 0;
}

DeviceSimServer::Clock::time_point DeviceSimServer::NextOutboundByte() const {
    if (m_output.empty())
        return Clock::time_point::max();
    return std::max(m_outboundFree, m_output.front().when) + m_byteTime;
}

DeviceSimServer::Clock::duration DeviceSimServer::Timeout() const {
    using std::chrono::milliseconds;
    const auto now = Clock::now();
    Clock::duration wait = milliseconds(200);
    if (!m_output.empty()) {
        auto due = m_output.front().when;
        if (Paced() && m_output.front().written < m_output.front().bytes.size())
            due = NextOutboundByte();
        wait = due - now;
    }
    if (m_reader.Pending())
        wait = std::min<Clock::duration>(wait, milliseconds(100));
    if (!m_inbound.empty())
        wait = std::min<Clock::duration>(wait, m_inboundDone - now);
    if (m_drainUntil)
        wait = std::min<Clock::duration>(wait, milliseconds(5));
    if (m_reconnectAt)
        wait = std::min<Clock::duration>(wait, *m_reconnectAt - now);
    // A paced line is served in slices of at least a millisecond: the bytes due by then go together.
    const Clock::duration least = Paced() ? Clock::duration(milliseconds(1)) : Clock::duration::zero();
    return std::clamp<Clock::duration>(wait, least, milliseconds(200));
}

void DeviceSimServer::ReadRequests() {
    std::uint8_t buffer[16384];
    for (;;) {
        const long got = m_pty.Read(buffer, sizeof buffer);
        if (got <= 0)
            break;
        if (Paced()) {
            // The bytes start over the line once the ones before them have come in.
            if (m_inbound.empty())
                m_inboundDone = std::max(m_inboundDone, Clock::now()) + m_byteTime;
            m_inbound.insert(m_inbound.end(), buffer, buffer + got);
            continue;
        }
        m_lastInput = Clock::now();
        m_reader.Feed(buffer, static_cast<std::size_t>(got));
    }
    for (const DeviceRequest& request : m_reader.Take())
        Handle(request);
}

void DeviceSimServer::TakeInbound() {
    std::vector<std::uint8_t> arrived;
    const auto now = Clock::now();
    while (!m_inbound.empty() && m_inboundDone <= now) {
        arrived.push_back(m_inbound.front());
        m_inbound.pop_front();
        if (!m_inbound.empty())
            m_inboundDone += m_byteTime;
    }
    if (arrived.empty())
        return;
    m_lastInput = now;
    m_reader.Feed(arrived.data(), arrived.size());
    for (const DeviceRequest& request : m_reader.Take())
        Handle(request);
}

void DeviceSimServer::Handle(const DeviceRequest& request) {
    DeviceModule::Outcome outcome = m_module.Take(request);
    // A module answers one request after the other: a reply starts when the one before has gone out.
    auto when = Clock::now();
    if (!m_output.empty())
        when = std::max(when, m_output.back().when);
    for (DeviceReplyPiece& piece : outcome.pieces) {
        when += std::chrono::milliseconds(piece.waitMs);
        m_output.push_back({when, std::move(piece.bytes), 0, piece.hangup, outcome.reconnectMs});
    }
    outcome.detail["t_ms"] =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - m_start).count();
    Log(std::move(outcome.detail));
    if (outcome.stateChanged)
        WriteState();
}

void DeviceSimServer::WriteDue() {
    while (!m_output.empty() && m_output.front().when <= Clock::now()) {
        Piece& piece = m_output.front();
        if (piece.written == piece.bytes.size() && piece.hangup) {
            // The line goes once the tool has read what came before: a hang-up throws away what is
            // still waiting in the line.
            if (!m_drainUntil)
                m_drainUntil = Clock::now() + kDrainLimit;
            if (m_pty.SlaveQueued() > 0 && Clock::now() < *m_drainUntil)
                return;
            m_drainUntil.reset();
            HangUp(piece.reconnectMs);
            return;
        }
        std::size_t count = piece.bytes.size() - piece.written;
        Clock::time_point lineFree{};
        if (Paced() && count > 0) {
            // Only the bytes that have gone over the line whole by now.
            lineFree = std::max(m_outboundFree, piece.when);
            const auto now = Clock::now();
            const std::size_t due =
                now < lineFree + m_byteTime ? 0 : static_cast<std::size_t>((now - lineFree) / m_byteTime);
            if (due == 0)
                return;
            count = std::min(count, due);
        }
        const long put = m_pty.Write(piece.bytes.data() + piece.written, count);
        if (put < 0) {
            std::fprintf(stderr, "quorlink-device-sim: write: %s\n", std::strerror(errno));
            m_output.pop_front();
            continue;
        }
        piece.written += static_cast<std::size_t>(put);
        if (Paced() && put > 0)
            m_outboundFree = lineFree + static_cast<long>(put) * m_byteTime;
        if (piece.written < piece.bytes.size())
            return; // the line is full or the rest is not due yet; the rest when poll says so
        if (piece.hangup)
            continue; // the hang-up itself, once the tool has read these bytes
        m_output.pop_front();
    }
}

void DeviceSimServer::HangUp(int reconnectMs) {
    m_output.clear();
    m_inbound.clear();
    m_reader = DeviceRequestReader();
    m_pty.Close();
    Log({{"event", "hangup"},
         {"t_ms", std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - m_start).count()}});
    std::printf("quorlink-device-sim: hung up\n");
    std::fflush(stdout);
    if (reconnectMs >= 0)
        m_reconnectAt = Clock::now() + std::chrono::milliseconds(reconnectMs);
    WriteState();
}

void DeviceSimServer::Reconnect() {
    m_reconnectAt.reset();
    std::string error;
    if (!m_pty.Open(m_options.link, error)) {
        std::fprintf(stderr, "quorlink-device-sim: %s\n", error.c_str());
        return;
    }
    std::printf("quorlink-device-sim: pty %s\nquorlink-device-sim: line up again\n", m_pty.path().c_str());
    std::fflush(stdout);
    Log({{"event", "reconnect"},
         {"t_ms", std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - m_start).count()}});
    WriteState();
}

void DeviceSimServer::Log(nlohmann::json line) {
    if (m_options.requestLog.empty())
        return;
    std::ofstream(m_options.requestLog, std::ios::app)
        << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

void DeviceSimServer::WriteState() const {
    if (m_options.stateFile.empty())
        return;
    nlohmann::json state = m_module.State();
    state["pty"] = m_pty.path();
    const std::string temporary = m_options.stateFile + ".tmp";
    std::ofstream(temporary) << state.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    std::rename(temporary.c_str(), m_options.stateFile.c_str());
}
