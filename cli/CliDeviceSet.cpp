#include "cli/CliDeviceSet.h"

#include "app/Utf8.h"
#include "devcfg/DeviceRecordFields.h"
#include "devcfg/PropertyIds.h"
#include "devcfg/PropertyTable.h"

#include <algorithm>
#include <cstdio>

namespace CliDeviceSet {

namespace {

bool ParseCode(const std::string& text, unsigned limit, unsigned& code) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    code = static_cast<unsigned>(std::stoul(text));
    return code <= limit;
}

bool ParseAddress(const std::string& text, std::uint8_t (&address)[4]) {
    unsigned parts[4];
    char tail = 0;
    if (std::sscanf(text.c_str(), "%3u.%3u.%3u.%3u%c", &parts[0], &parts[1], &parts[2], &parts[3], &tail) !=
        4)
        return false;
    for (int i = 0; i < 4; ++i) {
        if (parts[i] > 255)
            return false;
        address[i] = static_cast<std::uint8_t>(parts[i]);
    }
    return true;
}

// The option text a record code stands for in an option item, or "" for a code the item has no text for.
std::string OptionText(WLanAdvGroupEditor& editor, std::uint32_t id, const std::string& value) {
    struct Codes {
        std::uint32_t id;
        int firstText;
        unsigned last;
    };
    static const Codes kCodes[] = {
        {VRX_GROUP1_PROPERTY_ID_2, 168, 3}, {VRX_GROUP2_PROPERTY_ID_1, 179, 5},
        {VRX_GROUP2_PROPERTY_ID_2, 186, 5}, {VRX_GROUP2_PROPERTY_ID_3, 194, 4},
        {VRX_GROUP3_PROPERTY_ID_1, 209, 1}, {VRX_GROUP5_PROPERTY_ID_5, 224, 3},
        {VRX_GROUP6_PROPERTY_ID_1, 232, 1}, {VRX_GROUP6_PROPERTY_ID_2, 232, 1},
        {VRX_GROUP6_PROPERTY_ID_3, 232, 1}, {VRX_GROUP6_PROPERTY_ID_4, 232, 1},
        {VRX_GROUP7_PROPERTY_ID_3, 232, 1},
    };
    if (id == VRX_GROUP1_PROPERTY_ID_4) // the Wi-Fi Direct channel is its own text
        return value;
    unsigned code = 0;
    if (id == VRX_GROUP1_PROPERTY_ID_3)
        return ParseCode(value, 255, code) ? std::to_string(code) : std::string();
    for (const Codes& codes : kCodes)
        if (codes.id == id)
            return ParseCode(value, codes.last, code) ? editor.Text(codes.firstText + static_cast<int>(code))
                                                      : std::string();
    return {};
}

// The choices of an option item as the codes the field takes.
std::string Choices(WLanAdvGroupEditor& editor, const PropertyItem& item) {
    std::string list;
    for (unsigned code = 0; code < 256; ++code) {
        const std::string text = OptionText(editor, item.Id(), std::to_string(code));
        if (!text.empty() && item.IndexOfOption(text) >= 0)
            list += (list.empty() ? "" : ", ") + std::to_string(code) + " " + text;
    }
    if (item.Id() == VRX_GROUP1_PROPERTY_ID_4)
        for (const std::string& option : item.Options())
            list += (list.empty() ? "" : ", ") + option;
    return list;
}

// The item of the page that shows the field: the visible one of those that show it, else the first.
PropertyItem* ItemFor(WLanAdvGroupEditor& editor, const std::string& name) {
    PropertyItem* first = nullptr;
    for (const PropertyTable::Property* property : PropertyTable::ShowingField(name)) {
        PropertyItem* item = editor.Find(property->id);
        if (item && item->IsVisible())
            return item;
        if (!first)
            first = item;
    }
    return first;
}

bool Usable(const PropertyItem* item, const std::string& name, std::string& error) {
    if (!item || !item->IsVisible()) {
        error = name + " is hidden for this configuration, so it goes out as read; change the settings it "
                       "depends on first";
        return false;
    }
    if (!item->IsEnabled()) {
        error =
            name + " cannot be changed here: " + item->Name() + " is \"" + item->Value() + "\" and disabled";
        return false;
    }
    return true;
}

// byDummy3: only the DHCP option bits can be chosen, through their two items.
bool ApplyDhcpOptions(WLanAdvGroupEditor& editor, const std::string& value, std::string& error) {
    unsigned code = 0;
    if (!ParseCode(value, 255, code)) {
        error = "byDummy3: a number up to 255 is wanted";
        return false;
    }
    const std::uint8_t bits = VRX_DUMMY3_DHCP_OPTION12_DISABLED | VRX_DUMMY3_DHCP_OPTION77_DISABLED;
    if ((code & ~bits) != (editor.ConfigurationInfo().byDummy3 & ~bits & 0xFF)) {
        error = "byDummy3: only the bits 0x02 and 0x04 (DHCP options 12 and 77 disabled) can be changed";
        return false;
    }
    for (const std::uint32_t id : {VRX_GROUP3_PROPERTY_ID_2, VRX_GROUP3_PROPERTY_ID_3}) {
        const PropertyTable::Property* property = PropertyTable::Find(id);
        PropertyItem* item = editor.Find(id);
        const int index = (code & property->shownBit) ? 0 : 1; // Disable, Enable
        if (item && item->SelectedIndex() == index)
            continue;
        if (!Usable(item, "byDummy3 (" + (item ? item->Name() : std::string("DHCP option")) + ")", error))
            return false;
        editor.Grid(1).SelectOption(*item, index);
    }
    return true;
}

} // namespace

std::vector<std::string> SettableFields() {
    std::vector<std::string> names;
    for (const DeviceRecordFields::Field& field : DeviceRecordFields::All())
        if (IsSettable(std::string(field.name)))
            names.emplace_back(field.name);
    return names;
}

bool IsSettable(const std::string& name) {
    if (!DeviceRecordFields::Find(name))
        return false;
    for (const PropertyTable::Property* property : PropertyTable::ShowingField(name))
        if (property->kind != PropertyKind::ReadOnly && property->kind != PropertyKind::CertificateFile)
            return true;
    return false;
}

bool Apply(WLanAdvGroupEditor& editor, const std::string& name, const std::string& value,
           std::string& error) {
    if (!IsSettable(name)) {
        error = "unknown field '" + name + "'";
        return false;
    }
    if (name == "byDummy3")
        return ApplyDhcpOptions(editor, value, error);
    PropertyItem* item = ItemFor(editor, name);
    // A choice equal to the current one is no change: the list commits only a different choice, so the
    // rule that resets what depends on it does not run again.
    const auto sameChoice = [&] {
        if (!item || !item->IsVisible() || item->Kind() != PropertyKind::Option)
            return false;
        const std::string text = OptionText(editor, item->Id(), value);
        return !text.empty() && item->IndexOfOption(text) >= 0 &&
               item->IndexOfOption(text) == item->SelectedIndex();
    };
    if (sameChoice())
        return true;
    if (!Usable(item, name, error))
        return false;
    PropertyGrid& grid = editor.Grid(GridOfProperty(item->Id()));
    const DeviceRecordFields::Field& field = *DeviceRecordFields::Find(name);

    switch (item->Kind()) {
    case PropertyKind::Option: {
        const std::string text = OptionText(editor, item->Id(), value);
        const int index = text.empty() ? -1 : item->IndexOfOption(text);
        if (index < 0) {
            error = name + ": " + (value.empty() ? std::string("nothing") : value) +
                    " is not one of the choices here (" + Choices(editor, *item) + ")";
            return false;
        }
        grid.SelectOption(*item, index);
        return true;
    }
    case PropertyKind::Address: {
        WLanAdvGroupEditor::AddressStores& stores = editor.Addresses();
        std::uint8_t* store = item->Id() == VRX_GROUP3_PROPERTY_ID_4   ? stores.ip
                              : item->Id() == VRX_GROUP3_PROPERTY_ID_5 ? stores.subnetMask
                                                                       : stores.gateway;
        std::uint8_t address[4];
        if (!ParseAddress(value, address)) {
            error = name + ": an IPv4 address is wanted";
            return false;
        }
        std::copy(address, address + 4, store);
        // As the address dialog does: the stores changed, the item reports it.
        grid.ReportChanged(*item);
        return true;
    }
    default:
        break;
    }

    // Typed texts: what the grid's editor admits first. A text too long for the item goes on to the item's
    // check, which is stricter than the editor and says what the field takes.
    const std::u16string characters = Utf8::ToUtf16(value);
    if (std::any_of(characters.begin(), characters.end(), [](char16_t c) { return c < 0x20; })) {
        error = name + ": control characters cannot be typed";
        return false;
    }
    if (item->EditMask().find('d') != std::string::npos && !item->FitsMask(value)) {
        error = name + ": up to " + std::to_string(item->EditMask().size()) + " digits are wanted";
        return false;
    }
    const bool number = item->Id() == VRX_GROUP3_PROPERTY_ID_7 || item->Id() == VRX_GROUP5_PROPERTY_ID_4;
    if (number && (value.empty() || value.find_first_not_of("0123456789") != std::string::npos)) {
        error = name + ": a number is wanted";
        return false;
    }
    const WLAN_ADVANCED_CONFIG_INFO before = editor.ConfigurationInfo();
    const std::string shownBefore = item->Value();
    const auto refuse = [&] {
        editor.ConfigurationInfo() = before;
        item->SetValue(shownBefore);
        return false;
    };
    grid.EditValue(*item, value);
    const std::string stored = DeviceRecordFields::Text(editor.ConfigurationInfo(), field, true);
    if (number) {
        // The rule brings a number the module cannot take to one it can: refuse it instead.
        if (stored != std::to_string(std::stoul(value))) {
            error = name + ": " + value + " cannot be used; the page would take " + stored;
            return refuse();
        }
        return true;
    }
    // A rule that accepted the text stored it in the record and put it back into the item; a refusal
    // showed its message and left the record (and the row) as it was.
    if (editor.LastChangeRefused() || stored != item->Value()) {
        const CConfigurationValidator::Refusal& refusal = editor.Validator().LastRefusal();
        error = refusal.field.empty() ? std::string() : RefusalText(refusal);
        return refuse();
    }
    return true;
}

namespace {

int Rank(const std::string& name) {
    static const char* const kFirst[] = {"byNetworkMode", "byAuthentication", "byEncryption",
                                         "byIPConfigMode", "szEAP_Id"};
    for (int i = 0; i < static_cast<int>(std::size(kFirst)); ++i)
        if (name == kFirst[i])
            return i;
    return static_cast<int>(std::size(kFirst));
}

// A value as an error may show it: a secret's is masked.
std::string Shown(const std::string& name, const std::string& value) {
    const DeviceRecordFields::Field* field = DeviceRecordFields::Find(name);
    return field && field->secret ? std::string(DeviceRecordFields::kMaskedSecret) : value;
}

// What a change leaves behind: the record field as stored (the DHCP option items for byDummy3, whose bits
// the save writes from them).
std::string Outcome(WLanAdvGroupEditor& editor, const std::string& name) {
    if (name == "byDummy3") {
        std::string values;
        for (const std::uint32_t id : {VRX_GROUP3_PROPERTY_ID_2, VRX_GROUP3_PROPERTY_ID_3})
            if (const PropertyItem* item = editor.Find(id))
                values += item->Value() + "/";
        return values;
    }
    return DeviceRecordFields::Text(editor.ConfigurationInfo(), *DeviceRecordFields::Find(name), true);
}

} // namespace

std::vector<Change> Ordered(const std::vector<Change>& changes) {
    std::vector<Change> ordered = changes;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Change& a, const Change& b) { return Rank(a.first) < Rank(b.first); });
    return ordered;
}

bool ApplyAll(WLanAdvGroupEditor& editor, const std::vector<Change>& changes, std::string& error) {
    error.clear();
    for (std::size_t i = 0; i < changes.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (changes[i].first == changes[j].first && changes[i].second != changes[j].second) {
                error = changes[i].first + " is given twice (" + Shown(changes[i].first, changes[j].second) +
                        " and " + Shown(changes[i].first, changes[i].second) + ")";
                return false;
            }
    struct Applied {
        Change change;
        std::string outcome;
    };
    std::vector<Applied> applied;
    for (const Change& change : Ordered(changes)) {
        if (!Apply(editor, change.first, change.second, error)) {
            if (error.empty())
                error = change.first + ": " + Shown(change.first, change.second) + " is refused";
            return false;
        }
        applied.push_back({change, Outcome(editor, change.first)});
    }
    // The checks of a save, as the page runs them before anything goes on the line.
    CConfigurationValidator& validator = editor.Validator();
    if (!validator.DataValidation4Group1() || !validator.DataValidation4Group2()) {
        const CConfigurationValidator::Refusal& refusal = validator.LastRefusal();
        error = refusal.field.empty() ? std::string("the page's checks refuse the configuration")
                                      : RefusalText(refusal);
        return false;
    }
    // Every value given must still be there: a later rule may have hidden the item or changed the field.
    for (const Applied& a : applied) {
        const std::string& name = a.change.first;
        const PropertyItem* item = name == "byDummy3" ? nullptr : ItemFor(editor, name);
        if (name != "byDummy3" && (!item || !item->IsVisible())) {
            error = name + " is hidden by the other changes, so it would go out as read";
            return false;
        }
        const std::string now = Outcome(editor, name);
        if (now != a.outcome) {
            error = name + "=" + Shown(name, a.change.second) +
                    " does not hold with the other changes: the page's rules make it \"" + Shown(name, now) +
                    "\"";
            return false;
        }
    }
    return true;
}

std::string RefusalText(const CConfigurationValidator::Refusal& refusal) {
    std::string text = refusal.field + ": " + refusal.message;
    if (!refusal.allowed.empty())
        text += "; " + refusal.allowed;
    return text;
}

} // namespace CliDeviceSet
