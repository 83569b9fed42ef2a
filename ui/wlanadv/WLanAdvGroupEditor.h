#pragma once

#include "devcfg/CConfigurationValidator.h"
#include "devcfg/DeviceConfigState.h"
#include "devcfg/IConfigurationGrid.h"
#include "devcfg/IPropertyItems.h"
#include "ui/IMessageBox.h"
#include "ui/wlanadv/PropertyGrid.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// The nine property groups of the WLAN (Advanced) page over its two grids: the builders that make the
// groups from the state's records and flags, and the rules that write every edit into the working record
// and keep the dependent items consistent. Grid #1 holds groups 1 to 5, grid #2 groups 6 to 9.
//
// The page owns one editor over the state it shares with the exchanges; it hands the editor to the
// exchange as its IConfigurationGrid (the rebuild after a read, the visible items of a save) and to the
// field checks as their IPropertyItems. Every user edit reaches PropertyChanged through the grids' change
// handler; texts come from the page's text table.
class WLanAdvGroupEditor : public IPropertyItems, public IConfigurationGrid {
public:
    using TextSource = std::function<std::string(int)>;

    // The three addresses the IP address dialog shows and returns (IP address, subnet mask, gateway). The
    // group 3 builder fills them from the record; the rule of items 17 to 19 copies changed ones back.
    struct AddressStores {
        std::uint8_t ip[4]{};
        std::uint8_t subnetMask[4]{};
        std::uint8_t gateway[4]{};
    };

    // texts: the page's text table by text number (the string table when not given).
    WLanAdvGroupEditor(DeviceConfigState& state, IMessageBox& messages, TextSource texts = {});
    WLanAdvGroupEditor(const WLanAdvGroupEditor&) = delete;
    WLanAdvGroupEditor& operator=(const WLanAdvGroupEditor&) = delete;

    PropertyGrid& Grid1() { return m_grid1; }
    PropertyGrid& Grid2() { return m_grid2; }
    // Grid 1 or 2 (grid #1 for any other number).
    PropertyGrid& Grid(int nGrid) { return nGrid == 2 ? m_grid2 : m_grid1; }
    // The property with identifier id in either grid.
    PropertyItem* Find(std::uint32_t id) const;

    // Whether group n (1 to 9) is built expanded; all are until told otherwise.
    void SetGroupExpanded(int group, bool expanded);
    bool IsGroupExpanded(int group) const;

    // After a successful read: empty both grids, take the as-read copy, clear the SNMP flag when bySNMP
    // is 0x0A, then build groups 1 to 9 in order.
    void Rebuild();
    // Disconnect: every group leaves both grids.
    void Clear();

    // A property the user changed, dispatched by identifier: 1-5 group 1, 6-13 group 2, 14-20 group 3,
    // 24-28 group 5, 29-32 group 6, 33-37 group 7, 38-39 group 8; the read-only 21-23 and 40-42 and
    // nullptr change nothing.
    void PropertyChanged(PropertyItem* pProp);
    // Whether the field check of the last changed property refused its text (the row shows the record).
    bool LastChangeRefused() const { return m_bLastChangeRefused; }
    // Takes over access point i of the last scan (SSID, mode, authentication, encryption) through the same
    // rules; false, changing nothing, when it cannot be taken over.
    bool UpdateCurrentConfiguration(int i);
    // After a successful upload of fileName as the state's certificate type: its name item shows it.
    void ShowUploadedCertificate(const std::string& fileName);

    AddressStores& Addresses() { return m_addresses; }
    CConfigurationValidator& Validator() { return m_validator; }
    DeviceConfigState& State() { return m_state; }

    // The group builders, called by Rebuild in this order.
    void InitGroup1Properties(WLAN_ADVANCED_CONFIG_INFO& info);
    void InitGroup2Properties(WLAN_ADVANCED_CONFIG_INFO& info);
    void InitGroup3Properties(WLAN_ADVANCED_CONFIG_INFO& info);
    void InitGroup4Properties(const WLAN_ADVANCED_SYS_INFO& info);
    void InitGroup5Properties(WLAN_ADVANCED_CONFIG_INFO& info);
    void InitGroup6Properties(WLAN_ADVANCED_CONFIG_INFO& info);
    void InitGroup7Properties(WLAN_ADVANCED_CONFIG_INFO& info);
    void InitGroup8Properties();
    void InitGroup9Properties();

    // The update rules: each takes the changed property (or a temporary item of that identifier).
    void UpdateGroup1Properties(PropertyItem* pProp);
    void UpdateGroup2Properties(PropertyItem* pProp);
    void UpdateGroup3Properties(PropertyItem* pProp);
    void UpdateGroup5Properties(PropertyItem* pProp);
    void UpdateGroup6Properties(PropertyItem* pProp);
    void UpdateGroup7Properties(PropertyItem* pProp);
    void UpdateGroup8Properties(PropertyItem* pProp);

    // IPropertyItems (the field checks)
    std::vector<IPropertyItem*> Items(int grid) override;
    IPropertyItem* FindItem(int grid, std::uint32_t id) override;
    WLAN_ADVANCED_CONFIG_INFO& ConfigurationInfo() override { return m_state.m_ConfigurationInfo; }
    std::string Text(int id) const override;

    // IConfigurationGrid (the exchanges)
    std::vector<int> VisibleItemIdentifiers(int nGrid) override;
    void RebuildGroups() override { Rebuild(); }

private:
    PropertyGroup& NewGroup(int group);
    PropertyItem& NewItem(PropertyGroup& group, std::uint32_t id, PropertyKind kind, std::string value = {},
                          std::string description = {});
    void ShowItem(std::uint32_t id, bool show);
    void ShowItems(std::uint32_t first, std::uint32_t last, bool show);
    void EnableItem(std::uint32_t id, bool enable);
    void SetItemValue(std::uint32_t id, const std::string& value);
    void SetOptionTexts(std::uint32_t id, std::initializer_list<int> textIds);
    std::string ServiceText(std::uint8_t code) const;
    void KeepEncryptionEnabling();
    void Dispatch(PropertyItem* pProp);
    // Each row's value, and marking as modified the rows whose value differs from it now.
    std::vector<std::pair<PropertyItem*, std::string>> RowValues() const;
    void MarkChangedRows(const std::vector<std::pair<PropertyItem*, std::string>>& before);
    // After a field check refused item's text (accepted false): the row shows what the record holds.
    void ShowRecordAfterRefusal(PropertyItem& item, bool accepted);
    void ResetDhcpOptionItems();

    DeviceConfigState& m_state;
    TextSource m_texts;
    CConfigurationValidator m_validator;
    PropertyGrid m_grid1{1, 4};
    PropertyGrid m_grid2{2, 2};
    std::array<bool, 9> m_expanded{true, true, true, true, true, true, true, true, true};
    AddressStores m_addresses;
    bool m_bLastChangeRefused = false;
};
