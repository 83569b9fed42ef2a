#include "cli/CliConfigurationFile.h"

#include "devcfg/CConfigurationFile.h"
#include "devcfg/DeviceConfigExchange.h"

#include <sys/stat.h>

CliConfigurationFile CliConfigurationFile::Load(const std::string& path, CliMessageBox& messages) {
    CliConfigurationFile loaded;
    CConfigurationFile file(messages);
    DeviceConfigState state;
    state.m_strFilePath = path;
    DeviceExchangeServices services;
    services.fileReader = &file;
    DeviceConfigExchange exchange(state, services);
    // No port: the certificate names, which a read asks the printer for, stay empty.
    messages.SetSubject(path);
    loaded.ok = exchange.ReceiveConfigInformation(nullptr);
    messages.SetSubject({});
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        loaded.length = static_cast<std::size_t>(info.st_size);
    if (!loaded.ok) {
        if (messages.ErrorShown())
            return loaded;
        if (!DeviceRecords::VariantForFrameLength(loaded.length) ||
            loaded.length > DeviceFrame::kConfigBufferSize)
            messages.ShowError(path + ": not a configuration file (" + std::to_string(loaded.length) +
                               " bytes; a configuration file has 1252, 1276 or 1280)");
        else
            messages.ShowError(path + ": not a configuration file (its checksum or header does not check)");
        return loaded;
    }
    loaded.variant = state.Variant();
    loaded.record = state.m_ConfigurationInfo;
    return loaded;
}
