#include "ui/wlanadv/PropertyGrid.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct RecordingListener : IPropertyGridListener {
    void GridStructureChanged(PropertyGrid&) override { ++structure; }
    void GridItemChanged(PropertyGrid&, PropertyItem* item) override { items.push_back(item); }
    int structure = 0;
    std::vector<PropertyItem*> items;
};

// A grid of two groups: 10000 with items 1 and 2, 10001 with item 6.
struct TwoGroups {
    TwoGroups() {
        PropertyGroup& first = grid.AddGroup(std::make_unique<PropertyGroup>(10000, "First"));
        ssid = &first.AddItem(std::make_unique<PropertyItem>(1, "SSID", PropertyKind::AccessPoint, "Office"));
        mode = &first.AddItem(std::make_unique<PropertyItem>(2, "WLAN Mode", PropertyKind::Option));
        mode->SetOptions({"Infrastructure", "Adhoc"});
        mode->SetValue("Infrastructure");
        PropertyGroup& second = grid.AddGroup(std::make_unique<PropertyGroup>(10001, "Second"));
        key = &second.AddItem(std::make_unique<PropertyItem>(6, "Key", PropertyKind::Password, "abc"));
    }
    PropertyGrid grid{1, 4};
    PropertyItem* ssid;
    PropertyItem* mode;
    PropertyItem* key;
};

} // namespace

TEST(WLanAdvPropertyGrid, FindsItemsAndGroupsOfItsOwnGridOnly) {
    TwoGroups g;
    EXPECT_EQ(g.grid.FindItem(6), g.key);
    EXPECT_EQ(g.grid.FindItem(2), g.mode);
    EXPECT_EQ(g.grid.FindItem(3), nullptr);
    ASSERT_NE(g.grid.FindGroup(10001), nullptr);
    EXPECT_EQ(g.grid.FindGroup(10001)->Title(), "Second");
    PropertyGrid other(2, 2);
    EXPECT_EQ(other.FindItem(6), nullptr);
}

TEST(WLanAdvPropertyGrid, VisibleIdentifiersFollowItemsAndTheirGroups) {
    TwoGroups g;
    EXPECT_EQ(g.grid.VisibleItemIdentifiers(), (std::vector<int>{1, 2, 6}));
    g.mode->Show(false);
    EXPECT_EQ(g.grid.VisibleItemIdentifiers(), (std::vector<int>{1, 6}));
    g.grid.FindGroup(10001)->Show(false);
    EXPECT_FALSE(g.key->IsVisible());
    EXPECT_TRUE(g.key->IsShown());
    EXPECT_EQ(g.grid.VisibleItemIdentifiers(), (std::vector<int>{1}));
}

TEST(WLanAdvPropertyGrid, OptionIndexComesFromTheStoredIndexOrTheValue) {
    TwoGroups g;
    EXPECT_EQ(g.mode->SelectedIndex(), 0);
    EXPECT_EQ(g.mode->StoredIndex(), -1);
    EXPECT_TRUE(g.mode->SelectOption(1));
    EXPECT_EQ(g.mode->Value(), "Adhoc");
    EXPECT_EQ(g.mode->StoredIndex(), 1);
    EXPECT_FALSE(g.mode->SelectOption(2));
    EXPECT_EQ(g.mode->Value(), "Adhoc");
    g.mode->SetValue("Nothing of the list");
    EXPECT_EQ(g.mode->SelectedIndex(), -1);
    // A temporary item without options carries only its stored index.
    PropertyItem temporary(2, "", PropertyKind::Option);
    temporary.SetStoredIndex(3);
    EXPECT_EQ(temporary.SelectedIndex(), 3);
    EXPECT_FALSE(g.mode->IsTextEditable());
}

TEST(WLanAdvPropertyGrid, PasswordShowsOneStarPerCharacterAndHasAButton) {
    TwoGroups g;
    EXPECT_EQ(g.key->DisplayValue(), "***");
    g.key->SetValue("pä€");
    EXPECT_EQ(g.key->DisplayValue(), "***");
    EXPECT_TRUE(g.key->HasButton());
    EXPECT_EQ(g.ssid->DisplayValue(), "Office");
    EXPECT_FALSE(g.mode->HasButton());
}

TEST(WLanAdvPropertyGrid, MaskAdmitsDigitsOrBlanksAndItsLength) {
    PropertyItem pin(5, "PIN", PropertyKind::Text);
    pin.SetEditMask("dddd", "____");
    EXPECT_TRUE(pin.FitsMask("12 4"));
    EXPECT_FALSE(pin.FitsMask("12a4"));
    EXPECT_FALSE(pin.FitsMask("12345"));
    PropertyItem any(24, "Name", PropertyKind::Text);
    any.SetEditMask("***", "___");
    EXPECT_TRUE(any.FitsMask("äöü"));
    EXPECT_FALSE(any.FitsMask("abcd"));
}

TEST(WLanAdvPropertyGrid, UserEditsMarkModifiedAndReachTheHandler) {
    TwoGroups g;
    std::vector<std::uint32_t> changed;
    g.grid.SetChangeHandler([&](PropertyItem& item) { changed.push_back(item.Id()); });
    EXPECT_TRUE(g.grid.SelectOption(*g.mode, 1));
    EXPECT_TRUE(g.mode->IsModified());
    EXPECT_TRUE(g.grid.EditValue(*g.ssid, "Lab"));
    EXPECT_EQ(g.ssid->Value(), "Lab");
    g.ssid->Enable(false);
    EXPECT_FALSE(g.grid.EditValue(*g.ssid, "Other"));
    EXPECT_EQ(g.ssid->Value(), "Lab");
    EXPECT_FALSE(g.grid.SelectOption(*g.mode, 7));
    EXPECT_EQ(changed, (std::vector<std::uint32_t>{2, 1}));
}

TEST(WLanAdvPropertyGrid, ListenersHearStructureAndItemChanges) {
    TwoGroups g;
    RecordingListener listener;
    g.grid.AddListener(&listener);
    g.key->Enable(false);
    g.key->Enable(false); // no change, no notice
    g.mode->Show(false);
    ASSERT_EQ(listener.items.size(), 2u);
    EXPECT_EQ(listener.items[0], g.key);
    EXPECT_EQ(listener.items[1], g.mode);
    g.grid.RemoveAll();
    EXPECT_EQ(listener.structure, 1);
    EXPECT_TRUE(g.grid.Groups().empty());
    g.grid.RemoveListener(&listener);
    g.grid.AddGroup(std::make_unique<PropertyGroup>(10002, "Third"));
    EXPECT_EQ(listener.structure, 1);
}
