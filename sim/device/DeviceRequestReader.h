#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One message the tool wrote to the module, as it came off the line.
struct DeviceRequest {
    enum class Kind {
        ResetQuery,   // 0x1F 'W' 'Q' 0x00
        FactoryReset, // 0x1F 'W' 'P' 0x03 0x00
        ConfigStart,  // 0x1F 'W' letter 0x7F 0x1D 0x1F 0x03
        CertStart,    // 0x1F 'W' letter T 0x1D 0x1F 0x03 (T 0x81..0x83), or four zero bytes after the prefix
        Frame,        // 0x1F 'W' letter, hex text, 0x03
        Garbage,      // bytes that are none of these (noise before a prefix, a frame cut by a new prefix)
    };
    Kind kind = Kind::Garbage;
    std::vector<std::uint8_t> bytes; // the whole message, prefix and end byte included
    // The third byte: the mode letter of a request ('C', 'N'), 'Q' or 'P'; 0 for garbage.
    char letter() const {
        return kind == Kind::Garbage || bytes.size() < 3 ? 0 : static_cast<char>(bytes[2]);
    }
};

// Cuts the byte stream from the tool into messages. Every message opens with 0x1F 'W'; the third and
// fourth bytes tell the raw commands (fixed lengths) from a frame, which runs to its end byte 0x03. A hex
// frame never holds 0x1F, so a prefix inside a frame means the frame before it was cut short.
class DeviceRequestReader {
public:
    // A frame longer than this is given up as garbage (no request of the tool comes near it).
    static constexpr std::size_t kMaxFrame = 64 * 1024;

    void Feed(const std::uint8_t* data, std::size_t length);
    // The messages complete so far, in order; an unfinished one stays for the next Feed.
    std::vector<DeviceRequest> Take();
    // Whatever is left unfinished, as garbage (the tool went quiet in the middle of a message).
    std::vector<DeviceRequest> Flush();
    bool Pending() const { return !m_buffer.empty(); }

private:
    std::vector<std::uint8_t> m_buffer;
};
