#pragma once

#include "app/AppPaths.h"

#include <optional>
#include <string>
#include <vector>

// The diagnostic log of a `quorlink` run: the lines the core writes (the same as the window program's),
// into the file of `--log FILE`, or else where the window program's preferences switch its own log on
// (PREFERENCE[0] of its preferences file, found as the window program finds it) as
// LOG/quorlink_MMDDYYYY.LOG beside the window program's log.
namespace CliLog {

// Takes every "--log FILE" out of args; the last one's FILE goes into file. False, with the reason in error,
// when --log has no value.
bool TakeLogOption(std::vector<std::string>& args, std::optional<std::string>& file, std::string& error);

// The window program's paths as the command line at commandLineExecutable sees them: the window program
// lies beside it.
AppPaths WindowProgramPaths(const std::string& commandLineExecutable);

// Switches the process's log on as above. False, with "FILE: reason" in error, when file cannot be written.
bool Start(const std::optional<std::string>& file, const AppPaths& windowProgram, std::string& error);

// The arguments as one line for the log, the value of every secret record field (device set's
// bySecurityKey=..., byWPAPassphrase=...) masked.
std::string MaskedArguments(const std::vector<std::string>& args);

} // namespace CliLog
