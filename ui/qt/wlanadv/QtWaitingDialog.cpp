#include "ui/qt/wlanadv/QtWaitingDialog.h"

#include "ui/qt/CVRXWaitingDlg.h"

void QtWaitingDialog::RunModal() {
    CVRXWaitingDlg dialog(m_cursor, m_mainWindow ? m_mainWindow->window() : nullptr);
    dialog.setObjectName(QStringLiteral("waitingDialog"));
    dialog.SetQuickMode(true);
    m_dialog = &dialog;
    dialog.exec();
    m_dialog = nullptr;
}

void QtWaitingDialog::Close() {
    if (m_dialog)
        m_dialog->CloseWaiting();
}
