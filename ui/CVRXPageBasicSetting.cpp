#include "ui/CVRXPageBasicSetting.h"

#include "app/DiagnosticLog.h"
#include "app/LanguageTable.h"
#include "app/StringTable.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

constexpr const char* kDashes = "-------------------------------------------------------";

// The number of a dotted IPv4 address ("192.0.2.21"), or nothing for any other text.
std::optional<std::uint32_t> AddressNumber(const std::string& text) {
    std::uint32_t number = 0;
    size_t position = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0 && (position >= text.size() || text[position++] != '.'))
            return std::nullopt;
        unsigned value = 0, digits = 0;
        while (position < text.size() && text[position] >= '0' && text[position] <= '9' && digits < 3) {
            value = value * 10 + static_cast<unsigned>(text[position++] - '0');
            ++digits;
        }
        if (digits == 0 || value > 255)
            return std::nullopt;
        number = (number << 8) | value;
    }
    if (position != text.size())
        return std::nullopt;
    return number;
}

// Compares two texts ignoring the letter case of the Latin letters.
int CompareNoCase(const std::string& a, const std::string& b) {
    const size_t length = std::min(a.size(), b.size());
    for (size_t i = 0; i < length; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

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
    if (m_controls.sortColumn == column) {
        m_controls.sortAscending = !m_controls.sortAscending;
    } else {
        m_controls.sortColumn = column;
        m_controls.sortAscending = true;
    }

    // The current row and the selected row stay with their printers.
    const int curData = IsRow(m_nCurSel) ? m_controls.rows[static_cast<size_t>(m_nCurSel)].itemData : -1;
    const int selectedData = IsRow(m_controls.selectedRow)
                                 ? m_controls.rows[static_cast<size_t>(m_controls.selectedRow)].itemData
                                 : -1;

    const bool ascending = m_controls.sortAscending;
    std::stable_sort(m_controls.rows.begin(), m_controls.rows.end(),
                     [column, ascending](const ListRow& a, const ListRow& b) {
                         const auto& x = a.texts[static_cast<size_t>(column)];
                         const auto& y = b.texts[static_cast<size_t>(column)];
                         int order = 0;
                         if (column == kColumnNumber) {
                             order = (std::atoi(x.c_str()) > std::atoi(y.c_str())) -
                                     (std::atoi(x.c_str()) < std::atoi(y.c_str()));
                         } else if (const auto a =
                                        column == kColumnIpAddress ? AddressNumber(x) : std::nullopt,
                                    b = column == kColumnIpAddress ? AddressNumber(y) : std::nullopt;
                                    a && b) {
                             // Addresses by number: 192.0.2.21 before 192.0.2.209.
                             order = (*a > *b) - (*a < *b);
                         } else {
                             order = CompareNoCase(x, y);
                         }
                         return ascending ? order < 0 : order > 0;
                     });
    for (int row = 0; row < RowCount(); ++row) {
        const int data = m_controls.rows[static_cast<size_t>(row)].itemData;
        if (data == curData)
            m_nCurSel = row;
        if (data == selectedData)
            m_controls.selectedRow = row;
    }
    ++m_controls.rowsSerial;
    Changed();
}

std::string CVRXPageBasicSetting::RowMac(int row) const {
    return IsRow(row) ? m_controls.rows[static_cast<size_t>(row)].texts[kColumnMacAddress] : std::string();
}

void CVRXPageBasicSetting::DeleteAllItems() {
    m_controls.rows.clear();
    m_controls.selectedRow = -1;
    // A new list is in the order of the search; no column is marked as sorted.
    m_controls.sortColumn = -1;
    m_controls.sortAscending = true;
    ++m_controls.rowsSerial;
}

void CVRXPageBasicSetting::Changed() {
    if (m_changeListener && !m_bFillingList)
        m_changeListener();
}
