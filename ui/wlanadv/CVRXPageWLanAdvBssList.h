#pragma once

#include "devcfg/DeviceRecords.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The access-point list: the access points of the printer's last scan, one row each (SSID, BSSID, WLAN mode,
// security, signal strength). A double-click on a row picks its access point and closes the list with OK;
// Close closes it with OK without a pick, Escape with Cancel. The caller tells a pick from a Close by
// GetLastDbClickItemID(), which stays -1 without one.
class CVRXPageWLanAdvBssList {
public:
    enum Result : int {
        kResultNone = 0,
        kResultOk = 1,
        kResultCancel = 2,
    };

    enum Column : int {
        kColumnSsid = 0,
        kColumnBssid,
        kColumnMode,
        kColumnSecurity,
        kColumnRssi,
        kColumnCount
    };

    // The dialog sits this many pixels above the main window's centre.
    static constexpr int kAboveCentre = 35;

    struct Row {
        std::array<std::string, kColumnCount> columns;
        int itemData = 0; // the entry's position in the table
        std::int16_t rssi = 0;
    };

    // Keeps min(count, 100) entries of table; none when count is 0 or less.
    void SetBSSInfoData(const BSS_INFO* table, int count);

    // Texts 124 to 139, no pick yet, the rows.
    void OnInitDialog();
    // The rows, one per entry in table order.
    void InsertItemToList();

    // A double-click; item is the row's item data, -1 when the click hit no row. Picks the last entry
    // whose BSSID reads as the row's and closes with OK when one was picked.
    void OnDblClkList(int item);
    void OnBnClickedClose();
    void OnCancel();

    // Widths of the five columns for a window width.
    static std::array<int, kColumnCount> ColumnWidths(int windowWidth);
    // The texts of the table: mode, security, a BSSID as upper-case hex pairs joined by ":".
    std::string NetworkModeText(std::uint8_t mode) const;
    std::string SecurityText(std::uint8_t security) const;
    static std::string BssidText(const BSS_INFO& entry);

    const std::string& Caption() const { return m_strText[0]; }
    const std::string& Heading(int column) const { return m_strText[1 + column]; }
    const std::vector<Row>& Rows() const { return m_rows; }
    int GetNumBSSInfo() const { return m_nNumBSSInfo; }
    int GetLastDbClickItemID() const { return m_nLastDbClickItemID; }
    bool IsEnded() const { return m_nResult != kResultNone; }
    int GetResult() const { return m_nResult; }

private:
    std::array<std::string, 16> m_strText;
    BSS_INFO m_BSSInfo[VRX_MAX_BSS_INFO]{};
    int m_nNumBSSInfo = 0;
    int m_nLastDbClickItemID = -1;
    std::vector<Row> m_rows;
    int m_nResult = kResultNone;
};
