#pragma once

#include "ui/wlanadv/WLanAdvGroupEditor.h"

#include <string>
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

} // namespace CliDeviceSet
