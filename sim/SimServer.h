#pragma once

#include "sim/SimPrintPort.h"
#include "sim/SimPrinter.h"

#include <chrono>
#include <cstdint>
#include <netinet/in.h>
#include <queue>
#include <string>
#include <vector>

// The simulator's network side: one socket on each printer port (48781 wired, 3337 wireless), bound so
// that broadcasts reach it; answers go to the requester's address and port (or, for a printer that replies
// by broadcast, to the broadcast address of the link the request came in on), after each printer's delay.
// Each printer also takes print jobs over TCP on its printing port at its current address (SimPrintPort).
class SimServer {
public:
    struct Options {
        std::string bindAddress = "0.0.0.0";
        std::string stateFile;  // the printer table as JSON, written on SIGUSR1 and at exit
        std::string requestLog; // one JSON line per datagram received
    };

    SimServer(std::vector<SimPrinter> printers, Options options);
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    bool Open(std::string& error);
    // Serves until SIGTERM or SIGINT; the exit status.
    int Run();

private:
    using Clock = std::chrono::steady_clock;
    struct Outgoing {
        Clock::time_point when;
        std::uint64_t order; // keeps datagrams of the same instant in the order they were planned
        int fd;
        sockaddr_in to;
        unsigned interfaceIndex; // the link to send on; 0 as the routing table decides
        in_addr source;          // the sender's address; 0 as the routing table decides
        std::vector<std::uint8_t> bytes;
        bool operator>(const Outgoing& other) const {
            return when != other.when ? when > other.when : order > other.order;
        }
    };

    void Take(int fd, std::uint16_t port);
    void LogRequest(std::uint16_t port, const sockaddr_in& from, const in_addr& to, const std::uint8_t* data,
                    std::size_t length);
    // Whether printer hears a datagram that came in on interface interfaceIndex.
    bool Hears(const SimPrinter& printer, unsigned interfaceIndex) const;
    // Where printer's reply to a datagram from from, received on interface interfaceIndex, goes.
    sockaddr_in ReplyAddress(const SimPrinter& printer, const sockaddr_in& from,
                             unsigned interfaceIndex) const;
    // The interface that reply leaves by (0: as the routing table decides).
    unsigned ReplyInterface(const SimPrinter& printer, unsigned interfaceIndex) const;
    void Plan(int fd, const sockaddr_in& to, unsigned interfaceIndex, int delayMs,
              std::vector<std::uint8_t> bytes, in_addr source = {});
    // The address printer's datagrams leave from: its own, or 0 for the simulator's on the link.
    static in_addr SourceOf(const SimPrinter& printer);
    void SendDue();
    void WriteState() const;
    // Opens printer's print listener where its record says; a failure is reported, not fatal.
    void PlacePrintPort(const SimPrinter& printer);

    struct Link {
        unsigned index = 0;
        in_addr address{}, broadcast{};
    };
    std::vector<Link> m_links; // the simulator's IPv4 interfaces, read at Open
    std::vector<SimPrinter> m_printers;
    Options m_options;
    int m_wiredFd = -1;
    int m_wirelessFd = -1;
    SimPrintPort m_printPort;
    std::uint64_t m_order = 0;
    std::priority_queue<Outgoing, std::vector<Outgoing>, std::greater<Outgoing>> m_outgoing;
};
