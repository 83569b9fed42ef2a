#pragma once

#include "ui/wlanadv/IWaitingDialog.h"

#include <QPointer>
#include <QWidget>

#include "ui/qt/CVRXWaitingDlg.h"
class ICursor;

// The page's waiting dialog: a CVRXWaitingDlg in quick mode over the main window, run modally until the
// page's timer closes it.
class QtWaitingDialog : public IWaitingDialog {
public:
    QtWaitingDialog(ICursor& cursor, QWidget* mainWindow) : m_cursor(cursor), m_mainWindow(mainWindow) {}

    void RunModal() override;
    void RunModalCancellable(const std::function<void()>& onCancel) override;
    void Close() override;
    // The dialog that is up, or nullptr.
    CVRXWaitingDlg* Current() const { return m_dialog; }

private:
    ICursor& m_cursor;
    QPointer<QWidget> m_mainWindow;
    QPointer<CVRXWaitingDlg> m_dialog;
};
