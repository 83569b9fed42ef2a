#pragma once

// What must hold after a configuration read: a record replaced only by a frame that passed its checks, and
// a record that was read, written back as a file image and read again, the same (bytes 618 and 619, which
// hold the frame's checksum, aside).

#include "DeviceFuzz.h"

namespace fuzz {

// Hands the configuration read a file's bytes without a file.
class BytesFileReader : public IConfigurationFileReader {
public:
    explicit BytesFileReader(Bytes bytes) : m_bytes(std::move(bytes)) {}
    std::size_t ReadWiFiConfigurationDataFromFile(const std::string&,
                                                  std::vector<std::uint8_t>& data) override {
        data = m_bytes;
        return data.size();
    }

private:
    Bytes m_bytes;
};

inline bool SameRecordApartFromChecksum(const WLAN_ADVANCED_CONFIG_INFO& a,
                                        const WLAN_ADVANCED_CONFIG_INFO& b) {
    return std::memcmp(&a, &b, offsetof(WLAN_ADVANCED_CONFIG_INFO, byFrameChecksum)) == 0;
}

// Checks the outcome of a read into rig that began with the working record `before`.
inline void CheckConfigurationRead(DeviceRig& rig, bool ok, const WLAN_ADVANCED_CONFIG_INFO& before) {
    if (!ok) {
        FUZZ_REQUIRE(SameBytes(rig.state.m_ConfigurationInfo, before));
        return;
    }
    const DeviceRecords::ConfigVariant variant = rig.state.Variant();
    const Bytes image = rig.exchange->CreateConfigurationData(false);
    FUZZ_REQUIRE(image.size() == DeviceRecords::FrameLength(variant));

    BytesFileReader reader(image);
    DeviceRig again({});
    again.services.fileReader = &reader;
    again.exchange = std::make_unique<DeviceConfigExchange>(again.state, again.services);
    again.state.m_strFilePath = "written.qlt";
    FUZZ_REQUIRE(again.exchange->ReceiveConfigInformation(&again.port));
    FUZZ_REQUIRE(again.state.Variant() == variant);
    FUZZ_REQUIRE(SameRecordApartFromChecksum(again.state.m_ConfigurationInfo, rig.state.m_ConfigurationInfo));
    FUZZ_REQUIRE(again.exchange->CreateConfigurationData(false) == image);
}

} // namespace fuzz
