#pragma once

#include "ui/CVRXPageBasicSetting.h"

#include <QWidget>

class IQueueNameAsker;
class PrintQueueActions;
class QAction;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The printer list page on screen. It shows what CVRXPageBasicSetting holds (rows, selection, details,
// buttons) and forwards the user's clicks, keys and header clicks to it; all decisions are the page's.
class CVRXPageBasicSettingView : public QWidget {
    Q_OBJECT
public:
    explicit CVRXPageBasicSettingView(CVRXPageBasicSetting& page, QWidget* parent = nullptr);
    ~CVRXPageBasicSettingView() override;

    // "Add print queue…" for the selected printer: in the list's context menu (also the Menu key and
    // Shift+F10) and on Ctrl+P in the list.
    void AddPrintQueueAction(PrintQueueActions& actions, IQueueNameAsker& asker);
    QAction* PrintQueueAction() const { return m_addPrintQueue; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Refresh();
    void RebuildRows();
    void SizeColumns(const std::vector<CVRXPageBasicSetting::ListColumn>& columns);
    void ShowLanguageMenu();

    CVRXPageBasicSetting& m_page;
    QTableWidget* m_list = nullptr;
    QPushButton* m_search = nullptr;
    QPushButton* m_configuration = nullptr;
    QPushButton* m_browser = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_language = nullptr;
    QLineEdit* m_macAddress = nullptr;
    QLineEdit* m_ipAddress = nullptr;
    QLineEdit* m_subnetMask = nullptr;
    QLineEdit* m_gateway = nullptr;
    QLineEdit* m_portNumber = nullptr;
    QAction* m_addPrintQueue = nullptr;
    unsigned m_appliedRowsSerial = 0;
    unsigned m_appliedFocusSerial = 0;
    int m_scrolledToRow = -1; // the selected row the list was last scrolled to
    bool m_bSyncing = false;  // the view is showing the page's state; the list's signals are not the user's
};
