#pragma once

#include "cli/CliQueue.h"
#include "devport/PortOpenFailure.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

class IDeviceRecords;

// Exit statuses of the commands.
namespace CliExit {
inline constexpr int Ok = 0;
inline constexpr int Usage = 1;      // bad arguments or values the checks refuse
inline constexpr int NoNetwork = 2;  // no usable local interface
inline constexpr int NotFound = 3;   // no printer with that MAC address answered
inline constexpr int Unchanged = 4;  // the settings equal the printer's
inline constexpr int SendFailed = 5; // the settings message could not be sent
inline constexpr int Declined = 6;   // the user answered no to a question
// Settings sent, but a print queue could not be pointed at the printer's new address.
inline constexpr int QueuesNotChanged = 7;
} // namespace CliExit

// Exit statuses of the queue commands.
namespace QueueExit {
inline constexpr int Ok = 0;
inline constexpr int Usage = 1;   // bad arguments
inline constexpr int Failed = 2;  // the print server could not be reached or refused for another reason
inline constexpr int Refused = 3; // the print server wants an administrator
} // namespace QueueExit

// Exit statuses of the device configuration commands (read, write, set, scan, cert, factory-reset) and of
// qlt.
namespace DeviceExit {
inline constexpr int Ok = 0;
inline constexpr int Usage = 1;         // bad arguments or values, a file refused by its checks
inline constexpr int NoPort = 2;        // the port is not there or cannot be opened
inline constexpr int NoAnswer = 3;      // the printer did not answer or refused the exchange
inline constexpr int PrinterFailed = 4; // the printer reported a failure (or did not confirm the save)
} // namespace DeviceExit

// quorlink search [--json | --csv] [--subnet CIDR]...
int RunSearchCommand(const std::vector<std::string>& args);
// quorlink set-ip <MAC> (--dhcp | --ip A --subnet M --gateway G) [--port N] [--inactivity S] [--name TEXT]
//                 [--yes]
//                 [--subnet CIDR]...
//        quorlink set-ip --batch FILE.csv [--dry-run] [--json] [--yes] [--subnet CIDR]...
// Both also take --update-queues [--follow-mac] (cli/CliQueue.h).
int RunSetIpCommand(const std::vector<std::string>& args);
int RunSetIpBatchCommand(const std::vector<std::string>& args, const QueueUpdateOptions& queues = {});

// What the device subcommands list devices from and print to.
struct DeviceCommandContext {
    IDeviceRecords& records;
    std::FILE* out;
    std::FILE* err;
    // Whether this user may open a device node; CheckPortAccess when empty.
    std::function<PortOpenFailure(std::uint32_t dwInterfaceType, const std::string& node)> access = {};
};
// quorlink device <subcommand> [options]: list [--json]
int RunDeviceCommand(const std::vector<std::string>& args);
int RunDeviceCommand(const std::vector<std::string>& args, const DeviceCommandContext& context);
// One line per device subcommand, for the usage texts.
void PrintDeviceUsage(std::FILE* out);

// The device configuration subcommands (cli/CliDeviceConfig.cpp); they print to stdout and stderr.
int RunDeviceRead(const std::vector<std::string>& args, const DeviceCommandContext& context);
int RunDeviceWrite(const std::vector<std::string>& args, const DeviceCommandContext& context);
int RunDeviceSet(const std::vector<std::string>& args, const DeviceCommandContext& context);
int RunDeviceScan(const std::vector<std::string>& args, const DeviceCommandContext& context);
int RunDeviceCert(const std::vector<std::string>& args, const DeviceCommandContext& context);
int RunDeviceFactoryReset(const std::vector<std::string>& args, const DeviceCommandContext& context);
// quorlink qlt show FILE [--json] [--show-secrets] | qlt diff A B [--show-secrets]
int RunQltCommand(const std::vector<std::string>& args);
