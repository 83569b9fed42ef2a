#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reads and writes INI files with private-profile semantics: sections "[name]", lines "key=value", section
// and key names compared without regard to letter case, blanks around names and values ignored.
class PrivateProfile {
public:
    // The value of key in section, at most maxBytes - 1 bytes (never splitting a UTF-8 character).
    // A missing file, section or key, or an empty value, gives nothing.
    static std::optional<std::string> ReadString(const std::string& path, std::string_view section,
                                                 std::string_view key, size_t maxBytes = 256);

    // Sets key in section to value. Creates the file and the section when needed and keeps every other
    // section, key and line of the file as it was. False when the file cannot be written.
    static bool WriteString(const std::string& path, std::string_view section, std::string_view key,
                            std::string_view value);
};
