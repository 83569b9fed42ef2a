#include "app/DiagnosticLog.h"

#include "app/Utf8.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

DiagnosticLog::LocalTime SystemLocalTime() {
    const auto now = std::chrono::system_clock::now();
    const auto seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    return {static_cast<unsigned>(local.tm_year + 1900),
            static_cast<unsigned>(local.tm_mon + 1),
            static_cast<unsigned>(local.tm_mday),
            static_cast<unsigned>(local.tm_hour),
            static_cast<unsigned>(local.tm_min),
            static_cast<unsigned>(local.tm_sec),
            static_cast<unsigned>(millis)};
}

// Cuts UTF-16 text to at most limit code units without leaving half of a surrogate pair.
void CutUtf16(std::u16string& text, size_t limit) {
    if (text.size() <= limit)
        return;
    if (limit > 0 && text[limit - 1] >= 0xD800 && text[limit - 1] <= 0xDBFF)
        --limit;
    text.resize(limit);
}

bool WriteAll(int fd, const void* data, size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written <= 0)
            return false;
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

} // namespace

DiagnosticLog::DiagnosticLog() : m_clock(SystemLocalTime) {}

void DiagnosticLog::Configure(bool enabled, std::string folder, std::string applicationName) {
    std::lock_guard lock(m_mutex);
    m_enabled = enabled;
    m_directory = std::move(folder);
    m_applicationName = std::move(applicationName);
    m_filePath.clear();
}

void DiagnosticLog::ConfigureFile(std::string path) {
    std::lock_guard lock(m_mutex);
    m_enabled = !path.empty();
    m_directory.clear();
    m_applicationName.clear();
    m_filePath = std::move(path);
}

void DiagnosticLog::SetClock(Clock clock) {
    std::lock_guard lock(m_mutex);
    m_clock = clock ? std::move(clock) : Clock(SystemLocalTime);
}

bool DiagnosticLog::IsEnabled() const {
    std::lock_guard lock(m_mutex);
    return m_enabled;
}

std::string DiagnosticLog::CurrentFilePath() const {
    std::lock_guard lock(m_mutex);
    return FilePathFor(m_clock());
}

std::string DiagnosticLog::FilePathFor(const LocalTime& now) const {
    if (!m_filePath.empty())
        return m_filePath;
    char name[64];
    std::snprintf(name, sizeof name, "_%02u%02u%04u.LOG", now.month, now.day, now.year);
    return m_directory + "LOG/" + m_applicationName + name;
}

void DiagnosticLog::Write(std::string_view message) {
    std::lock_guard lock(m_mutex);
    if (!m_enabled || (m_directory.empty() && m_filePath.empty()))
        return;
    const LocalTime now = m_clock();
    const std::string path = FilePathFor(now);
    // The limit counts characters; a folder with accented or CJK names needs more bytes than that.
    if (Utf8::ToUtf16(path).size() > kMaxPathChars)
        return;

    std::u16string text = Utf8::ToUtf16(message);
    CutUtf16(text, kMaxMessageChars);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02u:%02u:%02u:%03u: ", now.hour, now.minute, now.second,
                  now.millisecond);
    std::u16string line = Utf8::ToUtf16(stamp) + text + u" \r\n";
    CutUtf16(line, kMaxMessageChars);

    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    // Exclusive against other processes: a file another writer holds loses this line.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    const off_t end = ::lseek(fd, 0, SEEK_END);
    std::vector<unsigned char> bytes;
    bytes.reserve(line.size() * 2 + 2);
    if (end == 0) {
        bytes.push_back(0xFF);
        bytes.push_back(0xFE);
    }
    for (const char16_t unit : line) {
        bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
        bytes.push_back(static_cast<unsigned char>(unit >> 8));
    }
    if (end >= 0)
        WriteAll(fd, bytes.data(), bytes.size());
    const off_t size = ::lseek(fd, 0, SEEK_END);
    if (size > kMaxFileBytes)
        ::unlink(path.c_str());
    ::close(fd);
}

DiagnosticLog& DiagnosticLog::Process() {
    static DiagnosticLog log;
    return log;
}

void WriteLogV(const char* format, va_list arguments) {
    DiagnosticLog& log = DiagnosticLog::Process();
    if (!log.IsEnabled())
        return;
    va_list copy;
    va_copy(copy, arguments);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0)
        return;
    std::string message(static_cast<size_t>(needed), '\0');
    std::vsnprintf(message.data(), message.size() + 1, format, arguments);
    log.Write(message);
}

void WriteLog(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    WriteLogV(format, arguments);
    va_end(arguments);
}

std::string LogSecret(std::string_view secret) {
    return "<hidden, " + std::to_string(secret.size()) + " bytes>";
}
