#pragma once

// What the fuzz targets share: a broken property aborts with a message, so that libFuzzer keeps the input.

#include "devcfg/IDeviceSleeper.h"
#include "devport/CPortMng.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <unistd.h>
#include <vector>

#define FUZZ_REQUIRE(condition)                                                                              \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);            \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

namespace fuzz {

using Bytes = std::vector<std::uint8_t>;

// A printer port whose module answers every write with the next of the given replies (nothing once they run
// out). A reply comes in pieces of at most chunk bytes, one piece per read, as over a slow line.
class ReplayPort : public CPortMng {
public:
    explicit ReplayPort(std::deque<Bytes> replies, std::size_t chunk = 1u << 20)
        : m_replies(std::move(replies)), m_chunk(std::max<std::size_t>(chunk, 1)) {}

    void ClosePort() override { m_open = false; }
    bool OpenPort() override { return m_open = true; }
    bool SetDeviceOption(DEVICE_OPTION) override { return true; }
    std::uint32_t GetInterfaceType() override { return 1; }
    std::uint32_t Read(std::uint8_t* pByte, std::uint32_t dwToRead, std::uint32_t) override {
        const std::size_t count = std::min<std::size_t>({m_pending.size() - m_offset, dwToRead, m_chunk});
        if (count)
            std::memcpy(pByte, m_pending.data() + m_offset, count);
        m_offset += count;
        return static_cast<std::uint32_t>(count);
    }
    std::uint32_t Write(const std::uint8_t*, std::uint32_t dwToWrite) override {
        m_pending.clear();
        m_offset = 0;
        if (!m_replies.empty()) {
            m_pending = std::move(m_replies.front());
            m_replies.pop_front();
        }
        ++writes;
        return dwToWrite;
    }
    int writes = 0;

private:
    std::deque<Bytes> m_replies;
    std::size_t m_chunk;
    Bytes m_pending;
    std::size_t m_offset = 0;
    bool m_open = false;
};

// The exchanges' delays cost nothing here.
class NoSleep : public IDeviceSleeper {
public:
    void Sleep(std::chrono::milliseconds) override {}
};

// Splits data into the pieces between the separator bytes 0xFF 0x00 0xFF (at most maxPieces; the last
// piece takes the rest), so that one input can script several replies.
inline std::deque<Bytes> SplitReplies(const std::uint8_t* data, std::size_t size, std::size_t maxPieces) {
    static const std::uint8_t separator[3] = {0xFF, 0x00, 0xFF};
    std::deque<Bytes> pieces;
    const std::uint8_t* end = data + size;
    const std::uint8_t* start = data;
    while (pieces.size() + 1 < maxPieces) {
        const std::uint8_t* hit = std::search(start, end, separator, separator + 3);
        if (hit == end)
            break;
        pieces.emplace_back(start, hit);
        start = hit + 3;
    }
    pieces.emplace_back(start, end);
    return pieces;
}

// A private scratch file for the targets that read files; removed at exit.
class ScratchFile {
public:
    explicit ScratchFile(const char* name) {
        const char* base = std::getenv("TMPDIR");
        m_folder = std::string(base && *base ? base : "/tmp") + "/quorlink-fuzz-XXXXXX";
        if (!::mkdtemp(m_folder.data()))
            std::abort();
        m_path = m_folder + "/" + name;
    }
    ~ScratchFile() {
        ::unlink(m_path.c_str());
        ::unlink((m_path + ".tmp").c_str());
        ::rmdir(m_folder.c_str());
    }
    const std::string& Path() const { return m_path; }
    const std::string& Folder() const { return m_folder; }
    void Write(const std::uint8_t* data, std::size_t size) const {
        FILE* file = std::fopen(m_path.c_str(), "wb");
        if (!file)
            std::abort();
        if (size && std::fwrite(data, 1, size, file) != size)
            std::abort();
        std::fclose(file);
    }

private:
    std::string m_folder;
    std::string m_path;
};

} // namespace fuzz
