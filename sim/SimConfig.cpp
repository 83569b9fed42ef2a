#include "sim/SimConfig.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace {

using nlohmann::json;

// The largest UDP payload, and the most printers a generator makes of each type.
constexpr unsigned long kMaxGarbageLength = 65507;
constexpr int kMaxGenerated = 100000;

std::vector<std::uint8_t> ParseBytes(const std::string& text, std::size_t count, char separator, int base) {
    std::vector<std::uint8_t> out;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator)) {
        std::size_t used = 0;
        const unsigned long value = std::stoul(part, &used, base);
        if (used != part.size() || value > 255)
            throw std::invalid_argument("bad byte '" + part + "' in '" + text + "'");
        out.push_back(static_cast<std::uint8_t>(value));
    }
    if (out.size() != count)
        throw std::invalid_argument("'" + text + "' needs " + std::to_string(count) + " parts");
    return out;
}

// A whole number in low..high; fallback when the key is absent. A fraction, or a number out of range, is
// refused: converting one that does not fit the type would be undefined.
long long Integer(const json& item, const char* key, long long fallback, long long low, long long high) {
    if (!item.is_object() || !item.contains(key))
        return fallback;
    const json& value = item.at(key);
    if (!value.is_number_integer())
        throw std::invalid_argument(std::string(key) + " must be a whole number");
    const bool fits = value.is_number_unsigned()
                          ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(high)
                          : value.get<std::int64_t>() <= high;
    const long long number = fits ? value.get<std::int64_t>() : high + 1;
    if (!fits || number < low)
        throw std::invalid_argument(std::string(key) + " must be " + std::to_string(low) + " to " +
                                    std::to_string(high));
    return number;
}

void Copy(const std::vector<std::uint8_t>& bytes, std::uint8_t* to) {
    std::memcpy(to, bytes.data(), bytes.size());
}

void BigEndian(unsigned value, std::uint8_t (&to)[2]) {
    if (value > 0xFFFF)
        throw std::invalid_argument("number " + std::to_string(value) + " does not fit 16 bits");
    to[0] = static_cast<std::uint8_t>(value >> 8);
    to[1] = static_cast<std::uint8_t>(value & 0xFF);
}

std::vector<std::uint8_t> Garbage(const std::string& description, std::mt19937& random) {
    if (description.rfind("hex:", 0) == 0) {
        const std::string hex = description.substr(4);
        if (hex.size() % 2)
            throw std::invalid_argument("odd hex '" + description + "'");
        std::vector<std::uint8_t> out;
        for (std::size_t i = 0; i < hex.size(); i += 2)
            out.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
        return out;
    }
    if (description.rfind("random:", 0) == 0) {
        const unsigned long length = std::stoul(description.substr(7));
        if (length > kMaxGarbageLength)
            throw std::invalid_argument("'" + description + "' is longer than a datagram");
        std::vector<std::uint8_t> out(length);
        for (auto& byte : out)
            byte = static_cast<std::uint8_t>(random());
        return out;
    }
    return {description.begin(), description.end()};
}

std::vector<std::vector<std::uint8_t>> GarbageList(const json& item, const char* key, std::mt19937& random) {
    std::vector<std::vector<std::uint8_t>> out;
    if (item.contains(key))
        for (const auto& description : item.at(key))
            out.push_back(Garbage(description.get<std::string>(), random));
    return out;
}

} // namespace

SimPrinter SimConfig::PrinterFrom(const json& item) {
    static std::mt19937 random(4711);
    const std::string type = item.value("type", "wired");
    if (type != "wired" && type != "wireless")
        throw std::invalid_argument("type must be \"wired\" or \"wireless\", not \"" + type + "\"");
    const bool wired = type == "wired";

    WLAN_INFO r{};
    Copy(ParseBytes(item.at("mac").get<std::string>(), 6, ':', 16), r.MacAddr);
    Copy(ParseBytes(item.value("ip", "192.0.2.50"), 4, '.', 10), r.Ip);
    Copy(ParseBytes(item.value("subnet", "255.255.255.0"), 4, '.', 10), r.Subnet);
    Copy(ParseBytes(item.value("gateway", "0.0.0.0"), 4, '.', 10), r.Gateway);
    BigEndian(static_cast<unsigned>(Integer(item, "port", 9100, 0, 65535)), r.Port);
    r.Baudrate = static_cast<std::uint8_t>(Integer(item, "baudrate", 0, 0, 255));
    Copy(ParseBytes(item.value("firmware", "1.0"), 2, '.', 10), r.FwVer);
    r.Dhcp = static_cast<std::uint8_t>(Integer(item, "dhcp", 0, 0, 255));
    BigEndian(static_cast<unsigned>(Integer(item, "inactivity", 300, 0, 65535)), r.I_activeTime);
    r.Http = static_cast<std::uint8_t>(Integer(item, "http", 0, 0, 255));

    const std::string name = item.value("name", "");
    if (!wired) {
        std::vector<unsigned> mask{name.empty() ? 0x11u : 0x91u, 0u};
        if (item.contains("mask")) {
            const json& given = item.at("mask");
            if (!given.is_array() || given.size() != 2)
                throw std::invalid_argument("mask needs two bytes");
            for (std::size_t i = 0; i < 2; ++i)
                mask[i] = static_cast<unsigned>(Integer(json{{"mask", given[i]}}, "mask", 0, 0, 255));
        }
        r.Mask[0] = static_cast<std::uint8_t>(mask[0]);
        r.Mask[1] = static_cast<std::uint8_t>(mask[1]);
        std::memcpy(r.SystemName, name.data(), std::min(name.size(), sizeof r.SystemName));
    }

    SimPrinter::Behaviour b;
    const std::size_t defaultLength = wired ? 31 : ((r.Mask[0] & VRX_MASK_SYSTEM_NAME) ? 111 : 47);
    b.answerLength = static_cast<std::size_t>(
        Integer(item, "answer_length", static_cast<long long>(defaultLength), 0, 65507));
    if (b.answerLength < (wired ? 30u : 47u) || b.answerLength > 65507)
        throw std::invalid_argument("answer_length " + std::to_string(b.answerLength) + " out of range");
    b.answersPerRequest = static_cast<int>(Integer(item, "answers", 1, 0, 100000));
    b.delayMs = static_cast<int>(Integer(item, "delay_ms", 0, 0, 600000));
    const std::string answersTo = item.value("answers_to", type);
    if (answersTo != "wired" && answersTo != "wireless" && answersTo != "both")
        throw std::invalid_argument("answers_to must be wired, wireless or both");
    b.answersWiredRequest = answersTo != "wireless";
    b.answersWirelessRequest = answersTo != "wired";
    b.garbageBefore = GarbageList(item, "garbage_before", random);
    b.garbageAfter = GarbageList(item, "garbage_after", random);
    const std::string reply = item.value("settings_reply", wired ? "SETC" : "SET_RSP");
    if (reply == "SET_RSP")
        b.settingsReply = SimPrinter::SettingsReply::SetResponse;
    else if (reply == "SETC")
        b.settingsReply = SimPrinter::SettingsReply::Complete;
    else if (reply == "none")
        b.settingsReply = SimPrinter::SettingsReply::None;
    else
        throw std::invalid_argument("settings_reply must be SET_RSP, SETC or none");
    const std::string replyBy = item.value("reply_by", "unicast");
    if (replyBy == "unicast")
        b.replyBy = SimPrinter::ReplyBy::Unicast;
    else if (replyBy == "subnet-broadcast")
        b.replyBy = SimPrinter::ReplyBy::SubnetBroadcast;
    else if (replyBy == "broadcast")
        b.replyBy = SimPrinter::ReplyBy::LimitedBroadcast;
    else
        throw std::invalid_argument("reply_by must be unicast, subnet-broadcast or broadcast");
    const std::string replyFrom = item.value("reply_from", "link");
    if (replyFrom != "link" && replyFrom != "own")
        throw std::invalid_argument("reply_from must be link or own");
    b.fromOwnAddress = replyFrom == "own";
    b.link = item.value("link", "");
    if (!b.link.empty())
        ParseBytes(b.link, 4, '.', 10); // an IPv4 address
    if (item.contains("dhcp_ip"))
        b.dhcpAddress = ParseBytes(item.at("dhcp_ip").get<std::string>(), 4, '.', 10);

    return SimPrinter(wired ? SimPrinter::Kind::Wired : SimPrinter::Kind::Wireless, r, std::move(b));
}

void SimConfig::Generate(const json& description, std::vector<SimPrinter>& printers) {
    const int wired = static_cast<int>(Integer(description, "wired", 0, 0, kMaxGenerated));
    const int wireless = static_cast<int>(Integer(description, "wireless", 0, 0, kMaxGenerated));
    const std::vector<std::uint8_t> baseMac =
        ParseBytes(description.value("base_mac", "02:00:00:00:00:00"), 6, ':', 16);
    const std::vector<std::uint8_t> baseIp =
        ParseBytes(description.value("base_ip", "192.0.2.10"), 4, '.', 10);
    std::uint64_t mac = 0, ip = 0;
    for (const auto byte : baseMac)
        mac = (mac << 8) | byte;
    for (const auto byte : baseIp)
        ip = (ip << 8) | byte;
    for (int i = 0; i < wired + wireless; ++i) {
        ++mac;
        char macText[18], ipText[16];
        std::snprintf(macText, sizeof macText, "%02X:%02X:%02X:%02X:%02X:%02X", unsigned(mac >> 40 & 0xFF),
                      unsigned(mac >> 32 & 0xFF), unsigned(mac >> 24 & 0xFF), unsigned(mac >> 16 & 0xFF),
                      unsigned(mac >> 8 & 0xFF), unsigned(mac & 0xFF));
        const std::uint64_t address = ip + static_cast<std::uint64_t>(i);
        std::snprintf(ipText, sizeof ipText, "%u.%u.%u.%u", unsigned(address >> 24 & 0xFF),
                      unsigned(address >> 16 & 0xFF), unsigned(address >> 8 & 0xFF),
                      unsigned(address & 0xFF));
        json item = {{"type", i < wired ? "wired" : "wireless"},
                     {"mac", macText},
                     {"ip", ipText},
                     {"answers", Integer(description, "answers", 1, 0, 100000)},
                     {"delay_ms", Integer(description, "delay_ms", 0, 0, 600000)},
                     {"reply_by", description.value("reply_by", "unicast")},
                     {"reply_from", description.value("reply_from", "link")}};
        for (const char* key : {"settings_reply", "delay_ms", "link"})
            if (description.contains(key))
                item[key] = description[key];
        if (i >= wired)
            item["name"] = "Printer " + std::to_string(i + 1);
        printers.push_back(PrinterFrom(item));
    }
}

bool SimConfig::Parse(const std::string& text, std::vector<SimPrinter>& printers, std::string& error) {
    try {
        const json config = json::parse(text);
        if (config.contains("printers"))
            for (const auto& item : config.at("printers"))
                printers.push_back(PrinterFrom(item));
        if (config.contains("generate"))
            Generate(config.at("generate"), printers);
        return true;
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
}

bool SimConfig::Load(const std::string& path, std::vector<SimPrinter>& printers, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return Parse(text.str(), printers, error);
}
