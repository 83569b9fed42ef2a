#include "netsearch/SubnetSearch.h"

#include "netsearch/QlinkProtocol.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace SubnetSearch {

std::optional<Subnet> Parse(const std::string& text) {
    const size_t slash = text.find('/');
    if (slash == std::string::npos || slash + 1 >= text.size() || text.size() - slash - 1 > 2)
        return std::nullopt;
    int prefix = 0;
    for (size_t i = slash + 1; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        prefix = prefix * 10 + (text[i] - '0');
    }
    if (prefix < 1 || prefix > 30)
        return std::nullopt;
    in_addr address{};
    if (::inet_pton(AF_INET, text.substr(0, slash).c_str(), &address) != 1)
        return std::nullopt;
    const std::uint32_t mask = ~std::uint32_t{0} << (32 - prefix);
    const std::uint32_t host = ntohl(address.s_addr);
    Subnet subnet;
    subnet.text = text;
    subnet.prefix = prefix;
    const std::uint32_t network = htonl(host & mask), broadcast = htonl((host & mask) | ~mask);
    std::memcpy(subnet.network.data(), &network, 4);
    std::memcpy(subnet.broadcast.data(), &broadcast, 4);
    return subnet;
}

namespace {

// The source address the routing table gives a datagram to destination; errno's value in error when none.
std::optional<Address> RouteSource(const Address& destination, int& error) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
    if (fd < 0) {
        error = errno;
        return std::nullopt;
    }
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on); // a connected subnet's broadcast address
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(QlinkProtocol::kWiredPrinterPort);
    std::memcpy(&to.sin_addr.s_addr, destination.data(), 4);
    std::optional<Address> source;
    sockaddr_in local{};
    socklen_t length = sizeof local;
    // Connecting a datagram socket sends nothing; it only picks the route.
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) == 0) {
        source.emplace();
        std::memcpy(source->data(), &local.sin_addr.s_addr, 4);
    } else {
        error = errno;
    }
    ::close(fd);
    return source;
}

} // namespace

bool Resolve(const CUdpEndpoint& endpoint, const std::vector<Subnet>& subnets, std::vector<Target>& targets,
             std::string& error) {
    targets.clear();
    for (const Subnet& subnet : subnets) {
        int code = 0;
        const std::optional<Address> source = RouteSource(subnet.broadcast, code);
        if (!source) {
            error = "no route to " + subnet.text + " (" + std::strerror(code) + ")";
            return false;
        }
        const int key = endpoint.InterfaceWithAddress(*source);
        if (key < 0) {
            error = subnet.text + " is routed from " + Ipv4Text(source->data()) +
                    ", which is no address of a usable interface";
            return false;
        }
        targets.push_back({subnet, key});
    }
    return true;
}

SearchResult Run(CUdpEndpoint& endpoint, const std::vector<Target>& targets, std::stop_token stop,
                 const PrinterHeardFunction& heard) {
    std::vector<SearchExchange> directed;
    for (const Target& target : targets)
        for (const int type : {VRX_WIRED_PRINTER, VRX_WIRELESS_PRINTER})
            directed.push_back({target.nLocalNetworkInterface, type, target.subnet.broadcast,
                                target.subnet.network, target.subnet.prefix});
    return RunSearchProcedure(endpoint, directed, stop, heard);
}

} // namespace SubnetSearch
