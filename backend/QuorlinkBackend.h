#pragma once

#include "netsearch/INetworkEndpoint.h"
#include "netsearch/PrinterLocator.h"

#include <cstdio>
#include <map>
#include <optional>
#include <string>

// The CUPS backend "quorlink" (backend(7)): lists the printers a search finds as quorlink://MAC devices,
// and sends a job to the printer a quorlink:// URI names, wherever it is now. The addresses it found last
// are kept in a small file (one "MAC IP PORT" line each), so that a job first tries the printer there.
//
// A printer found nowhere is looked for again every few seconds for a while (quorlink://MAC?look=SECONDS,
// 300 by default), the queue saying so meanwhile (CUPS clears a queue's message once the backend has ended);
// then the backend ends with "retry": the job stays, held, and CUPS tries it again later.
class QuorlinkBackend {
public:
    // Exit codes of backend(7).
    static constexpr int kOk = 0;     // CUPS_BACKEND_OK
    static constexpr int kFailed = 1; // CUPS_BACKEND_FAILED
    static constexpr int kRetry = 6;  // CUPS_BACKEND_RETRY: the job stays and is tried again later
    static constexpr const char* kMake = "VORANEX";
    static constexpr const char* kModel = "Label Printer";
    static constexpr int kDefaultLookSeconds = 300;
    static constexpr int kLookAgainSeconds = 5;

    QuorlinkBackend(INetworkEndpoint& endpoint, std::string addressFile, std::FILE* out, std::FILE* messages)
        : m_endpoint(endpoint), m_addressFile(std::move(addressFile)), m_out(out), m_messages(messages) {}

    // Discovery: one search, one "network quorlink://..." line per printer on out.
    int Discover();
    // Sends what input holds (copies times) to the printer of uri; STATE:/INFO:/ERROR: lines on messages.
    int Print(const std::string& uri, int input, int copies);

    // The line discovery prints for one printer.
    static std::string DeviceLine(const PrinterLocation& printer);
    // How long a job looks for a printer found nowhere: the URI's look=SECONDS (0 to 86400), else the
    // default.
    static int LookSeconds(const std::string& uri);

private:
    std::map<std::string, PrinterLocation> LoadAddresses() const;
    void SaveAddresses(const std::map<std::string, PrinterLocation>& addresses) const;
    void Remember(const PrinterLocation& printer) const;
    // Sends the job on a connected socket; false with the reason.
    bool Send(int fd, int input, int copies, std::string& error);

    INetworkEndpoint& m_endpoint;
    std::string m_addressFile;
    std::FILE* m_out;
    std::FILE* m_messages;
};
