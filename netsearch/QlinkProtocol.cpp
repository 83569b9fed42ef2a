#include "netsearch/QlinkProtocol.h"

#include "netsearch/PrinterRecords.h"

#include <cstring>

namespace QlinkProtocol {

std::uint16_t LocalPort(int nPrinterNetworkType) {
    switch (nPrinterNetworkType) {
    case VRX_WIRED_PRINTER:
        return kWiredLocalPort;
    case VRX_WIRELESS_PRINTER:
        return kWirelessLocalPort;
    default:
        return 0;
    }
}

std::uint16_t PrinterPort(int nPrinterNetworkType) {
    switch (nPrinterNetworkType) {
    case VRX_WIRED_PRINTER:
        return kWiredPrinterPort;
    case VRX_WIRELESS_PRINTER:
        return kWirelessPrinterPort;
    default:
        return 0;
    }
}

bool StartsWith(const std::uint8_t* data, std::size_t length, std::string_view prefix) {
    return data && length >= prefix.size() && std::memcmp(data, prefix.data(), prefix.size()) == 0;
}

} // namespace QlinkProtocol
