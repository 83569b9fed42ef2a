#include "sim/device/DevicePty.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

DevicePty::~DevicePty() {
    Close();
}

bool DevicePty::Open(const std::string& link, std::string& error) {
    Close();
    termios raw{};
    ::cfmakeraw(&raw);
    raw.c_cflag |= CLOCAL | CREAD;
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 0;
    ::cfsetispeed(&raw, B115200);
    ::cfsetospeed(&raw, B115200);
    char name[PATH_MAX] = {};
    if (::openpty(&m_master, &m_slave, name, &raw, nullptr) != 0) {
        error = std::string("openpty: ") + std::strerror(errno);
        return false;
    }
    m_path = name;
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);

    if (!link.empty()) {
        struct stat existing {};
        if (::lstat(link.c_str(), &existing) == 0) {
            if (!S_ISLNK(existing.st_mode)) {
                error = link + " exists and is not a symbolic link";
                Close();
                return false;
            }
            ::unlink(link.c_str());
        }
        if (::symlink(m_path.c_str(), link.c_str()) != 0) {
            error = "symlink " + link + ": " + std::strerror(errno);
            Close();
            return false;
        }
        m_link = link;
    }
    return true;
}

void DevicePty::Close() {
    if (!m_link.empty()) {
        // Only a link that still leads to this pty is ours to remove.
        char target[PATH_MAX] = {};
        const ssize_t length = ::readlink(m_link.c_str(), target, sizeof target - 1);
        if (length > 0 && m_path == std::string(target, static_cast<std::size_t>(length)))
            ::unlink(m_link.c_str());
        m_link.clear();
    }
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = m_master = -1;
    m_path.clear();
}

long DevicePty::Read(std::uint8_t* buffer, std::size_t size) {
    const ssize_t got = ::read(m_master, buffer, size);
    if (got >= 0)
        return got;
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR || errno == EIO ? 0 : -1;
}

std::size_t DevicePty::SlaveQueued() const {
    int queued = 0;
    if (m_slave < 0 || ::ioctl(m_slave, FIONREAD, &queued) != 0 || queued < 0)
        return 0;
    return static_cast<std::size_t>(queued);
}

long DevicePty::Write(const std::uint8_t* buffer, std::size_t size) {
    const ssize_t put = ::write(m_master, buffer, size);
    if (put >= 0)
        return put;
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? 0 : -1;
}
