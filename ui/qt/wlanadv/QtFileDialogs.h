#pragma once

#include "ui/wlanadv/IFileDialogs.h"

#include <QPointer>
#include <QWidget>

// The desktop's file dialogs over parent. A name typed without an extension gets the default one.
class QtFileDialogs : public IFileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : m_parent(parent) {}

    std::optional<std::string> GetOpenFileName(const std::string& defaultExtension,
                                               const std::vector<Filter>& filters) override;
    std::optional<std::string> GetSaveFileName(const std::string& defaultExtension,
                                               const std::vector<Filter>& filters) override;

    // The filters as a QFileDialog takes them: "*.qlt (*.qlt);;*.* (*)".
    static QString FilterText(const std::vector<Filter>& filters);

private:
    std::optional<std::string> Run(bool save, const std::string& defaultExtension,
                                   const std::vector<Filter>& filters);
    QPointer<QWidget> m_parent;
};
