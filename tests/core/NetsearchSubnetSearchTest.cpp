#include "netsearch/SubnetSearch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SubnetSearch, SubnetsAreAddressSlashPrefixWithTheirDirectedBroadcastAddress) {
    struct Case {
        std::string text;
        bool taken;
        std::string network, broadcast;
        int prefix;
    };
    const Case cases[] = {
        {"10.20.30.0/24", true, "10.20.30.0", "10.20.30.255", 24},
        {"203.0.113.0/25", true, "203.0.113.0", "203.0.113.127", 25},
        {"203.0.113.200/26", true, "203.0.113.192", "203.0.113.255", 26}, // host bits cleared
        {"172.16.0.0/12", true, "172.16.0.0", "172.31.255.255", 12},
        {"198.51.100.8/30", true, "198.51.100.8", "198.51.100.11", 30},
        {"128.0.0.0/1", true, "128.0.0.0", "255.255.255.255", 1},
        {"198.51.100.8/31", false, "", "", 0}, // no broadcast address
        {"198.51.100.8/32", false, "", "", 0},
        {"10.0.0.0/0", false, "", "", 0},
        {"10.20.30.0", false, "", "", 0},
        {"10.20.30.0/", false, "", "", 0},
        {"10.20.30.0/24x", false, "", "", 0},
        {"10.20.30.0/-4", false, "", "", 0},
        {"10.20.30.0/024", false, "", "", 0},
        {"10.20.300.0/24", false, "", "", 0},
        {"255.255.255.0", false, "", "", 0},
        {"", false, "", "", 0},
    };
    for (const Case& c : cases) {
        const auto subnet = SubnetSearch::Parse(c.text);
        ASSERT_EQ(subnet.has_value(), c.taken) << c.text;
        if (!subnet)
            continue;
        EXPECT_EQ(Ipv4Text(subnet->network.data()), c.network) << c.text;
        EXPECT_EQ(Ipv4Text(subnet->broadcast.data()), c.broadcast) << c.text;
        EXPECT_EQ(subnet->prefix, c.prefix) << c.text;
        EXPECT_EQ(subnet->text, c.text);
    }
}

} // namespace
