#pragma once

#include "devcfg/DeviceConfigState.h"
#include "devcfg/IDeviceSleeper.h"
#include "devport/CPortMng.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// How an exchange reads its reply: a delay before every read, a receive buffer of fixed size, a number of
// reads, when to stop early, and the largest reply the exchange expects (which sets how long the reply
// takes on a slow serial line).
struct ReadRule {
    enum class Stop {
        EndByte,           // bytes arrived and the last is 0x03
        EndByteAndMinimum, // ... and at least minimum bytes are in
        EndByteOrQuiet,    // bytes arrived and the last is 0x03, or two reads in a row after them brought
                           // nothing
        AnyBytes,          // anything arrived
        Never,             // every read is made
    };
    std::chrono::milliseconds delay;
    std::size_t bufferSize;
    int attempts;
    Stop stop;
    std::size_t largestReply;
    std::size_t minimum = 0;
};

namespace ReadRules {
using namespace std::chrono_literals;
// The largest replies, in bytes on the line.
inline constexpr std::size_t kStartReply = 5;                   // 0x1F 'W' 'M' 0x7F 0x03
inline constexpr std::size_t kCertificateStartReply = 8;        // 0x1F 'W' 'M' "STRT" 0x03
inline constexpr std::size_t kSuccessReply = 2 * (18 + 2) + 4;  // IF__SUC, header and checksum: 44
inline constexpr std::size_t kSysReply = 2 * (18 + 56 + 2) + 4; // SYS_RSP: 156
inline constexpr std::size_t kConfigReply = 1280;               // IF__CUR of the Wi-Fi Direct + RF module
inline constexpr std::size_t kCertificateNameReply = 2 * (18 + 34 + 2) + 4; // *_RSP with CERT_NAME_INFO: 112
inline constexpr std::size_t kFactoryReply = 16;                            // a short text holding "_OK" 0x00

// The configuration start and the start in the alternate mode: maxTry + 1 reads.
inline ReadRule ConfigStart(int maxTry) {
    return {250ms, DeviceFrame::kStartBufferSize, maxTry + 1, ReadRule::Stop::EndByte, kStartReply};
}
inline ReadRule RefusedStart(int maxTry) {
    return {50ms, DeviceFrame::kStartBufferSize, maxTry + 1, ReadRule::Stop::EndByte, kStartReply};
}
inline const ReadRule SysReq{250ms, DeviceFrame::kSysBufferSize, 11, ReadRule::Stop::EndByte, kSysReply};
inline const ReadRule IfGet{
    250ms,        DeviceFrame::kConfigBufferSize,    5, ReadRule::Stop::EndByteAndMinimum,
    kConfigReply, DeviceFrame::kConfigReplyMinLength};
inline const ReadRule IfSet{50ms, DeviceFrame::kConfigBufferSize, 11, ReadRule::Stop::EndByte, kSuccessReply};
inline ReadRule BssReq(int maxTry) {
    return {50ms, DeviceFrame::kScanBufferSize, maxTry + 1, ReadRule::Stop::EndByte,
            DeviceFrame::kScanBufferSize};
}
inline const ReadRule CertificateName{50ms, DeviceFrame::kCertNameBufferSize, 11, ReadRule::Stop::EndByte,
                                      kCertificateNameReply};
// The certificate start and chunk replies are read until their end byte, so that one that comes in pieces
// over a slow serial line is whole before it is judged; one that lacks its end byte ends the read once the
// line has gone quiet after it (a USB read waits up to 3 s each time: 21 of them would be a minute a chunk).
inline const ReadRule CertificateStart{50ms, DeviceFrame::kStartBufferSize, 11,
                                       ReadRule::Stop::EndByteOrQuiet, kCertificateStartReply};
inline const ReadRule CertificateChunk{50ms, DeviceFrame::kCertChunkBufferSize, 21,
                                       ReadRule::Stop::EndByteOrQuiet, kSuccessReply};
inline const ReadRule FactoryResetQuery{50ms, DeviceFrame::kFactoryQueryBufferSize, 2,
                                        ReadRule::Stop::AnyBytes, kFactoryReply};
inline const ReadRule FactoryReset{50ms, DeviceFrame::kFactoryResetBufferSize, 11, ReadRule::Stop::Never,
                                   kFactoryReply};
} // namespace ReadRules

// The line to the module for one exchange: writes requests with the current mode letter, reads replies by
// their rule, and runs the start handshake with its refusal path.
class DeviceLink {
public:
    // Every read passes this time-out argument to the port (which bounds its own waits).
    static constexpr std::uint32_t kReadTimeoutMs = 1000;

    DeviceLink(DeviceConfigState& state, IDeviceSleeper& sleeper) : m_state(state), m_sleeper(sleeper) {}

    // Below this serial rate a reply's own time on the line is added to the read window.
    static constexpr std::uint32_t kSlowLineBaudRate = 38400;

    // The reads a rule makes on port: its attempts, and on a serial line below 38400 baud as many more
    // as the rule's largest reply takes on the line (ten bits a byte) in the rule's delays.
    static int ReadAttempts(const CPortMng& port, const ReadRule& rule);

    // Reads a reply by rule into reply (cleared first): sleeps the rule's delay before every read and reads
    // after the bytes already received, ReadAttempts times at most. The bytes received; 0 when a reply does
    // not fit the rule's buffer (it is refused whole, logged under operation).
    std::size_t ReadReply(CPortMng& port, const ReadRule& rule, std::vector<std::uint8_t>& reply,
                          std::string_view operation);

    // Writes bytes; the count written (logged under operation).
    std::uint32_t WriteBytes(CPortMng& port, const std::uint8_t* bytes, std::size_t count,
                             std::string_view operation);
    // Frames message with the current mode letter and writes it; the count written.
    std::uint32_t WriteMessage(CPortMng& port, const std::vector<std::uint8_t>& message,
                               std::string_view operation);

    // The start handshake before a configuration exchange. In refused mode it is the alternate handshake
    // right away; a refusal leads to it. received: the bytes of the last start reply (may be null).
    bool SendConfigStartMessage(CPortMng* pPortHandle, std::uint32_t* received, int maxTry);
    // The start in the alternate mode: the mode letter becomes 'N' and stays so until the next read; true
    // (and refused mode set) when the module accepts.
    bool HandleRefusalMessage(CPortMng* pPortHandle, std::uint32_t* received, int maxTry);

    DeviceConfigState& State() { return m_state; }
    IDeviceSleeper& Sleeper() { return m_sleeper; }

private:
    DeviceConfigState& m_state;
    IDeviceSleeper& m_sleeper;
};
