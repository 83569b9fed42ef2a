#include "cli/PrinterOutput.h"

#include "app/StringTable.h"
#include "netsearch/PrinterCsv.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

std::string NameOf(const InterfaceNames& names, int nLocalNetworkInterface) {
    return names ? names(nLocalNetworkInterface) : std::string();
}

template <typename Record> json Common(const char* type, const Record& r, const InterfaceNames& names) {
    return {{"type", type},
            {"mac", MacText(r.MacAddr)},
            {"ip", Ipv4Text(r.Ip)},
            {"subnet", Ipv4Text(r.Subnet)},
            {"gateway", Ipv4Text(r.Gateway)},
            {"port", BigEndian16(r.Port)},
            {"baudrate", r.Baudrate},
            {"dhcp", r.Dhcp != 0}, // as the settings page reads it: anything but 0 is DHCP
            {"inactivity", BigEndian16(r.I_activeTime)},
            {"http", r.Http == 1},
            {"firmware", std::to_string(r.FwVer[0]) + "." + std::to_string(r.FwVer[1])},
            {"interface", r.byLocalNetworkInterface},
            {"interface_name", NameOf(names, r.byLocalNetworkInterface)}};
}

// The code point that starts at text[at], and its length in bytes (a broken sequence counts as one byte).
char32_t CodePointAt(const std::string& text, size_t at, size_t& length) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    length = lead < 0x80 ? 1 : lead >> 5 == 0x6 ? 2 : lead >> 4 == 0xE ? 3 : lead >> 3 == 0x1E ? 4 : 1;
    if (at + length > text.size())
        length = 1;
    if (length == 1)
        return lead < 0x80 ? lead : U'\uFFFD';
    char32_t value = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            length = 1;
            return U'\uFFFD';
        }
        value = value << 6 | (byte(at + i) & 0x3F);
    }
    return value;
}

// Terminal columns of a code point: two for the wide East Asian ranges, none for combining marks.
int Columns(char32_t c) {
    if ((c >= 0x0300 && c <= 0x036F) || (c >= 0x200B && c <= 0x200F) || (c >= 0xFE00 && c <= 0xFE0F))
        return 0;
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
                      (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                      (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
                      (c >= 0x20000 && c <= 0x3FFFD);
    return wide ? 2 : 1;
}

} // namespace

std::string FitColumn(const std::string& text, int width) {
    // Control characters (a name may hold any byte) would upset the terminal: shown as blanks.
    std::string clean;
    for (size_t at = 0, length = 0; at < text.size(); at += length) {
        const char32_t c = CodePointAt(text, at, length);
        if (c < 0x20 || c == 0x7F)
            clean += ' ';
        else if (c == U'\uFFFD' && length == 1)
            clean += "\uFFFD"; // a byte that is no UTF-8
        else
            clean += text.substr(at, length);
    }
    int used = 0;
    size_t at = 0, length = 0;
    for (; at < clean.size(); at += length) {
        const int columns = Columns(CodePointAt(clean, at, length));
        if (used + columns > width)
            break;
        used += columns;
    }
    std::string out = clean.substr(0, at);
    if (at < clean.size()) {
        // Too long: cut one column earlier (two for a wide character) and end with "…".
        while (!out.empty() && used > width - 1) {
            size_t start = out.size() - 1;
            while (start > 0 && (static_cast<unsigned char>(out[start]) & 0xC0) == 0x80)
                --start;
            size_t ignored = 0;
            used -= Columns(CodePointAt(out, start, ignored));
            out.erase(start);
        }
        out += "\u2026";
        ++used;
    }
    return out + std::string(static_cast<size_t>(std::max(0, width - used)), ' ');
}

json PrinterAsJson(const ETHERNET_INFO& r, const InterfaceNames& names) {
    json item = Common("wired", r, names);
    item["mask"] = nullptr;
    item["name"] = "";
    return item;
}

json PrinterAsJson(const WLAN_INFO& r, const InterfaceNames& names) {
    json item = Common("wireless", r, names);
    item["mask"] = json::array({r.Mask[0], r.Mask[1]});
    item["name"] = DecodeSystemName(r);
    return item;
}

json PrintersAsJson(const SearchResult& result, const InterfaceNames& names) {
    json printers = json::array();
    for (const auto& [mac, r] : result.ethernet)
        printers.push_back(PrinterAsJson(r, names));
    for (const auto& [mac, r] : result.wlan)
        printers.push_back(PrinterAsJson(r, names));
    return printers;
}

std::string PrintersAsCsv(const SearchResult& result) {
    std::string out = PrinterCsv::HeaderRow();
    for (const auto& [mac, r] : result.ethernet)
        out += PrinterCsv::Row(r);
    for (const auto& [mac, r] : result.wlan)
        out += PrinterCsv::Row(r);
    return out;
}

void PrintPrinterTable(const SearchResult& result, std::FILE* out, const InterfaceNames& names) {
    // Columns and their widths: 3 + 15 + 17 + 22 + 8 + 4 + 5 + 8 + 9 and the blanks between: 99.
    struct Column {
        std::string title;
        int width;
    };
    const Column columns[] = {{"#", 3},
                              {LoadString(StringId::IpAddress), 15},
                              {LoadString(StringId::MacAddress), 17},
                              {LoadString(StringId::SystemName), 22},
                              {LoadString(StringId::Type), 8},
                              {LoadString(StringId::Dhcp), 4},
                              {"Port", 5},
                              {"Firmware", 8},
                              {"Interface", 9}};
    const auto row = [&](const std::vector<std::string>& cells) {
        std::string line;
        for (size_t i = 0; i < cells.size(); ++i)
            line += (i ? " " : "") + FitColumn(cells[i], columns[i].width);
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        std::fprintf(out, "%s\n", line.c_str());
    };
    std::vector<std::string> titles;
    for (const Column& column : columns)
        titles.push_back(column.title);
    row(titles);

    const auto InterfaceCell = [&names](int key) {
        const std::string name = NameOf(names, key);
        return name.empty() ? std::to_string(key) : name;
    };
    int number = 0;
    const auto printer = [&](const auto& r, const std::string& name, const std::string& type) {
        row({std::to_string(++number), Ipv4Text(r.Ip), MacText(r.MacAddr), name.empty() ? "-" : name, type,
             r.Dhcp != 0 ? "yes" : "no", std::to_string(BigEndian16(r.Port)),
             std::to_string(r.FwVer[0]) + "." + std::to_string(r.FwVer[1]),
             InterfaceCell(r.byLocalNetworkInterface)});
    };
    for (const auto& [mac, r] : result.ethernet)
        printer(r, "", LoadString(StringId::SettingsWired));
    for (const auto& [mac, r] : result.wlan)
        printer(r, DecodeSystemName(r), LoadString(StringId::SettingsWireless));
    if (number == 0)
        std::fprintf(out, "No printer answered.\n");
}
