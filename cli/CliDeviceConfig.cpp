#include "app/StringTable.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CliConfigurationFile.h"
#include "cli/CliDeviceSet.h"
#include "cli/CliMessageBox.h"
#include "cli/DeviceConfigOutput.h"
#include "devcfg/CConfigurationFile.h"
#include "devcfg/DeviceConfigExchange.h"
#include "devport/CCupsSpoolerHold.h"
#include "devport/DevicePorts.h"
#include "devport/PortOpenFailure.h"

#include "devport/CPortCom.h"
#include "devport/CPortUsb.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <memory>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <thread>

namespace {

// Print queue names for a message: "A, B, C".
template <typename Names> std::string JoinQueues(const Names& names) {
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

// Queues the print server did not take back stay paused and in the journal: the user hears which, and that
// the next start resumes them.
void TellQueuesStillHeld(const std::string& command, const std::set<std::string>& held) {
    if (held.empty())
        return;
    std::fprintf(stderr,
                 "%s: print queue%s %s could not be resumed and stay%s paused; the next start of quorlink "
                 "tries again\n",
                 command.c_str(), held.size() > 1 ? "s" : "", JoinQueues(held).c_str(),
                 held.size() > 1 ? "" : "s");
}

// "%1 is neither a PEM nor a DER certificate."
constexpr int kTextNotPemOrDer = 477;

// The options every device command takes: the port and, for a serial line, its settings.
struct PortOptions {
    std::string port;
    std::vector<std::string> ports; // every --port given, in order
    DEVICE_OPTION dop;
    bool serial = false;
    bool force = false; // go on although a print queue of the port is printing
};

// Takes the port options at args[i] (advancing i past a value); false when args[i] is none of them.
// error is set when it is one of them with a bad value.
bool TakePortOption(const std::vector<std::string>& args, std::size_t& i, PortOptions& options,
                    std::string& error) {
    const std::string& arg = args[i];
    if (arg == "--force") {
        options.force = true;
        return true;
    }
    static const char* const names[] = {"--port",   "--baud",      "--data-bits",
                                        "--parity", "--stop-bits", "--flow"};
    bool known = false;
    for (const char* name : names)
        known = known || arg == name;
    if (!known)
        return false;
    if (i + 1 >= args.size()) {
        error = arg + " needs a value";
        return true;
    }
    const std::string value = args[++i];
    const auto number = CliArguments::ParseNumber(value);
    if (arg == "--port") {
        options.port = value;
        options.ports.push_back(value);
    } else if (arg == "--baud") {
        static const unsigned rates[] = {2400, 4800, 9600, 19200, 38400, 57600, 115200};
        if (!number || std::find(std::begin(rates), std::end(rates), *number) == std::end(rates))
            error = "--baud takes 2400, 4800, 9600, 19200, 38400, 57600 or 115200";
        else
            options.dop.dwBaudRate = *number;
    } else if (arg == "--data-bits") {
        if (!number || *number < 5 || *number > 8)
            error = "--data-bits takes 5 to 8";
        else
            options.dop.dwDataBits = *number;
    } else if (arg == "--parity") {
        if (value == "none" || value == "odd" || value == "even")
            options.dop.dwParity = value == "none" ? 0 : value == "odd" ? 1 : 2;
        else
            error = "--parity takes none, odd or even";
    } else if (arg == "--stop-bits") {
        if (value == "1" || value == "1.5" || value == "2")
            options.dop.dwStopBits = value == "1" ? 0 : value == "1.5" ? 1 : 2;
        else
            error = "--stop-bits takes 1, 1.5 or 2";
    } else if (arg == "--flow") {
        if (value == "hardware" || value == "xonxoff" || value == "none")
            options.dop.dwFlowControl = value == "hardware" ? 0 : value == "xonxoff" ? 1 : 2;
        else
            error = "--flow takes hardware, xonxoff or none";
    }
    return true;
}

PortOptions DefaultPortOptions() {
    PortOptions options;
    options.dop.dwBaudRate = 115200;
    options.dop.dwDataBits = 8;
    options.dop.dwParity = 0;
    options.dop.dwStopBits = 0;
    options.dop.dwFlowControl = 0;
    return options;
}

// The waiting dialog of the factory reset: the command waits the module's time out on the terminal.
class CliWaiting : public IExchangeWaiting {
public:
    explicit CliWaiting(std::FILE* err) : m_err(err) {}
    void WaitFor(int nCountdownMs) override {
        std::fprintf(m_err, "Waiting %d s for the module to reset...\n", nCountdownMs / 1000);
        std::this_thread::sleep_for(std::chrono::milliseconds(nCountdownMs));
    }

private:
    std::FILE* m_err;
};

// What one port's part of a command works with: where it reports, and its port objects and spooler.
// One port: the terminal, the process's port objects and the print spooler as always. Several ports at
// once: each its own buffers and port objects, and the queues held once for the whole run (RunOnPorts).
struct PortRun {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
    DevicePorts ports = DevicePorts::Process();
    ISpoolerHold* runHold = nullptr; // the run's hold; nullptr: each exchange holds the queues itself
    nlohmann::json json;             // what the part gives for a JSON report
};

// The queues of the port kinds of a run are held by the run itself: the exchanges of its ports, which
// would each hold and give them back while the others still use their ports, only learn which queues
// could not be held.
class RunSpoolerHold : public ISpoolerHold {
public:
    explicit RunSpoolerHold(ISpoolerHold& spooler) : m_spooler(spooler) {}
    bool ChangeWinDrvPortName(int) override { return true; }
    bool RestoreWinDrvPortName() override { return false; }
    std::vector<std::string> TakeQueuesRefusedToTell() override {
        std::lock_guard lock(m_mutex);
        return m_spooler.TakeQueuesRefusedToTell();
    }

private:
    ISpoolerHold& m_spooler;
    std::mutex m_mutex;
};

// One device command's rig: the port chosen by --port, the state and the exchanges over it.
class DeviceSession {
public:
    explicit DeviceSession(const std::string& command, const PortRun& run = PortRun{})
        : m_command(command), m_run(run), m_messages(command, run.err), m_files(m_messages),
          m_waiting(run.err) {}
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;
    // Queues the print server did not take back (it stopped answering in the middle, say) stay paused and
    // in the journal: the user hears which, and that the next start resumes them.
    ~DeviceSession() {
        if (m_run.runHold)
            return; // the run gives the queues back and tells
        TellQueuesStillHeld(m_command, m_spooler.HeldNow());
    }

    // Picks and sets up the port. A path (it has a '/') is a serial line and must exist; anything else is
    // a USB identity as `quorlink device list` shows it. Then the port is opened once and closed again, as
    // the connection dialog does. The exit status to stop with, or -1 to go on.
    int Connect(PortOptions options) {
        if (options.port.empty()) {
            Fail("--port is wanted (a serial device path or a USB identity from `quorlink device list`)");
            return DeviceExit::Usage;
        }
        const DevicePorts ports = m_run.ports;
        struct stat info {};
        // A bare tty name ("ttyUSB0") is taken as the device under /dev.
        if (options.port.find('/') == std::string::npos && options.port.rfind("tty", 0) == 0 &&
            ::stat(("/dev/" + options.port).c_str(), &info) == 0 && S_ISCHR(info.st_mode))
            options.port = "/dev/" + options.port;
        options.serial = options.port.find('/') != std::string::npos;
        options.dop.strPort = options.port;
        options.dop.dwInterfaceType = options.serial ? VRX_DEVICE_INTERFACE_SERIAL : VRX_DEVICE_INTERFACE_USB;
        if (options.serial && ::stat(options.port.c_str(), &info) != 0) {
            const int error = errno;
            Fail(
                PortOpenAdvice(PortOpenFailure::FromErrno(VRX_DEVICE_INTERFACE_SERIAL, options.port, error)));
            return DeviceExit::NoPort;
        }
        // Holding the spooler's queues sends a job that is printing back to its queue, to print again from
        // its start: refuse that unless asked to go on.
        const std::vector<std::string> printing =
            m_run.runHold ? std::vector<std::string>{} // the run looked before it held them
                          : m_spooler.QueuesPrintingNow(static_cast<int>(options.dop.dwInterfaceType));
        if (!printing.empty() && !options.force) {
            Fail("print queue " + JoinQueues(printing) +
                 " is printing on this kind of port; holding it now would print that job again from its "
                 "start. Wait for the job to end, or give --force");
            return DeviceExit::Usage;
        }
        m_port = ports.ForInterface(options.dop.dwInterfaceType);
        m_state.m_dwConnectionType = options.dop.dwInterfaceType;
        if (!m_port || !m_port->SetDeviceOption(options.dop) || !m_port->OpenPort()) {
            // What the window says after the connection dialog: why, and what to do about it.
            PortOpenFailure failure = m_port ? m_port->LastOpenFailure() : PortOpenFailure{};
            if (!failure.Failed()) {
                failure.reason = PortOpenReason::Other;
                failure.dwInterfaceType = options.dop.dwInterfaceType;
                failure.path = options.port;
            }
            Fail(PortOpenAdvice(failure));
            return DeviceExit::NoPort;
        }
        m_port->ClosePort();
        DeviceExchangeServices services;
        services.ports = ports;
        services.spooler = m_run.runHold ? m_run.runHold : static_cast<ISpoolerHold*>(&m_spooler);
        services.messages = &m_messages;
        services.waiting = &m_waiting;
        services.fileReader = &m_files;
        services.grid = m_grid;
        services.validator = m_validator;
        m_exchange = std::make_unique<DeviceConfigExchange>(m_state, services);
        return -1;
    }

    // A configuration read from the printer (or, with a file path set, the record from the file).
    int Read() {
        std::uint32_t received = 0;
        if (!m_exchange->GetCurrentConfiguration(&received)) {
            // Five bytes are an accepted start as much as a refused one: only a start in the alternate
            // mode that was not accepted is a refusal.
            const bool refused =
                received == 5 && m_state.m_byModeLetter == DeviceFrame::kModeRefused && !m_state.m_bRefusal;
            Fail(LoadString(161) + (refused ? " (the module refused the exchange)" : ""));
            return DeviceExit::NoAnswer;
        }
        return -1;
    }

    void Fail(const std::string& text) { m_messages.ShowError(text); }

    // Before Connect: the grids a read builds and a save sends from, and the checks of a save.
    void UseGrids(IConfigurationGrid* grid, IConfigurationValidator* validator) {
        m_grid = grid;
        m_validator = validator;
    }

    DeviceConfigState& State() { return m_state; }
    DeviceConfigExchange& Exchange() { return *m_exchange; }
    CliMessageBox& Messages() { return m_messages; }
    CConfigurationFile& Files() { return m_files; }

private:
    std::string m_command;
    PortRun m_run;
    CliMessageBox m_messages;
    CConfigurationFile m_files;
    CCupsSpoolerHold& m_spooler = CCupsSpoolerHold::Process();
    CliWaiting m_waiting;
    DeviceConfigState m_state;
    CPortMng* m_port = nullptr;
    IConfigurationGrid* m_grid = nullptr;
    IConfigurationValidator* m_validator = nullptr;
    std::unique_ptr<DeviceConfigExchange> m_exchange;
};

// Options of one command: the port options and the flags and values it names; the rest are operands.
struct Parsed {
    PortOptions port = DefaultPortOptions();
    std::vector<std::string> operands;
    bool json = false, showSecrets = false, yes = false, sameAddress = false;
    std::string save, type;
};

bool Parse(const std::vector<std::string>& args, const std::string& command,
           std::initializer_list<const char*> allowed, Parsed& parsed) {
    auto isAllowed = [&](const std::string& option) {
        for (const char* a : allowed)
            if (option == a)
                return true;
        return false;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string error;
        if (TakePortOption(args, i, parsed.port, error)) {
            if (!error.empty()) {
                std::fprintf(stderr, "%s: %s\n", command.c_str(), error.c_str());
                return false;
            }
            continue;
        }
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            parsed.operands.push_back(arg);
            continue;
        }
        if (!isAllowed(arg)) {
            std::fprintf(stderr, "%s: unknown option '%s'\n", command.c_str(), arg.c_str());
            return false;
        }
        if (arg == "--json")
            parsed.json = true;
        else if (arg == "--show-secrets")
            parsed.showSecrets = true;
        else if (arg == "--yes")
            parsed.yes = true;
        else if (arg == "--same-address")
            parsed.sameAddress = true;
        else if ((arg == "--save" || arg == "--type") && i + 1 < args.size())
            (arg == "--save" ? parsed.save : parsed.type) = args[++i];
        else {
            std::fprintf(stderr, "%s: %s needs a value\n", command.c_str(), arg.c_str());
            return false;
        }
    }
    const bool several = command == "quorlink device write" || command == "quorlink device read" ||
                         command == "quorlink device set" || command == "quorlink device factory-reset";
    if (parsed.port.ports.size() > 1 && !several) {
        std::fprintf(stderr, "%s: one --port at a time\n", command.c_str());
        return false;
    }
    for (size_t i = 0; i < parsed.port.ports.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            if (parsed.port.ports[i] == parsed.port.ports[j]) {
                std::fprintf(stderr, "%s: the port %s is given twice\n", command.c_str(),
                             parsed.port.ports[i].c_str());
                return false;
            }
    return true;
}

// The kind of port a --port names, as DeviceSession::Connect takes it: a path or a bare tty name is a
// serial line, anything else a USB identity.
std::uint32_t PortKind(const std::string& port) {
    return port.find('/') != std::string::npos || port.rfind("tty", 0) == 0 ? VRX_DEVICE_INTERFACE_SERIAL
                                                                            : VRX_DEVICE_INTERFACE_USB;
}

// The first failure of a run's ports in the order given; 0 when every port did its part.
int FirstFailure(const std::vector<int>& statuses) {
    for (const int status : statuses)
        if (status != DeviceExit::Ok)
            return status;
    return DeviceExit::Ok;
}

using PortPart = std::function<int(const PortOptions& port, PortRun& run)>;

// Runs part for every --port given. One port runs on this thread as always. Several run at once, each on
// a thread of its own with port objects of its own; the maker's print queues of every port kind involved
// are held once for the whole run (a queue printing refuses the run unless --force) and given back when
// every port is done. What each port printed comes out afterwards, in the order the ports were given. The
// statuses in that order; reports (when given) gets each port's PortRun::json.
std::vector<int> RunOnPorts(const std::string& command, const PortOptions& options, const PortPart& part,
                            std::vector<nlohmann::json>* reports = nullptr) {
    std::vector<std::string> ports = options.ports;
    if (ports.empty())
        ports.emplace_back(); // Connect names what is missing
    if (ports.size() == 1) {
        PortOptions one = options;
        one.port = ports[0];
        PortRun run;
        const int status = part(one, run);
        if (reports)
            reports->push_back(run.json);
        return {status};
    }

    std::set<std::uint32_t> kinds;
    for (const std::string& port : ports)
        kinds.insert(PortKind(port));
    const int target = kinds.size() > 1 ? 2 /* both */ : static_cast<int>(*kinds.begin());
    CCupsSpoolerHold& spooler = CCupsSpoolerHold::Process();
    if (!options.force) {
        const std::vector<std::string> printing = spooler.QueuesPrintingNow(target);
        if (!printing.empty()) {
            std::fprintf(
                stderr,
                "%s: print queue %s is printing on these ports' kind; holding it now would print that "
                "job again from its start. Wait for the job to end, or give --force\n",
                command.c_str(), JoinQueues(printing).c_str());
            return std::vector<int>(ports.size(), DeviceExit::Usage);
        }
    }
    spooler.ChangeWinDrvPortName(target);
    RunSpoolerHold hold(spooler);

    struct Slot {
        std::unique_ptr<CPortCom> serial;
        std::unique_ptr<CPortUsb> usb;
        char* outText = nullptr;
        char* errText = nullptr;
        std::size_t outSize = 0, errSize = 0;
        PortRun run;
        int status = DeviceExit::NoPort;
    };
    std::vector<std::unique_ptr<Slot>> slots;
    std::vector<std::thread> threads;
    for (const std::string& port : ports) {
        auto slot = std::make_unique<Slot>();
        // Port objects of its own: each thread opens, reads and writes its own line.
        if (PortKind(port) == VRX_DEVICE_INTERFACE_SERIAL)
            slot->serial = std::make_unique<CPortCom>();
        else
            slot->usb = std::make_unique<CPortUsb>();
        slot->run.ports = DevicePorts{slot->usb.get(), slot->serial.get()};
        slot->run.runHold = &hold;
        slot->run.out = ::open_memstream(&slot->outText, &slot->outSize);
        slot->run.err = ::open_memstream(&slot->errText, &slot->errSize);
        if (!slot->run.out || !slot->run.err) {
            std::fprintf(stderr, "%s: %s\n", command.c_str(), std::strerror(errno));
            std::abort();
        }
        PortOptions one = options;
        one.port = port;
        Slot* s = slot.get();
        slots.push_back(std::move(slot));
        threads.emplace_back([s, one, &part] { s->status = part(one, s->run); });
    }
    for (std::thread& thread : threads)
        thread.join();
    spooler.RestoreWinDrvPortName();

    std::vector<int> statuses;
    for (size_t i = 0; i < slots.size(); ++i) {
        Slot& slot = *slots[i];
        std::fclose(slot.run.out);
        std::fclose(slot.run.err);
        const std::string out(slot.outText, slot.outSize), err(slot.errText, slot.errSize);
        std::free(slot.outText);
        std::free(slot.errText);
        std::fputs(err.c_str(), stderr);
        std::fputs(out.c_str(), stdout);
        statuses.push_back(slot.status);
        if (reports) {
            nlohmann::json report = slot.run.json;
            if (report.is_null()) {
                // A port that failed: its status and its message without the command's name.
                std::string error = err.substr(0, err.find('\n'));
                if (error.rfind(command + ": ", 0) == 0)
                    error.erase(0, command.size() + 2);
                report = {{"port", ports[i]}, {"status", slot.status}, {"error", error}};
            }
            reports->push_back(std::move(report));
        }
    }
    TellQueuesStillHeld(command, spooler.HeldNow());
    std::fflush(stdout);
    return statuses;
}

nlohmann::json CapabilitiesJson(const DeviceConfigState& s) {
    return {{"wifi_direct", s.m_bWifiDirect},
            {"rf_mode_selection", s.m_bRfModeSelection},
            {"soft_ap", s.m_bSoftAP},
            {"certificate_upload", s.m_bCertificateUpload},
            {"certificate_names", s.m_bCertificateName},
            {"snmp", s.m_bSNMP},
            {"factory_reset", s.m_bFactoryReset}};
}

const char* const kTypeKeys[3] = {"ca", "key", "pem"};

void PrintJson(const nlohmann::json& value) {
    std::printf("%s\n", value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
}

// One port of `device read`: its report on run.out, and as run.json.
int ReadPort(const std::string& command, const Parsed& p, const PortOptions& port, PortRun& run) {
    DeviceSession session(command, run);
    if (const int status = session.Connect(port); status >= 0)
        return status;
    if (const int status = session.Read(); status >= 0)
        return status;
    const DeviceConfigState& s = session.State();
    const DeviceRecords::ConfigVariant variant = s.Variant();
    if (!p.save.empty()) {
        // Save as a file, as the settings page does it: the record as read, in the variant read.
        session.Messages().SetSubject(p.save);
        const bool saved = session.Files().SaveAsFile(session.Exchange(), p.save);
        session.Messages().SetSubject({});
        if (!saved)
            return DeviceExit::Usage;
    }
    if (p.json) {
        nlohmann::json names = nlohmann::json::object();
        for (int type = 0; type < 3; ++type)
            names[kTypeKeys[type]] = DeviceRecords::FieldText(s.m_CertificateName[type].byCertName);
        run.json = {{"port", port.port},
                    {"system", DeviceConfigOutput::SystemJson(s.m_SystemInformation)},
                    {"variant", DeviceRecords::VariantName(variant)},
                    {"capabilities", CapabilitiesJson(s)},
                    {"refused_start", s.m_bRefusal},
                    {"record", DeviceConfigOutput::RecordJson(s.m_ConfigurationInfo, variant, p.showSecrets)},
                    {"certificate_names", names}};
        return DeviceExit::Ok;
    }
    std::FILE* out = run.out;
    const nlohmann::json system = DeviceConfigOutput::SystemJson(s.m_SystemInformation);
    std::fprintf(out, "Port:             %s\n", port.port.c_str());
    std::fprintf(out, "Firmware:         %s (%s)\n", system["firmware_version"].get<std::string>().c_str(),
                 system["firmware_date"].get<std::string>().c_str());
    std::fprintf(out, "MAC address:      %s\n", system["mac"].get<std::string>().c_str());
    std::fprintf(out, "Variant:          %s\n", DeviceRecords::VariantName(variant));
    std::fprintf(out, "Capabilities:    ");
    const nlohmann::json capabilities = CapabilitiesJson(s);
    for (const auto& [name, on] : capabilities.items())
        std::fprintf(out, " %s=%s", name.c_str(), on.get<bool>() ? "yes" : "no");
    std::fprintf(out, "\nConfiguration:\n");
    DeviceConfigOutput::PrintRecord(s.m_ConfigurationInfo, variant, p.showSecrets, out);
    if (s.m_bCertificateName) {
        std::fprintf(out, "Certificate names:\n");
        for (int type = 0; type < 3; ++type)
            std::fprintf(out, "  %-20s %s\n", kTypeKeys[type],
                         DeviceRecords::FieldText(s.m_CertificateName[type].byCertName).c_str());
    }
    if (!p.save.empty())
        std::fprintf(out, "Saved to %s\n", p.save.c_str());
    return DeviceExit::Ok;
}

int ReadCommand(const std::vector<std::string>& args) {
    const std::string command = "quorlink device read";
    Parsed p;
    if (!Parse(args, command, {"--json", "--show-secrets", "--save"}, p))
        return DeviceExit::Usage;
    if (!p.operands.empty()) {
        std::fprintf(stderr, "%s: unexpected '%s'\n", command.c_str(), p.operands[0].c_str());
        return DeviceExit::Usage;
    }
    if (!p.save.empty() && p.port.ports.size() > 1) {
        std::fprintf(stderr, "%s: --save takes one --port (every printer would write the same file)\n",
                     command.c_str());
        return DeviceExit::Usage;
    }
    std::vector<nlohmann::json> reports;
    const std::vector<int> statuses = RunOnPorts(
        command, p.port,
        [&](const PortOptions& port, PortRun& run) { return ReadPort(command, p, port, run); }, &reports);
    if (p.json && statuses.size() > 1)
        PrintJson(reports); // one object per port, in the order given; a failed port names its error
    else if (p.json && !reports.empty() && !reports[0].is_null())
        PrintJson(reports[0]);
    return FirstFailure(statuses);
}

// The exit status after a failed save, from the error code that ends its message: "... (N)".
int SaveFailureStatus(const std::string& error) {
    const int code = error.size() > 3 ? error[error.size() - 2] - '0' : 0;
    if (code == DeviceConfigExchange::kSaveErrorNoPort || code == DeviceConfigExchange::kSaveErrorOpenPort)
        return DeviceExit::NoPort;
    return code == DeviceConfigExchange::kSaveErrorStart ? DeviceExit::NoAnswer : DeviceExit::PrinterFailed;
}

// The page's checks of a save over the record as read (from a file): true when every field passes; else the
// refusal, naming the field. They run on a copy, so the record still goes out as it is.
bool PassesFieldChecks(const DeviceConfigState& state, const std::string& command, std::string& refusal) {
    DeviceConfigState copy = state;
    CliMessageBox checks(command, true);
    WLanAdvGroupEditor editor(copy, checks);
    editor.Rebuild();
    if (editor.Validator().DataValidation4Group1() && editor.Validator().DataValidation4Group2())
        return true;
    const CConfigurationValidator::Refusal& found = editor.Validator().LastRefusal();
    refusal =
        found.field.empty() ? CliMessageBox::OneLine(checks.LastError()) : CliDeviceSet::RefusalText(found);
    return false;
}

// Writes the checked file to one port; the exit status, and the port's line of the report in outcome.
int WriteToPort(const std::string& command, PortOptions port, const std::string& path,
                const CliConfigurationFile& file, std::string& outcome, PortRun& run) {
    DeviceSession session(command, run);
    const auto fail = [&](int status) {
        outcome = "not written: " + CliMessageBox::OneLine(session.Messages().LastError());
        return status;
    };
    if (const int status = session.Connect(port); status >= 0)
        return fail(status);
    // The printer's own variant first, then the record from the file as File Open reads it.
    if (const int status = session.Read(); status >= 0)
        return fail(status);
    const DeviceRecords::ConfigVariant printer = session.State().Variant();
    if (printer != file.variant) {
        session.Fail(path + " holds a " + DeviceRecords::VariantName(file.variant) +
                     " configuration; the printer's module takes " + DeviceRecords::VariantName(printer));
        outcome = std::string("refused: the printer's module takes ") + DeviceRecords::VariantName(printer) +
                  ", the file holds " + DeviceRecords::VariantName(file.variant);
        return DeviceExit::Usage;
    }
    session.State().m_strFilePath = path;
    const int status = session.Read();
    session.State().m_strFilePath.clear();
    if (status >= 0)
        return fail(status);
    // As the page's Save after File Open: a field its checks refuse stops the write before it is sent.
    if (std::string refusal; !PassesFieldChecks(session.State(), command, refusal)) {
        session.Fail(path + ": " + refusal);
        return fail(DeviceExit::Usage);
    }
    session.Messages().AnswerQuestions(true); // "Are you sure to save the new configuration?"
    if (session.Exchange().SaveNewConfiguration(false)) {
        outcome = "written";
        return DeviceExit::Ok;
    }
    fail(0);
    return SaveFailureStatus(session.Messages().LastError());
}

int SetPort(const std::string& command, const std::vector<std::pair<std::string, std::string>>& changes,
            const PortOptions& port, PortRun& run, bool several);

int SetCommand(const std::vector<std::string>& args) {
    const std::string command = "quorlink device set";
    Parsed p;
    if (!Parse(args, command, {}, p))
        return DeviceExit::Usage;
    std::vector<std::pair<std::string, std::string>> changes;
    for (const std::string& operand : p.operands) {
        const std::size_t equals = operand.find('=');
        const std::string name = operand.substr(0, equals);
        if (equals == std::string::npos || !CliDeviceSet::IsSettable(name)) {
            std::string fields;
            for (const std::string& field : CliDeviceSet::SettableFields())
                fields += (fields.empty() ? "" : " ") + field;
            std::fprintf(stderr, "%s: %s '%s'; FIELD=VALUE with one of: %s\n", command.c_str(),
                         equals == std::string::npos ? "not a change" : "unknown field", operand.c_str(),
                         fields.c_str());
            return DeviceExit::Usage;
        }
        changes.emplace_back(name, operand.substr(equals + 1));
    }
    if (changes.empty()) {
        std::fprintf(stderr, "%s: FIELD=VALUE changes are wanted\n", command.c_str());
        return DeviceExit::Usage;
    }
    const bool several = p.port.ports.size() > 1;
    return FirstFailure(RunOnPorts(command, p.port, [&](const PortOptions& port, PortRun& run) {
        return SetPort(command, changes, port, run, several);
    }));
}

// One port of `device set`: read, the changes as the page's edits, the page's checks, then the save.
int SetPort(const std::string& command, const std::vector<std::pair<std::string, std::string>>& changes,
            const PortOptions& port, PortRun& run, bool several) {
    DeviceSession session(command, run);
    // The page's field checks say why they refuse through the command, which names the field.
    CliMessageBox checks(command, true);
    WLanAdvGroupEditor editor(session.State(), checks);
    session.UseGrids(&editor, &editor.Validator());
    if (const int status = session.Connect(port); status >= 0)
        return status;
    // The read builds the page's groups; the changes are then the user's edits of their items, in an
    // order that does not depend on the order given, and the checks of a save run.
    if (const int status = session.Read(); status >= 0)
        return status;
    std::string error;
    if (!CliDeviceSet::ApplyAll(editor, changes, error)) {
        session.Fail(error.empty() ? CliMessageBox::OneLine(checks.LastError()) : error);
        return DeviceExit::Usage;
    }
    session.Messages().AnswerQuestions(true); // "Are you sure to save the new configuration?"
    if (!session.Exchange().SaveNewConfiguration(false))
        return SaveFailureStatus(session.Messages().LastError());
    if (several)
        std::fprintf(run.out, "%s: %s\n", port.port.c_str(), LoadString(162).c_str());
    else
        std::fprintf(run.out, "%s\n", LoadString(162).c_str());
    return DeviceExit::Ok;
}

int WriteCommand(const std::vector<std::string>& args) {
    const std::string command = "quorlink device write";
    Parsed p;
    if (!Parse(args, command, {"--same-address"}, p))
        return DeviceExit::Usage;
    if (p.operands.size() != 1) {
        std::fprintf(stderr, "%s: one configuration file is wanted\n", command.c_str());
        return DeviceExit::Usage;
    }
    const std::string& path = p.operands[0];
    const size_t ports = std::max<size_t>(p.port.ports.size(), 1);
    // The file is checked before anything goes on the line.
    CliMessageBox messages(command);
    const CliConfigurationFile file = CliConfigurationFile::Load(path, messages);
    if (!file.ok)
        return DeviceExit::Usage;
    if (ports > 1 && file.record.byIPConfigMode != VRX_IP_CONFIG_DHCP && !p.sameAddress) {
        std::fprintf(
            stderr,
            "%s: %s gives the fixed IP address %u.%u.%u.%u; written to %zu printers, every one would "
            "have it. Write it to one port, or give --same-address\n",
            command.c_str(), path.c_str(), file.record.byIP[0], file.record.byIP[1], file.record.byIP[2],
            file.record.byIP[3], ports);
        return DeviceExit::Usage;
    }
    // A line per port that was written; with several ports also one per port that was not.
    return FirstFailure(RunOnPorts(command, p.port, [&](const PortOptions& port, PortRun& run) {
        std::string outcome;
        const int status = WriteToPort(command, port, path, file, outcome, run);
        if (status == DeviceExit::Ok || ports > 1)
            std::fprintf(run.out, "%s: %s\n", port.port.c_str(), outcome.c_str());
        return status;
    }));
}

int ScanCommand(const std::vector<std::string>& args) {
    const std::string command = "quorlink device scan";
    Parsed p;
    if (!Parse(args, command, {"--json"}, p))
        return DeviceExit::Usage;
    if (!p.operands.empty()) {
        std::fprintf(stderr, "%s: unexpected '%s'\n", command.c_str(), p.operands[0].c_str());
        return DeviceExit::Usage;
    }
    DeviceSession session(command);
    if (const int status = session.Connect(p.port); status >= 0)
        return status;
    bool scanned = session.Exchange().GetBSSInfoList();
    // As the SSID item's button does: one more scan when at most one access point came back.
    if (scanned && session.State().m_nNumBSSInfo <= 1) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        scanned = session.Exchange().GetBSSInfoList();
    }
    if (!scanned) {
        session.Fail(LoadString(273));
        return DeviceExit::NoAnswer;
    }
    const DeviceConfigState& s = session.State();
    if (p.json) {
        nlohmann::json list = nlohmann::json::array();
        for (int i = 0; i < s.m_nNumBSSInfo; ++i)
            list.push_back(DeviceConfigOutput::BssJson(s.m_BSSInfo[i]));
        PrintJson(list);
        return DeviceExit::Ok;
    }
    std::printf("%-32s  %-17s  %-14s  %5s  %s\n", "SSID", "BSSID", "Mode", "RSSI", "Security");
    for (int i = 0; i < s.m_nNumBSSInfo; ++i) {
        const BSS_INFO& e = s.m_BSSInfo[i];
        std::printf("%-32s  %-17s  %-14s  %5d  %s\n", DeviceRecords::FieldText(e.bySSID).c_str(),
                    DeviceConfigOutput::MacText(e.byBSSID).c_str(),
                    DeviceConfigOutput::BssNetworkMode(e.byNetworkMode).c_str(), DeviceRecords::Rssi(e),
                    DeviceConfigOutput::BssSecurity(e.bySecurity).c_str());
    }
    return DeviceExit::Ok;
}

int CertCommand(const std::vector<std::string>& args) {
    const std::string command = "quorlink device cert";
    Parsed p;
    if (!Parse(args, command, {"--type"}, p))
        return DeviceExit::Usage;
    const int type = p.type == "ca" ? 0 : p.type == "key" ? 1 : p.type == "pem" ? 2 : -1;
    if (type < 0 || p.operands.size() != 1) {
        std::fprintf(stderr, "%s: --type ca|key|pem and one certificate file are wanted\n", command.c_str());
        return DeviceExit::Usage;
    }
    const std::string& path = p.operands[0];
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size >= static_cast<off_t>(DeviceConfigState::kCertificateBufferSize) || info.st_size == 0) {
        std::fprintf(stderr, "%s: %s: %s\n", command.c_str(), path.c_str(),
                     ::stat(path.c_str(), &info) != 0 ? std::strerror(errno) : LoadString(243).c_str());
        return DeviceExit::Usage;
    }
    // A file that is neither PEM nor DER (a text file given by mistake) goes only when asked for.
    if (!p.port.force) {
        std::ifstream in(path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!DeviceCertificateExchange::IsPemOrDer(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                                   bytes.size())) {
            std::fprintf(stderr, "%s: %s Give --force to upload it anyway.\n", command.c_str(),
                         StringTable::Fill(LoadString(kTextNotPemOrDer), {path}).c_str());
            return DeviceExit::Usage;
        }
    }
    DeviceSession session(command);
    if (const int status = session.Connect(p.port); status >= 0)
        return status;
    // The read tells whether the module takes certificates and keeps their names.
    if (const int status = session.Read(); status >= 0)
        return status;
    if (!session.State().m_bCertificateUpload) {
        session.Fail("the printer's module takes no certificates over this connection");
        return DeviceExit::NoAnswer;
    }
    session.State().m_nCertificateType = type;
    if (!session.Exchange().UploadCertificateDocument(path))
        return DeviceExit::PrinterFailed;
    std::printf("%s\n", session.Messages().LastInformation().c_str());
    return DeviceExit::Ok;
}

// The factory reset's question on the terminal; true when answered yes.
bool Confirmed(const std::string& command) {
    std::fprintf(stderr, "%s [y/N] ", LoadString(274).c_str());
    std::string answer;
    const bool answered = static_cast<bool>(std::getline(std::cin, answer));
    if (!answered)
        std::fprintf(stderr, "\n"); // the prompt's line ends here when nothing was typed
    if (!answered || (answer != "y" && answer != "Y" && answer != "yes")) {
        std::fprintf(stderr, "%s: not confirmed; nothing was sent\n", command.c_str());
        return false;
    }
    return true;
}

int FactoryResetCommand(const std::vector<std::string>& args) {
    const std::string command = "quorlink device factory-reset";
    Parsed p;
    if (!Parse(args, command, {"--yes"}, p))
        return DeviceExit::Usage;
    if (!p.operands.empty()) {
        std::fprintf(stderr, "%s: unexpected '%s'\n", command.c_str(), p.operands[0].c_str());
        return DeviceExit::Usage;
    }
    const bool several = p.port.ports.size() > 1;
    // Several ports: asked once, before any of them.
    if (several && !p.yes && !Confirmed(command))
        return DeviceExit::Usage;
    return FirstFailure(RunOnPorts(command, p.port, [&](const PortOptions& port, PortRun& run) {
        DeviceSession session(command, run);
        if (const int status = session.Connect(port); status >= 0)
            return status;
        if (!several && !p.yes && !Confirmed(command))
            return static_cast<int>(DeviceExit::Usage);
        if (!session.Exchange().FactoryReset())
            return static_cast<int>(DeviceExit::NoAnswer);
        if (several)
            std::fprintf(run.out, "%s: %s\n", port.port.c_str(),
                         session.Messages().LastInformation().c_str());
        else
            std::fprintf(run.out, "%s\n", session.Messages().LastInformation().c_str());
        return static_cast<int>(DeviceExit::Ok);
    }));
}

} // namespace

int RunDeviceRead(const std::vector<std::string>& args, const DeviceCommandContext&) {
    return ReadCommand(args);
}
int RunDeviceWrite(const std::vector<std::string>& args, const DeviceCommandContext&) {
    return WriteCommand(args);
}
int RunDeviceSet(const std::vector<std::string>& args, const DeviceCommandContext&) {
    return SetCommand(args);
}
int RunDeviceScan(const std::vector<std::string>& args, const DeviceCommandContext&) {
    return ScanCommand(args);
}
int RunDeviceCert(const std::vector<std::string>& args, const DeviceCommandContext&) {
    return CertCommand(args);
}
int RunDeviceFactoryReset(const std::vector<std::string>& args, const DeviceCommandContext&) {
    return FactoryResetCommand(args);
}
