#pragma once

#include "TempDir.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

// quorlink-device-sim ($QL_DEVICE_SIM_BIN, or in $QL_BIN_DIR) playing a printer's network module on a pty,
// with its configuration, its state and the messages it received at hand. Stopped when the object goes.
class DeviceSimProcess {
public:
    // options: more command-line options for the simulator (such as {"--baud", "9600"}).
    explicit DeviceSimProcess(const nlohmann::json& config, bool withLink = true,
                              const std::vector<std::string>& options = {}) {
        m_dir.write("config.json", config.dump());
        const std::string program = Program("QL_DEVICE_SIM_BIN", "quorlink-device-sim");
        if (program.empty())
            return;
        const char* bin = program.c_str();
        std::vector<std::string> args = {bin,
                                         m_dir.file("config.json"),
                                         "--state-out",
                                         m_dir.file("state.json"),
                                         "--log-requests",
                                         m_dir.file("requests.jsonl")};
        if (withLink) {
            args.push_back("--link");
            args.push_back(m_dir.file("printer"));
        }
        args.insert(args.end(), options.begin(), options.end());
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, m_dir.file("out.txt").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        if (posix_spawn(&m_pid, bin, &actions, nullptr, argv.data(), environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        for (int i = 0; i < 400 && m_pid > 0 && !Ready() && Running(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ~DeviceSimProcess() { Stop(); }

    // A built program: $variable, else name in $QL_BIN_DIR; "" when neither is set.
    static std::string Program(const char* variable, const char* name) {
        if (const char* path = std::getenv(variable))
            return path;
        if (const char* dir = std::getenv("QL_BIN_DIR"))
            return std::string(dir) + "/" + name;
        return {};
    }
    DeviceSimProcess(const DeviceSimProcess&) = delete;
    DeviceSimProcess& operator=(const DeviceSimProcess&) = delete;

    bool Ready() const { return Output().find("quorlink-device-sim: ready") != std::string::npos; }
    std::string Output() const { return m_dir.read("out.txt"); }
    const TempDir& dir() const { return m_dir; }

    // The pty's own path, as the simulator printed it.
    std::string PtyPath() const {
        const std::string out = Output();
        const std::string key = "quorlink-device-sim: pty ";
        const auto at = out.find(key);
        if (at == std::string::npos)
            return {};
        const auto end = out.find('\n', at);
        return out.substr(at + key.size(), end - at - key.size());
    }
    // The symbolic link the simulator made (when asked to).
    std::string LinkPath() const { return m_dir.file("printer"); }

    bool Running() {
        if (m_pid <= 0)
            return false;
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            m_exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return false;
        }
        return true;
    }
    int ExitStatus() const { return m_exitStatus; }

    void Stop() {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGTERM);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        m_pid = -1;
    }

    // The module's state as last written (after every change and at exit).
    nlohmann::json State() const { return nlohmann::json::parse(m_dir.read("state.json"), nullptr, false); }

    // Every message received so far: {"request", "letter", "length", "hex", "reply", ...}. A line still
    // being written is left out.
    std::vector<nlohmann::json> Requests() const { return LogLines(false); }
    // What happened to the line: {"event": "hangup" or "reconnect", "t_ms"}.
    std::vector<nlohmann::json> LineEvents() const { return LogLines(true); }
    // The names of the requests received, in order ("reset_query", "start", "SYS_REQ", ...).
    std::vector<std::string> RequestNames() const {
        std::vector<std::string> names;
        for (const auto& request : Requests())
            names.push_back(request.value("request", std::string()));
        return names;
    }
    // Waits until at least count requests are logged.
    bool WaitForRequests(std::size_t count, int timeoutMs = 3000) const {
        for (int waited = 0; waited < timeoutMs; waited += 10) {
            if (Requests().size() >= count)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

private:
    std::vector<nlohmann::json> LogLines(bool events) const {
        std::vector<nlohmann::json> lines;
        std::ifstream in(m_dir.file("requests.jsonl"));
        for (std::string line; std::getline(in, line);) {
            nlohmann::json entry = nlohmann::json::parse(line, nullptr, false);
            if (!entry.is_discarded() && entry.is_object() && entry.contains("event") == events)
                lines.push_back(std::move(entry));
        }
        return lines;
    }

    TempDir m_dir;
    pid_t m_pid = -1;
    int m_exitStatus = -1;
};
