#include "cli/CliDeviceSet.h"

#include "devcfg/DeviceRecordFields.h"

#include "FakeMessageBox.h"

#include <gtest/gtest.h>

#include <cstring>
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
