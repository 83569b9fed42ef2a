#include "cli/CliHelp.h"

#include <cstring>

namespace {

// What every device command that talks to a printer takes besides its own options.
#define QUORLINK_PORT_OPTIONS                                                                                \
    "  --port PORT         a serial device path (/dev/ttyUSB0) or a USB printer's identity from\n"           \
    "                      `quorlink device list`\n"                                                         \
    "  --baud N            serial line rate: 2400 4800 9600 19200 38400 57600 115200 (115200)\n"             \
    "  --data-bits N       5 to 8 (8)\n"                                                                     \
    "  --parity P          none, odd or even (none)\n"                                                       \
    "  --stop-bits S       1, 1.5 or 2 (1)\n"                                                                \
    "  --flow F            hardware, xonxoff or none (hardware)\n"                                           \
    "  --force             go on although one of the maker's print queues on that kind of port is\n"         \
    "                      printing (holding it would print the job again from its start)\n"

#define QUORLINK_DEVICE_EXIT                                                                                 \
    "\nExit status: 0 done, 1 bad arguments or values (nothing is sent then), 2 port not found or\n"         \
    "not opened, 3 the printer did not answer or refused, 4 the printer reported a failure.\n"

#define QUORLINK_LOG_OPTION                                                                                  \
    "  --log FILE          write the diagnostic log of this run to FILE (passwords and keys masked)\n"

struct Topic {
    const char* name;
    const char* text;
};

// Every command and subcommand with its help text; a new command is a row here.
const Topic kTopics[] = {
    {"search", "Usage: quorlink search [--json | --jsonl | --csv] [--subnet CIDR]...\n"
               "\n"
               "Lists the printers that answer a search on every usable local IPv4 interface, wired\n"
               "printers first: IP address, MAC address, system name, type, DHCP, port, firmware and the\n"
               "name of the local interface that heard the printer.\n"
               "\n"
               "Options:\n"
               "  --json              one array of objects with every field (\"interface\" is the\n"
               "                      interface's key, \"interface_name\" its name)\n"
               "  --jsonl             each printer as one such object on a line of its own, the moment\n"
               "                      it is first heard\n"
               "  --csv               the same fields up to \"interface\", one printer a row under a\n"
               "                      header row (RFC 4180)\n"
               "  --subnet CIDR       also search the subnet behind a router (10.20.30.0/24) through\n"
               "                      its directed broadcast address; repeatable\n" QUORLINK_LOG_OPTION "\n"
               "Exit status: 0 done, 1 bad arguments, 2 no network connection.\n"},
    {"set-ip", "Usage: quorlink set-ip MAC (--dhcp | --ip A --subnet M --gateway G)\n"
               "                      [--port N] [--inactivity S] [--name TEXT] [--yes] [--subnet CIDR]...\n"
               "       quorlink set-ip --batch FILE.csv [--dry-run] [--json] [--yes] [--subnet CIDR]...\n"
               "\n"
               "Searches, finds the printer by its MAC address and sends it new IP settings. MAC is written\n"
               "00:1A:2B:3C:4D:5E, 00-1A-2B-3C-4D-5E or 001A2B3C4D5E, in any case. Every value is checked\n"
               "before anything is sent: 0.0.0.0 and 255.255.255.255, the subnet's network and broadcast\n"
               "address, a subnet mask whose ones do not come first, a port above 32767 or one of 21 23 25\n"
               "80 443 3318, an inactivity time above 3600 s and a name longer than 64 bytes are refused.\n"
               "\n"
               "Options:\n"
               "  --dhcp              the printer takes its address from a DHCP server\n"
               "  --ip A --subnet M --gateway G\n"
               "                      a fixed address, its subnet mask and gateway (0.0.0.0: none)\n"
               "  --port N            the printing port, 0 to 32767\n"
               "  --inactivity S      the inactivity time, 0 to 3600 seconds\n"
               "  --name TEXT         the system name of a wireless printer\n"
               "  --yes               agree to a gateway outside the printer's subnet without asking\n"
               "  --subnet CIDR       with a prefix length: also search that subnet behind a router and\n"
               "                      send the settings there (without one it is the subnet mask)\n"
               "  --batch FILE.csv    set every printer of a file: a header row naming the columns mac,\n"
               "                      mode (dhcp or manual), ip, subnet, gateway and optionally port,\n"
               "                      inactivity, name; every row is checked before anything is sent\n"
               "  --dry-run           with --batch: search and say what would be sent, sending nothing\n"
               "  --json              with --batch: report the rows as JSON\n"
               "  --update-queues     point the print queues that reach the printer's old address at the\n"
               "                      new one (without it they are only named)\n"
               "  --follow-mac        with --update-queues: point them at quorlink://MAC instead, which\n"
               "                      follows the printer to any address\n" QUORLINK_LOG_OPTION "\n"
               "Exit status: 0 done, 1 bad arguments or values, 2 no network connection, 3 printer not\n"
               "found, 4 settings unchanged, 5 settings could not be sent, 6 answered no, 7 sent but a\n"
               "print queue could not be changed; a batch: 0 every row sent or unchanged, 1 a row refused,\n"
               "3 a printer not found, 5 a message not sent.\n"},
    {"device", "Usage: quorlink device SUBCOMMAND [options]\n"
               "\n"
               "Reads and configures the network module of a printer on a USB or serial port.\n"
               "`quorlink help device SUBCOMMAND` describes each.\n"
               "\n"
               "Subcommands:\n"
               "  list                lists the attached USB printers and the serial ports\n"
               "  read                reads the printer's network module\n"
               "  write               sends a configuration file's record to the printers on the ports\n"
               "  set                 changes record fields through the WLAN (Advanced) page's rules\n"
               "  scan                lists the access points the module sees\n"
               "  cert                uploads a certificate to the module\n"
               "  factory-reset       resets the module to its factory settings\n"
               "\n"
               "While a device command uses the port, the maker's print queues on that kind of port are\n"
               "paused and then resumed. read, write, set and factory-reset take several --port options\n"
               "and work on the ports at once; the report keeps the order of the ports given.\n"},
    {"device list",
     "Usage: quorlink device list [--json]\n"
     "\n"
     "Lists the printers attached by USB with the name the connection dialog shows and their\n"
     "identity, and the serial ports with hardware behind them, each with whether you may open\n"
     "it (and if not, the group that would let you).\n"
     "\n"
     "Options:\n"
     "  --json              {\"usb\": [...], \"serial\": [...]}\n" QUORLINK_LOG_OPTION "\n"
     "Exit status: 0, also when there are none; 1 bad arguments.\n"},
    {"device read",
     "Usage: quorlink device read --port PORT [--port PORT]... [--json] [--show-secrets]\n"
     "                            [--save FILE.qlt]\n"
     "\n"
     "Reads the printer's network module: system information, capability flags, every field of\n"
     "the configuration record by name and the certificate names.\n"
     "\n"
     "Options:\n" QUORLINK_PORT_OPTIONS
     "  --json              the same as JSON (an array, one object a port, with several)\n"
     "  --show-secrets      show passwords, keys and communities (else ********)\n"
     "  --save FILE.qlt     also write the record as a configuration file (owner-only; one "
     "port)\n" QUORLINK_LOG_OPTION QUORLINK_DEVICE_EXIT},
    {"device write",
     "Usage: quorlink device write --port PORT [--port PORT]... [--same-address] FILE.qlt\n"
     "\n"
     "Reads the printer as File Open does and sends the file's record unchanged. A file of another\n"
     "variant than the printer's module is refused. With several --port options the same file goes\n"
     "to every port at once, and a line per port says how it went.\n"
     "\n"
     "Options:\n" QUORLINK_PORT_OPTIONS
     "  --same-address      send a file with a fixed IP address to more than one port\n" QUORLINK_LOG_OPTION
         QUORLINK_DEVICE_EXIT},
    {"device set",
     "Usage: quorlink device set --port PORT [--port PORT]... FIELD=VALUE...\n"
     "\n"
     "Reads the printer, takes each FIELD=VALUE as an edit on the WLAN (Advanced) page, runs the\n"
     "page's checks and sends the record. FIELD as `device read --json` names it, VALUE as it\n"
     "prints it (codes for choices: byNetworkMode=0 byAuthentication=3 ...). A field the page\n"
     "hides for the configuration cannot be set.\n"
     "\n"
     "Options:\n" QUORLINK_PORT_OPTIONS QUORLINK_LOG_OPTION QUORLINK_DEVICE_EXIT},
    {"device scan", "Usage: quorlink device scan --port PORT [--json]\n"
                    "\n"
                    "Lists the access points the printer's module sees.\n"
                    "\n"
                    "Options:\n" QUORLINK_PORT_OPTIONS
                    "  --json              the same as JSON\n" QUORLINK_LOG_OPTION QUORLINK_DEVICE_EXIT},
    {"device cert",
     "Usage: quorlink device cert --port PORT --type ca|key|pem FILE\n"
     "\n"
     "Uploads a certificate (under 10240 bytes) to the printer's module. A file that is neither\n"
     "PEM nor DER is refused unless --force is given.\n"
     "\n"
     "Options:\n" QUORLINK_PORT_OPTIONS
     "  --type T            ca (certificate authority), key (private key) or pem (client\n"
     "                      certificate)\n" QUORLINK_LOG_OPTION QUORLINK_DEVICE_EXIT},
    {"device factory-reset",
     "Usage: quorlink device factory-reset --port PORT [--port PORT]... [--yes]\n"
     "\n"
     "Resets the printer's module to its factory settings, then waits the module's 20 s.\n"
     "\n"
     "Options:\n" QUORLINK_PORT_OPTIONS
     "  --yes               do not ask first\n" QUORLINK_LOG_OPTION QUORLINK_DEVICE_EXIT},
    {"qlt", "Usage: quorlink qlt show FILE [--json] [--show-secrets]\n"
            "       quorlink qlt diff A B [--show-secrets]\n"
            "\n"
            "Shows and compares configuration files (.qlt) without a printer.\n"
            "`quorlink help qlt show` and `quorlink help qlt diff` describe each.\n"},
    {"qlt show",
     "Usage: quorlink qlt show FILE [--json] [--show-secrets]\n"
     "\n"
     "Shows a configuration file's variant, length and every field by name.\n"
     "\n"
     "Options:\n"
     "  --json              the same as JSON\n"
     "  --show-secrets      show passwords, keys and communities (else ********)\n" QUORLINK_LOG_OPTION "\n"
     "Exit status: 0 done, 1 bad arguments or a file that cannot be read or is refused.\n"},
    {"qlt diff",
     "Usage: quorlink qlt diff A B [--show-secrets]\n"
     "\n"
     "Names every field two configuration files differ in, with both values.\n"
     "\n"
     "Options:\n"
     "  --show-secrets      show passwords, keys and communities (else ********)\n" QUORLINK_LOG_OPTION "\n"
     "Exit status: 0 done, 1 bad arguments or a file that cannot be read or is refused.\n"},
    {"queue", "Usage: quorlink queue add MAC [--name NAME] [--ppd PPD | --raw]\n"
              "       quorlink queue list\n"
              "\n"
              "Makes and lists the print queues of the printers found.\n"
              "`quorlink help queue add` and `quorlink help queue list` describe each.\n"},
    {"queue add",
     "Usage: quorlink queue add MAC [--name NAME] [--ppd PPD | --raw]\n"
     "\n"
     "Adds a print queue for the printer with the URI quorlink://MAC, which finds the printer by its\n"
     "MAC address wherever DHCP or set-ip put it. The queue is enabled and accepts jobs.\n"
     "\n"
     "Options:\n"
     "  --name NAME         the queue's name (default: the maker's name and the MAC address)\n"
     "  --ppd PPD           use this PPD file\n"
     "  --raw               a raw queue (default: the maker's driver when one is "
     "installed)\n" QUORLINK_LOG_OPTION "\n"
     "Exit status: 0 done, 1 bad arguments, 2 the print server could not be reached or refused,\n"
     "3 the print server wants an administrator (join the lpadmin group).\n"},
    {"queue list",
     "Usage: quorlink queue list\n"
     "\n"
     "Lists the print queues that reach a printer of the maker (quorlink://, socket://, lpd:// or\n"
     "ipp:// URI) and the printer each reaches now, found or not.\n"
     "\n"
     "Options:\n" QUORLINK_LOG_OPTION "\n"
     "Exit status: 0 done, 1 bad arguments, 2 the print server could not be reached.\n"},
    {"help", "Usage: quorlink help [COMMAND [SUBCOMMAND]]\n"
             "       quorlink COMMAND [SUBCOMMAND] --help\n"
             "\n"
             "Shows the program's usage, or the help of a command or subcommand.\n"},
};

bool IsHelpOption(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

// Whether name has subcommands ("device", "qlt", "queue").
bool HasSubcommands(const std::string& name) {
    const std::string prefix = name + " ";
    for (const Topic& topic : kTopics)
        if (std::strncmp(topic.name, prefix.c_str(), prefix.size()) == 0)
            return true;
    return false;
}

} // namespace

namespace CliHelp {

std::optional<std::string> Requested(const std::vector<std::string>& args) {
    if (args.empty())
        return std::nullopt;
    if (args[0] == "help" || IsHelpOption(args[0])) {
        std::string topic;
        for (size_t i = 1; i < args.size(); ++i)
            if (!IsHelpOption(args[i]))
                topic += (topic.empty() ? "" : " ") + args[i];
        return topic;
    }
    bool asked = false;
    for (const std::string& arg : args)
        asked = asked || IsHelpOption(arg);
    if (!asked)
        return std::nullopt;
    // The subcommand is the first argument after the command when the command has any; an option
    // (--port ...) there means the command's own help.
    if (HasSubcommands(args[0]) && args.size() > 1 && !IsHelpOption(args[1]) && args[1].rfind("-", 0) != 0)
        return args[0] + " " + args[1];
    return args[0];
}

std::optional<std::string> Text(const std::string& topic) {
    for (const Topic& entry : kTopics)
        if (topic == entry.name)
            return std::string(entry.text);
    return std::nullopt;
}

std::vector<std::string> Topics() {
    std::vector<std::string> names;
    for (const Topic& entry : kTopics)
        names.emplace_back(entry.name);
    return names;
}

} // namespace CliHelp
