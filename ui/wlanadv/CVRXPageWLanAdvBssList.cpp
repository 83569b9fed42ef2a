#include "ui/wlanadv/CVRXPageWLanAdvBssList.h"

#include "app/DiagnosticLog.h"
#include "app/StringTable.h"
#include "app/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kFirstText = 124;

} // namespace

void CVRXPageWLanAdvBssList::SetBSSInfoData(const BSS_INFO* table, int count) {
    std::memset(m_BSSInfo, 0, sizeof m_BSSInfo);
    m_nNumBSSInfo = 0;
    if (!table || count <= 0)
        return;
    m_nNumBSSInfo = std::min(count, VRX_MAX_BSS_INFO);
    std::memcpy(m_BSSInfo, table, sizeof(BSS_INFO) * static_cast<std::size_t>(m_nNumBSSInfo));
}

void CVRXPageWLanAdvBssList::OnInitDialog() {
    WriteLog("CVRXPageWLanAdvBssList::OnInitDialog : START");
    for (std::size_t i = 0; i < m_strText.size(); ++i)
        m_strText[i] = LoadString(kFirstText + static_cast<int>(i));
    m_nLastDbClickItemID = -1;
    m_nResult = kResultNone;
    InsertItemToList();
    WriteLog("CVRXPageWLanAdvBssList::OnInitDialog : END");
}

std::string CVRXPageWLanAdvBssList::NetworkModeText(std::uint8_t mode) const {
    switch (mode) {
    case VRX_NETWORK_MODE_INFRASTRUCTURE:
        return m_strText[6];
    case VRX_NETWORK_MODE_ADHOC:
        return m_strText[7];
    default:
        return m_strText[8];
    }
}

std::string CVRXPageWLanAdvBssList::SecurityText(std::uint8_t security) const {
    switch (security) {
    case VRX_BSS_SECURITY_NONE:
        return m_strText[9];
    case VRX_BSS_SECURITY_WEP64:
        return m_strText[10];
    case VRX_BSS_SECURITY_WEP128:
        return m_strText[11];
    case VRX_BSS_SECURITY_WEP64_128:
        return m_strText[12];
    case VRX_BSS_SECURITY_WPA:
        return m_strText[13];
    case VRX_BSS_SECURITY_WPA2:
        return m_strText[14];
    case VRX_BSS_SECURITY_WPA_WPA2:
        return m_strText[15];
    default:
        return {};
    }
}

std::string CVRXPageWLanAdvBssList::BssidText(const BSS_INFO& entry) {
    char text[18];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", entry.byBSSID[0], entry.byBSSID[1],
                  entry.byBSSID[2], entry.byBSSID[3], entry.byBSSID[4], entry.byBSSID[5]);
    return text;
}

std::array<int, CVRXPageWLanAdvBssList::kColumnCount> CVRXPageWLanAdvBssList::ColumnWidths(int windowWidth) {
    const int w = windowWidth - 5;
    const int q = (w / 10) / 4;
    return {w / 5 + q, w / 5 + q - 1, w / 5 + q - 2, w / 5 + q - 2, w / 10 + 1};
}

void CVRXPageWLanAdvBssList::InsertItemToList() {
    m_nNumBSSInfo = std::clamp(m_nNumBSSInfo, 0, VRX_MAX_BSS_INFO);
    m_rows.clear();
    for (int i = 0; i < m_nNumBSSInfo; ++i) {
        const BSS_INFO& entry = m_BSSInfo[i];
        Row row;
        // A text that fills its field has no terminator; one that is not UTF-8 shows empty.
        row.columns[kColumnSsid] = DeviceRecords::FieldText(entry.bySSID);
        if (Utf8::FromUtf16(Utf8::ToUtf16(row.columns[kColumnSsid])) != row.columns[kColumnSsid])
            row.columns[kColumnSsid].clear();
        row.columns[kColumnBssid] = BssidText(entry);
        row.columns[kColumnMode] = NetworkModeText(entry.byNetworkMode);
        row.columns[kColumnSecurity] = SecurityText(entry.bySecurity);
        row.rssi = DeviceRecords::Rssi(entry);
        row.columns[kColumnRssi] = std::to_string(row.rssi);
        row.itemData = i;
        m_rows.push_back(std::move(row));
    }
    WriteLog("CVRXPageWLanAdvBssList::InsertItemToList : %d rows", m_nNumBSSInfo);
}

void CVRXPageWLanAdvBssList::OnDblClkList(int item) {
    if (item < 0 || item >= static_cast<int>(m_rows.size())) {
        WriteLog("CVRXPageWLanAdvBssList::OnDblClkList : no row");
        return;
    }
    const std::string& bssid = m_rows[static_cast<std::size_t>(item)].columns[kColumnBssid];
    // The entry's number is its position in the table (the scan numbers its entries so); the position is
    // what the caller takes over, whatever the entry's first byte says.
    for (int i = 0; i < m_nNumBSSInfo; ++i)
        if (BssidText(m_BSSInfo[i]) == bssid)
            m_nLastDbClickItemID = i;
    WriteLog("CVRXPageWLanAdvBssList::OnDblClkList : m_nLastDbClickItemID = %d", m_nLastDbClickItemID);
    if (m_nLastDbClickItemID >= 0)
        m_nResult = kResultOk;
}

void CVRXPageWLanAdvBssList::OnBnClickedClose() {
    m_nResult = kResultOk;
}

void CVRXPageWLanAdvBssList::OnCancel() {
    m_nResult = kResultCancel;
}
