#pragma once

#include <nlohmann/json.hpp>

// A network module's settings as the page tests use them: a record that passes the page's checks (WPA2-PSK
// with AES, an administrator, SNMP with its communities) and the module's system information.
inline nlohmann::json OfficeModule() {
    return nlohmann::json{
        {"record",
         {{"bySSID", "Office-7"},
          {"bySystemName", "RK7-dock"},
          {"byAuthentication", 3},
          {"byEncryption", 4},
          {"byPSK_Key", "psk-12345"},
          {"byUserName", "admin"},
          {"byUserPassword", "pw-5678"},
          {"byIP", "192.0.2.7"},
          {"bySubnetMask", "255.255.255.0"},
          {"byPortNumber", 9100},
          {"bySNMP", 1},
          {"bySNMPGetCommunity", "public"},
          {"szSNMPSetCommunity", "private"},
          {"szSNMPTrapCommunity", "traps"},
          {"byTrapIP", "192.0.2.9"}}},
        {"system", {{"version", "3.10"}, {"date", "2026-11-30"}, {"mac", "02:00:5e:10:00:0a"}}}};
}
