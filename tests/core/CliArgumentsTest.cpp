#include "cli/CliArguments.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

TEST(CliArguments, MacAddressesAreTakenAsSixHexPairsJoinedByColonsOrHyphensOrNothing) {
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
        {"00-1A-2B-3C-4D-5E", "00:1A:2B:3C:4D:5E"},
        {"00-1a-2B-3c-4D-5e", "00:1A:2B:3C:4D:5E"},
        {"001A2B3C4D5E", "00:1A:2B:3C:4D:5E"},
        {"001a2b3c4d5e", "00:1A:2B:3C:4D:5E"},
        {"00:1A-2B:3C:4D:5E", ""}, // one separator throughout
        {"00-1A-2B-3C-4D:5E", ""},
        {"001A2B3C4D5", ""},
        {"001A2B3C4D5E0", ""},
        {"001A2B3C4D5G", ""},
        {"-01A2B3C4D5E", ""},
        {"00.1A.2B.3C.4D.5E", ""},
        {"00-1A-2B-3C-4D-5E-", ""},
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

TEST(CliArguments, SetIpArgumentsAreCheckedBeforeAnythingIsSent) {
    struct Case {
        std::string line;
        std::string error; // "" = accepted
    };
    const Case cases[] = {
        {"02:00:00:00:00:aa --dhcp", ""},
        {"--dhcp 02:00:00:00:00:aa --port 32767 --inactivity 3600 --name x", ""},
        {"02:00:00:00:00:aa --ip 192.0.2.60 --subnet 255.255.255.0 --gateway 192.0.2.1", ""},
        {"", "which printer? give its MAC address"},
        {"--dhcp", "which printer? give its MAC address"},
        {"02.00.00.00.00.aa --dhcp", "'02.00.00.00.00.aa' is not a MAC address such as 00:1A:2B:3C:4D:5E"},
        {"02-00-00-00-00-aa --dhcp", ""},
        {"0200000000Aa --dhcp", ""},
        {"02:00:00:00:00:aa", "give either --dhcp or all of --ip, --subnet and --gateway"},
        {"02:00:00:00:00:aa --dhcp --ip 192.0.2.60",
         "give either --dhcp or all of --ip, --subnet and --gateway"},
        {"02:00:00:00:00:aa --ip 192.0.2.60 --subnet 255.255.255.0",
         "give either --dhcp or all of --ip, --subnet and --gateway"},
        {"02:00:00:00:00:aa --dhcp --ip", "--ip needs an IPv4 address"},
        {"02:00:00:00:00:aa --dhcp --port", "--port needs a number"},
        {"02:00:00:00:00:aa --dhcp --port -1", "--port needs a number"},
        {"02:00:00:00:00:aa --dhcp --name", "--name needs a text"},
        {"02:00:00:00:00:aa --dhcp --port 32768", "the port number must be 0 to 32767"},
        {"02:00:00:00:00:aa --dhcp --inactivity 3601", "the inactivity time must be 0 to 3600"},
        {"02:00:00:00:00:aa 02:00:00:00:00:bb --dhcp", "unknown argument '02:00:00:00:00:bb'"},
        {"02:00:00:00:00:aa --dhcp --verbose", "unknown argument '--verbose'"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args;
        std::istringstream words(c.line);
        for (std::string word; words >> word;)
            args.push_back(word);
        std::string error;
        const auto parsed = CliArguments::ParseSetIpArguments(args, error);
        EXPECT_EQ(parsed.has_value(), c.error.empty()) << c.line;
        EXPECT_EQ(error, c.error) << c.line;
        if (parsed) {
            EXPECT_EQ(parsed->mac, "02:00:00:00:00:AA") << c.line;
        }
    }
}

} // namespace
