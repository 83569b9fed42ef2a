#pragma once

#include "netsearch/INetworkEndpoint.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// Where a printer is now, for printing to it: what a search or the last job knew of it.
struct PrinterLocation {
    std::string mac;   // "00:1A:2B:3C:4D:5E"
    std::string ip;    // "192.0.2.71"
    unsigned port = 0; // the printing port of its record
    bool wireless = false;
    std::string name; // a wireless printer's system name; else ""
};

// Finds printers for printing: every printer of one search, or one printer by its MAC address, first at
// the address it had last (a TCP connect to its printing port), else by a search that ends once that
// printer has answered. Searches go through RunSearchProcedure on the endpoint given.
class PrinterLocator {
public:
    static constexpr std::chrono::milliseconds kConnectTimeout{2000};

    explicit PrinterLocator(INetworkEndpoint& endpoint) : m_endpoint(endpoint) {}

    // Every printer that answers one search, ordered by MAC address (wired, then wireless).
    std::vector<PrinterLocation> FindAll();
    // The printer with mac (any case, ':' or '-'); last: where it was before, tried first. Nothing when it
    // neither takes a connection there nor answers a search.
    std::optional<PrinterLocation> Find(const std::string& mac, const std::optional<PrinterLocation>& last);
    // Whether the search ran (false only when there was no interface to search on).
    bool Searched() const { return m_searched; }

    // A TCP connection to ip:port within timeout; the socket, or -1 with errno's text in error.
    static int Connect(const std::string& ip, unsigned port, std::chrono::milliseconds timeout,
                       std::string& error);
    // "00:1A:2B:3C:4D:5E" from "00-1a-2b-3c-4d-5e" or "00:1a:..."; "" when it is no MAC address.
    static std::string NormalMac(const std::string& text);

private:
    INetworkEndpoint& m_endpoint;
    bool m_searched = false;
};
