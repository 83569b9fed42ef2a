#pragma once

#include <cstdarg>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

// The diagnostic log: one UTF-16LE file a day in LOG/ (see AppPaths for where), one line per call,
// "hh:mm:ss:mmm: message \r\n". Every line opens, appends to and closes the file, so a crash loses at
// most the line being written.
class DiagnosticLog {
public:
    struct LocalTime {
        unsigned year, month, day, hour, minute, second, millisecond;
    };
    using Clock = std::function<LocalTime()>;

    static constexpr size_t kMaxMessageChars = 259; // message and whole line, in UTF-16 code units
    static constexpr size_t kMaxPathChars = 259;
    static constexpr long kMaxFileBytes = 1024000;

    DiagnosticLog();

    // Switches the log on for LOG/ in folder (with its trailing '/': the executable's, or the user's state
    // folder when installed) and applicationName, or off.
    void Configure(bool enabled, std::string folder, std::string applicationName);
    // Switches the log on into one given file (the command line's --log FILE), whatever the date; the same
    // lines, encoding and size limit.
    void ConfigureFile(std::string path);
    void SetClock(Clock clock);

    bool IsEnabled() const;
    // The path of the file a line written now would go to.
    std::string CurrentFilePath() const;

    // Writes one line with message (UTF-8). Lines written by several threads at once are serialised; a
    // file locked by another process loses the line.
    void Write(std::string_view message);

    // The log every part of the program writes to.
    static DiagnosticLog& Process();

private:
    std::string FilePathFor(const LocalTime& now) const;

    mutable std::mutex m_mutex;
    bool m_enabled = false;
    std::string m_directory;
    std::string m_applicationName;
    std::string m_filePath; // the one file of ConfigureFile, or ""
    Clock m_clock;
};

// printf-style: writes one line to the process's diagnostic log; nothing when the log is off.
void WriteLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
void WriteLogV(const char* format, va_list arguments);

// What the log shows in place of a password, key or community value: its length only.
std::string LogSecret(std::string_view secret);
