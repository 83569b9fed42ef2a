// The replies about certificates: the name replies of the three types (pieces of the input separated by
// FF 00 FF) and the unchecked replies to a name set or a certificate chunk.

#include "DeviceFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Bytes whole(data, data + size);
    const DeviceFrame::UncheckedReply unchecked =
        DeviceFrame::ClassifyUncheckedReply(whole.data(), whole.size());
    if (unchecked == DeviceFrame::UncheckedReply::Success)
        FUZZ_REQUIRE(size >= DeviceFrame::kUnencodedReplyMinLength);
    if (size < DeviceFrame::kUnencodedReplyMinLength)
        FUZZ_REQUIRE(unchecked == DeviceFrame::UncheckedReply::TooShort);

    const std::size_t chunk = fuzz::ChunkFrom(data, size);
    fuzz::DeviceRig rig(fuzz::SplitReplies(data, size, 3), chunk);
    static const CERT_NAME_INFO zero{};
    for (int nType = DeviceFrame::kCertificateCA; nType <= DeviceFrame::kCertificateClientPEM; ++nType) {
        fuzz::FillPattern(rig.state.m_CertificateName[nType], static_cast<std::uint8_t>(nType));
        const bool ok = rig.exchange->Certificates().GetCertificateName(&rig.port, nType);
        // A failed read leaves the name empty, never half of a reply.
        if (!ok)
            FUZZ_REQUIRE(fuzz::SameBytes(rig.state.m_CertificateName[nType], zero));
        (void)DeviceRecords::FieldText(rig.state.m_CertificateName[nType].byCertName);
    }
    FUZZ_REQUIRE(!rig.exchange->Certificates().GetCertificateName(&rig.port, 3));

    fuzz::DeviceRig set({fuzz::Bytes(data, data + size)}, chunk);
    (void)set.exchange->Certificates().SetCertificateName(&set.port, DeviceFrame::kCertificateClientKey,
                                                          "client.key");
    return 0;
}
