#pragma once

#include "netsearch/INetworkEndpoint.h"
#include "netsearch/PrinterRecords.h"

#include <stop_token>

// What one search over every local interface found.
struct SearchResult {
    // The sum of the SearchPrinter results; only 0 (nothing answered) and not 0 carry meaning, since each
    // SearchPrinter returns the count of its table so far.
    int networkPrinter = 0;
    EthernetInfoMap ethernet;
    WLanInfoMap wlan;
};

// One whole search: empties the endpoint's printer tables, searches every interface for wired and then
// for wireless printers, and copies both tables out when anything answered. The interface table must be
// filled before (InitLocalNetworkInterface). Runs on the caller's thread and takes seconds. A stop request
// (from another thread) ends it at the endpoint's next wait; the printers found until then are kept.
SearchResult RunSearchProcedure(INetworkEndpoint& endpoint, std::stop_token stop = {});
