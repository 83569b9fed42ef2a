#pragma once

#include <optional>
#include <string>
#include <vector>

// The help texts of the commands and subcommands: `quorlink help COMMAND [SUBCOMMAND]` and
// `quorlink COMMAND [SUBCOMMAND] --help` (or -h) show the same text.
namespace CliHelp {

// The topic the arguments after the program's name ask help for: "" for the whole program ("help",
// "--help", "-h"), "search", "device read", "qlt show"... Nothing when they ask for no help. A topic that
// has no text ("help frobnicate", "device frobnicate --help") is returned as asked, for the caller to refuse.
std::optional<std::string> Requested(const std::vector<std::string>& args);

// The help text of a topic (ends with a line end), or nothing when there is no such command.
std::optional<std::string> Text(const std::string& topic);

// Every topic that has a text, in the order the usage lists them.
std::vector<std::string> Topics();

} // namespace CliHelp
