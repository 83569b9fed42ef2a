#pragma once

#include "devcfg/DeviceConfigExchange.h"
#include "devcfg/IConfigurationFileReader.h"
#include "ui/IMessageBox.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Configuration files (.qlt): exactly the frame a printer sends in answer to IF__GET, that is 0x1F 'W' 'M',
// the lower-case hex text of "__[I_F]__[IF__CUR]" with the configuration record in one of its wire variants
// and the checksum, and 0x03. The variant is told by the size: 1252 bytes basic, 1276 Wi-Fi Direct, 1280
// Wi-Fi Direct + RF mode. A file is loaded by a configuration read with the state's file path set
// (DeviceConfigExchange::ReceiveConfigInformation), through the same checks as a frame from the printer.
//
// Reads and writes configuration files. A file that cannot be opened or written shows the system's text for
// the error (strerror) in an error box.
class CConfigurationFile : public IConfigurationFileReader {
public:
    explicit CConfigurationFile(IMessageBox& messages) : m_messages(messages) {}

    // The whole file at path into data; its length, 0 on failure. A file larger than the 2048-byte frame
    // buffer is refused as a failed read.
    std::size_t ReadWiFiConfigurationDataFromFile(const std::string& path,
                                                  std::vector<std::uint8_t>& data) override;

    // Writes frame as the whole file at path: through a new file renamed over the old one, so that a failed
    // save leaves the old file whole; a symbolic link is followed; the file is readable by its owner only.
    bool WriteWiFiConfigurationDataToFile(const std::string& path, const std::vector<std::uint8_t>& frame);

    // Save as a file: the checks and the record to send (PrepareConfigurationToSend for a file), then its
    // file image (CreateConfigurationData, not for sending) written to path; the working record stays as
    // the grids show it. False when a check failed (its message shown) or the file could not be written.
    bool SaveAsFile(DeviceConfigExchange& exchange, const std::string& path);

private:
    IMessageBox& m_messages;
};
