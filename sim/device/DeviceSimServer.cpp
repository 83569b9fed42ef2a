#include "sim/device/DeviceSimServer.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
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
    : m_module(std::move(module)), m_options(std::move(options)) {}

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
                               m_output.front().written < m_output.front().bytes.size();
        pollfd fd{m_pty.masterFd(), static_cast<short>(POLLIN | (wantWrite ? POLLOUT : 0)), 0};
        const int ready = ::poll(&fd, 1, TimeoutMs());
        if (ready < 0 && errno != EINTR) {
            std::perror("quorlink-device-sim: poll");
            return 1;
        }
        if (ready > 0 && (fd.revents & POLLIN))
            ReadRequests();
        if (m_reader.Pending() && Clock::now() - m_lastInput > kStaleInput)
            for (const DeviceRequest& request : m_reader.Flush())
                Handle(request);
        WriteDue();
    }
    WriteState();
    m_pty.Close();
    return 0;
}

int DeviceSimServer::TimeoutMs() const {
    long long wait = 200;
    if (!m_output.empty())
        wait = std::chrono::duration_cast<std::chrono::milliseconds>(m_output.front().when - Clock::now())
                   .count() +
               1;
    if (m_reader.Pending())
        wait = std::min<long long>(wait, 100);
    if (m_drainUntil)
        wait = std::min<long long>(wait, 5);
    if (m_reconnectAt)
        wait = std::min<long long>(
            wait,
            std::chrono::duration_cast<std::chrono::milliseconds>(*m_reconnectAt - Clock::now()).count() + 1);
    return static_cast<int>(std::clamp<long long>(wait, 0, 200));
}

void DeviceSimServer::ReadRequests() {
    std::uint8_t buffer[16384];
    for (;;) {
        const long got = m_pty.Read(buffer, sizeof buffer);
        if (got <= 0)
            break;
        m_lastInput = Clock::now();
        m_reader.Feed(buffer, static_cast<std::size_t>(got));
    }
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
        const long put = m_pty.Write(piece.bytes.data() + piece.written, piece.bytes.size() - piece.written);
        if (put < 0) {
            std::fprintf(stderr, "quorlink-device-sim: write: %s\n", std::strerror(errno));
            m_output.pop_front();
            continue;
        }
        piece.written += static_cast<std::size_t>(put);
        if (piece.written < piece.bytes.size())
            return; // the line is full; the rest when poll says it has room
        if (piece.hangup)
            continue; // the hang-up itself, once the tool has read these bytes
        m_output.pop_front();
    }
}

void DeviceSimServer::HangUp(int reconnectMs) {
    m_output.clear();
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
