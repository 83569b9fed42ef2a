// The reply to SYS_REQ: the module's firmware version, date and MAC address.

#include "DeviceFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::size_t chunk = fuzz::ChunkFrom(data, size);
    fuzz::DeviceRig rig({fuzz::Bytes(data, data + size)}, chunk);
    WLAN_ADVANCED_SYS_INFO before;
    fuzz::FillPattern(before, 0x5A);
    rig.state.m_SystemInformation = before;
    const bool ok = rig.exchange->ReceiveSystemInformation(&rig.port);
    // Only a frame that passed its checks replaces the record.
    if (!ok)
        FUZZ_REQUIRE(fuzz::SameBytes(rig.state.m_SystemInformation, before));
    if (!fuzz::SameBytes(rig.state.m_SystemInformation, before)) {
        const fuzz::Bytes whole(data, data + size);
        const auto parsed =
            DeviceFrame::ParseFrame(whole.data(), whole.size(), DeviceFrame::kSysReplyMinLength);
        FUZZ_REQUIRE(chunk < (1u << 20) || (parsed.Ok() && parsed.HasHeader(DeviceFrame::kSysRsp)));
    }
    (void)DeviceRecords::FieldText(rig.state.m_SystemInformation.FW_VERSION);
    (void)DeviceRecords::FieldText(rig.state.m_SystemInformation.FW_DATE);
    return 0;
}
