#pragma once

#include "ui/CVrxQuorlink2ndDlg.h"

#include <QDialog>

#include <memory>

class CaptionBar;
class IQueueNameAsker;
class PrintQueueActions;
class CVRXPageBasicSettingView;
class CVRXPageNetConnectionSettingView;
class QTabWidget;
class WLanAdvancedPage;

// The main window on screen: frameless, with the two caption bars and the two page sheets. It shows what
// CVrxQuorlink2ndDlg holds, hands the sheets' tab changes and the system's close request to it, runs its
// posted messages from the event loop, and ends when it has ended. Enter and Escape close nothing.
class CVrxQuorlink2ndDlgView : public QDialog {
    Q_OBJECT
public:
    explicit CVrxQuorlink2ndDlgView(CVrxQuorlink2ndDlg& dlg, QWidget* parent = nullptr);
    ~CVrxQuorlink2ndDlgView() override;

    // The WLAN (Advanced) tab; nullptr when "PREFERENCE[4]" left it out.
    WLanAdvancedPage* WLanAdvanced() const { return m_wlanAdvanced.get(); }

    // The print-queue actions: "Add print queue…" on the printer list, and the question about the queues
    // after the settings page gave a printer a new address. Without this call neither is offered.
    void SetPrintQueues(PrintQueueActions& actions, IQueueNameAsker& asker);
    CVRXPageBasicSettingView* PrinterListView() const { return m_printerListView; }

    // Runs the window modally: IDOK after the restart message, IDCANCEL otherwise.
    int DoModal();

public slots:
    // The dialog's own confirmation and cancellation (Enter, Escape) end nothing; only the window's
    // messages and the system's close request do.
    void accept() override {}
    void reject() override {}

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QTabWidget* CreateSheet(const char* name);
    void Refresh();
    // The size and place (and the printer list's column widths) the preferences kept from the last run.
    void RestorePlacement();
    void SavePlacement();

    CVrxQuorlink2ndDlg& m_dlg;
    CaptionBar* m_topCaption = nullptr;
    CaptionBar* m_bottomCaption = nullptr;
    QTabWidget* m_mainSheet = nullptr;
    QTabWidget* m_settingsSheet = nullptr;
    CVRXPageBasicSettingView* m_printerListView = nullptr;
    CVRXPageNetConnectionSettingView* m_settingsView = nullptr;
    std::unique_ptr<WLanAdvancedPage> m_wlanAdvanced;
    bool m_bDone = false;
};
