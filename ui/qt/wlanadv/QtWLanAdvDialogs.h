#pragma once

#include "ui/wlanadv/IWLanAdvDialogs.h"

#include <QPointer>
#include <QWidget>

// The advanced settings grid's dialogs as Qt windows, over the main window of parent.
class QtWLanAdvDialogs : public IWLanAdvDialogs {
public:
    explicit QtWLanAdvDialogs(QWidget* parent) : m_parent(parent) {}

    int RunPasswordDialog(CVRXPageWLanPwSetting& dialog) override;
    int RunIpConfigDialog(CVRXPageWLanAdvIpConfig& dialog) override;
    int RunBssListDialog(CVRXPageWLanAdvBssList& dialog) override;
    std::optional<std::string> ChooseFileToOpen() override;

private:
    QPointer<QWidget> m_parent;
};
