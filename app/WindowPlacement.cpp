#include "app/WindowPlacement.h"

#include <cerrno>
#include <cstdlib>

namespace {

// The whole numbers of text separated by ","; nothing when an item is not one.
std::optional<std::vector<long>> Numbers(const std::string& text) {
    std::vector<long> numbers;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const size_t first = item.find_first_not_of(" \t");
        if (first == std::string::npos)
            return std::nullopt;
        item = item.substr(first, item.find_last_not_of(" \t") - first + 1);
        char* end = nullptr;
        errno = 0;
        const long number = std::strtol(item.c_str(), &end, 10);
        if (errno != 0 || end == item.c_str() || *end != '\0')
            return std::nullopt;
        numbers.push_back(number);
        if (comma == std::string::npos)
            return numbers;
        start = comma + 1;
    }
}

} // namespace

std::optional<WindowPlacement> WindowPlacement::Parse(const std::optional<std::string>& value) {
    if (!value)
        return std::nullopt;
    const auto numbers = Numbers(*value);
    if (!numbers || numbers->size() != 4)
        return std::nullopt;
    for (const long number : *numbers)
        if (number < -100000 || number > 100000)
            return std::nullopt;
    const WindowPlacement placement{static_cast<int>((*numbers)[0]), static_cast<int>((*numbers)[1]),
                                    static_cast<int>((*numbers)[2]), static_cast<int>((*numbers)[3])};
    if (placement.width <= 0 || placement.height <= 0)
        return std::nullopt;
    return placement;
}

std::string WindowPlacement::Text() const {
    return std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(width) + "," +
           std::to_string(height);
}

std::vector<int> WindowPlacement::ParseWidths(const std::optional<std::string>& value, size_t count) {
    if (!value)
        return {};
    const auto numbers = Numbers(*value);
    if (!numbers || numbers->size() != count)
        return {};
    std::vector<int> widths;
    for (const long number : *numbers) {
        if (number < 1 || number > 10000)
            return {};
        widths.push_back(static_cast<int>(number));
    }
    return widths;
}

std::string WindowPlacement::WidthsText(const std::vector<int>& widths) {
    std::string text;
    for (const int width : widths)
        text += (text.empty() ? "" : ",") + std::to_string(width);
    return text;
}
