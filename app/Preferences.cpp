#include "app/Preferences.h"

#include "app/DiagnosticLog.h"
#include "app/PrivateProfile.h"

#include <cerrno>
#include <climits>
#include <sys/stat.h>

namespace {

struct ProcessPreferences {
    AppPaths paths;
    bool havePaths = false;
};

ProcessPreferences& State() {
    static ProcessPreferences state;
    return state;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

void InitPreference() {
    ResetPreferences();
    const auto executable = AppPaths::CurrentExecutable();
    if (!executable)
        return;
    InitPreference(AppPaths::Locate(*executable));
}

void InitPreference(const AppPaths& paths) {
    ResetPreferences();
    auto& state = State();
    state.paths = paths;
    state.havePaths = true;

    const auto logSwitch = ReadPreferenceInt(PreferenceKey::LogSwitch);
    const bool logOn = logSwitch && *logSwitch > 0;
    if (logOn) {
        if (paths.installed) // the user's own state folder: nobody else's business
            AppPaths::MakeFolders(paths.stateDirectory + "LOG", 0700);
        else
            ::mkdir((paths.stateDirectory + "LOG").c_str(), 0755);
    }
    DiagnosticLog::Process().Configure(logOn, paths.stateDirectory, paths.applicationName);
}

void ResetPreferences() {
    State() = ProcessPreferences{};
    DiagnosticLog::Process().Configure(false, {}, {});
}

const AppPaths& ApplicationPaths() {
    return State().paths;
}

const std::string& ApplicationName() {
    return State().paths.applicationName;
}

std::optional<std::string> VRXReadConfigurationInfoFromFile(std::string_view key, size_t bufferChars) {
    const auto& state = State();
    if (!state.havePaths || state.paths.preferencesFile.empty())
        return std::nullopt;
    return PrivateProfile::ReadString(state.paths.preferencesFile, state.paths.applicationName, key,
                                      bufferChars);
}

bool VRXWriteConfigurationInfoFromFile(std::string_view key, std::string_view value) {
    const auto& state = State();
    if (!state.havePaths || state.paths.preferencesFile.empty())
        return false;
    // Installed, the preferences live in the user's configuration folder, which may not exist yet.
    if (state.paths.installed) {
        const auto slash = state.paths.preferencesFile.rfind('/');
        AppPaths::MakeFolders(state.paths.preferencesFile.substr(0, slash), 0700);
    }
    return PrivateProfile::WriteString(state.paths.preferencesFile, state.paths.applicationName, key, value);
}

int ParseProfileInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(value);
}

std::optional<int> ReadPreferenceInt(std::string_view key) {
    const auto value = VRXReadConfigurationInfoFromFile(key);
    if (!value)
        return std::nullopt;
    return ParseProfileInt(*value);
}

std::array<bool, 10> ParseExpandedGroups(const std::optional<std::string>& value) {
    std::array<bool, 10> expanded{};
    if (!value) {
        expanded.fill(true);
        expanded[0] = false;
        return expanded;
    }
    std::string_view rest = *value;
    while (true) {
        const auto comma = rest.find(',');
        const auto item = TrimBlanks(rest.substr(0, comma));
        if (item.empty())
            break;
        const int group = ParseProfileInt(item);
        if (group >= 1 && group <= 9)
            expanded[static_cast<size_t>(group)] = true;
        if (comma == std::string_view::npos)
            break;
        rest.remove_prefix(comma + 1);
    }
    return expanded;
}
