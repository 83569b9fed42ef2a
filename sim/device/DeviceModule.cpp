#include "sim/device/DeviceModule.h"

#include "devcfg/DeviceFrame.h"
#include "devcfg/DeviceRecordJson.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace {

using DeviceRecords::ConfigVariant;
using DeviceRecords::VariantName;
namespace Frame = DeviceFrame;

constexpr std::string_view kHeaderOpen = "__[I_F]__[";
const char* const kTypeKeys[3] = {"ca", "key", "pem"};

std::string Hex(const std::uint8_t* data, std::size_t size) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(2 * size);
    for (std::size_t i = 0; i < size; ++i) {
        out += digits[data[i] >> 4];
        out += digits[data[i] & 0xF];
    }
    return out;
}
std::string Hex(const std::vector<std::uint8_t>& bytes) {
    return Hex(bytes.data(), bytes.size());
}

ConfigVariant VariantFrom(const std::string& name) {
    for (ConfigVariant v : {ConfigVariant::Basic, ConfigVariant::WifiDirect, ConfigVariant::WifiDirectRf})
        if (name == VariantName(v))
            return v;
    throw std::invalid_argument("variant must be \"basic\", \"wifi-direct\" or \"wifi-direct-rf\", not \"" +
                                name + "\"");
}

// The length of an IF__SET message (header, payload, fill, checksum) in variant.
std::size_t SetMessageLength(ConfigVariant variant) {
    const std::size_t body = Frame::kIfSet.size() + DeviceRecords::PayloadSize(variant);
    return body + (body % 2) + 2;
}

std::vector<std::uint8_t> ParseMac(const std::string& text) {
    std::vector<std::uint8_t> out;
    unsigned parts[6];
    char tail = 0;
    if (std::sscanf(text.c_str(), "%2x:%2x:%2x:%2x:%2x:%2x%c", &parts[0], &parts[1], &parts[2], &parts[3],
                    &parts[4], &parts[5], &tail) != 6)
        throw std::invalid_argument("not a MAC address: \"" + text + "\"");
    for (unsigned part : parts)
        out.push_back(static_cast<std::uint8_t>(part));
    return out;
}

void CopyText(std::uint8_t* field, std::size_t size, const std::string& text, const char* what) {
    if (text.size() > size)
        throw std::invalid_argument(std::string(what) + " is longer than " + std::to_string(size) + " bytes");
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), text.size());
}

std::vector<std::uint8_t> BssEntry(const nlohmann::json& item) {
    const std::string ssid = item.value("ssid", std::string());
    const std::size_t length = item.value("ssid_length", ssid.size());
    if (length > 255)
        throw std::invalid_argument("ssid_length above 255");
    const std::vector<std::uint8_t> bssid = ParseMac(item.value("bssid", std::string("02:00:00:00:00:01")));
    const auto extra = item.value("extra", std::vector<unsigned>{0, 0});
    const int rssi = item.value("rssi", -50);
    if (extra.size() != 2 || rssi < -32768 || rssi > 32767)
        throw std::invalid_argument("bss entry: extra needs two bytes, rssi 16 bits");
    std::vector<std::uint8_t> out;
    out.push_back(item.value<std::uint8_t>("first", 0));
    out.push_back(static_cast<std::uint8_t>(length));
    std::string bytes = ssid;
    bytes.resize(length, 'x'); // a length above the text's: the text padded
    out.insert(out.end(), bytes.begin(), bytes.end());
    out.push_back(static_cast<std::uint8_t>(extra[0]));
    out.push_back(static_cast<std::uint8_t>(extra[1]));
    out.insert(out.end(), bssid.begin(), bssid.end());
    out.push_back(item.value<std::uint8_t>("mode", 0));
    const auto signal = static_cast<std::uint16_t>(static_cast<std::int16_t>(rssi));
    out.push_back(static_cast<std::uint8_t>(signal >> 8));
    out.push_back(static_cast<std::uint8_t>(signal & 0xFF));
    out.push_back(item.value<std::uint8_t>("security", 8));
    return out;
}

std::uint32_t Little32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint32_t Big32(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}

int TypeOfHeader(const std::string& name) {
    if (name.rfind("CA_", 0) == 0)
        return Frame::kCertificateCA;
    if (name.rfind("KEY_", 0) == 0)
        return Frame::kCertificateClientKey;
    if (name.rfind("PEM_", 0) == 0)
        return Frame::kCertificateClientPEM;
    return -1;
}

} // namespace

DeviceModule::Settings DeviceModule::SettingsFromJson(const nlohmann::json& config) {
    static const char* const known[] = {"variant",
                                        "record",
                                        "record_hex",
                                        "system",
                                        "factory_reset_supported",
                                        "refuse_starts",
                                        "refuse_alternate_starts",
                                        "set_reply",
                                        "bss",
                                        "bss_generate",
                                        "names",
                                        "chunk_reply",
                                        "name_set_reply",
                                        "behaviours"};
    if (!config.is_object())
        throw std::invalid_argument("the configuration is a JSON object");
    for (const auto& entry : config.items()) {
        const std::string& key = entry.key();
        if (std::find_if(std::begin(known), std::end(known), [&](const char* k) { return key == k; }) ==
            std::end(known))
            throw std::invalid_argument("unknown key \"" + key + "\"");
    }

    Settings s;
    s.variant = VariantFrom(config.value("variant", std::string("wifi-direct-rf")));
    if (config.contains("record_hex")) {
        const std::vector<std::uint8_t> bytes = SimBytes("hex:" + config.at("record_hex").get<std::string>());
        if (bytes.size() != sizeof s.record)
            throw std::invalid_argument("record_hex needs " + std::to_string(2 * sizeof s.record) +
                                        " digits");
        std::memcpy(&s.record, bytes.data(), bytes.size());
    }
    if (config.contains("record")) {
        std::string error;
        if (!DeviceRecordJson::FromJson(config.at("record"), s.record, error))
            throw std::invalid_argument("record: " + error);
    }

    const nlohmann::json system = config.value("system", nlohmann::json::object());
    CopyText(s.system.FW_VERSION, sizeof s.system.FW_VERSION, system.value("version", std::string("1.00")),
             "system.version");
    CopyText(s.system.FW_DATE, sizeof s.system.FW_DATE, system.value("date", std::string("2026-01-01")),
             "system.date");
    const std::vector<std::uint8_t> mac = ParseMac(system.value("mac", std::string("02:00:5e:00:00:01")));
    std::memcpy(s.system.FW_MACADDRESS, mac.data(), mac.size());

    s.factoryResetSupported = config.value("factory_reset_supported", true);
    s.refuseStarts = config.value("refuse_starts", 0);
    s.refuseAlternateStarts = config.value("refuse_alternate_starts", 0);
    const std::string setReply = config.value("set_reply", std::string("success"));
    if (setReply != "success" && setReply != "fail")
        throw std::invalid_argument("set_reply must be \"success\" or \"fail\"");
    s.setSucceeds = setReply == "success";

    for (const auto& item : config.value("bss", nlohmann::json::array()))
        s.bssEntries.push_back(BssEntry(item));
    if (config.contains("bss_generate")) {
        const auto& g = config.at("bss_generate");
        const int count = g.value("count", 0);
        const std::string prefix = g.value("prefix", std::string("AP"));
        for (int i = 0; i < count; ++i) {
            char bssid[18];
            std::snprintf(bssid, sizeof bssid, "02:00:00:00:%02x:%02x", (i >> 8) & 0xFF, i & 0xFF);
            static const int security[] = {0, 1, 2, 3, 4, 8, 12};
            s.bssEntries.push_back(BssEntry({{"ssid", prefix + std::to_string(i)},
                                             {"bssid", bssid},
                                             {"mode", i % 2},
                                             {"rssi", -30 - (i % 60)},
                                             {"security", security[i % 7]}}));
        }
    }

    const nlohmann::json names = config.value("names", nlohmann::json::object());
    for (int type = 0; type < 3; ++type) {
        s.names[type] = names.value(kTypeKeys[type], std::string());
        if (s.names[type].size() > sizeof(CERT_NAME_INFO::byCertName))
            throw std::invalid_argument(std::string("names.") + kTypeKeys[type] + " is longer than 34 bytes");
    }
    for (const char* key : {"chunk_reply", "name_set_reply"}) {
        const std::string form = config.value(key, std::string("encoded"));
        if (form != "encoded" && form != "unencoded")
            throw std::invalid_argument(std::string(key) + " must be \"encoded\" or \"unencoded\"");
        (std::string(key) == "chunk_reply" ? s.chunkReplyEncoded : s.nameSetReplyEncoded) = form == "encoded";
    }
    for (const auto& item : config.value("behaviours", nlohmann::json::array()))
        s.behaviours.push_back(DeviceReplyBehaviour::FromJson(item));
    return s;
}

DeviceModule::DeviceModule(Settings settings)
    : m_settings(std::move(settings)), m_behaviours(m_settings.behaviours), m_record(m_settings.record),
      m_names(m_settings.names) {}

std::string DeviceModule::RequestName(const DeviceRequest& request) {
    switch (request.kind) {
    case DeviceRequest::Kind::ResetQuery:
        return "reset_query";
    case DeviceRequest::Kind::FactoryReset:
        return "factory_reset";
    case DeviceRequest::Kind::ConfigStart:
        return "start";
    case DeviceRequest::Kind::CertStart:
        return "cert_start";
    case DeviceRequest::Kind::Garbage:
        return "garbage";
    case DeviceRequest::Kind::Frame:
        break;
    }
    const std::vector<std::uint8_t> message = Frame::HexDecode(request.bytes.data(), request.bytes.size());
    if (!Frame::StartsWith(message.data(), message.size(), kHeaderOpen))
        return "unknown";
    const auto close = std::find(message.begin() + kHeaderOpen.size(),
                                 message.begin() + std::min<std::size_t>(message.size(), 20), ']');
    if (close == message.end() || close == message.begin() + std::min<std::size_t>(message.size(), 20))
        return "unknown";
    return std::string(message.begin() + kHeaderOpen.size(), close);
}

DeviceModule::Outcome DeviceModule::Take(const DeviceRequest& request) {
    Outcome out;
    out.request = RequestName(request);
    ++m_requests;
    out.detail = {{"request", out.request}, {"length", request.bytes.size()}, {"hex", Hex(request.bytes)}};
    if (request.kind != DeviceRequest::Kind::Garbage)
        out.detail["letter"] = std::string(1, request.letter());
    if (request.kind == DeviceRequest::Kind::Garbage) {
        out.detail["reply"] = "none";
        return out;
    }
    const DeviceReplyBehaviour behaviour = m_behaviours.Next(out.request);
    if (behaviour.silent) {
        out.detail["reply"] = "silent";
        return out;
    }
    out.reconnectMs = behaviour.reconnectMs;
    if (behaviour.hangupAfter && *behaviour.hangupAfter == 0) {
        // The line drops as the request comes in: the module never acts on it.
        out.detail["reply"] = "hung up";
        out.pieces = PlanPieces(behaviour, {});
        return out;
    }
    const Reply reply = Answer(request, out.request, behaviour, out.detail, out.stateChanged);
    const std::vector<std::uint8_t> bytes = Bytes(reply, behaviour);
    out.pieces = PlanPieces(behaviour, bytes);
    if (!out.detail.contains("reply"))
        out.detail["reply"] = bytes.empty() ? "none" : "sent";
    out.detail["reply_hex"] = Hex(bytes);
    if (behaviour.delayMs)
        out.detail["delay_ms"] = behaviour.delayMs;
    if (out.pieces.size() > 1)
        out.detail["pieces"] = out.pieces.size();
    if (behaviour.hangupAfter)
        out.detail["hangup_after"] = *behaviour.hangupAfter;
    return out;
}

DeviceModule::Reply DeviceModule::Answer(const DeviceRequest& request, const std::string& name,
                                         const DeviceReplyBehaviour& behaviour, nlohmann::json& detail,
                                         bool& changed) {
    Reply reply;
    switch (request.kind) {
    case DeviceRequest::Kind::ResetQuery:
        reply.raw = {'_', static_cast<std::uint8_t>(m_settings.factoryResetSupported ? 'O' : 'N'),
                     static_cast<std::uint8_t>(m_settings.factoryResetSupported ? 'K' : 'G'), 0x00};
        return reply;
    case DeviceRequest::Kind::FactoryReset:
        m_record = m_settings.record;
        m_names = m_settings.names;
        m_certificates = {};
        m_certificateType = -1;
        ++m_factoryResets;
        changed = true;
        reply.raw = {'_', 'O', 'K', 0x00};
        return reply;
    case DeviceRequest::Kind::ConfigStart:
        changed = true; // the counts of starts and the mode letter
        return AnswerStart(request.letter(), detail);
    case DeviceRequest::Kind::CertStart: {
        const std::uint8_t opcode = request.bytes[3];
        const int type = opcode >= 0x81 && opcode <= 0x83 ? opcode - 0x81 : -1;
        if (type < 0) {
            detail["reply"] = "none";
            detail["error"] = "no certificate type";
            return reply;
        }
        m_certificateType = type;
        Certificate& certificate = m_certificates[type];
        certificate.bytes.clear();
        certificate.chunks = 0;
        certificate.ended = false;
        ++certificate.uploads;
        changed = true;
        detail["type"] = kTypeKeys[type];
        reply.raw = {Frame::kPrefix0,   Frame::kPrefix1, Frame::kModeReply, 'S', 'T', 'R', 'T',
                     Frame::kEndOfFrame};
        return reply;
    }
    case DeviceRequest::Kind::Frame:
        return AnswerFrame(name, Frame::HexDecode(request.bytes.data(), request.bytes.size()), behaviour,
                           detail, changed);
    case DeviceRequest::Kind::Garbage:
        break;
    }
    return reply;
}

DeviceModule::Reply DeviceModule::AnswerStart(char letter, nlohmann::json& detail) {
    Reply reply;
    bool refuse = false;
    if (letter == static_cast<char>(Frame::kModeNormal)) {
        refuse = m_refusedStarts < m_settings.refuseStarts;
        m_refusedStarts += refuse;
    } else if (letter == static_cast<char>(Frame::kModeRefused)) {
        refuse = m_refusedAlternateStarts < m_settings.refuseAlternateStarts;
        m_refusedAlternateStarts += refuse;
    } else {
        detail["reply"] = "none";
        detail["error"] = "unknown mode letter";
        return reply;
    }
    if (!refuse) {
        m_mode = letter;
        ++m_acceptedStarts;
    }
    detail["reply"] = refuse ? "refused" : "accepted";
    reply.raw = {Frame::kPrefix0, Frame::kPrefix1, Frame::kModeReply,
                 static_cast<std::uint8_t>(refuse ? 0x7E : 0x7F), Frame::kEndOfFrame};
    return reply;
}

DeviceModule::Reply DeviceModule::Unchecked(bool success, bool encoded) const {
    Reply reply;
    reply.header = std::string(success ? Frame::kIfSuc : Frame::kFail);
    reply.framed = encoded;
    if (!encoded) {
        reply.raw = {Frame::kPrefix0, Frame::kPrefix1, Frame::kModeReply};
        reply.raw.insert(reply.raw.end(), reply.header.begin(), reply.header.end());
        reply.raw.push_back(Frame::kEndOfFrame);
    }
    return reply;
}

DeviceModule::Reply DeviceModule::AnswerFrame(const std::string& name,
                                              const std::vector<std::uint8_t>& message,
                                              const DeviceReplyBehaviour& behaviour, nlohmann::json& detail,
                                              bool& changed) {
    if (name == "FW_CERT" || name == "CERTEND")
        return AnswerChunk(name, message, detail, changed);

    Reply reply;
    reply.framed = true;
    const bool intact = !message.empty() && Frame::Checksum16(message.data(), message.size()) == 0;
    detail["checksum_ok"] = intact;
    // Replies that a behaviour turns into something else must not change what the module holds.
    const bool answersSuccess = !behaviour.reply && (!behaviour.header || *behaviour.header == Frame::kIfSuc);
    const std::string header = "__[I_F]__[" + name + "]";
    const std::uint8_t* payload = message.data() + std::min(header.size(), message.size());
    if (!intact || name == "unknown") {
        detail["error"] = intact ? "unknown header" : "checksum failed";
        reply.header = std::string(Frame::kFail);
        return reply;
    }
    if (name == "SYS_REQ") {
        reply.header = std::string(Frame::kSysRsp);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&m_settings.system);
        reply.payload.assign(bytes, bytes + sizeof m_settings.system);
    } else if (name == "IF__GET") {
        reply.header = std::string(Frame::kIfCur);
        reply.payload = DeviceRecords::RecordToPayload(m_record, m_settings.variant);
        detail["variant"] = VariantName(m_settings.variant);
    } else if (name == "IF__SET") {
        const std::size_t expected = SetMessageLength(m_settings.variant);
        if (message.size() != expected) {
            detail["error"] = "a record of another variant (" + std::to_string(message.size()) +
                              " message bytes, " + std::to_string(expected) + " expected)";
            reply.header = std::string(Frame::kFail);
            return reply;
        }
        if (!m_settings.setSucceeds) {
            reply.header = std::string(Frame::kFail);
            return reply;
        }
        reply.header = std::string(Frame::kIfSuc);
        if (answersSuccess) {
            WLAN_ADVANCED_CONFIG_INFO sent{};
            DeviceRecords::PayloadToRecord(payload, message.size() - header.size(), m_settings.variant, sent);
            for (const DeviceRecords::ByteRange& range : DeviceRecords::CarriedRanges(m_settings.variant))
                std::memcpy(reinterpret_cast<std::uint8_t*>(&m_record) + range.offset,
                            reinterpret_cast<const std::uint8_t*>(&sent) + range.offset, range.size);
            m_lastSetPayload.assign(payload, payload + DeviceRecords::PayloadSize(m_settings.variant));
            ++m_sets;
            changed = true;
            detail["stored"] = true;
        }
    } else if (name == "BSS_REQ") {
        reply.header = std::string(Frame::kBssRsp);
        for (const auto& entry : m_settings.bssEntries)
            reply.payload.insert(reply.payload.end(), entry.begin(), entry.end());
        detail["entries"] = m_settings.bssEntries.size();
    } else if (name == "CA_SET" || name == "KEY_SET" || name == "PEM_SET") {
        const int type = TypeOfHeader(name);
        if (message.size() < header.size() + Frame::kCertificateNameFieldSize) {
            detail["error"] = "no name field";
            return Unchecked(false, m_settings.nameSetReplyEncoded);
        }
        if (answersSuccess) {
            m_names[type] = DeviceRecords::FieldText(payload, Frame::kCertificateNameFieldSize);
            changed = true;
            detail["name"] = m_names[type];
        }
        return Unchecked(true, m_settings.nameSetReplyEncoded);
    } else if (name == "CA_REQ" || name == "KEY_REQ" || name == "PEM_REQ") {
        const int type = TypeOfHeader(name);
        reply.header = std::string(Frame::CertificateNameReplyHeader(type));
        CERT_NAME_INFO info{};
        std::memcpy(info.byCertName, m_names[type].data(),
                    std::min(m_names[type].size(), sizeof info.byCertName));
        reply.payload.assign(info.byCertName, info.byCertName + sizeof info.byCertName);
    } else {
        detail["error"] = "unknown header";
        reply.header = std::string(Frame::kFail);
    }
    return reply;
}

DeviceModule::Reply DeviceModule::AnswerChunk(const std::string& name,
                                              const std::vector<std::uint8_t>& message,
                                              nlohmann::json& detail, bool& changed) {
    const bool encoded = m_settings.chunkReplyEncoded;
    constexpr std::size_t kFixed = 18 + 4 + 4 + 4; // header, position, size, CRC
    if (message.size() < kFixed) {
        detail["error"] = "too short";
        return Unchecked(false, encoded);
    }
    const std::uint32_t position = Little32(message.data() + 18);
    const std::uint32_t size = Little32(message.data() + 22);
    detail["position"] = position;
    detail["size"] = size;
    if (message.size() != kFixed + size) {
        detail["error"] = "size does not match the message";
        return Unchecked(false, encoded);
    }
    const bool crcOk =
        Frame::Crc32(message.data(), message.size() - 4) == Big32(message.data() + message.size() - 4);
    detail["crc_ok"] = crcOk;
    if (!crcOk) {
        detail["error"] = "CRC failed";
        return Unchecked(false, encoded);
    }
    if (m_certificateType < 0) {
        detail["error"] = "no certificate start";
        return Unchecked(false, encoded);
    }
    Certificate& certificate = m_certificates[m_certificateType];
    if (position != certificate.bytes.size()) {
        detail["error"] = "position " + std::to_string(position) + " where " +
                          std::to_string(certificate.bytes.size()) + " was expected";
        return Unchecked(false, encoded);
    }
    certificate.bytes.insert(certificate.bytes.end(), message.begin() + 26, message.begin() + 26 + size);
    ++certificate.chunks;
    certificate.ended = name == "CERTEND";
    changed = true;
    detail["type"] = kTypeKeys[m_certificateType];
    return Unchecked(true, encoded);
}

std::vector<std::uint8_t> DeviceModule::Bytes(const Reply& reply,
                                              const DeviceReplyBehaviour& behaviour) const {
    if (behaviour.reply)
        return *behaviour.reply;
    const bool hasHeader = reply.framed || !reply.header.empty();
    if (!hasHeader)
        return reply.raw;
    const std::string header = behaviour.header.value_or(reply.header);
    if (!reply.framed) { // the unencoded form: prefix, header, end byte
        std::vector<std::uint8_t> out = {Frame::kPrefix0, Frame::kPrefix1, Frame::kModeReply};
        out.insert(out.end(), header.begin(), header.end());
        out.push_back(Frame::kEndOfFrame);
        return out;
    }
    const bool ownPayload = !behaviour.header;
    std::vector<std::uint8_t> frame =
        Frame::BuildFrame(Frame::kModeReply, header, ownPayload ? reply.payload.data() : nullptr,
                          ownPayload ? reply.payload.size() : 0);
    if (frame.size() < 5)
        return frame;
    if (behaviour.uppercase)
        for (std::size_t i = 3; i + 1 < frame.size(); ++i)
            if (frame[i] >= 'a' && frame[i] <= 'f')
                frame[i] = static_cast<std::uint8_t>(frame[i] - 'a' + 'A');
    if (behaviour.corruptChecksum) {
        std::uint8_t& digit = frame[frame.size() - 2]; // the checksum's low nibble
        digit = digit == '0' ? '1' : '0';
    }
    return frame;
}

nlohmann::json DeviceModule::State() const {
    nlohmann::json certificates = nlohmann::json::object();
    nlohmann::json names = nlohmann::json::object();
    for (int type = 0; type < 3; ++type) {
        const Certificate& c = m_certificates[type];
        certificates[kTypeKeys[type]] = {{"size", c.bytes.size()},
                                         {"hex", Hex(c.bytes)},
                                         {"chunks", c.chunks},
                                         {"ended", c.ended},
                                         {"uploads", c.uploads}};
        names[kTypeKeys[type]] = m_names[type];
    }
    return {{"variant", VariantName(m_settings.variant)},
            {"record", DeviceRecordJson::ToJson(m_record, true)},
            {"record_hex", Hex(reinterpret_cast<const std::uint8_t*>(&m_record), sizeof m_record)},
            {"mode", m_mode ? std::string(1, m_mode) : std::string()},
            {"starts",
             {{"accepted", m_acceptedStarts},
              {"refused", m_refusedStarts},
              {"refused_alternate", m_refusedAlternateStarts}}},
            {"sets", m_sets},
            {"last_set_payload", Hex(m_lastSetPayload)},
            {"certificates", certificates},
            {"names", names},
            {"factory_resets", m_factoryResets},
            {"requests", m_requests}};
}
