#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The messages on the line to the printer's network module.
//
// A framed message is 0x1F 'W' and a mode letter, the message bytes as lower-case hex text (two digits per
// byte, high nibble first) and the end byte 0x03: 2L + 4 bytes for L message bytes. The message bytes are an
// ASCII header, a payload, a zero fill byte when header and payload have an odd length, and the 16-bit
// checksum high byte first; certificate chunks carry a CRC-32 instead (most significant byte first, no fill).
// Raw commands (start handshakes, factory reset, its query) are written as they stand.
namespace DeviceFrame {

inline constexpr std::uint8_t kPrefix0 = 0x1F;
inline constexpr std::uint8_t kPrefix1 = 'W';
inline constexpr std::uint8_t kEndOfFrame = 0x03;
inline constexpr std::size_t kPrefixSize = 3;

// Mode letters: requests carry 'C' normally and 'N' once the module refused the normal start; replies and
// configuration files carry 'M'.
inline constexpr std::uint8_t kModeNormal = 'C';
inline constexpr std::uint8_t kModeRefused = 'N';
inline constexpr std::uint8_t kModeReply = 'M';

// The three bytes that open every reply.
inline constexpr std::array<std::uint8_t, 3> Module_RSP_Header = {kPrefix0, kPrefix1, kModeReply};

// Message headers (ASCII, no terminating zero). The CA ones have 17 characters, all others 18.
inline constexpr std::string_view kSysReq = "__[I_F]__[SYS_REQ]";
inline constexpr std::string_view kSysRsp = "__[I_F]__[SYS_RSP]"; // CFG_SYSINFO_RSP
inline constexpr std::string_view kIfGet = "__[I_F]__[IF__GET]";
inline constexpr std::string_view kIfCur = "__[I_F]__[IF__CUR]"; // CFG_MESSAGE_CURINFO
inline constexpr std::string_view kIfSet = "__[I_F]__[IF__SET]";
inline constexpr std::string_view kIfSuc = "__[I_F]__[IF__SUC]"; // CFG_MESSAGE_SUCCESS
inline constexpr std::string_view kFail = "__[I_F]__[___FAIL]";  // CFG_FW_MESSAGE_FAIL
inline constexpr std::string_view kBssReq = "__[I_F]__[BSS_REQ]";
inline constexpr std::string_view kBssRsp = "__[I_F]__[BSS_RSP]"; // INF_BSSINFO_RSP
inline constexpr std::string_view kCaSet = "__[I_F]__[CA_SET]";
inline constexpr std::string_view kKeySet = "__[I_F]__[KEY_SET]";
inline constexpr std::string_view kPemSet = "__[I_F]__[PEM_SET]";
inline constexpr std::string_view kCaReq = "__[I_F]__[CA_REQ]";
inline constexpr std::string_view kKeyReq = "__[I_F]__[KEY_REQ]";
inline constexpr std::string_view kPemReq = "__[I_F]__[PEM_REQ]";
inline constexpr std::string_view kCaRsp = "__[I_F]__[CA_RSP]";
inline constexpr std::string_view kKeyRsp = "__[I_F]__[KEY_RSP]";
inline constexpr std::string_view kPemRsp = "__[I_F]__[PEM_RSP]";
inline constexpr std::string_view kFwCert = "__[I_F]__[FW_CERT]";
inline constexpr std::string_view kCertEnd = "__[I_F]__[CERTEND]";
inline constexpr std::size_t kHeaderSize = 18; // the usual header length

// Certificate types (the values of m_nCertificateType).
inline constexpr int kCertificateCA = 0;
inline constexpr int kCertificateClientKey = 1;
inline constexpr int kCertificateClientPEM = 2;
bool IsCertificateType(int nType);
// The type's headers; empty for a type outside 0..2.
std::string_view CertificateNameSetHeader(int nType);
std::string_view CertificateNameRequestHeader(int nType);
std::string_view CertificateNameReplyHeader(int nType);
// The opcode of the certificate start: 0x81 CA, 0x82 client key, 0x83 client PEM; 0 for other types.
std::uint8_t CertificateStartOpcode(int nType);

// The fixed buffers of the exchanges: every reply (and every frame built) must fit its exchange's buffer.
inline constexpr std::size_t kStartBufferSize = 32;        // configuration and certificate start
inline constexpr std::size_t kSysBufferSize = 256;         // SYS_REQ / SYS_RSP
inline constexpr std::size_t kConfigBufferSize = 2048;     // IF__GET, IF__CUR, IF__SET
inline constexpr std::size_t kCertNameBufferSize = 4096;   // CA/KEY/PEM _SET, _REQ, _RSP
inline constexpr std::size_t kScanBufferSize = 5624;       // BSS_REQ / BSS_RSP
inline constexpr std::size_t kCertChunkBufferSize = 10240; // certificate chunks and their replies
inline constexpr std::size_t kFactoryQueryBufferSize = 1024;
inline constexpr std::size_t kFactoryResetBufferSize = 128;

// Minimum reply lengths on the line.
inline constexpr std::size_t kSysReplyMinLength = 2 * 56 + 2 * 18 + 4; // 152
inline constexpr std::size_t kConfigReplyMinLength = 1252;
inline constexpr std::size_t kBssReplyMinLength = 2 * 18 + 4 + 1; // longer than 40
inline constexpr std::size_t kEncodedReplyMinLength = 40;         // chunk and name-set replies in hex
inline constexpr std::size_t kUnencodedReplyMinLength = 22;       // ... and in the unencoded form

// ---- checksums -------------------------------------------------------------------------------------------

// The 16-bit one's-complement checksum (RFC 1071) over n message bytes; an odd count counts one more zero
// byte. 0 over a whole received message means it is intact.
std::uint16_t Checksum16(const std::uint8_t* data, std::size_t n);

// CRC-32 of certificate chunks: polynomial 0x04C11DB7, most significant bit first, start 0, no final xor.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t n);

// Copies length message bytes into buffer (zeroed first, bufferSize bytes), appends a zero fill byte when
// length is odd and the 16-bit checksum high byte first. The total (length + fill + 2); 0 when it does not
// fit the buffer.
std::size_t AddCheckSumData(std::uint8_t* buffer, std::size_t bufferSize, const std::uint8_t* message,
                            std::size_t length);
// The certificate form: copies and appends the CRC-32 (no fill). length + 4; 0 when it does not fit.
std::size_t AddCheckSumDataCrc(std::uint8_t* buffer, std::size_t bufferSize, const std::uint8_t* message,
                               std::size_t length);

// ---- hex text and frames ---------------------------------------------------------------------------------

// Zeroes frame (frameSize bytes), writes the hex text of the L message bytes from offset 3 and the end byte
// at 3 + 2L; the caller puts the prefix at 0..2. The frame length 2L + 4; 0 when it does not fit.
std::size_t HexEncode(std::uint8_t* frame, std::size_t frameSize, const std::uint8_t* message, std::size_t L);
// Decodes n = (received - 3) / 2 message bytes from offsets 3 + 2i and 4 + 2i into message (room bytes).
// A digit up to '9' counts c - '0', any other c - 'a' + 10: upper-case or foreign digits give other bytes
// and so a failed checksum. The count decoded; 0 when received < 5 or the bytes do not fit room.
std::size_t HexDecode(const std::uint8_t* frame, std::size_t received, std::uint8_t* message,
                      std::size_t room);
std::vector<std::uint8_t> HexDecode(const std::uint8_t* frame, std::size_t received);

// The message bytes of header and payload with fill byte and checksum.
std::vector<std::uint8_t> BuildMessage(std::string_view header, const std::uint8_t* payload = nullptr,
                                       std::size_t payloadSize = 0);
// A whole frame: 0x1F 'W' modeLetter, the hex text of message, 0x03.
std::vector<std::uint8_t> Frame(std::uint8_t modeLetter, const std::vector<std::uint8_t>& message);
// The frame of header and payload with its checksum.
std::vector<std::uint8_t> BuildFrame(std::uint8_t modeLetter, std::string_view header,
                                     const std::uint8_t* payload = nullptr, std::size_t payloadSize = 0);

// A certificate chunk message: FW_CERT for a full chunk, CERTEND for the last, shorter one; position and
// size low byte first, the data, the CRC-32 over all of it.
std::vector<std::uint8_t> BuildCertificateChunkMessage(bool bLastChunk, std::uint32_t dwPosition,
                                                       const std::uint8_t* data, std::uint32_t dwSize);
// The name-set message of a certificate type with its 32-byte name field; empty for another type.
inline constexpr std::size_t kCertificateNameFieldSize = 32;
std::vector<std::uint8_t>
BuildCertificateNameSetMessage(int nType, const std::uint8_t (&name)[kCertificateNameFieldSize]);

// ---- raw commands ----------------------------------------------------------------------------------------

// Configuration start: 0x1F 'W' mode 0x7F 0x1D 0x1F 0x03.
std::array<std::uint8_t, 7> ConfigStartCommand(std::uint8_t modeLetter);
// Certificate start: 0x1F 'W' mode opcode 0x1D 0x1F 0x03; four zero bytes after the prefix for another type.
std::array<std::uint8_t, 7> CertificateStartCommand(std::uint8_t modeLetter, int nType);
// The factory-reset query and the factory reset carry fixed letters, not the mode letter.
inline constexpr std::array<std::uint8_t, 4> kFactoryResetQuery = {kPrefix0, kPrefix1, 'Q', 0x00};
inline constexpr std::array<std::uint8_t, 5> kFactoryReset = {kPrefix0, kPrefix1, 'P', 0x03, 0x00};

// ---- replies ---------------------------------------------------------------------------------------------

// The reply to a configuration start: 0x1F 'W' 'M' 0x7F 0x03 accepted, 0x1F 'W' 'M' 0x7E 0x03 refused.
enum class StartReply { Accepted, Refused, Invalid };
StartReply ClassifyStartReply(const std::uint8_t* reply, std::size_t received);
// The reply to a certificate start: at least 8 bytes, 0x1F 'W' 'M' "STRT" 0x03.
bool IsCertificateStartReply(const std::uint8_t* reply, std::size_t received);
// The factory-reset query's reply: with 4 or more bytes, every '_' that has 4 bytes from it to the end
// decides in turn whether "_OK" and a zero byte are there; the last one counts. No '_': false.
bool IsFactoryResetSupportedReply(const std::uint8_t* reply, std::size_t received);
// True when "_OK" and a zero byte appear anywhere in reply.
bool ContainsOkReply(const std::uint8_t* reply, std::size_t received);

// The checks of a framed reply, in this order.
enum class FrameCheck {
    Ok,
    NoEndByte,      // nothing came, or the last byte is not 0x03
    TooShort,       // fewer bytes than the exchange's minimum
    ChecksumFailed, // the decoded message does not checksum to 0
    FirmwareFail,   // the message begins with "__[I_F]__[___FAIL]"
};
struct ParsedFrame {
    FrameCheck check = FrameCheck::NoEndByte;
    std::vector<std::uint8_t> message; // the decoded bytes (checksum included) once decoded
    bool Ok() const { return check == FrameCheck::Ok; }
    bool HasHeader(std::string_view header) const;
    // The bytes after header (the payload, then fill and checksum).
    const std::uint8_t* After(std::string_view header) const { return message.data() + header.size(); }
    std::size_t SizeAfter(std::string_view header) const {
        return message.size() > header.size() ? message.size() - header.size() : 0;
    }
};
// The end byte, the minimum length, the decoding, the checksum and the firmware's failure reply. The prefix
// is not compared: the caller compares the header it expects.
ParsedFrame ParseFrame(const std::uint8_t* received, std::size_t count, std::size_t minLength = 0);

// The reply to a certificate chunk or a name set, which is not checksummed: at least 40 bytes are hex text
// whose message must begin with "__[I_F]__[IF__SUC]"; 22 to 39 bytes are the unencoded form, the reply
// prefix followed by "__[I_F]__[IF__SUC]". Anything else (a ___FAIL included) is a failure.
enum class UncheckedReply {
    Success,
    EncodedNotSuccess,   // hex form without the success header
    PrefixDifferent,     // unencoded form without the reply prefix
    UnencodedNotSuccess, // unencoded form without the success header
    TooShort,            // fewer than 22 bytes
};
UncheckedReply ClassifyUncheckedReply(const std::uint8_t* reply, std::size_t received);

// True when data (length bytes) begins with text.
bool StartsWith(const std::uint8_t* data, std::size_t length, std::string_view text);

} // namespace DeviceFrame
