#pragma once

#include "netsearch/SearchProcedure.h"

#include <nlohmann/json.hpp>

#include <cstdio>

// The printers of a search as `quorlink search` shows them, wired printers first.
nlohmann::json PrintersAsJson(const SearchResult& result);
void PrintPrinterTable(const SearchResult& result, std::FILE* out);
