#include "ui/qt/QtTextCatalog.h"

#include <QFileInfo>
#include <cerrno>

std::unique_ptr<QtTextCatalog> QtTextCatalog::Load(const std::string& path, int& errorCode) {
    const QString file = QString::fromStdString(path);
    if (!QFileInfo::exists(file)) {
        errorCode = ENOENT;
        return nullptr;
    }
    auto catalog = std::make_unique<QtTextCatalog>();
    if (!catalog->m_translator.load(file)) {
        errorCode = EINVAL;
        return nullptr;
    }
    errorCode = 0;
    return catalog;
}

std::optional<std::string> QtTextCatalog::Translate(std::string_view context, std::string_view source,
                                                    std::string_view disambiguation) const {
    const std::string contextText(context);
    const std::string sourceText(source);
    const std::string disambiguationText(disambiguation);
    const QString translated =
        m_translator.translate(contextText.c_str(), sourceText.c_str(),
                               disambiguationText.empty() ? nullptr : disambiguationText.c_str());
    if (translated.isEmpty())
        return std::nullopt;
    return translated.toStdString();
}
