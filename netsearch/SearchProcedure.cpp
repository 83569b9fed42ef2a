#include "netsearch/SearchProcedure.h"

#include "app/DiagnosticLog.h"

SearchResult RunSearchProcedure(INetworkEndpoint& endpoint) {
    WriteLog("CVRXSearchDlg::RunSearchProcedure : START");
    SearchResult result;
    endpoint.ClearPrinterTables();

    // The count is read again before each pass, as the table is the endpoint's.
    for (int nIndex = 0; nIndex < endpoint.GetPrinterNetworkAddress(); ++nIndex) {
        WriteLog("CVRXSearchDlg::RunSearchProcedure : nIndex = %d", nIndex);
        WriteLog("CVRXSearchDlg::RunSearchProcedure : SearchPrinter (ETHERNET) START");
        result.networkPrinter += endpoint.SearchPrinter(nIndex, VRX_WIRED_PRINTER);
        WriteLog("CVRXSearchDlg::RunSearchProcedure : SearchPrinter (ETHERNET) END");
        WriteLog("CVRXSearchDlg::RunSearchProcedure : SearchPrinter (Wi-Fi) START");
        result.networkPrinter += endpoint.SearchPrinter(nIndex, VRX_WIRELESS_PRINTER);
        WriteLog("CVRXSearchDlg::RunSearchProcedure : SearchPrinter (Wi-Fi) END");
    }

    if (result.networkPrinter != 0) {
        endpoint.CopyEthernetInfoTo(result.ethernet);
        endpoint.CopyWLanInfoTo(result.wlan);
    }
    WriteLog("CVRXSearchDlg::RunSearchProcedure : m_networkPrinter = %d", result.networkPrinter);
    WriteLog("CVRXSearchDlg::RunSearchProcedure : END");
    return result;
}
