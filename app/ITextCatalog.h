#pragma once

#include <optional>
#include <string>
#include <string_view>

// A source of translated texts (a language catalog). Texts are looked up by context, English source text
// and disambiguation; the string table uses the context "StringTable" and the entry's number.
class ITextCatalog {
public:
    virtual ~ITextCatalog() = default;
    virtual std::optional<std::string> Translate(std::string_view context, std::string_view source,
                                                 std::string_view disambiguation) const = 0;
};
