#include "devcfg/CConfigurationValidator.h"

#include "app/DiagnosticLog.h"
#include "app/StringTable.h"
#include "app/Utf8.h"
#include "devcfg/PropertyIds.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

constexpr const char* kWhiteSpace = " \t\r\n\v\f";

// What a refused field allows, said beside the check's message (%1, %2 numbers).
constexpr int kAllowedBytes = 470;     // "1 to 31 bytes"
constexpr int kAllowedUpToBytes = 471; // "up to 31 bytes"
constexpr int kAllowedPinCode = 472;
constexpr int kAllowedPskKey = 473;
constexpr int kAllowedWepKey = 474; // %1 key characters or %2 hex digits
constexpr int kAllowedTrapAddress = 475;

std::string Trimmed(const std::string& text) {
    const size_t begin = text.find_first_not_of(kWhiteSpace);
    if (begin == std::string::npos)
        return {};
    const size_t end = text.find_last_not_of(kWhiteSpace);
    return text.substr(begin, end - begin + 1);
}

std::string WithoutBlanks(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

// The bytes the text takes in its field with the terminating zero; 0 for an empty text.
int AnsiLength(const std::string& text) {
    return text.empty() ? 0 : static_cast<int>(text.size() + 1);
}

// "%s (%d)"
std::string WithNumber(const std::string& message, long long number) {
    return message + " (" + std::to_string(number) + ")";
}

// "%s (0x%02x, %c)": the offending character's code and the character itself.
std::string WithCharacter(const std::string& message, std::u16string_view characters, size_t at) {
    char32_t code = characters[at];
    size_t units = 1;
    if (code >= 0xD800 && code <= 0xDBFF && at + 1 < characters.size() && characters[at + 1] >= 0xDC00 &&
        characters[at + 1] <= 0xDFFF) {
        code = 0x10000 + ((code - 0xD800) << 10) + (characters[at + 1] - 0xDC00);
        units = 2;
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%02x", static_cast<unsigned>(code));
    return message + " (" + hex + ", " + Utf8::FromUtf16(characters.substr(at, units)) + ")";
}

// "%s (%02x) (%02x)": the values of an offending hex pair, the first times 16, an invalid digit as -1.
std::string WithHexPair(const std::string& message, int high, int low) {
    char values[40];
    std::snprintf(values, sizeof values, " (%02x) (%02x)", static_cast<unsigned>(high * 16),
                  static_cast<unsigned>(low));
    return message + values;
}

int HexValue(char16_t c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsKeyCharacter(char16_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

struct Field {
    size_t offset;
    size_t size;
    const char* name;
};
#define RECORD_FIELD(member)                                                                                 \
    Field {                                                                                                  \
        offsetof(WLAN_ADVANCED_CONFIG_INFO, member), sizeof(WLAN_ADVANCED_CONFIG_INFO::member), #member      \
    }

std::uint8_t* FieldBytes(WLAN_ADVANCED_CONFIG_INFO& record, const Field& field) {
    return reinterpret_cast<std::uint8_t*>(&record) + field.offset;
}

std::string FieldValue(WLAN_ADVANCED_CONFIG_INFO& record, const Field& field) {
    return DeviceRecords::FieldText(FieldBytes(record, field), field.size);
}

// What the log shows of a value: the text, or for a secret its length only.
std::string Shown(const std::string& value, bool secret) {
    return secret ? LogSecret(value) : value;
}

// Writes "name : START" on construction and "name : END" when the validator returns.
class LogScope {
public:
    explicit LogScope(const char* name) : m_name(name) { WriteLog("%s : START", m_name); }
    ~LogScope() { WriteLog("%s : END", m_name); }
    LogScope(const LogScope&) = delete;
    LogScope& operator=(const LogScope&) = delete;

private:
    const char* m_name;
};

// Logs the field's old value, stores text in it (cut to the field on a character boundary) and logs the new.
void StoreField(const char* name, WLAN_ADVANCED_CONFIG_INFO& record, const Field& field,
                const std::string& text, bool secret) {
    WriteLog("%s : %s old = %s", name, field.name, Shown(FieldValue(record, field), secret).c_str());
    DeviceRecords::SetFieldText(FieldBytes(record, field), field.size, text);
    WriteLog("%s : %s new = %s", name, field.name, Shown(FieldValue(record, field), secret).c_str());
}

void ClearField(const char* name, WLAN_ADVANCED_CONFIG_INFO& record, const Field& field, bool secret) {
    StoreField(name, record, field, std::string(), secret);
}

} // namespace

// A validator that checks the byte length of a cleaned text.
struct CConfigurationValidator::TextRule {
    const char* name;
    std::uint32_t id;
    Field field;
    bool removeBlanks;
    bool secret;
    int maxAnsiLength;     // A may not exceed this
    int lengthErrorText;   // the string-table text of a failure
    bool reportCharacters; // the failure message shows L instead of A
};

CConfigurationValidator::CConfigurationValidator(IPropertyItems& items, IMessageBox& messages)
    : m_items(items), m_messages(messages) {}

void CConfigurationValidator::Refuse(std::uint32_t id, const char* field, const std::string& message,
                                     std::string allowed, bool plain) {
    m_refusal = {id, field, message, std::move(allowed)};
    if (plain)
        m_messages.ShowPlain(message);
    else
        m_messages.ShowError(message);
}

void CConfigurationValidator::SetItemValue(std::uint32_t id, const std::string& value) {
    if (auto* item = m_items.FindItem(GridOfProperty(id), id))
        item->SetValue(value);
}

void CConfigurationValidator::EnableItem(std::uint32_t id, bool enable) {
    if (auto* item = m_items.FindItem(GridOfProperty(id), id))
        item->Enable(enable);
}

bool CConfigurationValidator::ValidateText(const TextRule& rule, const std::string& text) {
    LogScope scope(rule.name);
    m_refusal = {};
    std::string cleaned = Trimmed(text);
    if (rule.removeBlanks)
        cleaned = WithoutBlanks(cleaned);
    const int ansiLength = AnsiLength(cleaned);
    const int characters = static_cast<int>(Utf8::ToUtf16(cleaned).size());
    WriteLog("%s : value = %s", rule.name, Shown(cleaned, rule.secret).c_str());
    WriteLog("%s : dwAnsiLength = %d", rule.name, ansiLength);
    if (cleaned.empty() || ansiLength > rule.maxAnsiLength) {
        WriteLog("%s : length error (%d)", rule.name, rule.reportCharacters ? characters : ansiLength);
        Refuse(rule.id, rule.field.name,
               WithNumber(Message(rule.lengthErrorText), rule.reportCharacters ? characters : ansiLength),
               StringTable::Fill(LoadString(kAllowedBytes), {"1", std::to_string(rule.maxAnsiLength - 1)}));
        return false;
    }
    SetItemValue(rule.id, cleaned);
    StoreField(rule.name, m_items.ConfigurationInfo(), rule.field, cleaned, rule.secret);
    return true;
}

bool CConfigurationValidator::DataValidation4SSID(const std::string& text) {
    return ValidateText({"DataValidation4SSID", VRX_GROUP1_PROPERTY_ID_1, RECORD_FIELD(bySSID), false, false,
                         32, StringId::SsidLengthError, true},
                        text);
}

bool CConfigurationValidator::DataValidation4SystemName(const std::string& text) {
    return ValidateText({"DataValidation4SystemName", VRX_GROUP5_PROPERTY_ID_1, RECORD_FIELD(bySystemName),
                         false, false, 64, StringId::DeviceSystemNameLengthError, false},
                        text);
}

bool CConfigurationValidator::DataValidation4AdminID(const std::string& text) {
    return ValidateText({"DataValidation4AdminID", VRX_GROUP5_PROPERTY_ID_2, RECORD_FIELD(byUserName), true,
                         false, 32, StringId::UserIdLengthError, false},
                        text);
}

bool CConfigurationValidator::DataValidation4AdminPW(const std::string& text) {
    return ValidateText({"DataValidation4AdminPW", VRX_GROUP5_PROPERTY_ID_3, RECORD_FIELD(byUserPassword),
                         false, true, 32, StringId::UserPasswordLengthError, false},
                        text);
}

bool CConfigurationValidator::DataValidation4ReadCommunityName(const std::string& text) {
    return ValidateText({"DataValidation4ReadCommunityName", VRX_GROUP7_PROPERTY_ID_1,
                         RECORD_FIELD(bySNMPGetCommunity), false, true, 16,
                         StringId::ReadCommunityLengthError, false},
                        text);
}

bool CConfigurationValidator::DataValidation4WriteCommunityName(const std::string& text) {
    return ValidateText({"DataValidation4WriteCommunityName", VRX_GROUP7_PROPERTY_ID_2,
                         RECORD_FIELD(szSNMPSetCommunity), false, true, 16,
                         StringId::WriteCommunityLengthError, false},
                        text);
}

bool CConfigurationValidator::DataValidation4TrapCommunityName(const std::string& text) {
    return ValidateText({"DataValidation4TrapCommunityName", VRX_GROUP7_PROPERTY_ID_4,
                         RECORD_FIELD(szSNMPTrapCommunity), false, true, 16,
                         StringId::TrapCommunityLengthError, false},
                        text);
}

bool CConfigurationValidator::DataValidation4PinCode(const std::string& text) {
    static constexpr const char* kName = "DataValidation4PinCode";
    LogScope scope(kName);
    m_refusal = {};
    const std::string cleaned = WithoutBlanks(Trimmed(text));
    const int characters = static_cast<int>(Utf8::ToUtf16(cleaned).size());
    WriteLog("%s : value = %s", kName, LogSecret(cleaned).c_str());
    WriteLog("%s : dwAnsiLength = %d", kName, AnsiLength(cleaned));
    // A Wi-Fi Direct PIN has 4 or 8 digits; the 9-byte field keeps its terminating zero.
    if (characters != 4 && characters != 8) {
        WriteLog("%s : length error (%d)", kName, characters);
        Refuse(VRX_GROUP1_PROPERTY_ID_5, "byP2P_PinCode",
               WithNumber(Message(StringId::PinCodeLengthError), characters), LoadString(kAllowedPinCode));
        return false;
    }
    SetItemValue(VRX_GROUP1_PROPERTY_ID_5, cleaned);
    StoreField(kName, m_items.ConfigurationInfo(), RECORD_FIELD(byP2P_PinCode), cleaned, true);
    return true;
}

bool CConfigurationValidator::DataValidation4PSKKey(const std::string& text) {
    static constexpr const char* kName = "DataValidation4PSKKey";
    LogScope scope(kName);
    m_refusal = {};
    const std::string cleaned = Trimmed(text);
    const std::u16string characters = Utf8::ToUtf16(cleaned);
    const int length = static_cast<int>(characters.size());
    WriteLog("%s : value = %s", kName, LogSecret(cleaned).c_str());
    WriteLog("%s : dwAnsiLength = %d", kName, AnsiLength(cleaned));
    if (length < 8 || length > 63) {
        WriteLog("%s : length error (%d)", kName, length);
        Refuse(VRX_GROUP2_PROPERTY_ID_4, "byPSK_Key",
               WithNumber(Message(StringId::PskKeyLengthError), length), LoadString(kAllowedPskKey), true);
        return false;
    }
    for (size_t i = 0; i < characters.size(); ++i) {
        if (characters[i] >= 0x80) {
            WriteLog("%s : character %d is not ASCII", kName, static_cast<int>(i));
            Refuse(VRX_GROUP2_PROPERTY_ID_4, "byPSK_Key",
                   WithCharacter(Message(StringId::PskKeyValueError), characters, i),
                   LoadString(kAllowedPskKey));
            return false;
        }
    }
    SetItemValue(VRX_GROUP2_PROPERTY_ID_4, cleaned);
    StoreField(kName, m_items.ConfigurationInfo(), RECORD_FIELD(byPSK_Key), cleaned, true);
    return true;
}

bool CConfigurationValidator::ValidateWepKey(const char* name, std::uint32_t id, size_t unit,
                                             int lengthErrorText, int valueErrorText,
                                             const std::string& text) {
    LogScope scope(name);
    m_refusal = {};
    const std::string allowed =
        StringTable::Fill(LoadString(kAllowedWepKey), {std::to_string(unit), std::to_string(2 * unit)});
    const std::string cleaned = WithoutBlanks(Trimmed(text));
    const std::u16string characters = Utf8::ToUtf16(cleaned);
    const size_t length = characters.size();
    WriteLog("%s : value = %s", name, LogSecret(cleaned).c_str());
    WriteLog("%s : dwAnsiLength = %d", name, AnsiLength(cleaned));
    // A key is typed as unit characters or as 2 * unit hex digits; anything longer would not fit the field.
    if (length != unit && length != 2 * unit) {
        WriteLog("%s : length error (%d)", name, static_cast<int>(length));
        Refuse(id, "byWEP_Key0", WithNumber(Message(lengthErrorText), static_cast<long long>(length)),
               allowed);
        return false;
    }
    if (length == unit) {
        for (size_t i = 0; i < length; ++i) {
            if (!IsKeyCharacter(characters[i])) {
                WriteLog("%s : character %d is not a key character", name, static_cast<int>(i));
                Refuse(id, "byWEP_Key0", WithCharacter(Message(valueErrorText), characters, i), allowed);
                return false;
            }
        }
    } else {
        for (size_t i = 0; i + 1 < length; i += 2) {
            const int high = HexValue(characters[i]);
            const int low = HexValue(characters[i + 1]);
            if (high < 0 || low < 0) {
                WriteLog("%s : pair %d is not hex", name, static_cast<int>(i / 2));
                Refuse(id, "byWEP_Key0", WithHexPair(Message(valueErrorText), high, low), allowed);
                return false;
            }
        }
    }
    SetItemValue(id, cleaned);
    StoreField(name, m_items.ConfigurationInfo(), RECORD_FIELD(byWEP_Key0), cleaned, true);
    return true;
}

bool CConfigurationValidator::DataValidation4WEPKey64bit(const std::string& text) {
    return ValidateWepKey("DataValidation4WEPKey64bit", VRX_GROUP2_PROPERTY_ID_5, 5,
                          StringId::Wep64KeyLengthError, StringId::Wep64KeyValueError, text);
}

bool CConfigurationValidator::DataValidation4WEPKey128bit(const std::string& text) {
    return ValidateWepKey("DataValidation4WEPKey128bit", VRX_GROUP2_PROPERTY_ID_6, 13,
                          StringId::Wep128KeyLengthError, StringId::Wep128KeyValueError, text);
}

bool CConfigurationValidator::DataValidation4EapID(const std::string& text) {
    static constexpr const char* kName = "DataValidation4EapID";
    LogScope scope(kName);
    m_refusal = {};
    const std::string cleaned = WithoutBlanks(Trimmed(text));
    const int ansiLength = AnsiLength(cleaned);
    WriteLog("%s : value = %s", kName, cleaned.c_str());
    WriteLog("%s : dwAnsiLength = %d", kName, ansiLength);
    auto& record = m_items.ConfigurationInfo();
    // The password goes with the identity: it is enabled again only for a valid identity.
    EnableItem(VRX_GROUP2_PROPERTY_ID_8, false);
    if (cleaned.empty()) {
        SetItemValue(VRX_GROUP2_PROPERTY_ID_7, cleaned);
        ClearField(kName, record, RECORD_FIELD(szEAP_Id), false);
        SetItemValue(VRX_GROUP2_PROPERTY_ID_8, std::string());
        ClearField(kName, record, RECORD_FIELD(szEAP_Password), true);
        return true;
    }
    if (ansiLength > 32) {
        WriteLog("%s : length error (%d)", kName, ansiLength);
        Refuse(VRX_GROUP2_PROPERTY_ID_7, "szEAP_Id",
               WithNumber(Message(StringId::EapIdLengthError), ansiLength),
               StringTable::Fill(LoadString(kAllowedUpToBytes), {"31"}));
        return false;
    }
    SetItemValue(VRX_GROUP2_PROPERTY_ID_7, cleaned);
    StoreField(kName, record, RECORD_FIELD(szEAP_Id), cleaned, false);
    EnableItem(VRX_GROUP2_PROPERTY_ID_8, true);
    return true;
}

bool CConfigurationValidator::DataValidation4EapPassword(const std::string& text) {
    static constexpr const char* kName = "DataValidation4EapPassword";
    LogScope scope(kName);
    m_refusal = {};
    // A blank inside a password is part of it, as for the PSK and the administrator's password.
    const std::string cleaned = Trimmed(text);
    const int ansiLength = AnsiLength(cleaned);
    WriteLog("%s : value = %s", kName, LogSecret(cleaned).c_str());
    WriteLog("%s : dwAnsiLength = %d", kName, ansiLength);
    auto& record = m_items.ConfigurationInfo();
    if (cleaned.empty()) {
        // No password, no EAP account: both fields go out empty, the items keep their texts.
        ClearField(kName, record, RECORD_FIELD(szEAP_Id), false);
        ClearField(kName, record, RECORD_FIELD(szEAP_Password), true);
        return true;
    }
    if (ansiLength > 32) {
        WriteLog("%s : length error (%d)", kName, ansiLength);
        Refuse(VRX_GROUP2_PROPERTY_ID_8, "szEAP_Password",
               WithNumber(Message(StringId::EapPasswordLengthError), ansiLength),
               StringTable::Fill(LoadString(kAllowedUpToBytes), {"31"}));
        return false;
    }
    SetItemValue(VRX_GROUP2_PROPERTY_ID_8, cleaned);
    StoreField(kName, record, RECORD_FIELD(szEAP_Password), cleaned, true);
    return true;
}

bool CConfigurationValidator::DataValidation4TrapIPAddress(const std::string& text) {
    static constexpr const char* kName = "DataValidation4TrapIPAddress";
    LogScope scope(kName);
    m_refusal = {};
    const std::string allowed = LoadString(kAllowedTrapAddress);
    const std::string cleaned = WithoutBlanks(Trimmed(text));
    const std::u16string characters = Utf8::ToUtf16(cleaned);
    const int length = static_cast<int>(characters.size());
    WriteLog("%s : value = %s", kName, cleaned.c_str());
    WriteLog("%s : dwAnsiLength = %d", kName, AnsiLength(cleaned));
    if (length < 1 || length > 15) {
        WriteLog("%s : length error (%d)", kName, length);
        Refuse(VRX_GROUP7_PROPERTY_ID_5, "byTrapIP",
               WithNumber(Message(StringId::TrapIpAddressLengthError), length), allowed);
        return false;
    }
    int dots = 0;
    for (size_t i = 0; i < characters.size(); ++i) {
        if (characters[i] == '.') {
            ++dots;
        } else if (characters[i] < '0' || characters[i] > '9') {
            WriteLog("%s : character %d is neither a digit nor a dot", kName, static_cast<int>(i));
            Refuse(VRX_GROUP7_PROPERTY_ID_5, "byTrapIP",
                   WithCharacter(Message(StringId::TrapIpAddressFormatError), characters, i), allowed);
            return false;
        }
    }
    if (dots != 3) {
        WriteLog("%s : %d dots", kName, dots);
        Refuse(VRX_GROUP7_PROPERTY_ID_5, "byTrapIP",
               WithNumber(Message(StringId::TrapIpAddressFormatError), dots), allowed);
        return false;
    }
    // Only digits and dots are left: the numbers between the dots, empty pieces skipped, missing ones 0.
    std::uint8_t address[4] = {};
    size_t number = 0;
    size_t position = 0;
    while (position < cleaned.size() && number < 4) {
        const size_t dot = std::min(cleaned.find('.', position), cleaned.size());
        if (dot > position) {
            unsigned value = 0;
            for (size_t i = position; i < dot; ++i)
                value = std::min(value * 10 + static_cast<unsigned>(cleaned[i] - '0'), 255u);
            address[number++] = static_cast<std::uint8_t>(value);
        }
        position = dot + 1;
    }
    char formatted[16];
    std::snprintf(formatted, sizeof formatted, "%d.%d.%d.%d", address[0], address[1], address[2], address[3]);
    auto& record = m_items.ConfigurationInfo();
    WriteLog("%s : byTrapIP old = %d.%d.%d.%d", kName, record.byTrapIP[0], record.byTrapIP[1],
             record.byTrapIP[2], record.byTrapIP[3]);
    std::memcpy(record.byTrapIP, address, sizeof address);
    WriteLog("%s : byTrapIP new = %s", kName, formatted);
    SetItemValue(VRX_GROUP7_PROPERTY_ID_5, formatted);
    return true;
}

bool CConfigurationValidator::DataValidation4Item(std::uint32_t id, const std::string& text) {
    switch (id) {
    case VRX_GROUP1_PROPERTY_ID_1:
        return DataValidation4SSID(text);
    case VRX_GROUP1_PROPERTY_ID_5:
        return DataValidation4PinCode(text);
    case VRX_GROUP2_PROPERTY_ID_4:
        return DataValidation4PSKKey(text);
    case VRX_GROUP2_PROPERTY_ID_5:
        return DataValidation4WEPKey64bit(text);
    case VRX_GROUP2_PROPERTY_ID_6:
        return DataValidation4WEPKey128bit(text);
    case VRX_GROUP2_PROPERTY_ID_7:
        return DataValidation4EapID(text);
    case VRX_GROUP2_PROPERTY_ID_8:
        return DataValidation4EapPassword(text);
    case VRX_GROUP5_PROPERTY_ID_1:
        return DataValidation4SystemName(text);
    case VRX_GROUP5_PROPERTY_ID_2:
        return DataValidation4AdminID(text);
    case VRX_GROUP5_PROPERTY_ID_3:
        return DataValidation4AdminPW(text);
    case VRX_GROUP7_PROPERTY_ID_1:
        return DataValidation4ReadCommunityName(text);
    case VRX_GROUP7_PROPERTY_ID_2:
        return DataValidation4WriteCommunityName(text);
    case VRX_GROUP7_PROPERTY_ID_4:
        return DataValidation4TrapCommunityName(text);
    case VRX_GROUP7_PROPERTY_ID_5:
        return DataValidation4TrapIPAddress(text);
    default:
        return true;
    }
}

bool CConfigurationValidator::RunGroup(const char* name, int grid, bool skipDisabled) {
    LogScope scope(name);
    m_failedItem = 0;
    for (IPropertyItem* item : m_items.Items(grid)) {
        if (!item || !item->IsVisible() || (skipDisabled && !item->IsEnabled()))
            continue;
        const std::uint32_t id = item->Id();
        // Each grid validates only its own items.
        if (GridOfProperty(id) != grid)
            continue;
        if (!DataValidation4Item(id, item->Value())) {
            WriteLog("%s : item %u failed", name, static_cast<unsigned>(id));
            m_failedItem = id;
            return false;
        }
    }
    return true;
}

bool CConfigurationValidator::DataValidation4Group1() {
    return RunGroup("DataValidation4Group1", 1, false);
}

bool CConfigurationValidator::DataValidation4Group2() {
    return RunGroup("DataValidation4Group2", 2, true);
}
