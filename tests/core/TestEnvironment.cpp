// Keeps the core tests away from the user's own state and print server: the journal folder is a fresh
// temporary one, and libcups is pointed at a socket that does not exist, so that nothing started by a
// test (the program's start-up resumes journalled print queues) can reach a real CUPS server.
#include "TempDir.h"

#include <cstdlib>

namespace {

struct IsolatedEnvironment {
    IsolatedEnvironment() {
        ::setenv("XDG_STATE_HOME", state.dir().c_str(), 1);
        ::setenv("CUPS_SERVER", state.file("no-cups-server.sock").c_str(), 1);
    }
    TempDir state;
};

const IsolatedEnvironment environment;

} // namespace
