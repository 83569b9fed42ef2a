#include "ui/qt/wlanadv/QtFileDialogs.h"

#include <QFileDialog>
#include <QStringList>

QString QtFileDialogs::FilterText(const std::vector<Filter>& filters) {
    QStringList parts;
    for (const Filter& filter : filters)
        parts << QStringLiteral("%1 (%2)").arg(QString::fromStdString(filter.name),
                                               QString::fromStdString(filter.pattern));
    return parts.join(QStringLiteral(";;"));
}

std::optional<std::string> QtFileDialogs::Run(bool save, const std::string& defaultExtension,
                                              const std::vector<Filter>& filters) {
    QFileDialog dialog(m_parent);
    dialog.setObjectName(save ? QStringLiteral("saveFileDialog") : QStringLiteral("openFileDialog"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(FilterText(filters));
    dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtFileDialogs::GetOpenFileName(const std::string& defaultExtension,
                                                          const std::vector<Filter>& filters) {
    return Run(false, defaultExtension, filters);
}

std::optional<std::string> QtFileDialogs::GetSaveFileName(const std::string& defaultExtension,
                                                          const std::vector<Filter>& filters) {
    return Run(true, defaultExtension, filters);
}
