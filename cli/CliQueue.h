#pragma once

#include <cstdio>
#include <string>
#include <vector>

class ICupsApi;

// set-ip's print-queue options: --update-queues points the queues that reach the printer's old address at
// the new one (--follow-mac: at quorlink://MAC). Without them the queues are only named.
struct QueueUpdateOptions {
    bool update = false;
    bool followMac = false;
};

// Takes --update-queues and --follow-mac out of args; false with error when --follow-mac comes alone.
bool TakeQueueUpdateOptions(std::vector<std::string>& args, QueueUpdateOptions& options, std::string& error);

// After printer mac moved from oldIp to newIp ("" when DHCP gave an address not known yet): names the queues
// that reach oldIp and, with options.update, points them elsewhere. Reports on out; false when a queue
// could not be changed.
bool MendQueuesAfterMove(ICupsApi& cups, const std::string& mac, const std::string& oldIp,
                         const std::string& newIp, const QueueUpdateOptions& options, std::FILE* out);
bool MendQueuesAfterMove(const std::string& mac, const std::string& oldIp, const std::string& newIp,
                         const QueueUpdateOptions& options, std::FILE* out);

// The usage lines of the queue commands and of set-ip's queue options.
void PrintQueueUsage(std::FILE* out);

// quorlink queue add MAC [--name NAME] [--ppd PPD | --raw] | queue list
int RunQueueCommand(const std::vector<std::string>& args);
