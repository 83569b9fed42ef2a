#include "app/AppPaths.h"

#include <cerrno>
#include <climits>
#include <unistd.h>

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
    return paths;
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
