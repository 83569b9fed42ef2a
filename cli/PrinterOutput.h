#pragma once

#include "netsearch/SearchProcedure.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>

// The printers of a search as `quorlink search` shows them, wired printers first.
nlohmann::json PrintersAsJson(const SearchResult& result);
// One printer, as an element of PrintersAsJson.
nlohmann::json PrinterAsJson(const ETHERNET_INFO& printer);
nlohmann::json PrinterAsJson(const WLAN_INFO& printer);
// The same fields as PrintersAsJson, one printer a row under a header row, as comma-separated text
// (RFC 4180: CRLF line ends, fields quoted where needed).
std::string PrintersAsCsv(const SearchResult& result);
// A table that fits 100 terminal columns; `--json` has every field.
void PrintPrinterTable(const SearchResult& result, std::FILE* out);

// text (UTF-8) in exactly width terminal columns: padded with blanks, or cut with "…" at the end when
// longer. Wide characters take two columns; a cut never splits a character.
std::string FitColumn(const std::string& text, int width);
