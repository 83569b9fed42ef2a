#include "cli/CliQueue.h"

#include "app/StringTable.h"
#include "cli/CliCommands.h"
#include "devport/CCupsApi.h"
#include "devport/PrintQueueMender.h"
#include "devport/PrintQueueSetup.h"
#include "devport/PrintQueueUri.h"
#include "netsearch/CUdpEndpoint.h"
#include "netsearch/PrinterLocator.h"

#include <algorithm>
#include <unistd.h>

namespace {

constexpr const char* kCommand = "quorlink queue";

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", kCommand, message.c_str());
    return status;
}

int RunQueueAdd(const std::vector<std::string>& args) {
    std::string mac, name, ppd;
    bool raw = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--name" && hasValue)
            name = args[++i];
        else if (arg == "--ppd" && hasValue)
            ppd = args[++i];
        else if (arg == "--raw")
            raw = true;
        else if (mac.empty() && arg.rfind("--", 0) != 0)
            mac = arg;
        else
            return Fail(QueueExit::Usage, "unknown or incomplete option '" + arg + "'");
    }
    // Everything checked before the print server is asked.
    if (PrinterLocator::NormalMac(mac).empty())
        return Fail(QueueExit::Usage, "queue add needs the printer's MAC address, such as 00:1A:2B:3C:4D:5E");
    mac = PrinterLocator::NormalMac(mac);
    if (!ppd.empty() && raw)
        return Fail(QueueExit::Usage, "give --ppd or --raw, not both");
    if (!ppd.empty() && ::access(ppd.c_str(), R_OK) != 0)
        return Fail(QueueExit::Usage, "cannot read the PPD file " + ppd);
    if (name.empty())
        name = PrintQueueSetup::DefaultName(mac);
    if (!PrintQueueSetup::ValidName(name))
        return Fail(QueueExit::Usage, LoadString(StringId::QueueNameInvalid));

    CCupsApi cups;
    const QueueSetupOutcome outcome = PrintQueueSetup::Add(cups, mac, name, ppd, raw);
    const std::string said = PrintQueueSetup::Describe(outcome);
    if (!outcome.result.ok) {
        std::fprintf(stderr, "%s\n", said.c_str());
        return outcome.result.RefusedForRights() ? QueueExit::Refused : QueueExit::Failed;
    }
    std::printf("%s\n", said.c_str());
    return QueueExit::Ok;
}

int RunQueueList(const std::vector<std::string>& args) {
    if (!args.empty())
        return Fail(QueueExit::Usage, "queue list takes no options");
    CCupsApi cups;
    std::vector<CupsQueue> queues;
    const CupsResult listed = cups.ListQueues(queues);
    if (!listed.ok)
        return Fail(QueueExit::Failed, "the print queues could not be listed: " + listed.text);

    // Where each printer of the maker is now.
    PrinterLocator locator(*CUdpEndpoint::GetInstance());
    const std::vector<PrinterLocation> printers = locator.FindAll();
    const auto byMac = [&](const std::string& mac) {
        return std::find_if(printers.begin(), printers.end(), [&](const auto& p) { return p.mac == mac; });
    };
    const auto byIp = [&](const std::string& ip) {
        return std::find_if(printers.begin(), printers.end(), [&](const auto& p) { return p.ip == ip; });
    };
    int shown = 0;
    for (const CupsQueue& queue : queues) {
        std::string reaches;
        if (const auto mac = PrintQueueUri::MacOf(queue.deviceUri)) {
            const auto printer = byMac(*mac);
            reaches = printer != printers.end()
                          ? *mac + " at " + printer->ip + ":" + std::to_string(printer->port)
                          : *mac + ", not found";
        } else if (const auto host = PrintQueueUri::HostOf(queue.deviceUri)) {
            const auto printer = byIp(*host);
            if (printer != printers.end())
                reaches = printer->mac + " at " + printer->ip + ":" + std::to_string(printer->port);
            else if (queue.makeAndModel.find(PrintQueueSetup::kMake) != std::string::npos)
                reaches = "no printer found at " + *host;
            else
                continue; // another maker's printer
        } else {
            continue;
        }
        std::printf("%-20s %-36s %s\n", queue.name.c_str(), queue.deviceUri.c_str(), reaches.c_str());
        ++shown;
    }
    if (shown == 0)
        std::printf("No print queue reaches a printer of %s.\n", PrintQueueSetup::kMake);
    return QueueExit::Ok;
}

} // namespace

bool TakeQueueUpdateOptions(std::vector<std::string>& args, QueueUpdateOptions& options, std::string& error) {
    const auto take = [&](const char* flag) {
        const auto it = std::remove(args.begin(), args.end(), flag);
        const bool found = it != args.end();
        args.erase(it, args.end());
        return found;
    };
    options.update = take("--update-queues");
    options.followMac = take("--follow-mac");
    if (options.followMac && !options.update) {
        error = "--follow-mac goes with --update-queues";
        return false;
    }
    return true;
}

bool MendQueuesAfterMove(ICupsApi& cups, const std::string& mac, const std::string& oldIp,
                         const std::string& newIp, const QueueUpdateOptions& options, std::FILE* out) {
    std::vector<CupsQueue> queues;
    const CupsResult listed = cups.ListQueues(queues);
    if (!listed.ok) {
        if (options.update)
            std::fprintf(out, "The print queues could not be listed: %s\n", listed.text.c_str());
        return !options.update;
    }
    // A new address that DHCP gives is not known yet: only quorlink://MAC can follow it.
    const std::string target = newIp.empty() ? oldIp : newIp;
    std::vector<QueueMove> moves =
        PrintQueueMender::Plan(queues, oldIp, newIp.empty() ? "?" : target, mac, options.followMac);
    if (moves.empty())
        return true;
    if (!options.update || (newIp.empty() && !options.followMac)) {
        std::fprintf(out, "Print queues that reach %s at its old address %s:\n", mac.c_str(), oldIp.c_str());
        for (const QueueMove& move : moves)
            std::fprintf(out, "  %s (%s)\n", move.queue.c_str(), move.from.c_str());
        std::fprintf(out, "%s\n",
                     newIp.empty()
                         ? "The new address is not known (DHCP): give --update-queues --follow-mac to "
                           "point them at quorlink:// (the printer by its MAC address)."
                         : "Give --update-queues to point them at the new address (--follow-mac: at "
                           "quorlink://, the printer by its MAC address).");
        return true;
    }
    const std::vector<CupsResult> results = PrintQueueMender::Apply(cups, moves);
    bool allChanged = true;
    for (size_t i = 0; i < moves.size(); ++i) {
        const CupsResult& result = results[i];
        if (result.ok)
            std::fprintf(
                out, "%s\n",
                StringTable::Fill(LoadString(StringId::QueueMoved), {moves[i].queue, moves[i].to}).c_str());
        else if (result.RefusedForRights())
            std::fprintf(out, "%s\n", PrintQueueMender::RefusedAdvice(moves[i].queue).c_str());
        else
            std::fprintf(
                out, "%s\n",
                StringTable::Fill(LoadString(StringId::QueueMoveFailed), {moves[i].queue, result.text})
                    .c_str());
        allChanged = allChanged && result.ok;
    }
    return allChanged;
}

bool MendQueuesAfterMove(const std::string& mac, const std::string& oldIp, const std::string& newIp,
                         const QueueUpdateOptions& options, std::FILE* out) {
    CCupsApi cups;
    return MendQueuesAfterMove(cups, mac, oldIp, newIp, options, out);
}

void PrintQueueUsage(std::FILE* out) {
    std::fprintf(out,
                 "  queue add MAC [--name NAME] [--ppd PPD | --raw]\n"
                 "                       adds a print queue for the printer (quorlink://MAC: it follows\n"
                 "                       the printer to any address), with the maker's driver when one is\n"
                 "                       installed, else raw\n"
                 "  queue list           the print queues that reach a printer of the maker, and where\n"
                 "                       that printer is now\n"
                 "  set-ip ... --update-queues [--follow-mac]\n"
                 "                       also points the print queues that reach the printer's old address\n"
                 "                       at the new one (--follow-mac: at quorlink://MAC); without it they\n"
                 "                       are only named\n");
}

int RunQueueCommand(const std::vector<std::string>& args) {
    if (args.empty())
        return Fail(QueueExit::Usage, "give add or list");
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "add")
        return RunQueueAdd(rest);
    if (args[0] == "list")
        return RunQueueList(rest);
    return Fail(QueueExit::Usage, "unknown subcommand '" + args[0] + "' (add or list)");
}
