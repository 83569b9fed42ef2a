#pragma once

#include <cstdint>
#include <map>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

// The printing side of the simulated printers: one TCP listener per printer on its printing port at its
// current address (bound freely, so the address need not be on a link yet), and every connection's bytes,
// received until the sender closes, kept per printer as one job (a connection without any is none). Moving a
// printer (Place with another address or port) closes its old listener and opens the new one.
class SimPrintPort {
public:
    struct Job {
        std::string at;   // "address:port" the job was sent to
        std::string from; // the sender's "address:port"
        std::vector<std::uint8_t> bytes;
    };

    SimPrintPort() = default;
    ~SimPrintPort();
    SimPrintPort(const SimPrintPort&) = delete;
    SimPrintPort& operator=(const SimPrintPort&) = delete;

    // Listens for printer mac at address:port (address in network order; 0 or port 0 closes it). False with
    // error when the listener cannot be opened (the printer then takes no jobs).
    bool Place(const std::string& mac, in_addr address, std::uint16_t port, std::string& error);

    // The sockets to wait on; Serve takes what poll reported for them (the same entries, in order).
    void AddPollEntries(std::vector<pollfd>& entries) const;
    void Serve(const pollfd* entries, std::size_t count);

    const std::vector<Job>& JobsOf(const std::string& mac) const;
    static nlohmann::json JobsAsJson(const std::vector<Job>& jobs);

private:
    struct Listener {
        int fd = -1;
        in_addr address{};
        std::uint16_t port = 0;
    };
    struct Connection {
        std::string mac;
        Job job;
    };

    void Accept(const std::string& mac, const Listener& listener);
    // Reads what is waiting; true when the connection ended (the job is then kept).
    bool Read(int fd, Connection& connection);

    std::map<std::string, Listener> m_listeners; // by MAC text
    std::map<int, Connection> m_connections;     // by socket
    std::map<std::string, std::vector<Job>> m_jobs;
};
