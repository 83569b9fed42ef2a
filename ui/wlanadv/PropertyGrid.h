#pragma once

#include "devcfg/IPropertyItems.h"
#include "devcfg/PropertyKind.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The property grids of the WLAN (Advanced) page, without a toolkit: a grid is an ordered list of groups, a
// group an ordered list of properties. The grid holds nothing beyond what each property shows; the record
// stays the master copy. A view observes a grid through IPropertyGridListener and hands the user's edits
// back through EditValue, SelectOption and ClickButton.

class PropertyGrid;
class PropertyGroup;

// One property: identifier (unique over both grids), name, kind, value (UTF-8), options, edit mask and
// template, description, and its states.
class PropertyItem : public IPropertyItem {
public:
    PropertyItem(std::uint32_t id, std::string name, PropertyKind kind, std::string value = {},
                 std::string description = {});

    // IPropertyItem
    std::uint32_t Id() const override { return m_id; }
    std::string Value() const override { return m_value; }
    void SetValue(const std::string& value) override;
    // False also when the item's group is hidden.
    bool IsVisible() const override;
    bool IsEnabled() const override { return m_enabled; }
    void Enable(bool enable) override;

    const std::string& Name() const { return m_name; }
    PropertyKind Kind() const { return m_kind; }
    const std::string& Description() const { return m_description; }
    void SetDescription(std::string description);

    // The item's own visibility, whatever its group's.
    bool IsShown() const { return m_visible; }
    void Show(bool show);
    // Whether the user may type the value in place (option and address items never are: the user picks
    // an option, an address comes from the address dialog).
    bool IsTextEditable() const {
        return m_textEditable && m_kind != PropertyKind::Option && m_kind != PropertyKind::Address;
    }
    // Whether a typed text can be the value at all (read-only, option and address items take none).
    bool TakesTypedText() const {
        return m_kind != PropertyKind::ReadOnly && m_kind != PropertyKind::Option &&
               m_kind != PropertyKind::Address;
    }
    void AllowEdit(bool allow);
    // Marked in the grid (shown bold): the user or a rule changed the value.
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified);

    // Options, in order (option items).
    const std::vector<std::string>& Options() const { return m_options; }
    int OptionCount() const { return static_cast<int>(m_options.size()); }
    void AddOption(const std::string& option);
    void SetOptions(std::vector<std::string> options);
    void RemoveAllOptions();
    // Position of text in the options, -1 when absent.
    int IndexOfOption(const std::string& text) const;
    // The chosen option's position: the stored index when one is set, otherwise the value's position in
    // the options (-1 when the value is none of them).
    int SelectedIndex() const;
    // The stored index: set by SelectOption, -1 at creation and after SetValue.
    int StoredIndex() const { return m_storedIndex; }
    void SetStoredIndex(int index) { m_storedIndex = index; }
    // Takes option index as the value and stores the index; false (nothing changed) outside the list.
    bool SelectOption(int index);

    // Edit mask ("*" any printable character, "d" a digit or a blank) and its template of "_" (masked
    // text items). The mask's length is the longest input; an empty mask admits any text.
    const std::string& EditMask() const { return m_mask; }
    const std::string& EditTemplate() const { return m_template; }
    void SetEditMask(std::string mask, std::string editTemplate);
    // Whether text fits the mask: no longer than the mask, "d" positions digits or blanks, "*" printable.
    bool FitsMask(const std::string& text) const;

    // Text items kept in a fixed-size record field: the longest value in UTF-8 bytes (0 no limit). The
    // cell editor takes no more, and never a part of a character.
    int MaxBytes() const { return m_maxBytes; }
    void SetMaxBytes(int bytes) { m_maxBytes = bytes; }
    // text cut to MaxBytes at a character boundary.
    std::string CutToMaxBytes(const std::string& text) const;

    // Password items: the longest value (0 no limit), the dialog's title, and the mask flag (the show-
    // password lock of the password dialog).
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length) { m_maxLength = length; }
    const std::string& DialogTitle() const { return m_dialogTitle; }
    void SetDialogTitle(std::string title) { m_dialogTitle = std::move(title); }
    bool IsMasked() const { return m_masked; }
    void SetMasked(bool masked) { m_masked = masked; }

    // The text the grid shows: the value, or for a password item one "*" per character.
    std::string DisplayValue() const;
    // Items that carry a button beside the value: password, address, SSID and certificate file.
    bool HasButton() const;

    PropertyGroup* Group() const { return m_group; }

private:
    friend class PropertyGroup;
    void Changed();

    std::uint32_t m_id;
    std::string m_name;
    PropertyKind m_kind;
    std::string m_value;
    std::string m_description;
    std::vector<std::string> m_options;
    int m_storedIndex = -1;
    std::string m_mask;
    std::string m_template;
    int m_maxLength = 0;
    int m_maxBytes = 0;
    std::string m_dialogTitle;
    bool m_masked = false;
    bool m_enabled = true;
    bool m_visible = true;
    bool m_textEditable = true;
    bool m_modified = false;
    PropertyGroup* m_group = nullptr;
};

// A group of properties: identifier 10000 + n - 1 for group n, title, expanded.
class PropertyGroup {
public:
    PropertyGroup(std::uint32_t id, std::string title, bool expanded = true);

    std::uint32_t Id() const { return m_id; }
    const std::string& Title() const { return m_title; }
    bool IsExpanded() const { return m_expanded; }
    void Expand(bool expand);
    bool IsShown() const { return m_visible; }
    void Show(bool show);

    // Adds item at the end; the group owns it.
    PropertyItem& AddItem(std::unique_ptr<PropertyItem> item);
    const std::vector<std::unique_ptr<PropertyItem>>& Items() const { return m_items; }
    PropertyItem* FindItem(std::uint32_t id) const;

    PropertyGrid* Grid() const { return m_grid; }

private:
    friend class PropertyGrid;
    friend class PropertyItem;
    void ItemChanged(PropertyItem& item);
    void StructureChanged();

    std::uint32_t m_id;
    std::string m_title;
    bool m_expanded;
    bool m_visible = true;
    std::vector<std::unique_ptr<PropertyItem>> m_items;
    PropertyGrid* m_grid = nullptr;
};

// What a view hears from a grid.
class IPropertyGridListener {
public:
    virtual ~IPropertyGridListener() = default;
    // Groups or items were added or removed, or the grid's own states changed: lay the grid out anew.
    virtual void GridStructureChanged(PropertyGrid& grid) = 0;
    // One item's value, options, states or a group's expansion changed (item is nullptr for a group).
    virtual void GridItemChanged(PropertyGrid& grid, PropertyItem* item) = 0;
};

// An ordered list of groups, with the presentation settings a view needs.
class PropertyGrid {
public:
    explicit PropertyGrid(int number = 1, int descriptionRows = 4);
    PropertyGrid(const PropertyGrid&) = delete;
    PropertyGrid& operator=(const PropertyGrid&) = delete;

    // 1 for grid #1, 2 for grid #2.
    int Number() const { return m_number; }
    // Text rows of the description area.
    int DescriptionRows() const { return m_descriptionRows; }

    // Adds group at the end; the grid owns it.
    PropertyGroup& AddGroup(std::unique_ptr<PropertyGroup> group);
    // Removes every group.
    void RemoveAll();
    const std::vector<std::unique_ptr<PropertyGroup>>& Groups() const { return m_groups; }
    PropertyGroup* FindGroup(std::uint32_t id) const;
    // The property with identifier id in any group of this grid, nullptr when there is none.
    PropertyItem* FindItem(std::uint32_t id) const;
    // Every property, group by group in order.
    std::vector<PropertyItem*> Items() const;
    // Identifiers of the visible properties, group by group in order.
    std::vector<int> VisibleItemIdentifiers() const;

    bool IsShown() const { return m_shown; }
    void Show(bool show);
    bool IsEnabled() const { return m_enabled; }
    void Enable(bool enable);
    // Locked while the page exchanges with the printer (or writes a file): the grid keeps what it shows
    // but takes no input, and looks disabled.
    bool IsLocked() const { return m_locked; }
    void Lock(bool locked);
    // Whether the user's input reaches the items: enabled and not locked.
    bool AcceptsInput() const { return m_enabled && !m_locked; }

    // Asks the view to make item id its current row, in view and focused (a field check failed on it).
    // Every call counts, the same row asked again included.
    void SelectItem(std::uint32_t id);
    std::uint32_t SelectedItem() const { return m_selectedItem; }
    unsigned SelectionSerial() const { return m_selectionSerial; }

    void AddListener(IPropertyGridListener* listener);
    void RemoveListener(IPropertyGridListener* listener);

    // The user's edits, as the view reports them. Each sets the value, marks the item modified and calls
    // the change handler (the page's dispatch by identifier). Nothing happens for a disabled or hidden item,
    // nor for an option index outside the list.
    using ItemHandler = std::function<void(PropertyItem&)>;
    void SetChangeHandler(ItemHandler handler) { m_changeHandler = std::move(handler); }
    void SetButtonHandler(ItemHandler handler) { m_buttonHandler = std::move(handler); }
    // Runs before an in-place edit starts; it may change the value the editor then shows.
    void SetEditStartHandler(ItemHandler handler) { m_editStartHandler = std::move(handler); }
    bool EditValue(PropertyItem& item, const std::string& text);
    bool SelectOption(PropertyItem& item, int index);
    // The button beside an item's value was clicked: the button handler runs (only for items that have a
    // button and are enabled).
    bool ClickButton(PropertyItem& item);
    // The view is about to open item's in-place editor: the edit-start handler runs; the editor shows
    // the value as it is afterwards. False for an item that cannot be typed into.
    bool BeginEdit(PropertyItem& item);
    // Reports item as changed by the user without a new value (an item's dialog has already stored it).
    void ReportChanged(PropertyItem& item);

private:
    friend class PropertyGroup;
    void NotifyStructure();
    void NotifyItem(PropertyItem* item);

    int m_number;
    int m_descriptionRows;
    std::vector<std::unique_ptr<PropertyGroup>> m_groups;
    std::vector<IPropertyGridListener*> m_listeners;
    ItemHandler m_changeHandler;
    ItemHandler m_buttonHandler;
    ItemHandler m_editStartHandler;
    bool m_shown = true;
    bool m_enabled = true;
    bool m_locked = false;
    std::uint32_t m_selectedItem = 0;
    unsigned m_selectionSerial = 0;
};
