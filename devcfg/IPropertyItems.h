#pragma once

#include "devcfg/DeviceRecords.h"

#include <cstdint>
#include <string>
#include <vector>

// One property of the advanced settings grid, as the field checks see it. Values are UTF-8 text.
class IPropertyItem {
public:
    virtual ~IPropertyItem() = default;
    // The item data: the property identifier (devcfg/PropertyIds.h).
    virtual std::uint32_t Id() const = 0;
    virtual std::string Value() const = 0;
    virtual void SetValue(const std::string& value) = 0;
    // Hidden covers an item of a hidden group.
    virtual bool IsVisible() const = 0;
    virtual bool IsEnabled() const = 0;
    virtual void Enable(bool enable) = 0;
};

// What the field checks need from the advanced settings page: its two grids, its working record and its
// text table. The page's grid model implements it; tests use a fake.
class IPropertyItems {
public:
    virtual ~IPropertyItems() = default;
    // The properties of grid (1 or 2): its groups in order and the items of each group in order. Empty for
    // another number.
    virtual std::vector<IPropertyItem*> Items(int grid) = 0;
    // The property with identifier id in grid; nullptr when it is not there.
    virtual IPropertyItem* FindItem(int grid, std::uint32_t id) = 0;
    // The working record m_ConfigurationInfo that the edits are written into.
    virtual WLAN_ADVANCED_CONFIG_INFO& ConfigurationInfo() = 0;
    // Text id of the page's text table, in the interface language.
    virtual std::string Text(int id) const = 0;
};
