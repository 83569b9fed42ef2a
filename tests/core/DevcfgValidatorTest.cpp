#include "devcfg/CConfigurationValidator.h"
#include "devcfg/PropertyIds.h"

#include "CapturedLog.h"
#include "FakeMessageBox.h"
#include "FakePropertyItems.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

namespace {

using Kind = FakeMessageBox::Kind;

struct FieldPlace {
    size_t offset;
    size_t size;
};

// The record field an item's validator writes.
FieldPlace FieldOf(std::uint32_t id) {
    switch (id) {
    case VRX_GROUP1_PROPERTY_ID_1:
        return {offsetof(WLAN_ADVANCED_CONFIG_INFO, bySSID), 32};
    case VRX_GROUP1_PROPERTY_ID_5:
        return {offsetof(WLAN_ADVANCED_CONFIG_INFO, byP2P_PinCode), 9};
    case VRX_GROUP2_PROPERTY_ID_4:
        return {offsetof(WLAN_ADVANCED_CONFIG_INFO, byPSK_Key), 64};
    case VRX_GROUP2_PROPERTY_ID_5:
    case VRX_GROUP2_PROPERTY_ID_6:
        return {offsetof(WLAN_ADVANCED_CONFIG_INFO, byWEP_Key0), 26};
    case VRX_GROUP2_PROPERTY_ID_7:
        return {offsetof(WLAN_ADVANCED_CONFIG_INFO, szEAP_Id), 32};
    case VRX_GROUP2_PROPERTY_ID_8:
        return {offsetof(WLAN_ADVANCED_CONFIG_INFO, szEAP_Password), 32};
    case VRX_GROUP5_PROPERTY_ID_1:
        return {offsetof(WLAN_ADVANCED_CONFIG_INFO, bySystemName), 64};
    case VRX_GROUP5_PROPERTY_ID_2:
        return {offsetof(WLAN_ADVANCED_CONFIG_INFO, byUserName), 32};
    case VRX_GROUP5_PROPERTY_ID_3:
        return {offsetof(WLAN_ADVANCED_CONFIG_INFO, byUserPassword), 32};
    case VRX_GROUP7_PROPERTY_ID_1:
        return {offsetof(WLAN_ADVANCED_CONFIG_INFO, bySNMPGetCommunity), 16};
    case VRX_GROUP7_PROPERTY_ID_2:
        return {offsetof(WLAN_ADVANCED_CONFIG_INFO, szSNMPSetCommunity), 16};
    case VRX_GROUP7_PROPERTY_ID_4:
        return {offsetof(WLAN_ADVANCED_CONFIG_INFO, szSNMPTrapCommunity), 16};
    default:
        return {offsetof(WLAN_ADVANCED_CONFIG_INFO, byTrapIP), 4};
    }
}

// The field's bytes as a string (all of them, zeros included).
std::string FieldBytes(const WLAN_ADVANCED_CONFIG_INFO& record, std::uint32_t id) {
    const auto place = FieldOf(id);
    return std::string(reinterpret_cast<const char*>(&record) + place.offset, place.size);
}

std::string Padded(const std::string& text, size_t size) {
    std::string bytes = text;
    bytes.resize(size, '\0');
    return bytes;
}

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

class ValidatorTest : public ::testing::Test {
protected:
    ValidatorTest() : validator(items, messages) {}
    FakePropertyItems items;
    FakeMessageBox messages;
    CConfigurationValidator validator;
};

} // namespace

TEST_F(ValidatorTest, EachValidatorAcceptsCleansAndStoresOrShowsItsMessage) {
    struct Case {
        std::uint32_t id;
        std::string input;
        // Accepted: the item's cleaned value (also what the field holds unless fieldText is set).
        // Refused: the message box's text.
        bool accepted;
        std::string expected;
        Kind kind = Kind::Error;
    };
    const std::string e = "\xC3\xA9"; // é, two bytes
    const Case cases[] = {
        // SSID: at most 31 bytes, the message counts characters.
        {1, std::string(31, 's'), true, std::string(31, 's')},
        {1, std::string(32, 's'), false, "SSID LENGTH ERROR (32)"},
        {1, std::string(100, 's'), false, "SSID LENGTH ERROR (100)"},
        {1, " \tmy net \r\n", true, "my net"},
        {1, "   ", false, "SSID LENGTH ERROR (0)"},
        {1, Repeat(e, 15) + "a", true, Repeat(e, 15) + "a"}, // 31 bytes
        {1, Repeat(e, 16), false, "SSID LENGTH ERROR (16)"}, // 32 bytes in 16 characters
        // PIN: blanks removed, 4 or 8 digits.
        {5, "1234 5678", true, "12345678"},
        {5, " 1234 ", true, "1234"},
        {5, "123456", false, "PIN CODE LENGTH ERROR. (6)"},
        {5, "", false, "PIN CODE LENGTH ERROR. (0)"},
        {5, "1234 5678 9012", false, "PIN CODE LENGTH ERROR. (12)"}, // would not fit the field
        // PSK: 8 to 63 ASCII characters, inner blanks kept; the length message has no icon.
        {9, "1234567", false, "PSK KEY LENGTH ERROR (7)", Kind::Plain},
        {9, std::string(64, 'k'), false, "PSK KEY LENGTH ERROR (64)", Kind::Plain},
        {9, "pass word", true, "pass word"},
        {9, std::string(63, 'k'), true, std::string(63, 'k')},
        {9, "passw\xC3\xB6rd", false, "PSK KEY VALUE ERROR (0xf6, \xC3\xB6)"},
        // WEP-64: 5 key characters or 10 hex digits.
        {10, "ab-_Z", true, "ab-_Z"},
        {10, "ab c_", false, "WEP-64 KEY LENGTH ERROR (4)"},
        {10, "ab.cd", false, "WEP-64  KEY VALUE ERROR (0x2e, .)"},
        {10, "01234567aF", true, "01234567aF"},
        {10, "0123456g89", false, "WEP-64  KEY VALUE ERROR (60) (ffffffff)"},
        {10, "abcdeabcdeabcde", false, "WEP-64 KEY LENGTH ERROR (15)"}, // a multiple of 5, but too long
        {10, "", false, "WEP-64 KEY LENGTH ERROR (0)"},
        // WEP-128: 13 key characters or 26 hex digits.
        {11, "abcdefghijk-_", true, "abcdefghijk-_"},
        {11, std::string(26, 'F'), true, std::string(26, 'F')},
        {11, "g1" + std::string(24, '0'), false, "WEP-128  KEY VALUE ERROR (fffffff0) (01)"},
        {11, "abcdefghijk" + e + "_", false, "WEP-128  KEY VALUE ERROR (0xe9, " + e + ")"},
        {11, std::string(12, 'a'), false, "WEP-128 KEY LENGTH ERROR (12)"},
        // EAP identity (blanks removed) and password: empty allowed, the message counts bytes.
        {12, " my id ", true, "myid"},
        {12, std::string(32, 'i'), false, "EAP ID LENGTH ERROR (33)"},
        {13, std::string(31, 'p'), true, std::string(31, 'p')},
        {13, " pass word ", true, "pass word"}, // the blank inside belongs to the password
        {13, std::string(16, 'p') + " " + std::string(15, 'p'), false, "EAP PASSWORD LENGTH ERROR (33)"},
        // System name: up to 63 bytes, blanks kept.
        {24, std::string(63, 'n'), true, std::string(63, 'n')},
        {24, std::string(64, 'n'), false, "SYSTEM NAME LENGTH ERROR (65)"},
        {24, " Printer 1 ", true, "Printer 1"},
        {24, "", false, "SYSTEM NAME LENGTH ERROR (0)"},
        // Administrator: the ID loses its blanks, the password keeps them.
        {25, " ad min ", true, "admin"},
        {25, " ", false, "USER ID LENGTH ERROR (0)"},
        {26, "my secret", true, "my secret"},
        {26, std::string(32, 'w'), false, "USER PASSWORD LENGTH ERROR (33)"},
        // Communities: up to 15 bytes.
        {33, std::string(15, 'r'), true, std::string(15, 'r')},
        {33, std::string(16, 'r'), false, "Community Name LENGTH ERROR (Read) (17)"},
        {34, "", false, "Community Name LENGTH ERROR (Write) (0)"},
        {34, "private", true, "private"},
        {36, std::string(16, 't'), false, "Trap Community Name LENGTH ERROR (17)"},
        {36, "public", true, "public"},
        // Trap address.
        {37, "10.0.0.300", true, "10.0.0.255"},
        {37, "1..2.3", true, "1.2.3.0"},
        {37, " 192. 168 .0.1 ", true, "192.168.0.1"},
        {37, "1.2.3", false, "TRAP IP ADDRESS FORMAT ERROR (2)"},
        {37, "1.2.3.4.5", false, "TRAP IP ADDRESS FORMAT ERROR (4)"},
        {37, "1.2.3.4a", false, "TRAP IP ADDRESS FORMAT ERROR (0x61, a)"},
        {37, "", false, "Trap IP Address LENGTH ERROR (0)"},
        {37, "1111.2222.3333.4", false, "Trap IP Address LENGTH ERROR (16)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("item " + std::to_string(c.id) + " \"" + c.input + "\"");
        FakePropertyItems page;
        FakeMessageBox boxes;
        CConfigurationValidator check(page, boxes);
        auto& item = page.Add(GridOfProperty(c.id), c.id, "before");
        page.Add(1, VRX_GROUP2_PROPERTY_ID_8, "password");   // the EAP identity's partner
        std::memset(&page.record, 0x5A, sizeof page.record); // a field is cleared before it is written
        const WLAN_ADVANCED_CONFIG_INFO before = page.record;

        EXPECT_EQ(check.DataValidation4Item(c.id, c.input), c.accepted);
        if (c.accepted) {
            EXPECT_TRUE(boxes.shown().empty());
            EXPECT_EQ(item.value, c.expected);
            if (c.id == VRX_GROUP7_PROPERTY_ID_5) {
                unsigned a, b, x, d;
                ASSERT_EQ(std::sscanf(c.expected.c_str(), "%u.%u.%u.%u", &a, &b, &x, &d), 4);
                EXPECT_EQ(FieldBytes(page.record, c.id), std::string({char(a), char(b), char(x), char(d)}));
            } else {
                EXPECT_EQ(FieldBytes(page.record, c.id), Padded(c.expected, FieldOf(c.id).size));
            }
        } else {
            ASSERT_EQ(boxes.shown().size(), 1u);
            EXPECT_EQ(boxes.shown()[0].kind, c.kind);
            EXPECT_EQ(boxes.shown()[0].text, c.expected);
            EXPECT_EQ(item.value, "before");
            EXPECT_EQ(std::memcmp(&page.record, &before, sizeof before), 0)
                << "a refused text changes nothing";
        }
    }
}

TEST_F(ValidatorTest, AnEmptyEapIdentityEmptiesAndDisablesThePassword) {
    auto& identity = items.Add(1, VRX_GROUP2_PROPERTY_ID_7, "  ");
    auto& password = items.Add(1, VRX_GROUP2_PROPERTY_ID_8, "secret");
    DeviceRecords::SetFieldText(items.record.szEAP_Id, "old id");
    DeviceRecords::SetFieldText(items.record.szEAP_Password, "old password");

    EXPECT_TRUE(validator.DataValidation4Group1());
    EXPECT_EQ(identity.value, "");
    EXPECT_EQ(password.value, "");
    EXPECT_FALSE(password.enabled);
    EXPECT_EQ(FieldBytes(items.record, VRX_GROUP2_PROPERTY_ID_7), std::string(32, '\0'));
    EXPECT_EQ(FieldBytes(items.record, VRX_GROUP2_PROPERTY_ID_8), std::string(32, '\0'));

    // A valid identity enables the password again; a too long one leaves it disabled.
    identity.value = "user";
    password.value = "pw";
    EXPECT_TRUE(validator.DataValidation4Group1());
    EXPECT_TRUE(password.enabled);
    EXPECT_EQ(DeviceRecords::FieldText(items.record.szEAP_Password), "pw");
    identity.value = std::string(40, 'u');
    EXPECT_FALSE(validator.DataValidation4Group1());
    EXPECT_FALSE(password.enabled);
    EXPECT_EQ(DeviceRecords::FieldText(items.record.szEAP_Id), "user");
}

TEST_F(ValidatorTest, AnEmptyEapPasswordClearsBothFieldsButKeepsTheTexts) {
    auto& identity = items.Add(1, VRX_GROUP2_PROPERTY_ID_7, "user");
    auto& password = items.Add(1, VRX_GROUP2_PROPERTY_ID_8, " ");
    DeviceRecords::SetFieldText(items.record.szEAP_Password, "old");
    EXPECT_TRUE(validator.DataValidation4Group1());
    EXPECT_EQ(identity.value, "user");
    EXPECT_EQ(password.value, " ");
    EXPECT_EQ(DeviceRecords::FieldText(items.record.szEAP_Id), "");
    EXPECT_EQ(DeviceRecords::FieldText(items.record.szEAP_Password), "");
}

TEST_F(ValidatorTest, GroupChecksSkipHiddenItemsAndGridTwoAlsoDisabledOnes) {
    items.Add(1, VRX_GROUP_ID_1, "WLAN Basic Configuration");            // a group has no validator
    items.Add(1, VRX_GROUP1_PROPERTY_ID_1, std::string(40, 's'), false); // hidden
    items.Add(1, VRX_GROUP1_PROPERTY_ID_2, "not validated");
    items.Add(1, VRX_GROUP5_PROPERTY_ID_1, "Printer");
    items.Add(2, VRX_GROUP7_PROPERTY_ID_1, std::string(40, 'r'), true, false); // disabled
    items.Add(2, VRX_GROUP7_PROPERTY_ID_5, "1.2.3.4", false);                  // hidden
    items.Add(2, VRX_GROUP7_PROPERTY_ID_2, "private");
    EXPECT_TRUE(validator.DataValidation4Group1());
    EXPECT_TRUE(validator.DataValidation4Group2());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(DeviceRecords::FieldText(items.record.bySSID), "");
    EXPECT_EQ(DeviceRecords::FieldText(items.record.bySystemName), "Printer");
    EXPECT_EQ(DeviceRecords::FieldText(items.record.szSNMPSetCommunity), "private");
    EXPECT_EQ(DeviceRecords::FieldText(items.record.bySNMPGetCommunity), "");

    // In grid #1 a disabled item is still checked.
    items.Add(1, VRX_GROUP5_PROPERTY_ID_2, "", true, false);
    EXPECT_FALSE(validator.DataValidation4Group1());
    EXPECT_EQ(messages.Errors(), std::vector<std::string>{"USER ID LENGTH ERROR (0)"});
}

TEST_F(ValidatorTest, TheFirstFailureEndsTheCheckAndEarlierChangesStay) {
    items.Add(1, VRX_GROUP1_PROPERTY_ID_1, " office ");
    items.Add(1, VRX_GROUP1_PROPERTY_ID_5, "123");
    items.Add(1, VRX_GROUP5_PROPERTY_ID_1, std::string(70, 'n'));
    EXPECT_FALSE(validator.DataValidation4Group1());
    EXPECT_EQ(messages.Errors(), std::vector<std::string>{"PIN CODE LENGTH ERROR. (3)"});
    EXPECT_EQ(items.Item(1, VRX_GROUP1_PROPERTY_ID_1)->value, "office");
    EXPECT_EQ(DeviceRecords::FieldText(items.record.bySSID), "office");
}

TEST_F(ValidatorTest, TheLogShowsOldAndNewValuesButNoSecret) {
    CapturedLog log;
    const std::string secrets[] = {"psk-Secret-1", "WepK1",          "eap-Secret-2", "admin-Secret-3",
                                   "readComm-4",   "writeComm-5",    "trapComm-6",   "old-psk-Secret",
                                   "old-admin-pw", "old-eap-Secret", "oldRead",      "oldWrite",
                                   "oldTrap",      "OldW1",          "13572468",     "97538642"};
    DeviceRecords::SetFieldText(items.record.byPSK_Key, secrets[7]);
    DeviceRecords::SetFieldText(items.record.byUserPassword, secrets[8]);
    DeviceRecords::SetFieldText(items.record.szEAP_Password, secrets[9]);
    DeviceRecords::SetFieldText(items.record.bySNMPGetCommunity, secrets[10]);
    DeviceRecords::SetFieldText(items.record.szSNMPSetCommunity, secrets[11]);
    DeviceRecords::SetFieldText(items.record.szSNMPTrapCommunity, secrets[12]);
    DeviceRecords::SetFieldText(items.record.byWEP_Key0, secrets[13]);
    DeviceRecords::SetFieldText(items.record.byP2P_PinCode, secrets[15]);
    DeviceRecords::SetFieldText(items.record.bySSID, "old-net");
    items.Add(1, VRX_GROUP1_PROPERTY_ID_1, "new-net");
    items.Add(1, VRX_GROUP1_PROPERTY_ID_5, secrets[14]); // the Wi-Fi Direct PIN
    items.Add(1, VRX_GROUP2_PROPERTY_ID_4, secrets[0]);
    items.Add(1, VRX_GROUP2_PROPERTY_ID_5, secrets[1]);
    items.Add(1, VRX_GROUP2_PROPERTY_ID_7, "eap-user");
    items.Add(1, VRX_GROUP2_PROPERTY_ID_8, secrets[2]);
    items.Add(1, VRX_GROUP5_PROPERTY_ID_3, secrets[3]);
    items.Add(2, VRX_GROUP7_PROPERTY_ID_1, secrets[4]);
    items.Add(2, VRX_GROUP7_PROPERTY_ID_2, secrets[5]);
    items.Add(2, VRX_GROUP7_PROPERTY_ID_4, secrets[6]);
    ASSERT_TRUE(validator.DataValidation4Group1());
    ASSERT_TRUE(validator.DataValidation4Group2());
    // A refused secret is not logged either.
    EXPECT_FALSE(validator.DataValidation4PSKKey("short"));
    EXPECT_FALSE(validator.DataValidation4AdminPW(std::string(40, 'Q')));

    const auto lines = log.Lines();
    for (const auto& line : lines)
        for (const auto& secret : secrets)
            EXPECT_EQ(line.find(secret), std::string::npos) << line;
    for (const auto& line : lines) {
        EXPECT_EQ(line.find("short"), std::string::npos) << line;
        EXPECT_EQ(line.find("QQQQ"), std::string::npos) << line;
    }
    EXPECT_TRUE(log.Contains("DataValidation4SSID : START"));
    EXPECT_TRUE(log.Contains("DataValidation4SSID : dwAnsiLength = 8"));
    EXPECT_TRUE(log.Contains("DataValidation4SSID : bySSID old = old-net"));
    EXPECT_TRUE(log.Contains("DataValidation4SSID : bySSID new = new-net"));
    EXPECT_TRUE(log.Contains("DataValidation4SSID : END"));
    EXPECT_TRUE(log.Contains("DataValidation4PSKKey : byPSK_Key old = " + LogSecret(secrets[7])));
    EXPECT_TRUE(log.Contains("DataValidation4PSKKey : byPSK_Key new = " + LogSecret(secrets[0])));
    EXPECT_TRUE(log.Contains("DataValidation4EapID : szEAP_Id new = eap-user"));
}
