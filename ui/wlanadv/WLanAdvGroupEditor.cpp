#include "ui/wlanadv/WLanAdvGroupEditor.h"

#include "app/DiagnosticLog.h"
#include "app/StringTable.h"
#include "devcfg/DeviceRecordFields.h"
#include "devcfg/PropertyIds.h"
#include "devcfg/PropertyTable.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

// Texts of the page's text table used by the groups.
enum Text : int {
    kGroup1Title = 166,
    kModeInfrastructure = 168, // then Adhoc 169, Wi-Fi Direct 170, Soft AP 171
    kSsidDescription = 174,
    kPinDescription = 176,
    kGroup2Title = 177,
    kAuthOpenSystem = 179, // then Shared Key 180, WPA-PSK 181, WPA2-PSK 182, WPA-EAP 183, WPA2-EAP 184
    kEncryptionNone = 186, // then WEP-64 187, WEP-128 188, TKIP 189, AES 190, AES + TKIP 191
    kEapPeap = 194,        // then EAP-TTLS 195, EAP-TLS 196, EAP-LEAP 197, EAP-FAST 198
    kGroup3Title = 206,
    kIpManual = 209,
    kIpDhcp = 210,
    kGroup4Title = 214,
    kGroup5Title = 218,
    kRf2_4GHz = 224, // then 225, 226, 227
    kDisable = 232,
    kEnable = 233,
    kGroup7Title = 234,
    kGroup8Title = 239,
    kCertificateCa = 246, // then Client Key 247, Client PEM 248
    kGroup6Title = 271,
    kNotSupported = 272,
    kGroup9Title = 275,
    kOption = 282,
};

constexpr int kGroupTitles[9] = {kGroup1Title, kGroup2Title, kGroup3Title, kGroup4Title, kGroup5Title,
                                 kGroup6Title, kGroup7Title, kGroup8Title, kGroup9Title};

// The text of a record field for display: empty when it fills the whole field (no room for its terminator).
template <std::size_t N> std::string RecordText(const std::uint8_t (&field)[N]) {
    if (std::memchr(field, 0, N) == nullptr)
        return {};
    return DeviceRecords::FieldText(field);
}

std::string Address(const std::uint8_t (&address)[4]) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", address[0], address[1], address[2], address[3]);
    return text;
}

// The integer at the start of text, as the page's conversion reads it: blanks, a sign, digits; 0 when
// there are none; clamped to the range of int.
long long LeadingInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min<long long>(value * 10 + (text[i] - '0'), static_cast<long long>(INT_MAX) + 1);
    return negative ? -value : value;
}

std::string Repeated(char c, std::size_t n) {
    return std::string(n, c);
}

} // namespace

WLanAdvGroupEditor::WLanAdvGroupEditor(DeviceConfigState& state, IMessageBox& messages, TextSource texts)
    : m_state(state), m_texts(std::move(texts)), m_validator(*this, messages) {
    m_grid1.SetChangeHandler([this](PropertyItem& item) { PropertyChanged(&item); });
    m_grid2.SetChangeHandler([this](PropertyItem& item) { PropertyChanged(&item); });
}

std::string WLanAdvGroupEditor::Text(int id) const {
    return m_texts ? m_texts(id) : LoadString(id);
}

PropertyItem* WLanAdvGroupEditor::Find(std::uint32_t id) const {
    if (PropertyItem* item = m_grid1.FindItem(id))
        return item;
    return m_grid2.FindItem(id);
}

void WLanAdvGroupEditor::SetGroupExpanded(int group, bool expanded) {
    if (group >= 1 && group <= 9)
        m_expanded[static_cast<std::size_t>(group - 1)] = expanded;
}

bool WLanAdvGroupEditor::IsGroupExpanded(int group) const {
    return group >= 1 && group <= 9 && m_expanded[static_cast<std::size_t>(group - 1)];
}

// ---- the rebuild ------------------------------------------------------------------------------------------

void WLanAdvGroupEditor::Clear() {
    m_grid1.RemoveAll();
    m_grid2.RemoveAll();
}

void WLanAdvGroupEditor::Rebuild() {
    Clear();
    m_state.m_ConfigurationInfoAsRead = m_state.m_ConfigurationInfo;
    if (m_state.m_ConfigurationInfo.bySNMP == VRX_SNMP_NOT_OFFERED)
        m_state.m_bSNMP = false;
    WLAN_ADVANCED_CONFIG_INFO& info = m_state.m_ConfigurationInfo;
    InitGroup1Properties(info);
    InitGroup2Properties(info);
    InitGroup3Properties(info);
    InitGroup4Properties(m_state.m_SystemInformation);
    InitGroup5Properties(info);
    InitGroup6Properties(info);
    InitGroup7Properties(info);
    InitGroup8Properties();
    InitGroup9Properties();
}

PropertyGroup& WLanAdvGroupEditor::NewGroup(int group) {
    // Expanded by its flag, in the grid at once, so that the builder's rules find its items.
    return Grid(PropertyTable::GridOfGroup(group))
        .AddGroup(std::make_unique<PropertyGroup>(PropertyTable::GroupId(group),
                                                  Text(kGroupTitles[group - 1]), IsGroupExpanded(group)));
}

void WLanAdvGroupEditor::ShowRecordAfterRefusal(PropertyItem& item, bool accepted) {
    if (accepted)
        return;
    m_bLastChangeRefused = true;
    // The check has shown its message and left the record as it was: the row shows the record again,
    // marked only when that differs from what was read.
    const PropertyTable::Property* property = PropertyTable::Find(item.Id());
    const DeviceRecordFields::Field* field = property ? DeviceRecordFields::Find(property->shown) : nullptr;
    if (!field)
        return;
    PropertyItem* shown = Find(item.Id());
    PropertyItem& row = shown ? *shown : item;
    const std::string value = DeviceRecordFields::Text(m_state.m_ConfigurationInfo, *field, true);
    row.SetValue(value);
    row.SetModified(value != DeviceRecordFields::Text(m_state.m_ConfigurationInfoAsRead, *field, true));
}

PropertyItem& WLanAdvGroupEditor::NewItem(PropertyGroup& group, std::uint32_t id, PropertyKind kind,
                                          std::string value, std::string description) {
    const PropertyTable::Property* property = PropertyTable::Find(id);
    std::string name = property ? Text(property->textId) : std::string();
    if (id == VRX_GROUP3_PROPERTY_ID_2 || id == VRX_GROUP3_PROPERTY_ID_3)
        name = Text(kIpDhcp) + " " + Text(kOption) + (id == VRX_GROUP3_PROPERTY_ID_2 ? " 12" : " 77");
    PropertyItem& item = group.AddItem(
        std::make_unique<PropertyItem>(id, std::move(name), kind, std::move(value), std::move(description)));
    if (kind == PropertyKind::Option || kind == PropertyKind::ReadOnly)
        item.AllowEdit(false);
    // A text kept in a fixed-size field takes at most the field's bytes but its terminating zero.
    const DeviceRecordFields::Field* field = property ? DeviceRecordFields::Find(property->shown) : nullptr;
    if ((kind == PropertyKind::Text || kind == PropertyKind::AccessPoint) && field &&
        field->kind == DeviceRecordFields::Kind::Text)
        item.SetMaxBytes(static_cast<int>(field->size) - 1);
    if (kind == PropertyKind::Password) {
        // Edited in the password dialog only, titled with the item's name, masked per the refusal flag.
        item.AllowEdit(false);
        item.SetDialogTitle(item.Name());
        item.SetMasked(m_state.m_bRefusal);
    }
    return item;
}

void WLanAdvGroupEditor::ShowItem(std::uint32_t id, bool show) {
    if (PropertyItem* item = Find(id))
        item->Show(show);
}

void WLanAdvGroupEditor::ShowItems(std::uint32_t first, std::uint32_t last, bool show) {
    for (std::uint32_t id = first; id <= last; ++id)
        ShowItem(id, show);
}

void WLanAdvGroupEditor::EnableItem(std::uint32_t id, bool enable) {
    if (PropertyItem* item = Find(id))
        item->Enable(enable);
}

void WLanAdvGroupEditor::SetItemValue(std::uint32_t id, const std::string& value) {
    if (PropertyItem* item = Find(id))
        item->SetValue(value);
}

void WLanAdvGroupEditor::SetOptionTexts(std::uint32_t id, std::initializer_list<int> textIds) {
    PropertyItem* item = Find(id);
    if (!item)
        return;
    std::vector<std::string> options;
    for (const int textId : textIds)
        options.push_back(Text(textId));
    item->SetOptions(std::move(options));
}

std::string WLanAdvGroupEditor::ServiceText(std::uint8_t code) const {
    return code == VRX_SERVICE_DISABLED  ? Text(kDisable)
           : code == VRX_SERVICE_ENABLED ? Text(kEnable)
                                         : Text(kNotSupported);
}

// ---- groups 1 to 3 ----------------------------------------------------------------------------------------

void WLanAdvGroupEditor::InitGroup1Properties(WLAN_ADVANCED_CONFIG_INFO& info) {
    const std::string ssid = RecordText(info.bySSID);
    const std::uint8_t mode = info.byNetworkMode;
    const int adhocChannel = std::min<int>(info.byAdhocChannel, 14);
    std::string p2pChannel = RecordText(info.byP2P_Channel);
    const long long p2pNumber = LeadingInteger(p2pChannel);
    p2pChannel = p2pNumber == 1 || p2pNumber == 6 || p2pNumber == 11 ? std::to_string(p2pNumber) : "1";

    PropertyGroup& group = NewGroup(1);
    NewItem(group, VRX_GROUP1_PROPERTY_ID_1, PropertyKind::AccessPoint, ssid, Text(kSsidDescription));

    PropertyItem& wlanMode = NewItem(group, VRX_GROUP1_PROPERTY_ID_2, PropertyKind::Option);
    wlanMode.AddOption(Text(kModeInfrastructure));
    wlanMode.AddOption(Text(kModeInfrastructure + 1));
    if (m_state.m_bWifiDirect)
        wlanMode.AddOption(Text(kModeInfrastructure + 2));
    if (m_state.m_bSoftAP)
        wlanMode.AddOption(Text(kModeInfrastructure + 3));
    if (mode <= VRX_NETWORK_MODE_SOFT_AP)
        wlanMode.SetValue(Text(kModeInfrastructure + mode));

    PropertyItem& adhoc =
        NewItem(group, VRX_GROUP1_PROPERTY_ID_3, PropertyKind::Option, std::to_string(adhocChannel));
    for (int channel = 1; channel <= 14; ++channel)
        adhoc.AddOption(std::to_string(channel));

    PropertyItem& p2p = NewItem(group, VRX_GROUP1_PROPERTY_ID_4, PropertyKind::Option, p2pChannel);
    p2p.SetOptions({"1", "6", "11"});

    PropertyItem& pin = NewItem(group, VRX_GROUP1_PROPERTY_ID_5, PropertyKind::Text,
                                RecordText(info.byP2P_PinCode), Text(kPinDescription));
    pin.SetEditMask("dddddddd", "________");

    adhoc.Show(false);
    p2p.Show(false);
    pin.Show(false);
    if (mode == VRX_NETWORK_MODE_ADHOC) {
        adhoc.Show(true);
    } else if (mode == VRX_NETWORK_MODE_WIFI_DIRECT) {
        p2p.Show(true);
        pin.Show(true);
    }
}

void WLanAdvGroupEditor::InitGroup2Properties(WLAN_ADVANCED_CONFIG_INFO& info) {
    const std::string wepKey = RecordText(info.byWEP_Key0);
    const std::string pskKey = RecordText(info.byPSK_Key);
    const std::string eapId = RecordText(info.szEAP_Id);
    const std::string eapPassword = RecordText(info.szEAP_Password);
    std::uint8_t& A = info.byAuthentication;
    std::uint8_t& E = info.byEncryption;
    const std::uint8_t mode = info.byNetworkMode;

    // Codes the mode cannot have are brought to the nearest it can.
    if (mode == VRX_NETWORK_MODE_INFRASTRUCTURE || mode == VRX_NETWORK_MODE_SOFT_AP) {
        if (A == VRX_AUTH_WPA_PSK && (E < 3 || E > 5))
            E = VRX_ENCRYPTION_TKIP;
        else if (A == VRX_AUTH_WPA2_PSK && (E < 3 || E > 5))
            E = VRX_ENCRYPTION_AES;
        else if (mode == VRX_NETWORK_MODE_INFRASTRUCTURE) {
            if ((A == VRX_AUTH_WPA_EAP || A == VRX_AUTH_WPA2_EAP) && E < 3)
                E = VRX_ENCRYPTION_TKIP;
            else if (A <= VRX_AUTH_SHARED_KEY && E > 2)
                E = VRX_ENCRYPTION_WEP64;
        } else if (A == VRX_AUTH_OPEN_SYSTEM) {
            E = VRX_ENCRYPTION_NONE;
        } else if (A == VRX_AUTH_SHARED_KEY || A == VRX_AUTH_WPA_EAP || A == VRX_AUTH_WPA2_EAP) {
            A = VRX_AUTH_OPEN_SYSTEM;
            E = VRX_ENCRYPTION_NONE;
        }
    } else if (mode == VRX_NETWORK_MODE_ADHOC || mode == VRX_NETWORK_MODE_WIFI_DIRECT) {
        if (A > VRX_AUTH_SHARED_KEY && A <= VRX_AUTH_WPA2_EAP) {
            A = VRX_AUTH_SHARED_KEY;
            E = VRX_ENCRYPTION_WEP64;
        } else if (A <= VRX_AUTH_SHARED_KEY && E > 2) {
            E = VRX_ENCRYPTION_WEP64;
        }
    }
    if (A == VRX_AUTH_SHARED_KEY)
        E = VRX_ENCRYPTION_WEP64;

    PropertyGroup& group = NewGroup(2);
    PropertyItem& authentication = NewItem(group, VRX_GROUP2_PROPERTY_ID_1, PropertyKind::Option);
    if (mode == VRX_NETWORK_MODE_INFRASTRUCTURE)
        SetOptionTexts(authentication.Id(), {179, 180, 181, 182, 183, 184});
    else if (mode == VRX_NETWORK_MODE_SOFT_AP)
        SetOptionTexts(authentication.Id(), {179, 181, 182});
    else
        SetOptionTexts(authentication.Id(), {179, 180});
    authentication.SetValue(Text(A <= VRX_AUTH_WPA2_EAP ? kAuthOpenSystem + A : kAuthOpenSystem + 1));

    // A WEP key longer than a 64-bit key can be is a 128-bit key.
    if (E == VRX_ENCRYPTION_WEP64 && wepKey.size() > 12)
        E = VRX_ENCRYPTION_WEP128;
    PropertyItem& encryption = NewItem(group, VRX_GROUP2_PROPERTY_ID_2, PropertyKind::Option);
    if (A == VRX_AUTH_OPEN_SYSTEM) {
        if (mode == VRX_NETWORK_MODE_SOFT_AP)
            SetOptionTexts(encryption.Id(), {186});
        else
            SetOptionTexts(encryption.Id(), {186, 187, 188});
    } else if (A == VRX_AUTH_SHARED_KEY) {
        SetOptionTexts(encryption.Id(), {187, 188});
    } else if (A <= VRX_AUTH_WPA2_EAP) {
        SetOptionTexts(encryption.Id(), {189, 190, 191});
    }
    if (E <= VRX_ENCRYPTION_AES_TKIP)
        encryption.SetValue(Text(kEncryptionNone + E));
    encryption.Enable(encryption.OptionCount() >= 2);

    PropertyItem& eapMode = NewItem(group, VRX_GROUP2_PROPERTY_ID_3, PropertyKind::Option);
    SetOptionTexts(eapMode.Id(), {194, 195, 196, 197, 198});
    if (info.byEAPMode <= VRX_EAP_FAST)
        eapMode.SetValue(Text(kEapPeap + info.byEAPMode));

    NewItem(group, VRX_GROUP2_PROPERTY_ID_4, PropertyKind::Password, pskKey).SetMaxLength(63);
    NewItem(group, VRX_GROUP2_PROPERTY_ID_5, PropertyKind::Password, wepKey).SetMaxLength(10);
    NewItem(group, VRX_GROUP2_PROPERTY_ID_6, PropertyKind::Password, wepKey).SetMaxLength(26);
    NewItem(group, VRX_GROUP2_PROPERTY_ID_7, PropertyKind::Text, eapId)
        .SetEditMask(Repeated('*', 32), Repeated('_', 32));
    PropertyItem& password = NewItem(group, VRX_GROUP2_PROPERTY_ID_8, PropertyKind::Password, eapPassword);
    password.SetMaxLength(32);
    password.Enable(!eapId.empty());

    ShowItems(VRX_GROUP2_PROPERTY_ID_3, VRX_GROUP2_PROPERTY_ID_8, false);
    if (A == VRX_AUTH_WPA_PSK || A == VRX_AUTH_WPA2_PSK) {
        ShowItem(VRX_GROUP2_PROPERTY_ID_4, true);
    } else if (A == VRX_AUTH_WPA_EAP || A == VRX_AUTH_WPA2_EAP) {
        ShowItem(VRX_GROUP2_PROPERTY_ID_3, true);
        ShowItem(VRX_GROUP2_PROPERTY_ID_7, true);
        ShowItem(VRX_GROUP2_PROPERTY_ID_8, true);
    } else if (A <= VRX_AUTH_SHARED_KEY) {
        ShowItem(VRX_GROUP2_PROPERTY_ID_5, true);
        ShowItem(VRX_GROUP2_PROPERTY_ID_6, true);
    }
    if (E == VRX_ENCRYPTION_NONE) {
        ShowItems(VRX_GROUP2_PROPERTY_ID_3, VRX_GROUP2_PROPERTY_ID_8, false);
    } else if (E == VRX_ENCRYPTION_WEP64) {
        ShowItem(VRX_GROUP2_PROPERTY_ID_5, true);
        ShowItem(VRX_GROUP2_PROPERTY_ID_6, false);
    } else if (E == VRX_ENCRYPTION_WEP128) {
        ShowItem(VRX_GROUP2_PROPERTY_ID_5, false);
        ShowItem(VRX_GROUP2_PROPERTY_ID_6, true);
    }
}

void WLanAdvGroupEditor::InitGroup3Properties(WLAN_ADVANCED_CONFIG_INFO& info) {
    m_state.m_nDhcpOption12AsRead = m_state.m_nDhcpOption12 = 0;
    m_state.m_nDhcpOption77AsRead = m_state.m_nDhcpOption77 = 0;
    const std::uint8_t mode = info.byNetworkMode;
    if (mode == VRX_NETWORK_MODE_ADHOC || mode == VRX_NETWORK_MODE_SOFT_AP)
        info.byIPConfigMode = VRX_IP_CONFIG_MANUAL;
    const int port = DeviceRecords::BigEndian16(info.byPortNumber);

    PropertyGroup& group = NewGroup(3);
    PropertyItem& assignment = NewItem(group, VRX_GROUP3_PROPERTY_ID_1, PropertyKind::Option);
    SetOptionTexts(assignment.Id(), {kIpManual, kIpDhcp});
    if (info.byIPConfigMode <= VRX_IP_CONFIG_DHCP)
        assignment.SetValue(Text(kIpManual + info.byIPConfigMode));

    // A set bit disables the option.
    const bool option12 = (info.byDummy3 & VRX_DUMMY3_DHCP_OPTION12_DISABLED) == 0;
    const bool option77 = (info.byDummy3 & VRX_DUMMY3_DHCP_OPTION77_DISABLED) == 0;
    PropertyItem& dhcp12 =
        NewItem(group, VRX_GROUP3_PROPERTY_ID_2, PropertyKind::Option, Text(option12 ? kEnable : kDisable));
    SetOptionTexts(dhcp12.Id(), {kDisable, kEnable});
    m_state.m_nDhcpOption12AsRead = m_state.m_nDhcpOption12 = option12 ? 1 : 0;
    PropertyItem& dhcp77 =
        NewItem(group, VRX_GROUP3_PROPERTY_ID_3, PropertyKind::Option, Text(option77 ? kEnable : kDisable));
    SetOptionTexts(dhcp77.Id(), {kDisable, kEnable});
    m_state.m_nDhcpOption77AsRead = m_state.m_nDhcpOption77 = option77 ? 1 : 0;

    NewItem(group, VRX_GROUP3_PROPERTY_ID_4, PropertyKind::Address, Address(info.byIP));
    NewItem(group, VRX_GROUP3_PROPERTY_ID_5, PropertyKind::Address, Address(info.bySubnetMask));
    NewItem(group, VRX_GROUP3_PROPERTY_ID_6, PropertyKind::Address, Address(info.byGateway));
    std::memcpy(m_addresses.ip, info.byIP, 4);
    std::memcpy(m_addresses.subnetMask, info.bySubnetMask, 4);
    std::memcpy(m_addresses.gateway, info.byGateway, 4);

    NewItem(group, VRX_GROUP3_PROPERTY_ID_7, PropertyKind::Text, std::to_string(port))
        .SetEditMask("ddddd", "_____");

    if (mode == VRX_NETWORK_MODE_INFRASTRUCTURE || mode == VRX_NETWORK_MODE_WIFI_DIRECT)
        assignment.Enable(true);
    else if (mode == VRX_NETWORK_MODE_ADHOC || mode == VRX_NETWORK_MODE_SOFT_AP)
        assignment.Enable(false);
    if (info.byIPConfigMode == VRX_IP_CONFIG_MANUAL) {
        dhcp12.Show(false);
        dhcp77.Show(false);
        for (std::uint32_t id = VRX_GROUP3_PROPERTY_ID_4; id <= VRX_GROUP3_PROPERTY_ID_6; ++id)
            group.FindItem(id)->Enable(true);
    } else if (info.byIPConfigMode == VRX_IP_CONFIG_DHCP) {
        dhcp12.Show(true);
        dhcp77.Show(true);
        for (std::uint32_t id = VRX_GROUP3_PROPERTY_ID_4; id <= VRX_GROUP3_PROPERTY_ID_6; ++id)
            group.FindItem(id)->Enable(false);
    }
}

// ---- groups 4 to 9 ----------------------------------------------------------------------------------------

void WLanAdvGroupEditor::InitGroup4Properties(const WLAN_ADVANCED_SYS_INFO& info) {
    char mac[18];
    std::snprintf(mac, sizeof mac, "%02X:%02X:%02X:%02X:%02X:%02X", info.FW_MACADDRESS[0],
                  info.FW_MACADDRESS[1], info.FW_MACADDRESS[2], info.FW_MACADDRESS[3], info.FW_MACADDRESS[4],
                  info.FW_MACADDRESS[5]);
    PropertyGroup& group = NewGroup(4);
    NewItem(group, VRX_GROUP4_PROPERTY_ID_1, PropertyKind::ReadOnly, RecordText(info.FW_VERSION))
        .Enable(false);
    NewItem(group, VRX_GROUP4_PROPERTY_ID_2, PropertyKind::ReadOnly, RecordText(info.FW_DATE)).Enable(false);
    NewItem(group, VRX_GROUP4_PROPERTY_ID_3, PropertyKind::ReadOnly, mac).Enable(false);
}

void WLanAdvGroupEditor::InitGroup5Properties(WLAN_ADVANCED_CONFIG_INFO& info) {
    const int inactivity = DeviceRecords::BigEndian16(info.byIncativityTime);
    // Without dual-band selection the band cannot be chosen.
    const int band = m_state.m_bWifiDirect && m_state.m_bRfModeSelection ? info.byRFMode : 10;

    PropertyGroup& group = NewGroup(5);
    NewItem(group, VRX_GROUP5_PROPERTY_ID_1, PropertyKind::Text, RecordText(info.bySystemName))
        .SetEditMask(Repeated('*', 63), Repeated('_', 63));
    NewItem(group, VRX_GROUP5_PROPERTY_ID_2, PropertyKind::Text, RecordText(info.byUserName))
        .SetEditMask(Repeated('*', 32), Repeated('_', 32));
    NewItem(group, VRX_GROUP5_PROPERTY_ID_3, PropertyKind::Password, RecordText(info.byUserPassword))
        .SetMaxLength(32);
    NewItem(group, VRX_GROUP5_PROPERTY_ID_4, PropertyKind::Text, std::to_string(inactivity))
        .SetEditMask("dddd", "____");
    PropertyItem& rf = NewItem(group, VRX_GROUP5_PROPERTY_ID_5, PropertyKind::Option);
    SetOptionTexts(rf.Id(), {kRf2_4GHz, kRf2_4GHz + 1, kRf2_4GHz + 2, kRf2_4GHz + 3});
    if (band >= 0 && band <= VRX_RF_MODE_DUAL_PRIORITY_5GHZ) {
        rf.SetValue(Text(kRf2_4GHz + band));
    } else {
        rf.SetValue(Text(kRf2_4GHz));
        rf.Enable(false);
    }
}

void WLanAdvGroupEditor::InitGroup6Properties(WLAN_ADVANCED_CONFIG_INFO& info) {
    // A module without SNMP reports its communities as "Not suppo...".
    const auto notSupported = [](const std::uint8_t(&field)[16]) {
        return RecordText(field).find("Not suppo") != std::string::npos;
    };
    if (notSupported(info.bySNMPGetCommunity) && notSupported(info.szSNMPSetCommunity) &&
        notSupported(info.szSNMPTrapCommunity))
        m_state.m_bSNMP = false;

    PropertyGroup& group = NewGroup(6);
    const std::uint8_t codes[] = {info.byWebSSL, info.byTelnet, info.byFTP, info.bySNMP};
    for (std::uint32_t id = VRX_GROUP6_PROPERTY_ID_1; id <= VRX_GROUP6_PROPERTY_ID_4; ++id) {
        const std::uint8_t code = codes[id - VRX_GROUP6_PROPERTY_ID_1];
        PropertyItem& item = NewItem(group, id, PropertyKind::Option, ServiceText(code));
        item.SetOptions({Text(kDisable), Text(kEnable)});
        if (code > VRX_SERVICE_ENABLED) {
            item.Enable(false);
            if (id == VRX_GROUP6_PROPERTY_ID_4)
                m_state.m_bSNMP = false;
        }
    }
    if (!m_state.m_bSNMP) {
        PropertyItem* snmp = group.FindItem(VRX_GROUP6_PROPERTY_ID_4);
        snmp->SetValue(Text(kNotSupported));
        snmp->Enable(false);
    }
}

void WLanAdvGroupEditor::InitGroup7Properties(WLAN_ADVANCED_CONFIG_INFO& info) {
    const std::uint8_t trap = info.bySNMPTrap;
    const auto community = [&](std::uint32_t id, const std::uint8_t(&field)[16], PropertyGroup& group) {
        NewItem(group, id, PropertyKind::Text, RecordText(field))
            .SetEditMask(Repeated('*', 16), Repeated('_', 16));
    };
    PropertyGroup& group = NewGroup(7);
    community(VRX_GROUP7_PROPERTY_ID_1, info.bySNMPGetCommunity, group);
    community(VRX_GROUP7_PROPERTY_ID_2, info.szSNMPSetCommunity, group);
    PropertyItem& trapItem =
        NewItem(group, VRX_GROUP7_PROPERTY_ID_3, PropertyKind::Option, ServiceText(trap));
    trapItem.SetOptions({Text(kDisable), Text(kEnable)});
    community(VRX_GROUP7_PROPERTY_ID_4, info.szSNMPTrapCommunity, group);
    NewItem(group, VRX_GROUP7_PROPERTY_ID_5, PropertyKind::Text, Address(info.byTrapIP))
        .SetEditMask(Repeated('*', 16), Repeated('_', 16));

    const auto notSupported = [&](std::uint32_t id) {
        PropertyItem* item = group.FindItem(id);
        item->SetValue(Text(kNotSupported));
        item->Enable(false);
    };
    if (trap > VRX_SERVICE_ENABLED)
        for (const std::uint32_t id :
             {VRX_GROUP7_PROPERTY_ID_3, VRX_GROUP7_PROPERTY_ID_4, VRX_GROUP7_PROPERTY_ID_5})
            notSupported(id);
    if (!m_state.m_bSNMP)
        for (std::uint32_t id = VRX_GROUP7_PROPERTY_ID_1; id <= VRX_GROUP7_PROPERTY_ID_5; ++id)
            notSupported(id);
}

void WLanAdvGroupEditor::InitGroup8Properties() {
    PropertyGroup& group = NewGroup(8);
    PropertyItem& type = NewItem(group, VRX_GROUP8_PROPERTY_ID_1, PropertyKind::Option);
    if (!m_state.m_bCertificateUpload) {
        type.SetOptions({Text(kNotSupported)});
        type.SetValue(Text(kNotSupported));
        type.Enable(false);
    } else {
        SetOptionTexts(type.Id(), {kCertificateCa, kCertificateCa + 1, kCertificateCa + 2});
        type.SetValue(Text(kCertificateCa));
    }
    m_state.m_nCertificateType = 0;
    if (m_state.m_bCertificateUpload)
        NewItem(group, VRX_GROUP8_PROPERTY_ID_2, PropertyKind::CertificateFile).AllowEdit(false);
}

void WLanAdvGroupEditor::InitGroup9Properties() {
    if (!m_state.m_bCertificateName)
        return;
    PropertyGroup& group = NewGroup(9);
    for (int type = 0; type < DeviceConfigState::kNumCertificateTypes; ++type)
        NewItem(group, VRX_GROUP9_PROPERTY_ID_1 + static_cast<std::uint32_t>(type), PropertyKind::Option,
                RecordText(m_state.m_CertificateName[type].byCertName))
            .Enable(false);
}

void WLanAdvGroupEditor::ShowUploadedCertificate(const std::string& fileName) {
    const int type = m_state.m_nCertificateType;
    if (!m_state.m_bCertificateName || type < 0 || type >= DeviceConfigState::kNumCertificateTypes)
        return;
    if (PropertyItem* item = m_grid2.FindItem(VRX_GROUP9_PROPERTY_ID_1 + static_cast<std::uint32_t>(type)))
        item->SetValue(fileName);
}

// ---- dispatch ---------------------------------------------------------------------------------------------

std::vector<std::pair<PropertyItem*, std::string>> WLanAdvGroupEditor::RowValues() const {
    std::vector<std::pair<PropertyItem*, std::string>> values;
    for (const PropertyGrid* grid : {&m_grid1, &m_grid2})
        for (PropertyItem* item : grid->Items())
            values.emplace_back(item, item->Value());
    return values;
}

void WLanAdvGroupEditor::MarkChangedRows(const std::vector<std::pair<PropertyItem*, std::string>>& before) {
    for (const auto& [item, value] : before)
        if (item->Value() != value)
            item->SetModified(true);
}

void WLanAdvGroupEditor::PropertyChanged(PropertyItem* pProp) {
    m_bLastChangeRefused = false;
    if (!pProp)
        return;
    // Every row a rule changes is marked, as the row the user changed is. A refused change changed nothing:
    // its row shows the record again, marked as that says.
    const auto before = RowValues();
    Dispatch(pProp);
    if (!m_bLastChangeRefused)
        MarkChangedRows(before);
}

void WLanAdvGroupEditor::Dispatch(PropertyItem* pProp) {
    const std::uint32_t id = pProp->Id();
    if (id >= 1 && id <= 5)
        UpdateGroup1Properties(pProp);
    else if (id >= 6 && id <= 13)
        UpdateGroup2Properties(pProp);
    else if (id >= 14 && id <= 20)
        UpdateGroup3Properties(pProp);
    else if (id >= 24 && id <= 28)
        UpdateGroup5Properties(pProp);
    else if (id >= 29 && id <= 32)
        UpdateGroup6Properties(pProp);
    else if (id >= 33 && id <= 37)
        UpdateGroup7Properties(pProp);
    else if (id >= 38 && id <= 39)
        UpdateGroup8Properties(pProp);
}

void WLanAdvGroupEditor::ResetDhcpOptionItems() {
    m_state.m_nDhcpOption12 = m_state.m_nDhcpOption12AsRead;
    m_state.m_nDhcpOption77 = m_state.m_nDhcpOption77AsRead;
    SetItemValue(VRX_GROUP3_PROPERTY_ID_2, Text(m_state.m_nDhcpOption12AsRead == 1 ? kEnable : kDisable));
    SetItemValue(VRX_GROUP3_PROPERTY_ID_3, Text(m_state.m_nDhcpOption77AsRead == 1 ? kEnable : kDisable));
}

// ---- group 1 ----------------------------------------------------------------------------------------------

void WLanAdvGroupEditor::UpdateGroup1Properties(PropertyItem* pProp) {
    if (!pProp) {
        WriteLog("UpdateGroup1Properties : pProp is NULL");
        return;
    }
    WLAN_ADVANCED_CONFIG_INFO& info = m_state.m_ConfigurationInfo;
    const int index = pProp->SelectedIndex();
    switch (pProp->Id()) {
    case VRX_GROUP1_PROPERTY_ID_1:
        ShowRecordAfterRefusal(*pProp, m_validator.DataValidation4SSID(pProp->Value()));
        return;
    case VRX_GROUP1_PROPERTY_ID_5:
        ShowRecordAfterRefusal(*pProp, m_validator.DataValidation4PinCode(pProp->Value()));
        return;
    case VRX_GROUP1_PROPERTY_ID_3:
        if (index >= 0 && index < 14)
            info.byAdhocChannel = static_cast<std::uint8_t>(index + 1);
        return;
    case VRX_GROUP1_PROPERTY_ID_4: {
        static const char* const channels[] = {"1", "6", "11"};
        if (index >= 0 && index < 3) {
            std::memset(info.byP2P_Channel, 0, sizeof info.byP2P_Channel);
            std::memcpy(info.byP2P_Channel, channels[index], std::strlen(channels[index]));
        }
        return;
    }
    case VRX_GROUP1_PROPERTY_ID_2:
        break;
    default:
        return;
    }

    // WLAN Mode. The item's options are the modes the module offers, in code order but with gaps (Soft AP
    // without Wi-Fi Direct is the third option): the picked option's text tells the mode. A temporary item
    // without options carries the code itself.
    int newMode = index;
    if (pProp->OptionCount() > 0) {
        newMode = -1;
        for (int code = 0; code <= VRX_NETWORK_MODE_SOFT_AP && index >= 0 && index < pProp->OptionCount();
             ++code)
            if (pProp->Options()[static_cast<std::size_t>(index)] == Text(kModeInfrastructure + code))
                newMode = code;
    }
    const PropertyItem* modeItem = Find(VRX_GROUP1_PROPERTY_ID_2);
    if (newMode < 0 || newMode > VRX_NETWORK_MODE_SOFT_AP ||
        (modeItem && modeItem->IndexOfOption(Text(kModeInfrastructure + newMode)) < 0))
        return;
    ShowItem(VRX_GROUP1_PROPERTY_ID_3, false);
    ShowItem(VRX_GROUP1_PROPERTY_ID_4, false);
    ShowItem(VRX_GROUP1_PROPERTY_ID_5, false);
    ShowItems(VRX_GROUP2_PROPERTY_ID_3, VRX_GROUP2_PROPERTY_ID_8, false);

    if (PropertyItem* authentication = Find(VRX_GROUP2_PROPERTY_ID_1))
        authentication->RemoveAllOptions();
    if (PropertyItem* encryption = Find(VRX_GROUP2_PROPERTY_ID_2)) {
        encryption->RemoveAllOptions();
        SetOptionTexts(encryption->Id(), {186, 187, 188});
        encryption->SetValue(Text(kEncryptionNone));
        encryption->Enable(true);
    }
    info.byAuthentication = VRX_AUTH_OPEN_SYSTEM;
    info.byEncryption = VRX_ENCRYPTION_NONE;

    // Ad hoc and Soft AP networks take a manual address: the DHCP options return to what was read.
    const auto manualOnly = [&] {
        info.byIPConfigMode = VRX_IP_CONFIG_MANUAL;
        ResetDhcpOptionItems();
        ShowItem(VRX_GROUP3_PROPERTY_ID_2, false);
        ShowItem(VRX_GROUP3_PROPERTY_ID_3, false);
    };
    switch (newMode) {
    case VRX_NETWORK_MODE_INFRASTRUCTURE:
        info.byNetworkMode = VRX_NETWORK_MODE_INFRASTRUCTURE;
        SetOptionTexts(VRX_GROUP2_PROPERTY_ID_1, {179, 180, 181, 182, 183, 184});
        EnableItem(VRX_GROUP3_PROPERTY_ID_1, true);
        break;
    case VRX_NETWORK_MODE_ADHOC:
        info.byNetworkMode = VRX_NETWORK_MODE_ADHOC;
        manualOnly();
        SetOptionTexts(VRX_GROUP2_PROPERTY_ID_1, {179, 180});
        ShowItem(VRX_GROUP1_PROPERTY_ID_3, true);
        EnableItem(VRX_GROUP3_PROPERTY_ID_1, false);
        break;
    case VRX_NETWORK_MODE_WIFI_DIRECT:
        info.byNetworkMode = VRX_NETWORK_MODE_WIFI_DIRECT;
        SetOptionTexts(VRX_GROUP2_PROPERTY_ID_1, {179, 180});
        ShowItem(VRX_GROUP1_PROPERTY_ID_4, true);
        ShowItem(VRX_GROUP1_PROPERTY_ID_5, true);
        EnableItem(VRX_GROUP3_PROPERTY_ID_1, true);
        break;
    default: // Soft AP
        manualOnly();
        info.byNetworkMode = VRX_NETWORK_MODE_SOFT_AP;
        SetOptionTexts(VRX_GROUP2_PROPERTY_ID_1, {179, 181, 182});
        EnableItem(VRX_GROUP2_PROPERTY_ID_2, false);
        EnableItem(VRX_GROUP3_PROPERTY_ID_1, false);
        break;
    }
    SetItemValue(VRX_GROUP2_PROPERTY_ID_1, Text(kAuthOpenSystem));
    if (PropertyItem* mode = Find(VRX_GROUP1_PROPERTY_ID_2)) {
        mode->SetValue(Text(kModeInfrastructure + info.byNetworkMode));
        mode->SetModified(true);
    }
    if (info.byIPConfigMode == VRX_IP_CONFIG_MANUAL) {
        SetItemValue(VRX_GROUP3_PROPERTY_ID_1, Text(kIpManual));
        for (std::uint32_t id = VRX_GROUP3_PROPERTY_ID_4; id <= VRX_GROUP3_PROPERTY_ID_6; ++id)
            EnableItem(id, true);
    } else if (info.byIPConfigMode == VRX_IP_CONFIG_DHCP) {
        SetItemValue(VRX_GROUP3_PROPERTY_ID_1, Text(kIpDhcp));
        for (std::uint32_t id = VRX_GROUP3_PROPERTY_ID_4; id <= VRX_GROUP3_PROPERTY_ID_6; ++id)
            EnableItem(id, false);
    }
}

// ---- group 2 ----------------------------------------------------------------------------------------------

void WLanAdvGroupEditor::KeepEncryptionEnabling() {
    if (PropertyItem* encryption = Find(VRX_GROUP2_PROPERTY_ID_2))
        encryption->Enable(encryption->OptionCount() >= 2);
}

void WLanAdvGroupEditor::UpdateGroup2Properties(PropertyItem* pProp) {
    if (!pProp) {
        WriteLog("UpdateGroup2Properties : pProp is NULL");
        return;
    }
    WLAN_ADVANCED_CONFIG_INFO& info = m_state.m_ConfigurationInfo;
    const int index = pProp->SelectedIndex();
    const bool softAp = info.byNetworkMode == VRX_NETWORK_MODE_SOFT_AP;
    switch (pProp->Id()) {
    case VRX_GROUP2_PROPERTY_ID_1: {
        const PropertyItem* authentication = Find(VRX_GROUP2_PROPERTY_ID_1);
        if (index < 0 || (authentication && index >= authentication->OptionCount()))
            return;
        ShowItems(VRX_GROUP2_PROPERTY_ID_3, VRX_GROUP2_PROPERTY_ID_8, false);
        // Soft AP's list lacks Shared Key.
        info.byAuthentication = static_cast<std::uint8_t>(softAp && index != 0 ? index + 1 : index);
        if (info.byAuthentication > VRX_AUTH_WPA2_EAP)
            info.byAuthentication = VRX_AUTH_WPA2_EAP;
        if (PropertyItem* item = Find(VRX_GROUP2_PROPERTY_ID_1)) {
            item->SetValue(Text(kAuthOpenSystem + info.byAuthentication));
            item->SetModified(true);
        }
        EnableItem(VRX_GROUP2_PROPERTY_ID_2, true);
        PropertyItem* encryption = Find(VRX_GROUP2_PROPERTY_ID_2);
        switch (info.byAuthentication) {
        case VRX_AUTH_OPEN_SYSTEM:
            SetOptionTexts(VRX_GROUP2_PROPERTY_ID_2, {186});
            if (softAp) {
                SetItemValue(VRX_GROUP2_PROPERTY_ID_2, Text(kEncryptionNone));
                EnableItem(VRX_GROUP2_PROPERTY_ID_2, false);
                info.byEncryption = VRX_ENCRYPTION_NONE;
            } else {
                SetOptionTexts(VRX_GROUP2_PROPERTY_ID_2, {186, 187, 188});
                SetItemValue(VRX_GROUP2_PROPERTY_ID_2, Text(kEncryptionNone + 1));
                info.byEncryption = VRX_ENCRYPTION_WEP64;
            }
            ShowItem(VRX_GROUP2_PROPERTY_ID_5, encryption && encryption->IsEnabled());
            break;
        case VRX_AUTH_SHARED_KEY:
            SetOptionTexts(VRX_GROUP2_PROPERTY_ID_2, {187, 188});
            SetItemValue(VRX_GROUP2_PROPERTY_ID_2, Text(kEncryptionNone + 1));
            info.byEncryption = VRX_ENCRYPTION_WEP64;
            ShowItem(VRX_GROUP2_PROPERTY_ID_5, true);
            break;
        case VRX_AUTH_WPA_PSK:
        case VRX_AUTH_WPA2_PSK:
            info.byEncryption =
                info.byAuthentication == VRX_AUTH_WPA_PSK ? VRX_ENCRYPTION_TKIP : VRX_ENCRYPTION_AES;
            SetOptionTexts(VRX_GROUP2_PROPERTY_ID_2, {189, 190, 191});
            SetItemValue(VRX_GROUP2_PROPERTY_ID_2, Text(kEncryptionNone + info.byEncryption));
            ShowItem(VRX_GROUP2_PROPERTY_ID_4, true);
            break;
        default: // WPA-EAP, WPA2-EAP
            info.byEncryption = VRX_ENCRYPTION_TKIP;
            SetOptionTexts(VRX_GROUP2_PROPERTY_ID_2, {189, 190, 191});
            SetItemValue(VRX_GROUP2_PROPERTY_ID_2, Text(kEncryptionNone + VRX_ENCRYPTION_TKIP));
            ShowItem(VRX_GROUP2_PROPERTY_ID_3, true);
            ShowItem(VRX_GROUP2_PROPERTY_ID_7, true);
            ShowItem(VRX_GROUP2_PROPERTY_ID_8, true);
            break;
        }
        break;
    }
    case VRX_GROUP2_PROPERTY_ID_2: {
        const PropertyItem* encryption = Find(VRX_GROUP2_PROPERTY_ID_2);
        if (index < 0 || (encryption && index >= encryption->OptionCount()))
            return;
        ShowItems(VRX_GROUP2_PROPERTY_ID_3, VRX_GROUP2_PROPERTY_ID_8, false);
        const std::uint8_t A = info.byAuthentication;
        const int offset = A == VRX_AUTH_SHARED_KEY                            ? 1
                           : (A >= VRX_AUTH_WPA_PSK && A <= VRX_AUTH_WPA2_EAP) ? 3
                                                                               : 0;
        info.byEncryption = static_cast<std::uint8_t>(index + offset);
        if (A <= VRX_AUTH_SHARED_KEY) {
            if (info.byEncryption == VRX_ENCRYPTION_WEP64)
                ShowItem(VRX_GROUP2_PROPERTY_ID_5, true);
            else if (info.byEncryption == VRX_ENCRYPTION_WEP128)
                ShowItem(VRX_GROUP2_PROPERTY_ID_6, true);
        } else if (A == VRX_AUTH_WPA_PSK || A == VRX_AUTH_WPA2_PSK) {
            ShowItem(VRX_GROUP2_PROPERTY_ID_4, true);
        } else if (A == VRX_AUTH_WPA_EAP || A == VRX_AUTH_WPA2_EAP) {
            ShowItem(VRX_GROUP2_PROPERTY_ID_3, true);
            ShowItem(VRX_GROUP2_PROPERTY_ID_7, true);
            ShowItem(VRX_GROUP2_PROPERTY_ID_8, true);
        }
        if (PropertyItem* item = Find(VRX_GROUP2_PROPERTY_ID_2)) {
            if (info.byEncryption <= VRX_ENCRYPTION_AES_TKIP)
                item->SetValue(Text(kEncryptionNone + info.byEncryption));
            item->SetModified(true);
        }
        break;
    }
    case VRX_GROUP2_PROPERTY_ID_3:
        if (index >= 0 && index <= VRX_EAP_FAST)
            info.byEAPMode = static_cast<std::uint8_t>(index);
        break;
    case VRX_GROUP2_PROPERTY_ID_4:
        ShowRecordAfterRefusal(*pProp, m_validator.DataValidation4PSKKey(pProp->Value()));
        break;
    case VRX_GROUP2_PROPERTY_ID_5:
        ShowRecordAfterRefusal(*pProp, m_validator.DataValidation4WEPKey64bit(pProp->Value()));
        break;
    case VRX_GROUP2_PROPERTY_ID_6:
        ShowRecordAfterRefusal(*pProp, m_validator.DataValidation4WEPKey128bit(pProp->Value()));
        break;
    case VRX_GROUP2_PROPERTY_ID_7:
        ShowRecordAfterRefusal(*pProp, m_validator.DataValidation4EapID(pProp->Value()));
        break;
    case VRX_GROUP2_PROPERTY_ID_8:
        ShowRecordAfterRefusal(*pProp, m_validator.DataValidation4EapPassword(pProp->Value()));
        break;
    default:
        return;
    }
    KeepEncryptionEnabling();
}

// ---- group 3 ----------------------------------------------------------------------------------------------

void WLanAdvGroupEditor::UpdateGroup3Properties(PropertyItem* pProp) {
    if (!pProp) {
        WriteLog("UpdateGroup3Properties : pProp is NULL");
        return;
    }
    WLAN_ADVANCED_CONFIG_INFO& info = m_state.m_ConfigurationInfo;
    const int index = pProp->SelectedIndex();
    switch (pProp->Id()) {
    case VRX_GROUP3_PROPERTY_ID_1:
        if (index == VRX_IP_CONFIG_DHCP) {
            info.byIPConfigMode = VRX_IP_CONFIG_DHCP;
            ShowItem(VRX_GROUP3_PROPERTY_ID_2, true);
            ShowItem(VRX_GROUP3_PROPERTY_ID_3, true);
            for (std::uint32_t id = VRX_GROUP3_PROPERTY_ID_4; id <= VRX_GROUP3_PROPERTY_ID_6; ++id)
                EnableItem(id, false);
        } else if (index == VRX_IP_CONFIG_MANUAL) {
            info.byIPConfigMode = VRX_IP_CONFIG_MANUAL;
            ResetDhcpOptionItems();
            ShowItem(VRX_GROUP3_PROPERTY_ID_2, false);
            ShowItem(VRX_GROUP3_PROPERTY_ID_3, false);
            for (std::uint32_t id = VRX_GROUP3_PROPERTY_ID_4; id <= VRX_GROUP3_PROPERTY_ID_6; ++id)
                EnableItem(id, true);
        }
        return;
    case VRX_GROUP3_PROPERTY_ID_2:
        if (index == 0 || index == 1)
            m_state.m_nDhcpOption12 = index;
        return;
    case VRX_GROUP3_PROPERTY_ID_3:
        if (index == 0 || index == 1)
            m_state.m_nDhcpOption77 = index;
        return;
    case VRX_GROUP3_PROPERTY_ID_4:
    case VRX_GROUP3_PROPERTY_ID_5:
    case VRX_GROUP3_PROPERTY_ID_6: {
        // The address dialog returns all three addresses, whichever item opened it.
        struct Place {
            std::uint32_t id;
            const std::uint8_t* store;
            std::uint8_t* field;
        };
        const Place places[] = {{VRX_GROUP3_PROPERTY_ID_4, m_addresses.ip, info.byIP},
                                {VRX_GROUP3_PROPERTY_ID_5, m_addresses.subnetMask, info.bySubnetMask},
                                {VRX_GROUP3_PROPERTY_ID_6, m_addresses.gateway, info.byGateway}};
        for (const Place& place : places) {
            if (std::memcmp(place.store, place.field, 4) == 0)
                continue;
            std::memcpy(place.field, place.store, 4);
            if (PropertyItem* item = Find(place.id)) {
                char text[16];
                std::snprintf(text, sizeof text, "%d.%d.%d.%d", place.store[0], place.store[1],
                              place.store[2], place.store[3]);
                item->SetValue(text);
                item->SetModified(true);
            }
        }
        return;
    }
    case VRX_GROUP3_PROPERTY_ID_7: {
        long long n = LeadingInteger(pProp->Value());
        if (n <= 0)
            n = 9100;
        else if (n > 32767)
            n = 32767;
        else if (n == 21 || n == 23 || n == 25 || n == 80 || n == 443 || n == 3318)
            n = 9100; // the module's own services
        SetItemValue(VRX_GROUP3_PROPERTY_ID_7, std::to_string(n));
        DeviceRecords::SetBigEndian16(info.byPortNumber, static_cast<std::uint16_t>(n));
        return;
    }
    default:
        return;
    }
}

// ---- groups 5 to 8 ----------------------------------------------------------------------------------------

void WLanAdvGroupEditor::UpdateGroup5Properties(PropertyItem* pProp) {
    if (!pProp) {
        WriteLog("UpdateGroup5Properties : pProp is NULL");
        return;
    }
    WLAN_ADVANCED_CONFIG_INFO& info = m_state.m_ConfigurationInfo;
    switch (pProp->Id()) {
    case VRX_GROUP5_PROPERTY_ID_1:
        ShowRecordAfterRefusal(*pProp, m_validator.DataValidation4SystemName(pProp->Value()));
        break;
    case VRX_GROUP5_PROPERTY_ID_2:
        ShowRecordAfterRefusal(*pProp, m_validator.DataValidation4AdminID(pProp->Value()));
        break;
    case VRX_GROUP5_PROPERTY_ID_3:
        ShowRecordAfterRefusal(*pProp, m_validator.DataValidation4AdminPW(pProp->Value()));
        break;
    case VRX_GROUP5_PROPERTY_ID_4: {
        long long seconds = LeadingInteger(pProp->Value());
        seconds = seconds < 1 ? 0 : std::min<long long>(seconds, 3600);
        SetItemValue(VRX_GROUP5_PROPERTY_ID_4, std::to_string(seconds));
        DeviceRecords::SetBigEndian16(info.byIncativityTime, static_cast<std::uint16_t>(seconds));
        break;
    }
    case VRX_GROUP5_PROPERTY_ID_5: {
        const int index = pProp->SelectedIndex();
        if (index >= 0 && index <= VRX_RF_MODE_DUAL_PRIORITY_5GHZ)
            info.byRFMode = static_cast<std::uint8_t>(index);
        break;
    }
    default:
        break;
    }
}

void WLanAdvGroupEditor::UpdateGroup6Properties(PropertyItem* pProp) {
    if (!pProp) {
        WriteLog("UpdateGroup6Properties : pProp is NULL");
        return;
    }
    WLAN_ADVANCED_CONFIG_INFO& info = m_state.m_ConfigurationInfo;
    const int index = pProp->SelectedIndex();
    if (index != VRX_SERVICE_DISABLED && index != VRX_SERVICE_ENABLED)
        return;
    const auto code = static_cast<std::uint8_t>(index);
    switch (pProp->Id()) {
    case VRX_GROUP6_PROPERTY_ID_1:
        info.byWebSSL = code;
        break;
    case VRX_GROUP6_PROPERTY_ID_2:
        info.byTelnet = code;
        break;
    case VRX_GROUP6_PROPERTY_ID_3:
        info.byFTP = code;
        break;
    case VRX_GROUP6_PROPERTY_ID_4:
        info.bySNMP = code;
        break;
    default:
        break;
    }
}

void WLanAdvGroupEditor::UpdateGroup7Properties(PropertyItem* pProp) {
    if (!pProp) {
        WriteLog("UpdateGroup7Properties : pProp is NULL");
        return;
    }
    switch (pProp->Id()) {
    case VRX_GROUP7_PROPERTY_ID_1:
        ShowRecordAfterRefusal(*pProp, m_validator.DataValidation4ReadCommunityName(pProp->Value()));
        break;
    case VRX_GROUP7_PROPERTY_ID_2:
        ShowRecordAfterRefusal(*pProp, m_validator.DataValidation4WriteCommunityName(pProp->Value()));
        break;
    case VRX_GROUP7_PROPERTY_ID_3: {
        const int index = pProp->SelectedIndex();
        if (index == VRX_SERVICE_DISABLED || index == VRX_SERVICE_ENABLED)
            m_state.m_ConfigurationInfo.bySNMPTrap = static_cast<std::uint8_t>(index);
        break;
    }
    case VRX_GROUP7_PROPERTY_ID_4:
        ShowRecordAfterRefusal(*pProp, m_validator.DataValidation4TrapCommunityName(pProp->Value()));
        break;
    case VRX_GROUP7_PROPERTY_ID_5:
        ShowRecordAfterRefusal(*pProp, m_validator.DataValidation4TrapIPAddress(pProp->Value()));
        break;
    default:
        break;
    }
}

void WLanAdvGroupEditor::UpdateGroup8Properties(PropertyItem* pProp) {
    if (!pProp) {
        WriteLog("UpdateGroup8Properties : pProp is NULL");
        return;
    }
    if (pProp->Id() == VRX_GROUP8_PROPERTY_ID_1) {
        const int index = pProp->SelectedIndex();
        if (index >= 0 && index < DeviceConfigState::kNumCertificateTypes)
            m_state.m_nCertificateType = index;
    }
}

// ---- taking over an access point -------------------------------------------------------------------------

bool WLanAdvGroupEditor::UpdateCurrentConfiguration(int i) {
    if (i < 0 || i >= VRX_MAX_BSS_INFO)
        return false;
    const BSS_INFO& entry = m_state.m_BSSInfo[i];
    const int M = entry.byNetworkMode;
    const int S = entry.bySecurity;
    if (M != VRX_NETWORK_MODE_INFRASTRUCTURE && M != VRX_NETWORK_MODE_ADHOC)
        return false;
    const bool wpa =
        S == VRX_BSS_SECURITY_WPA || S == VRX_BSS_SECURITY_WPA2 || S == VRX_BSS_SECURITY_WPA_WPA2;
    if (wpa && M == VRX_NETWORK_MODE_ADHOC)
        return false;
    if (!wpa && (S < 0 || S > VRX_BSS_SECURITY_WEP64_128))
        return false;
    const std::string ssid = DeviceRecords::FieldText(entry.bySSID);
    if (ssid.empty() || DeviceRecords::IsBlank(ssid)) {
        WriteLog("UpdateCurrentConfiguration : SSID Name is NULL");
        return false;
    }
    int A = 0, E = 0;
    switch (S) {
    case VRX_BSS_SECURITY_NONE:
        break;
    case VRX_BSS_SECURITY_WEP64:
    case VRX_BSS_SECURITY_WEP64_128:
        A = VRX_AUTH_SHARED_KEY;
        E = VRX_ENCRYPTION_WEP64;
        break;
    case VRX_BSS_SECURITY_WEP128:
        A = VRX_AUTH_SHARED_KEY;
        E = VRX_ENCRYPTION_WEP128;
        break;
    case VRX_BSS_SECURITY_WPA:
        A = VRX_AUTH_WPA_PSK;
        E = VRX_ENCRYPTION_TKIP;
        break;
    default: // WPA2, and WPA/WPA2: the stronger of what the access point offers
        A = VRX_AUTH_WPA2_PSK;
        E = VRX_ENCRYPTION_AES;
        break;
    }
    if (A == VRX_AUTH_SHARED_KEY)
        E -= 1;
    else if (A >= VRX_AUTH_WPA_PSK && A <= VRX_AUTH_WPA2_EAP)
        E -= 3;

    const auto before = RowValues();
    PropertyItem ssidItem(VRX_GROUP1_PROPERTY_ID_1, {}, PropertyKind::AccessPoint, ssid);
    UpdateGroup1Properties(&ssidItem);
    PropertyItem modeItem(VRX_GROUP1_PROPERTY_ID_2, {}, PropertyKind::Option);
    modeItem.SetStoredIndex(M);
    UpdateGroup1Properties(&modeItem);
    PropertyItem authenticationItem(VRX_GROUP2_PROPERTY_ID_1, {}, PropertyKind::Option);
    authenticationItem.SetStoredIndex(A);
    UpdateGroup2Properties(&authenticationItem);
    PropertyItem encryptionItem(VRX_GROUP2_PROPERTY_ID_2, {}, PropertyKind::Option);
    encryptionItem.SetStoredIndex(E);
    UpdateGroup2Properties(&encryptionItem);
    MarkChangedRows(before);
    return true;
}

// ---- what the field checks and the exchanges see --------------------------------------------------------

std::vector<IPropertyItem*> WLanAdvGroupEditor::Items(int grid) {
    std::vector<IPropertyItem*> items;
    if (grid != 1 && grid != 2)
        return items;
    for (PropertyItem* item : Grid(grid).Items())
        items.push_back(item);
    return items;
}

IPropertyItem* WLanAdvGroupEditor::FindItem(int grid, std::uint32_t id) {
    if (grid != 1 && grid != 2)
        return nullptr;
    return Grid(grid).FindItem(id);
}

std::vector<int> WLanAdvGroupEditor::VisibleItemIdentifiers(int nGrid) {
    if (nGrid != 1 && nGrid != 2)
        return {};
    return Grid(nGrid).VisibleItemIdentifiers();
}
