#include "devcfg/DeviceCertificateExchange.h"

#include "app/DiagnosticLog.h"
#include "app/Utf8.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// The first count characters of text (UTF-8).
std::string_view FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t position = 0;
    for (std::size_t characters = 0; position < text.size() && characters < count; ++characters) {
        ++position;
        while (position < text.size() && (static_cast<unsigned char>(text[position]) & 0xC0) == 0x80)
            ++position;
    }
    return text.substr(0, position);
}

} // namespace

bool DeviceCertificateExchange::DataValidation4Certificate(const std::string& path) {
    WriteLog("DataValidation4Certificate : START");
    DeviceConfigState& state = m_link.State();
    // Not blocking on a pipe or device picked by mistake: only a regular file is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        WriteLog("DataValidation4Certificate : _tfopen_s failed with (%d)", errno);
        WriteLog("DataValidation4Certificate : END");
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        WriteLog("DataValidation4Certificate : not a regular file");
        WriteLog("DataValidation4Certificate : END");
        return false;
    }
    const auto size = static_cast<std::uint64_t>(info.st_size);
    bool result = false;
    if (size >= DeviceConfigState::kCertificateBufferSize) {
        WriteLog("DataValidation4Certificate : bigger than 10K");
    } else {
        state.m_dwCertificateSize = 0;
        state.m_Certificate.assign(DeviceConfigState::kCertificateBufferSize, 0);
        // One byte more than the size tells a file that grew since its size was taken.
        std::size_t got = 0;
        bool failed = false;
        while (got <= size && got < DeviceConfigState::kCertificateBufferSize) {
            const ssize_t n =
                ::read(fd, state.m_Certificate.data() + got, DeviceConfigState::kCertificateBufferSize - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                failed = n < 0;
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        if (!failed && got == size) {
            state.m_dwCertificateSize = static_cast<std::uint32_t>(size);
            WriteLog("DataValidation4Certificate : m_dwCertificateSize = %u", state.m_dwCertificateSize);
            result = true;
        } else {
            state.m_Certificate.assign(DeviceConfigState::kCertificateBufferSize, 0);
            WriteLog("DataValidation4Certificate : failed to read data.");
        }
    }
    ::close(fd);
    WriteLog("DataValidation4Certificate : END");
    return result;
}

bool DeviceCertificateExchange::IsPemOrDer(const std::uint8_t* bytes, std::size_t size) {
    if (!bytes || size < 2)
        return false;
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    // PEM: a "-----BEGIN " line and, after it, its "-----END " line.
    const std::size_t begin = text.find("-----BEGIN ");
    if (begin != std::string_view::npos && (begin == 0 || text[begin - 1] == '\n')) {
        const std::size_t end = text.find("\n-----END ", begin);
        if (end != std::string_view::npos && text.find("-----", end + 10) != std::string_view::npos)
            return true;
    }
    // DER: a SEQUENCE whose definite length covers exactly the rest of the bytes.
    if (bytes[0] != 0x30)
        return false;
    std::size_t length = bytes[1];
    std::size_t header = 2;
    if (length & 0x80) {
        const std::size_t count = length & 0x7F;
        if (count == 0 || count > 3 || size < 2 + count)
            return false;
        length = 0;
        for (std::size_t i = 0; i < count; ++i)
            length = (length << 8) | bytes[2 + i];
        header += count;
    }
    return length > 0 && header + length == size;
}

bool DeviceCertificateExchange::SendCertificateStartMessage(CPortMng* pPortHandle) {
    WriteLog("SendCertificateStartMessage : START");
    if (!pPortHandle) {
        WriteLog("SendCertificateStartMessage : pPortHandle is NULL.");
        return false;
    }
    const DeviceConfigState& state = m_link.State();
    WriteLog("SendCertificateStartMessage : m_nCertificateType = %d", state.m_nCertificateType);
    const auto command = DeviceFrame::CertificateStartCommand(state.m_byModeLetter, state.m_nCertificateType);
    m_link.WriteBytes(*pPortHandle, command.data(), command.size(), "SendCertificateStartMessage");
    std::vector<std::uint8_t> reply;
    const std::size_t received =
        m_link.ReadReply(*pPortHandle, ReadRules::CertificateStart, reply, "SendCertificateStartMessage");
    const bool result = DeviceFrame::IsCertificateStartReply(reply.data(), received);
    if (!result)
        WriteLog("SendCertificateStartMessage : not STRT");
    WriteLog("SendCertificateStartMessage : END");
    return result;
}

bool DeviceCertificateExchange::SendChunk(CPortMng& port, bool bLastChunk, std::uint32_t dwPosition,
                                          std::uint32_t dwSize) {
    const DeviceConfigState& state = m_link.State();
    WriteLog("SendCertificateInformation : %s position = %u, size = %u", bLastChunk ? "CERTEND" : "FW_CERT",
             dwPosition, dwSize);
    const std::vector<std::uint8_t> message = DeviceFrame::BuildCertificateChunkMessage(
        bLastChunk, dwPosition, state.m_Certificate.data() + dwPosition, dwSize);
    m_link.WriteMessage(port, message, "SendCertificateInformation");
    std::vector<std::uint8_t> reply;
    const std::size_t received =
        m_link.ReadReply(port, ReadRules::CertificateChunk, reply, "SendCertificateInformation");
    switch (DeviceFrame::ClassifyUncheckedReply(reply.data(), received)) {
    case DeviceFrame::UncheckedReply::Success:
        WriteLog("SendCertificateInformation : CFG_MESSAGE_SUCCESS");
        return true;
    case DeviceFrame::UncheckedReply::EncodedNotSuccess:
        WriteLog("SendCertificateInformation : CFG_FW_MESSAGE_FAIL");
        break;
    case DeviceFrame::UncheckedReply::PrefixDifferent:
        WriteLog("SendConfigInformation : Module_RSP_Header is different");
        break;
    case DeviceFrame::UncheckedReply::UnencodedNotSuccess:
        WriteLog("SendConfigInformation : not CFG_MESSAGE_SUCCESS");
        break;
    case DeviceFrame::UncheckedReply::TooShort:
        WriteLog("SendCertificateInformation : no valid reply (%zu bytes)", received);
        break;
    }
    return false;
}

bool DeviceCertificateExchange::SendCertificateInformation(CPortMng* pPortHandle, std::string_view name) {
    WriteLog("SendCertificateInformation : START");
    const DeviceConfigState& state = m_link.State();
    if (!pPortHandle) {
        WriteLog("SendCertificateInformation : pPortHandle is NULL.");
        return false;
    }
    const std::uint32_t size = state.m_dwCertificateSize;
    if (size == 0 || size > state.m_Certificate.size()) {
        WriteLog("SendCertificateInformation : m_dwCertificateSize = %u", size);
        return false;
    }
    // Above 500 bytes full chunks of 500; up to 500 two halves (and a 1-byte rest for an odd size); a
    // single byte goes as one last chunk.
    const std::uint32_t chunk = size > kChunkSize ? kChunkSize : (size > 1 ? size / 2 : 1);
    std::uint32_t rest = size;
    std::uint32_t position = 0;
    bool bChunks = true;
    while (rest > 0 && bChunks) {
        const std::uint32_t d = rest < chunk ? rest : chunk;
        const bool bLast = d < chunk || size == 1;
        bChunks = SendChunk(*pPortHandle, bLast, position, d);
        position += d;
        rest -= d;
    }
    bool result = bChunks && rest == 0;
    if (!result)
        WriteLog("SendCertificateInformation : upload failed at position %u", position);
    else if (state.m_bCertificateName)
        result = SetCertificateName(pPortHandle, state.m_nCertificateType, name);
    WriteLog("SendCertificateInformation : END");
    return result;
}

void DeviceCertificateExchange::CertificateNameField(
    std::string_view name, std::uint8_t (&field)[DeviceFrame::kCertificateNameFieldSize]) {
    std::memset(field, 0, sizeof field);
    const std::string_view text =
        Utf8::CutToBytes(FirstCharacters(Trimmed(name), 32), DeviceFrame::kCertificateNameFieldSize - 1);
    if (!text.empty())
        std::memcpy(field, text.data(), text.size());
}

bool DeviceCertificateExchange::SetCertificateName(CPortMng* pPortHandle, int nType, std::string_view name) {
    WriteLog("SetCertificateName : START");
    if (!DeviceFrame::IsCertificateType(nType)) {
        WriteLog("SetCertificateName : NOT SUPPORTED CERT TYPE");
        return false;
    }
    if (!pPortHandle) {
        WriteLog("SetCertificateName : pPortHandle is NULL.");
        return false;
    }
    std::uint8_t field[DeviceFrame::kCertificateNameFieldSize];
    CertificateNameField(name, field);
    WriteLog("SetCertificateName : nType = %d, name = %s", nType, DeviceRecords::FieldText(field).c_str());
    m_link.WriteMessage(*pPortHandle, DeviceFrame::BuildCertificateNameSetMessage(nType, field),
                        "SetCertificateName");
    std::vector<std::uint8_t> reply;
    const std::size_t received =
        m_link.ReadReply(*pPortHandle, ReadRules::CertificateName, reply, "SetCertificateName");
    const DeviceFrame::UncheckedReply kind = DeviceFrame::ClassifyUncheckedReply(reply.data(), received);
    const bool result = kind == DeviceFrame::UncheckedReply::Success;
    if (result)
        WriteLog("SetCertificateName : CFG_MESSAGE_SUCCESS");
    else if (kind == DeviceFrame::UncheckedReply::TooShort)
        WriteLog("SetCertificateName : no valid reply (%zu bytes)", received);
    else
        WriteLog("SetCertificateName : CFG_FW_MESSAGE_FAIL");
    WriteLog("SetCertificateName : END");
    return result;
}

bool DeviceCertificateExchange::GetCertificateName(CPortMng* pPortHandle, int nType) {
    WriteLog("GetCertificateName : START");
    DeviceConfigState& state = m_link.State();
    if (!DeviceFrame::IsCertificateType(nType)) {
        WriteLog("GetCertificateName : NOT SUPPORTED CERT TYPE");
        return false;
    }
    std::memset(&state.m_CertificateName[nType], 0, sizeof(CERT_NAME_INFO));
    if (!pPortHandle) {
        WriteLog("GetCertificateName : pPortHandle is NULL.");
        return false;
    }
    WriteLog("GetCertificateName : nType = %d", nType);
    m_link.WriteMessage(*pPortHandle,
                        DeviceFrame::BuildMessage(DeviceFrame::CertificateNameRequestHeader(nType)),
                        "GetCertificateName");
    std::vector<std::uint8_t> reply;
    const std::size_t received =
        m_link.ReadReply(*pPortHandle, ReadRules::CertificateName, reply, "GetCertificateName");
    const DeviceFrame::ParsedFrame parsed = DeviceFrame::ParseFrame(reply.data(), received);
    const std::string_view header = DeviceFrame::CertificateNameReplyHeader(nType);
    bool result = false;
    if (parsed.check == DeviceFrame::FrameCheck::NoEndByte) {
        WriteLog("GetCertificateName : data validation failed");
    } else if (parsed.check == DeviceFrame::FrameCheck::ChecksumFailed) {
        WriteLog("GetCertificateName : checksum failed.");
    } else if (parsed.check == DeviceFrame::FrameCheck::FirmwareFail) {
        WriteLog("GetCertificateName : CFG_FW_MESSAGE_FAIL");
    } else if (!parsed.HasHeader(header) || parsed.SizeAfter(header) < sizeof(CERT_NAME_INFO)) {
        WriteLog("GetCertificateName : NOT VAILD RES");
    } else {
        std::memcpy(&state.m_CertificateName[nType], parsed.After(header), sizeof(CERT_NAME_INFO));
        WriteLog("GetCertificateName : name = %s",
                 DeviceRecords::FieldText(state.m_CertificateName[nType].byCertName).c_str());
        result = true;
    }
    WriteLog("GetCertificateName : END");
    return result;
}
