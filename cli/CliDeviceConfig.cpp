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

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sys/stat.h>
#include <thread>

namespace {

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
    void WaitFor(int nCountdownMs) override {
        std::fprintf(stderr, "Waiting %d s for the module to reset...\n", nCountdownMs / 1000);
        std::this_thread::sleep_for(std::chrono::milliseconds(nCountdownMs));
    }
};

// One device command's rig: the port chosen by --port, the state and the exchanges over it.
class DeviceSession {
public:
    explicit DeviceSession(const std::string& command)
        : m_command(command), m_messages(command), m_files(m_messages) {}
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;
    // Queues the print server did not take back (it stopped answering in the middle, say) stay paused and
    // in the journal: the user hears which, and that the next start resumes them.
    ~DeviceSession() {
        const std::set<std::string> held = m_spooler.HeldNow();
        if (held.empty())
            return;
        std::string queues;
        for (const std::string& queue : held)
            queues += (queues.empty() ? "" : ", ") + queue;
        std::fprintf(
            stderr,
            "%s: print queue%s %s could not be resumed and stay%s paused; the next start of quorlink "
            "tries again\n",
            m_command.c_str(), held.size() > 1 ? "s" : "", queues.c_str(), held.size() > 1 ? "" : "s");
    }

    // Picks and sets up the port. A path (it has a '/') is a serial line and must exist; anything else is
    // a USB identity as `quorlink device list` shows it. Then the port is opened once and closed again, as
    // the connection dialog does. The exit status to stop with, or -1 to go on.
    int Connect(PortOptions options) {
        if (options.port.empty()) {
            Fail("--port is wanted (a serial device path or a USB identity from `quorlink device list`)");
            return DeviceExit::Usage;
        }
        const DevicePorts ports = DevicePorts::Process();
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
            m_spooler.QueuesPrintingNow(static_cast<int>(options.dop.dwInterfaceType));
        if (!printing.empty() && !options.force) {
            std::string queues;
            for (const std::string& queue : printing)
                queues += (queues.empty() ? "" : ", ") + queue;
            Fail("print queue " + queues +
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
        services.spooler = &m_spooler;
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
    if (parsed.port.ports.size() > 1 && command != "quorlink device write") {
        std::fprintf(stderr, "%s: one --port at a time\n", command.c_str());
        return false;
    }
    return true;
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

int ReadCommand(const std::vector<std::string>& args) {
    const std::string command = "quorlink device read";
    Parsed p;
    if (!Parse(args, command, {"--json", "--show-secrets", "--save"}, p))
        return DeviceExit::Usage;
    if (!p.operands.empty()) {
        std::fprintf(stderr, "%s: unexpected '%s'\n", command.c_str(), p.operands[0].c_str());
        return DeviceExit::Usage;
    }
    DeviceSession session(command);
    if (const int status = session.Connect(p.port); status >= 0)
        return status;
    if (const int status = session.Read(); status >= 0)
        return status;
    const DeviceConfigState& s = session.State();
    const DeviceRecords::ConfigVariant variant = s.Variant();
    if (!p.save.empty()) {
        // Save as a file, as the settings page does it: the record as read, in the variant read.
        if (!session.Files().SaveAsFile(session.Exchange(), p.save))
            return DeviceExit::Usage;
    }
    if (p.json) {
        nlohmann::json names = nlohmann::json::object();
        for (int type = 0; type < 3; ++type)
            names[kTypeKeys[type]] = DeviceRecords::FieldText(s.m_CertificateName[type].byCertName);
        PrintJson({{"port", p.port.port},
                   {"system", DeviceConfigOutput::SystemJson(s.m_SystemInformation)},
                   {"variant", DeviceRecords::VariantName(variant)},
                   {"capabilities", CapabilitiesJson(s)},
                   {"refused_start", s.m_bRefusal},
                   {"record", DeviceConfigOutput::RecordJson(s.m_ConfigurationInfo, variant, p.showSecrets)},
                   {"certificate_names", names}});
        return DeviceExit::Ok;
    }
    const nlohmann::json system = DeviceConfigOutput::SystemJson(s.m_SystemInformation);
    std::printf("Port:             %s\n", p.port.port.c_str());
    std::printf("Firmware:         %s (%s)\n", system["firmware_version"].get<std::string>().c_str(),
                system["firmware_date"].get<std::string>().c_str());
    std::printf("MAC address:      %s\n", system["mac"].get<std::string>().c_str());
    std::printf("Variant:          %s\n", DeviceRecords::VariantName(variant));
    std::printf("Capabilities:    ");
    const nlohmann::json capabilities = CapabilitiesJson(s);
    for (const auto& [name, on] : capabilities.items())
        std::printf(" %s=%s", name.c_str(), on.get<bool>() ? "yes" : "no");
    std::printf("\nConfiguration:\n");
    DeviceConfigOutput::PrintRecord(s.m_ConfigurationInfo, variant, p.showSecrets, stdout);
    if (s.m_bCertificateName) {
        std::printf("Certificate names:\n");
        for (int type = 0; type < 3; ++type)
            std::printf("  %-20s %s\n", kTypeKeys[type],
                        DeviceRecords::FieldText(s.m_CertificateName[type].byCertName).c_str());
    }
    if (!p.save.empty())
        std::printf("Saved to %s\n", p.save.c_str());
    return DeviceExit::Ok;
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
                const CliConfigurationFile& file, std::string& outcome) {
    DeviceSession session(command);
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
    DeviceSession session(command);
    // The page's field checks say why they refuse through the command, which names the field.
    CliMessageBox checks(command, true);
    WLanAdvGroupEditor editor(session.State(), checks);
    session.UseGrids(&editor, &editor.Validator());
    if (const int status = session.Connect(p.port); status >= 0)
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
    std::printf("%s\n", LoadString(162).c_str());
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
    std::vector<std::string> ports = p.port.ports;
    if (ports.empty())
        ports.emplace_back(); // Connect names what is missing
    for (size_t i = 0; i < ports.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            if (ports[i] == ports[j]) {
                std::fprintf(stderr, "%s: the port %s is given twice\n", command.c_str(), ports[i].c_str());
                return DeviceExit::Usage;
            }
    // The file is checked before anything goes on the line.
    CliMessageBox messages(command);
    const CliConfigurationFile file = CliConfigurationFile::Load(path, messages);
    if (!file.ok)
        return DeviceExit::Usage;
    if (ports.size() > 1 && file.record.byIPConfigMode != VRX_IP_CONFIG_DHCP && !p.sameAddress) {
        std::fprintf(
            stderr,
            "%s: %s gives the fixed IP address %u.%u.%u.%u; written to %zu printers, every one would "
            "have it. Write it to one port, or give --same-address\n",
            command.c_str(), path.c_str(), file.record.byIP[0], file.record.byIP[1], file.record.byIP[2],
            file.record.byIP[3], ports.size());
        return DeviceExit::Usage;
    }
    int status = DeviceExit::Ok;
    for (const std::string& port : ports) {
        PortOptions options = p.port;
        options.port = port;
        std::string outcome;
        const int portStatus = WriteToPort(command, options, path, file, outcome);
        if (status == DeviceExit::Ok)
            status = portStatus;
        if (ports.size() > 1) {
            std::printf("%s: %s\n", port.c_str(), outcome.c_str());
            std::fflush(stdout);
        }
    }
    return status;
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

int FactoryResetCommand(const std::vector<std::string>& args) {
    const std::string command = "quorlink device factory-reset";
    Parsed p;
    if (!Parse(args, command, {"--yes"}, p))
        return DeviceExit::Usage;
    if (!p.operands.empty()) {
        std::fprintf(stderr, "%s: unexpected '%s'\n", command.c_str(), p.operands[0].c_str());
        return DeviceExit::Usage;
    }
    DeviceSession session(command);
    if (const int status = session.Connect(p.port); status >= 0)
        return status;
    if (!p.yes) {
        std::fprintf(stderr, "%s [y/N] ", LoadString(274).c_str());
        std::string answer;
        const bool answered = static_cast<bool>(std::getline(std::cin, answer));
        if (!answered)
            std::fprintf(stderr, "\n"); // the prompt's line ends here when nothing was typed
        if (!answered || (answer != "y" && answer != "Y" && answer != "yes")) {
            std::fprintf(stderr, "%s: not confirmed; nothing was sent\n", command.c_str());
            return DeviceExit::Usage;
        }
    }
    if (!session.Exchange().FactoryReset())
        return DeviceExit::NoAnswer;
    std::printf("%s\n", session.Messages().LastInformation().c_str());
    return DeviceExit::Ok;
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
