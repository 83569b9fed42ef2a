#pragma once

#include "devport/ICupsApi.h"
#include "ui/IMessageBox.h"
#include "ui/IQueueNameAsker.h"

#include <string>

// The windows' print-queue actions: the printer list's "Add print queue…" (asks the queue name, adds a
// quorlink://MAC queue, says what it did), and the question after the settings page gave a printer a new
// address (the queues that reach the old one, pointed at the new one only after a Yes).
class PrintQueueActions {
public:
    PrintQueueActions(ICupsApi& cups, IMessageBox& messages) : m_cups(cups), m_messages(messages) {}

    // The action's text (515).
    static std::string AddActionText();
    // Whether the action applies to the printer of mac (the selected printer's; "" when none).
    static bool CanAddFor(const std::string& mac);
    // The question for the printer of mac: caption, prompt with the MAC address, the offered name.
    static IQueueNameAsker::Question QuestionFor(const std::string& mac);
    // "" for a name CUPS takes, else why not (518).
    static std::string CheckName(const std::string& name);

    // The action: asks the name, adds the queue, shows the outcome (an error with the lpadmin advice when
    // the print server wants an administrator). True when a queue was added.
    bool AddQueueFor(const std::string& mac, IQueueNameAsker& asker);

    // After a saved address change (newIp "" when DHCP gives the address: the queues may then follow the
    // printer by its MAC address): asks about the queues that reach oldIp, and changes them after a Yes.
    // True when every queue asked about was changed; false also for No or none.
    bool OnAddressChanged(const std::string& mac, const std::string& oldIp, const std::string& newIp);

private:
    ICupsApi& m_cups;
    IMessageBox& m_messages;
};
