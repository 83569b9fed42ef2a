#include "app/AppPaths.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// An XDG base folder: the variable when it holds an absolute path, else home + fallback; "" without both.
std::string XdgFolder(const AppPaths::Environment& environment, const char* variable, const char* fallback) {
    if (const auto value = environment(variable); value && !value->empty() && (*value)[0] == '/')
        return *value;
    const auto home = environment("HOME");
    if (!home || home->empty())
        return {};
    return *home + "/" + fallback;
}

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

AppPaths AppPaths::FromExecutable(const std::string& executablePath) {
    AppPaths paths;
    paths.executable = executablePath;
    const auto slash = executablePath.rfind('/');
    const std::string fileName =
        slash == std::string::npos ? executablePath : executablePath.substr(slash + 1);
    paths.directory = slash == std::string::npos ? std::string() : executablePath.substr(0, slash + 1);

    const auto dot = fileName.rfind('.');
    if (dot == std::string::npos) {
        paths.applicationName = fileName;
        paths.preferencesFile = executablePath + ".INI";
    } else {
        paths.applicationName = fileName.substr(0, dot);
        paths.preferencesFile = paths.directory + fileName.substr(0, dot + 1) + "INI";
    }
    paths.dataDirectory = paths.directory;
    paths.stateDirectory = paths.directory;
    return paths;
}

AppPaths AppPaths::Locate(const std::string& executablePath, const Environment& environment) {
    AppPaths paths = FromExecutable(executablePath);
    // <prefix>/bin/ beside <prefix>/share/quorlink-tool/.
    const std::string& folder = paths.directory;
    constexpr std::string_view kBin = "/bin/";
    if (folder.size() < kBin.size() || folder.compare(folder.size() - kBin.size(), kBin.size(), kBin) != 0)
        return paths;
    const std::string share = folder.substr(0, folder.size() - 4) + "share/" + kFolderName + "/";
    if (!IsDirectory(share))
        return paths;

    paths.installed = true;
    paths.dataDirectory = share;
    const std::string preferencesName = paths.preferencesFile.substr(folder.size());
    const std::string config = XdgFolder(environment, "XDG_CONFIG_HOME", ".config");
    const std::string state = XdgFolder(environment, "XDG_STATE_HOME", ".local/state");
    paths.preferencesFile =
        config.empty() ? std::string() : WithSlash(config) + kFolderName + "/" + preferencesName;
    paths.stateDirectory = state.empty() ? std::string() : WithSlash(state) + kFolderName + "/";
    return paths;
}

AppPaths AppPaths::Locate(const std::string& executablePath) {
    return Locate(executablePath, [](const std::string& name) -> std::optional<std::string> {
        if (const char* value = std::getenv(name.c_str()))
            return std::string(value);
        if (name == "HOME")
            if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && *user->pw_dir)
                return std::string(user->pw_dir);
        return std::nullopt;
    });
}

std::optional<std::string> AppPaths::CurrentExecutable(int* errorCode) {
    char buffer[PATH_MAX + 1];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || static_cast<size_t>(length) >= sizeof buffer) {
        // A path that fills the whole buffer may have been cut.
        if (errorCode)
            *errorCode = length < 0 ? errno : ENAMETOOLONG;
        return std::nullopt;
    }
    return std::string(buffer, static_cast<size_t>(length));
}

bool AppPaths::MakeFolders(const std::string& folder, unsigned mode) {
    if (folder.empty())
        return false;
    for (size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1))
        ::mkdir(folder.substr(0, slash).c_str(), mode);
    ::mkdir(folder.c_str(), mode);
    return IsDirectory(folder);
}
