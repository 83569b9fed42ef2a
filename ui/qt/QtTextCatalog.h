#pragma once

#include "app/ITextCatalog.h"

#include <QTranslator>
#include <memory>

// A Qt Linguist catalog (.qm) as a text source for the string table and the windows.
class QtTextCatalog : public ITextCatalog {
public:
    // The catalog at path, or nullptr when it cannot be loaded (errorCode tells why).
    static std::unique_ptr<QtTextCatalog> Load(const std::string& path, int& errorCode);

    std::optional<std::string> Translate(std::string_view context, std::string_view source,
                                         std::string_view disambiguation) const override;

private:
    QTranslator m_translator;
};
