// The reply to BSS_REQ: the access points the module sees.

#include "DeviceFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Bytes whole(data, data + size);
    static BSS_INFO table[VRX_MAX_BSS_INFO];
    const int direct = DeviceRecords::ParseBssResponse(whole.data(), whole.size(), table);
    FUZZ_REQUIRE(direct >= 0 && direct <= VRX_MAX_BSS_INFO);
    for (int i = 0; i < direct; ++i) {
        FUZZ_REQUIRE(!DeviceRecords::IsBlank(DeviceRecords::FieldText(table[i].bySSID)));
        FUZZ_REQUIRE(DeviceRecords::FieldText(table[i].bySSID).size() <= 32);
    }

    const std::size_t chunk = fuzz::ChunkFrom(data, size);
    fuzz::DeviceRig rig({fuzz::Bytes(data, data + size)}, chunk);
    for (int i = 0; i < VRX_MAX_BSS_INFO; ++i)
        fuzz::FillPattern(rig.state.m_BSSInfo[i], static_cast<std::uint8_t>(i));
    rig.state.m_nNumBSSInfo = 7;
    BSS_INFO before[VRX_MAX_BSS_INFO];
    std::memcpy(before, rig.state.m_BSSInfo, sizeof before);
    const bool ok = rig.exchange->ReceiveBssInformation(&rig.port, 3);
    if (!ok)
        FUZZ_REQUIRE(rig.state.m_nNumBSSInfo == 7 &&
                     std::memcmp(before, rig.state.m_BSSInfo, sizeof before) == 0);
    FUZZ_REQUIRE(rig.state.m_nNumBSSInfo >= 0 && rig.state.m_nNumBSSInfo <= VRX_MAX_BSS_INFO);
    BSS_INFO copy[VRX_MAX_BSS_INFO];
    int count = 0;
    if (rig.exchange->GetBSSInfoData(copy, count))
        FUZZ_REQUIRE(count > 0 && count <= VRX_MAX_BSS_INFO);
    return 0;
}
