#pragma once

#include "TempDir.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// Runs a program as the unprivileged user nobody (group nogroup, no supplementary groups) through
// setpriv, from a test that runs as root, with a terminal of its own: whatever a program would prompt on
// the terminal shows in what the run saw there.
class Unprivileged {
public:
    static constexpr uid_t kUid = 65534;
    static constexpr gid_t kGid = 65534;
    static constexpr const char* kSetpriv = "/usr/bin/setpriv";

    // Why such runs cannot be made here; "" when they can.
    static std::string WhyNot() {
        if (::geteuid() != 0)
            return "needs root, to run a part of the test as nobody";
        if (::access(kSetpriv, X_OK) != 0)
            return std::string(kSetpriv) + " is missing";
        return {};
    }

    struct Run {
        int status = -1;  // the exit status; -1 when it did not end by itself within the time limit
        std::string out;  // stdout
        std::string err;  // stderr
        std::string seen; // what appeared on its terminal
    };

    // A folder nobody may read, enter and write, removed with the object.
    Unprivileged() { ::chmod(m_dir.path().c_str(), 0777); }

    const TempDir& dir() const { return m_dir; }

    // A copy of program that nobody may run (the build folder may lie where nobody cannot reach it).
    std::string Reachable(const std::string& program) {
        const std::string copy = m_dir.file(std::filesystem::path(program).filename().string());
        std::filesystem::copy_file(program, copy, std::filesystem::copy_options::overwrite_existing);
        ::chmod(copy.c_str(), 0755);
        return copy;
    }

    // Runs argv as nobody with env added to the environment, its stdin and controlling terminal a pty.
    Run Start(const std::vector<std::string>& argv,
              const std::vector<std::pair<std::string, std::string>>& env,
              std::chrono::seconds limit = std::chrono::seconds(30)) {
        Run run;
        const std::string outPath = m_dir.file("run.out"), errPath = m_dir.file("run.err");
        int master = -1;
        const pid_t child = ::forkpty(&master, nullptr, nullptr, nullptr);
        if (child < 0)
            return run;
        if (child == 0) {
            const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(out, 1);
            ::dup2(err, 2);
            for (const auto& [name, value] : env)
                ::setenv(name.c_str(), value.c_str(), 1);
            std::vector<std::string> command = {kSetpriv, "--reuid=" + std::to_string(kUid),
                                                "--regid=" + std::to_string(kGid), "--clear-groups"};
            command.insert(command.end(), argv.begin(), argv.end());
            std::vector<char*> args;
            for (auto& arg : command)
                args.push_back(arg.data());
            args.push_back(nullptr);
            ::execv(args[0], args.data());
            ::_exit(127);
        }
        int status = 0;
        bool ended = false;
        for (const auto end = std::chrono::steady_clock::now() + limit;
             std::chrono::steady_clock::now() < end;) {
            pollfd fd{master, POLLIN, 0};
            if (::poll(&fd, 1, 50) > 0) {
                char buffer[512];
                const ssize_t n = ::read(master, buffer, sizeof buffer);
                if (n > 0)
                    run.seen.append(buffer, static_cast<size_t>(n));
            }
            if (::waitpid(child, &status, WNOHANG) == child) {
                ended = true;
                break;
            }
        }
        if (!ended) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
        }
        ::close(master);
        if (ended)
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        run.out = m_dir.read("run.out");
        run.err = m_dir.read("run.err");
        return run;
    }

private:
    TempDir m_dir;
};
