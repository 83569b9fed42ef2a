// The CUPS backend quorlink: run without arguments it lists the printers a search finds; run by the
// scheduler with a job (DEVICE_URI=quorlink://00-1A-2B-3C-4D-5E) it sends the job to that printer.
//
//   quorlink                                              discovery
//   quorlink JOB USER TITLE COPIES OPTIONS [FILE]         print (standard input without FILE)

#include "backend/QuorlinkBackend.h"
#include "netsearch/CUdpEndpoint.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    std::signal(SIGPIPE, SIG_IGN);
    const char* cacheDir = std::getenv("CUPS_CACHEDIR");
    const std::string addressFile =
        std::string(cacheDir && *cacheDir ? cacheDir : "/var/cache/cups") + "/quorlink-printers";
    QuorlinkBackend backend(*CUdpEndpoint::GetInstance(), addressFile, stdout, stderr);
    if (argc == 1)
        return backend.Discover();
    if (argc < 6 || argc > 7) {
        std::fprintf(stderr, "Usage: %s job-id user title copies options [file]\n", argv[0]);
        return QuorlinkBackend::kFailed;
    }
    const char* uri = std::getenv("DEVICE_URI");
    int input = STDIN_FILENO, copies = 1;
    if (argc == 7) {
        input = ::open(argv[6], O_RDONLY | O_CLOEXEC);
        if (input < 0) {
            std::perror("ERROR: Unable to open the print file");
            return QuorlinkBackend::kFailed;
        }
        copies = std::max(1, std::atoi(argv[4]));
    }
    return backend.Print(uri ? uri : argv[0], input, copies);
}
