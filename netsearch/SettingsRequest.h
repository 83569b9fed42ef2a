#pragma once

#include "netsearch/PrinterRecords.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// New IP settings for one printer found by a search; what is not given is kept from its record.
struct SettingsRequest {
    using Address = std::array<std::uint8_t, 4>;
    bool dhcp = false;
    std::optional<Address> ip, subnet, gateway;
    std::optional<unsigned> port, inactivity;
    std::optional<std::string> name; // UTF-8; only for a wireless printer with a system name
    bool gatewayConfirmed = false;   // the user agreed to a gateway outside the printer's subnet
};

// The checks of the network settings, in their order, and the message they let through.
struct SettingsPlan {
    enum class Outcome {
        Send,              // message is ready
        InactivityTooLong, // above kMaxInactiveTime
        PortTooLarge,      // above kMaxPortNumber
        ForbiddenPort,     // "Invalid Port Number"
        UnusableAddress,   // manual mode with 0.0.0.0 or 255.255.255.255: "The IP address cannot be used."
        NameLength,        // empty, longer than 64 characters or than 64 bytes: "SYSTEM NAME LENGTH ERROR"
        NoSystemName,      // a name for a printer that has none
        Same,              // nothing would change
        BadSubnetMask,     // manual mode with a mask whose ones do not come first (255.0.255.0)
        NetworkOrBroadcastAddress, // manual mode with the subnet's network or broadcast address
        GatewayOutsideSubnet,      // a question: manual mode with a gateway outside the printer's subnet
                                   // (asked after the refusals and the sameness test; gatewayConfirmed
                                   // answers it)
    };
    Outcome outcome = Outcome::Send;
    int nameLength = 0; // characters of the rejected name, or its bytes when only those are too many
    int nPrinterNetworkType = 0;
    int nLocalNetworkInterface = 0;
    std::vector<std::uint8_t> message;
};

// In DHCP mode the message carries the factory default 192.168.192.123 as the address; the sameness test
// then leaves the address out, as the printer's current one is not what is sent.
SettingsPlan PlanWiredSettings(const ETHERNET_INFO& record, const SettingsRequest& request);
SettingsPlan PlanWirelessSettings(const WLAN_INFO& record, const SettingsRequest& request);

// The checks that need no printer, before anything is sent: the request's own values against a blank
// printer that has a system name. Outcome Send (or Same) when they pass; otherwise the refusal, or
// GatewayOutsideSubnet for the question.
SettingsPlan CheckSettingsValues(const SettingsRequest& request);
