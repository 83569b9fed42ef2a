#include "devport/CSpoolerJournal.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kHeader = "quorlink-tool held print queues 1";
constexpr const char* kFilePrefix = "held-queues-";
constexpr const char* kNewSuffix = ".new";

std::string ErrorText(int error) {
    return std::strerror(error);
}

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// Makes folder and its parents, the last with mode 0700 (the journal is nobody else's business).
bool MakeFolder(const std::string& folder, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(folder).parent_path(), ec);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = folder + ": " + ErrorText(errno);
        return false;
    }
    return true;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

CSpoolerJournal::CSpoolerJournal(std::string folder, ProcessIdentity owner)
    : m_folder(std::move(folder)), m_owner(owner),
      m_path(m_folder + "/" + kFilePrefix + std::to_string(owner.pid) + "-" +
             std::to_string(owner.startTime)) {}

std::string CSpoolerJournal::DefaultFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/') // a relative value is to be ignored
        return std::string(state) + "/quorlink-tool";
    std::string home;
    if (const char* value = std::getenv("HOME"); value && *value)
        home = value;
    else if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
        home = user->pw_dir;
    if (home.empty())
        return {};
    return home + "/.local/state/quorlink-tool";
}

bool CSpoolerJournal::Write(const std::string& server, const std::set<std::string>& queues,
                            std::string& error) const {
    if (m_folder.empty()) {
        error = "no folder for the journal (neither XDG_STATE_HOME nor a home folder)";
        return false;
    }
    if (queues.empty()) {
        if (::unlink(m_path.c_str()) != 0 && errno != ENOENT) {
            error = m_path + ": " + ErrorText(errno);
            return false;
        }
        SyncFolder(m_folder);
        return true;
    }
    if (!MakeFolder(m_folder, error))
        return false;

    const std::string text =
        Format({m_owner, server, std::vector<std::string>(queues.begin(), queues.end())});
    const std::string fresh = m_path + kNewSuffix;
    const int fd = ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = fresh + ": " + ErrorText(errno);
        return false;
    }
    const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
    const int writeError = errno;
    ::close(fd);
    if (!written || ::rename(fresh.c_str(), m_path.c_str()) != 0) {
        error = fresh + ": " + ErrorText(written ? errno : writeError);
        ::unlink(fresh.c_str());
        return false;
    }
    SyncFolder(m_folder);
    return true;
}

std::vector<std::string> CSpoolerJournal::Files(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(kFilePrefix, 0) == 0 && !name.ends_with(kNewSuffix) && it->is_regular_file(ec))
            files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::optional<CSpoolerJournal::Contents> CSpoolerJournal::Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return Parse(text.str());
}

std::string CSpoolerJournal::Format(const Contents& contents) {
    std::string text = std::string(kHeader) + "\n";
    text +=
        "owner " + std::to_string(contents.owner.pid) + " " + std::to_string(contents.owner.startTime) + "\n";
    text += "server " + contents.server + "\n";
    for (const auto& queue : contents.queues)
        text += "queue " + queue + "\n";
    return text;
}

std::optional<CSpoolerJournal::Contents> CSpoolerJournal::Parse(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kHeader)
        return std::nullopt;
    Contents contents;
    bool haveOwner = false, haveServer = false;
    while (std::getline(in, line)) {
        const size_t blank = line.find(' ');
        const std::string key = line.substr(0, blank);
        const std::string value = blank == std::string::npos ? std::string() : line.substr(blank + 1);
        if (key == "owner") {
            std::istringstream fields(value);
            long long pid = 0;
            if (!(fields >> pid >> contents.owner.startTime) || pid <= 0)
                return std::nullopt;
            contents.owner.pid = static_cast<pid_t>(pid);
            haveOwner = true;
        } else if (key == "server") {
            contents.server = value;
            haveServer = true;
        } else if (key == "queue" && !value.empty()) {
            contents.queues.push_back(value);
        }
    }
    if (!haveOwner || !haveServer)
        return std::nullopt;
    std::sort(contents.queues.begin(), contents.queues.end());
    return contents;
}
