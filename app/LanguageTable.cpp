#include "app/LanguageTable.h"

#include <cctype>
#include <string>

namespace LanguageTable {

namespace {

constexpr std::uint16_t kLangEnglish = 0x09;
constexpr std::uint16_t kLangChinese = 0x04;
constexpr std::uint16_t kSubLangChineseTraditional = 0x01; // Taiwan
constexpr std::uint16_t kSubLangChineseSimplified = 0x02;  // PRC
constexpr std::uint16_t kSubLangChineseHongKong = 0x03;
constexpr std::uint16_t kSubLangChineseSingapore = 0x04;
constexpr std::uint16_t kSubLangChineseMacau = 0x05;

const std::array<LanguageEntry, kCount> kEntries = {{
    {0, 32771, "English", nullptr, kLangEnglish},
    {1, 32772, "Deutsch", "HALDAQlinkDeu", 0x07},
    {2, 32773, "Français", "HALDAQlinkFra", 0x0C},
    {3, 32774, "Español", "HALDAQlinkEsp", 0x0A},
    {4, 32779, "Italiano", "HALDAQlinkIta", 0x10},
    {5, 32781, "Polski", "HALDAQlinkPol", 0x15},
    {6, 32785, "Magyar", "HALDAQlinkHun", 0x0E},
    {7, 32784, "русский", "HALDAQlinkRus", 0x19},
    {8, 32787, "한국어", "HALDAQlinkKor", 0x12},
    {9, 32789, "日本語", "HALDAQlinkJpn", 0x11},
    {10, 32791, "简体中文", "HALDAQlinkChn", kLangChinese},
    {11, 32793, "繁體中文", "HALDAQlinkTwn", kLangChinese},
}};

struct LocaleLanguage {
    const char* code;
    std::uint16_t primary;
};

// ISO 639-1 codes of the languages the table knows, plus a few common others so that they map to English
// through the same path as on the original platform.
constexpr LocaleLanguage kLocaleLanguages[] = {
    {"en", 0x09}, {"de", 0x07}, {"fr", 0x0C}, {"es", 0x0A}, {"it", 0x10}, {"pl", 0x15}, {"hu", 0x0E},
    {"ru", 0x19}, {"ko", 0x12}, {"ja", 0x11}, {"zh", 0x04}, {"pt", 0x16}, {"nl", 0x13}, {"sv", 0x1D},
    {"cs", 0x05}, {"tr", 0x1F}, {"el", 0x08}, {"fi", 0x0B}, {"da", 0x06}, {"nb", 0x14}, {"ar", 0x01},
};

std::string Lower(std::string_view text) {
    std::string out(text);
    for (auto& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

const std::array<LanguageEntry, kCount>& Entries() {
    return kEntries;
}

const char* ToolkitLocaleName(int index) {
    constexpr const char* kNames[kCount] = {"en", "de", "fr", "es", "it",    "pl",
                                            "hu", "ru", "ko", "ja", "zh_CN", "zh_TW"};
    return index >= 0 && index < kCount ? kNames[index] : kNames[0];
}

std::string CatalogRelativePath(int index) {
    if (index < 1 || index >= kCount)
        return {};
    return std::string("Languages/") + kEntries[static_cast<size_t>(index)].catalog + ".qm";
}

int IndexForLanguageId(std::uint16_t languageId) {
    const std::uint16_t primary = languageId & 0x3FF;
    const std::uint16_t sub = languageId >> 10;
    if (primary == kLangChinese)
        return sub == kSubLangChineseTraditional ? 11 : 10;
    for (const auto& entry : kEntries) {
        if (entry.index != 0 && entry.primaryLanguage == primary)
            return entry.index;
    }
    return 0;
}

std::uint16_t LanguageIdFromLocaleName(std::string_view localeName) {
    // "ll_CC.codeset@modifier", "ll-Script-CC"
    std::string name = Lower(localeName.substr(0, localeName.find_first_of(".@")));
    for (auto& c : name) {
        if (c == '-')
            c = '_';
    }
    const std::string language = name.substr(0, name.find('_'));
    std::uint16_t primary = 0;
    for (const auto& known : kLocaleLanguages) {
        if (language == known.code)
            primary = known.primary;
    }
    if (primary == 0)
        return 0x0409;
    std::uint16_t sub = 0x01;
    if (primary == kLangChinese) {
        const bool traditional = name.find("hant") != std::string::npos;
        const bool simplified = name.find("hans") != std::string::npos;
        if (name.find("_tw") != std::string::npos)
            sub = kSubLangChineseTraditional;
        else if (name.find("_hk") != std::string::npos)
            sub = kSubLangChineseHongKong;
        else if (name.find("_mo") != std::string::npos)
            sub = kSubLangChineseMacau;
        else if (name.find("_sg") != std::string::npos)
            sub = kSubLangChineseSingapore;
        else if (traditional)
            sub = kSubLangChineseTraditional;
        else
            sub = kSubLangChineseSimplified;
        if (simplified && sub != kSubLangChineseSingapore)
            sub = kSubLangChineseSimplified;
    }
    return static_cast<std::uint16_t>(primary | (sub << 10));
}

int MenuCommandForIndex(int index) {
    if (index < 0 || index >= kCount)
        return 0;
    return kEntries[static_cast<size_t>(index)].menuCommand;
}

int IndexForMenuCommand(int command) {
    for (const auto& entry : kEntries) {
        if (entry.menuCommand == command)
            return entry.index;
    }
    return -1;
}

} // namespace LanguageTable
