#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

// Starts program with no arguments in workingDirectory, inheriting no file descriptors beyond the standard
// three, in a session of its own so that it outlives its parent. The child's id, or nothing on failure.
std::optional<pid_t> StartDetachedProcess(const std::string& program, const std::string& workingDirectory);
