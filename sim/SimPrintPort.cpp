#include "sim/SimPrintPort.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace {

std::string Text(in_addr address, std::uint16_t port) {
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &address, text, sizeof text);
    return std::string(text) + ":" + std::to_string(port);
}

std::string HexOf(const std::vector<std::uint8_t>& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (std::uint8_t byte : bytes) {
        out += digits[byte >> 4];
        out += digits[byte & 0xF];
    }
    return out;
}

} // namespace

SimPrintPort::~SimPrintPort() {
    for (auto& [mac, listener] : m_listeners)
        ::close(listener.fd);
    for (auto& [fd, connection] : m_connections)
        ::close(fd);
}

bool SimPrintPort::Place(const std::string& mac, in_addr address, std::uint16_t port, std::string& error) {
    const auto old = m_listeners.find(mac);
    if (old != m_listeners.end()) {
        if (old->second.address.s_addr == address.s_addr && old->second.port == port)
            return true;
        ::close(old->second.fd);
        m_listeners.erase(old);
    }
    if (address.s_addr == 0 || port == 0)
        return true;

    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        error = "socket: " + std::string(std::strerror(errno));
        return false;
    }
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    ::setsockopt(fd, IPPROTO_IP, IP_FREEBIND, &on, sizeof on); // the address may not be on a link (yet)
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    local.sin_addr = address;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0 || ::listen(fd, 8) != 0) {
        error = "printer " + mac + ": TCP " + Text(address, port) + ": " + std::strerror(errno);
        ::close(fd);
        return false;
    }
    m_listeners[mac] = {fd, address, port};
    return true;
}

void SimPrintPort::AddPollEntries(std::vector<pollfd>& entries) const {
    for (const auto& [mac, listener] : m_listeners)
        entries.push_back({listener.fd, POLLIN, 0});
    for (const auto& [fd, connection] : m_connections)
        entries.push_back({fd, POLLIN, 0});
}

void SimPrintPort::Serve(const pollfd* entries, std::size_t count) {
    std::vector<int> ended;
    for (std::size_t i = 0; i < count; ++i) {
        if (!(entries[i].revents & (POLLIN | POLLHUP | POLLERR)))
            continue;
        const int fd = entries[i].fd;
        if (const auto connection = m_connections.find(fd); connection != m_connections.end()) {
            if (Read(fd, connection->second))
                ended.push_back(fd);
            continue;
        }
        for (const auto& [mac, listener] : m_listeners)
            if (listener.fd == fd) {
                Accept(mac, listener);
                break;
            }
    }
    for (int fd : ended) {
        Connection& connection = m_connections.at(fd);
        // A connection that brought nothing is no job (a sender looking whether the printer is there).
        if (!connection.job.bytes.empty())
            m_jobs[connection.mac].push_back(std::move(connection.job));
        m_connections.erase(fd);
        ::close(fd);
    }
}

void SimPrintPort::Accept(const std::string& mac, const Listener& listener) {
    for (;;) {
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const int fd =
            ::accept4(listener.fd, reinterpret_cast<sockaddr*>(&from), &length, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return;
        Connection connection;
        connection.mac = mac;
        connection.job.at = Text(listener.address, listener.port);
        connection.job.from = Text(from.sin_addr, ntohs(from.sin_port));
        m_connections[fd] = std::move(connection);
    }
}

bool SimPrintPort::Read(int fd, Connection& connection) {
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t received = ::recv(fd, buffer, sizeof buffer, 0);
        if (received > 0) {
            connection.job.bytes.insert(connection.job.bytes.end(), buffer, buffer + received);
            continue;
        }
        if (received < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return false;
        if (received < 0 && errno == EINTR)
            continue;
        return true; // closed by the sender, or broken
    }
}

const std::vector<SimPrintPort::Job>& SimPrintPort::JobsOf(const std::string& mac) const {
    static const std::vector<Job> kNone;
    const auto jobs = m_jobs.find(mac);
    return jobs == m_jobs.end() ? kNone : jobs->second;
}

nlohmann::json SimPrintPort::JobsAsJson(const std::vector<Job>& jobs) {
    nlohmann::json out = nlohmann::json::array();
    for (const Job& job : jobs)
        out.push_back(
            {{"at", job.at}, {"from", job.from}, {"length", job.bytes.size()}, {"hex", HexOf(job.bytes)}});
    return out;
}
