#include "netsearch/PrinterRecords.h"

#include <cstdio>
#include <cstring>

std::string MacText(const std::uint8_t mac[6]) {
    char text[18];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3], mac[4],
                  mac[5]);
    return text;
}

std::string Ipv4Text(const std::uint8_t address[4]) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", address[0], address[1], address[2], address[3]);
    return text;
}

namespace {

template <typename Record>
void FillCommonTexts(PRINTER_NETWORK_INFO& out, const Record& info, const std::string& networkTypeText) {
    out.strMACAddress = MacText(info.MacAddr);
    out.strIPAddress = Ipv4Text(info.Ip);
    out.strSubnetMask = Ipv4Text(info.Subnet);
    out.strGateway = Ipv4Text(info.Gateway);
    out.strPortNumber = std::to_string(BigEndian16(info.Port));
    out.strBaudrate = std::to_string(info.Baudrate);
    out.strFwVersion = std::to_string(info.FwVer[0]) + "." + std::to_string(info.FwVer[1]);
    out.strDhcp = std::to_string(info.Dhcp);
    out.strInactiveTime = std::to_string(BigEndian16(info.I_activeTime));
    out.strHttp = std::to_string(info.Http);
    out.strNetworkType = networkTypeText;
}

} // namespace

PRINTER_NETWORK_INFO MakePrinterNetworkInfo(const ETHERNET_INFO& info, const std::string& networkTypeText) {
    PRINTER_NETWORK_INFO out;
    out.stEthernetInfo = info;
    FillCommonTexts(out, info, networkTypeText);
    return out;
}

PRINTER_NETWORK_INFO MakePrinterNetworkInfo(const WLAN_INFO& info, const std::string& networkTypeText) {
    PRINTER_NETWORK_INFO out;
    out.stWLANInfo = info;
    FillCommonTexts(out, info, networkTypeText);
    out.strMask = std::to_string(info.Mask[0]) + "." + std::to_string(info.Mask[1]);
    out.strSystemName = DecodeSystemName(info);
    return out;
}

std::string DecodeSystemName(const WLAN_INFO& info) {
    if (!(info.Mask[0] & VRX_MASK_SYSTEM_NAME))
        return {};
    const auto* begin = reinterpret_cast<const char*>(info.SystemName);
    const void* zero = std::memchr(begin, 0, sizeof info.SystemName);
    const size_t length =
        zero ? static_cast<size_t>(static_cast<const char*>(zero) - begin) : sizeof info.SystemName;
    return std::string(begin, length);
}
