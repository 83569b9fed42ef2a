#pragma once

#include "devcfg/DeviceLink.h"

#include <string>
#include <string_view>

// Certificate upload and names: the file check, the certificate start, the chunks with their CRC-32, and
// the name set and request of each certificate type. Works on an open port; the caller opens and closes it.
class DeviceCertificateExchange {
public:
    // Chunks carry at most this many certificate bytes; a certificate of up to twice that goes in halves.
    static constexpr std::uint32_t kChunkSize = 500;

    explicit DeviceCertificateExchange(DeviceLink& link) : m_link(link) {}

    // Loads the certificate file at path into the state's buffer. Only a regular file is read, and opening
    // it never waits (a named pipe is refused at once). Files of 10240 bytes or more are refused and leave
    // the buffer as it was; a failed read leaves it empty.
    bool DataValidation4Certificate(const std::string& path);
    // The certificate start for the state's m_nCertificateType; true on "STRT".
    bool SendCertificateStartMessage(CPortMng* pPortHandle);
    // Uploads the loaded certificate in chunks and, when the module keeps names, sets its name. True only
    // when every chunk succeeded and, where names are kept, the name set did too.
    bool SendCertificateInformation(CPortMng* pPortHandle, std::string_view name);
    // Sets the name of the certificate of nType: trimmed, at most 32 characters, and cut to 31 bytes on a
    // character boundary so that the 32-byte field keeps its terminator.
    bool SetCertificateName(CPortMng* pPortHandle, int nType, std::string_view name);
    // Reads the name of the certificate of nType into the state (cleared first).
    bool GetCertificateName(CPortMng* pPortHandle, int nType);

    // Whether bytes hold a certificate or key in PEM form (a "-----BEGIN " line with its "-----END " line)
    // or in DER form (one ASN.1 sequence whose length is exactly the rest of the bytes).
    static bool IsPemOrDer(const std::uint8_t* bytes, std::size_t size);

    // The 32-byte name field SetCertificateName sends for name.
    static void CertificateNameField(std::string_view name,
                                     std::uint8_t (&field)[DeviceFrame::kCertificateNameFieldSize]);

private:
    bool SendChunk(CPortMng& port, bool bLastChunk, std::uint32_t dwPosition, std::uint32_t dwSize);

    DeviceLink& m_link;
};
