#pragma once

#include "app/StringTable.h"
#include "devcfg/IConfigurationGrid.h"
#include "devcfg/IPropertyItems.h"

#include <memory>
#include <string>
#include <vector>

// The two grids of the advanced settings page for tests: items in the order they were added, the working
// record (its own, or the one of a state it is pointed at), and the string table as the text table.
class FakePropertyItem : public IPropertyItem {
public:
    FakePropertyItem(std::uint32_t id, std::string value, bool visible, bool enabled)
        : id(id), value(std::move(value)), visible(visible), enabled(enabled) {}

    std::uint32_t Id() const override { return id; }
    std::string Value() const override { return value; }
    void SetValue(const std::string& newValue) override { value = newValue; }
    bool IsVisible() const override { return visible; }
    bool IsEnabled() const override { return enabled; }
    void Enable(bool enable) override { enabled = enable; }

    std::uint32_t id;
    std::string value;
    bool visible;
    bool enabled;
};

class FakePropertyItems : public IPropertyItems, public IConfigurationGrid {
public:
    FakePropertyItems() : record{} {}
    explicit FakePropertyItems(WLAN_ADVANCED_CONFIG_INFO& working) : record{}, m_working(&working) {}

    // Adds an item at the end of grid (1 or 2).
    FakePropertyItem& Add(int grid, std::uint32_t id, std::string value, bool visible = true,
                          bool enabled = true) {
        auto& items = grid == 1 ? m_grid1 : m_grid2;
        items.push_back(std::make_unique<FakePropertyItem>(id, std::move(value), visible, enabled));
        return *items.back();
    }
    FakePropertyItem* Item(int grid, std::uint32_t id) {
        return static_cast<FakePropertyItem*>(FindItem(grid, id));
    }

    std::vector<IPropertyItem*> Items(int grid) override {
        std::vector<IPropertyItem*> items;
        if (grid == 1 || grid == 2)
            for (const auto& item : grid == 1 ? m_grid1 : m_grid2)
                items.push_back(item.get());
        return items;
    }
    IPropertyItem* FindItem(int grid, std::uint32_t id) override {
        for (auto* item : Items(grid))
            if (item->Id() == id)
                return item;
        return nullptr;
    }
    WLAN_ADVANCED_CONFIG_INFO& ConfigurationInfo() override { return m_working ? *m_working : record; }
    std::string Text(int id) const override { return LoadString(id); }

    std::vector<int> VisibleItemIdentifiers(int nGrid) override {
        std::vector<int> ids;
        for (auto* item : Items(nGrid))
            if (item->IsVisible())
                ids.push_back(static_cast<int>(item->Id()));
        return ids;
    }
    void RebuildGroups() override { ++rebuilds; }

    WLAN_ADVANCED_CONFIG_INFO record;
    int rebuilds = 0;

private:
    std::vector<std::unique_ptr<FakePropertyItem>> m_grid1;
    std::vector<std::unique_ptr<FakePropertyItem>> m_grid2;
    WLAN_ADVANCED_CONFIG_INFO* m_working = nullptr;
};
