#include "sim/SimServer.h"

#include "netsearch/QlinkProtocol.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <ifaddrs.h>
#include <net/if.h>
#include <poll.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_stop = 0;
volatile std::sig_atomic_t g_dumpState = 0;

void OnStop(int) {
    g_stop = 1;
}
void OnDump(int) {
    g_dumpState = 1;
}

int OpenListener(const in_addr& address, std::uint16_t port, std::string& error) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
    if (fd < 0) {
        error = "socket: " + std::string(std::strerror(errno));
        return -1;
    }
    const int on = 1;
    const int buffer = 8 * 1024 * 1024; // many printers answer from here at once
    ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    ::setsockopt(fd, IPPROTO_IP, IP_PKTINFO, &on, sizeof on);
    // A printer that answers from its own address sends from one this host does not hold (root only).
    ::setsockopt(fd, IPPROTO_IP, IP_TRANSPARENT, &on, sizeof on);
    if (::setsockopt(fd, SOL_SOCKET, SO_SNDBUFFORCE, &buffer, sizeof buffer) != 0)
        ::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &buffer, sizeof buffer);
    if (::setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &buffer, sizeof buffer) != 0)
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    local.sin_addr = address;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        error = "bind to port " + std::to_string(port) + ": " + std::strerror(errno);
        ::close(fd);
        return -1;
    }
    return fd;
}

// One datagram without waiting, with the address it was sent to (a broadcast address for a search) and the
// interface it came in on.
ssize_t Receive(int fd, std::uint8_t* buffer, std::size_t size, sockaddr_in& from, in_addr& to,
                unsigned& interfaceIndex) {
    iovec data{buffer, size};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))];
    msghdr message{};
    message.msg_name = &from;
    message.msg_namelen = sizeof from;
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    const ssize_t received = ::recvmsg(fd, &message, MSG_DONTWAIT);
    to = {};
    interfaceIndex = 0;
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); received >= 0 && c; c = CMSG_NXTHDR(&message, c))
        if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
            in_pktinfo info{};
            std::memcpy(&info, CMSG_DATA(c), sizeof info);
            to = info.ipi_addr;
            interfaceIndex = static_cast<unsigned>(info.ipi_ifindex);
        }
    return received;
}

// One datagram to to, out of interface interfaceIndex when it is not 0.
ssize_t SendOn(int fd, const std::vector<std::uint8_t>& bytes, const sockaddr_in& to, unsigned interfaceIndex,
               const in_addr& source) {
    iovec data{const_cast<std::uint8_t*>(bytes.data()), bytes.size()};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
    msghdr message{};
    message.msg_name = const_cast<sockaddr_in*>(&to);
    message.msg_namelen = sizeof to;
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    if (interfaceIndex != 0 || source.s_addr != 0) {
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        cmsghdr* c = CMSG_FIRSTHDR(&message);
        c->cmsg_level = IPPROTO_IP;
        c->cmsg_type = IP_PKTINFO;
        c->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
        in_pktinfo info{};
        info.ipi_ifindex = static_cast<int>(interfaceIndex);
        info.ipi_spec_dst = source;
        std::memcpy(CMSG_DATA(c), &info, sizeof info);
    }
    return ::sendmsg(fd, &message, 0);
}

std::string Text(const sockaddr_in& address) {
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &address.sin_addr, text, sizeof text);
    return std::string(text) + ":" + std::to_string(ntohs(address.sin_port));
}

std::string Hex(const std::uint8_t* data, std::size_t length) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(length * 2);
    for (std::size_t i = 0; i < length; ++i) {
        out += digits[data[i] >> 4];
        out += digits[data[i] & 0xF];
    }
    return out;
}

} // namespace

SimServer::SimServer(std::vector<SimPrinter> printers, Options options)
    : m_printers(std::move(printers)), m_options(std::move(options)) {}

SimServer::~SimServer() {
    if (m_wiredFd >= 0)
        ::close(m_wiredFd);
    if (m_wirelessFd >= 0)
        ::close(m_wirelessFd);
}

bool SimServer::Open(std::string& error) {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) {
        error = "getifaddrs: " + std::string(std::strerror(errno));
        return false;
    }
    for (const ifaddrs* item = list; item; item = item->ifa_next) {
        if (!item->ifa_addr || item->ifa_addr->sa_family != AF_INET || !item->ifa_name)
            continue;
        Link link;
        const std::string name = item->ifa_name;
        link.index = ::if_nametoindex(name.substr(0, name.find(':')).c_str());
        link.address = reinterpret_cast<const sockaddr_in*>(item->ifa_addr)->sin_addr;
        if ((item->ifa_flags & IFF_BROADCAST) && item->ifa_broadaddr)
            link.broadcast = reinterpret_cast<const sockaddr_in*>(item->ifa_broadaddr)->sin_addr;
        m_links.push_back(link);
    }
    ::freeifaddrs(list);
    for (const SimPrinter& printer : m_printers) {
        const std::string& wanted = printer.behaviour().link;
        in_addr linkAddress{};
        if (wanted.empty())
            continue;
        ::inet_pton(AF_INET, wanted.c_str(), &linkAddress);
        if (std::none_of(m_links.begin(), m_links.end(),
                         [&](const Link& link) { return link.address.s_addr == linkAddress.s_addr; })) {
            error = "printer " + printer.Mac() + ": no link with the address " + wanted;
            return false;
        }
    }

    in_addr address{};
    if (::inet_pton(AF_INET, m_options.bindAddress.c_str(), &address) != 1) {
        error = "not an IPv4 address: " + m_options.bindAddress;
        return false;
    }
    m_wiredFd = OpenListener(address, QlinkProtocol::kWiredPrinterPort, error);
    if (m_wiredFd < 0)
        return false;
    m_wirelessFd = OpenListener(address, QlinkProtocol::kWirelessPrinterPort, error);
    if (m_wirelessFd < 0)
        return false;
    // One print listener per printer: a large fleet needs more sockets than the usual soft limit.
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &files);
    }
    for (const SimPrinter& printer : m_printers)
        PlacePrintPort(printer);
    return true;
}

void SimServer::PlacePrintPort(const SimPrinter& printer) {
    in_addr address{};
    std::memcpy(&address.s_addr, printer.record().Ip, 4);
    std::string error;
    if (!m_printPort.Place(printer.Mac(), address,
                           static_cast<std::uint16_t>(BigEndian16(printer.record().Port)), error))
        std::fprintf(stderr, "quorlink-printer-sim: takes no print jobs: %s\n", error.c_str());
}

int SimServer::Run() {
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
        int timeoutMs = 200;
        if (!m_outgoing.empty()) {
            const auto wait =
                std::chrono::duration_cast<std::chrono::milliseconds>(m_outgoing.top().when - Clock::now());
            timeoutMs = static_cast<int>(std::clamp<long long>(wait.count() + 1, 0, 200));
        }
        std::vector<pollfd> fds = {{m_wiredFd, POLLIN, 0}, {m_wirelessFd, POLLIN, 0}};
        m_printPort.AddPollEntries(fds);
        const int ready = ::poll(fds.data(), fds.size(), timeoutMs);
        if (ready < 0 && errno != EINTR) {
            std::perror("quorlink-printer-sim: poll");
            return 1;
        }
        if (ready > 0) {
            if (fds[0].revents & POLLIN)
                Take(m_wiredFd, QlinkProtocol::kWiredPrinterPort);
            if (fds[1].revents & POLLIN)
                Take(m_wirelessFd, QlinkProtocol::kWirelessPrinterPort);
            m_printPort.Serve(fds.data() + 2, fds.size() - 2);
        }
        SendDue();
    }
    WriteState();
    return 0;
}

void SimServer::Take(int fd, std::uint16_t port) {
    using namespace QlinkProtocol;
    // Everything waiting, so that a flood of requests is served in one go.
    for (;;) {
        std::uint8_t buffer[2048];
        sockaddr_in from{};
        in_addr to{};
        unsigned interfaceIndex = 0;
        const ssize_t received = Receive(fd, buffer, sizeof buffer, from, to, interfaceIndex);
        if (received < 0)
            return;
        const auto length = static_cast<std::size_t>(received);
        LogRequest(port, from, to, buffer, length);

        const bool wiredRequest = port == kWiredPrinterPort && length == kWiredRequest.size() &&
                                  StartsWith(buffer, length, kWiredRequest);
        const bool wirelessRequest = port == kWirelessPrinterPort && length == kWirelessRequest.size() &&
                                     StartsWith(buffer, length, kWirelessRequest);
        if (wiredRequest || wirelessRequest) {
            for (const SimPrinter& printer : m_printers) {
                const auto& b = printer.behaviour();
                if (!(wiredRequest ? b.answersWiredRequest : b.answersWirelessRequest) ||
                    !Hears(printer, interfaceIndex))
                    continue;
                const sockaddr_in replyTo = ReplyAddress(printer, from, interfaceIndex);
                const unsigned via = ReplyInterface(printer, interfaceIndex);
                const in_addr source = SourceOf(printer);
                for (const auto& garbage : b.garbageBefore)
                    Plan(fd, replyTo, via, b.delayMs, garbage, source);
                const std::vector<std::uint8_t> answer = printer.Answer();
                for (int i = 0; i < b.answersPerRequest; ++i)
                    Plan(fd, replyTo, via, b.delayMs, answer, source);
                for (const auto& garbage : b.garbageAfter)
                    Plan(fd, replyTo, via, b.delayMs, garbage, source);
            }
            continue;
        }
        for (SimPrinter& printer : m_printers) {
            const bool ownPort = port == (printer.kind() == SimPrinter::Kind::Wired ? kWiredPrinterPort
                                                                                    : kWirelessPrinterPort);
            const in_addr source = SourceOf(printer); // the address the message reached it at
            if (!ownPort || !Hears(printer, interfaceIndex) || !printer.ApplySettings(buffer, length))
                continue;
            std::printf("settings applied to %s\n", printer.Mac().c_str());
            std::fflush(stdout);
            PlacePrintPort(printer); // the printing port follows the address
            std::vector<std::uint8_t> confirmation = printer.SettingsConfirmation();
            if (!confirmation.empty())
                Plan(fd, ReplyAddress(printer, from, interfaceIndex), ReplyInterface(printer, interfaceIndex),
                     printer.behaviour().delayMs, std::move(confirmation), source);
        }
    }
}

void SimServer::LogRequest(std::uint16_t port, const sockaddr_in& from, const in_addr& to,
                           const std::uint8_t* data, std::size_t length) {
    if (m_options.requestLog.empty())
        return;
    char toText[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &to, toText, sizeof toText);
    const nlohmann::json line = {
        {"port", port},
        {"from", Text(from)},
        {"to", toText},
        {"length", length},
        {"hex", Hex(data, length)},
        // when it came, on the system's monotonic clock (std::chrono::steady_clock), in milliseconds
        {"at_ms", std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now().time_since_epoch())
                      .count()}};
    std::ofstream(m_options.requestLog, std::ios::app) << line.dump() << '\n';
}

bool SimServer::Hears(const SimPrinter& printer, unsigned interfaceIndex) const {
    const std::string& wanted = printer.behaviour().link;
    if (wanted.empty())
        return true;
    in_addr address{};
    ::inet_pton(AF_INET, wanted.c_str(), &address);
    return std::any_of(m_links.begin(), m_links.end(), [&](const Link& link) {
        return link.index == interfaceIndex && link.address.s_addr == address.s_addr;
    });
}

sockaddr_in SimServer::ReplyAddress(const SimPrinter& printer, const sockaddr_in& from,
                                    unsigned interfaceIndex) const {
    sockaddr_in to = from;
    switch (printer.behaviour().replyBy) {
    case SimPrinter::ReplyBy::Unicast:
        break;
    case SimPrinter::ReplyBy::SubnetBroadcast:
        for (const Link& link : m_links)
            if (link.index == interfaceIndex && link.broadcast.s_addr != 0)
                to.sin_addr = link.broadcast;
        break;
    case SimPrinter::ReplyBy::LimitedBroadcast:
        to.sin_addr.s_addr = htonl(INADDR_BROADCAST);
        break;
    }
    return to;
}

unsigned SimServer::ReplyInterface(const SimPrinter& printer, unsigned interfaceIndex) const {
    // A unicast reply goes as the routing table says; a broadcast one out of the link it answers.
    return printer.behaviour().replyBy == SimPrinter::ReplyBy::Unicast ? 0 : interfaceIndex;
}

void SimServer::Plan(int fd, const sockaddr_in& to, unsigned interfaceIndex, int delayMs,
                     std::vector<std::uint8_t> bytes, in_addr source) {
    m_outgoing.push({Clock::now() + std::chrono::milliseconds(delayMs), m_order++, fd, to, interfaceIndex,
                     source, std::move(bytes)});
}

in_addr SimServer::SourceOf(const SimPrinter& printer) {
    in_addr source{};
    if (printer.behaviour().fromOwnAddress)
        std::memcpy(&source.s_addr, printer.record().Ip, 4);
    return source;
}

void SimServer::SendDue() {
    const auto now = Clock::now();
    while (!m_outgoing.empty() && m_outgoing.top().when <= now) {
        const Outgoing& next = m_outgoing.top();
        if (SendOn(next.fd, next.bytes, next.to, next.interfaceIndex, next.source) < 0)
            std::fprintf(stderr, "quorlink-printer-sim: sendto %s: %s\n", Text(next.to).c_str(),
                         std::strerror(errno));
        m_outgoing.pop();
    }
}

void SimServer::WriteState() const {
    if (m_options.stateFile.empty())
        return;
    nlohmann::json printers = nlohmann::json::array();
    for (const SimPrinter& printer : m_printers) {
        nlohmann::json entry = printer.ToJson();
        entry["printed"] = SimPrintPort::JobsAsJson(m_printPort.JobsOf(printer.Mac()));
        printers.push_back(std::move(entry));
    }
    const std::string temporary = m_options.stateFile + ".tmp";
    std::ofstream(temporary) << printers.dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
                             << '\n';
    std::rename(temporary.c_str(), m_options.stateFile.c_str());
}
