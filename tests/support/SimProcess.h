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

// quorlink-printer-sim running in the printer namespace of the network harness, with a configuration,
// its printer table and the datagrams it received at hand. Stopped when the object goes.
class SimProcess {
public:
    explicit SimProcess(const nlohmann::json& config) {
        m_dir.write("config.json", config.dump());
        const char* ns = std::getenv("QL_NS_PRINTERS");
        const char* bin = std::getenv("QL_SIM_BIN");
        if (!ns || !bin)
            return;
        std::vector<std::string> args = {"ip",
                                         "netns",
                                         "exec",
                                         ns,
                                         bin,
                                         m_dir.file("config.json"),
                                         "--state-out",
                                         m_dir.file("state.json"),
                                         "--log-requests",
                                         m_dir.file("requests.jsonl")};
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, m_dir.file("out.txt").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        if (posix_spawnp(&m_pid, "ip", &actions, nullptr, argv.data(), environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        for (int i = 0; i < 200 && m_pid > 0 && !Ready(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    ~SimProcess() { Stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool Ready() const { return m_dir.read("out.txt").find("ready") != std::string::npos; }
    std::string Output() const { return m_dir.read("out.txt"); }

    void Stop() {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGTERM);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
    }

    // The printers as the simulator holds them now.
    nlohmann::json State() {
        std::filesystem::remove(m_dir.file("state.json"));
        if (m_pid > 0)
            ::kill(m_pid, SIGUSR1);
        for (int i = 0; i < 200 && !std::filesystem::exists(m_dir.file("state.json")); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return nlohmann::json::parse(m_dir.read("state.json"), nullptr, false);
    }

    // Every datagram received so far: {"port", "from", "to", "length", "hex"}. A line the simulator is
    // still writing is left out rather than thrown on.
    std::vector<nlohmann::json> Requests() const {
        std::vector<nlohmann::json> lines;
        std::ifstream in(m_dir.file("requests.jsonl"));
        for (std::string line; std::getline(in, line);) {
            nlohmann::json request = nlohmann::json::parse(line, nullptr, false);
            if (!request.is_discarded())
                lines.push_back(std::move(request));
        }
        return lines;
    }

private:
    TempDir m_dir;
    pid_t m_pid = -1;
};
