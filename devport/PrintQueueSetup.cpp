#include "devport/PrintQueueSetup.h"

#include "app/StringTable.h"
#include "devport/PortOpenFailure.h"
#include "devport/PrintQueueUri.h"

std::string PrintQueueSetup::DefaultName(const std::string& mac) {
    std::string name = std::string(kMake) + "_";
    for (char c : PrintQueueUri::ForMac(mac).substr(std::string(PrintQueueUri::kScheme).size() + 3))
        if (c != '-')
            name += c;
    return name;
}

bool PrintQueueSetup::ValidName(const std::string& name) {
    if (name.empty() || name.size() > 127)
        return false;
    for (unsigned char c : name)
        if (c <= ' ' || c == 0x7F || c == '/' || c == '\\' || c == '#' || c == '\'' || c == '"' || c == ',')
            return false;
    return true;
}

QueueSetupOutcome PrintQueueSetup::Add(ICupsApi& cups, const std::string& mac, const std::string& name,
                                       const std::string& ppdFile, bool raw) {
    QueueSetupOutcome outcome;
    outcome.name = name;
    outcome.uri = PrintQueueUri::ForMac(mac);
    if (outcome.uri.empty()) {
        outcome.result = {false, 0x0400, "not a MAC address: " + mac}; // client-error-bad-request
        return outcome;
    }
    if (!ValidName(name)) {
        outcome.result = {false, 0x0400, "not a queue name: " + name};
        return outcome;
    }
    std::string driver;
    if (!ppdFile.empty()) {
        outcome.driver = QueueSetupOutcome::Driver::PpdFile;
        outcome.driverName = ppdFile;
    } else if (!raw) {
        // No driver list (a server without cups-driverd) is as good as none of the maker's.
        if (cups.FindDriver(kMake, driver).ok && !driver.empty()) {
            outcome.driver = QueueSetupOutcome::Driver::MakerDriver;
            outcome.driverName = driver;
        }
    }
    outcome.result =
        cups.AddQueue(name, outcome.uri, ppdFile, driver, std::string(kMake) + " label printer " + mac);
    return outcome;
}

std::string PrintQueueSetup::Describe(const QueueSetupOutcome& outcome) {
    if (outcome.result.RefusedForRights()) {
        const std::string user = CurrentUserName();
        return StringTable::Fill(LoadString(StringId::QueueAddRefused),
                                 {outcome.name, user.empty() ? "$USER" : user});
    }
    if (!outcome.result.ok)
        return StringTable::Fill(LoadString(StringId::QueueAddFailed), {outcome.name, outcome.result.text});
    switch (outcome.driver) {
    case QueueSetupOutcome::Driver::PpdFile:
    case QueueSetupOutcome::Driver::MakerDriver:
        return StringTable::Fill(LoadString(StringId::QueueAddedWithDriver),
                                 {outcome.name, outcome.uri, outcome.driverName});
    case QueueSetupOutcome::Driver::Raw:
        break;
    }
    return StringTable::Fill(LoadString(StringId::QueueAddedRaw), {outcome.name, outcome.uri});
}
