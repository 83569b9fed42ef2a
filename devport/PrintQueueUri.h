#pragma once

#include <optional>
#include <string>

// The device URIs of print queues that reach a network printer, and how they change when the printer
// moves. quorlink://00-1A-2B-3C-4D-5E names the printer by its MAC address (hyphens: CUPS reads the part
// after the scheme as a host name, where a colon would start a port).
class PrintQueueUri {
public:
    static constexpr const char* kScheme = "quorlink";

    // "quorlink://00-1A-2B-3C-4D-5E" from a MAC address with ':' or '-'; "" when it is none.
    static std::string ForMac(const std::string& mac);
    // "00:1A:2B:3C:4D:5E" of a quorlink:// URI; nothing for any other.
    static std::optional<std::string> MacOf(const std::string& uri);
    // The host a socket://, lpd://, ipp:// (or ipps://, http://) URI names; nothing for any other scheme.
    static std::optional<std::string> HostOf(const std::string& uri);
    // uri with its host replaced by host, the port and path kept; "" for a URI HostOf does not take.
    static std::string WithHost(const std::string& uri, const std::string& host);
};
