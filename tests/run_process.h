// Runs a program with arguments and captures its exit status and output, for CLI tests.
#pragma once

#include <string>
#include <vector>

namespace brevino::testing {

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

ProcessResult runProcess(const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment = {});

// Runs brevino-cli with the arguments.
ProcessResult runCli(const std::vector<std::string>& arguments,
                     const std::vector<std::string>& environment = {});

}  // namespace brevino::testing
