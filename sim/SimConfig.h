#pragma once

#include "sim/SimPrinter.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

// Reads the simulator's configuration: a list of printers and/or a generator of many alike.
//
//   {"printers": [{"type": "wired" | "wireless", "mac": "02:00:00:00:00:01", "ip": "192.0.2.50",
//                  "subnet": "255.255.255.0", "gateway": "192.0.2.254", "port": 9100, "baudrate": 3,
//                  "firmware": "1.20", "dhcp": 0, "inactivity": 300, "http": 0,
//                  "mask": [145, 0], "name": "Front desk",               (wireless)
//                  "dhcp_ip": "192.0.2.80",        address DHCP mode gives (default: keep the current)
//                  "answer_length": 31,            wired >= 30 (default 31); wireless >= 47 (default 111
//                                                  with a name bit, else 47)
//                  "answers": 1,                   datagrams per request
//                  "delay_ms": 0,
//                  "answers_to": "wired" | "wireless" | "both",   requests answered (default: own type)
//                  "garbage_before": ["text", "hex:00ff", "random:12"], "garbage_after": [...],
//                  "settings_reply": "SET_RSP" | "SETC" | "none",
//                  "reply_by": "unicast" | "subnet-broadcast" | "broadcast",   where answers and
//                                  confirmations go (default unicast to the sender; subnet-broadcast to
//                                  the broadcast address of the link the request came in on, broadcast to
//                                  255.255.255.255 on that link)
//                  "link": "198.51.100.2"          hears requests only on the simulator's link with this
//                                                  address (default: on every link),
//                  "reply_from": "link" | "own"    answers and confirmations leave from the simulator's
//                                                  address on the link (default) or from the printer's
//                                                  own address as it was when the datagram came}],
//    "generate": {"wired": 1000, "wireless": 0, "answers": 1, "base_mac": "02:00:00:00:00:00",
//                 "base_ip": "192.0.2.10", "delay_ms": 0, "reply_by": "unicast", "reply_from": "link",
//                 "settings_reply": ..., "link": "198.51.100.2"}}
//
// Wireless printers default to mask [145, 0] (name, browser, configuration) with a name, [17, 0] without.
class SimConfig {
public:
    // Parses text; on failure returns false with a message in error.
    static bool Parse(const std::string& text, std::vector<SimPrinter>& printers, std::string& error);
    static bool Load(const std::string& path, std::vector<SimPrinter>& printers, std::string& error);

private:
    static SimPrinter PrinterFrom(const nlohmann::json& item);
    static void Generate(const nlohmann::json& description, std::vector<SimPrinter>& printers);
};
