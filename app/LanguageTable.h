#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The twelve interface languages. The index is what "PREFERENCE[1]" stores.
struct LanguageEntry {
    int index;
    int menuCommand;               // command number of the language menu
    const char* menuText;          // shown in the menu, in its own language
    const char* catalog;           // catalog base name in Languages/, nullptr for the built-in English
    std::uint16_t primaryLanguage; // chosen automatically for this primary language
};

namespace LanguageTable {

inline constexpr int kCount = 12;
inline constexpr int kLanguageMenu = 131;

const std::array<LanguageEntry, kCount>& Entries();

// "Languages/HALDAQlinkDeu.qm" for indexes 1..11; "" for every other index.
std::string CatalogRelativePath(int index);

// The index chosen for a 16-bit language identifier (primary language in the low 10 bits, sublanguage
// above): Chinese with sublanguage 1 (Taiwan) gives 11, other Chinese 10; an unlisted language gives 0.
int IndexForLanguageId(std::uint16_t languageId);

// The language identifier of a locale name such as "de_DE.UTF-8", "zh_TW", "zh-Hant" or "pt-BR";
// 0x0409 (English) for a name it does not know.
std::uint16_t LanguageIdFromLocaleName(std::string_view localeName);

// The locale of index's language as the toolkit names its own catalogs ("de", "zh_TW"); "en" for index 0
// and every index outside the table.
const char* ToolkitLocaleName(int index);

// The menu command number for index i, or 0.
int MenuCommandForIndex(int index);
// The index whose menu command is command, or -1.
int IndexForMenuCommand(int command);

} // namespace LanguageTable
