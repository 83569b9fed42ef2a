#include "backend/QuorlinkBackend.h"

#include "devport/PrintQueueUri.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// How long the printer may take to close the connection after the last byte (it has taken the job then).
constexpr int kDrainTimeoutMs = 10000;

std::string Quoted(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '"' ? '\'' : c; // a double quote would end the field
    return out;
}

bool WriteAll(int fd, const char* data, std::size_t length, std::string& error) {
    while (length > 0) {
        const ssize_t written = ::send(fd, data, length, MSG_NOSIGNAL);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            error = std::strerror(errno);
            return false;
        }
        data += written;
        length -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

std::string QuorlinkBackend::DeviceLine(const PrinterLocation& printer) {
    const std::string type = printer.wireless ? "wireless" : "wired";
    const std::string what = printer.name.empty()
                                 ? std::string(kMake) + " " + type + " label printer " + printer.mac
                                 : printer.name + " (" + type + ", " + printer.mac + ")";
    return "network " + PrintQueueUri::ForMac(printer.mac) + " \"" + kMake + " " + kModel + "\" \"" +
           Quoted(what) + " (" + printer.ip + ")\" \"MFG:" + kMake + ";MDL:" + kModel +
           ";CLS:PRINTER;SN:" + printer.mac + ";\" \"\"";
}

int QuorlinkBackend::LookSeconds(const std::string& uri) {
    const std::size_t query = uri.find('?');
    if (query == std::string::npos)
        return kDefaultLookSeconds;
    std::istringstream options(uri.substr(query + 1));
    for (std::string option; std::getline(options, option, '&');) {
        if (option.rfind("look=", 0) != 0)
            continue;
        try {
            std::size_t used = 0;
            const int seconds = std::stoi(option.substr(5), &used);
            if (used == option.size() - 5 && seconds >= 0 && seconds <= 86400)
                return seconds;
        } catch (const std::exception&) {
        }
    }
    return kDefaultLookSeconds;
}

int QuorlinkBackend::Discover() {
    PrinterLocator locator(m_endpoint);
    const std::vector<PrinterLocation> printers = locator.FindAll();
    std::map<std::string, PrinterLocation> addresses = LoadAddresses();
    for (const PrinterLocation& printer : printers) {
        std::fprintf(m_out, "%s\n", DeviceLine(printer).c_str());
        addresses[printer.mac] = printer;
    }
    std::fflush(m_out);
    if (!printers.empty())
        SaveAddresses(addresses);
    return kOk;
}

int QuorlinkBackend::Print(const std::string& uri, int input, int copies) {
    const std::optional<std::string> mac = PrintQueueUri::MacOf(uri);
    if (!mac) {
        std::fprintf(m_messages, "ERROR: %s names no printer: use quorlink://00-1A-2B-3C-4D-5E\n",
                     uri.c_str());
        return kFailed;
    }
    std::fprintf(m_messages, "STATE: +connecting-to-device\nINFO: Looking for the printer %s\n",
                 mac->c_str());
    std::fflush(m_messages);

    const std::map<std::string, PrinterLocation> addresses = LoadAddresses();
    const auto known = addresses.find(*mac);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(LookSeconds(uri));
    std::optional<PrinterLocation> printer;
    for (;;) {
        PrinterLocator locator(m_endpoint);
        printer = locator.Find(*mac, known == addresses.end() ? std::nullopt : std::optional(known->second));
        if (printer)
            break;
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero()) {
            std::fprintf(m_messages,
                         "STATE: +offline-report\nINFO: The printer %s was not found on the network; the job "
                         "waits and is tried again later\n",
                         mac->c_str());
            std::fflush(m_messages);
            return kRetry;
        }
        std::fprintf(
            m_messages,
            "STATE: +offline-report\nINFO: The printer %s was not found on the network; looking again "
            "(for %lld s more)\n",
            mac->c_str(), static_cast<long long>(std::chrono::ceil<std::chrono::seconds>(left).count()));
        std::fflush(m_messages);
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(left, std::chrono::seconds(kLookAgainSeconds)));
    }

    std::string error;
    const int fd =
        PrinterLocator::Connect(printer->ip, printer->port, PrinterLocator::kConnectTimeout, error);
    if (fd < 0) {
        std::fprintf(
            m_messages,
            "STATE: +offline-report\nINFO: The printer %s at %s:%u takes no connection (%s); the job "
            "waits and is tried again later\n",
            mac->c_str(), printer->ip.c_str(), printer->port, error.c_str());
        std::fflush(m_messages);
        return kRetry;
    }
    Remember(*printer);
    std::fprintf(m_messages, "STATE: -connecting-to-device,offline-report\nINFO: Printing on %s at %s:%u\n",
                 mac->c_str(), printer->ip.c_str(), printer->port);
    std::fflush(m_messages);
    const bool sent = Send(fd, input, copies, error);
    ::close(fd);
    if (!sent) {
        std::fprintf(m_messages, "ERROR: The job could not be sent to %s at %s: %s\n", mac->c_str(),
                     printer->ip.c_str(), error.c_str());
        std::fflush(m_messages);
        return kRetry;
    }
    std::fprintf(m_messages, "INFO: Sent to %s at %s:%u\n", mac->c_str(), printer->ip.c_str(), printer->port);
    std::fflush(m_messages);
    return kOk;
}

bool QuorlinkBackend::Send(int fd, int input, int copies, std::string& error) {
    std::vector<char> buffer(65536);
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && ::lseek(input, 0, SEEK_SET) != 0) {
            error = "the print file cannot be read again";
            return false;
        }
        for (;;) {
            const ssize_t got = ::read(input, buffer.data(), buffer.size());
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                error = std::strerror(errno);
                return false;
            }
            if (got == 0)
                break;
            if (!WriteAll(fd, buffer.data(), static_cast<std::size_t>(got), error))
                return false;
        }
    }
    // The job is the printer's once it has read everything: it then closes its end.
    ::shutdown(fd, SHUT_WR);
    pollfd entry{fd, POLLIN, 0};
    char drain[512];
    while (::poll(&entry, 1, kDrainTimeoutMs) > 0 && ::read(fd, drain, sizeof drain) > 0) {
    }
    return true;
}

std::map<std::string, PrinterLocation> QuorlinkBackend::LoadAddresses() const {
    std::map<std::string, PrinterLocation> addresses;
    std::ifstream in(m_addressFile);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        PrinterLocation location;
        if (fields >> location.mac >> location.ip >> location.port &&
            !PrinterLocator::NormalMac(location.mac).empty())
            addresses[PrinterLocator::NormalMac(location.mac)] = location;
    }
    return addresses;
}

void QuorlinkBackend::SaveAddresses(const std::map<std::string, PrinterLocation>& addresses) const {
    if (m_addressFile.empty())
        return;
    const std::string temporary = m_addressFile + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temporary);
        for (const auto& [mac, location] : addresses)
            out << mac << ' ' << location.ip << ' ' << location.port << '\n';
        if (!out)
            return (void)std::remove(temporary.c_str());
    }
    if (std::rename(temporary.c_str(), m_addressFile.c_str()) != 0)
        std::remove(temporary.c_str());
}

void QuorlinkBackend::Remember(const PrinterLocation& printer) const {
    std::map<std::string, PrinterLocation> addresses = LoadAddresses();
    const auto known = addresses.find(printer.mac);
    if (known != addresses.end() && known->second.ip == printer.ip && known->second.port == printer.port)
        return;
    addresses[printer.mac] = printer;
    SaveAddresses(addresses);
}
