#pragma once

// A cupsd of the test's own: configuration, state, spool, cache and logs in a temporary folder, a unix
// socket there as its only listener (no TCP, no browsing), and a backend folder holding only the backends
// the test puts there. The machine's own print server is never asked.

#include "TempDir.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

class PrivateCupsServer {
public:
    static constexpr const char* kCupsd = "/usr/sbin/cupsd";
    static constexpr const char* kDaemonFolder = "/usr/lib/cups/daemon/";
    static constexpr const char* kDataFolder = "/usr/share/cups/";

    ~PrivateCupsServer() { Stop(); }

    // Lays out the folders and starts the server with the backends given (name, file to copy) and the
    // drivers (PPD file name in its model folder, content); "" when it listens, else why not. Only root
    // may add and change queues.
    std::string Start(const std::vector<std::pair<std::string, std::string>>& backends,
                      const std::vector<std::pair<std::string, std::string>>& drivers = {}) {
        if (::access(kCupsd, X_OK) != 0)
            return std::string(kCupsd) + " is missing (Debian package cups-daemon)";
        for (const char* daemon : {"cups-exec", "cups-deviced", "cups-driverd"})
            if (::access((std::string(kDaemonFolder) + daemon).c_str(), X_OK) != 0)
                return std::string(kDaemonFolder) + daemon + " is missing (Debian package cups)";
        if (Socket().size() >= sizeof(sockaddr_un::sun_path))
            return "the temporary folder's path is too long for a unix socket";
        ::chmod(m_base.path().c_str(), 0755);
        for (const char* folder : {"etc", "bin", "bin/backend", "bin/daemon", "bin/filter", "cache", "state",
                                   "spool", "spool/tmp", "log", "ppd", "share", "share/model", "share/mime"})
            std::filesystem::create_directories(m_base.path() / folder);
        m_base.write("etc/cupsd.conf",
                     "LogLevel debug\nListen " + Socket() +
                         "\nBrowsing No\nBrowseLocalProtocols none\nWebInterface No\n"
                         "IdleExitTimeout 0\nJobRetryInterval 2\nJobRetryLimit 1000\n"
                         "<Location />\n  Order allow,deny\n</Location>\n"
                         "<Policy default>\n"
                         "  <Limit CUPS-Add-Modify-Printer CUPS-Delete-Printer>\n"
                         "    AuthType Default\n    Require user @SYSTEM\n    Order deny,allow\n"
                         "  </Limit>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                         "</Policy>\n");
        m_base.write("etc/cups-files.conf",
                     "SystemGroup root\nPeerCred root-only\nServerRoot " + Path("etc") + "\nServerBin " +
                         Path("bin") + "\nDataDir " + Path("share") + "\nCacheDir " + Path("cache") +
                         "\nStateDir " + Path("state") + "\nRequestRoot " + Path("spool") + "\nTempDir " +
                         Path("spool/tmp") + "\nErrorLog " + Path("log/error_log") + "\nAccessLog " +
                         Path("log/access_log") + "\nPageLog " + Path("log/page_log") + "\nPrintcap " +
                         Path("printcap") + "\n");
        for (const char* daemon : {"cups-exec", "cups-deviced", "cups-driverd"})
            std::filesystem::create_symlink(std::string(kDaemonFolder) + daemon,
                                            Path("bin/daemon/") + daemon);
        for (const auto& [name, file] : backends) {
            std::error_code failed;
            std::filesystem::copy_file(file, Path("bin/backend/" + name), failed);
            if (failed)
                return "cannot copy the backend " + file + ": " + failed.message();
            ::chmod(Path("bin/backend/" + name).c_str(), 0755);
        }
        // The file types of the Debian server, so that raw jobs are taken; no conversions (no filters here).
        std::error_code failed;
        std::filesystem::copy_file(std::string(kDataFolder) + "mime/mime.types",
                                   Path("share/mime/mime.types"), failed);
        if (failed)
            return std::string(kDataFolder) + "mime/mime.types: " + failed.message();
        m_base.write("share/mime/mime.convs", "");
        for (const auto& [name, content] : drivers)
            m_base.write("share/model/" + name, content);
        return Launch();
    }

    std::string Path(const std::string& name) const { return m_base.file(name); }
    std::string Socket() const { return Path("cups.sock"); }
    std::string ErrorLog() const { return m_base.read("log/error_log"); }
    void Write(const std::string& name, const std::string& content) const { m_base.write(name, content); }

    void Stop() {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGTERM);
        for (int i = 0; i < 50; ++i) {
            if (::waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
                m_pid = -1;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

private:
    std::string Launch() {
        m_pid = ::fork();
        if (m_pid == 0) {
            const int out =
                ::open(Path("log/cupsd.out").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
            ::dup2(out, 1);
            ::dup2(out, 2);
            const std::string conf = Path("etc/cupsd.conf"), files = Path("etc/cups-files.conf");
            ::execl(kCupsd, "cupsd", "-f", "-c", conf.c_str(), "-s", files.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        for (int i = 0; i < 100; ++i) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = -1;
                return "cupsd ended at once: " + m_base.read("log/cupsd.out") + ErrorLog();
            }
            if (CanConnect())
                return {};
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        Stop();
        return "cupsd did not listen on " + Socket() + " within 10 s";
    }

    bool CanConnect() const {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof(address.sun_path), "%s", Socket().c_str());
        const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
        ::close(fd);
        return ok;
    }

    TempDir m_base;
    pid_t m_pid = -1;
};
