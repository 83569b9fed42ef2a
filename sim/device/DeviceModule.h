#pragma once

#include "devcfg/DeviceRecords.h"
#include "sim/device/DeviceReplyBehaviour.h"
#include "sim/device/DeviceRequestReader.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The printer's network module as the simulator plays it: what it holds and how it answers each request.
// The configuration (a JSON object, all keys optional):
//
//   {"variant": "basic" | "wifi-direct" | "wifi-direct-rf",      IF__CUR frames of 1252, 1276 or 1280 bytes
//    "record": {"bySSID": "Office", "byAuthentication": 3, "byIP": "192.0.2.7", "byCarried139": "00..", ...},
//    "record_hex": "...",              the whole 620-byte record as hex, before "record" is applied
//    "system": {"version": "1.20", "date": "2026-11-30", "mac": "02:00:5e:10:00:01"},
//    "factory_reset_supported": true,  the query is answered "_OK" 0x00, else "_NG" 0x00
//    "refuse_starts": 0,               'C' starts refused (0x7E) before one is accepted
//    "refuse_alternate_starts": 0,     'N' starts refused likewise
//    "set_reply": "success" | "fail",  IF__SET answered IF__SUC (record stored) or ___FAIL
//    "bss": [{"ssid": "Office", "bssid": "02:11:22:33:44:55", "mode": 0, "rssi": -67, "security": 8,
//             "first": 0, "extra": [0, 0], "ssid_length": 40}],
//    "bss_generate": {"count": 120, "prefix": "AP"},   entries "AP0" ... after the listed ones
//    "names": {"ca": "ca.pem", "key": "", "pem": ""},   certificate names
//    "chunk_reply": "encoded" | "unencoded",            certificate chunk replies in hex or plain
//    "name_set_reply": "encoded" | "unencoded",
//    "behaviours": [ ... ]}            see DeviceReplyBehaviour.h
//
// The record's fields are named as in WLAN_ADVANCED_CONFIG_INFO (devcfg/DeviceRecordFields.h).
class DeviceModule {
public:
    struct Settings {
        DeviceRecords::ConfigVariant variant = DeviceRecords::ConfigVariant::WifiDirectRf;
        WLAN_ADVANCED_CONFIG_INFO record{};
        WLAN_ADVANCED_SYS_INFO system{};
        bool factoryResetSupported = true;
        int refuseStarts = 0;
        int refuseAlternateStarts = 0;
        bool setSucceeds = true;
        std::vector<std::vector<std::uint8_t>> bssEntries; // each entry's bytes as the scan reply carries it
        std::array<std::string, 3> names;
        bool chunkReplyEncoded = true;
        bool nameSetReplyEncoded = true;
        std::vector<DeviceReplyBehaviour> behaviours;
    };
    // Throws std::invalid_argument (or a json error) on a bad configuration.
    static Settings SettingsFromJson(const nlohmann::json& config);

    explicit DeviceModule(Settings settings);

    // What one request did.
    struct Outcome {
        std::string
            request; // "start", "cert_start", "reset_query", "factory_reset", "SYS_REQ", ... "garbage"
        nlohmann::json detail;                // for the request log
        std::vector<DeviceReplyPiece> pieces; // the reply as it goes on the line
        bool stateChanged = false;
        int reconnectMs = -1; // after a hang-up among the pieces: a new line this much later (-1: none)
    };
    Outcome Take(const DeviceRequest& request);

    // The request's name, as behaviours name it.
    static std::string RequestName(const DeviceRequest& request);

    nlohmann::json State() const;
    const WLAN_ADVANCED_CONFIG_INFO& record() const { return m_record; }

private:
    struct Reply {
        bool framed = false; // a frame with header and payload, 'M' prefix
        std::string header;  // framed
        std::vector<std::uint8_t> payload;
        std::vector<std::uint8_t> raw; // not framed
    };
    struct Certificate {
        std::vector<std::uint8_t> bytes;
        int chunks = 0;
        bool ended = false; // a CERTEND came
        int uploads = 0;
    };

    Reply Answer(const DeviceRequest& request, const std::string& name, const DeviceReplyBehaviour& behaviour,
                 nlohmann::json& detail, bool& changed);
    Reply AnswerStart(char letter, nlohmann::json& detail);
    Reply AnswerFrame(const std::string& name, const std::vector<std::uint8_t>& message,
                      const DeviceReplyBehaviour& behaviour, nlohmann::json& detail, bool& changed);
    Reply AnswerChunk(const std::string& name, const std::vector<std::uint8_t>& message,
                      nlohmann::json& detail, bool& changed);
    Reply Unchecked(bool success, bool encoded) const;
    std::vector<std::uint8_t> Bytes(const Reply& reply, const DeviceReplyBehaviour& behaviour) const;

    Settings m_settings;
    DeviceBehaviourTable m_behaviours;
    WLAN_ADVANCED_CONFIG_INFO m_record{};
    std::array<std::string, 3> m_names;
    std::array<Certificate, 3> m_certificates;
    int m_certificateType = -1; // the type of the upload under way
    char m_mode = 0;            // the letter of the last accepted start
    int m_refusedStarts = 0;
    int m_refusedAlternateStarts = 0;
    int m_acceptedStarts = 0;
    int m_sets = 0;
    std::vector<std::uint8_t> m_lastSetPayload;
    int m_factoryResets = 0;
    int m_requests = 0;
};
