#pragma once

#include "netsearch/PrinterRecords.h"

// How the printer list page runs a search: the search dialog is constructed, run modally, its wireless
// and wired tables are copied into wlan and ethernet (entries are inserted; the targets are not emptied
// first), and the dialog is destroyed. The GUI runs the real search dialog; tests return chosen tables.
class IPrinterSearch {
public:
    virtual ~IPrinterSearch() = default;
    virtual void Run(WLanInfoMap& wlan, EthernetInfoMap& ethernet) = 0;
};
