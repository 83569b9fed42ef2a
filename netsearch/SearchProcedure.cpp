#include "netsearch/SearchProcedure.h"

#include "app/DiagnosticLog.h"

SearchResult RunSearchProcedure(INetworkEndpoint& endpoint, std::stop_token stop,
                                const PrinterHeardFunction& heard) {
    return RunSearchProcedure(endpoint, {}, stop, heard);
}

SearchResult RunSearchProcedure(INetworkEndpoint& endpoint, const std::vector<SearchExchange>& more,
                                std::stop_token stop, const PrinterHeardFunction& heard) {
    WriteLog("CVRXSearchDlg::RunSearchProcedure : START");
    SearchResult result;
    endpoint.ClearPrinterTables();

    // Every interface, wired and wireless, in one round: the types have their own ports and every answer
    // is credited to the interface it came in on, so nothing makes one exchange wait for another.
    std::vector<SearchExchange> exchanges;
    const int interfaces = endpoint.GetPrinterNetworkAddress();
    for (int nIndex = 0; nIndex < interfaces; ++nIndex) {
        WriteLog("CVRXSearchDlg::RunSearchProcedure : nIndex = %d", nIndex);
        exchanges.push_back({nIndex, VRX_WIRED_PRINTER, std::nullopt, {}, 0});
        exchanges.push_back({nIndex, VRX_WIRELESS_PRINTER, std::nullopt, {}, 0});
    }
    exchanges.insert(exchanges.end(), more.begin(), more.end());
    if (!exchanges.empty() && !stop.stop_requested()) {
        WriteLog("CVRXSearchDlg::RunSearchProcedure : SearchRound START");
        result.networkPrinter = endpoint.SearchRound(exchanges, stop, heard);
        WriteLog("CVRXSearchDlg::RunSearchProcedure : SearchRound END");
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
