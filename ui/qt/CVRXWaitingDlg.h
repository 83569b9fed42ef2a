#pragma once

#include "ui/WaitingDialogModel.h"

#include <QBasicTimer>
#include <QDialog>
#include <QPointer>

class CVRXBusyProgressCtrl;
class ICursor;
class QDialogButtonBox;

// The waiting dialog: a borderless window of 195 × 34 dialog units with the busy indicator, placed over
// the main window. Its owner sets quick mode, runs it modally and ends it from its own timer with
// CloseWaiting; the user cannot close it (Enter, Escape and the window's close do nothing), unless the owner
// offers Cancel: then a Cancel button below the indicator, Escape and the window's close call the owner's
// handler, which closes the dialog.
class CVRXWaitingDlg : public QDialog {
    Q_OBJECT
public:
    // mainWindow: the window it is centred over and whose child it is; may be none.
    CVRXWaitingDlg(ICursor& cursor, QWidget* mainWindow = nullptr);
    ~CVRXWaitingDlg() override;

    // Call before exec.
    void SetQuickMode(bool quickMode) { m_model.SetQuickMode(quickMode); }
    // Call before exec: offers Cancel, which calls onCancel once.
    void SetCancelHandler(std::function<void()> onCancel);
    // The initialisation, then the modal run; QDialog::Accepted once CloseWaiting has ended it.
    int exec() override;
    // Ends the dialog confirmed: the cursor timer and the animation stop.
    void CloseWaiting();

    CVRXBusyProgressCtrl* BusyIndicator() const { return m_busy; }
    // The Cancel button's box; hidden when the wait cannot be cancelled.
    QDialogButtonBox* CancelButtons() const { return m_buttons; }
    const WaitingDialogModel& Model() const { return m_model; }

public slots:
    // Only CloseWaiting ends the dialog; where Cancel is offered, the owner is told.
    void reject() override { m_model.Cancel(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    QPointer<QWidget> m_mainWindow;
    CVRXBusyProgressCtrl* m_busy;
    QDialogButtonBox* m_buttons;
    WaitingDialogModel m_model;
    QBasicTimer m_cursorTimer;
};
