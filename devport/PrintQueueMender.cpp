#include "devport/PrintQueueMender.h"

#include "app/StringTable.h"
#include "devport/PortOpenFailure.h"
#include "devport/PrintQueueUri.h"

std::vector<QueueMove> PrintQueueMender::Plan(const std::vector<CupsQueue>& queues, const std::string& oldIp,
                                              const std::string& newIp, const std::string& mac,
                                              bool followMac) {
    std::vector<QueueMove> moves;
    if (oldIp.empty() || oldIp == newIp)
        return moves;
    const std::string followUri = PrintQueueUri::ForMac(mac);
    for (const CupsQueue& queue : queues) {
        const std::optional<std::string> host = PrintQueueUri::HostOf(queue.deviceUri);
        if (!host || *host != oldIp)
            continue;
        const std::string to =
            followMac && !followUri.empty() ? followUri : PrintQueueUri::WithHost(queue.deviceUri, newIp);
        if (!to.empty())
            moves.push_back({queue.name, queue.deviceUri, to});
    }
    return moves;
}

std::vector<CupsResult> PrintQueueMender::Apply(ICupsApi& cups, const std::vector<QueueMove>& moves) {
    std::vector<CupsResult> results;
    for (const QueueMove& move : moves)
        results.push_back(cups.SetQueueUri(move.queue, move.to));
    return results;
}

std::string PrintQueueMender::RefusedAdvice(const std::string& queue) {
    const std::string user = CurrentUserName();
    return StringTable::Fill(LoadString(StringId::QueueChangeRefused),
                             {queue, user.empty() ? "$USER" : user});
}
