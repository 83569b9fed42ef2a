#pragma once

#include "devport/ICupsApi.h"

#include <string>

// What adding a queue for a printer did.
struct QueueSetupOutcome {
    enum class Driver { PpdFile, MakerDriver, Raw };
    CupsResult result;
    std::string name;
    std::string uri;             // quorlink://MAC
    Driver driver = Driver::Raw; // what the queue prints through
    std::string driverName;      // the PPD file or the server's driver name; "" for raw
};

// A print queue for a printer found on the network: quorlink://MAC as its device, the maker's driver when
// the print server has one (or the PPD given), otherwise raw, enabled and accepting jobs.
class PrintQueueSetup {
public:
    static constexpr const char* kMake = "VORANEX";

    // The name offered for a printer's queue: "VORANEX_001A2B3C4D5E".
    static std::string DefaultName(const std::string& mac);
    // Whether CUPS takes name as a queue name: 1 to 127 printable characters, none of space / \ # ' " ,
    static bool ValidName(const std::string& name);
    // Adds the queue (ppdFile: a PPD to use; raw: no driver even when the maker's is installed).
    static QueueSetupOutcome Add(ICupsApi& cups, const std::string& mac, const std::string& name,
                                 const std::string& ppdFile, bool raw);
    // What the outcome says to the user (the advice of text 510 when the server refused the rights).
    static std::string Describe(const QueueSetupOutcome& outcome);
};
