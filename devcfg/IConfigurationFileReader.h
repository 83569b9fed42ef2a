#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reads a configuration file (.qlt) for a configuration read that takes its record from a file.
class IConfigurationFileReader {
public:
    virtual ~IConfigurationFileReader() = default;
    // The whole file at path into data; its length, 0 on failure (the reader shows the system's message when
    // the file cannot be opened). The caller refuses a file longer than its frame buffer.
    virtual std::size_t ReadWiFiConfigurationDataFromFile(const std::string& path,
                                                          std::vector<std::uint8_t>& data) = 0;
};
