#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

// Replaces a file's whole content so that an interrupted or failed write never leaves a cut file and never
// destroys the old one:
//  - a symbolic link is followed to the file it names (the link stays a link);
//  - the content goes to a new file with a unique name in the target's folder, is flushed to the disk and
//    renamed over the target;
//  - where the folder takes no new file (no write permission on it) but the file itself may be written,
//    the file is rewritten in place instead: the new bytes first, then the length cut to them.
namespace AtomicFile {

struct Options {
    // Permissions of a file created anew (the process's umask applies).
    mode_t createMode = 0600;
    // true: a replaced file keeps its permissions. false: the file ends with createMode's permissions
    // (a file rewritten in place only loses permissions, never gains any).
    bool keepExistingMode = false;
};

// Writes content as the whole new content of path. 0 on success, otherwise the errno of the failure
// (strerror gives the text the user sees); on failure the old file is left as it was.
int Write(const std::string& path, std::string_view content, const Options& options = {});

// The file that a write to path changes: path itself, or the end of its chain of symbolic links (which
// need not exist yet). Empty with *error set when the chain cannot be followed (a loop, an unreadable link).
std::string ResolveTarget(const std::string& path, int* error = nullptr);

} // namespace AtomicFile
