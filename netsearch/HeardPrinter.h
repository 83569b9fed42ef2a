#pragma once

#include "netsearch/PrinterRecords.h"

#include <functional>

// A printer that has just entered a printer table during a search: its first answer. Exactly one of the
// records is given, by type. Told on the searching thread, while the search goes on.
struct HeardPrinter {
    int nPrinterNetworkType = 0;
    const ETHERNET_INFO* ethernet = nullptr;
    const WLAN_INFO* wlan = nullptr;
};
using PrinterHeardFunction = std::function<void(const HeardPrinter&)>;
