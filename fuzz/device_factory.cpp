// The replies to the factory-reset query and to the factory reset.

#include "DeviceFuzz.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Bytes whole(data, data + size);
    static const std::uint8_t ok[4] = {'_', 'O', 'K', 0};
    const bool contains = size >= 4 && ::memmem(data, size, ok, 4) != nullptr;
    FUZZ_REQUIRE(DeviceFrame::ContainsOkReply(whole.data(), whole.size()) == contains);
    if (DeviceFrame::IsFactoryResetSupportedReply(whole.data(), whole.size()))
        FUZZ_REQUIRE(contains);

    const std::size_t chunk = fuzz::ChunkFrom(data, size);
    fuzz::DeviceRig query({fuzz::Bytes(data, data + size)}, chunk);
    (void)query.exchange->IsFactoryResetSupported(&query.port);

    fuzz::DeviceRig reset({fuzz::Bytes(data, data + size)}, chunk);
    (void)reset.exchange->FactoryReset();
    return 0;
}
