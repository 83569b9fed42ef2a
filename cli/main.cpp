#include "app/StringTable.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void PrintUsage(FILE* out) {
    std::fprintf(out,
                 "Usage: quorlink <command> [options]\n"
                 "\n"
                 "Finds the label printers on the local network and changes their IP settings.\n"
                 "\n"
                 "Options:\n"
                 "  --help      show this text\n"
                 "  --version   show the program's version\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return 1;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        PrintUsage(stdout);
        return 0;
    }
    if (command == "--version") {
        std::printf("quorlink (%s) %s\n", LoadString(StringId::AppTitle).c_str(), QUORLINK_VERSION);
        return 0;
    }
    std::fprintf(stderr, "quorlink: unknown command '%s'\n", command.c_str());
    PrintUsage(stderr);
    return 1;
}
