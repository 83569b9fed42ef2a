#include "netsearch/PrinterCsv.h"

#include "app/CsvText.h"

namespace PrinterCsv {

namespace {

template <typename Record> std::vector<std::string> CommonFields(const char* type, const Record& r) {
    return {type,
            MacText(r.MacAddr),
            Ipv4Text(r.Ip),
            Ipv4Text(r.Subnet),
            Ipv4Text(r.Gateway),
            std::to_string(BigEndian16(r.Port)),
            std::to_string(r.Baudrate),
            r.Dhcp != 0 ? "true" : "false", // as the settings page reads it: anything but 0 is DHCP
            std::to_string(BigEndian16(r.I_activeTime)),
            r.Http == 1 ? "true" : "false",
            std::to_string(r.FwVer[0]) + "." + std::to_string(r.FwVer[1])};
}

} // namespace

std::string HeaderRow() {
    return CsvText::Row({"type", "mac", "ip", "subnet", "gateway", "port", "baudrate", "dhcp", "inactivity",
                         "http", "firmware", "mask", "name", "interface"});
}

std::vector<std::string> Fields(const ETHERNET_INFO& printer) {
    std::vector<std::string> fields = CommonFields("wired", printer);
    fields.emplace_back(); // mask
    fields.emplace_back(); // name
    fields.push_back(std::to_string(printer.byLocalNetworkInterface));
    return fields;
}

std::vector<std::string> Fields(const WLAN_INFO& printer) {
    std::vector<std::string> fields = CommonFields("wireless", printer);
    fields.push_back(std::to_string(printer.Mask[0]) + "." + std::to_string(printer.Mask[1]));
    fields.push_back(DecodeSystemName(printer));
    fields.push_back(std::to_string(printer.byLocalNetworkInterface));
    return fields;
}

std::string Row(const ETHERNET_INFO& printer) {
    return CsvText::Row(Fields(printer));
}

std::string Row(const WLAN_INFO& printer) {
    return CsvText::Row(Fields(printer));
}

} // namespace PrinterCsv
