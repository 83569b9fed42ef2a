#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The simulator's side of a pseudo-terminal: the master end it reads requests from and writes replies to,
// and one descriptor of the slave end that it holds open for the whole run. Holding the slave keeps the
// line alive while the tool closes and opens its end: no hang-up on the master, and the line settings the
// tool made stay in place.
class DevicePty {
public:
    DevicePty() = default;
    ~DevicePty();
    DevicePty(const DevicePty&) = delete;
    DevicePty& operator=(const DevicePty&) = delete;

    // Creates the pty (raw, non-blocking master) and, when link is not empty, a symbolic link to the
    // slave's path. An existing symbolic link at that path is replaced; any other file is left alone and
    // the open fails.
    bool Open(const std::string& link, std::string& error);
    void Close();

    int masterFd() const { return m_master; }
    const std::string& path() const { return m_path; }
    const std::string& link() const { return m_link; }

    // Non-blocking: bytes read (0 when nothing is waiting, -1 on an error).
    long Read(std::uint8_t* buffer, std::size_t size);
    // The bytes written to the line that the tool's end has not read yet.
    std::size_t SlaveQueued() const;
    // Non-blocking: bytes written (0 when the line is full, -1 on an error).
    long Write(const std::uint8_t* buffer, std::size_t size);

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_path;
    std::string m_link;
};
