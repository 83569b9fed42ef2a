#pragma once

#include "DeviceSimProcess.h"

#include <string>
#include <sys/wait.h>
#include <vector>

// One run of the built command line ($QL_CLI, or quorlink in $QL_BIN_DIR): its exit status and what it
// printed, with input on its standard input.
struct DeviceCliRun {
    int status = -1;
    std::string out, err;

    static DeviceCliRun Run(const std::vector<std::string>& args, const std::string& input = "") {
        TempDir dir;
        dir.write("in.txt", input);
        std::string command = DeviceSimProcess::Program("QL_CLI", "quorlink");
        for (const std::string& arg : args)
            command += " '" + arg + "'";
        command += " < " + dir.file("in.txt") + " > " + dir.file("out.txt") + " 2> " + dir.file("err.txt");
        DeviceCliRun run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = dir.read("out.txt");
        run.err = dir.read("err.txt");
        return run;
    }
};
