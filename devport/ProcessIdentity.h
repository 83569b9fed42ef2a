#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

// A process named so that a later process with the same id is not mistaken for it: its id and its start
// time (clock ticks since boot, field 22 of /proc/PID/stat).
struct ProcessIdentity {
    pid_t pid = 0;
    unsigned long long startTime = 0;

    // The running program.
    static ProcessIdentity Self();
    // The process with id pid as it runs now; nothing when there is none or it has ended (a zombie).
    static std::optional<ProcessIdentity> Of(pid_t pid);
    // The start time in the text of a /proc/PID/stat file; nothing when the text is not one or tells of an
    // ended process.
    static std::optional<unsigned long long> StartTimeFromStat(const std::string& stat);

    // True while this very process runs (same id, same start time).
    bool IsRunning() const;

    bool operator==(const ProcessIdentity&) const = default;
};
