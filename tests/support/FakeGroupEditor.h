#pragma once

#include "app/StringTable.h"
#include "devcfg/CConfigurationValidator.h"
#include "devcfg/DeviceConfigState.h"
#include "devcfg/DeviceRecords.h"
#include "devcfg/IPropertyItems.h"
#include "devcfg/PropertyIds.h"
#include "ui/wlanadv/IGroupEditor.h"
#include "ui/wlanadv/PropertyGrid.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Builds two groups in grid #1 from the record, the SSID (1) and the system name (24), and one in grid #2,
// the SNMP switch (32); records what the page asks of it. The field checks are the program's.
class FakeGroupEditor : public IGroupEditor, public IPropertyItems {
public:
    FakeGroupEditor(DeviceConfigState& state, IMessageBox& messages)
        : m_state(state), m_validator(*this, messages) {}
    int builds = 0;
    int clears = 0;
    std::array<bool, 10> expanded{};
    std::vector<std::uint32_t> changed;

    PropertyGrid& Grid(int nGrid) override { return nGrid == 2 ? m_grid2 : m_grid1; }
    void SetGroupExpanded(int group, bool expand) override {
        expanded[static_cast<std::size_t>(group)] = expand;
    }
    void Clear() override {
        ++clears;
        m_grid1.RemoveAll();
        m_grid2.RemoveAll();
    }
    void RebuildGroups() override {
        ++builds;
        Clear();
        auto& group1 = m_grid1.AddGroup(std::make_unique<PropertyGroup>(VRX_GROUP_ID_1, "WLAN", expanded[1]));
        group1.AddItem(
            std::make_unique<PropertyItem>(VRX_GROUP1_PROPERTY_ID_1, "SSID", PropertyKind::Text,
                                           DeviceRecords::FieldText(m_state.m_ConfigurationInfo.bySSID)));
        auto& group5 =
            m_grid1.AddGroup(std::make_unique<PropertyGroup>(VRX_GROUP_ID_5, "System", expanded[5]));
        group5.AddItem(std::make_unique<PropertyItem>(
            VRX_GROUP5_PROPERTY_ID_1, "System Name", PropertyKind::Text,
            DeviceRecords::FieldText(m_state.m_ConfigurationInfo.bySystemName)));
        auto& group6 =
            m_grid2.AddGroup(std::make_unique<PropertyGroup>(VRX_GROUP_ID_6, "Protocol", expanded[6]));
        group6.AddItem(
            std::make_unique<PropertyItem>(VRX_GROUP6_PROPERTY_ID_4, "SNMP", PropertyKind::Option, "Enable"));
    }
    std::vector<int> VisibleItemIdentifiers(int nGrid) override {
        return Grid(nGrid).VisibleItemIdentifiers();
    }
    void PropertyChanged(PropertyItem& item) override { changed.push_back(item.Id()); }
    IConfigurationValidator& Validator() override { return m_validator; }

    std::vector<IPropertyItem*> Items(int grid) override {
        std::vector<IPropertyItem*> items;
        for (PropertyItem* item : Grid(grid).Items())
            items.push_back(item);
        return items;
    }
    IPropertyItem* FindItem(int grid, std::uint32_t id) override { return Grid(grid).FindItem(id); }
    WLAN_ADVANCED_CONFIG_INFO& ConfigurationInfo() override { return m_state.m_ConfigurationInfo; }
    std::string Text(int id) const override { return LoadString(id); }

private:
    DeviceConfigState& m_state;
    CConfigurationValidator m_validator;
    PropertyGrid m_grid1{1, 4};
    PropertyGrid m_grid2{2, 2};
};
