#include "ui/wlanadv/PropertyGrid.h"

#include "app/Utf8.h"

#include <algorithm>

// ---- PropertyItem -----------------------------------------------------------------------------------------

PropertyItem::PropertyItem(std::uint32_t id, std::string name, PropertyKind kind, std::string value,
                           std::string description)
    : m_id(id), m_name(std::move(name)), m_kind(kind), m_value(std::move(value)),
      m_description(std::move(description)) {
    if (kind == PropertyKind::ReadOnly)
        m_textEditable = false;
}

void PropertyItem::Changed() {
    if (m_group)
        m_group->ItemChanged(*this);
}

void PropertyItem::SetValue(const std::string& value) {
    m_storedIndex = -1;
    if (m_value == value)
        return;
    m_value = value;
    Changed();
}

bool PropertyItem::IsVisible() const {
    return m_visible && (!m_group || m_group->IsShown());
}

void PropertyItem::Enable(bool enable) {
    if (m_enabled == enable)
        return;
    m_enabled = enable;
    Changed();
}

void PropertyItem::SetDescription(std::string description) {
    m_description = std::move(description);
    Changed();
}

void PropertyItem::Show(bool show) {
    if (m_visible == show)
        return;
    m_visible = show;
    Changed();
}

void PropertyItem::AllowEdit(bool allow) {
    if (m_textEditable == allow)
        return;
    m_textEditable = allow;
    Changed();
}

void PropertyItem::SetModified(bool modified) {
    if (m_modified == modified)
        return;
    m_modified = modified;
    Changed();
}

void PropertyItem::AddOption(const std::string& option) {
    m_options.push_back(option);
    Changed();
}

void PropertyItem::SetOptions(std::vector<std::string> options) {
    m_options = std::move(options);
    Changed();
}

void PropertyItem::RemoveAllOptions() {
    if (m_options.empty())
        return;
    m_options.clear();
    Changed();
}

int PropertyItem::IndexOfOption(const std::string& text) const {
    const auto at = std::find(m_options.begin(), m_options.end(), text);
    return at == m_options.end() ? -1 : static_cast<int>(at - m_options.begin());
}

int PropertyItem::SelectedIndex() const {
    return m_storedIndex >= 0 ? m_storedIndex : IndexOfOption(m_value);
}

bool PropertyItem::SelectOption(int index) {
    if (index < 0 || index >= OptionCount())
        return false;
    SetValue(m_options[static_cast<std::size_t>(index)]);
    m_storedIndex = index;
    return true;
}

void PropertyItem::SetEditMask(std::string mask, std::string editTemplate) {
    m_mask = std::move(mask);
    m_template = std::move(editTemplate);
    Changed();
}

bool PropertyItem::FitsMask(const std::string& text) const {
    if (m_mask.empty())
        return true;
    const std::u16string characters = Utf8::ToUtf16(text);
    if (characters.size() > m_mask.size())
        return false;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const char16_t c = characters[i];
        if (m_mask[i] == 'd' && !(c == ' ' || (c >= '0' && c <= '9')))
            return false;
        if (m_mask[i] == '*' && c < 0x20)
            return false;
    }
    return true;
}

std::string PropertyItem::CutToMaxBytes(const std::string& text) const {
    if (m_maxBytes <= 0 || text.size() <= static_cast<std::size_t>(m_maxBytes))
        return text;
    std::size_t end = static_cast<std::size_t>(m_maxBytes);
    // Back to the first byte of the character the limit falls into.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

std::string PropertyItem::DisplayValue() const {
    if (m_kind != PropertyKind::Password)
        return m_value;
    // One "*" per character, whatever bytes the character takes.
    std::size_t characters = 0;
    for (const unsigned char c : m_value)
        if ((c & 0xC0) != 0x80)
            ++characters;
    return std::string(characters, '*');
}

bool PropertyItem::HasButton() const {
    switch (m_kind) {
    case PropertyKind::Password:
    case PropertyKind::Address:
    case PropertyKind::AccessPoint:
    case PropertyKind::CertificateFile:
        return true;
    default:
        return false;
    }
}

// ---- PropertyGroup ----------------------------------------------------------------------------------------

PropertyGroup::PropertyGroup(std::uint32_t id, std::string title, bool expanded)
    : m_id(id), m_title(std::move(title)), m_expanded(expanded) {}

void PropertyGroup::Expand(bool expand) {
    if (m_expanded == expand)
        return;
    m_expanded = expand;
    if (m_grid)
        m_grid->NotifyItem(nullptr);
}

void PropertyGroup::Show(bool show) {
    if (m_visible == show)
        return;
    m_visible = show;
    StructureChanged();
}

PropertyItem& PropertyGroup::AddItem(std::unique_ptr<PropertyItem> item) {
    item->m_group = this;
    m_items.push_back(std::move(item));
    StructureChanged();
    return *m_items.back();
}

PropertyItem* PropertyGroup::FindItem(std::uint32_t id) const {
    for (const auto& item : m_items)
        if (item->Id() == id)
            return item.get();
    return nullptr;
}

void PropertyGroup::ItemChanged(PropertyItem& item) {
    if (m_grid)
        m_grid->NotifyItem(&item);
}

void PropertyGroup::StructureChanged() {
    if (m_grid)
        m_grid->NotifyStructure();
}

// ---- PropertyGrid -----------------------------------------------------------------------------------------

PropertyGrid::PropertyGrid(int number, int descriptionRows)
    : m_number(number), m_descriptionRows(descriptionRows) {}

PropertyGroup& PropertyGrid::AddGroup(std::unique_ptr<PropertyGroup> group) {
    group->m_grid = this;
    m_groups.push_back(std::move(group));
    NotifyStructure();
    return *m_groups.back();
}

void PropertyGrid::RemoveAll() {
    if (m_groups.empty())
        return;
    m_groups.clear();
    NotifyStructure();
}

PropertyGroup* PropertyGrid::FindGroup(std::uint32_t id) const {
    for (const auto& group : m_groups)
        if (group->Id() == id)
            return group.get();
    return nullptr;
}

PropertyItem* PropertyGrid::FindItem(std::uint32_t id) const {
    for (const auto& group : m_groups)
        if (PropertyItem* item = group->FindItem(id))
            return item;
    return nullptr;
}

std::vector<PropertyItem*> PropertyGrid::Items() const {
    std::vector<PropertyItem*> items;
    for (const auto& group : m_groups)
        for (const auto& item : group->Items())
            items.push_back(item.get());
    return items;
}

std::vector<int> PropertyGrid::VisibleItemIdentifiers() const {
    std::vector<int> ids;
    for (const PropertyItem* item : Items())
        if (item->IsVisible())
            ids.push_back(static_cast<int>(item->Id()));
    return ids;
}

void PropertyGrid::Show(bool show) {
    if (m_shown == show)
        return;
    m_shown = show;
    NotifyStructure();
}

void PropertyGrid::Enable(bool enable) {
    if (m_enabled == enable)
        return;
    m_enabled = enable;
    NotifyStructure();
}

void PropertyGrid::Lock(bool locked) {
    if (m_locked == locked)
        return;
    m_locked = locked;
    // The rows stay as they are; only their look changes.
    NotifyItem(nullptr);
}

void PropertyGrid::SelectItem(std::uint32_t id) {
    m_selectedItem = id;
    ++m_selectionSerial;
    NotifyItem(FindItem(id));
}

void PropertyGrid::AddListener(IPropertyGridListener* listener) {
    if (listener && std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
        m_listeners.push_back(listener);
}

void PropertyGrid::RemoveListener(IPropertyGridListener* listener) {
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

bool PropertyGrid::EditValue(PropertyItem& item, const std::string& text) {
    if (!AcceptsInput() || !item.IsEnabled() || !item.IsVisible() || !item.TakesTypedText())
        return false;
    item.SetValue(text);
    item.SetModified(true);
    ReportChanged(item);
    return true;
}

bool PropertyGrid::SelectOption(PropertyItem& item, int index) {
    if (!AcceptsInput() || !item.IsEnabled() || !item.IsVisible() || !item.SelectOption(index))
        return false;
    item.SetModified(true);
    ReportChanged(item);
    return true;
}

bool PropertyGrid::ClickButton(PropertyItem& item) {
    if (!AcceptsInput() || !item.HasButton() || !item.IsEnabled() || !m_buttonHandler)
        return false;
    m_buttonHandler(item);
    return true;
}

bool PropertyGrid::BeginEdit(PropertyItem& item) {
    if (!AcceptsInput() || !item.IsEnabled() || !item.IsVisible() || !item.IsTextEditable())
        return false;
    if (m_editStartHandler)
        m_editStartHandler(item);
    return true;
}

void PropertyGrid::ReportChanged(PropertyItem& item) {
    if (m_changeHandler)
        m_changeHandler(item);
}

void PropertyGrid::NotifyStructure() {
    // A copy: a listener may remove itself.
    const std::vector<IPropertyGridListener*> listeners = m_listeners;
    for (IPropertyGridListener* listener : listeners)
        listener->GridStructureChanged(*this);
}

void PropertyGrid::NotifyItem(PropertyItem* item) {
    const std::vector<IPropertyGridListener*> listeners = m_listeners;
    for (IPropertyGridListener* listener : listeners)
        listener->GridItemChanged(*this, item);
}
