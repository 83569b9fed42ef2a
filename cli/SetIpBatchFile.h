#pragma once

#include "netsearch/SettingsRequest.h"

#include <string>
#include <vector>

// The file `quorlink set-ip --batch` reads: comma-separated, a header row naming the columns (mac, mode,
// ip, subnet, gateway, and optionally port, inactivity, name, in any order and any case), then one row per
// printer. mode is dhcp or manual; a manual row gives all three addresses, a dhcp row none; an empty port,
// inactivity or name keeps the printer's.
namespace SetIpBatchFile {

struct Row {
    int line = 0;
    std::string mac; // the printer tables' key
    SettingsRequest request;
};

struct Problem {
    int line = 0;
    std::string column; // "" when the whole row or file is meant
    std::string message;
};

// Reads and checks every row as far as the values alone decide, with the same checks as set-ip's
// arguments and the settings page (CheckSettingsValues). A gateway outside the row's subnet is a problem
// unless gatewaysAgreed (--yes), and then the row's request has gatewayConfirmed. Every problem found is
// listed; rows is complete only when there are none.
// The message of a plan the checks refuse, and the column it is about; "" for a plan that passes (Send,
// Same, GatewayOutsideSubnet) and for NoSystemName, which only a printer's record decides.
std::string RefusalMessage(const SettingsPlan& plan, const SettingsRequest& request, std::string& column);

std::vector<Problem> Read(const std::string& text, bool gatewaysAgreed, std::vector<Row>& rows);

} // namespace SetIpBatchFile
