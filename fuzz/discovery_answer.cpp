// A datagram heard during a search: classified, copied into a printer record and shown as the list's texts.

#include "FuzzSupport.h"
#include "netsearch/DiscoveryAnswer.h"
#include "netsearch/PrinterRecords.h"
#include "netsearch/QlinkProtocol.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact-size copy, so that a read past the datagram's end is a heap overflow.
    const fuzz::Bytes datagram(data, data + size);
    const DiscoveryAnswer answer = ClassifyDiscoveryAnswer(datagram.data(), datagram.size(), 3);
    const auto startsWith = [&](std::string_view text) {
        return size >= text.size() && std::memcmp(data, text.data(), text.size()) == 0;
    };
    switch (answer.kind) {
    case DiscoveryAnswerKind::None:
        FUZZ_REQUIRE(!answer.systemNameCopied);
        break;
    case DiscoveryAnswerKind::Wired: {
        FUZZ_REQUIRE(size >= 30 && startsWith("IMIN"));
        FUZZ_REQUIRE(std::memcmp(answer.ethernet.MacAddr, data + 4, 6) == 0);
        FUZZ_REQUIRE(answer.ethernet.byLocalNetworkInterface == 3);
        const PRINTER_NETWORK_INFO info = MakePrinterNetworkInfo(answer.ethernet, "Wired");
        FUZZ_REQUIRE(info.strMACAddress == MacText(data + 4) && info.strMACAddress.size() == 17);
        FUZZ_REQUIRE(info.strIPAddress.size() >= 7 && info.strIPAddress.size() <= 15);
        break;
    }
    case DiscoveryAnswerKind::Wireless: {
        FUZZ_REQUIRE(size >= 47 && startsWith("__[I_F]__[REG_RSP]"));
        FUZZ_REQUIRE(answer.systemNameCopied == ((data[45] & VRX_MASK_SYSTEM_NAME) && size >= 111));
        FUZZ_REQUIRE(std::memcmp(answer.wlan.MacAddr, data + 18, 6) == 0);
        const PRINTER_NETWORK_INFO info = MakePrinterNetworkInfo(answer.wlan, "Wireless");
        FUZZ_REQUIRE(info.strMACAddress.size() == 17);
        FUZZ_REQUIRE(info.strSystemName.size() <= sizeof answer.wlan.SystemName);
        if (!answer.systemNameCopied)
            FUZZ_REQUIRE(info.strSystemName.empty());
        break;
    }
    }
    return 0;
}
