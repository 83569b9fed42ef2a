// The reply to IF__GET, the configuration frame in any of its variants, and the certificate-name replies
// that follow it when the record offers certificates (pieces of the input separated by FF 00 FF).

#include "ConfigRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::size_t chunk = fuzz::ChunkFrom(data, size);
    fuzz::DeviceRig rig(fuzz::SplitReplies(data, size, 4), chunk);
    WLAN_ADVANCED_CONFIG_INFO before;
    fuzz::FillPattern(before, 0x3C);
    rig.state.m_ConfigurationInfo = before;
    const bool ok = rig.exchange->ReceiveConfigInformation(&rig.port);
    fuzz::CheckConfigurationRead(rig, ok, before);
    // The frame that would be sent back is bounded by the exchange's buffer.
    if (ok)
        FUZZ_REQUIRE(rig.exchange->CreateConfigurationData(true).size() <= DeviceFrame::kConfigBufferSize);
    return 0;
}
