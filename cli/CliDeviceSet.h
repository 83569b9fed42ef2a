#pragma once

#include "ui/wlanadv/WLanAdvGroupEditor.h"

#include <string>
#include <utility>
#include <vector>

// `quorlink device set`: one FIELD=VALUE change applied to the grids of the WLAN (Advanced) page as the
// user's edit of the item that shows the field, so that the page's rules and field checks decide.
namespace CliDeviceSet {

// The record fields an item of the page edits, by the names `device read --json` prints, in record order.
std::vector<std::string> SettableFields();
bool IsSettable(const std::string& name);

// Applies name=value to the editor's grids (built from a read). False with error (one line, without the
// command's name) when the field is unknown, its item hidden or disabled, the value out of the item's
// choices, mask or range, or refused by the item's rule; a rule's own message also goes to the editor's
// message box.
bool Apply(WLanAdvGroupEditor& editor, const std::string& name, const std::string& value, std::string& error);

// One FIELD=VALUE pair.
using Change = std::pair<std::string, std::string>;

// The changes in the order they are applied: first the choices whose rules reset other fields (the network
// mode, then the authentication, the encryption and the IP address assignment), then the EAP identity
// (which enables its password), then the rest in the order given.
std::vector<Change> Ordered(const std::vector<Change>& changes);

// Applies every change as Apply does, in the order of Ordered, then runs the page's checks of a save, so
// that the outcome does not depend on the order the pairs were given in. A choice equal to the current one
// changes nothing. False with error (one line) when a field is given twice with different values, a change
// is refused, a check of the save refuses a field (named with its allowed values), or a value given does
// not hold in the final configuration (a later rule hid or changed it).
bool ApplyAll(WLanAdvGroupEditor& editor, const std::vector<Change>& changes, std::string& error);

// A refusal of the page's field checks as one line: the field, the check's message and what it allows
// ("bySSID: SSID LENGTH ERROR (40); 1 to 31 bytes").
std::string RefusalText(const CConfigurationValidator::Refusal& refusal);

} // namespace CliDeviceSet
