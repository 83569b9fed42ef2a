#pragma once

#include "ui/CVRXPageBasicSetting.h"

#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class IQueueNameAsker;
class PrintQueueActions;
class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;
class QtFileDialogs;

// The printer list page on screen. It shows what CVRXPageBasicSetting holds (rows, selection, details,
// buttons) and forwards the user's clicks, keys and header clicks to it; all decisions are the page's.
class CVRXPageBasicSettingView : public QWidget {
    Q_OBJECT
public:
    explicit CVRXPageBasicSettingView(CVRXPageBasicSetting& page, QWidget* parent = nullptr);
    ~CVRXPageBasicSettingView() override;

    // The rows of the list the user has selected (several with Shift or Ctrl), in the list's order.
    std::vector<int> SelectedRows() const;

    // "Add print queue…" for the selected printer: in the list's context menu (also the Menu key and
    // Shift+F10) and on Ctrl+P in the list.
    void AddPrintQueueAction(PrintQueueActions& actions, IQueueNameAsker& asker);
    QAction* PrintQueueAction() const { return m_addPrintQueue; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Refresh();
    void RebuildRows();
    void SizeColumns(const std::vector<CVRXPageBasicSetting::ListColumn>& columns);
    void ShowLanguageMenu();
    // The list's context menu for the row under the mouse (-1: none). Every action of the menu is added
    // here, one line each.
    void FillContextMenu(QMenu& menu, int row);
    void CopyRows();
    void CopyCell(int row, int column);
    // Export…: every printer, or (while the filter hides some) the choice of all or those shown.
    void Export(const QPoint& menuPlace);
    void ColumnResizedByUser();

    CVRXPageBasicSetting& m_page;
    QTableWidget* m_list = nullptr;
    QLineEdit* m_filter = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_export = nullptr;
    std::unique_ptr<QtFileDialogs> m_fileDialogs;
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
