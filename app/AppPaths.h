#pragma once

#include <functional>
#include <optional>
#include <string>

// Where the program lives and where it keeps its files.
//
// Run from where it was built (or from any folder that is not an installation), the program keeps
// everything beside itself: the preferences file, LOG/ and Languages/. Installed, its executable lies in
// <prefix>/bin beside <prefix>/share/quorlink-tool; then the catalogs come from that share folder and the
// preferences file and LOG/ go to the user's XDG folders ($XDG_CONFIG_HOME/quorlink-tool/,
// $XDG_STATE_HOME/quorlink-tool/LOG/). The layout decides, not whether the folder is writable (/usr/bin is,
// for root), so an unpacked package behaves as an installed one.
struct AppPaths {
    std::string executable;      // full path of the running program
    std::string directory;       // its folder, with the trailing '/'
    std::string applicationName; // file name without folder and without the text from its last '.'
    std::string preferencesFile; // the executable's file name with the extension replaced by "INI", in
                                 // its folder or, installed, in the configuration folder; "" when
                                 // installed without a home folder
    bool installed = false;
    std::string dataDirectory;  // the folder holding Languages/, with the trailing '/'
    std::string stateDirectory; // the folder holding LOG/, with the trailing '/'; "" as preferencesFile

    // The name of the program's folders under share/ and the XDG folders.
    static constexpr const char* kFolderName = "quorlink-tool";

    // Derives every path from the executable's full path, everything beside the executable. Only a '.'
    // in the file name counts, never one in a folder name; a file name without '.' gets ".INI" appended.
    static AppPaths FromExecutable(const std::string& executablePath);

    // The value of an environment variable, or nothing when it is not set.
    using Environment = std::function<std::optional<std::string>(const std::string& name)>;
    // Decides by the executable's layout whether the program runs installed, and derives the paths from
    // that and the environment (XDG_CONFIG_HOME, XDG_STATE_HOME, HOME; a relative XDG value is ignored).
    static AppPaths Locate(const std::string& executablePath, const Environment& environment);
    // The same with the process's environment; without HOME the user's home folder from the user database.
    static AppPaths Locate(const std::string& executablePath);

    // The running program's full path (/proc/self/exe), or nothing when it cannot be had; then errorCode,
    // when given, receives the system's error number.
    static std::optional<std::string> CurrentExecutable(int* errorCode = nullptr);

    // Creates folder and its missing parents (each new one with mode); true when it exists afterwards.
    static bool MakeFolders(const std::string& folder, unsigned mode);
};
