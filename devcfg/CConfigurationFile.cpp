#include "devcfg/CConfigurationFile.h"

#include "app/AtomicFile.h"
#include "app/DiagnosticLog.h"
#include "devcfg/DeviceFrame.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The system's text for an error number.
std::string SystemMessage(int error) {
    char buffer[256];
    return ::strerror_r(error, buffer, sizeof buffer);
}

} // namespace

std::size_t CConfigurationFile::ReadWiFiConfigurationDataFromFile(const std::string& path,
                                                                  std::vector<std::uint8_t>& data) {
    WriteLog("ReadWiFiConfigurationDataFromFile : START");
    WriteLog("ReadWiFiConfigurationDataFromFile : %s", path.c_str());
    data.clear();
    // Not blocking on a pipe or device that was picked by mistake: only a regular file is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        WriteLog("ReadWiFiConfigurationDataFromFile : the file cannot be opened (%d)", error);
        m_messages.ShowError(SystemMessage(error));
        WriteLog("ReadWiFiConfigurationDataFromFile : END");
        return 0;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        WriteLog("ReadWiFiConfigurationDataFromFile : failed to read data.");
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

bool CConfigurationFile::SaveAsFile(DeviceConfigExchange& exchange, const std::string& path) {
    WriteLog("OnBnClickedSaveAsFileBtn : START");
    const std::optional<WLAN_ADVANCED_CONFIG_INFO> record = exchange.PrepareConfigurationToSend(true);
    if (!record) {
        WriteLog("OnBnClickedSaveAsFileBtn : SaveNewConfiguration failed.");
        WriteLog("OnBnClickedSaveAsFileBtn : END");
        return false;
    }
    const bool saved =
        WriteWiFiConfigurationDataToFile(path, exchange.CreateConfigurationData(*record, false));
    WriteLog("OnBnClickedSaveAsFileBtn : END");
    return saved;
}
