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

// The endpoint of a search for one printer: after each pass it looks whether that printer has answered,
// and then asks the search to end, so that no further pass is waited for.
class StopWhenFound : public INetworkEndpoint {
public:
    StopWhenFound(INetworkEndpoint& inner, std::string mac, std::stop_source& stop)
        : m_inner(inner), m_mac(std::move(mac)), m_stop(stop) {}

    bool InitLocalNetworkInterface() override { return m_inner.InitLocalNetworkInterface(); }
    int GetPrinterNetworkAddress() override { return m_inner.GetPrinterNetworkAddress(); }
    void ClearPrinterTables() override { m_inner.ClearPrinterTables(); }
    int SearchPrinter(int nLocalNetworkInterface, int nPrinterNetworkType, std::stop_token stop) override {
        const int count = m_inner.SearchPrinter(nLocalNetworkInterface, nPrinterNetworkType, stop);
        EthernetInfoMap wired;
        WLanInfoMap wireless;
        m_inner.CopyEthernetInfoTo(wired);
        m_inner.CopyWLanInfoTo(wireless);
        if (wired.count(m_mac) || wireless.count(m_mac))
            m_stop.request_stop();
        return count;
    }
    int CopyEthernetInfoTo(EthernetInfoMap& target) override { return m_inner.CopyEthernetInfoTo(target); }
    int CopyWLanInfoTo(WLanInfoMap& target) override { return m_inner.CopyWLanInfoTo(target); }
    bool SetQlinkInfo(int nLocalNetworkInterface, int nPrinterNetworkType, const unsigned char* message,
                      int nDataLength) override {
        return m_inner.SetQlinkInfo(nLocalNetworkInterface, nPrinterNetworkType, message, nDataLength);
    }

private:
    INetworkEndpoint& m_inner;
    std::string m_mac;
    std::stop_source& m_stop;
};

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
    std::stop_source stop;
    StopWhenFound watcher(m_endpoint, mac, stop);
    // The watcher's request ends the search only when it was made before the next pass starts.
    const SearchResult result = RunSearchProcedure(watcher, stop.get_token());
    for (const PrinterLocation& location : Locations(result))
        if (location.mac == mac)
            return location;
    // A search stopped after the wired pass copies nothing when the count was still zero: read the tables.
    EthernetInfoMap wired;
    WLanInfoMap wireless;
    m_endpoint.CopyEthernetInfoTo(wired);
    m_endpoint.CopyWLanInfoTo(wireless);
    SearchResult tables;
    tables.ethernet = std::move(wired);
    tables.wlan = std::move(wireless);
    for (const PrinterLocation& location : Locations(tables))
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
