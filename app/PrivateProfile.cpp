#include "app/PrivateProfile.h"

#include "app/Utf8.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (std::tolower(ca) != std::tolower(cb))
            return false;
    }
    return true;
}

// "[name]" gives name; anything else gives nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
    const auto trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[')
        return std::nullopt;
    const auto close = trimmed.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(trimmed.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    const auto trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';')
        return std::nullopt;
    const auto equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return KeyLine{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

// Splits into lines, each keeping its own line end so that the file can be written back unchanged.
std::vector<std::string> SplitKeepingEnds(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start + 1));
        start = end + 1;
    }
    return lines;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string_view StripLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

// Strips one pair of matching quotes around a value, as the profile routines do.
std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The file a path names, through any symbolic links: a preferences file that is a link to a shared file
// stays a link, and the shared file gets the new content. A link that points nowhere yet names the file to
// create.
std::string ResolveLinks(const std::string& path) {
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return target;
        std::vector<char> buffer(static_cast<size_t>(info.st_size > 0 ? info.st_size : PATH_MAX) + 1);
        const ssize_t length = ::readlink(target.c_str(), buffer.data(), buffer.size());
        if (length <= 0 || static_cast<size_t>(length) >= buffer.size())
            return target;
        std::string link(buffer.data(), static_cast<size_t>(length));
        if (link.front() != '/') {
            const auto slash = target.rfind('/');
            link = (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + link;
        }
        target = std::move(link);
    }
    return target; // a loop of links: the open below fails on it
}

bool WriteAllTo(int fd, const std::string& content) {
    const char* bytes = content.data();
    size_t left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, bytes, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

// Rewrites the file itself: for a folder that takes no new file while the file is writable.
bool RewriteInPlace(const std::string& path, const std::string& content) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = WriteAllTo(fd, content) &&
                         ::ftruncate(fd, static_cast<off_t>(content.size())) == 0 && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
}

// Gives path the new content: written to a temporary file of a name of its own beside the target and
// moved into place, so that a failed write never leaves half a file and two programs writing at once never
// share a temporary file.
bool ReplaceFileContent(const std::string& path, const std::string& content, bool exists) {
    const std::string target = ResolveLinks(path);
    std::string temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        // A folder that takes no new file (read-only, or not ours) while the file itself is writable.
        return exists && (errno == EACCES || errno == EPERM || errno == EROFS) &&
               RewriteInPlace(target, content);
    }
    struct stat info {};
    mode_t mode = 0;
    if (exists && ::stat(target.c_str(), &info) == 0) {
        mode = info.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0); // a new file gets what the process would give it
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool written = WriteAllTo(fd, content) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || std::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace

std::optional<std::string> PrivateProfile::ReadString(const std::string& path, std::string_view section,
                                                      std::string_view key, size_t maxBytes) {
    const auto content = ReadWholeFile(path);
    if (!content)
        return std::nullopt;
    bool inSection = false;
    for (const auto& rawLine : SplitKeepingEnds(*content)) {
        const auto line = StripLineEnd(rawLine);
        if (const auto name = SectionName(line)) {
            inSection = EqualsIgnoreCase(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        const auto keyLine = ParseKeyLine(line);
        if (!keyLine || !EqualsIgnoreCase(keyLine->key, key))
            continue;
        const auto value = Unquote(keyLine->value);
        if (value.empty() || maxBytes == 0)
            return std::nullopt;
        return std::string(Utf8::CutToBytes(value, maxBytes - 1));
    }
    return std::nullopt;
}

bool PrivateProfile::WriteString(const std::string& path, std::string_view section, std::string_view key,
                                 std::string_view value) {
    const auto existing = ReadWholeFile(path);
    // A file that is there but cannot be read must not be replaced by one holding only this key.
    if (!existing && ::access(path.c_str(), F_OK) == 0)
        return false;
    if (existing && ::access(path.c_str(), W_OK) != 0)
        return false;

    auto lines = existing ? SplitKeepingEnds(*existing) : std::vector<std::string>{};
    const bool crlf = existing && existing->find("\r\n") != std::string::npos;
    const std::string eol = crlf ? "\r\n" : "\n";
    const std::string newLine = std::string(key) + "=" + std::string(value) + eol;

    // Find the section, the key inside it, and the last key line of the section.
    std::optional<size_t> sectionLine;
    std::optional<size_t> keyLine;
    size_t insertAt = lines.size();
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto line = StripLineEnd(lines[i]);
        if (const auto name = SectionName(line)) {
            if (inSection)
                break;
            inSection = EqualsIgnoreCase(*name, section);
            if (inSection) {
                sectionLine = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (const auto parsed = ParseKeyLine(line)) {
            insertAt = i + 1;
            if (EqualsIgnoreCase(parsed->key, key)) {
                keyLine = i;
                break;
            }
        }
    }

    if (keyLine) {
        lines[*keyLine] = newLine;
    } else if (sectionLine) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), newLine);
    } else {
        if (!lines.empty() && !lines.back().empty() && lines.back().back() != '\n')
            lines.back() += eol;
        lines.push_back("[" + std::string(section) + "]" + eol);
        lines.push_back(newLine);
    }
    // A key inserted after a last line that had no line end must not run into it.
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (!lines[i].empty() && lines[i].back() != '\n')
            lines[i] += eol;
    }

    std::string content;
    for (const auto& line : lines)
        content += line;
    return ReplaceFileContent(path, content, existing.has_value());
}
