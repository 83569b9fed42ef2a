#pragma once

#include "devcfg/IConfigurationValidator.h"
#include "devcfg/IPropertyItems.h"
#include "ui/IMessageBox.h"

#include <cstdint>
#include <string>

// The checks of the advanced settings grids before a configuration is sent or saved. Each validator takes
// an item's text, cleans it (white space trimmed, for some items every blank removed), checks its length and
// characters and on success writes the cleaned text into the item and its bytes into the working record. On
// a failure it shows one message box and returns false; the save stops there, and what earlier validators
// stored stays.
//
// Text is UTF-8; lengths in characters count UTF-16 code units as the grid does, byte lengths (A) count the
// UTF-8 bytes and the terminating zero (0 for an empty text).
class CConfigurationValidator : public IConfigurationValidator {
public:
    CConfigurationValidator(IPropertyItems& items, IMessageBox& messages);

    // What the last failed validator refused: the item, the record field, the message it showed and what
    // the field allows (in the current language), for a front end that names the field.
    struct Refusal {
        std::uint32_t id = 0;
        std::string field;
        std::string message;
        std::string allowed;
    };
    const Refusal& LastRefusal() const { return m_refusal; }

    // Grid #1: every item that is not hidden; grid #2: every item that is neither hidden nor disabled. The
    // first validator that fails ends the check.
    bool DataValidation4Group1() override;
    bool DataValidation4Group2() override;
    std::uint32_t FailedItem() const override { return m_failedItem; }

    // The validator of identifier id with text; true for an identifier that has no validator.
    bool DataValidation4Item(std::uint32_t id, const std::string& text);

    bool DataValidation4SSID(const std::string& text);
    bool DataValidation4PinCode(const std::string& text);
    bool DataValidation4PSKKey(const std::string& text);
    bool DataValidation4WEPKey64bit(const std::string& text);
    bool DataValidation4WEPKey128bit(const std::string& text);
    bool DataValidation4EapID(const std::string& text);
    bool DataValidation4EapPassword(const std::string& text);
    bool DataValidation4SystemName(const std::string& text);
    bool DataValidation4AdminID(const std::string& text);
    bool DataValidation4AdminPW(const std::string& text);
    bool DataValidation4ReadCommunityName(const std::string& text);
    bool DataValidation4WriteCommunityName(const std::string& text);
    bool DataValidation4TrapCommunityName(const std::string& text);
    bool DataValidation4TrapIPAddress(const std::string& text);

private:
    struct TextRule;
    bool ValidateText(const TextRule& rule, const std::string& text);
    bool ValidateWepKey(const char* name, std::uint32_t id, size_t unit, int lengthErrorText,
                        int valueErrorText, const std::string& text);
    bool RunGroup(const char* name, int grid, bool skipDisabled);
    void SetItemValue(std::uint32_t id, const std::string& value);
    void EnableItem(std::uint32_t id, bool enable);
    std::string Message(int textId) const { return m_items.Text(textId); }
    // Records the refusal and shows message (without an icon when plain).
    void Refuse(std::uint32_t id, const char* field, const std::string& message, std::string allowed,
                bool plain = false);

    IPropertyItems& m_items;
    IMessageBox& m_messages;
    Refusal m_refusal;
    std::uint32_t m_failedItem = 0;
};
