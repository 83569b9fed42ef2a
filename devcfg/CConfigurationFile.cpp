#include "devcfg/CConfigurationFile.h"

#include "app/AtomicFile.h"
#include "app/DiagnosticLog.h"
#include "devcfg/DeviceFrame.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The system's text for an error number.
std::string SystemMessage(int error) {
    char buffer[256];
    return ::strerror_r(error, buffer, sizeof buffer);
}

} // namespace

std::vector<std::uint8_t> CreateConfigurationData(const WLAN_ADVANCED_CONFIG_INFO& info, bool bWifiDirect,
                                                  bool bRfModeSelection, bool bForSending,
                                                  std::uint8_t modeLetter) {
    WriteLog("CreateConfigurationData : START");
    if (bWifiDirect && !bRfModeSelection)
        WriteLog("CreateConfigurationData : Dual-band is not supported.");
    const auto variant = DeviceRecords::VariantForFlags(bWifiDirect, bRfModeSelection);
    std::vector<std::uint8_t> frame =
        DeviceRecords::ConfigurationFrame(info, variant, bForSending, modeLetter);
    if (frame.size() > DeviceFrame::kConfigBufferSize) {
        WriteLog("CreateConfigurationData : the frame of %d bytes does not fit its buffer",
                 static_cast<int>(frame.size()));
        frame.clear();
    }
    WriteLog("CreateConfigurationData : %s frame of %d bytes", bForSending ? "IF__SET" : "IF__CUR",
             static_cast<int>(frame.size()));
    WriteLog("CreateConfigurationData : END");
    return frame;
}

ParsedConfiguration ParseConfigurationFrame(const std::uint8_t* frame, std::size_t N) {
    ParsedConfiguration parsed;
    if (!frame || N > DeviceFrame::kConfigBufferSize) {
        parsed.check = frame ? ConfigFrameCheck::TooLarge : ConfigFrameCheck::TooSmall;
        return parsed;
    }
    const auto variant = DeviceRecords::VariantForFrameLength(N);
    if (!variant) {
        parsed.check = ConfigFrameCheck::TooSmall;
        return parsed;
    }
    parsed.variant = *variant;
    const std::vector<std::uint8_t> message = DeviceFrame::HexDecode(frame, N);
    if (message.empty() || DeviceFrame::Checksum16(message.data(), message.size()) != 0) {
        parsed.check = ConfigFrameCheck::ChecksumFailed;
        return parsed;
    }
    if (!DeviceFrame::StartsWith(message.data(), message.size(), DeviceFrame::kIfCur)) {
        parsed.check = ConfigFrameCheck::NotCurInfo;
        return parsed;
    }
    const std::size_t header = DeviceFrame::kIfCur.size();
    if (!DeviceRecords::PayloadToRecord(message.data() + header, message.size() - header, parsed.variant,
                                        parsed.record)) {
        parsed.check = ConfigFrameCheck::TooSmall;
        return parsed;
    }
    parsed.check = ConfigFrameCheck::Ok;
    return parsed;
}

const char* DescribeConfigFrameCheck(ConfigFrameCheck check) {
    switch (check) {
    case ConfigFrameCheck::Ok:
        return "OK";
    case ConfigFrameCheck::TooSmall:
        return "data validation failed";
    case ConfigFrameCheck::TooLarge:
        return "data validation failed (larger than 2048 bytes)";
    case ConfigFrameCheck::ChecksumFailed:
        return "checksum failed.";
    case ConfigFrameCheck::NotCurInfo:
        return "NOT CFG_MESSAGE_CURINFO";
    }
    return "";
}

std::size_t CConfigurationFile::ReadWiFiConfigurationDataFromFile(const std::string& path,
                                                                  std::vector<std::uint8_t>& data) {
    WriteLog("ReadWiFiConfigurationDataFromFile : START");
    WriteLog("ReadWiFiConfigurationDataFromFile : %s", path.c_str());
    data.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        WriteLog("ReadWiFiConfigurationDataFromFile : the file cannot be opened (%d)", error);
        m_messages.ShowError(SystemMessage(error));
        WriteLog("ReadWiFiConfigurationDataFromFile : END");
        return 0;
    }
    // One byte more than the frame buffer holds tells a file that is too large, without reading it all.
    std::vector<std::uint8_t> bytes(DeviceFrame::kConfigBufferSize + 1);
    std::size_t size = 0;
    bool failed = false;
    while (size < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + size, bytes.size() - size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            failed = true;
            break;
        }
        if (got == 0)
            break;
        size += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (failed) {
        WriteLog("ReadWiFiConfigurationDataFromFile : failed to read data.");
        WriteLog("ReadWiFiConfigurationDataFromFile : END");
        return 0;
    }
    if (size > DeviceFrame::kConfigBufferSize) {
        WriteLog("ReadWiFiConfigurationDataFromFile : the file is larger than %d bytes.",
                 static_cast<int>(DeviceFrame::kConfigBufferSize));
        WriteLog("ReadWiFiConfigurationDataFromFile : END");
        return 0;
    }
    bytes.resize(size);
    data = std::move(bytes);
    WriteLog("ReadWiFiConfigurationDataFromFile : %d bytes read", static_cast<int>(size));
    WriteLog("ReadWiFiConfigurationDataFromFile : END");
    return size;
}

bool CConfigurationFile::WriteWiFiConfigurationDataToFile(const std::string& path,
                                                          const std::vector<std::uint8_t>& frame) {
    WriteLog("WriteWiFiConfigurationDataToFile : START");
    WriteLog("WriteWiFiConfigurationDataToFile : %s", path.c_str());
    if (frame.empty()) {
        WriteLog("WriteWiFiConfigurationDataToFile : nothing to write");
        WriteLog("WriteWiFiConfigurationDataToFile : END");
        return false;
    }
    // The file holds the module's passwords and keys: its owner alone may read it.
    const int error =
        AtomicFile::Write(path, std::string_view(reinterpret_cast<const char*>(frame.data()), frame.size()),
                          AtomicFile::Options{0600, false});
    if (error != 0) {
        WriteLog("WriteWiFiConfigurationDataToFile : the file cannot be written (%d)", error);
        m_messages.ShowError(SystemMessage(error));
        WriteLog("WriteWiFiConfigurationDataToFile : END");
        return false;
    }
    WriteLog("WriteWiFiConfigurationDataToFile : %d bytes written", static_cast<int>(frame.size()));
    WriteLog("WriteWiFiConfigurationDataToFile : END");
    return true;
}

bool CConfigurationFile::SaveConfigurationToFile(const std::string& path,
                                                 const WLAN_ADVANCED_CONFIG_INFO& info, bool bWifiDirect,
                                                 bool bRfModeSelection) {
    // The file image carries 'M' whatever the mode letter; the letter is only used for sending.
    const auto frame =
        CreateConfigurationData(info, bWifiDirect, bRfModeSelection, false, DeviceFrame::kModeReply);
    return WriteWiFiConfigurationDataToFile(path, frame);
}
