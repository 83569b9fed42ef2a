#pragma once

#include "netsearch/HeardPrinter.h"
#include "netsearch/PrinterRecords.h"
#include "netsearch/SearchExchange.h"

#include <stop_token>
#include <vector>

// What the search dialog, the search worker and the network settings page need of the UDP endpoint.
// CUdpEndpoint is the real one; tests give a scripted fake.
class INetworkEndpoint {
public:
    virtual ~INetworkEndpoint() = default;

    // Fills the interface table once per process; true when it holds at least one interface.
    virtual bool InitLocalNetworkInterface() = 0;
    // The number of entries in the interface table.
    virtual int GetPrinterNetworkAddress() = 0;
    // Empties both printer tables.
    virtual void ClearPrinterTables() = 0;
    // One search on one interface for one type; the count of the type's table when anything was received.
    // A stop request (from another thread) ends it at its next wait, keeping what was collected.
    virtual int SearchPrinter(int nLocalNetworkInterface, int nPrinterNetworkType,
                              std::stop_token stop = {}) = 0;
    // Every exchange at once, in one round: all requests go out in the same 250 ms, the answers are taken
    // as they come, each credited to the interface it came in on, and each exchange ends by its own
    // silence rule. heard (when given) is told of each printer as it enters a table. The sum over the
    // exchanges of the type's table count when the exchange received anything (0: nothing answered). A
    // stop request ends the round within 50 ms, keeping what was collected.
    virtual int SearchRound(const std::vector<SearchExchange>& exchanges, std::stop_token stop = {},
                            const PrinterHeardFunction& heard = {}) = 0;
    // Empty target, copy every entry; the count.
    virtual int CopyEthernetInfoTo(EthernetInfoMap& target) = 0;
    virtual int CopyWLanInfoTo(WLanInfoMap& target) = 0;
    // Sends a settings message on the interface where the printer was found and waits for a confirmation;
    // true when the message went out at least once.
    virtual bool SetQlinkInfo(int nLocalNetworkInterface, int nPrinterNetworkType,
                              const unsigned char* message, int nDataLength) = 0;
};
