#pragma once

#include <optional>
#include <string>
#include <vector>

// The preferences that keep them (beside PREFERENCE[0..5], see Preferences.h):
//   MAIN_WINDOW           the main window's place and size when it ended, "x,y,width,height"
//   PRINTER_LIST_COLUMNS  the widths of the printer list's five columns the user chose, "28,120,150,150,60"
namespace PreferenceKey {
inline constexpr const char* MainWindow = "MAIN_WINDOW";
inline constexpr const char* PrinterListColumns = "PRINTER_LIST_COLUMNS";
} // namespace PreferenceKey

// Where a window was and how large, as the preferences keep it between runs ("x,y,width,height" in
// pixels), and the widths of a list's columns ("28,120,150,150,60").
struct WindowPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;

    // The value of a preference: nothing unless it holds four whole numbers separated by ",", the width and
    // the height above 0 and none of them beyond ±100000 (blanks around the numbers are fine).
    static std::optional<WindowPlacement> Parse(const std::optional<std::string>& value);
    std::string Text() const;

    // count column widths, each from 1 to 10000 pixels; empty unless the value has exactly count of them.
    static std::vector<int> ParseWidths(const std::optional<std::string>& value, size_t count);
    static std::string WidthsText(const std::vector<int>& widths);
};
