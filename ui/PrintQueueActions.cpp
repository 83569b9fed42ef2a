#include "ui/PrintQueueActions.h"

#include "app/StringTable.h"
#include "devport/PrintQueueMender.h"
#include "devport/PrintQueueSetup.h"
#include "devport/PrintQueueUri.h"

std::string PrintQueueActions::AddActionText() {
    return LoadString(StringId::AddPrintQueueAction);
}

bool PrintQueueActions::CanAddFor(const std::string& mac) {
    return !PrintQueueUri::ForMac(mac).empty();
}

IQueueNameAsker::Question PrintQueueActions::QuestionFor(const std::string& mac) {
    return {LoadString(StringId::QueueNameCaption),
            StringTable::Fill(LoadString(StringId::QueueNamePrompt), {mac}),
            PrintQueueSetup::DefaultName(mac)};
}

std::string PrintQueueActions::CheckName(const std::string& name) {
    return PrintQueueSetup::ValidName(name) ? std::string() : LoadString(StringId::QueueNameInvalid);
}

bool PrintQueueActions::AddQueueFor(const std::string& mac, IQueueNameAsker& asker) {
    if (!CanAddFor(mac))
        return false;
    const std::optional<std::string> name = asker.AskQueueName(QuestionFor(mac), CheckName);
    if (!name || !CheckName(*name).empty())
        return false;
    const QueueSetupOutcome outcome = PrintQueueSetup::Add(m_cups, mac, *name, {}, false);
    const std::string said = PrintQueueSetup::Describe(outcome);
    if (outcome.result.RefusedForRights())
        m_messages.ShowWarning(said);
    else if (!outcome.result.ok)
        m_messages.ShowError(said);
    else
        m_messages.ShowInformation(said);
    return outcome.result.ok;
}

bool PrintQueueActions::OnAddressChanged(const std::string& mac, const std::string& oldIp,
                                         const std::string& newIp) {
    std::vector<CupsQueue> queues;
    if (oldIp.empty() || oldIp == newIp || !m_cups.ListQueues(queues).ok)
        return false; // no print server: nothing to mend
    // A new address that DHCP gives is not known yet: the queues can only follow the printer's MAC address.
    const bool followMac = newIp.empty();
    const std::vector<QueueMove> moves = PrintQueueMender::Plan(queues, oldIp, newIp, mac, followMac);
    if (moves.empty())
        return false;
    std::string names;
    for (const QueueMove& move : moves)
        names += move.queue + " (" + move.from + ")\n";
    names.pop_back();
    const std::string target = followMac ? PrintQueueUri::ForMac(mac) : newIp;
    if (!m_messages.AskYesNo(
            StringTable::Fill(LoadString(StringId::QueuesMoveQuestion), {oldIp, names, target})))
        return false;

    const std::vector<CupsResult> results = PrintQueueMender::Apply(m_cups, moves);
    std::string done, failed;
    bool refused = false;
    for (size_t i = 0; i < moves.size(); ++i) {
        if (results[i].ok) {
            done += StringTable::Fill(LoadString(StringId::QueueMoved), {moves[i].queue, moves[i].to}) + "\n";
        } else if (results[i].RefusedForRights()) {
            // One advice for all: the rights are the account's, not the queue's.
            if (!refused)
                failed += PrintQueueMender::RefusedAdvice(moves[i].queue) + "\n";
            refused = true;
        } else {
            failed +=
                StringTable::Fill(LoadString(StringId::QueueMoveFailed), {moves[i].queue, results[i].text}) +
                "\n";
        }
    }
    if (!failed.empty()) {
        failed.pop_back();
        if (refused)
            m_messages.ShowWarning(done + failed);
        else
            m_messages.ShowError(done + failed);
        return false;
    }
    done.pop_back();
    m_messages.ShowInformation(done);
    return true;
}
