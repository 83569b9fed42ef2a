#include "devport/PrintQueueUri.h"

#include <array>
#include <cctype>

namespace {

// The position and length of the host part of a network URI; npos when it has none of the schemes taken.
std::pair<std::size_t, std::size_t> HostSpan(const std::string& uri) {
    static const std::array<const char*, 5> kSchemes = {"socket://", "lpd://", "ipp://", "ipps://",
                                                        "http://"};
    for (const char* scheme : kSchemes) {
        const std::string prefix = scheme;
        if (uri.size() <= prefix.size() || uri.compare(0, prefix.size(), prefix) != 0)
            continue;
        std::size_t start = prefix.size();
        const std::size_t end = uri.find_first_of(":/?", start);
        const std::size_t at = uri.find('@', start);
        if (at != std::string::npos && (end == std::string::npos || at < end))
            start = at + 1; // user@host
        const std::size_t stop = uri.find_first_of(":/?", start);
        return {start, (stop == std::string::npos ? uri.size() : stop) - start};
    }
    return {std::string::npos, 0};
}

std::string NormalMac(const std::string& text) {
    if (text.size() != 17)
        return {};
    std::string mac;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i % 3 == 2) {
            if (c != ':' && c != '-')
                return {};
            mac += ':';
        } else if (std::isxdigit(static_cast<unsigned char>(c))) {
            mac += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        } else {
            return {};
        }
    }
    return mac;
}

} // namespace

std::string PrintQueueUri::ForMac(const std::string& mac) {
    std::string normal = NormalMac(mac);
    if (normal.empty())
        return {};
    for (char& c : normal)
        if (c == ':')
            c = '-';
    return std::string(kScheme) + "://" + normal;
}

std::optional<std::string> PrintQueueUri::MacOf(const std::string& uri) {
    const std::string prefix = std::string(kScheme) + "://";
    if (uri.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    std::string host = uri.substr(prefix.size());
    host = host.substr(0, host.find_first_of("/?"));
    std::string mac = NormalMac(host);
    if (mac.empty())
        return std::nullopt;
    return mac;
}

std::optional<std::string> PrintQueueUri::HostOf(const std::string& uri) {
    const auto [start, length] = HostSpan(uri);
    if (start == std::string::npos || length == 0)
        return std::nullopt;
    return uri.substr(start, length);
}

std::string PrintQueueUri::WithHost(const std::string& uri, const std::string& host) {
    const auto [start, length] = HostSpan(uri);
    if (start == std::string::npos || length == 0)
        return {};
    return uri.substr(0, start) + host + uri.substr(start + length);
}
