#include "devport/ProcessIdentity.h"

#include <fstream>
#include <sstream>
#include <unistd.h>

ProcessIdentity ProcessIdentity::Self() {
    const pid_t pid = ::getpid();
    return Of(pid).value_or(ProcessIdentity{pid, 0});
}

std::optional<ProcessIdentity> ProcessIdentity::Of(pid_t pid) {
    if (pid <= 0)
        return std::nullopt;
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    const auto startTime = StartTimeFromStat(text.str());
    if (!startTime)
        return std::nullopt;
    return ProcessIdentity{pid, *startTime};
}

std::optional<unsigned long long> ProcessIdentity::StartTimeFromStat(const std::string& stat) {
    // "pid (comm) state ppid ...": the command may hold blanks and parentheses, so the fields are counted
    // from the last ')'. The state is field 3, the start time field 22.
    const size_t close = stat.rfind(')');
    if (close == std::string::npos)
        return std::nullopt;
    std::istringstream fields(stat.substr(close + 1));
    std::string field;
    for (int number = 3; number < 22; ++number) {
        if (!(fields >> field))
            return std::nullopt;
        if (number == 3 && (field == "Z" || field == "X"))
            return std::nullopt; // ended, only not yet reaped by its parent
    }
    unsigned long long startTime = 0;
    if (!(fields >> startTime))
        return std::nullopt;
    return startTime;
}

bool ProcessIdentity::IsRunning() const {
    const auto now = Of(pid);
    return now && now->startTime == startTime;
}
