#include "sim/device/DeviceRequestReader.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::uint8_t kPrefix0 = 0x1F;
constexpr std::uint8_t kPrefix1 = 'W';
constexpr std::uint8_t kEnd = 0x03;

bool RawCommandByte(std::uint8_t byte) {
    return byte == 0x7F || byte == 0x81 || byte == 0x82 || byte == 0x83 || byte == 0x00;
}

} // namespace

void DeviceRequestReader::Feed(const std::uint8_t* data, std::size_t length) {
    m_buffer.insert(m_buffer.end(), data, data + length);
}

std::vector<DeviceRequest> DeviceRequestReader::Take() {
    std::vector<DeviceRequest> out;
    auto emit = [&](DeviceRequest::Kind kind, std::size_t length) {
        DeviceRequest request;
        request.kind = kind;
        request.bytes.assign(m_buffer.begin(), m_buffer.begin() + static_cast<std::ptrdiff_t>(length));
        m_buffer.erase(m_buffer.begin(), m_buffer.begin() + static_cast<std::ptrdiff_t>(length));
        out.push_back(std::move(request));
    };
    // The position of the next whole prefix at or after from; npos when there is none yet.
    auto nextPrefix = [&](std::size_t from) {
        for (std::size_t i = from; i + 1 < m_buffer.size(); ++i)
            if (m_buffer[i] == kPrefix0 && m_buffer[i + 1] == kPrefix1)
                return i;
        return std::string::npos;
    };

    while (!m_buffer.empty()) {
        // Noise goes out as one piece once the next prefix has come (or when it grows too long).
        const std::size_t prefix = nextPrefix(0);
        if (prefix == std::string::npos) {
            if (m_buffer.size() > kMaxFrame)
                emit(DeviceRequest::Kind::Garbage, m_buffer.size());
            break;
        }
        if (prefix > 0) {
            emit(DeviceRequest::Kind::Garbage, prefix);
            continue;
        }
        if (m_buffer.size() < 4)
            break;
        const std::uint8_t letter = m_buffer[2];
        const std::uint8_t fourth = m_buffer[3];
        if (letter == 'Q') {
            emit(DeviceRequest::Kind::ResetQuery, 4);
            continue;
        }
        if (letter == 'P') {
            if (m_buffer.size() < 5)
                break;
            emit(DeviceRequest::Kind::FactoryReset, 5);
            continue;
        }
        if (RawCommandByte(fourth)) {
            if (m_buffer.size() < 7)
                break;
            emit(fourth == 0x7F ? DeviceRequest::Kind::ConfigStart : DeviceRequest::Kind::CertStart, 7);
            continue;
        }
        // A frame: up to its end byte, unless a new prefix comes first.
        const auto end = std::find(m_buffer.begin() + 3, m_buffer.end(), kEnd);
        const std::size_t endAt = static_cast<std::size_t>(end - m_buffer.begin());
        const std::size_t cut = nextPrefix(3);
        if (cut != std::string::npos && cut < endAt) {
            emit(DeviceRequest::Kind::Garbage, cut);
            continue;
        }
        if (end == m_buffer.end()) {
            if (m_buffer.size() > kMaxFrame)
                emit(DeviceRequest::Kind::Garbage, m_buffer.size());
            break;
        }
        emit(DeviceRequest::Kind::Frame, endAt + 1);
    }
    return out;
}

std::vector<DeviceRequest> DeviceRequestReader::Flush() {
    std::vector<DeviceRequest> out = Take();
    if (!m_buffer.empty()) {
        DeviceRequest rest;
        rest.bytes = std::move(m_buffer);
        m_buffer.clear();
        out.push_back(std::move(rest));
    }
    return out;
}
