#pragma once

#include "app/AppPaths.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The preferences file (beside the executable, or installed in the user's configuration folder; see
// AppPaths): one section named after the application.
//
//   PREFERENCE[0]  > 0 switches the diagnostic log on
//   PREFERENCE[1]  interface language index (negative: choose from the desktop's language)
//   PREFERENCE[3]  > 0 leaves the "Show Password" check box available
//   PREFERENCE[4]  1 = printer list page only, 2 = WLAN (Advanced) page only, else both
//   PREFERENCE[5]  advanced-settings groups that start expanded, "2, 4"
namespace PreferenceKey {
inline constexpr const char* LogSwitch = "PREFERENCE[0]";
inline constexpr const char* Language = "PREFERENCE[1]";
inline constexpr const char* ShowPassword = "PREFERENCE[3]";
inline constexpr const char* SheetPages = "PREFERENCE[4]";
inline constexpr const char* ExpandedGroups = "PREFERENCE[5]";
} // namespace PreferenceKey

// Reads the log switch, sets the application name and creates the log folder, from the running
// executable and its layout (AppPaths::Locate). When its path cannot be had the log stays off and the
// application name empty.
void InitPreference();
// The same for a given set of paths (a test's folder).
void InitPreference(const AppPaths& paths);
// Forgets everything InitPreference set (the log goes off).
void ResetPreferences();

const AppPaths& ApplicationPaths();
const std::string& ApplicationName();

// The value of key, read into bufferChars characters; nothing when the key is missing or empty.
std::optional<std::string> VRXReadConfigurationInfoFromFile(std::string_view key, size_t bufferChars = 256);
bool VRXWriteConfigurationInfoFromFile(std::string_view key, std::string_view value);

// A profile integer: leading blanks, one sign, digits up to the first non-digit; no digits give 0.
int ParseProfileInt(std::string_view text);
// The value of key as a profile integer, or nothing when the key is not present.
std::optional<int> ReadPreferenceInt(std::string_view key);

// Groups 1..9 of the advanced settings grid that start expanded (index 0 unused). Without a value every
// group starts expanded; with one only the listed groups, and an empty item ends the list.
std::array<bool, 10> ParseExpandedGroups(const std::optional<std::string>& value);
