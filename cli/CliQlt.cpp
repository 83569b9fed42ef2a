#include "cli/CliCommands.h"
#include "cli/CliConfigurationFile.h"
#include "cli/CliMessageBox.h"
#include "cli/DeviceConfigOutput.h"

#include <cstdio>

namespace {

struct LoadedFile {
    bool ok = false;
    std::size_t length = 0;
    CliConfigurationFile parsed;
};

// Reads and checks a configuration file as a File Open does; a failure is reported on stderr.
LoadedFile Load(const std::string& path, const char* command) {
    CliMessageBox messages(command);
    LoadedFile loaded;
    loaded.parsed = CliConfigurationFile::Load(path, messages);
    loaded.ok = loaded.parsed.ok;
    loaded.length = loaded.parsed.length;
    return loaded;
}

int Show(const std::vector<std::string>& args) {
    bool json = false, showSecrets = false;
    std::string path;
    for (const std::string& arg : args) {
        if (arg == "--json")
            json = true;
        else if (arg == "--show-secrets")
            showSecrets = true;
        else if (path.empty() && arg.rfind("--", 0) != 0)
            path = arg;
        else {
            std::fprintf(stderr, "quorlink qlt show: unexpected '%s'\n", arg.c_str());
            return CliExit::Usage;
        }
    }
    if (path.empty()) {
        std::fprintf(stderr, "quorlink qlt show: a configuration file is wanted\n");
        return CliExit::Usage;
    }
    const LoadedFile file = Load(path, "quorlink qlt show");
    if (!file.ok)
        return CliExit::Usage;
    const auto& parsed = file.parsed;
    if (json) {
        const nlohmann::json out = {
            {"file", path},
            {"length", file.length},
            {"variant", DeviceRecords::VariantName(parsed.variant)},
            {"record", DeviceConfigOutput::RecordJson(parsed.record, parsed.variant, showSecrets)}};
        std::printf("%s\n", out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
    } else {
        std::printf("%s: %s variant, %zu bytes\n", path.c_str(), DeviceRecords::VariantName(parsed.variant),
                    file.length);
        DeviceConfigOutput::PrintRecord(parsed.record, parsed.variant, showSecrets, stdout);
    }
    return CliExit::Ok;
}

int Diff(const std::vector<std::string>& args) {
    bool showSecrets = false;
    std::vector<std::string> paths;
    for (const std::string& arg : args) {
        if (arg == "--show-secrets")
            showSecrets = true;
        else if (arg.rfind("--", 0) != 0)
            paths.push_back(arg);
        else {
            std::fprintf(stderr, "quorlink qlt diff: unknown option '%s'\n", arg.c_str());
            return CliExit::Usage;
        }
    }
    if (paths.size() != 2) {
        std::fprintf(stderr, "quorlink qlt diff: two configuration files are wanted\n");
        return CliExit::Usage;
    }
    const LoadedFile a = Load(paths[0], "quorlink qlt diff");
    const LoadedFile b = a.ok ? Load(paths[1], "quorlink qlt diff") : LoadedFile{};
    if (!a.ok || !b.ok)
        return CliExit::Usage;
    const auto lines = DeviceConfigOutput::Differences(a.parsed.record, a.parsed.variant, b.parsed.record,
                                                       b.parsed.variant, showSecrets);
    for (const std::string& line : lines)
        std::printf("%s\n", line.c_str());
    if (lines.empty())
        std::printf("The files hold the same configuration.\n");
    return CliExit::Ok;
}

} // namespace

int RunQltCommand(const std::vector<std::string>& args) {
    if (args.empty()) {
        std::fprintf(stderr, "quorlink qlt: show or diff is wanted\n");
        return CliExit::Usage;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "show")
        return Show(rest);
    if (args[0] == "diff")
        return Diff(rest);
    std::fprintf(stderr, "quorlink qlt: unknown command '%s'\n", args[0].c_str());
    return CliExit::Usage;
}
