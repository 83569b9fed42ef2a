#include "app/DiagnosticLog.h"
#include "app/StringTable.h"
#include "cli/CliCommands.h"
#include "cli/CliHelp.h"
#include "cli/CliLog.h"
#include "devport/CCupsSpoolerHold.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

void PrintUsage(FILE* out) {
    std::fprintf(
        out, "Usage: quorlink <command> [options]\n"
             "\n"
             "Finds the label printers on the local network and changes their IP settings, and reads and\n"
             "configures the network module of a printer on a USB or serial port.\n"
             "\n"
             "Commands:\n"
             "  search [--json | --jsonl | --csv] [--subnet CIDR]...\n"
             "                       lists the printers that answer on every local interface (and in\n"
             "                       each subnet behind a router given by --subnet)\n"
             "  set-ip <MAC> (--dhcp | --ip A --subnet M --gateway G)\n"
             "         [--port N] [--inactivity S] [--name TEXT] [--yes] [--subnet CIDR]...\n"
             "                       sends a printer found by a search new IP settings\n"
             "  set-ip --batch FILE.csv [--dry-run] [--json] [--yes] [--subnet CIDR]...\n"
             "                       sends every printer of a file its new IP settings, one search\n"
             "                       for all, one printer after another, and reports each row\n");
    PrintDeviceUsage(out);
    std::fprintf(out, "  qlt show FILE [--json] [--show-secrets]\n"
                      "                       shows a configuration file's fields\n"
                      "  qlt diff A B         names the fields two configuration files differ in\n");
    PrintQueueUsage(out);
    std::fprintf(out, "  help [COMMAND [SUBCOMMAND]]\n"
                      "                       shows a command's options (also COMMAND --help)\n");
    std::fprintf(
        out, "\n"
             "set-ip checks every value before it sends anything: an address of 0.0.0.0 or\n"
             "255.255.255.255, the subnet's network or broadcast address, a subnet mask whose ones\n"
             "do not come first, a port above 32767 or one of 21 23 25 80 443 3318, an inactivity\n"
             "time above 3600 s are refused. A gateway outside the printer's subnet is asked about\n"
             "on the terminal; without one it is refused unless --yes is given (0.0.0.0 means no\n"
             "gateway).\n"
             "\n"
             "A batch file has a header row naming its columns: mac, mode (dhcp or manual), ip,\n"
             "subnet, gateway, and optionally port, inactivity, name (empty: the printer's own).\n"
             "Every row is checked before anything is sent; one bad row sends nothing and is named\n"
             "by line, column and reason. Each row is reported as sent, confirmed / sent, no\n"
             "confirmation / unchanged / not found / refused: REASON; a confirmation counts only when\n"
             "it comes from that printer's address. --dry-run searches and says what would be sent,\n"
             "sending no settings. Exit status 0 only when every row was sent or unchanged.\n"
             "\n"
             "--subnet CIDR (such as 10.20.30.0/24; for set-ip a value with a prefix length, as\n"
             "--subnet without one is the printer's subnet mask) also sends the search, and the\n"
             "settings of a printer found there, to that subnet's directed broadcast address through\n"
             "the interface that routes there. Routers pass such broadcasts on only where allowed\n"
             "(on Linux: sysctl net.ipv4.conf.all.bc_forwarding=1 and on the incoming interface).\n"
             "\n"
             "device set reads the printer, then takes each FIELD=VALUE in the order given as an\n"
             "edit on the WLAN (Advanced) page: FIELD as `device read --json` names it, VALUE as it\n"
             "prints it (codes for choices: byNetworkMode=0 byAuthentication=3 ...). A change of\n"
             "byNetworkMode or byAuthentication resets what depends on it, as on the page, so give\n"
             "those first. A field the page hides for the configuration goes out as read and cannot\n"
             "be set; the page's checks run before anything is sent.\n"
             "\n"
             "Options:\n"
             "  --help      show this text; `quorlink help COMMAND` or `quorlink COMMAND --help`\n"
             "              show a command's own\n"
             "  --version   show the program's version\n"
             "  --log FILE  write the diagnostic log of the run to FILE (secrets masked); without it the\n"
             "              log is written when quorlink-tool's preferences switch its log on\n"
             "  PORT        a serial device path, or a USB printer's identity from `device list`;\n"
             "              serial lines take --baud N (115200), --data-bits N (8),\n"
             "              --parity none|odd|even, --stop-bits 1|1.5|2, --flow hardware|xonxoff|none\n"
             "\n"
             "Exit status: 0 done, 1 bad arguments or values, 2 no network connection, 3 printer not\n"
             "found, 4 settings unchanged, 5 settings could not be sent, 6 answered no; a batch: 0\n"
             "every row sent or unchanged, 1 a row refused, 3 a printer not found, 5 a message not sent.\n"
             "Device read, write, set, scan, cert, factory-reset and qlt: 0 done, 1 bad arguments or\n"
             "values (set: an unknown field, one hidden or disabled for the printer's configuration,\n"
             "or a value its item refuses; nothing is sent then),\n"
             "2 port not found or not opened, 3 the printer did not answer or refused, 4 the printer\n"
             "reported a failure. device write with several --port options writes the same file to\n"
             "each in turn and reports each port; a file with a fixed IP address goes to several ports\n"
             "only with --same-address, and a port whose module takes another variant is refused.\n"
             "Passwords, keys and communities show as ******** unless\n"
             "--show-secrets is given.\n");
}

// The help the arguments ask for, on stdout; an unknown command's on stderr with status 1.
int ShowHelp(const std::string& topic) {
    if (topic.empty()) {
        PrintUsage(stdout);
        return 0;
    }
    if (const auto text = CliHelp::Text(topic)) {
        std::fputs(text->c_str(), stdout);
        return 0;
    }
    std::fprintf(stderr, "quorlink help: no command '%s'\n", topic.c_str());
    return 1;
}

int RunCommand(const std::string& command, const std::vector<std::string>& args) {
    if (command == "search")
        return RunSearchCommand(args);
    if (command == "set-ip")
        return RunSetIpCommand(args);
    if (command == "device")
        return RunDeviceCommand(args);
    if (command == "qlt")
        return RunQltCommand(args);
    if (command == "queue")
        return RunQueueCommand(args);
    std::fprintf(stderr, "quorlink: unknown command '%s'\n", command.c_str());
    PrintUsage(stderr);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    // Print queues that an earlier run left paused when it ended without giving them back: every start
    // gives them back, also one that only asks for the version or the help.
    CCupsSpoolerHold::ResumeQueuesOfEndedRuns();
    std::vector<std::string> all(argv + 1, argv + argc);
    std::optional<std::string> logFile;
    std::string error;
    if (!CliLog::TakeLogOption(all, logFile, error)) {
        std::fprintf(stderr, "quorlink: %s\n", error.c_str());
        return 1;
    }
    if (all.empty()) {
        PrintUsage(stderr);
        return 1;
    }
    if (const auto topic = CliHelp::Requested(all))
        return ShowHelp(*topic);
    if (all[0] == "--version") {
        std::printf("quorlink (%s) %s\n", LoadString(StringId::AppTitle).c_str(), QUORLINK_VERSION);
        return 0;
    }
    const auto executable = AppPaths::CurrentExecutable();
    if (!CliLog::Start(logFile, CliLog::WindowProgramPaths(executable ? *executable : std::string()),
                       error)) {
        std::fprintf(stderr, "quorlink: %s\n", error.c_str());
        return 1;
    }
    WriteLog("quorlink : START %s", CliLog::MaskedArguments(all).c_str());
    const int status = RunCommand(all[0], std::vector<std::string>(all.begin() + 1, all.end()));
    WriteLog("quorlink : END (exit status %d)", status);
    return status;
}
