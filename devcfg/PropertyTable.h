#pragma once

#include "devcfg/DeviceRecords.h"
#include "devcfg/PropertyKind.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// The one table of the advanced settings grid's properties: identifier, constant, group, name text, kind,
// the record field the property shows and the fields a save takes from the working record while the
// property is visible. The group builders, the update rules, the merge of the record sent and the command
// line's field names all read it.
namespace PropertyTable {

struct Property {
    std::uint32_t id;
    std::string_view constant; // "VRX_GROUP1_PROPERTY_ID_1"
    int group;                 // 1 to 9
    int textId;                // the property's name (text table)
    PropertyKind kind;
    // The field shown, named as DeviceRecordFields names the fields of WLAN_ADVANCED_CONFIG_INFO
    // ("bySSID"); for the system information, the certificate type and names, the page's own members
    // ("FW_VERSION", "m_nCertificateType", "byCertName[0]"). Empty for the certificate file.
    std::string_view shown;
    // Only a bit of the field shown (DHCP options 12 and 77 in byDummy3); 0 for the whole field.
    std::uint8_t shownBit;
    // The fields of WLAN_ADVANCED_CONFIG_INFO a save takes from the working record while the item is
    // visible; empty ones are unused.
    std::string_view sent[2];
};

// Every property, in identifier order 1 to 42.
std::span<const Property> All();
const Property* Find(std::uint32_t id);
// The grid that group (1 to 9) lies in: 1 for groups 1 to 5, 2 for 6 to 9, 0 otherwise.
int GridOfGroup(int group);
// The group identifier 10000 + n - 1 of group n.
constexpr std::uint32_t GroupId(int group) {
    return 10000u + static_cast<std::uint32_t>(group) - 1u;
}
// The properties that show record field name (byWEP_Key0: 10 and 11; byDummy3: 15 and 16), in order.
std::vector<const Property*> ShowingField(std::string_view name);

// The record fields (offset, size) that item nItemId of grid nGrid sends. A save looks grid #1's items up
// among 1 to 28 and grid #2's among 29 to 37; every other item sends nothing.
std::span<const DeviceRecords::ByteRange> SentFields(int nGrid, int nItemId);

} // namespace PropertyTable
