#pragma once

#include "devcfg/DeviceRecords.h"
#include "devcfg/IConfigurationFileReader.h"
#include "ui/IMessageBox.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Configuration files (.qlt): exactly the frame a printer sends in answer to IF__GET, that is 0x1F 'W' 'M',
// the lower-case hex text of "__[I_F]__[IF__CUR]" with the configuration record in one of its wire variants
// and the checksum, and 0x03. The variant is told by the size: 1252 bytes basic, 1276 Wi-Fi Direct, 1280
// Wi-Fi Direct + RF mode.

// The frame of info in the variant of the capability flags: forSending the IF__SET request with modeLetter,
// otherwise the file image with the prefix 0x1F 'W' 'M' whatever the mode letter. Empty when nothing was
// built.
std::vector<std::uint8_t> CreateConfigurationData(const WLAN_ADVANCED_CONFIG_INFO& info, bool bWifiDirect,
                                                  bool bRfModeSelection, bool bForSending,
                                                  std::uint8_t modeLetter);

// The checks of a configuration frame, read from the printer or from a file, in this order.
enum class ConfigFrameCheck {
    Ok,
    TooSmall,       // fewer than 1250 bytes: no variant
    TooLarge,       // more than the 2048-byte frame buffer
    ChecksumFailed, // the decoded message does not checksum to 0 (upper-case hex digits included)
    NotCurInfo,     // the message is not "__[I_F]__[IF__CUR]"
};

struct ParsedConfiguration {
    ConfigFrameCheck check = ConfigFrameCheck::TooSmall;
    DeviceRecords::ConfigVariant variant = DeviceRecords::ConfigVariant::Basic; // from the size, once known
    WLAN_ADVANCED_CONFIG_INFO record{};                                         // filled when Ok
    bool Ok() const { return check == ConfigFrameCheck::Ok; }
};

// Parses the N bytes of frame: the size selects the variant, the hex text from offset 3 is decoded, its
// checksum must be 0 and its header "__[I_F]__[IF__CUR]"; the record is then filled from the payload. The
// prefix and the end byte are not examined.
ParsedConfiguration ParseConfigurationFrame(const std::uint8_t* frame, std::size_t N);

// The detail a failed check writes to the log after the operation's name and " : ".
const char* DescribeConfigFrameCheck(ConfigFrameCheck check);

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

    // Save as a file after the checks: the file image of info (CreateConfigurationData, not for sending)
    // written to path.
    bool SaveConfigurationToFile(const std::string& path, const WLAN_ADVANCED_CONFIG_INFO& info,
                                 bool bWifiDirect, bool bRfModeSelection);

private:
    IMessageBox& m_messages;
};
