#include "netsearch/SettingsRequest.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

ETHERNET_INFO Wired() {
    ETHERNET_INFO r{};
    const std::uint8_t mac[6] = {2, 0, 0, 0, 0, 1}, ip[4] = {192, 0, 2, 50}, mask[4] = {255, 255, 255, 0},
                       gw[4] = {192, 0, 2, 254};
    std::memcpy(r.MacAddr, mac, 6);
    std::memcpy(r.Ip, ip, 4);
    std::memcpy(r.Subnet, mask, 4);
    std::memcpy(r.Gateway, gw, 4);
    r.Port[0] = 0x23; // 9100
    r.Port[1] = 0x8C;
    r.I_activeTime[1] = 60;
    r.FwVer[0] = 3;
    r.byLocalNetworkInterface = 1;
    return r;
}

WLAN_INFO Wireless(std::uint8_t mask0, const char* name) {
    WLAN_INFO r{};
    const ETHERNET_INFO w = Wired();
    std::memcpy(&r, &w, 27);
    r.Mask[0] = mask0;
    std::memcpy(r.SystemName, name, std::strlen(name));
    r.byLocalNetworkInterface = 2;
    return r;
}

SettingsRequest Manual(SettingsRequest::Address ip) {
    SettingsRequest request;
    request.ip = ip;
    request.subnet = SettingsRequest::Address{255, 255, 255, 0};
    request.gateway = SettingsRequest::Address{192, 0, 2, 254};
    return request;
}

using Outcome = SettingsPlan::Outcome;

TEST(NetsearchSettingsRequest, ChecksInTheirOrder) {
    struct Case {
        const char* what;
        SettingsRequest request;
        Outcome expected;
    };
    auto with = [](SettingsRequest r, auto change) {
        change(r);
        return r;
    };
    const SettingsRequest same = Manual({192, 0, 2, 50});
    const Case cases[] = {
        {"nothing changes", same, Outcome::Same},
        {"new address", Manual({192, 0, 2, 60}), Outcome::Send},
        {"0.0.0.0", Manual({0, 0, 0, 0}), Outcome::UnusableAddress},
        {"255.255.255.255", Manual({255, 255, 255, 255}), Outcome::UnusableAddress},
        {"port 80", with(same, [](auto& r) { r.port = 80; }), Outcome::ForbiddenPort},
        {"port 3318", with(same, [](auto& r) { r.port = 3318; }), Outcome::ForbiddenPort},
        {"port 32768", with(same, [](auto& r) { r.port = 32768; }), Outcome::PortTooLarge},
        {"port 0", with(same, [](auto& r) { r.port = 0; }), Outcome::Send},
        {"inactivity 3601 before port 80",
         with(same,
              [](auto& r) {
                  r.inactivity = 3601;
                  r.port = 80;
              }),
         Outcome::InactivityTooLong},
        {"inactivity 3600", with(same, [](auto& r) { r.inactivity = 3600; }), Outcome::Send},
        {"forbidden port before unusable address", with(Manual({0, 0, 0, 0}), [](auto& r) { r.port = 23; }),
         Outcome::ForbiddenPort},
        {"dhcp from a fixed address", SettingsRequest{true, {}, {}, {}, {}, {}, {}}, Outcome::Send},
        {"a name for a wired printer", with(same, [](auto& r) { r.name = "x"; }), Outcome::NoSystemName},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlanWiredSettings(Wired(), c.request).outcome, c.expected) << c.what;
}

TEST(NetsearchSettingsRequest, WiredMessageCarriesTheNewValuesAndTheDiscoveredRest) {
    SettingsRequest request = Manual({192, 0, 2, 60});
    request.port = 9101;
    request.inactivity = 300;
    const SettingsPlan plan = PlanWiredSettings(Wired(), request);
    ASSERT_EQ(plan.outcome, Outcome::Send);
    EXPECT_EQ(plan.nPrinterNetworkType, VRX_WIRED_PRINTER);
    EXPECT_EQ(plan.nLocalNetworkInterface, 1);
    const std::vector<std::uint8_t> expected = {'S', 'E', 'T',  'T',  2,   0,   0,   0, 0,    1,
                                                192, 0,   2,    60,   255, 255, 255, 0, 192,  0,
                                                2,   254, 0x23, 0x8D, 0,   3,   0,   0, 0x01, 0x2C};
    EXPECT_EQ(plan.message, expected);
}

TEST(NetsearchSettingsRequest, DhcpSendsTheFactoryAddressAndIsSameWhenAlreadyDhcp) {
    SettingsRequest dhcp;
    dhcp.dhcp = true;
    const SettingsPlan plan = PlanWiredSettings(Wired(), dhcp);
    ASSERT_EQ(plan.outcome, Outcome::Send);
    EXPECT_EQ(std::vector<std::uint8_t>(plan.message.begin() + 10, plan.message.begin() + 14),
              (std::vector<std::uint8_t>{192, 168, 192, 123}));
    EXPECT_EQ(plan.message[27], 1) << "Dhcp";

    ETHERNET_INFO already = Wired();
    already.Dhcp = 1;
    EXPECT_EQ(PlanWiredSettings(already, dhcp).outcome, Outcome::Same)
        << "the printer's own address is not what DHCP mode sends";
    dhcp.inactivity = 61;
    EXPECT_EQ(PlanWiredSettings(already, dhcp).outcome, Outcome::Send);
    EXPECT_EQ(PlanWiredSettings(already, Manual({192, 0, 2, 50})).outcome, Outcome::Send) << "back to manual";
}

TEST(NetsearchSettingsRequest, WirelessNameRules) {
    const SettingsRequest same = Manual({192, 0, 2, 50});
    auto named = [&](std::string name) {
        SettingsRequest r = same;
        r.name = std::move(name);
        return r;
    };
    const WLAN_INFO withName = Wireless(0x91, "Shelf");
    EXPECT_EQ(PlanWirelessSettings(withName, same).outcome, Outcome::Same) << "no --name keeps the name";
    EXPECT_EQ(PlanWirelessSettings(withName, named("Shelf")).outcome, Outcome::Same);
    EXPECT_EQ(PlanWirelessSettings(withName, named("  Shelf ")).outcome, Outcome::Same) << "trimmed";
    EXPECT_EQ(PlanWirelessSettings(withName, named("")).outcome, Outcome::NameLength);
    EXPECT_EQ(PlanWirelessSettings(withName, named(std::string(65, 'x'))).outcome, Outcome::NameLength);
    const SettingsPlan blanks = PlanWirelessSettings(withName, named("   "));
    ASSERT_EQ(blanks.outcome, Outcome::Send);
    EXPECT_EQ(blanks.message.size(), 112u);
    EXPECT_EQ(std::vector<std::uint8_t>(blanks.message.begin() + 47, blanks.message.begin() + 111),
              std::vector<std::uint8_t>(64, 0));

    const SettingsPlan renamed = PlanWirelessSettings(withName, named("Dock 2"));
    ASSERT_EQ(renamed.outcome, Outcome::Send);
    EXPECT_EQ(renamed.nPrinterNetworkType, VRX_WIRELESS_PRINTER);
    EXPECT_EQ(renamed.nLocalNetworkInterface, 2);
    EXPECT_EQ(std::string(renamed.message.begin() + 47, renamed.message.begin() + 54),
              std::string("Dock 2\0", 7));

    const WLAN_INFO noName = Wireless(0x11, "");
    EXPECT_EQ(PlanWirelessSettings(noName, named("x")).outcome, Outcome::NoSystemName);
    const SettingsPlan moved = PlanWirelessSettings(noName, Manual({192, 0, 2, 70}));
    ASSERT_EQ(moved.outcome, Outcome::Send);
    EXPECT_EQ(moved.message.size(), 48u);
}

// Names by characters and by bytes: the printer's field holds 64 bytes, and a name that needs more is refused
// instead of going out cut.
TEST(NetsearchSettingsRequest, NameLengthCountsCharactersAndBytes) {
    auto repeat = [](const std::string& unit, int times) {
        std::string text;
        for (int i = 0; i < times; ++i)
            text += unit;
        return text;
    };
    const std::string kanji = "\xE6\xBC\xA2"; // 漢, three bytes
    struct Case {
        const char* what;
        std::string name;
        Outcome outcome;
        int nameLength; // reported with NameLength
    } cases[] = {
        {"63 bytes exactly", std::string(63, 'n'), Outcome::Send, 0},
        {"64 bytes exactly", std::string(64, 'n'), Outcome::Send, 0},
        {"21 CJK characters, 63 bytes", repeat(kanji, 21), Outcome::Send, 0},
        {"22 CJK characters, 66 bytes", repeat(kanji, 22), Outcome::NameLength, 66},
        {"64 CJK characters, 192 bytes", repeat(kanji, 64), Outcome::NameLength, 192},
        {"65 characters", std::string(65, 'n'), Outcome::NameLength, 65},
        {"blanks around 63 bytes of CJK", " " + repeat(kanji, 21) + "\t", Outcome::Send, 0},
        {"empty", "", Outcome::NameLength, 0},
    };
    const WLAN_INFO withName = Wireless(0x91, "Shelf");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SettingsRequest request = Manual({192, 0, 2, 50});
        request.name = c.name;
        const SettingsPlan plan = PlanWirelessSettings(withName, request);
        EXPECT_EQ(plan.outcome, c.outcome);
        if (c.outcome == Outcome::NameLength) {
            EXPECT_EQ(plan.nameLength, c.nameLength);
            EXPECT_TRUE(plan.message.empty());
        }
    }
}

TEST(NetsearchSettingsRequest, ManualAddressesMaskAndGateway) {
    struct Case {
        const char* what;
        SettingsRequest::Address ip, mask, gateway;
        Outcome expected;
    };
    const Case cases[] = {
        {"a /24 with its gateway", {192, 0, 2, 60}, {255, 255, 255, 0}, {192, 0, 2, 254}, Outcome::Send},
        {"mask 255.0.255.0", {192, 0, 2, 60}, {255, 0, 255, 0}, {192, 0, 2, 254}, Outcome::BadSubnetMask},
        {"mask 0.0.0.0", {192, 0, 2, 60}, {0, 0, 0, 0}, {0, 0, 0, 0}, Outcome::BadSubnetMask},
        {"mask 255.255.255.255", {192, 0, 2, 60}, {255, 255, 255, 255}, {0, 0, 0, 0}, Outcome::Send},
        {"0.0.0.0 before the mask", {0, 0, 0, 0}, {255, 0, 255, 0}, {0, 0, 0, 0}, Outcome::UnusableAddress},
        {"the network address",
         {192, 0, 2, 0},
         {255, 255, 255, 0},
         {192, 0, 2, 254},
         Outcome::NetworkOrBroadcastAddress},
        {"the broadcast address",
         {192, 0, 2, 255},
         {255, 255, 255, 0},
         {192, 0, 2, 254},
         Outcome::NetworkOrBroadcastAddress},
        {"a /31 has neither", {192, 0, 2, 0}, {255, 255, 255, 254}, {192, 0, 2, 1}, Outcome::Send},
        {"the mask before the subnet edges",
         {192, 0, 2, 0},
         {255, 255, 0, 255},
         {0, 0, 0, 0},
         Outcome::BadSubnetMask},
        {"a gateway outside is asked about",
         {192, 0, 2, 60},
         {255, 255, 255, 0},
         {198, 51, 100, 1},
         Outcome::GatewayOutsideSubnet},
        {"no gateway", {192, 0, 2, 60}, {255, 255, 255, 0}, {0, 0, 0, 0}, Outcome::Send},
        {"refused before the question",
         {192, 0, 2, 255},
         {255, 255, 255, 0},
         {198, 51, 100, 1},
         Outcome::NetworkOrBroadcastAddress},
    };
    for (const Case& c : cases) {
        SettingsRequest request;
        request.ip = c.ip;
        request.subnet = c.mask;
        request.gateway = c.gateway;
        EXPECT_EQ(PlanWiredSettings(Wired(), request).outcome, c.expected) << c.what;
        EXPECT_EQ(PlanWirelessSettings(Wireless(0x91, "Shelf"), request).outcome, c.expected) << c.what;
        EXPECT_EQ(CheckSettingsValues(request).outcome, c.expected) << c.what << ", before any search";
    }

    // Agreed to, the gateway goes out.
    SettingsRequest agreed = Manual({192, 0, 2, 60});
    agreed.gateway = SettingsRequest::Address{198, 51, 100, 1};
    agreed.gatewayConfirmed = true;
    const SettingsPlan plan = PlanWiredSettings(Wired(), agreed);
    ASSERT_EQ(plan.outcome, Outcome::Send);
    EXPECT_EQ(std::vector<std::uint8_t>(plan.message.begin() + 18, plan.message.begin() + 22),
              (std::vector<std::uint8_t>{198, 51, 100, 1}));

    // Nothing changed: no question about a gateway the printer has already.
    ETHERNET_INFO far = Wired();
    far.Gateway[0] = 198;
    SettingsRequest unchanged = Manual({192, 0, 2, 50});
    std::memcpy(unchanged.gateway->data(), far.Gateway, 4);
    EXPECT_EQ(PlanWiredSettings(far, unchanged).outcome, Outcome::Same);

    // DHCP mode stays as it is: whatever mask and gateway the record holds.
    ETHERNET_INFO odd = Wired();
    odd.Subnet[1] = 0;
    odd.Gateway[0] = 198;
    SettingsRequest dhcp;
    dhcp.dhcp = true;
    EXPECT_EQ(PlanWiredSettings(odd, dhcp).outcome, Outcome::Send);
}

TEST(NetsearchSettingsRequest, ValuesCheckedBeforeAnySearch) {
    struct Case {
        const char* what;
        SettingsRequest request;
        Outcome expected;
    };
    auto manual = [](auto change) {
        SettingsRequest r = Manual({192, 0, 2, 60});
        change(r);
        return r;
    };
    SettingsRequest dhcp;
    dhcp.dhcp = true;
    const Case cases[] = {
        {"good values", Manual({192, 0, 2, 60}), Outcome::Send},
        {"dhcp", dhcp, Outcome::Send},
        {"0.0.0.0", Manual({0, 0, 0, 0}), Outcome::UnusableAddress},
        {"255.255.255.255", Manual({255, 255, 255, 255}), Outcome::UnusableAddress},
        {"port 80", manual([](auto& r) { r.port = 80; }), Outcome::ForbiddenPort},
        {"port 32768", manual([](auto& r) { r.port = 32768; }), Outcome::PortTooLarge},
        {"inactivity 3601", manual([](auto& r) { r.inactivity = 3601; }), Outcome::InactivityTooLong},
        {"a name", manual([](auto& r) { r.name = "Dock"; }), Outcome::Send},
        {"an empty name", manual([](auto& r) { r.name = ""; }), Outcome::NameLength},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckSettingsValues(c.request).outcome, c.expected) << c.what;
}

} // namespace
