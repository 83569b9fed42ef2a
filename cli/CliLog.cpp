#include "cli/CliLog.h"

#include "app/DiagnosticLog.h"
#include "app/Preferences.h"
#include "devcfg/DeviceRecordFields.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace CliLog {

bool TakeLogOption(std::vector<std::string>& args, std::optional<std::string>& file, std::string& error) {
    for (size_t i = 0; i < args.size();) {
        if (args[i] != "--log") {
            ++i;
            continue;
        }
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            error = "--log needs a file";
            return false;
        }
        file = args[i + 1];
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    }
    return true;
}

AppPaths WindowProgramPaths(const std::string& commandLineExecutable) {
    const auto slash = commandLineExecutable.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : commandLineExecutable.substr(0, slash + 1);
    return AppPaths::Locate(folder + AppPaths::kFolderName);
}

bool Start(const std::optional<std::string>& file, const AppPaths& windowProgram, std::string& error) {
    if (file) {
        // Made here, owner-only, so that a file that cannot be written is named before anything runs.
        const int fd = ::open(file->c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NONBLOCK, 0600);
        if (fd < 0) {
            error = *file + ": " + std::strerror(errno);
            return false;
        }
        ::close(fd);
        DiagnosticLog::Process().ConfigureFile(*file);
        return true;
    }
    InitPreference(windowProgram);
    DiagnosticLog& log = DiagnosticLog::Process();
    if (log.IsEnabled())
        log.Configure(true, windowProgram.stateDirectory, "quorlink");
    return true;
}

std::string MaskedArguments(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& arg : args) {
        std::string shown = arg;
        const auto equals = arg.find('=');
        if (equals != std::string::npos) {
            const DeviceRecordFields::Field* field = DeviceRecordFields::Find(arg.substr(0, equals));
            if (field && field->secret)
                shown = arg.substr(0, equals + 1) + LogSecret(arg.substr(equals + 1));
        }
        line += (line.empty() ? "" : " ") + shown;
    }
    return line;
}

} // namespace CliLog
