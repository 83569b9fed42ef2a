#include "ui/CVRXPageBasicSetting.h"

#include "app/AtomicFile.h"
#include "app/DiagnosticLog.h"
#include "app/LanguageTable.h"
#include "app/StringTable.h"
#include "netsearch/PrinterCsv.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace {

constexpr const char* kDashes = "-------------------------------------------------------";

// Logs the fields of one table entry the way both list updates do.
template <typename Record>
void LogRecordFields(const char* name, const Record& info, const PRINTER_NETWORK_INFO& record) {
    WriteLog("%s : MacAddr = %s", name, record.strMACAddress.c_str());
    WriteLog("%s : Ip = %s", name, record.strIPAddress.c_str());
    WriteLog("%s : Subnet = %s", name, record.strSubnetMask.c_str());
    WriteLog("%s : strGateway = %s", name, record.strGateway.c_str());
    WriteLog("%s : Port = %d", name, static_cast<int>(BigEndian16(info.Port)));
    WriteLog("%s : Baudrate = %d", name, static_cast<int>(info.Baudrate));
    WriteLog("%s : FwVer = %s", name, record.strFwVersion.c_str());
    WriteLog("%s : Dhcp = %d", name, static_cast<int>(info.Dhcp));
    WriteLog("%s : I_activeTime = %d", name, static_cast<int>(BigEndian16(info.I_activeTime)));
    WriteLog("%s : Http = %d", name, static_cast<int>(info.Http));
}

} // namespace

CVRXPageBasicSetting::CVRXPageBasicSetting(IPrinterSearch& search, IMessageBox& messages, IBrowser& browser,
                                           ILanguageSelection& language, IMainWindowMessages& mainWindow)
    : m_search(search), m_messages(messages), m_browser(browser), m_language(language),
      m_mainWindow(mainWindow) {
    m_controls.searchText = StringTable::Dialog("CVRXPageBasicSetting", "Search");
}

void CVRXPageBasicSetting::OnInitDialog() {
    m_strIpAddressHeader = LoadString(StringId::IpAddress);
    m_strMacAddressHeader = LoadString(StringId::MacAddress);
    m_strSystemNameHeader = LoadString(StringId::SystemName);
    m_strTypeHeader = LoadString(StringId::Type);
    m_strRefresh = LoadString(StringId::Refresh);
    m_strDhcp = LoadString(StringId::Dhcp);
    m_strWired = LoadString(StringId::ListWired);
    m_strWireless = LoadString(StringId::ListWireless);
    m_strSwitchLanguage = LoadString(StringId::SwitchLanguageQuestion);

    m_controls.searchText = StringTable::Dialog("CVRXPageBasicSetting", "Search");
    m_controls.configurationEnabled = false;
    m_controls.browserEnabled = false;
    m_controls.countText = StringTable::Fill(LoadString(StringId::PrinterCount), {"0", "0"});
    Changed();
}

std::vector<CVRXPageBasicSetting::ListColumn> CVRXPageBasicSetting::ListColumns(int listWidth) const {
    const int textWidth = (listWidth - 3) / 3 - 30;
    return {
        {"#", 28},
        {m_strIpAddressHeader, textWidth},
        {m_strMacAddressHeader, textWidth},
        {m_strSystemNameHeader, textWidth},
        {m_strTypeHeader, 60},
    };
}

void CVRXPageBasicSetting::OnBnClickedSearchRefreshBtn() {
    WriteLog("OnBnClickedSearchRefreshBtn : START");
    // The printer selected now is selected again after the search when it is still there.
    const std::string previousMac = RowMac(m_controls.selectedRow);
    m_controls.searchText = m_strRefresh;
    m_controls.configurationEnabled = false;
    m_controls.browserEnabled = false;

    UpdateNetworkInformation(-1);

    m_mapPrinterInfo.clear();
    m_mapEthernetInfo.clear();
    m_mapWLanInfo.clear();
    DeleteAllItems();
    Changed(); // the emptied page shows while the search runs

    try {
        m_search.Run(m_mapWLanInfo, m_mapEthernetInfo);
        // Every inserted row changes the list; the view is told once the list is complete, so that a search
        // finding many printers does not rebuild the shown list for every row.
        m_bFillingList = true;
        if (!m_mapEthernetInfo.empty())
            UpdateEthernetInfoListCtl();
        if (!m_mapWLanInfo.empty())
            UpdateWLANInfoListCtl();
    } catch (...) {
        // A failed search leaves whatever was listed so far; the page stays usable.
    }
    // The rows as the filter and the sort order show them; the selection on the printer selected before,
    // or else on the printer found last.
    const std::string lastMac = RowMac(m_nCurSel);
    const bool previousFound =
        !previousMac.empty() && m_mapPrinterInfo.find(previousMac) != m_mapPrinterInfo.end();
    ShowListRows(previousFound ? previousMac : lastMac);
    m_bFillingList = false;
    WriteLog("OnBnClickedSearchRefreshBtn : END");
    Changed();
}

void CVRXPageBasicSetting::UpdateEthernetInfoListCtl() {
    WriteLog("UpdateEthernetInfoListCtl : %s", kDashes);
    WriteLog("UpdateEthernetInfoListCtl : START");
    for (const auto& [mac, info] : m_mapEthernetInfo) {
        PRINTER_NETWORK_INFO record = MakePrinterNetworkInfo(info, m_strWired);
        LogRecordFields("UpdateEthernetInfoListCtl", info, record);
        m_mapPrinterInfo[record.strMACAddress] = record;
        InsertItemToList(record);
    }
    WriteLog("UpdateEthernetInfoListCtl : END");
    WriteLog("UpdateEthernetInfoListCtl : %s", kDashes);
}

void CVRXPageBasicSetting::UpdateWLANInfoListCtl() {
    WriteLog("UpdateWLANInfoListCtl : %s", kDashes);
    WriteLog("UpdateWLANInfoListCtl : START");
    for (const auto& [mac, info] : m_mapWLanInfo) {
        PRINTER_NETWORK_INFO record = MakePrinterNetworkInfo(info, m_strWireless);
        LogRecordFields("UpdateWLANInfoListCtl", info, record);
        WriteLog("UpdateWLANInfoListCtl : System Name = %s", record.strSystemName.c_str());
        m_mapPrinterInfo[record.strMACAddress] = record;
        InsertItemToList(record);
    }
    WriteLog("UpdateWLANInfoListCtl : END");
    WriteLog("UpdateWLANInfoListCtl : %s", kDashes);
}

void CVRXPageBasicSetting::InsertItemToList(const PRINTER_NETWORK_INFO& record) {
    WriteLog("InsertItemToList : START");
    const int n = RowCount();
    WriteLog("InsertItemToList : nIndex = %d", n);
    WriteLog("InsertItemToList : strIPAddress = %s", record.strIPAddress.c_str());
    WriteLog("InsertItemToList : strMACAddress = %s", record.strMACAddress.c_str());

    ListRow row;
    row.texts[kColumnNumber] = std::to_string(n + 1);
    row.texts[kColumnIpAddress] = record.strIPAddress;
    row.texts[kColumnMacAddress] = record.strMACAddress;
    row.texts[kColumnSystemName] = record.strSystemName.empty() ? "-" : record.strSystemName;
    row.texts[kColumnType] = record.strNetworkType;
    row.itemData = n;
    m_listModel.Append(row);
    m_controls.rows.push_back(std::move(row));
    ++m_controls.rowsSerial;

    m_nCurSel = n;
    if (RowCount() > 0) {
        m_controls.configurationEnabled = true;
        m_controls.browserEnabled = true;
    }
    UpdateNetworkInformation(n);
    SetListControlFocus({});
    WriteLog("InsertItemToList : END");
}

void CVRXPageBasicSetting::UpdateNetworkInformation(int row) {
    if (row < 0) {
        m_strIPAddress.clear();
        m_strMACAddress.clear();
        m_strSubnetMask.clear();
        m_strGateway.clear();
        m_strPortNumber.clear();
    } else if (IsRow(row)) {
        const std::string mac = RowMac(row);
        const auto found = m_mapPrinterInfo.find(mac);
        if (found != m_mapPrinterInfo.end()) {
            const PRINTER_NETWORK_INFO& stData = found->second;
            WriteLog("UpdateNetworkInformation : stData.strIPAddress = %s", stData.strIPAddress.c_str());
            WriteLog("UpdateNetworkInformation : stData.strMACAddress = %s", stData.strMACAddress.c_str());
            WriteLog("UpdateNetworkInformation : stData.strSubnetMask = %s", stData.strSubnetMask.c_str());
            WriteLog("UpdateNetworkInformation : stData.strGateway = %s", stData.strGateway.c_str());
            WriteLog("UpdateNetworkInformation : stData.strPortNumber = %s", stData.strPortNumber.c_str());
            WriteLog("UpdateNetworkInformation : stData.strNetworkType = %s", stData.strNetworkType.c_str());
            m_strIPAddress = stData.strIPAddress;
            m_strMACAddress = stData.strMACAddress;
            m_strSubnetMask = stData.strSubnetMask;
            m_strGateway = stData.strGateway;
            m_strPortNumber = stData.strPortNumber;
            if (stData.strDhcp != "0")
                m_strIPAddress += " (" + m_strDhcp + ")";
            if (stData.strNetworkType == m_strWireless)
                CheckSupportedFunction4WLAN(mac);
        }
    }
    Changed();
}

void CVRXPageBasicSetting::CheckSupportedFunction4WLAN(const std::string& macText) {
    WriteLog("CheckSupportedFunction4WLAN : START");
    const auto found = m_mapPrinterInfo.find(macText);
    if (found != m_mapPrinterInfo.end()) {
        const WLAN_INFO& info = found->second.stWLANInfo;
        WriteLog("CheckSupportedFunction4WLAN : stData.stWLANInfo.Mask[0] = %02x", info.Mask[0]);
        WriteLog("CheckSupportedFunction4WLAN : stData.stWLANInfo.Mask[1] = %02x", info.Mask[1]);
        // Only ever disables: the buttons come back with the rows of the next search.
        if (!(info.Mask[0] & VRX_MASK_BROWSER))
            m_controls.browserEnabled = false;
        if (!(info.Mask[0] & VRX_MASK_CONFIGURATION))
            m_controls.configurationEnabled = false;
    }
    WriteLog("CheckSupportedFunction4WLAN : END");
    Changed();
}

void CVRXPageBasicSetting::SetListControlFocus(const std::string& macText) {
    WriteLog("SetListControlFocus : START");
    if (!macText.empty() && RowCount() > 0) {
        WriteLog("SetListControlFocus : strMacAddress = %s", macText.c_str());
        for (int row = 0; row < RowCount(); ++row) {
            const std::string item = RowMac(row);
            WriteLog("SetListControlFocus : strItem = %s", item.c_str());
            if (item == macText) {
                m_nCurSel = row;
                break;
            }
        }
    }
    if (RowCount() > 0) {
        if (!IsRow(m_nCurSel))
            m_nCurSel = 0;
        SelectRow(m_nCurSel);
        ++m_controls.listFocusSerial;
    }
    WriteLog("SetListControlFocus : END");
    Changed();
}

void CVRXPageBasicSetting::SelectRow(int row) {
    if (m_controls.selectedRow == row)
        return;
    m_controls.selectedRow = row;
    // The list reports the new state of the row, as it does for the user's selection.
    OnLvnItemchangedList(row);
}

void CVRXPageBasicSetting::OnLvnItemchangedList(int row) {
    if (!IsRow(row))
        return;
    m_controls.selectedRow = row;
    m_nCurSel = row;
    UpdateNetworkInformation(row);
}

void CVRXPageBasicSetting::OnNMClickList(int row) {
    if (IsRow(row)) {
        UpdateNetworkInformation(row);
    } else {
        // A click on the empty area has taken the selection away; the current row gets it back.
        m_controls.selectedRow = -1;
        SetListControlFocus({});
    }
}

void CVRXPageBasicSetting::OnNMDblclkList(int row) {
    if (IsRow(row)) {
        m_nCurSel = row;
        OnBnClickedBtnConfiguration();
    } else {
        m_controls.selectedRow = -1;
        SetListControlFocus({});
    }
}

bool CVRXPageBasicSetting::OnEnterKey() {
    if (m_mapPrinterInfo.empty() || RowCount() == 0)
        return false;
    OnBnClickedBtnConfiguration();
    return true;
}

void CVRXPageBasicSetting::OnBnClickedBtnConfiguration() {
    if (m_mapPrinterInfo.empty() || RowCount() == 0 || !IsRow(m_nCurSel))
        return;
    m_strSelectedMac = RowMac(m_nCurSel);
    m_mainWindow.SendMessage(MainWindowMessage::M2, &m_mapPrinterInfo, &m_strSelectedMac);
}

void CVRXPageBasicSetting::OnBnClickedBtnBrowser() {
    WriteLog("OnBnClickedBtnBrowser : START");
    std::string command;
    if (RowCount() > 0 && IsRow(m_nCurSel)) {
        const auto found = m_mapPrinterInfo.find(RowMac(m_nCurSel));
        if (found != m_mapPrinterInfo.end()) {
            const PRINTER_NETWORK_INFO& stData = found->second;
            unsigned http = 0;
            if (stData.strNetworkType == m_strWired) {
                WriteLog("OnBnClickedBtnBrowser : stData.stEthernetInfo.Http = 0x%02x",
                         stData.stEthernetInfo.Http);
                http = stData.stEthernetInfo.Http;
            } else {
                WriteLog("OnBnClickedBtnBrowser : stData.stWLANInfo.Http = 0x%02x", stData.stWLANInfo.Http);
                http = stData.stWLANInfo.Http;
            }
            // The address alone: a web page of a printer that has no address is nothing to open.
            command = (http == 1 ? "https://" : "http://") + stData.strIPAddress;
        }
        SetListControlFocus({});
    }
    WriteLog("OnBnClickedBtnBrowser : strCommand = %s", command.c_str());
    if (!command.empty() && !m_browser.Open(command)) {
        // Without a browser to start, the click would otherwise do nothing visible.
        WriteLog("OnBnClickedBtnBrowser : no browser started");
        std::string text = LoadString(StringId::NoBrowserStarted);
        if (const size_t marker = text.find("%s"); marker != std::string::npos)
            text.replace(marker, 2, command);
        m_messages.ShowError(text);
    }
    WriteLog("OnBnClickedBtnBrowser : END");
}

void CVRXPageBasicSetting::OnBnClickedBtnClose() {
    m_mainWindow.SendMessage(MainWindowMessage::Close);
}

std::vector<CVRXPageBasicSetting::LanguageMenuItem> CVRXPageBasicSetting::OnBnClickedLanguageBtn() {
    m_nLanguage = m_language.CurrentLanguage();
    const bool known = m_nLanguage >= 0 && m_nLanguage < LanguageTable::kCount;
    std::vector<LanguageMenuItem> items;
    for (const LanguageEntry& entry : LanguageTable::Entries())
        items.push_back(
            {entry.menuCommand, entry.menuText, known ? entry.index == m_nLanguage : entry.index == 0});
    return items;
}

void CVRXPageBasicSetting::OnLanguageMenuCommand(int command) {
    const int index = LanguageTable::IndexForMenuCommand(command);
    if (index < 0 || index == m_nLanguage)
        return;
    if (!QuestionSwitchLanguge())
        return;
    m_nLanguage = index;
    m_language.SetLanguageResource(index);
    m_mainWindow.SendMessage(MainWindowMessage::Restart);
}

bool CVRXPageBasicSetting::QuestionSwitchLanguge() {
    WriteLog("QuestionSwitchLanguge : START");
    std::string question = m_strSwitchLanguage;
    if (m_unsavedEdits && m_unsavedEdits()) {
        WriteLog("QuestionSwitchLanguge : the WLAN (Advanced) page holds unsaved edits");
        question = LoadString(StringId::UnsavedWlanEditsLost) + "\n\n" + question;
    }
    if (!m_messages.AskYesNo(question)) {
        WriteLog("QuestionSwitchLanguge : IDNO");
        WriteLog("QuestionSwitchLanguge : END");
        return false;
    }
    WriteLog("QuestionSwitchLanguge : END");
    return true;
}

void CVRXPageBasicSetting::OnColumnClick(int column) {
    if (column < 0 || column >= kColumnCount)
        return;
    m_listModel.SortBy(column);
    // The selection stays with its printer.
    ShowListRows(RowMac(IsRow(m_controls.selectedRow) ? m_controls.selectedRow : m_nCurSel));
    Changed();
}

void CVRXPageBasicSetting::OnFilterChanged(const std::string& text) {
    const std::string before = m_listModel.Filter();
    m_listModel.SetFilter(text);
    if (m_listModel.Filter() == before)
        return;
    WriteLog("OnFilterChanged : %s", m_listModel.Filter().c_str());
    ShowListRows(RowMac(IsRow(m_controls.selectedRow) ? m_controls.selectedRow : m_nCurSel));
    Changed();
}

void CVRXPageBasicSetting::ShowListRows(const std::string& preferredMac) {
    m_listModel.Update();
    m_controls.rows = m_listModel.ShownRows();
    m_controls.sortColumn = m_listModel.SortColumn();
    m_controls.sortAscending = m_listModel.SortAscending();
    m_controls.countText =
        StringTable::Fill(LoadString(StringId::PrinterCount), {std::to_string(m_controls.rows.size()),
                                                               std::to_string(m_listModel.AllRows().size())});
    m_controls.foundCount = static_cast<int>(m_listModel.AllRows().size());
    ++m_controls.rowsSerial;
    m_controls.selectedRow = -1;

    if (RowCount() == 0) {
        // Nothing to configure or open while no printer is shown.
        if (!m_listModel.AllRows().empty() && !m_enabledBeforeEmptyFilter)
            m_enabledBeforeEmptyFilter = {m_controls.configurationEnabled, m_controls.browserEnabled};
        m_controls.configurationEnabled = false;
        m_controls.browserEnabled = false;
        m_nCurSel = -1;
        UpdateNetworkInformation(-1);
        return;
    }
    if (m_enabledBeforeEmptyFilter) {
        std::tie(m_controls.configurationEnabled, m_controls.browserEnabled) = *m_enabledBeforeEmptyFilter;
        m_enabledBeforeEmptyFilter.reset();
    }
    m_nCurSel = 0;
    for (int row = 0; row < RowCount(); ++row) {
        if (!preferredMac.empty() && RowMac(row) == preferredMac) {
            m_nCurSel = row;
            break;
        }
    }
    SelectRow(m_nCurSel);
}

void CVRXPageBasicSetting::OnColumnWidthsChanged(std::vector<int> widths) {
    if (widths.size() != static_cast<size_t>(kColumnCount) ||
        std::any_of(widths.begin(), widths.end(), [](int width) { return width <= 0; }))
        widths.clear();
    m_controls.columnWidths = std::move(widths);
}

std::string CVRXPageBasicSetting::RowsAsTabText(const std::vector<int>& rows) const {
    return m_listModel.RowsAsTabText(rows);
}

std::string CVRXPageBasicSetting::PrintersAsCsv(bool shownOnly) const {
    std::vector<ListRow> rows = shownOnly ? m_listModel.ShownRows() : m_listModel.AllRows();
    if (!shownOnly && m_listModel.SortColumn() >= 0) {
        // Every printer, in the order the list shows them.
        const int column = m_listModel.SortColumn();
        const bool ascending = m_listModel.SortAscending();
        std::stable_sort(rows.begin(), rows.end(), [column, ascending](const ListRow& a, const ListRow& b) {
            const int order = PrinterListModel::Compare(a, b, column);
            return ascending ? order < 0 : order > 0;
        });
    }
    std::string csv = PrinterCsv::HeaderRow();
    for (const ListRow& row : rows) {
        const auto found = m_mapPrinterInfo.find(row.texts[kColumnMacAddress]);
        if (found == m_mapPrinterInfo.end())
            continue;
        const PRINTER_NETWORK_INFO& record = found->second;
        csv += record.strNetworkType == m_strWireless ? PrinterCsv::Row(record.stWLANInfo)
                                                      : PrinterCsv::Row(record.stEthernetInfo);
    }
    return csv;
}

bool CVRXPageBasicSetting::OnExport(bool shownOnly) {
    WriteLog("OnExport : START");
    bool written = false;
    if (m_fileDialogs) {
        const auto path = m_fileDialogs->GetSaveFileName("csv", {{LoadString(StringId::CsvFiles), "*.csv"}});
        if (path) {
            WriteLog("OnExport : %s (%s)", path->c_str(), shownOnly ? "shown" : "all");
            AtomicFile::Options options;
            options.createMode = 0644; // a list for others to read, as the user's own files are
            options.keepExistingMode = true;
            if (const int error = AtomicFile::Write(*path, PrintersAsCsv(shownOnly), options); error != 0) {
                WriteLog("OnExport : not written (%d)", error);
                m_messages.ShowError(
                    StringTable::Fill(LoadString(StringId::ExportNotWritten), {*path, std::strerror(error)}));
            } else {
                written = true;
            }
        }
    }
    WriteLog("OnExport : END");
    return written;
}

std::string CVRXPageBasicSetting::RowMac(int row) const {
    return IsRow(row) ? m_controls.rows[static_cast<size_t>(row)].texts[kColumnMacAddress] : std::string();
}

void CVRXPageBasicSetting::DeleteAllItems() {
    m_controls.rows.clear();
    m_controls.selectedRow = -1;
    m_listModel.Clear(); // the filter and the sort order stay for the next rows
    ++m_controls.rowsSerial;
}

void CVRXPageBasicSetting::Changed() {
    if (m_changeListener && !m_bFillingList)
        m_changeListener();
}
