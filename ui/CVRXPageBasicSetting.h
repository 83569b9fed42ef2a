#pragma once

#include "app/CVrxQuorlink2ndApp.h"
#include "app/StringTable.h"
#include "netsearch/PrinterRecords.h"
#include "ui/IBrowser.h"
#include "ui/IMainWindowMessages.h"
#include "ui/IMessageBox.h"
#include "ui/IPrinterSearch.h"
#include "ui/PrinterListModel.h"
#include "ui/wlanadv/IFileDialogs.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// String-table texts of the printer list's filter, copy and export (550..589).
namespace StringId {
inline constexpr int FilterField = 550;      // the filter field's placeholder and name (Ctrl+F)
inline constexpr int PrinterCount = 551;     // %1 printers shown of %2 found
inline constexpr int ExportButton = 552;     // writes the list as a CSV file
inline constexpr int CopyRows = 553;         // the selected rows as tab-separated text (Ctrl+C)
inline constexpr int CopyIpAddress = 554;    // the IP address of the row under the mouse
inline constexpr int CopyMacAddress = 555;   // the MAC address of the row under the mouse
inline constexpr int ExportAll = 556;        // %1 is the number of printers found
inline constexpr int ExportShown = 557;      // %1 is the number of printers shown
inline constexpr int CsvFiles = 558;         // the file dialog's filter name
inline constexpr int ExportNotWritten = 559; // %1 the file, %2 the system's reason
} // namespace StringId

// The printer list page ("LAN/WLAN"): the user searches for printers, sees the wired and wireless printers
// found as rows of a list and the network details of the selected one, opens a printer's web page or its
// network settings, switches the interface language and closes the program.
//
// The list and the other controls are plain state here; the Qt view mirrors that state and forwards the
// user's actions.
class CVRXPageBasicSetting {
public:
    // Control identifiers of the page.
    enum ControlId : int {
        IDC_BTN_LANGUAGE = 3,
        IDC_LIST_PRINTER = 1124,
        IDC_BTN_CONFIGURATION = 1126,
        IDC_BTN_BROWSER = 1127,
        IDC_EDIT_IP_ADDRESS = 1134,
        IDC_EDIT_MAC_ADDRESS = 1135,
        IDC_EDIT_SUBNET_MASK = 1130,
        IDC_EDIT_GATEWAY = 1131,
        IDC_EDIT_PORT_NUMBER = 1132,
        IDC_BTN_SEARCH = 1159,
        IDC_BTN_CLOSE = 1161,
    };

    // The list's columns: "#", IP address, MAC address, system name, type.
    enum Column : int {
        kColumnNumber = PrinterListModel::kColumnNumber,
        kColumnIpAddress = PrinterListModel::kColumnIpAddress,
        kColumnMacAddress = PrinterListModel::kColumnMacAddress,
        kColumnSystemName = PrinterListModel::kColumnSystemName,
        kColumnType = PrinterListModel::kColumnType
    };
    static constexpr int kColumnCount = PrinterListModel::kColumnCount;

    // The page's fixed size in pixels (the size of every page of the sheets).
    static constexpr int kPageWidth = 560;
    static constexpr int kPageHeight = 430;

    using ListRow = PrinterListModel::Row;

    struct ListColumn {
        std::string header;
        int width = 0;
    };

    struct LanguageMenuItem {
        int command = 0;
        std::string text;
        bool checked = false;
    };

    // Everything the view shows besides the detail texts (the members below).
    struct Controls {
        std::vector<ListRow> rows; // the rows shown: the printers the filter lets through, in the sort order
        int selectedRow = -1;      // the row with the selected and focused states (the selection mark)
        int sortColumn = -1;       // the column the list is sorted by, -1 when unsorted
        bool sortAscending = true;
        unsigned rowsSerial = 0;      // counts changes of rows, so that the view rebuilds only when needed
        unsigned listFocusSerial = 0; // counts requests to give the list the keyboard focus
        bool configurationEnabled = false;
        bool browserEnabled = false;
        std::string searchText;
        std::string countText; // "n of m printers"
        int foundCount = 0;    // the printers of the last search, shown or not
        // Column widths the user chose (or the preferences brought back); empty: the list fits its columns
        // to its width.
        std::vector<int> columnWidths;
    };

    CVRXPageBasicSetting(IPrinterSearch& search, IMessageBox& messages, IBrowser& browser,
                         ILanguageSelection& language, IMainWindowMessages& mainWindow);

    // Initialisation: loads the texts, disables Configuration and Launch Browser.
    void OnInitDialog();

    // Search / Refresh: runs a search and fills the list, wired printers first.
    void OnBnClickedSearchRefreshBtn();
    // Configuration button, a double-click on a row and the Enter key: opens the settings of the printer of
    // row m_nCurSel through the main window.
    void OnBnClickedBtnConfiguration();
    // Launch Browser: the printer's web page in the desktop's browser.
    void OnBnClickedBtnBrowser();
    // Close: ends the program.
    void OnBnClickedBtnClose();
    // The Language button: the language menu's commands with the current language checked.
    std::vector<LanguageMenuItem> OnBnClickedLanguageBtn();
    // A command of the language menu.
    void OnLanguageMenuCommand(int command);
    // Asks whether to restart for a language switch; true for Yes. When the unsaved-edits query says the
    // WLAN (Advanced) page holds edits, the question says first that the restart loses them.
    bool QuestionSwitchLanguge();
    void SetUnsavedEditsQuery(std::function<bool()> query) { m_unsavedEdits = std::move(query); }

    // List notifications; row -1 is the empty area below the rows.
    void OnNMClickList(int row);
    void OnNMDblclkList(int row);
    // The row became the selected row (by the user's click or keys).
    void OnLvnItemchangedList(int row);
    // A click on a column header: sorts by that column, the direction toggling on every click.
    void OnColumnClick(int column);
    // The Enter key pressed in the page; true when it was consumed.
    bool OnEnterKey();
    // The text of the filter field changed: the rows shown narrow to those that contain it (IP address,
    // MAC address, system name or type); the selection stays on its printer while that is shown.
    void OnFilterChanged(const std::string& text);
    const std::string& FilterText() const { return m_listModel.Filter(); }

    // Rows shown (by their index) as tab-separated text for the clipboard, one line a printer.
    std::string RowsAsTabText(const std::vector<int>& rows) const;
    // The printers as comma-separated text in the command line's `search --csv` format: every printer
    // found, or only those shown (shownOnly), in the order shown.
    std::string PrintersAsCsv(bool shownOnly) const;
    // Export…: asks for a file and writes PrintersAsCsv(shownOnly) to it; says so when it cannot be written.
    // False when nothing was written.
    bool OnExport(bool shownOnly);
    // The user dragged a column's edge: the widths of all columns now.
    void OnColumnWidthsChanged(std::vector<int> widths);
    // Where Export asks for the file; set by the view (nothing: Export does nothing).
    void SetFileDialogs(IFileDialogs* dialogs) { m_fileDialogs = dialogs; }

    // Selects and focuses the row with macText (the current row m_nCurSel when it is empty or not found).
    void SetListControlFocus(const std::string& macText);
    // Shows the details of row (empties them for a row below 0).
    void UpdateNetworkInformation(int row);
    // Disables Launch Browser and Configuration when the wireless printer does not offer them.
    void CheckSupportedFunction4WLAN(const std::string& macText);
    void UpdateEthernetInfoListCtl();
    void UpdateWLANInfoListCtl();
    void InsertItemToList(const PRINTER_NETWORK_INFO& record);

    // The list's columns for a list control listWidth pixels wide.
    std::vector<ListColumn> ListColumns(int listWidth) const;
    const Controls& GetControls() const { return m_controls; }
    // Called after every change of what the page shows; while a search fills the list, once at its end.
    void SetChangeListener(std::function<void()> listener) { m_changeListener = std::move(listener); }

    int m_nCurSel = -1;
    int m_nLanguage = -1;
    std::string m_strSelectedMac;
    PrinterInfoMap m_mapPrinterInfo;
    WLanInfoMap m_mapWLanInfo;
    EthernetInfoMap m_mapEthernetInfo;

    // The detail fields.
    std::string m_strIPAddress;
    std::string m_strMACAddress;
    std::string m_strSubnetMask;
    std::string m_strGateway;
    std::string m_strPortNumber;

private:
    int RowCount() const { return static_cast<int>(m_controls.rows.size()); }
    bool IsRow(int row) const { return row >= 0 && row < RowCount(); }
    std::string RowMac(int row) const;
    // Gives row the selected and focused states; the list then tells the page the row's state changed.
    void SelectRow(int row);
    void DeleteAllItems();
    // Shows the model's rows (filtered and sorted) and selects the printer with preferredMac, or else the
    // first row shown; the details follow the selection.
    void ShowListRows(const std::string& preferredMac);
    void Changed();

    IPrinterSearch& m_search;
    IMessageBox& m_messages;
    IBrowser& m_browser;
    ILanguageSelection& m_language;
    IMainWindowMessages& m_mainWindow;

    std::string m_strIpAddressHeader;  // 103
    std::string m_strMacAddressHeader; // 104
    std::string m_strSystemNameHeader; // 105
    std::string m_strTypeHeader;       // 106
    std::string m_strRefresh;          // 107
    std::string m_strDhcp;             // 108
    std::string m_strWired;            // 109
    std::string m_strWireless;         // 110
    std::string m_strSwitchLanguage;   // 111

    Controls m_controls;
    PrinterListModel m_listModel;
    IFileDialogs* m_fileDialogs = nullptr;
    // While the filter shows no row, Configuration and Launch Browser are off; their states before.
    std::optional<std::pair<bool, bool>> m_enabledBeforeEmptyFilter;
    std::function<void()> m_changeListener;
    std::function<bool()> m_unsavedEdits;
    bool m_bFillingList = false; // the rows of a search are being inserted; the listener waits for the end
};
