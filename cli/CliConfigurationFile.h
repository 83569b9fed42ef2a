#pragma once

#include "cli/CliMessageBox.h"
#include "devcfg/DeviceRecords.h"

#include <cstddef>
#include <string>

// A configuration file loaded as File Open loads it (the configuration read with the file path set), without
// a printer: the same size, checksum and header checks, the variant told by the size.
struct CliConfigurationFile {
    bool ok = false;
    std::size_t length = 0;
    DeviceRecords::ConfigVariant variant = DeviceRecords::ConfigVariant::Basic;
    WLAN_ADVANCED_CONFIG_INFO record{};

    // On failure one line on stderr through messages: the system's text when the file cannot be read,
    // otherwise why it is no configuration file.
    static CliConfigurationFile Load(const std::string& path, CliMessageBox& messages);
};
