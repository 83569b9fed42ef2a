// The replies to the start handshakes: the configuration start (with its refusal path) and the certificate
// start.

#include "DeviceFuzz.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Bytes whole(data, data + size);
    const DeviceFrame::StartReply kind = DeviceFrame::ClassifyStartReply(whole.data(), whole.size());
    static const std::uint8_t accepted[] = {0x1F, 'W', 'M', 0x7F, 0x03};
    static const std::uint8_t refused[] = {0x1F, 'W', 'M', 0x7E, 0x03};
    if (kind == DeviceFrame::StartReply::Accepted)
        FUZZ_REQUIRE(size >= 5 && ::memmem(data, size, accepted, 5));
    if (kind == DeviceFrame::StartReply::Refused)
        FUZZ_REQUIRE(size >= 5 && ::memmem(data, size, refused, 5));
    if (DeviceFrame::IsCertificateStartReply(whole.data(), whole.size()))
        FUZZ_REQUIRE(size >= 8);

    const std::uint8_t* rest = data;
    std::size_t restSize = size;
    const std::size_t chunk = fuzz::ChunkFrom(rest, restSize);
    fuzz::DeviceRig rig(fuzz::SplitReplies(rest, restSize, 40), chunk);
    std::uint32_t received = 0;
    const bool started = rig.exchange->Link().SendConfigStartMessage(&rig.port, &received, 15);
    FUZZ_REQUIRE(received <= DeviceFrame::kStartBufferSize);
    // Refused mode only after the module accepted the alternate start; a failed alternate start leaves
    // the letter 'N' for the rest of the exchange, without refused mode.
    if (rig.state.m_bRefusal)
        FUZZ_REQUIRE(started && rig.state.m_byModeLetter == DeviceFrame::kModeRefused);
    if (started)
        FUZZ_REQUIRE(rig.state.m_byModeLetter ==
                     (rig.state.m_bRefusal ? DeviceFrame::kModeRefused : DeviceFrame::kModeNormal));
    FUZZ_REQUIRE(rig.port.writes <= 2 * 16 + 2);

    fuzz::DeviceRig certificate(fuzz::SplitReplies(rest, restSize, 4), chunk);
    certificate.state.m_nCertificateType = DeviceFrame::kCertificateCA;
    (void)certificate.exchange->Certificates().SendCertificateStartMessage(&certificate.port);
    return 0;
}
