// The preferences file: every key the program reads, the values parsed as it parses them, and a key
// written into the file, which must read back while every other key keeps its value.

#include "app/Preferences.h"
#include "FuzzSupport.h"
#include "app/PrivateProfile.h"
#include "app/Utf8.h"

#include <optional>
#include <string>

namespace {

const char* const kSection = "Quorlink Tool";
const char* const kKeys[] = {"PREFERENCE[0]", "PREFERENCE[1]", "PREFERENCE[3]", "PREFERENCE[4]",
                             "PREFERENCE[5]"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFile file("Quorlink Tool.ini");
    file.Write(data, size);

    std::optional<std::string> before[std::size(kKeys)];
    for (std::size_t k = 0; k < std::size(kKeys); ++k) {
        before[k] = PrivateProfile::ReadString(file.Path(), kSection, kKeys[k]);
        if (before[k]) {
            FUZZ_REQUIRE(!before[k]->empty() && before[k]->size() <= 255);
            (void)ParseProfileInt(*before[k]);
            (void)ParseExpandedGroups(before[k]);
        }
        // A short buffer cuts the value on a character boundary.
        if (const auto cut = PrivateProfile::ReadString(file.Path(), kSection, kKeys[k], 4)) {
            FUZZ_REQUIRE(cut->size() <= 3);
            FUZZ_REQUIRE(before[k] && *cut == Utf8::CutToBytes(*before[k], 3));
        }
    }

    FUZZ_REQUIRE(PrivateProfile::WriteString(file.Path(), kSection, "PREFERENCE[1]", "7"));
    FUZZ_REQUIRE(PrivateProfile::ReadString(file.Path(), kSection, "PREFERENCE[1]") == std::string("7"));
    for (std::size_t k = 0; k < std::size(kKeys); ++k) {
        if (std::string(kKeys[k]) != "PREFERENCE[1]")
            FUZZ_REQUIRE(PrivateProfile::ReadString(file.Path(), kSection, kKeys[k]) == before[k]);
    }
    return 0;
}
