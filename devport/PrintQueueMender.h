#pragma once

#include "devport/ICupsApi.h"

#include <string>
#include <vector>

// One queue to be pointed elsewhere after its printer got a new address.
struct QueueMove {
    std::string queue;
    std::string from; // its device URI now
    std::string to;   // the one it gets
};

// The print queues that reach a printer by its old address, and pointing them at the new one (or at
// quorlink://MAC, which follows the printer wherever it goes). Nothing changes without Apply.
class PrintQueueMender {
public:
    // Every queue whose URI names oldIp as its host (socket://OLD[:port], lpd://OLD/..., ipp(s)://OLD...),
    // with the URI it gets: the same with newIp, or quorlink://mac when followMac. Empty when the address did
    // not change.
    static std::vector<QueueMove> Plan(const std::vector<CupsQueue>& queues, const std::string& oldIp,
                                       const std::string& newIp, const std::string& mac, bool followMac);
    // Changes each queue's device URI; one result per move, in order.
    static std::vector<CupsResult> Apply(ICupsApi& cups, const std::vector<QueueMove>& moves);
    // The advice for a user the print server refused (%1 the queue, %2 the account): text 511.
    static std::string RefusedAdvice(const std::string& queue);
};
