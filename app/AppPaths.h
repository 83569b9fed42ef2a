#pragma once

#include <optional>
#include <string>

// Where the program lives and the files it keeps beside itself.
struct AppPaths {
    std::string executable;      // full path of the running program
    std::string directory;       // its folder, with the trailing '/'
    std::string applicationName; // file name without folder and without the text from its last '.'
    std::string preferencesFile; // the executable's path with the extension replaced by "INI"

    // Derives every path from the executable's full path. Only a '.' in the file name counts, never one in a
    // folder name; a file name without '.' gets ".INI" appended.
    static AppPaths FromExecutable(const std::string& executablePath);

    // The running program's full path (/proc/self/exe), or nothing when it cannot be had; then errorCode,
    // when given, receives the system's error number.
    static std::optional<std::string> CurrentExecutable(int* errorCode = nullptr);
};
