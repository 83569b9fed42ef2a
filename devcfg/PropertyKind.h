#pragma once

// What an item of the advanced settings grid is and how the user edits it.
enum class PropertyKind {
    ReadOnly,        // plain item: shown, never edited
    Text,            // masked text item: typed in place, with an optional edit mask
    Option,          // option item: one of a list of options, never typed into
    Password,        // password item: shown as "*", edited in the password dialog (button)
    Address,         // address item: edited in the IP address dialog (button)
    AccessPoint,     // SSID item: typed in place, or taken from the access-point list (button)
    CertificateFile, // certificate file item: a file chosen and uploaded (button)
};
