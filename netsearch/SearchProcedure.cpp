#include "netsearch/SearchProcedure.h"

#include "app/DiagnosticLog.h"

SearchResult RunSearchProcedure(INetworkEndpoint& endpoint, std::stop_token stop) {
    WriteLog("CVRXSearchDlg::RunSearchProcedure : START");
    SearchResult result;
    endpoint.ClearPrinterTables();

    // The count is read again before each pass, as the table is the endpoint's.
    for (int nIndex = 0; nIndex < endpoint.GetPrinterNetworkAddress() && !stop.stop_requested(); ++nIndex) {
        WriteLog("CVRXSearchDlg::RunSearchProcedure : nIndex = %d", nIndex);
        WriteLog("CVRXSearchDlg::RunSearchProcedure : SearchPrinter (ETHERNET) START");
        result.networkPrinter += endpoint.SearchPrinter(nIndex, VRX_WIRED_PRINTER, stop);
        WriteLog("CVRXSearchDlg::RunSearchProcedure : SearchPrinter (ETHERNET) END");
        if (stop.stop_requested())
            break;
        WriteLog("CVRXSearchDlg::RunSearchProcedure : SearchPrinter (Wi-Fi) START");
        result.networkPrinter += endpoint.SearchPrinter(nIndex, VRX_WIRELESS_PRINTER, stop);
        WriteLog("CVRXSearchDlg::RunSearchProcedure : SearchPrinter (Wi-Fi) END");
    }
    if (stop.stop_requested())
        WriteLog("CVRXSearchDlg::RunSearchProcedure : stopped");

    if (result.networkPrinter != 0) {
        endpoint.CopyEthernetInfoTo(result.ethernet);
        endpoint.CopyWLanInfoTo(result.wlan);
    }
    WriteLog("CVRXSearchDlg::RunSearchProcedure : m_networkPrinter = %d", result.networkPrinter);
    WriteLog("CVRXSearchDlg::RunSearchProcedure : END");
    return result;
}
