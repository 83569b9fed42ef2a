#include "sim/device/DeviceReplyBehaviour.h"

#include <algorithm>
#include <stdexcept>

std::vector<std::uint8_t> SimBytes(const std::string& description) {
    if (description.rfind("noise:", 0) == 0) {
        std::size_t used = 0;
        const std::string count = description.substr(6);
        const unsigned long n = count.empty() ? 0 : std::stoul(count, &used);
        if (count.empty() || used != count.size() || n > 1024 * 1024)
            throw std::invalid_argument("noise:N wants a count up to 1048576, not '" + description + "'");
        std::vector<std::uint8_t> out;
        std::uint32_t state = 0x9E3779B9u;
        while (out.size() < n) {
            state = state * 1664525u + 1013904223u;
            const auto byte = static_cast<std::uint8_t>(state >> 24);
            if (byte != 0x03)
                out.push_back(byte);
        }
        return out;
    }
    if (description.rfind("hex:", 0) != 0)
        return {description.begin(), description.end()};
    const std::string hex = description.substr(4);
    if (hex.size() % 2)
        throw std::invalid_argument("odd hex '" + description + "'");
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        std::size_t used = 0;
        const unsigned long value = std::stoul(hex.substr(i, 2), &used, 16);
        if (used != 2)
            throw std::invalid_argument("bad hex '" + description + "'");
        out.push_back(static_cast<std::uint8_t>(value));
    }
    return out;
}

std::vector<std::uint8_t> SimByteList(const nlohmann::json& description) {
    if (description.is_string())
        return SimBytes(description.get<std::string>());
    if (!description.is_array())
        throw std::invalid_argument("bytes are a text or a list of texts");
    std::vector<std::uint8_t> out;
    for (const auto& part : description) {
        if (!part.is_string())
            throw std::invalid_argument("bytes are a text or a list of texts");
        const std::vector<std::uint8_t> bytes = SimBytes(part.get<std::string>());
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

DeviceReplyBehaviour DeviceReplyBehaviour::FromJson(const nlohmann::json& item) {
    static const char* const known[] = {"on",          "after",  "times",  "silent",           "delay_ms",
                                        "split",       "parts",  "gap_ms", "corrupt_checksum", "uppercase",
                                        "truncate",    "header", "reply",  "garbage_before",   "hangup_after",
                                        "reconnect_ms"};
    if (!item.is_object())
        throw std::invalid_argument("a behaviour is an object");
    for (const auto& entry : item.items()) {
        const std::string& key = entry.key();
        if (std::find_if(std::begin(known), std::end(known), [&](const char* k) { return key == k; }) ==
            std::end(known))
            throw std::invalid_argument("unknown behaviour key \"" + key + "\"");
    }
    DeviceReplyBehaviour b;
    b.on = item.value("on", std::string("*"));
    b.after = item.value("after", 0);
    b.times = item.value("times", -1);
    b.silent = item.value("silent", false);
    b.delayMs = item.value("delay_ms", 0);
    b.split = item.value("split", std::vector<std::size_t>{});
    b.parts = item.value("parts", 1);
    b.gapMs = item.value("gap_ms", 30);
    b.corruptChecksum = item.value("corrupt_checksum", false);
    b.uppercase = item.value("uppercase", false);
    if (item.contains("truncate"))
        b.truncate = item.at("truncate").get<std::size_t>();
    if (item.contains("header"))
        b.header = item.at("header").get<std::string>();
    if (item.contains("reply"))
        b.reply = SimByteList(item.at("reply"));
    if (item.contains("garbage_before"))
        b.garbageBefore = SimByteList(item.at("garbage_before"));
    if (item.contains("hangup_after"))
        b.hangupAfter = item.at("hangup_after").get<std::size_t>();
    b.reconnectMs = item.value("reconnect_ms", -1);
    if (b.reconnectMs >= 0 && !b.hangupAfter)
        throw std::invalid_argument("behaviour for \"" + b.on + "\": reconnect_ms without hangup_after");
    if (b.after < 0 || b.delayMs < 0 || b.gapMs < 0 || b.parts < 1 || b.reconnectMs < -1)
        throw std::invalid_argument("behaviour for \"" + b.on + "\": negative or zero count");
    return b;
}

bool DeviceReplyBehaviour::Matches(const std::string& request) const {
    if (on == "*" || on == request)
        return true;
    return on == "chunk" && (request == "FW_CERT" || request == "CERTEND");
}

std::vector<DeviceReplyPiece> PlanPieces(const DeviceReplyBehaviour& behaviour,
                                         std::vector<std::uint8_t> reply) {
    std::vector<DeviceReplyPiece> pieces;
    if (behaviour.silent)
        return pieces;
    if (behaviour.truncate && *behaviour.truncate < reply.size())
        reply.resize(*behaviour.truncate);
    if (!behaviour.garbageBefore.empty())
        reply.insert(reply.begin(), behaviour.garbageBefore.begin(), behaviour.garbageBefore.end());
    if (behaviour.hangupAfter && *behaviour.hangupAfter < reply.size())
        reply.resize(*behaviour.hangupAfter);
    if (reply.empty()) {
        if (behaviour.hangupAfter)
            pieces.push_back({behaviour.delayMs, {}, true});
        return pieces;
    }

    std::vector<std::size_t> sizes = behaviour.split;
    if (sizes.empty() && behaviour.parts > 1) {
        const std::size_t each =
            std::max<std::size_t>(1, reply.size() / static_cast<std::size_t>(behaviour.parts));
        sizes.assign(static_cast<std::size_t>(behaviour.parts - 1), each);
    }
    std::size_t at = 0;
    int wait = behaviour.delayMs;
    for (std::size_t size : sizes) {
        if (at >= reply.size() || size == 0)
            break;
        const std::size_t take = std::min(size, reply.size() - at);
        pieces.push_back({wait,
                          {reply.begin() + static_cast<std::ptrdiff_t>(at),
                           reply.begin() + static_cast<std::ptrdiff_t>(at + take)},
                          false});
        at += take;
        wait = behaviour.gapMs;
    }
    if (at < reply.size())
        pieces.push_back({wait, {reply.begin() + static_cast<std::ptrdiff_t>(at), reply.end()}, false});
    if (behaviour.hangupAfter)
        pieces.back().hangup = true;
    return pieces;
}

DeviceBehaviourTable::DeviceBehaviourTable(std::vector<DeviceReplyBehaviour> entries)
    : m_entries(std::move(entries)), m_seen(m_entries.size(), 0) {}

DeviceReplyBehaviour DeviceBehaviourTable::Next(const std::string& request) {
    std::optional<DeviceReplyBehaviour> chosen;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const DeviceReplyBehaviour& entry = m_entries[i];
        if (!entry.Matches(request))
            continue;
        const int occurrence = m_seen[i]++;
        const bool inWindow =
            occurrence >= entry.after && (entry.times < 0 || occurrence < entry.after + entry.times);
        if (inWindow && !chosen)
            chosen = entry;
    }
    return chosen ? *chosen : DeviceReplyBehaviour{};
}
