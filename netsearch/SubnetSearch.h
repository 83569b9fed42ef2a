#pragma once

#include "netsearch/CUdpEndpoint.h"
#include "netsearch/SearchProcedure.h"

#include <optional>
#include <stop_token>
#include <string>
#include <vector>

// Searches that also reach subnets behind a router: the requests go to each subnet's directed broadcast
// address, out of the local interface the routing table sends there. Routers pass such a datagram on only
// where directed broadcasts are allowed (on Linux, net.ipv4.conf.*.bc_forwarding).
namespace SubnetSearch {

using Address = CUdpEndpoint::Address;

struct Subnet {
    std::string text; // as given, "10.20.30.0/24"
    Address network{};
    int prefix = 0;
    Address broadcast{};
};
// "A.B.C.D/N" with N from 1 to 30; host bits in the address are cleared. Nothing when it is no such text.
std::optional<Subnet> Parse(const std::string& text);

// A subnet and the key of the interface that routes there.
struct Target {
    Subnet subnet;
    int nLocalNetworkInterface = -1;
};
// The interface of each subnet: the one whose address the routing table picks as the source towards the
// directed broadcast address (nothing is sent to find it). False with a message when a subnet has no
// route or its route leaves by an interface the endpoint's table does not hold.
bool Resolve(const CUdpEndpoint& endpoint, const std::vector<Subnet>& subnets, std::vector<Target>& targets,
             std::string& error);

// The whole search of RunSearchProcedure with, in the same round, a wired and a wireless exchange to each
// target's directed broadcast address. An answer from a target's subnet is credited to its directed
// exchange (a settings message goes back the same way); a printer keeps its first answer.
SearchResult Run(CUdpEndpoint& endpoint, const std::vector<Target>& targets, std::stop_token stop = {},
                 const PrinterHeardFunction& heard = {});

} // namespace SubnetSearch
