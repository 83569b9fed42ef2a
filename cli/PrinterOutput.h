#pragma once

#include "netsearch/SearchProcedure.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <functional>
#include <string>

// The system's name of a local interface by its key in the interface table ("" when unknown).
using InterfaceNames = std::function<std::string(int nLocalNetworkInterface)>;

// The printers of a search as `quorlink search` shows them, wired printers first: "interface" is the key of
// the local interface that heard the printer, "interface_name" its name (from names; "" without).
nlohmann::json PrintersAsJson(const SearchResult& result, const InterfaceNames& names = {});
// One printer, as an element of PrintersAsJson.
nlohmann::json PrinterAsJson(const ETHERNET_INFO& printer, const InterfaceNames& names = {});
nlohmann::json PrinterAsJson(const WLAN_INFO& printer, const InterfaceNames& names = {});
// The fields of PrintersAsJson up to "interface", one printer a row under a header row, as comma-separated
// text (RFC 4180: CRLF line ends, fields quoted where needed).
std::string PrintersAsCsv(const SearchResult& result);
// A table that fits 100 terminal columns, the interface by its name (its key when names has none);
// `--json` has every field.
void PrintPrinterTable(const SearchResult& result, std::FILE* out, const InterfaceNames& names = {});

// text (UTF-8) in exactly width terminal columns: padded with blanks, or cut with "…" at the end when
// longer. Wide characters take two columns; a cut never splits a character.
std::string FitColumn(const std::string& text, int width);
