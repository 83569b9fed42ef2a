#include "cli/CliArguments.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CliArguments, MacAddressesAreTakenOnlyAsSixHexPairsJoinedByColons) {
    struct Case {
        std::string text, key; // "" = refused
    };
    const Case cases[] = {
        {"00:1A:2B:3C:4D:5E", "00:1A:2B:3C:4D:5E"},
        {"00:1a:2b:3c:4d:5e", "00:1A:2B:3C:4D:5E"},
        {"ff:FF:fF:Ff:00:09", "FF:FF:FF:FF:00:09"},
        {"-1:00:00:00:00:00", ""}, // a sign
        {"+1:00:00:00:00:00", ""},
        {" 1:00:00:00:00:00", ""}, // a blank
        {"00:00:00:00:00: 1", ""},
        {"0x:00:00:00:00:00", ""},
        {"00-1A-2B-3C-4D-5E", ""},
        {"00:1A:2B:3C:4D:5G", ""},
        {"00:1A:2B:3C:4D:5", ""},
        {"00:1A:2B:3C:4D:5E:", ""},
        {"001A2B3C4D5E00000", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CliArguments::NormaliseMac(c.text), c.key) << '"' << c.text << '"';
}

TEST(CliArguments, NumbersAreDecimalDigitsOnly) {
    struct Case {
        std::string text;
        std::optional<unsigned> value;
    };
    const Case cases[] = {{"0", 0u},          {"9100", 9100u}, {"0009100", 9100u}, {"999999999", 999999999u},
                          {"1000000000", {}}, {"", {}},        {"-1", {}},         {"+1", {}},
                          {" 1", {}},         {"1 ", {}},      {"0x10", {}},       {"12a", {}}};
    for (const Case& c : cases)
        EXPECT_EQ(CliArguments::ParseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(CliArguments, AddressesAreDottedDecimal) {
    EXPECT_EQ(CliArguments::ParseAddress("192.0.2.10"), (SettingsRequest::Address{192, 0, 2, 10}));
    EXPECT_EQ(CliArguments::ParseAddress("255.255.255.255"), (SettingsRequest::Address{255, 255, 255, 255}));
    for (const std::string text : {"192.0.2", "192.0.2.256", "192.0.2.10 ", "0xC0.0.2.10", "", "a.b.c.d"})
        EXPECT_FALSE(CliArguments::ParseAddress(text).has_value()) << '"' << text << '"';
}

} // namespace
