#include "ui/qt/wlanadv/QtWLanAdvDialogs.h"

#include "ui/qt/wlanadv/CVRXPageWLanAdvBssListDlg.h"
#include "ui/qt/wlanadv/CVRXPageWLanAdvIpConfigDlg.h"
#include "ui/qt/wlanadv/CVRXPageWLanPwSettingDlg.h"

#include <QFileDialog>

int QtWLanAdvDialogs::RunPasswordDialog(CVRXPageWLanPwSetting& dialog) {
    CVRXPageWLanPwSettingDlg window(dialog, m_parent);
    return window.exec();
}

int QtWLanAdvDialogs::RunIpConfigDialog(CVRXPageWLanAdvIpConfig& dialog) {
    CVRXPageWLanAdvIpConfigDlg window(dialog, m_parent);
    return window.exec();
}

int QtWLanAdvDialogs::RunBssListDialog(CVRXPageWLanAdvBssList& dialog) {
    CVRXPageWLanAdvBssListDlg window(dialog, m_parent);
    return window.exec();
}

std::optional<std::string> QtWLanAdvDialogs::ChooseFileToOpen() {
    QFileDialog chooser(m_parent);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setNameFilter(QStringLiteral("*"));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return std::nullopt;
    return chooser.selectedFiles().constFirst().toStdString();
}
