#pragma once

#include "TempDir.h"
#include "app/DiagnosticLog.h"
#include "app/Utf8.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Switches the process's diagnostic log on into a fresh folder while it lives and reads back what was
// written: the messages of the lines, without time stamps and line ends.
class CapturedLog {
public:
    CapturedLog() {
        std::filesystem::create_directory(m_dir.path() / "LOG");
        DiagnosticLog::Process().Configure(true, m_dir.dir(), "capture");
    }
    ~CapturedLog() { DiagnosticLog::Process().Configure(false, {}, {}); }
    CapturedLog(const CapturedLog&) = delete;
    CapturedLog& operator=(const CapturedLog&) = delete;

    // Every message written so far, in order (a run across midnight spans two files).
    std::vector<std::string> Lines() const {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir.path() / "LOG"))
            files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        std::vector<std::string> lines;
        for (const auto& file : files) {
            const std::string bytes = m_dir.read(std::filesystem::relative(file, m_dir.path()).string());
            std::u16string text;
            for (size_t i = 2; i + 1 < bytes.size(); i += 2) // after the byte-order mark
                text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                     (static_cast<unsigned char>(bytes[i + 1]) << 8)));
            const std::string utf8 = Utf8::FromUtf16(text);
            size_t begin = 0;
            for (size_t end; (end = utf8.find(" \r\n", begin)) != std::string::npos; begin = end + 3) {
                const std::string line = utf8.substr(begin, end - begin);
                lines.push_back(line.size() > 14 ? line.substr(14) : line); // "hh:mm:ss:mmm: "
            }
        }
        return lines;
    }
    // The messages that start with prefix, in order.
    std::vector<std::string> LinesStartingWith(std::string_view prefix) const {
        std::vector<std::string> found;
        for (auto& line : Lines())
            if (line.rfind(prefix, 0) == 0)
                found.push_back(std::move(line));
        return found;
    }
    bool Contains(std::string_view message) const {
        const auto lines = Lines();
        return std::find(lines.begin(), lines.end(), message) != lines.end();
    }
    // Forgets everything written so far.
    void Clear() {
        for (const auto& entry : std::filesystem::directory_iterator(m_dir.path() / "LOG"))
            std::filesystem::remove(entry.path());
    }

private:
    TempDir m_dir;
};
