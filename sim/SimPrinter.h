#pragma once

#include "netsearch/PrinterRecords.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One simulated printer: its record as a search shows it, and how it behaves on the wire.
class SimPrinter {
public:
    enum class Kind { Wired, Wireless };
    enum class SettingsReply { SetResponse, Complete, None };
    // Where its answers and confirmations go: back to the sender, or (as a printer whose address is on
    // another subnet must) to the broadcast address of the link the request came in on, or to
    // 255.255.255.255 on that link.
    enum class ReplyBy { Unicast, SubnetBroadcast, LimitedBroadcast };

    struct Behaviour {
        std::size_t answerLength = 0; // bytes of each discovery answer
        int answersPerRequest = 1;    // datagrams per request heard
        int delayMs = 0;              // before answering a request or a settings message
        bool answersWiredRequest = false;
        bool answersWirelessRequest = false;
        std::vector<std::vector<std::uint8_t>> garbageBefore, garbageAfter; // sent around the answers
        SettingsReply settingsReply = SettingsReply::SetResponse;
        std::optional<std::vector<std::uint8_t>> dhcpAddress; // the address DHCP mode gives; else kept
        ReplyBy replyBy = ReplyBy::Unicast;
        std::string link; // the simulator's address on the only link it hears requests on; "" every link
        bool fromOwnAddress = false; // answers and confirmations leave from the printer's own address
                                     // (as it was when the datagram came) instead of the simulator's
    };

    SimPrinter(Kind kind, const WLAN_INFO& record, Behaviour behaviour);

    Kind kind() const { return m_kind; }
    const Behaviour& behaviour() const { return m_behaviour; }
    const WLAN_INFO& record() const { return m_record; }
    std::string Mac() const { return MacText(m_record.MacAddr); }

    // The discovery answer: "IMIN" + the record (wired) or "__[I_F]__[REG_RSP]" + the record (wireless),
    // cut or zero-padded to the answer length.
    std::vector<std::uint8_t> Answer() const;

    // Takes a settings message ("SETT..." for a wired printer, "__[I_F]__[PRT_SET]..." for a wireless
    // one). False when it is not one for this printer (kind, length or MAC address).
    bool ApplySettings(const std::uint8_t* message, std::size_t length);
    // The confirmation to send after a settings message; empty for none.
    std::vector<std::uint8_t> SettingsConfirmation() const;

    nlohmann::json ToJson() const;

private:
    Kind m_kind;
    WLAN_INFO m_record;
    Behaviour m_behaviour;
};
