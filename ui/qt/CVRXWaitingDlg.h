#pragma once

#include "ui/WaitingDialogModel.h"

#include <QBasicTimer>
#include <QDialog>
#include <QPointer>

class CVRXBusyProgressCtrl;
class ICursor;

// The waiting dialog: a borderless window of 195 × 34 dialog units with the busy indicator, placed over
// the main window. Its owner sets quick mode, runs it modally and ends it from its own timer with
// CloseWaiting; the user cannot close it (Enter, Escape and the window's close do nothing).
class CVRXWaitingDlg : public QDialog {
    Q_OBJECT
public:
    // mainWindow: the window it is centred over and whose child it is; may be none.
    CVRXWaitingDlg(ICursor& cursor, QWidget* mainWindow = nullptr);
    ~CVRXWaitingDlg() override;

    // Call before exec.
    void SetQuickMode(bool quickMode) { m_model.SetQuickMode(quickMode); }
    // The initialisation, then the modal run; QDialog::Accepted once CloseWaiting has ended it.
    int exec() override;
    // Ends the dialog confirmed: the cursor timer and the animation stop.
    void CloseWaiting();

    CVRXBusyProgressCtrl* BusyIndicator() const { return m_busy; }

public slots:
    // Only CloseWaiting ends the dialog.
    void reject() override {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    QPointer<QWidget> m_mainWindow;
    CVRXBusyProgressCtrl* m_busy;
    WaitingDialogModel m_model;
    QBasicTimer m_cursorTimer;
};
