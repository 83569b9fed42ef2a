#include "cli/PrinterOutput.h"

#include "app/StringTable.h"

#include <string>

namespace {

using nlohmann::json;

template <typename Record> json Common(const char* type, const Record& r) {
    return {{"type", type},
            {"mac", MacText(r.MacAddr)},
            {"ip", Ipv4Text(r.Ip)},
            {"subnet", Ipv4Text(r.Subnet)},
            {"gateway", Ipv4Text(r.Gateway)},
            {"port", BigEndian16(r.Port)},
            {"baudrate", r.Baudrate},
            {"dhcp", r.Dhcp},
            {"inactivity", BigEndian16(r.I_activeTime)},
            {"http", r.Http},
            {"firmware", std::to_string(r.FwVer[0]) + "." + std::to_string(r.FwVer[1])},
            {"interface", r.byLocalNetworkInterface}};
}

} // namespace

json PrintersAsJson(const SearchResult& result) {
    json printers = json::array();
    for (const auto& [mac, r] : result.ethernet) {
        json item = Common("wired", r);
        item["mask"] = nullptr;
        item["name"] = "";
        printers.push_back(std::move(item));
    }
    for (const auto& [mac, r] : result.wlan) {
        json item = Common("wireless", r);
        item["mask"] = std::to_string(r.Mask[0]) + "." + std::to_string(r.Mask[1]);
        item["name"] = DecodeSystemName(r);
        printers.push_back(std::move(item));
    }
    return printers;
}

void PrintPrinterTable(const SearchResult& result, std::FILE* out) {
    const std::string wired = LoadString(StringId::SettingsWired),
                      wireless = LoadString(StringId::SettingsWireless);
    std::fprintf(out, "%-3s %-15s %-17s %-24s %-9s %s\n", "#", LoadString(StringId::IpAddress).c_str(),
                 LoadString(StringId::MacAddress).c_str(), LoadString(StringId::SystemName).c_str(),
                 LoadString(StringId::Type).c_str(), "Details");
    int row = 0;
    const auto line = [&](const auto& r, const std::string& name, const std::string& type,
                          const std::string& extra) {
        std::fprintf(
            out,
            "%-3d %-15s %-17s %-24s %-9s subnet %s, gateway %s, port %u, DHCP %u, inactivity %u s, "
            "http %u, baud rate %u, firmware %u.%u, interface %u%s\n",
            ++row, Ipv4Text(r.Ip).c_str(), MacText(r.MacAddr).c_str(), name.empty() ? "-" : name.c_str(),
            type.c_str(), Ipv4Text(r.Subnet).c_str(), Ipv4Text(r.Gateway).c_str(), BigEndian16(r.Port),
            unsigned{r.Dhcp}, BigEndian16(r.I_activeTime), unsigned{r.Http}, unsigned{r.Baudrate},
            unsigned{r.FwVer[0]}, unsigned{r.FwVer[1]}, unsigned{r.byLocalNetworkInterface}, extra.c_str());
    };
    for (const auto& [mac, r] : result.ethernet)
        line(r, "", wired, "");
    for (const auto& [mac, r] : result.wlan)
        line(r, DecodeSystemName(r), wireless,
             ", mask " + std::to_string(r.Mask[0]) + "." + std::to_string(r.Mask[1]));
    if (row == 0)
        std::fprintf(out, "No printer answered.\n");
}
