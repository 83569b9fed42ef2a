#include "ui/qt/wlanadv/QtWaitingDialog.h"

#include "ui/qt/CVRXWaitingDlg.h"

void QtWaitingDialog::RunModal() {
    RunModalCancellable({});
}

void QtWaitingDialog::RunModalCancellable(const std::function<void()>& onCancel) {
    CVRXWaitingDlg dialog(m_cursor, m_mainWindow ? m_mainWindow->window() : nullptr);
    dialog.setObjectName(QStringLiteral("waitingDialog"));
    dialog.SetQuickMode(true);
    if (onCancel)
        dialog.SetCancelHandler(onCancel);
    m_dialog = &dialog;
    dialog.exec();
    m_dialog = nullptr;
}

void QtWaitingDialog::Close() {
    if (m_dialog)
        m_dialog->CloseWaiting();
}
