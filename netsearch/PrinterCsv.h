#pragma once

#include "netsearch/PrinterRecords.h"

#include <string>
#include <vector>

// Printers as comma-separated text (RFC 4180: CRLF line ends, fields quoted where needed), one printer a
// row under a header row. The command line's `search --csv` and the printer list's Export write it alike.
// Columns: type mac ip subnet gateway port baudrate dhcp inactivity http firmware mask name interface;
// dhcp and http as true/false, mask as "145.0" (empty for wired printers), interface as the key of the
// local interface that heard the printer.
namespace PrinterCsv {

std::string HeaderRow();
std::string Row(const ETHERNET_INFO& printer);
std::string Row(const WLAN_INFO& printer);

// The field texts of one row, in the column order.
std::vector<std::string> Fields(const ETHERNET_INFO& printer);
std::vector<std::string> Fields(const WLAN_INFO& printer);

} // namespace PrinterCsv
