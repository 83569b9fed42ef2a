#include "cli/CliCommands.h"
#include "cli/DeviceOutput.h"
#include "devport/UdevDeviceRecords.h"

#include <cstring>

namespace {

// quorlink device list [--json]
int RunDeviceList(const std::vector<std::string>& args, const DeviceCommandContext& context) {
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else {
            std::fprintf(context.err, "quorlink device list: unknown option '%s'\n", arg.c_str());
            return CliExit::Usage;
        }
    }
    const DeviceListing listing = ListDevices(context.records);
    if (json)
        std::fprintf(
            context.out, "%s\n",
            DevicesAsJson(listing).dump(2, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
    else
        PrintDeviceTable(listing, context.out);
    return CliExit::Ok;
}

struct DeviceSubcommand {
    const char* name;
    const char* usage; // the arguments after the name
    const char* summary;
    int (*run)(const std::vector<std::string>& args, const DeviceCommandContext& context);
};

// Every `quorlink device` subcommand; a new one is a row here.
const DeviceSubcommand kSubcommands[] = {
    {"list", "[--json]", "lists the attached USB printers and the serial ports", RunDeviceList},
    {"read", "--port PORT [--json] [--show-secrets] [--save FILE.qlt]",
     "reads the printer's network module: system information, capabilities, every field", RunDeviceRead},
    {"write", "--port PORT FILE.qlt", "sends a configuration file's record unchanged to the module",
     RunDeviceWrite},
    {"set", "--port PORT FIELD=VALUE...",
     "changes record fields through the WLAN (Advanced) page's rules, then sends", RunDeviceSet},
    {"scan", "--port PORT [--json]", "lists the access points the module sees", RunDeviceScan},
    {"cert", "--port PORT --type ca|key|pem FILE", "uploads a certificate to the module", RunDeviceCert},
    {"factory-reset", "--port PORT [--yes]", "resets the module to its factory settings (asks first)",
     RunDeviceFactoryReset},
};

} // namespace

void PrintDeviceUsage(std::FILE* out) {
    for (const DeviceSubcommand& sub : kSubcommands) {
        const std::string line = std::string("device ") + sub.name + " " + sub.usage;
        if (line.size() <= 20) // a long one gets its summary on a line of its own
            std::fprintf(out, "  %-20s %s\n", line.c_str(), sub.summary);
        else
            std::fprintf(out, "  %s\n  %-20s %s\n", line.c_str(), "", sub.summary);
    }
    std::fprintf(out,
                 "  While a device command uses the port, the maker's print queues on that kind of port\n"
                 "  are paused and then resumed. A command refuses to start while such a queue is\n"
                 "  printing (pausing it would print the job again from its start) unless --force.\n");
}

int RunDeviceCommand(const std::vector<std::string>& args, const DeviceCommandContext& context) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::FILE* out = args.empty() ? context.err : context.out;
        std::fprintf(out, "Usage: quorlink device <subcommand> [options]\n\nSubcommands:\n");
        PrintDeviceUsage(out);
        return args.empty() ? CliExit::Usage : CliExit::Ok;
    }
    for (const DeviceSubcommand& sub : kSubcommands)
        if (args[0] == sub.name)
            return sub.run(std::vector<std::string>(args.begin() + 1, args.end()), context);
    std::fprintf(context.err, "quorlink device: unknown subcommand '%s'\n", args[0].c_str());
    PrintDeviceUsage(context.err);
    return CliExit::Usage;
}

int RunDeviceCommand(const std::vector<std::string>& args) {
    return RunDeviceCommand(args, DeviceCommandContext{UdevDeviceRecords::Process(), stdout, stderr});
}
