#include "devcfg/PropertyTable.h"

#include "devcfg/DeviceRecordFields.h"

#include <array>

namespace PropertyTable {

namespace {

using K = PropertyKind;

constexpr Property kProperties[] = {
    {1, "VRX_GROUP1_PROPERTY_ID_1", 1, 173, K::AccessPoint, "bySSID", 0, {"bySSID", {}}},
    {2, "VRX_GROUP1_PROPERTY_ID_2", 1, 167, K::Option, "byNetworkMode", 0, {"byNetworkMode", {}}},
    {3, "VRX_GROUP1_PROPERTY_ID_3", 1, 172, K::Option, "byAdhocChannel", 0, {"byAdhocChannel", {}}},
    {4, "VRX_GROUP1_PROPERTY_ID_4", 1, 172, K::Option, "byP2P_Channel", 0, {"byP2P_Channel", {}}},
    {5, "VRX_GROUP1_PROPERTY_ID_5", 1, 175, K::Text, "byP2P_PinCode", 0, {"byP2P_PinCode", {}}},
    {6, "VRX_GROUP2_PROPERTY_ID_1", 2, 178, K::Option, "byAuthentication", 0, {"byAuthentication", {}}},
    {7, "VRX_GROUP2_PROPERTY_ID_2", 2, 185, K::Option, "byEncryption", 0, {"byEncryption", {}}},
    {8, "VRX_GROUP2_PROPERTY_ID_3", 2, 192, K::Option, "byEAPMode", 0, {"byEAPMode", {}}},
    {9, "VRX_GROUP2_PROPERTY_ID_4", 2, 199, K::Password, "byPSK_Key", 0, {"byPSK_Key", {}}},
    {10, "VRX_GROUP2_PROPERTY_ID_5", 2, 269, K::Password, "byWEP_Key0", 0, {"byWEP_Key0", {}}},
    {11, "VRX_GROUP2_PROPERTY_ID_6", 2, 270, K::Password, "byWEP_Key0", 0, {"byWEP_Key0", {}}},
    {12, "VRX_GROUP2_PROPERTY_ID_7", 2, 204, K::Text, "szEAP_Id", 0, {"szEAP_Id", {}}},
    {13, "VRX_GROUP2_PROPERTY_ID_8", 2, 205, K::Password, "szEAP_Password", 0, {"szEAP_Password", {}}},
    {14, "VRX_GROUP3_PROPERTY_ID_1", 3, 207, K::Option, "byIPConfigMode", 0, {"byIPConfigMode", "byDummy3"}},
    // The DHCP option items show bits of byDummy3; item 14 sends that field.
    {15, "VRX_GROUP3_PROPERTY_ID_2", 3, 210, K::Option, "byDummy3", VRX_DUMMY3_DHCP_OPTION12_DISABLED, {}},
    {16, "VRX_GROUP3_PROPERTY_ID_3", 3, 210, K::Option, "byDummy3", VRX_DUMMY3_DHCP_OPTION77_DISABLED, {}},
    {17, "VRX_GROUP3_PROPERTY_ID_4", 3, 208, K::Address, "byIP", 0, {"byIP", {}}},
    {18, "VRX_GROUP3_PROPERTY_ID_5", 3, 211, K::Address, "bySubnetMask", 0, {"bySubnetMask", {}}},
    {19, "VRX_GROUP3_PROPERTY_ID_6", 3, 212, K::Address, "byGateway", 0, {"byGateway", {}}},
    {20, "VRX_GROUP3_PROPERTY_ID_7", 3, 213, K::Text, "byPortNumber", 0, {"byPortNumber", {}}},
    {21, "VRX_GROUP4_PROPERTY_ID_1", 4, 215, K::ReadOnly, "FW_VERSION", 0, {}},
    {22, "VRX_GROUP4_PROPERTY_ID_2", 4, 216, K::ReadOnly, "FW_DATE", 0, {}},
    {23, "VRX_GROUP4_PROPERTY_ID_3", 4, 217, K::ReadOnly, "FW_MACADDRESS", 0, {}},
    {24, "VRX_GROUP5_PROPERTY_ID_1", 5, 219, K::Text, "bySystemName", 0, {"bySystemName", {}}},
    {25, "VRX_GROUP5_PROPERTY_ID_2", 5, 220, K::Text, "byUserName", 0, {"byUserName", {}}},
    {26, "VRX_GROUP5_PROPERTY_ID_3", 5, 221, K::Password, "byUserPassword", 0, {"byUserPassword", {}}},
    {27, "VRX_GROUP5_PROPERTY_ID_4", 5, 222, K::Text, "byIncativityTime", 0, {"byIncativityTime", {}}},
    {28, "VRX_GROUP5_PROPERTY_ID_5", 5, 223, K::Option, "byRFMode", 0, {"byRFMode", {}}},
    {29, "VRX_GROUP6_PROPERTY_ID_1", 6, 228, K::Option, "byWebSSL", 0, {"byWebSSL", {}}},
    {30, "VRX_GROUP6_PROPERTY_ID_2", 6, 229, K::Option, "byTelnet", 0, {"byTelnet", {}}},
    {31, "VRX_GROUP6_PROPERTY_ID_3", 6, 230, K::Option, "byFTP", 0, {"byFTP", {}}},
    {32, "VRX_GROUP6_PROPERTY_ID_4", 6, 231, K::Option, "bySNMP", 0, {"bySNMP", {}}},
    {33, "VRX_GROUP7_PROPERTY_ID_1", 7, 235, K::Text, "bySNMPGetCommunity", 0, {"bySNMPGetCommunity", {}}},
    {34, "VRX_GROUP7_PROPERTY_ID_2", 7, 236, K::Text, "szSNMPSetCommunity", 0, {"szSNMPSetCommunity", {}}},
    // The trap item sends the trap community too: a hidden community item still goes out with the trap.
    {35,
     "VRX_GROUP7_PROPERTY_ID_3",
     7,
     277,
     K::Option,
     "bySNMPTrap",
     0,
     {"bySNMPTrap", "szSNMPTrapCommunity"}},
    {36, "VRX_GROUP7_PROPERTY_ID_4", 7, 237, K::Text, "szSNMPTrapCommunity", 0, {"szSNMPTrapCommunity", {}}},
    {37, "VRX_GROUP7_PROPERTY_ID_5", 7, 238, K::Text, "byTrapIP", 0, {"byTrapIP", {}}},
    {38, "VRX_GROUP8_PROPERTY_ID_1", 8, 240, K::Option, "m_nCertificateType", 0, {}},
    {39, "VRX_GROUP8_PROPERTY_ID_2", 8, 241, K::CertificateFile, {}, 0, {}},
    {40, "VRX_GROUP9_PROPERTY_ID_1", 9, 246, K::Option, "byCertName[0]", 0, {}},
    {41, "VRX_GROUP9_PROPERTY_ID_2", 9, 247, K::Option, "byCertName[1]", 0, {}},
    {42, "VRX_GROUP9_PROPERTY_ID_3", 9, 248, K::Option, "byCertName[2]", 0, {}},
};

constexpr bool IdentifiersInOrder() {
    for (std::size_t i = 0; i < std::size(kProperties); ++i)
        if (kProperties[i].id != i + 1)
            return false;
    return true;
}
static_assert(IdentifiersInOrder(), "property i sits at position i - 1");

// The byte ranges each property sends, from the record's field names.
struct SentRanges {
    std::array<DeviceRecords::ByteRange, 2> ranges{};
    std::size_t count = 0;
};

const std::array<SentRanges, std::size(kProperties)>& AllSentRanges() {
    static const std::array<SentRanges, std::size(kProperties)> table = [] {
        std::array<SentRanges, std::size(kProperties)> result{};
        for (std::size_t i = 0; i < std::size(kProperties); ++i)
            for (const std::string_view name : kProperties[i].sent)
                if (!name.empty())
                    if (const DeviceRecordFields::Field* field = DeviceRecordFields::Find(name))
                        result[i].ranges[result[i].count++] = {field->offset, field->size};
        return result;
    }();
    return table;
}

} // namespace

std::span<const Property> All() {
    return kProperties;
}

const Property* Find(std::uint32_t id) {
    return id >= 1 && id <= std::size(kProperties) ? &kProperties[id - 1] : nullptr;
}

int GridOfGroup(int group) {
    return group >= 1 && group <= 5 ? 1 : group >= 6 && group <= 9 ? 2 : 0;
}

std::vector<const Property*> ShowingField(std::string_view name) {
    std::vector<const Property*> result;
    for (const Property& property : kProperties)
        if (!name.empty() && property.shown == name)
            result.push_back(&property);
    return result;
}

std::span<const DeviceRecords::ByteRange> SentFields(int nGrid, int nItemId) {
    const bool inRange =
        (nGrid == 1 && nItemId >= 1 && nItemId <= 28) || (nGrid == 2 && nItemId >= 29 && nItemId <= 37);
    if (!inRange)
        return {};
    const SentRanges& sent = AllSentRanges()[static_cast<std::size_t>(nItemId - 1)];
    return std::span<const DeviceRecords::ByteRange>(sent.ranges.data(), sent.count);
}

} // namespace PropertyTable
