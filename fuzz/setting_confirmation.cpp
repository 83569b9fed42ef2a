// A datagram heard while waiting for the confirmation of new IP settings.

#include "FuzzSupport.h"
#include "netsearch/SettingConfirmation.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Bytes datagram(data, data + size);
    const SettingConfirmation kind = ClassifySettingConfirmation(datagram.data(), datagram.size());
    const auto startsWith = [&](const char* text) {
        const std::size_t n = std::strlen(text);
        return size >= n && std::memcmp(data, text, n) == 0;
    };
    switch (kind) {
    case SettingConfirmation::None:
        FUZZ_REQUIRE(!(size >= 18 && startsWith("__[I_F]__[SET_RSP]")));
        FUZZ_REQUIRE(!(size >= 4 && startsWith("SETC")));
        break;
    case SettingConfirmation::SetResponse:
        FUZZ_REQUIRE(size >= 18 && startsWith("__[I_F]__[SET_RSP]"));
        break;
    case SettingConfirmation::CompleteLong:
        FUZZ_REQUIRE(size >= 18 && startsWith("SETC"));
        break;
    case SettingConfirmation::CompleteShort:
        FUZZ_REQUIRE(size >= 4 && size < 18 && startsWith("SETC"));
        break;
    }
    return 0;
}
