#pragma once

#include "netsearch/INetworkEndpoint.h"
#include "netsearch/PrinterRecords.h"
#include "ui/SearchDialogModel.h"

#include <QBasicTimer>
#include <QDialog>

class QLabel;

class CVRXBusyProgressCtrl;
class ICursor;
class IMessageBox;

// The search dialog: a small modal window (203 × 34 dialog units, thin border, no caption) with a bouncing
// busy indicator and, under it, how many printers have answered so far, placed over the main window, while
// a worker thread searches every local interface for wired and wireless printers. It ends confirmed when the
// worker has ended; without a usable interface it tells the user and ends cancelled. Escape and the window's
// close stop the search at its next wait; the dialog ends cancelled once the worker has stopped (so the
// worker never outlives it), handing over the printers found until then.
//
// Calling order: construct, exec, CopyWLanInfoTo, CopyEthernetInfoTo, destroy.
class CVRXSearchDlg : public QDialog {
    Q_OBJECT
public:
    // parent: a widget of the main window (the dialog is centred over its window); may be none.
    CVRXSearchDlg(INetworkEndpoint& endpoint, IMessageBox& messages, ICursor& cursor,
                  QWidget* parent = nullptr);
    // Stops the indicator and waits for a worker still running.
    ~CVRXSearchDlg() override;

    // The modal run; QDialog::Accepted when the search ran to its end, Rejected otherwise.
    int exec() override;
    // Insert every printer found (target is not emptied); false when the dialog's table is empty.
    bool CopyWLanInfoTo(WLanInfoMap& target);
    bool CopyEthernetInfoTo(EthernetInfoMap& target);

    CVRXBusyProgressCtrl* BusyIndicator() const { return m_busy; }
    // The line under the indicator that counts the printers that have answered so far.
    QLabel* HeardLabel() const { return m_heard; }

public slots:
    // While the search runs: asks it to stop; the dialog ends at the tick that sees the worker end.
    void reject() override;

protected:
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CVRXBusyProgressCtrl* m_busy;
    QLabel* m_heard;
    SearchDialogModel m_model;
    QBasicTimer m_timer;
};
