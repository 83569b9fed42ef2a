#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How the module answers one kind of request, for a number of its occurrences:
//
//   {"on": "SYS_REQ",            the request: "start", "cert_start", "reset_query", "factory_reset", a
//   frame's
//                                header name ("SYS_REQ", "IF__GET", "IF__SET", "BSS_REQ", "FW_CERT",
//                                "CERTEND", "CA_SET", "KEY_REQ", ...), "chunk" (FW_CERT and CERTEND) or "*"
//                                (every one)
//    "after": 0,                 occurrences of that request to let pass first
//    "times": 1,                 occurrences this applies to (default: all that follow)
//    "silent": true,             no answer at all
//    "delay_ms": 600,            wait before the first byte
//    "split": [10, 20],          write the reply in pieces of these sizes (the rest in a last piece), or
//    "parts": 3,                 in this many equal pieces,
//    "gap_ms": 30,               this long apart (default 30)
//    "corrupt_checksum": true,   a frame whose checksum does not check (its last hex digit changed)
//    "uppercase": true,          the hex text in upper-case digits
//    "truncate": 40,             only the first bytes of the reply (a reply without its end byte)
//    "header": "__[I_F]__[___FAIL]",   a framed reply with this header (and no payload) instead
//    "reply": "hex:1f574d7e03",  these bytes instead ("hex:...", "noise:N" or plain text, or a list of
//                                them put one after the other: ["noise:40", "hex:03"])
//    "garbage_before": "hex:00ff",     bytes written before the reply (the same forms)
//    "hangup_after": 0,          hang up the line (close the pty) once this many bytes of the reply are
//                                out; 0: as the request arrives, which the module then does not act on
//    "reconnect_ms": 500}        after a hang-up, a new pty this much later behind the same link (the
//                                cable plugged in again); without it the line stays down
struct DeviceReplyBehaviour {
    std::string on = "*";
    int after = 0;
    int times = -1; // -1: no limit
    bool silent = false;
    int delayMs = 0;
    std::vector<std::size_t> split;
    int parts = 1;
    int gapMs = 30;
    bool corruptChecksum = false;
    bool uppercase = false;
    std::optional<std::size_t> truncate;
    std::optional<std::string> header;
    std::optional<std::vector<std::uint8_t>> reply;
    std::vector<std::uint8_t> garbageBefore;
    std::optional<std::size_t> hangupAfter;
    int reconnectMs = -1; // -1: the line stays down after a hang-up

    // Throws std::invalid_argument (or a json error) on a malformed entry.
    static DeviceReplyBehaviour FromJson(const nlohmann::json& item);
    bool Matches(const std::string& request) const;
};

// "hex:1f57" → bytes; "noise:N" → N bytes of line noise (the same on every run, never the end byte 0x03);
// any other text → its bytes as they stand. Throws on bad hex or a bad count.
std::vector<std::uint8_t> SimBytes(const std::string& description);
// A description as above, or a list of them whose bytes follow one another.
std::vector<std::uint8_t> SimByteList(const nlohmann::json& description);

// The pieces a reply goes out in, with the wait before each (the first wait is the delay).
struct DeviceReplyPiece {
    int waitMs = 0;
    std::vector<std::uint8_t> bytes;
    bool hangup = false; // after these bytes the line is hung up
};
std::vector<DeviceReplyPiece> PlanPieces(const DeviceReplyBehaviour& behaviour,
                                         std::vector<std::uint8_t> reply);

// The behaviours of a run, each counting the occurrences of its request.
class DeviceBehaviourTable {
public:
    DeviceBehaviourTable() = default;
    explicit DeviceBehaviourTable(std::vector<DeviceReplyBehaviour> entries);

    // The behaviour for the next occurrence of request: the first entry that matches it and whose
    // window holds this occurrence, or the plain one. Counts the occurrence in every matching entry.
    DeviceReplyBehaviour Next(const std::string& request);

private:
    std::vector<DeviceReplyBehaviour> m_entries;
    std::vector<int> m_seen;
};
