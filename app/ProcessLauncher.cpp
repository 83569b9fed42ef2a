#include "app/ProcessLauncher.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Closes every descriptor above stderr but keep; runs in the child between fork and exec.
void CloseInheritedDescriptors(int keep) {
    if (keep > 3)
        ::close_range(3, static_cast<unsigned>(keep - 1), 0);
    ::close_range(static_cast<unsigned>(keep + 1), ~0U, 0);
}

} // namespace

std::optional<pid_t> StartDetachedProcess(const std::string& program, const std::string& workingDirectory) {
    // A pipe closed on exec tells the parent whether exec worked.
    int status[2];
    if (::pipe2(status, O_CLOEXEC) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(status[0]);
        ::close(status[1]);
        return std::nullopt;
    }
    if (child == 0) {
        ::close(status[0]);
        CloseInheritedDescriptors(status[1]);
        ::setsid();
        if (!workingDirectory.empty() && ::chdir(workingDirectory.c_str()) != 0) {
            const int error = errno;
            (void)!::write(status[1], &error, sizeof error);
            ::_exit(127);
        }
        char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
        ::execve(program.c_str(), argv, environ);
        const int error = errno;
        (void)!::write(status[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(status[1]);
    int error = 0;
    ssize_t got;
    do {
        got = ::read(status[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(status[0]);
    if (got > 0) {
        ::waitpid(child, nullptr, 0);
        return std::nullopt;
    }
    return child;
}
