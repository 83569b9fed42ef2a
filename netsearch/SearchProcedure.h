#pragma once

#include "netsearch/HeardPrinter.h"
#include "netsearch/INetworkEndpoint.h"
#include "netsearch/PrinterRecords.h"
#include "netsearch/SearchExchange.h"

#include <stop_token>
#include <vector>

// What one search over every local interface found.
struct SearchResult {
    // The sum of the exchanges' results; only 0 (nothing answered) and not 0 carry meaning, since each
    // exchange counts the whole table of its type.
    int networkPrinter = 0;
    EthernetInfoMap ethernet;
    WLanInfoMap wlan;
};

// One whole search: empties the endpoint's printer tables, searches every interface for wired and
// wireless printers in one round (SearchRound), and copies both tables out when anything answered. The
// interface table must be filled before (InitLocalNetworkInterface). Runs on the caller's thread and takes
// one round, about 2.25 s when printers answer. heard is told of each printer as it is first heard. A stop
// request (from another thread) ends it within 50 ms; the printers found until then are kept.
SearchResult RunSearchProcedure(INetworkEndpoint& endpoint, std::stop_token stop = {},
                                const PrinterHeardFunction& heard = {});
// The same, with more exchanges in the same round (the directed broadcasts of subnets behind routers).
SearchResult RunSearchProcedure(INetworkEndpoint& endpoint, const std::vector<SearchExchange>& more,
                                std::stop_token stop, const PrinterHeardFunction& heard);
