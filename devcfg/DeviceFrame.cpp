#include "devcfg/DeviceFrame.h"

#include <cstring>

namespace DeviceFrame {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

std::uint8_t HexValue(std::uint8_t c) {
    // No validity check: what is not up to '9' counts from 'a'.
    return c <= '9' ? static_cast<std::uint8_t>(c - '0') : static_cast<std::uint8_t>(c - 'a' + 10);
}

struct CrcTable {
    std::uint32_t entry[256];
    CrcTable() {
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t value = i << 24;
            for (int bit = 0; bit < 8; ++bit)
                value = (value & 0x80000000u) ? (value << 1) ^ 0x04C11DB7u : value << 1;
            entry[i] = value;
        }
    }
};

} // namespace

bool IsCertificateType(int nType) {
    return nType >= kCertificateCA && nType <= kCertificateClientPEM;
}

std::string_view CertificateNameSetHeader(int nType) {
    static constexpr std::string_view headers[] = {kCaSet, kKeySet, kPemSet};
    return IsCertificateType(nType) ? headers[nType] : std::string_view{};
}

std::string_view CertificateNameRequestHeader(int nType) {
    static constexpr std::string_view headers[] = {kCaReq, kKeyReq, kPemReq};
    return IsCertificateType(nType) ? headers[nType] : std::string_view{};
}

std::string_view CertificateNameReplyHeader(int nType) {
    static constexpr std::string_view headers[] = {kCaRsp, kKeyRsp, kPemRsp};
    return IsCertificateType(nType) ? headers[nType] : std::string_view{};
}

std::uint8_t CertificateStartOpcode(int nType) {
    return IsCertificateType(nType) ? static_cast<std::uint8_t>(0x81 + nType) : 0;
}

std::uint16_t Checksum16(const std::uint8_t* data, std::size_t n) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < n; i += 2) {
        const std::uint32_t high = data[i];
        const std::uint32_t low = i + 1 < n ? data[i + 1] : 0;
        sum += (high << 8) | low;
    }
    sum = (sum >> 16) + (sum & 0xFFFF);
    sum = (sum >> 16) + (sum & 0xFFFF);
    return static_cast<std::uint16_t>(~sum & 0xFFFF);
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t n) {
    static const CrcTable table;
    std::uint32_t crc = 0;
    for (std::size_t i = 0; i < n; ++i)
        crc = table.entry[((crc >> 24) ^ data[i]) & 0xFF] ^ (crc << 8);
    return crc;
}

std::size_t AddCheckSumData(std::uint8_t* buffer, std::size_t bufferSize, const std::uint8_t* message,
                            std::size_t length) {
    const std::size_t total = length + (length % 2) + 2;
    if (!buffer || total > bufferSize || (length > 0 && !message))
        return 0;
    std::memset(buffer, 0, bufferSize);
    if (length > 0)
        std::memcpy(buffer, message, length);
    const std::size_t n = length + (length % 2);
    const std::uint16_t checksum = Checksum16(buffer, n + 2); // the checksum bytes are zero here
    buffer[n] = static_cast<std::uint8_t>(checksum >> 8);
    buffer[n + 1] = static_cast<std::uint8_t>(checksum & 0xFF);
    return total;
}

std::size_t AddCheckSumDataCrc(std::uint8_t* buffer, std::size_t bufferSize, const std::uint8_t* message,
                               std::size_t length) {
    const std::size_t total = length + 4;
    if (!buffer || total > bufferSize || (length > 0 && !message))
        return 0;
    std::memset(buffer, 0, bufferSize);
    if (length > 0)
        std::memcpy(buffer, message, length);
    const std::uint32_t crc = Crc32(buffer, length);
    buffer[length] = static_cast<std::uint8_t>(crc >> 24);
    buffer[length + 1] = static_cast<std::uint8_t>(crc >> 16);
    buffer[length + 2] = static_cast<std::uint8_t>(crc >> 8);
    buffer[length + 3] = static_cast<std::uint8_t>(crc);
    return total;
}

std::size_t HexEncode(std::uint8_t* frame, std::size_t frameSize, const std::uint8_t* message,
                      std::size_t L) {
    const std::size_t total = 2 * L + 4;
    if (!frame || total > frameSize || (L > 0 && !message))
        return 0;
    std::memset(frame, 0, frameSize);
    for (std::size_t i = 0; i < L; ++i) {
        frame[3 + 2 * i] = static_cast<std::uint8_t>(kHexDigits[message[i] >> 4]);
        frame[4 + 2 * i] = static_cast<std::uint8_t>(kHexDigits[message[i] & 0x0F]);
    }
    frame[3 + 2 * L] = kEndOfFrame;
    return total;
}

std::size_t HexDecode(const std::uint8_t* frame, std::size_t received, std::uint8_t* message,
                      std::size_t room) {
    if (!frame || !message || received < 5)
        return 0;
    const std::size_t n = (received - 3) / 2;
    if (n > room)
        return 0;
    for (std::size_t i = 0; i < n; ++i)
        message[i] =
            static_cast<std::uint8_t>((HexValue(frame[3 + 2 * i]) << 4) + HexValue(frame[4 + 2 * i]));
    return n;
}

std::vector<std::uint8_t> HexDecode(const std::uint8_t* frame, std::size_t received) {
    if (!frame || received < 5)
        return {};
    std::vector<std::uint8_t> message((received - 3) / 2);
    HexDecode(frame, received, message.data(), message.size());
    return message;
}

std::vector<std::uint8_t> BuildMessage(std::string_view header, const std::uint8_t* payload,
                                       std::size_t payloadSize) {
    std::vector<std::uint8_t> raw(header.begin(), header.end());
    if (payload && payloadSize > 0)
        raw.insert(raw.end(), payload, payload + payloadSize);
    std::vector<std::uint8_t> message(raw.size() + 3);
    message.resize(AddCheckSumData(message.data(), message.size(), raw.data(), raw.size()));
    return message;
}

std::vector<std::uint8_t> Frame(std::uint8_t modeLetter, const std::vector<std::uint8_t>& message) {
    std::vector<std::uint8_t> frame(2 * message.size() + 4);
    HexEncode(frame.data(), frame.size(), message.data(), message.size());
    frame[0] = kPrefix0;
    frame[1] = kPrefix1;
    frame[2] = modeLetter;
    return frame;
}

std::vector<std::uint8_t> BuildFrame(std::uint8_t modeLetter, std::string_view header,
                                     const std::uint8_t* payload, std::size_t payloadSize) {
    return Frame(modeLetter, BuildMessage(header, payload, payloadSize));
}

std::vector<std::uint8_t> BuildCertificateChunkMessage(bool bLastChunk, std::uint32_t dwPosition,
                                                       const std::uint8_t* data, std::uint32_t dwSize) {
    const std::string_view header = bLastChunk ? kCertEnd : kFwCert;
    std::vector<std::uint8_t> raw(header.begin(), header.end());
    for (int shift = 0; shift < 32; shift += 8) // position and size go low byte first
        raw.push_back(static_cast<std::uint8_t>(dwPosition >> shift));
    for (int shift = 0; shift < 32; shift += 8)
        raw.push_back(static_cast<std::uint8_t>(dwSize >> shift));
    if (data && dwSize > 0)
        raw.insert(raw.end(), data, data + dwSize);
    std::vector<std::uint8_t> message(raw.size() + 4);
    AddCheckSumDataCrc(message.data(), message.size(), raw.data(), raw.size());
    return message;
}

std::vector<std::uint8_t>
BuildCertificateNameSetMessage(int nType, const std::uint8_t (&name)[kCertificateNameFieldSize]) {
    const std::string_view header = CertificateNameSetHeader(nType);
    if (header.empty())
        return {};
    return BuildMessage(header, name, kCertificateNameFieldSize);
}

std::array<std::uint8_t, 7> ConfigStartCommand(std::uint8_t modeLetter) {
    return {kPrefix0, kPrefix1, modeLetter, 0x7F, 0x1D, 0x1F, kEndOfFrame};
}

std::array<std::uint8_t, 7> CertificateStartCommand(std::uint8_t modeLetter, int nType) {
    if (!IsCertificateType(nType))
        return {kPrefix0, kPrefix1, modeLetter, 0, 0, 0, 0};
    return {kPrefix0, kPrefix1, modeLetter, CertificateStartOpcode(nType), 0x1D, 0x1F, kEndOfFrame};
}

StartReply ClassifyStartReply(const std::uint8_t* reply, std::size_t received) {
    if (!reply || received < 5 || std::memcmp(reply, Module_RSP_Header.data(), 3) != 0 ||
        reply[4] != kEndOfFrame)
        return StartReply::Invalid;
    if (reply[3] == 0x7F)
        return StartReply::Accepted;
    if (reply[3] == 0x7E)
        return StartReply::Refused;
    return StartReply::Invalid;
}

bool IsCertificateStartReply(const std::uint8_t* reply, std::size_t received) {
    static constexpr std::uint8_t expected[8] = {kPrefix0, kPrefix1, kModeReply, 'S',
                                                 'T',      'R',      'T',        kEndOfFrame};
    return reply && received >= 8 && std::memcmp(reply, expected, 8) == 0;
}

bool IsFactoryResetSupportedReply(const std::uint8_t* reply, std::size_t received) {
    if (!reply || received < 4)
        return false;
    bool supported = false;
    for (std::size_t p = 0; p + 4 <= received; ++p) {
        if (reply[p] == '_')
            supported = reply[p + 1] == 'O' && reply[p + 2] == 'K' && reply[p + 3] == 0x00;
    }
    return supported;
}

bool ContainsOkReply(const std::uint8_t* reply, std::size_t received) {
    if (!reply)
        return false;
    for (std::size_t p = 0; p + 4 <= received; ++p) {
        if (reply[p] == '_' && reply[p + 1] == 'O' && reply[p + 2] == 'K' && reply[p + 3] == 0x00)
            return true;
    }
    return false;
}

bool StartsWith(const std::uint8_t* data, std::size_t length, std::string_view text) {
    return data && length >= text.size() && std::memcmp(data, text.data(), text.size()) == 0;
}

bool ParsedFrame::HasHeader(std::string_view header) const {
    return StartsWith(message.data(), message.size(), header);
}

ParsedFrame ParseFrame(const std::uint8_t* received, std::size_t count, std::size_t minLength) {
    ParsedFrame parsed;
    if (!received || count == 0 || received[count - 1] != kEndOfFrame) {
        parsed.check = FrameCheck::NoEndByte;
        return parsed;
    }
    if (count < minLength) {
        parsed.check = FrameCheck::TooShort;
        return parsed;
    }
    parsed.message = HexDecode(received, count);
    if (parsed.message.empty() || Checksum16(parsed.message.data(), parsed.message.size()) != 0) {
        parsed.check = FrameCheck::ChecksumFailed;
        return parsed;
    }
    parsed.check = parsed.HasHeader(kFail) ? FrameCheck::FirmwareFail : FrameCheck::Ok;
    return parsed;
}

UncheckedReply ClassifyUncheckedReply(const std::uint8_t* reply, std::size_t received) {
    if (!reply || received < kUnencodedReplyMinLength)
        return UncheckedReply::TooShort;
    if (received >= kEncodedReplyMinLength) {
        std::uint8_t message[kHeaderSize];
        const std::size_t decoded = HexDecode(reply, 3 + 2 * kHeaderSize, message, sizeof message);
        return StartsWith(message, decoded, kIfSuc) ? UncheckedReply::Success
                                                    : UncheckedReply::EncodedNotSuccess;
    }
    if (std::memcmp(reply, Module_RSP_Header.data(), 3) != 0)
        return UncheckedReply::PrefixDifferent;
    return StartsWith(reply + 3, received - 3, kIfSuc) ? UncheckedReply::Success
                                                       : UncheckedReply::UnencodedNotSuccess;
}

} // namespace DeviceFrame
