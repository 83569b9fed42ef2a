#include "ui/qt/wlanadv/QtWLanAdvDialogs.h"

#include "ui/qt/wlanadv/CVRXPageWLanAdvBssListDlg.h"
#include "ui/qt/wlanadv/CVRXPageWLanAdvIpConfigDlg.h"
#include "ui/qt/wlanadv/CVRXPageWLanPwSettingDlg.h"

#include <QApplication>
#include <QFileDialog>

namespace {

// Runs window modally; afterwards the control that had the focus (the grid) has it again, in its window made
// active again, so that the keyboard goes on where it was whatever the window manager does.
template <typename Window> int RunModal(Window& window) {
    QPointer<QWidget> focus = QApplication::focusWidget();
    const int result = window.exec();
    if (focus && focus->isVisible()) {
        focus->activateWindow();
        focus->setFocus(Qt::OtherFocusReason);
    }
    return result;
}

} // namespace

int QtWLanAdvDialogs::RunPasswordDialog(CVRXPageWLanPwSetting& dialog) {
    CVRXPageWLanPwSettingDlg window(dialog, m_parent);
    return RunModal(window);
}

int QtWLanAdvDialogs::RunIpConfigDialog(CVRXPageWLanAdvIpConfig& dialog) {
    CVRXPageWLanAdvIpConfigDlg window(dialog, m_parent);
    return RunModal(window);
}

int QtWLanAdvDialogs::RunBssListDialog(CVRXPageWLanAdvBssList& dialog) {
    CVRXPageWLanAdvBssListDlg window(dialog, m_parent);
    return RunModal(window);
}

std::optional<std::string> QtWLanAdvDialogs::ChooseFileToOpen() {
    QFileDialog chooser(m_parent);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setNameFilter(QStringLiteral("*"));
    if (RunModal(chooser) != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return std::nullopt;
    return chooser.selectedFiles().constFirst().toStdString();
}
