#include "cli/CliDeviceSet.h"

#include "devcfg/DeviceRecordFields.h"
#include "devcfg/PropertyIds.h"

#include "FakeMessageBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

namespace {

// A Wi-Fi Direct + RF module in infrastructure mode with WPA2-PSK, a manual address and SNMP.
struct SetPage {
    SetPage() {
        WLAN_ADVANCED_CONFIG_INFO& r = state.m_ConfigurationInfo;
        DeviceRecords::SetFieldText(r.bySystemName, "PRN-01");
        DeviceRecords::SetFieldText(r.bySSID, "Office");
        r.byAuthentication = VRX_AUTH_WPA2_PSK;
        r.byEncryption = VRX_ENCRYPTION_AES;
        DeviceRecords::SetFieldText(r.byPSK_Key, "secretpass");
        DeviceRecords::SetFieldText(r.byWEP_Key0, "abcde");
        DeviceRecords::SetFieldText(r.byUserName, "admin");
        DeviceRecords::SetFieldText(r.byUserPassword, "adminpw");
        DeviceRecords::SetBigEndian16(r.byPortNumber, 9100);
        const std::uint8_t ip[] = {192, 0, 2, 10};
        std::memcpy(r.byIP, ip, 4);
        r.bySNMP = 1;
        DeviceRecords::SetFieldText(r.bySNMPGetCommunity, "public");
        DeviceRecords::SetFieldText(r.szSNMPSetCommunity, "private");
        DeviceRecords::SetFieldText(r.szSNMPTrapCommunity, "traps");
        r.byDummy3 = 0x08;
        state.m_bWifiDirect = state.m_bRfModeSelection = state.m_bSoftAP = state.m_bSNMP = true;
        editor.Rebuild();
    }
    std::string Field(const char* name) {
        return DeviceRecordFields::Text(state.m_ConfigurationInfo, *DeviceRecordFields::Find(name), true);
    }
    DeviceConfigState state;
    FakeMessageBox messages;
    WLanAdvGroupEditor editor{state, messages};
};

struct SetCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> changes;
    bool accepted;            // the last change
    std::string field, value; // the record afterwards
    std::string errorPart;    // a part of the error of a refused change
};

class CliDeviceSetApply : public testing::TestWithParam<SetCase> {};

TEST_P(CliDeviceSetApply, ChangesGoThroughThePagesItems) {
    const SetCase& c = GetParam();
    SetPage page;
    bool accepted = false;
    std::string error;
    for (const auto& [name, value] : c.changes) {
        error.clear();
        accepted = CliDeviceSet::Apply(page.editor, name, value, error);
    }
    EXPECT_EQ(accepted, c.accepted) << error;
    EXPECT_EQ(page.Field(c.field.c_str()), c.value);
    if (!c.errorPart.empty()) {
        EXPECT_NE(error.find(c.errorPart), std::string::npos) << error;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, CliDeviceSetApply,
    testing::Values(
        SetCase{"Ssid", {{"bySSID", "Lab"}}, true, "bySSID", "Lab", ""},
        SetCase{"SsidTooLong", {{"bySSID", std::string(32, 's')}}, false, "bySSID", "Office", ""},
        SetCase{"UnknownField", {{"byNothing", "1"}}, false, "bySSID", "Office", "unknown field"},
        SetCase{
            "CarriedBytesAreNoItem", {{"byCarried139", "00"}}, false, "bySSID", "Office", "unknown field"},
        SetCase{"HiddenWepKey", {{"byWEP_Key0", "12345"}}, false, "byWEP_Key0", "abcde", "hidden"},
        SetCase{"WepKeyAfterSharedKey",
                {{"byAuthentication", "1"}, {"byWEP_Key0", "12345"}},
                true,
                "byWEP_Key0",
                "12345",
                ""},
        SetCase{"Wep128KeyTakesTheVisibleItem",
                {{"byAuthentication", "1"}, {"byEncryption", "2"}, {"byWEP_Key0", "abcdefghijklm"}},
                true,
                "byWEP_Key0",
                "abcdefghijklm",
                ""},
        SetCase{"SoftApHasNoSharedKey",
                {{"byNetworkMode", "3"}, {"byAuthentication", "1"}},
                false,
                "byAuthentication",
                "0",
                "not one of the choices"},
        SetCase{
            "SoftApWpa2", {{"byNetworkMode", "3"}, {"byAuthentication", "3"}}, true, "byEncryption", "4", ""},
        SetCase{"EncryptionCode", {{"byEncryption", "5"}}, true, "byEncryption", "5", ""},
        SetCase{"EncryptionOutOfList", {{"byEncryption", "1"}}, false, "byEncryption", "4", "3 TKIP"},
        SetCase{"Port", {{"byPortNumber", "9101"}}, true, "byPortNumber", "9101", ""},
        SetCase{"ForbiddenPort", {{"byPortNumber", "80"}}, false, "byPortNumber", "9100", "9100"},
        SetCase{"PortNotANumber", {{"byPortNumber", "91a"}}, false, "byPortNumber", "9100", "digits"},
        SetCase{"Inactivity", {{"byIncativityTime", "300"}}, true, "byIncativityTime", "300", ""},
        SetCase{
            "InactivityAboveLimit", {{"byIncativityTime", "5000"}}, false, "byIncativityTime", "0", "3600"},
        SetCase{"Address", {{"byIP", "192.0.2.99"}}, true, "byIP", "192.0.2.99", ""},
        SetCase{"AddressDisabledUnderDhcp",
                {{"byIPConfigMode", "1"}, {"byIP", "192.0.2.99"}},
                false,
                "byIP",
                "192.0.2.10",
                "disabled"},
        SetCase{"BadAddress", {{"bySubnetMask", "255.255.0"}}, false, "bySubnetMask", "0.0.0.0", "IPv4"},
        SetCase{"DhcpOptionNeedsDhcp", {{"byDummy3", "10"}}, false, "byDummy3", "8", "hidden"},
        SetCase{"DhcpOptionUnderDhcp",
                {{"byIPConfigMode", "1"}, {"byDummy3", "10"}},
                true,
                "byIPConfigMode",
                "1",
                ""},
        SetCase{"OtherBitsOfByDummy3", {{"byDummy3", "9"}}, false, "byDummy3", "8", "0x02 and 0x04"},
        SetCase{"ServiceCode", {{"byTelnet", "1"}}, true, "byTelnet", "1", ""},
        SetCase{"ServiceCodeOutOfRange", {{"byTelnet", "2"}}, false, "byTelnet", "0", "0 Disable, 1 Enable"},
        SetCase{
            "PinHiddenOutsideWifiDirect", {{"byP2P_PinCode", "1234"}}, false, "byP2P_PinCode", "", "hidden"},
        SetCase{"PinInWifiDirect",
                {{"byNetworkMode", "2"}, {"byP2P_PinCode", "12345678"}},
                true,
                "byP2P_PinCode",
                "12345678",
                ""},
        SetCase{
            "P2pChannel", {{"byNetworkMode", "2"}, {"byP2P_Channel", "11"}}, true, "byP2P_Channel", "11", ""},
        SetCase{"TrapAddress", {{"byTrapIP", "192.0.2.300"}}, true, "byTrapIP", "192.0.2.255", ""},
        SetCase{"Band", {{"byRFMode", "2"}}, true, "byRFMode", "2", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A choice equal to the one the printer has is no change: the rule that resets what depends on it does
// not run again.
TEST(CliDeviceSetAll, AChoiceEqualToTheCurrentOneResetsNothing) {
    struct Case {
        const char* what;
        std::vector<CliDeviceSet::Change> changes;
    };
    const Case cases[] = {
        {"the same network mode", {{"byNetworkMode", "0"}}},
        {"the same authentication", {{"byAuthentication", "3"}}},
        {"the same encryption", {{"byEncryption", "4"}}},
        {"the same address assignment", {{"byIPConfigMode", "0"}}},
        {"every choice as it is", {{"byNetworkMode", "0"}, {"byAuthentication", "3"}, {"byEncryption", "4"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetPage page;
        std::string error;
        EXPECT_TRUE(CliDeviceSet::ApplyAll(page.editor, c.changes, error)) << error;
        EXPECT_EQ(page.Field("byNetworkMode"), "0");
        EXPECT_EQ(page.Field("byAuthentication"), "3");
        EXPECT_EQ(page.Field("byEncryption"), "4");
        EXPECT_EQ(page.Field("byPSK_Key"), "secretpass");
        EXPECT_TRUE(page.editor.Find(VRX_GROUP2_PROPERTY_ID_4)->IsVisible());
    }
}

// Every order of the same changes gives the same outcome and the same record: the choices that reset other
// fields go first, and a pair that the final configuration hides, disables or changes is refused.
TEST(CliDeviceSetAll, TheOrderOfThePairsDoesNotMatter) {
    struct Case {
        const char* what;
        std::vector<CliDeviceSet::Change> changes;
        bool accepted;
        std::vector<CliDeviceSet::Change> expected; // fields of the record afterwards
        std::string errorPart;
    };
    const Case cases[] = {
        {"a new encryption with the same authentication",
         {{"byAuthentication", "3"}, {"byEncryption", "5"}},
         true,
         {{"byAuthentication", "3"}, {"byEncryption", "5"}},
         ""},
        {"a WEP-128 key after Shared Key",
         {{"byWEP_Key0", "abcdefghijklm"}, {"byEncryption", "2"}, {"byAuthentication", "1"}},
         true,
         {{"byAuthentication", "1"}, {"byEncryption", "2"}, {"byWEP_Key0", "abcdefghijklm"}},
         ""},
        {"a key with WPA-PSK",
         {{"byPSK_Key", "another-pass"}, {"byAuthentication", "2"}, {"bySSID", "Lab"}},
         true,
         {{"byAuthentication", "2"}, {"byEncryption", "3"}, {"byPSK_Key", "another-pass"}, {"bySSID", "Lab"}},
         ""},
        {"an ad hoc channel with the ad hoc mode",
         {{"byAdhocChannel", "3"}, {"byNetworkMode", "1"}, {"byAuthentication", "1"}},
         true,
         {{"byNetworkMode", "1"}, {"byAdhocChannel", "3"}, {"byAuthentication", "1"}, {"byEncryption", "1"}},
         ""},
        {"DHCP options with DHCP",
         {{"byDummy3", "10"}, {"byIPConfigMode", "1"}},
         true,
         {{"byIPConfigMode", "1"}},
         ""},
        {"a key that Open System hides",
         {{"byPSK_Key", "another-pass"}, {"byAuthentication", "0"}},
         false,
         {},
         "byPSK_Key"},
        {"DHCP in ad hoc mode",
         {{"byIPConfigMode", "1"}, {"byNetworkMode", "1"}},
         false,
         {},
         "byIPConfigMode"},
        {"an EAP identity that an empty password clears",
         {{"szEAP_Id", "bob"}, {"szEAP_Password", ""}, {"byAuthentication", "5"}},
         false,
         {},
         "szEAP_Id"},
        {"a field given twice", {{"bySSID", "Lab"}, {"bySSID", "Shop"}}, false, {}, "bySSID"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::size_t> order(c.changes.size());
        std::iota(order.begin(), order.end(), 0);
        std::vector<std::uint8_t> firstRecord;
        do {
            std::vector<CliDeviceSet::Change> changes;
            std::string trace;
            for (const std::size_t i : order) {
                changes.push_back(c.changes[i]);
                trace += c.changes[i].first + "=" + c.changes[i].second + " ";
            }
            SCOPED_TRACE(trace);
            SetPage page;
            std::string error;
            const WLAN_ADVANCED_CONFIG_INFO before = page.state.m_ConfigurationInfo;
            const bool accepted = CliDeviceSet::ApplyAll(page.editor, changes, error);
            EXPECT_EQ(accepted, c.accepted) << error;
            if (!c.accepted) {
                EXPECT_NE(error.find(c.errorPart), std::string::npos) << error;
                continue;
            }
            EXPECT_TRUE(error.empty()) << error;
            for (const auto& [name, value] : c.expected)
                EXPECT_EQ(page.Field(name.c_str()), value) << name;
            // Nothing else than the fields named changes.
            EXPECT_EQ(page.Field("bySystemName"), "PRN-01");
            EXPECT_EQ(page.Field("byUserPassword"), "adminpw");
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(&page.state.m_ConfigurationInfo);
            std::vector<std::uint8_t> record(bytes, bytes + sizeof page.state.m_ConfigurationInfo);
            if (firstRecord.empty())
                firstRecord = record;
            EXPECT_EQ(record, firstRecord);
            EXPECT_NE(std::memcmp(&before, bytes, sizeof before), 0);
        } while (std::next_permutation(order.begin(), order.end()));
    }
}

// A value the page's field checks refuse is named by its field, with the check's own message and what the
// field allows; so is a field of the printer's record that the checks of a save refuse.
TEST(CliDeviceSetAll, ARefusedValueNamesItsFieldAndWhatItAllows) {
    struct Case {
        const char* what;
        std::vector<CliDeviceSet::Change> changes;
        std::string error;
    };
    const Case cases[] = {
        {"a long SSID", {{"bySSID", std::string(40, 's')}}, "bySSID: SSID LENGTH ERROR (40); 1 to 31 bytes"},
        {"an empty trap community",
         {{"szSNMPTrapCommunity", ""}},
         "szSNMPTrapCommunity: Trap Community Name LENGTH ERROR (0); 1 to 15 bytes"},
        {"a long read community",
         {{"bySNMPGetCommunity", std::string(20, 'c')}},
         "bySNMPGetCommunity: Community Name LENGTH ERROR (Read) (21); 1 to 15 bytes"},
        {"a short PSK",
         {{"byPSK_Key", "short"}},
         "byPSK_Key: PSK KEY LENGTH ERROR (5); 8 to 63 ASCII characters"},
        {"a long PSK",
         {{"byPSK_Key", std::string(70, 'p')}},
         "byPSK_Key: PSK KEY LENGTH ERROR (70); 8 to 63 ASCII characters"},
        {"a long system name",
         {{"bySystemName", std::string(64, 'n')}},
         "bySystemName: SYSTEM NAME LENGTH ERROR (65); 1 to 63 bytes"},
        {"a trap address with two dots",
         {{"byTrapIP", "192.0.2"}},
         "byTrapIP: TRAP IP ADDRESS FORMAT ERROR (2); an IPv4 address: four numbers from 0 to 255 joined by "
         "three dots"},
        {"a long EAP identity",
         {{"byAuthentication", "5"}, {"szEAP_Id", std::string(40, 'e')}},
         "szEAP_Id: EAP ID LENGTH ERROR (41); up to 31 bytes"},
        {"a short WEP key",
         {{"byAuthentication", "1"}, {"byWEP_Key0", "abc"}},
         "byWEP_Key0: WEP-64 KEY LENGTH ERROR (3); 5 letters, digits, \"-\" or \"_\", or 10 hexadecimal "
         "digits"},
        {"a PIN of three digits",
         {{"byNetworkMode", "2"}, {"byP2P_PinCode", "123"}},
         "byP2P_PinCode: PIN CODE LENGTH ERROR. (3); 4 or 8 digits"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetPage page;
        const WLAN_ADVANCED_CONFIG_INFO before = page.state.m_ConfigurationInfo;
        std::string error;
        EXPECT_FALSE(CliDeviceSet::ApplyAll(page.editor, c.changes, error));
        EXPECT_EQ(error, c.error);
        if (c.changes.size() == 1) {
            EXPECT_EQ(std::memcmp(&before, &page.state.m_ConfigurationInfo, sizeof before), 0);
        }
    }

    // The printer's own trap community is empty: the checks of a save refuse it, whatever is changed.
    SetPage page;
    DeviceRecords::SetFieldText(page.state.m_ConfigurationInfo.szSNMPTrapCommunity, "");
    page.editor.Rebuild();
    std::string error;
    EXPECT_FALSE(CliDeviceSet::ApplyAll(page.editor, {{"bySSID", "Lab"}}, error));
    EXPECT_EQ(error, "szSNMPTrapCommunity: Trap Community Name LENGTH ERROR (0); 1 to 15 bytes");
}

TEST(CliDeviceSetAll, ChoicesThatResetOtherFieldsGoFirst) {
    const std::vector<CliDeviceSet::Change> ordered = CliDeviceSet::Ordered({{"bySSID", "Lab"},
                                                                             {"byIPConfigMode", "1"},
                                                                             {"byEncryption", "4"},
                                                                             {"byPSK_Key", "another-pass"},
                                                                             {"byAuthentication", "3"},
                                                                             {"byNetworkMode", "0"}});
    std::vector<std::string> names;
    for (const auto& change : ordered)
        names.push_back(change.first);
    EXPECT_EQ(names, (std::vector<std::string>{"byNetworkMode", "byAuthentication", "byEncryption",
                                               "byIPConfigMode", "bySSID", "byPSK_Key"}));
}

TEST(CliDeviceSetFields, SettableFieldsAreTheRecordFieldsOfEditableItems) {
    const std::vector<std::string> fields = CliDeviceSet::SettableFields();
    EXPECT_EQ(fields.size(), 32u);
    for (const char* name :
         {"bySSID", "byWEP_Key0", "byDummy3", "szSNMPTrapCommunity", "byTrapIP", "byRFMode"})
        EXPECT_TRUE(CliDeviceSet::IsSettable(name)) << name;
    for (const char* name :
         {"byCarried64", "byFrameChecksum", "FW_VERSION", "m_nCertificateType", "byP2P_Carried"})
        EXPECT_FALSE(CliDeviceSet::IsSettable(name)) << name;
}

} // namespace
