#include "ui/wlanadv/WLanAdvGroupEditor.h"

#include "app/StringTable.h"
#include "devcfg/DeviceConfigExchange.h"
#include "devcfg/PropertyIds.h"

#include "FakeMessageBox.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

enum class Variant { Basic, WifiDirect, WifiDirectRf };

// A printer's record as read: infrastructure, WPA2-PSK with AES, DHCP, SNMP on.
WLAN_ADVANCED_CONFIG_INFO OfficeRecord() {
    WLAN_ADVANCED_CONFIG_INFO r{};
    DeviceRecords::SetFieldText(r.bySystemName, "PRN-01");
    r.byNetworkMode = VRX_NETWORK_MODE_INFRASTRUCTURE;
    r.byIPConfigMode = VRX_IP_CONFIG_DHCP;
    const std::uint8_t ip[] = {192, 0, 2, 10}, mask[] = {255, 255, 255, 0}, gw[] = {192, 0, 2, 1};
    std::memcpy(r.byIP, ip, 4);
    std::memcpy(r.bySubnetMask, mask, 4);
    std::memcpy(r.byGateway, gw, 4);
    DeviceRecords::SetFieldText(r.bySSID, "Office");
    r.byAuthentication = VRX_AUTH_WPA2_PSK;
    r.byEncryption = VRX_ENCRYPTION_AES;
    DeviceRecords::SetFieldText(r.byWEP_Key0, "abcde");
    DeviceRecords::SetFieldText(r.byPSK_Key, "secretpass");
    r.byAdhocChannel = 6;
    DeviceRecords::SetFieldText(r.byP2P_Channel, "6");
    DeviceRecords::SetFieldText(r.byP2P_PinCode, "12345670");
    DeviceRecords::SetFieldText(r.byUserName, "admin");
    DeviceRecords::SetFieldText(r.byUserPassword, "adminpw");
    DeviceRecords::SetBigEndian16(r.byPortNumber, 9100);
    r.byWebSSL = 1;
    r.byTelnet = 0;
    r.byFTP = 1;
    r.bySNMP = 1;
    r.bySNMPTrap = 0;
    DeviceRecords::SetFieldText(r.szSNMPSetCommunity, "private");
    DeviceRecords::SetFieldText(r.bySNMPGetCommunity, "public");
    DeviceRecords::SetFieldText(r.szSNMPTrapCommunity, "traps");
    const std::uint8_t trapIp[] = {192, 0, 2, 50};
    std::memcpy(r.byTrapIP, trapIp, 4);
    DeviceRecords::SetBigEndian16(r.byIncativityTime, 300);
    r.byRFMode = VRX_RF_MODE_5GHZ;
    return r;
}

struct Page {
    // The flags a read of the variant sets, as the configuration read does; the certificate bit of
    // byDummy3 adds certificate upload and names.
    explicit Page(Variant variant = Variant::Basic,
                  std::function<void(WLAN_ADVANCED_CONFIG_INFO&)> change = nullptr, bool refusal = false) {
        WLAN_ADVANCED_CONFIG_INFO record = OfficeRecord();
        if (change)
            change(record);
        state.m_ConfigurationInfo = record;
        state.m_bSNMP = true;
        state.m_bCertificateUpload = true;
        state.m_bWifiDirect = variant != Variant::Basic;
        if (variant == Variant::WifiDirectRf) {
            state.m_bRfModeSelection = state.m_bSoftAP = true;
            state.m_bCertificateUpload = false;
        }
        if (record.byDummy3 & VRX_DUMMY3_CERTIFICATE_SUPPORT)
            state.m_bCertificateUpload = state.m_bCertificateName = true;
        DeviceRecords::SetFieldText(state.m_CertificateName[0].byCertName, "root.pem");
        state.m_bRefusal = refusal;
        const std::uint8_t mac[] = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
        std::memcpy(state.m_SystemInformation.FW_MACADDRESS, mac, 6);
        DeviceRecords::SetFieldText(state.m_SystemInformation.FW_VERSION, "2.01");
        editor.Rebuild();
    }

    PropertyItem& Item(std::uint32_t id) {
        PropertyItem* item = editor.Find(id);
        EXPECT_NE(item, nullptr) << "item " << id;
        static PropertyItem none(0, "", PropertyKind::ReadOnly);
        return item ? *item : none;
    }
    std::string Value(std::uint32_t id) { return Item(id).Value(); }
    // The user picks option index of item id.
    void Pick(std::uint32_t id, int index) {
        ASSERT_TRUE(editor.Grid(GridOfProperty(id)).SelectOption(Item(id), index)) << "item " << id;
    }
    void Type(std::uint32_t id, const std::string& text) {
        ASSERT_TRUE(editor.Grid(GridOfProperty(id)).EditValue(Item(id), text)) << "item " << id;
    }
    // The visible items among ids.
    std::set<std::uint32_t> VisibleOf(std::initializer_list<std::uint32_t> ids) {
        std::set<std::uint32_t> visible;
        for (const std::uint32_t id : ids)
            if (Item(id).IsVisible())
                visible.insert(id);
        return visible;
    }
    std::vector<std::string> Options(std::uint32_t id) { return Item(id).Options(); }
    WLAN_ADVANCED_CONFIG_INFO& Record() { return state.m_ConfigurationInfo; }

    DeviceConfigState state;
    FakeMessageBox messages;
    WLanAdvGroupEditor editor{state, messages};
};

std::vector<std::string> TextsOf(const std::vector<int>& ids) {
    std::vector<std::string> texts;
    for (const int id : ids)
        texts.push_back(LoadString(id));
    return texts;
}
std::vector<std::string> Texts(std::initializer_list<int> ids) {
    return TextsOf(std::vector<int>(ids));
}

// Group identifier followed by its items' identifiers, group by group.
std::vector<std::vector<std::uint32_t>> Layout(const PropertyGrid& grid) {
    std::vector<std::vector<std::uint32_t>> layout;
    for (const auto& group : grid.Groups()) {
        std::vector<std::uint32_t> ids{group->Id()};
        for (const auto& item : group->Items())
            ids.push_back(item->Id());
        layout.push_back(ids);
    }
    return layout;
}

const std::set<std::uint32_t> kKeyItems = {8, 9, 10, 11, 12, 13};

} // namespace

// ---- the builders ---------------------------------------------------------------------------------------

struct LayoutCase {
    const char* name;
    Variant variant;
    std::uint8_t dummy3;
    std::vector<std::vector<std::uint32_t>> grid2;
    int modeOptions;
};

class WLanAdvBuilderLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(WLanAdvBuilderLayout, GroupsHoldTheirItemsInOrder) {
    const LayoutCase& c = GetParam();
    Page page(c.variant, [&](WLAN_ADVANCED_CONFIG_INFO& r) { r.byDummy3 = c.dummy3; });
    const std::vector<std::vector<std::uint32_t>> grid1 = {{10000, 1, 2, 3, 4, 5},
                                                           {10001, 6, 7, 8, 9, 10, 11, 12, 13},
                                                           {10002, 14, 15, 16, 17, 18, 19, 20},
                                                           {10003, 21, 22, 23},
                                                           {10004, 24, 25, 26, 27, 28}};
    EXPECT_EQ(Layout(page.editor.Grid1()), grid1);
    EXPECT_EQ(Layout(page.editor.Grid2()), c.grid2);
    EXPECT_EQ(page.Item(2).OptionCount(), c.modeOptions);
    EXPECT_EQ(page.editor.Grid1().DescriptionRows(), 4);
    EXPECT_EQ(page.editor.Grid2().DescriptionRows(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, WLanAdvBuilderLayout,
    testing::Values(
        LayoutCase{"Basic",
                   Variant::Basic,
                   0,
                   {{10005, 29, 30, 31, 32}, {10006, 33, 34, 35, 36, 37}, {10007, 38, 39}},
                   2},
        LayoutCase{"WifiDirect",
                   Variant::WifiDirect,
                   0,
                   {{10005, 29, 30, 31, 32}, {10006, 33, 34, 35, 36, 37}, {10007, 38, 39}},
                   3},
        // The RF variant's read clears certificate upload: no file item.
        LayoutCase{"WifiDirectRf",
                   Variant::WifiDirectRf,
                   0,
                   {{10005, 29, 30, 31, 32}, {10006, 33, 34, 35, 36, 37}, {10007, 38}},
                   4},
        LayoutCase{
            "CertificateBit",
            Variant::WifiDirectRf,
            VRX_DUMMY3_CERTIFICATE_SUPPORT,
            {{10005, 29, 30, 31, 32}, {10006, 33, 34, 35, 36, 37}, {10007, 38, 39}, {10008, 40, 41, 42}},
            4}),
    [](const auto& info) { return std::string(info.param.name); });

struct ItemCase {
    const char* name;
    Variant variant;
    std::function<void(WLAN_ADVANCED_CONFIG_INFO&)> change;
    std::uint32_t id;
    std::string value; // a text; "#n" for string-table entry n
    bool visible;
    bool enabled;
};

class WLanAdvBuilderItems : public testing::TestWithParam<ItemCase> {};

TEST_P(WLanAdvBuilderItems, ShowValueVisibilityAndEnabling) {
    const ItemCase& c = GetParam();
    Page page(c.variant, c.change);
    const std::string expected =
        c.value.rfind("#", 0) == 0 ? LoadString(std::stoi(c.value.substr(1))) : c.value;
    PropertyItem& item = page.Item(c.id);
    EXPECT_EQ(item.Value(), expected);
    EXPECT_EQ(item.IsVisible(), c.visible);
    EXPECT_EQ(item.IsEnabled(), c.enabled);
}

namespace {
void None(WLAN_ADVANCED_CONFIG_INFO&) {}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Groups, WLanAdvBuilderItems,
    testing::Values(
        ItemCase{"Ssid", Variant::Basic, None, 1, "Office", true, true},
        ItemCase{"ModeInfrastructure", Variant::Basic, None, 2, "#168", true, true},
        ItemCase{"AdhocChannelHiddenInInfrastructure", Variant::Basic, None, 3, "6", false, true},
        ItemCase{"AdhocChannelClampedTo14", Variant::Basic,
                 [](auto& r) { r.byNetworkMode = 1, r.byAdhocChannel = 20; }, 3, "14", true, true},
        ItemCase{"P2pChannelOutOfListIs1", Variant::WifiDirect,
                 [](auto& r) { r.byNetworkMode = 2, DeviceRecords::SetFieldText(r.byP2P_Channel, "3"); }, 4, "1", true, true},
        ItemCase{"PinShownForWifiDirect", Variant::WifiDirect, [](auto& r) { r.byNetworkMode = 2; }, 5, "12345670", true, true},
        ItemCase{"PinHiddenOtherwise", Variant::WifiDirect, None, 5, "12345670", false, true},
        ItemCase{"ModeOutOfRangeEmpty", Variant::Basic, [](auto& r) { r.byNetworkMode = 7; }, 2, "", true, true},
        ItemCase{"PskShownForWpa2", Variant::Basic, None, 9, "secretpass", true, true},
        ItemCase{"EapPasswordDisabledWithoutIdentity", Variant::Basic,
                 [](auto& r) { r.byAuthentication = 5; }, 13, "", true, false},
        ItemCase{"AdhocForcesManual", Variant::Basic, [](auto& r) { r.byNetworkMode = 1; }, 14, "#209", true, false},
        ItemCase{"DhcpShowsOption12", Variant::Basic, None, 15, "#233", true, true},
        ItemCase{"Option12BitDisables", Variant::Basic, [](auto& r) { r.byDummy3 = 0x02; }, 15, "#232", true, true},
        ItemCase{"Option77HiddenWhenManual", Variant::Basic, [](auto& r) { r.byIPConfigMode = 0; }, 16, "#233", false, true},
        ItemCase{"AddressDisabledUnderDhcp", Variant::Basic, None, 17, "192.0.2.10", true, false},
        ItemCase{"AddressEnabledWhenManual", Variant::Basic, [](auto& r) { r.byIPConfigMode = 0; }, 19, "192.0.2.1", true, true},
        ItemCase{"PortHighByteFirst", Variant::Basic, None, 20, "9100", true, true},
        ItemCase{"FirmwareReadOnly", Variant::Basic, None, 21, "2.01", true, false},
        ItemCase{"MacUpperCase", Variant::Basic, None, 23, "00:1A:2B:3C:4D:5E", true, false},
        ItemCase{"SystemNameFillingItsFieldShownEmpty", Variant::Basic,
                 [](auto& r) { std::memset(r.bySystemName, 'x', 64); }, 24, "", true, true},
        ItemCase{"Inactivity3600", Variant::Basic, [](auto& r) { r.byIncativityTime[0] = 0x0E, r.byIncativityTime[1] = 0x10; }, 27, "3600", true, true},
        ItemCase{"BandFixedWithoutDualBand", Variant::WifiDirect, None, 28, "#224", true, false},
        ItemCase{"BandChosenWithDualBand", Variant::WifiDirectRf, None, 28, "#225", true, true},
        ItemCase{"BandOutOfRange", Variant::WifiDirectRf, [](auto& r) { r.byRFMode = 9; }, 28, "#224", true, false},
        ItemCase{"HttpsEnabled", Variant::Basic, None, 29, "#233", true, true},
        ItemCase{"TelnetDisabledCode", Variant::Basic, None, 30, "#232", true, true},
        ItemCase{"FtpUnknownCodeNotSupported", Variant::Basic, [](auto& r) { r.byFTP = 3; }, 31, "#272", true, false},
        ItemCase{"Snmp0x0A", Variant::Basic, [](auto& r) { r.bySNMP = 0x0A; }, 32, "#272", true, false},
        ItemCase{"Snmp0x0AReadCommunity", Variant::Basic, [](auto& r) { r.bySNMP = 0x0A; }, 33, "#272", true, false},
        ItemCase{"Snmp0x0ATrapAddress", Variant::Basic, [](auto& r) { r.bySNMP = 0x0A; }, 37, "#272", true, false},
        ItemCase{"CommunitiesNotSupported", Variant::Basic,
                 [](auto& r) {
                     DeviceRecords::SetFieldText(r.szSNMPSetCommunity, "Not supported");
                     DeviceRecords::SetFieldText(r.bySNMPGetCommunity, "Not supported");
                     DeviceRecords::SetFieldText(r.szSNMPTrapCommunity, "Not supported");
                 },
                 32, "#272", true, false},
        ItemCase{"TrapUnknownCodeKeepsCommunities", Variant::Basic, [](auto& r) { r.bySNMPTrap = 2; }, 34, "private", true, true},
        ItemCase{"TrapUnknownCodeTrap", Variant::Basic, [](auto& r) { r.bySNMPTrap = 2; }, 35, "#272", true, false},
        ItemCase{"TrapUnknownCodeTrapCommunity", Variant::Basic, [](auto& r) { r.bySNMPTrap = 2; }, 36, "#272", true, false},
        ItemCase{"TrapAddress", Variant::Basic, None, 37, "192.0.2.50", true, true},
        ItemCase{"CertificateTypeCa", Variant::Basic, None, 38, "#246", true, true},
        ItemCase{"CertificateTypeNotSupported", Variant::WifiDirectRf, None, 38, "#272", true, false},
        ItemCase{"CertificateNameShown", Variant::Basic, [](auto& r) { r.byDummy3 = 1; }, 40, "root.pem", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct SecurityCase {
    const char* name;
    std::uint8_t mode, A, E;
    const char* wepKey;
    std::uint8_t wantA, wantE;
    int authText, encText; // string-table texts shown
    int encOptions;
    bool encEnabled;
    std::set<std::uint32_t> keys; // visible among 8..13
};

class WLanAdvBuilderSecurity : public testing::TestWithParam<SecurityCase> {};

TEST_P(WLanAdvBuilderSecurity, NormalisesTheCodesAndShowsTheirItems) {
    const SecurityCase& c = GetParam();
    Page page(Variant::WifiDirectRf, [&](WLAN_ADVANCED_CONFIG_INFO& r) {
        r.byNetworkMode = c.mode;
        r.byAuthentication = c.A;
        r.byEncryption = c.E;
        DeviceRecords::SetFieldText(r.byWEP_Key0, c.wepKey);
    });
    EXPECT_EQ(page.Record().byAuthentication, c.wantA);
    EXPECT_EQ(page.Record().byEncryption, c.wantE);
    EXPECT_EQ(page.Value(6), LoadString(c.authText));
    EXPECT_EQ(page.Value(7), c.encText ? LoadString(c.encText) : "");
    EXPECT_EQ(page.Item(7).OptionCount(), c.encOptions);
    EXPECT_EQ(page.Item(7).IsEnabled(), c.encEnabled);
    EXPECT_EQ(page.VisibleOf({8, 9, 10, 11, 12, 13}), c.keys);
    // The as-read copy keeps the codes as read.
    EXPECT_EQ(page.state.m_ConfigurationInfoAsRead.byAuthentication, c.A);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, WLanAdvBuilderSecurity,
    testing::Values(
        SecurityCase{"SoftApEapBecomesOpen", 3, 4, 3, "", 0, 0, 179, 186, 1, false, {}},
        SecurityCase{"SharedKeyNoneBecomesWep64", 0, 1, 0, "abcde", 1, 1, 180, 187, 2, true, {10}},
        SecurityCase{"LongWepKeyIsWep128", 0, 1, 0, "abcdefghijklm", 1, 2, 180, 188, 2, true, {11}},
        SecurityCase{"WpaPskWithWepBecomesTkip", 0, 2, 1, "", 2, 3, 181, 189, 3, true, {9}},
        SecurityCase{"Wpa2PskOutOfRangeBecomesAes", 0, 3, 9, "", 3, 4, 182, 190, 3, true, {9}},
        SecurityCase{"Wpa2EapShowsEapItems", 0, 5, 1, "", 5, 3, 184, 189, 3, true, {8, 12, 13}},
        SecurityCase{"OpenWithAesBecomesWep64", 0, 0, 4, "abcde", 0, 1, 179, 187, 3, true, {10}},
        SecurityCase{"OpenNoneShowsNoKey", 0, 0, 0, "", 0, 0, 179, 186, 3, true, {}},
        SecurityCase{"AdhocWpaBecomesSharedKey", 1, 3, 4, "abcde", 1, 1, 180, 187, 2, true, {10}},
        SecurityCase{"WifiDirectOpenTkipBecomesWep64", 2, 0, 5, "abcde", 0, 1, 179, 187, 3, true, {10}},
        SecurityCase{"SoftApSharedKeyBecomesOpen", 3, 1, 1, "abcde", 0, 0, 179, 186, 1, false, {}},
        SecurityCase{"SoftApWpaPskKeepsTkip", 3, 2, 1, "", 2, 3, 181, 189, 3, true, {9}},
        SecurityCase{"SoftApOpenWepBecomesNone", 3, 0, 2, "abcde", 0, 0, 179, 186, 1, false, {}},
        SecurityCase{"UnknownAuthenticationShowsSharedKey", 0, 7, 0, "", 7, 0, 180, 186, 0, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WLanAdvBuilder, RefusalFlagStartsPasswordItemsMasked) {
    for (const bool refusal : {false, true}) {
        Page page(Variant::Basic, nullptr, refusal);
        for (const std::uint32_t id : {9u, 10u, 11u, 13u, 26u}) {
            EXPECT_EQ(page.Item(id).IsMasked(), refusal) << id;
            EXPECT_EQ(page.Item(id).Kind(), PropertyKind::Password);
            EXPECT_FALSE(page.Item(id).IsTextEditable());
            EXPECT_EQ(page.Item(id).DialogTitle(), page.Item(id).Name());
        }
        EXPECT_EQ(page.Item(9).MaxLength(), 63);
        EXPECT_EQ(page.Item(10).MaxLength(), 10);
        EXPECT_EQ(page.Item(11).MaxLength(), 26);
    }
}

TEST(WLanAdvBuilder, RebuildTakesTheAsReadCopyAndClearsSnmpFor0x0A) {
    Page page(Variant::Basic, [](auto& r) { r.bySNMP = 0x0A; });
    EXPECT_FALSE(page.state.m_bSNMP);
    EXPECT_EQ(page.state.m_ConfigurationInfoAsRead.bySNMP, 0x0A);
    EXPECT_EQ(page.Value(1), "Office");
    // A second rebuild starts from empty grids.
    page.editor.Rebuild();
    EXPECT_EQ(page.editor.Grid1().Groups().size(), 5u);
    EXPECT_EQ(page.editor.Grid2().Groups().size(), 3u);
    page.editor.Clear();
    EXPECT_TRUE(page.editor.Grid1().Groups().empty());
    EXPECT_TRUE(page.editor.Grid2().Groups().empty());
}

TEST(WLanAdvBuilder, ExpandFlagsAndNames) {
    DeviceConfigState state;
    state.m_ConfigurationInfo = OfficeRecord();
    FakeMessageBox messages;
    WLanAdvGroupEditor editor(state, messages);
    editor.SetGroupExpanded(2, false);
    editor.SetGroupExpanded(9, false);
    editor.Rebuild();
    EXPECT_TRUE(editor.Grid1().FindGroup(10000)->IsExpanded());
    EXPECT_FALSE(editor.Grid1().FindGroup(10001)->IsExpanded());
    EXPECT_EQ(editor.Grid1().FindGroup(10001)->Title(), LoadString(177));
    EXPECT_EQ(editor.Find(15)->Name(), "DHCP Option 12");
    EXPECT_EQ(editor.Find(16)->Name(), "DHCP Option 77");
    EXPECT_EQ(editor.Find(1)->Description(), LoadString(174));
    EXPECT_EQ(editor.Find(5)->EditMask(), "dddddddd");
    EXPECT_EQ(editor.Find(20)->EditTemplate(), "_____");
    EXPECT_EQ(state.m_nCertificateType, 0);
}

// ---- the rules ------------------------------------------------------------------------------------------

struct ModeCase {
    const char* name;
    Variant variant;
    std::uint8_t fromMode;
    int index;
    std::vector<int> authOptions;
    bool encEnabled;
    std::set<std::uint32_t> visible; // among 3, 4, 5, 8..13, 15, 16
    bool assignmentEnabled;
    int assignmentText;
    std::uint8_t wantIpMode;
};

class WLanAdvModeRule : public testing::TestWithParam<ModeCase> {};

TEST_P(WLanAdvModeRule, ResetsSecurityAndShowsTheModesItems) {
    const ModeCase& c = GetParam();
    Page page(c.variant, [&](auto& r) { r.byNetworkMode = c.fromMode; });
    page.Pick(2, c.index);
    EXPECT_EQ(page.Record().byNetworkMode, c.index);
    EXPECT_EQ(page.Record().byAuthentication, 0);
    EXPECT_EQ(page.Record().byEncryption, 0);
    EXPECT_EQ(page.Record().byIPConfigMode, c.wantIpMode);
    EXPECT_EQ(page.Options(6), TextsOf(c.authOptions));
    EXPECT_EQ(page.Value(6), LoadString(179));
    EXPECT_EQ(page.Options(7), Texts({186, 187, 188}));
    EXPECT_EQ(page.Value(7), LoadString(186));
    EXPECT_EQ(page.Item(7).IsEnabled(), c.encEnabled);
    EXPECT_EQ(page.VisibleOf({3, 4, 5, 8, 9, 10, 11, 12, 13, 15, 16}), c.visible);
    EXPECT_EQ(page.Item(14).IsEnabled(), c.assignmentEnabled);
    EXPECT_EQ(page.Value(14), LoadString(c.assignmentText));
    EXPECT_EQ(page.Value(2), LoadString(168 + c.index));
    EXPECT_TRUE(page.Item(2).IsModified());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, WLanAdvModeRule,
    testing::Values(
        // Infrastructure with WPA2-PSK and DHCP to Adhoc.
        ModeCase{"ToAdhoc", Variant::Basic, 0, 1, {179, 180}, true, {3}, false, 209, 0},
        ModeCase{"ToWifiDirect", Variant::WifiDirect, 0, 2, {179, 180}, true, {4, 5, 15, 16}, true, 210, 1},
        ModeCase{"ToSoftAp", Variant::WifiDirectRf, 0, 3, {179, 181, 182}, false, {}, false, 209, 0},
        ModeCase{"AdhocToInfrastructure",
                 Variant::Basic,
                 1,
                 0,
                 {179, 180, 181, 182, 183, 184},
                 true,
                 {},
                 true,
                 209,
                 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WLanAdvModeRule, AModeTheModuleDoesNotOfferChangesNothing) {
    Page page(Variant::Basic);
    PropertyItem temporary(2, "", PropertyKind::Option);
    temporary.SetStoredIndex(3); // Soft AP, not in a basic module's list
    page.editor.UpdateGroup1Properties(&temporary);
    EXPECT_EQ(page.Record().byNetworkMode, 0);
    EXPECT_EQ(page.Record().byAuthentication, VRX_AUTH_WPA2_PSK);
}

TEST(WLanAdvModeRule, SoftApWithoutWifiDirectIsTheThirdOptionAndMode3) {
    DeviceConfigState state;
    state.m_ConfigurationInfo = OfficeRecord();
    state.m_bSoftAP = true;
    FakeMessageBox messages;
    WLanAdvGroupEditor editor(state, messages);
    editor.Rebuild();
    PropertyItem& mode = *editor.Find(2);
    ASSERT_EQ(mode.Options(), Texts({168, 169, 171}));
    ASSERT_TRUE(editor.Grid1().SelectOption(mode, 2));
    EXPECT_EQ(state.m_ConfigurationInfo.byNetworkMode, VRX_NETWORK_MODE_SOFT_AP);
    EXPECT_EQ(mode.Value(), LoadString(171));
    EXPECT_EQ(editor.Find(6)->Options(), Texts({179, 181, 182}));
    EXPECT_FALSE(editor.Find(4)->IsVisible()) << "no Wi-Fi Direct items";
}

TEST(WLanAdvModeRule, AdhocRestoresTheDhcpOptionsAsRead) {
    Page page(Variant::Basic);
    page.Pick(15, 0); // Disable
    EXPECT_EQ(page.state.m_nDhcpOption12, 0);
    page.Pick(2, 1);
    EXPECT_EQ(page.state.m_nDhcpOption12, 1);
    EXPECT_EQ(page.Value(15), LoadString(233));
    EXPECT_FALSE(page.Item(15).IsVisible());
    EXPECT_TRUE(page.Item(17).IsEnabled());
}

struct AuthCase {
    const char* name;
    Variant variant;
    std::uint8_t mode;
    int index;
    std::uint8_t wantA, wantE;
    int encText;
    int encOptions;
    bool encEnabled;
    std::set<std::uint32_t> keys;
};

class WLanAdvAuthenticationRule : public testing::TestWithParam<AuthCase> {};

TEST_P(WLanAdvAuthenticationRule, WritesTheCodeAndRefillsEncryption) {
    const AuthCase& c = GetParam();
    Page page(c.variant, [&](auto& r) { r.byNetworkMode = c.mode; });
    page.Pick(6, c.index);
    EXPECT_EQ(page.Record().byAuthentication, c.wantA);
    EXPECT_EQ(page.Record().byEncryption, c.wantE);
    EXPECT_EQ(page.Value(6), LoadString(179 + c.wantA));
    EXPECT_EQ(page.Value(7), LoadString(c.encText));
    EXPECT_EQ(page.Item(7).OptionCount(), c.encOptions);
    EXPECT_EQ(page.Item(7).IsEnabled(), c.encEnabled);
    EXPECT_EQ(page.VisibleOf({8, 9, 10, 11, 12, 13}), c.keys);
}

INSTANTIATE_TEST_SUITE_P(
    Authentications, WLanAdvAuthenticationRule,
    testing::Values(AuthCase{"InfraOpen", Variant::Basic, 0, 0, 0, 1, 187, 3, true, {10}},
                    AuthCase{"InfraShared", Variant::Basic, 0, 1, 1, 1, 187, 2, true, {10}},
                    AuthCase{"InfraWpaPsk", Variant::Basic, 0, 2, 2, 3, 189, 3, true, {9}},
                    AuthCase{"InfraWpa2Psk", Variant::Basic, 0, 3, 3, 4, 190, 3, true, {9}},
                    AuthCase{"InfraWpaEap", Variant::Basic, 0, 4, 4, 3, 189, 3, true, {8, 12, 13}},
                    AuthCase{"InfraWpa2Eap", Variant::Basic, 0, 5, 5, 3, 189, 3, true, {8, 12, 13}},
                    AuthCase{"AdhocShared", Variant::Basic, 1, 1, 1, 1, 187, 2, true, {10}},
                    // Soft AP's list lacks Shared Key: the second option is WPA-PSK.
                    AuthCase{"SoftApOpen", Variant::WifiDirectRf, 3, 0, 0, 0, 186, 1, false, {}},
                    AuthCase{"SoftApWpaPsk", Variant::WifiDirectRf, 3, 1, 2, 3, 189, 3, true, {9}},
                    AuthCase{"SoftApWpa2Psk", Variant::WifiDirectRf, 3, 2, 3, 4, 190, 3, true, {9}}),
    [](const auto& info) { return std::string(info.param.name); });

struct EncryptionCase {
    const char* name;
    int authIndex, encIndex;
    std::uint8_t wantE;
    std::set<std::uint32_t> keys;
};

class WLanAdvEncryptionRule : public testing::TestWithParam<EncryptionCase> {};

TEST_P(WLanAdvEncryptionRule, WritesTheCodeByAuthentication) {
    const EncryptionCase& c = GetParam();
    Page page(Variant::Basic);
    page.Pick(6, c.authIndex);
    page.Pick(7, c.encIndex);
    EXPECT_EQ(page.Record().byEncryption, c.wantE);
    EXPECT_EQ(page.Value(7), LoadString(186 + c.wantE));
    EXPECT_EQ(page.VisibleOf({8, 9, 10, 11, 12, 13}), c.keys);
    EXPECT_TRUE(page.Item(7).IsModified());
}

INSTANTIATE_TEST_SUITE_P(Encryptions, WLanAdvEncryptionRule,
                         testing::Values(EncryptionCase{"OpenNone", 0, 0, 0, {}},
                                         EncryptionCase{"OpenWep128", 0, 2, 2, {11}},
                                         EncryptionCase{"SharedWep128", 1, 1, 2, {11}},
                                         EncryptionCase{"SharedWep64", 1, 0, 1, {10}},
                                         EncryptionCase{"WpaPskAesTkip", 2, 2, 5, {9}},
                                         EncryptionCase{"Wpa2EapAes", 5, 1, 4, {8, 12, 13}}),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {
// The record a save sends: the as-read copy with the fields of the visible items from the working one.
WLAN_ADVANCED_CONFIG_INFO Sent(Page& page) {
    DeviceExchangeServices services;
    services.grid = &page.editor;
    services.validator = &page.editor.Validator();
    DeviceConfigExchange exchange(page.state, services);
    const std::optional<WLAN_ADVANCED_CONFIG_INFO> sent = exchange.PrepareConfigurationToSend(true);
    EXPECT_TRUE(sent.has_value());
    return sent.value_or(WLAN_ADVANCED_CONFIG_INFO{});
}
} // namespace

TEST(WLanAdvSend, AWepKeyEditedThenHiddenByWpaPskGoesOutAsRead) {
    Page page(Variant::Basic, [](auto& r) {
        r.byAuthentication = 0;
        r.byEncryption = 1;
    });
    ASSERT_TRUE(page.Item(10).IsVisible());
    page.Type(10, "12345");
    EXPECT_EQ(DeviceRecords::FieldText(page.Record().byWEP_Key0), "12345");
    page.Pick(6, 2); // WPA-PSK
    page.Type(9, "a-new-passphrase");
    const WLAN_ADVANCED_CONFIG_INFO sent = Sent(page);
    EXPECT_EQ(DeviceRecords::FieldText(sent.byWEP_Key0), "abcde");
    EXPECT_EQ(DeviceRecords::FieldText(sent.byPSK_Key), "a-new-passphrase");
    EXPECT_EQ(sent.byAuthentication, VRX_AUTH_WPA_PSK);
    EXPECT_EQ(sent.byEncryption, VRX_ENCRYPTION_TKIP);
}

TEST(WLanAdvSend, AHiddenTrapCommunityGoesOutWithTheVisibleTrapItem) {
    for (const bool trapVisible : {true, false}) {
        Page page(Variant::Basic);
        page.Type(36, "newtraps");
        page.Item(36).Show(false);
        page.Item(35).Show(trapVisible);
        const WLAN_ADVANCED_CONFIG_INFO sent = Sent(page);
        EXPECT_EQ(DeviceRecords::FieldText(sent.szSNMPTrapCommunity), trapVisible ? "newtraps" : "traps");
    }
}

TEST(WLanAdvSend, OnlyDhcpOption12DisabledSetsItsBit) {
    Page page(Variant::Basic);
    page.Pick(15, 0);
    const WLAN_ADVANCED_CONFIG_INFO sent = Sent(page);
    EXPECT_EQ(sent.byDummy3, VRX_DUMMY3_DHCP_OPTION12_DISABLED);
}

TEST(WLanAdvSend, ManualAfterAChangedOptionRestoresItAsRead) {
    Page page(Variant::Basic);
    page.Pick(15, 0);
    page.Pick(14, 0); // Manual
    EXPECT_EQ(page.Value(15), LoadString(233));
    EXPECT_FALSE(page.Item(15).IsVisible());
    EXPECT_FALSE(page.Item(16).IsVisible());
    EXPECT_TRUE(page.Item(18).IsEnabled());
    const WLAN_ADVANCED_CONFIG_INFO sent = Sent(page);
    EXPECT_EQ(sent.byDummy3, 0);
    EXPECT_EQ(sent.byIPConfigMode, VRX_IP_CONFIG_MANUAL);
}

TEST(WLanAdvSend, DhcpShowsTheOptionsAndDisablesTheAddresses) {
    Page page(Variant::Basic, [](auto& r) { r.byIPConfigMode = 0; });
    page.Pick(14, 1);
    EXPECT_EQ(page.Record().byIPConfigMode, 1);
    EXPECT_EQ(page.VisibleOf({15, 16}), (std::set<std::uint32_t>{15, 16}));
    for (const std::uint32_t id : {17u, 18u, 19u})
        EXPECT_FALSE(page.Item(id).IsEnabled());
}

struct NumberCase {
    std::uint32_t id;
    const char* typed;
    int stored;
};

class WLanAdvNumberRule : public testing::TestWithParam<NumberCase> {};

TEST_P(WLanAdvNumberRule, ClampsAndStoresHighByteFirst) {
    const NumberCase& c = GetParam();
    Page page(Variant::Basic);
    page.Type(c.id, c.typed);
    EXPECT_EQ(page.Value(c.id), std::to_string(c.stored));
    const auto& field = c.id == 20 ? page.Record().byPortNumber : page.Record().byIncativityTime;
    EXPECT_EQ(DeviceRecords::BigEndian16(field), c.stored);
}

INSTANTIATE_TEST_SUITE_P(Numbers, WLanAdvNumberRule,
                         testing::Values(NumberCase{20, "80", 9100}, NumberCase{20, "0", 9100},
                                         NumberCase{20, "40000", 32767}, NumberCase{20, "9101", 9101},
                                         NumberCase{20, "443", 9100}, NumberCase{20, "3318", 9100},
                                         NumberCase{20, "abc", 9100}, NumberCase{20, "-5", 9100},
                                         NumberCase{27, "5000", 3600}, NumberCase{27, "-3", 0},
                                         NumberCase{27, "0", 0}, NumberCase{27, "120", 120},
                                         NumberCase{27, "99999999999999", 3600}));

TEST(WLanAdvServicesRule, ServicesWriteTheirCodesAndLeaveSnmpItemsAlone) {
    Page page(Variant::Basic);
    page.Pick(29, 0);
    page.Pick(30, 1);
    page.Pick(32, 0);
    EXPECT_EQ(page.Record().byWebSSL, 0);
    EXPECT_EQ(page.Record().byTelnet, 1);
    EXPECT_EQ(page.Record().bySNMP, 0);
    for (std::uint32_t id = 33; id <= 37; ++id)
        EXPECT_TRUE(page.Item(id).IsEnabled()) << id;
    page.Pick(35, 1);
    EXPECT_EQ(page.Record().bySNMPTrap, 1);
    EXPECT_FALSE(page.editor.Grid1().SelectOption(page.Item(28), 3))
        << "a basic module's band item is disabled and takes no pick";
    EXPECT_EQ(page.Record().byRFMode, 1);
}

TEST(WLanAdvServicesRule, DisabledItemsTakeNoEdits) {
    Page page(Variant::Basic, [](auto& r) { r.bySNMP = 0x0A; });
    PropertyItem& read = page.Item(33);
    EXPECT_FALSE(page.editor.Grid2().EditValue(read, "other"));
    EXPECT_EQ(DeviceRecords::FieldText(page.Record().bySNMPGetCommunity), "public");
}

TEST(WLanAdvTextRules, RejectedTextsKeepTheRecordAndShowTheirMessage) {
    Page page(Variant::Basic);
    page.Type(1, std::string(32, 's'));
    EXPECT_EQ(DeviceRecords::FieldText(page.Record().bySSID), "Office");
    ASSERT_EQ(page.messages.Errors().size(), 1u);
    EXPECT_EQ(page.messages.Errors()[0], LoadString(250) + " (32)");
    page.Type(1, "  Lab  ");
    EXPECT_EQ(DeviceRecords::FieldText(page.Record().bySSID), "Lab");
    EXPECT_EQ(page.Value(1), "Lab");
    page.Type(37, "192.0.2.300");
    EXPECT_EQ(page.Record().byTrapIP[3], 255);
    EXPECT_EQ(page.Value(37), "192.0.2.255");
}

TEST(WLanAdvAddressRule, ComparesAllThreeAddressesWhicheverItemOpenedTheDialog) {
    Page page(Variant::Basic, [](auto& r) { r.byIPConfigMode = 0; });
    page.editor.Addresses().gateway[3] = 254;
    page.editor.PropertyChanged(&page.Item(18)); // the subnet mask's dialog changed only the gateway
    EXPECT_EQ(page.Record().byGateway[3], 254);
    EXPECT_EQ(page.Value(19), "192.0.2.254");
    EXPECT_TRUE(page.Item(19).IsModified());
    EXPECT_FALSE(page.Item(18).IsModified());
    EXPECT_EQ(page.Record().bySubnetMask[0], 255);
}

TEST(WLanAdvDispatch, ReadOnlyItemsAndNothingChangeNothing) {
    Page page(Variant::Basic, [](auto& r) { r.byDummy3 = 1; });
    const WLAN_ADVANCED_CONFIG_INFO before = page.Record();
    for (const std::uint32_t id : {21u, 22u, 23u, 40u, 41u, 42u})
        page.editor.PropertyChanged(&page.Item(id));
    page.editor.PropertyChanged(nullptr);
    EXPECT_EQ(std::memcmp(&before, &page.Record(), sizeof before), 0);
    page.Pick(38, 2);
    EXPECT_EQ(page.state.m_nCertificateType, 2);
    page.editor.ShowUploadedCertificate("client.pem");
    EXPECT_EQ(page.Value(42), "client.pem");
}

// A rule that changes another row's value marks that row as changed too, as the user's own edit is: the
// grid shows in bold everything a save will send differently.
TEST(WLanAdvRuleMarks, RowsARuleChangesAreMarkedModified) {
    struct Case {
        const char* what;
        std::uint32_t id;
        int index;
        std::set<std::uint32_t> marked; // among 1 to 20
    };
    const Case cases[] = {
        // WPA2-PSK/AES with DHCP: Adhoc resets the security and takes a manual address.
        {"the network mode", 2, 1, {2, 6, 7, 14}},
        {"the authentication", 6, 1, {6, 7}},
        {"the encryption", 7, 0, {7}},
        {"the address assignment", 14, 0, {14}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Page page(Variant::Basic);
        ASSERT_EQ(page.Record().byIPConfigMode, VRX_IP_CONFIG_DHCP);
        page.Pick(c.id, c.index);
        std::set<std::uint32_t> marked;
        for (std::uint32_t id = 1; id <= 20; ++id)
            if (page.Item(id).IsModified())
                marked.insert(id);
        EXPECT_EQ(marked, c.marked);
    }

    // Taking over an access point changes the SSID, the authentication and the encryption rows.
    Page page(Variant::Basic, [](auto& r) {
        r.byAuthentication = VRX_AUTH_OPEN_SYSTEM;
        r.byEncryption = VRX_ENCRYPTION_NONE;
    });
    BSS_INFO& entry = page.state.m_BSSInfo[0];
    entry.bySecurity = VRX_BSS_SECURITY_WPA2;
    DeviceRecords::SetFieldText(entry.bySSID, "Lab");
    page.state.m_nNumBSSInfo = 1;
    ASSERT_TRUE(page.editor.UpdateCurrentConfiguration(0));
    for (const std::uint32_t id : {1u, 2u, 6u, 7u})
        EXPECT_TRUE(page.Item(id).IsModified()) << id;
    EXPECT_FALSE(page.Item(14).IsModified());
}

struct AccessPointCase {
    const char* name;
    int index;
    std::uint8_t mode, security;
    const char* ssid;
    bool taken;
    std::uint8_t wantMode, wantA, wantE;
};

class WLanAdvAccessPoint : public testing::TestWithParam<AccessPointCase> {};

TEST_P(WLanAdvAccessPoint, TakesOverWhatTheModeAllows) {
    const AccessPointCase& c = GetParam();
    Page page(Variant::Basic);
    for (int i = 0; i < 2; ++i) {
        BSS_INFO& entry = page.state.m_BSSInfo[i];
        entry.byNetworkMode = c.mode;
        entry.bySecurity = c.security;
        DeviceRecords::SetFieldText(entry.bySSID, c.ssid);
    }
    page.state.m_nNumBSSInfo = 2;
    EXPECT_EQ(page.editor.UpdateCurrentConfiguration(c.index), c.taken);
    EXPECT_EQ(page.Record().byNetworkMode, c.wantMode);
    EXPECT_EQ(page.Record().byAuthentication, c.wantA);
    EXPECT_EQ(page.Record().byEncryption, c.wantE);
    EXPECT_EQ(DeviceRecords::FieldText(page.Record().bySSID), c.taken ? c.ssid : "Office");
    if (c.taken) {
        EXPECT_EQ(page.Value(6), LoadString(179 + c.wantA));
        EXPECT_EQ(page.Value(7), LoadString(186 + c.wantE));
        EXPECT_EQ(DeviceRecords::FieldText(page.Record().byPSK_Key), "secretpass") << "keys stay";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, WLanAdvAccessPoint,
    // An access point offering WPA and WPA2 is joined with the stronger of the two: WPA2-PSK with AES.
    testing::Values(AccessPointCase{"WpaWpa2Infrastructure", 1, 0, 12, "Lab", true, 0, 3, 4},
                    AccessPointCase{"WpaInfrastructure", 0, 0, 4, "Lab", true, 0, 2, 3},
                    AccessPointCase{"Wpa2Infrastructure", 0, 0, 8, "Lab", true, 0, 3, 4},
                    AccessPointCase{"OpenInfrastructure", 0, 0, 0, "Lab", true, 0, 0, 0},
                    AccessPointCase{"Wep128Adhoc", 0, 1, 2, "Lab", true, 1, 1, 2},
                    AccessPointCase{"Wep64128Infrastructure", 0, 0, 3, "Lab", true, 0, 1, 1},
                    AccessPointCase{"WpaAdhocRefused", 0, 1, 4, "Lab", false, 0, 3, 4},
                    AccessPointCase{"UnknownModeRefused", 0, 2, 0, "Lab", false, 0, 3, 4},
                    AccessPointCase{"UnknownSecurityRefused", 0, 0, 5, "Lab", false, 0, 3, 4},
                    AccessPointCase{"BlankSsidRefused", 0, 0, 0, "   ", false, 0, 3, 4},
                    AccessPointCase{"Index100Refused", 100, 0, 0, "Lab", false, 0, 3, 4},
                    AccessPointCase{"ClosedListRefused", -1, 0, 0, "Lab", false, 0, 3, 4}),
    [](const auto& info) { return std::string(info.param.name); });
