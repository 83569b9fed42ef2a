#include "app/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace AtomicFile {

namespace {

constexpr int kMaxLinks = 40; // as the kernel's own limit for a path
constexpr int kNameAttempts = 100;

// The folder part of path with its trailing '/', "" for a bare name.
std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Writes all of content at offset 0 onwards; 0 or the errno.
int WriteAll(int fd, std::string_view content) {
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t written =
            ::pwrite(fd, content.data() + done, content.size() - done, static_cast<off_t>(done));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return EIO;
        done += static_cast<size_t>(written);
    }
    return 0;
}

// Creates a new file beside the target, "<folder>.<name>.XXXXXX", that nobody else has opened.
int CreateUnique(const std::string& target, mode_t mode, std::string& temporaryPath) {
    static constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device randomDevice;
    std::mt19937_64 generator((static_cast<std::uint64_t>(randomDevice()) << 32) ^ randomDevice() ^
                              static_cast<std::uint64_t>(::getpid()));
    const std::string prefix = FolderOf(target) + "." + NameOf(target) + ".";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string candidate = prefix;
        for (int i = 0; i < 6; ++i)
            candidate.push_back(kDigits[generator() % (sizeof kDigits - 1)]);
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0) {
            temporaryPath = std::move(candidate);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

void SyncFolder(const std::string& target) {
    const std::string folder = FolderOf(target);
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// The permissions a file left with options should have, given the ones it has.
mode_t NarrowedMode(mode_t current, const Options& options) {
    return current & options.createMode & 07777;
}

int WriteInPlace(const std::string& target, std::string_view content, const Options& options) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, options.createMode);
    if (fd < 0)
        return errno;
    struct stat info {};
    if (!options.keepExistingMode && ::fstat(fd, &info) == 0 &&
        NarrowedMode(info.st_mode, options) != (info.st_mode & 07777))
        ::fchmod(fd, NarrowedMode(info.st_mode, options));
    int error = WriteAll(fd, content);
    if (error == 0 && ::ftruncate(fd, static_cast<off_t>(content.size())) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

bool FolderRefusesNewFile(int error) {
    return error == EACCES || error == EPERM;
}

} // namespace

std::string ResolveTarget(const std::string& path, int* error) {
    if (error)
        *error = 0;
    std::string current = path;
    for (int depth = 0; depth <= kMaxLinks; ++depth) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current; // a missing file is created under this name; other failures show on opening
        char link[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), link, sizeof link);
        if (length < 0 || static_cast<size_t>(length) >= sizeof link) {
            if (error)
                *error = length < 0 ? errno : ENAMETOOLONG;
            return {};
        }
        const std::string next(link, static_cast<size_t>(length));
        current = next.front() == '/' ? next : FolderOf(current) + next;
    }
    if (error)
        *error = ELOOP;
    return {};
}

int Write(const std::string& path, std::string_view content, const Options& options) {
    int error = 0;
    const std::string target = ResolveTarget(path, &error);
    if (target.empty())
        return error != 0 ? error : ENOENT;

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return EISDIR;
    // A file its owner made read-only is not replaced behind their back.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return errno;

    std::string temporary;
    const int fd = CreateUnique(target, options.createMode, temporary);
    if (fd < 0) {
        error = errno;
        return FolderRefusesNewFile(error) && exists ? WriteInPlace(target, content, options) : error;
    }
    if (options.keepExistingMode && exists)
        ::fchmod(fd, existing.st_mode & 07777);
    error = WriteAll(fd, content);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        // A folder that lets us create but not replace (a sticky folder holding another owner's file).
        return FolderRefusesNewFile(error) && exists ? WriteInPlace(target, content, options) : error;
    }
    SyncFolder(target);
    return 0;
}

} // namespace AtomicFile
