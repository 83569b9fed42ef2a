#include "netsearch/PrinterLocator.h"

#include "netsearch/SearchProcedure.h"

#include <arpa/inet.h>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stop_token>
#include <sys/socket.h>
#include <unistd.h>

namespace {

PrinterLocation FromRecord(const std::uint8_t mac[6], const std::uint8_t ip[4], const std::uint8_t port[2]) {
    PrinterLocation location;
    location.mac = MacText(mac);
    location.ip = Ipv4Text(ip);
    location.port = BigEndian16(port);
    return location;
}

std::vector<PrinterLocation> Locations(const SearchResult& result) {
    std::vector<PrinterLocation> found;
    for (const auto& [mac, info] : result.ethernet)
        found.push_back(FromRecord(info.MacAddr, info.Ip, info.Port));
    for (const auto& [mac, info] : result.wlan) {
        PrinterLocation location = FromRecord(info.MacAddr, info.Ip, info.Port);
        location.wireless = true;
        location.name = DecodeSystemName(info);
        found.push_back(location);
    }
    return found;
}

} // namespace

std::string PrinterLocator::NormalMac(const std::string& text) {
    if (text.size() != 17)
        return {};
    std::string mac;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i % 3 == 2) {
            if (c != ':' && c != '-')
                return {};
            mac += ':';
        } else {
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                return {};
            mac += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return mac;
}

std::vector<PrinterLocation> PrinterLocator::FindAll() {
    m_searched = m_endpoint.InitLocalNetworkInterface() && m_endpoint.GetPrinterNetworkAddress() > 0;
    if (!m_searched)
        return {};
    return Locations(RunSearchProcedure(m_endpoint));
}

std::optional<PrinterLocation> PrinterLocator::Find(const std::string& macText,
                                                    const std::optional<PrinterLocation>& last) {
    const std::string mac = NormalMac(macText);
    if (mac.empty())
        return std::nullopt;
    if (last && last->port != 0) {
        std::string error;
        const int fd = Connect(last->ip, last->port, kConnectTimeout, error);
        if (fd >= 0) {
            ::close(fd);
            PrinterLocation location = *last;
            location.mac = mac;
            return location;
        }
    }
    m_searched = m_endpoint.InitLocalNetworkInterface() && m_endpoint.GetPrinterNetworkAddress() > 0;
    if (!m_searched)
        return std::nullopt;
    // The round ends the moment that printer is first heard.
    std::stop_source stop;
    const PrinterHeardFunction heard = [&mac, &stop](const HeardPrinter& printer) {
        const std::uint8_t* found = printer.ethernet ? printer.ethernet->MacAddr : printer.wlan->MacAddr;
        if (MacText(found) == mac)
            stop.request_stop();
    };
    const SearchResult result = RunSearchProcedure(m_endpoint, stop.get_token(), heard);
    for (const PrinterLocation& location : Locations(result))
        if (location.mac == mac)
            return location;
    return std::nullopt;
}

int PrinterLocator::Connect(const std::string& ip, unsigned port, std::chrono::milliseconds timeout,
                            std::string& error) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (port == 0 || port > 65535 || ::inet_pton(AF_INET, ip.c_str(), &address.sin_addr) != 1) {
        error = "no address";
        return -1;
    }
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        error = std::strerror(errno);
        return -1;
    }
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (errno != EINPROGRESS) {
            error = std::strerror(errno);
            ::close(fd);
            return -1;
        }
        pollfd entry{fd, POLLOUT, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(timeout.count()));
        int failure = 0;
        socklen_t length = sizeof failure;
        if (ready <= 0)
            failure = ready == 0 ? ETIMEDOUT : errno;
        else
            ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &failure, &length);
        if (failure != 0) {
            error = std::strerror(failure);
            ::close(fd);
            return -1;
        }
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}
