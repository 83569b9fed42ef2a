// A configuration file (.qlt) loaded from disk, saved again and loaded again.

#include "ConfigRoundTrip.h"
#include "devcfg/CConfigurationFile.h"

namespace {

class QuietMessages : public IMessageBox {
public:
    void ShowError(const std::string&) override {}
    void ShowInformation(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFile file("printer.qlt");
    file.Write(data, size);
    QuietMessages messages;
    CConfigurationFile files(messages);

    fuzz::DeviceRig rig({});
    rig.services.fileReader = &files;
    rig.exchange = std::make_unique<DeviceConfigExchange>(rig.state, rig.services);
    rig.state.m_strFilePath = file.Path();
    WLAN_ADVANCED_CONFIG_INFO before;
    fuzz::FillPattern(before, 0x69);
    rig.state.m_ConfigurationInfo = before;
    const bool ok = rig.exchange->ReceiveConfigInformation(&rig.port);
    fuzz::CheckConfigurationRead(rig, ok, before);
    if (!ok)
        return 0;

    // Saved through the file writer and loaded again from disk.
    const fuzz::Bytes image = rig.exchange->CreateConfigurationData(false);
    FUZZ_REQUIRE(files.WriteWiFiConfigurationDataToFile(file.Path(), image));
    fuzz::DeviceRig again({});
    again.services.fileReader = &files;
    again.exchange = std::make_unique<DeviceConfigExchange>(again.state, again.services);
    again.state.m_strFilePath = file.Path();
    FUZZ_REQUIRE(again.exchange->ReceiveConfigInformation(&again.port));
    FUZZ_REQUIRE(
        fuzz::SameRecordApartFromChecksum(again.state.m_ConfigurationInfo, rig.state.m_ConfigurationInfo));
    return 0;
}
