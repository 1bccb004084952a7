#include "run_process.h"

#include <algorithm>
#include <string_view>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

extern char** environ;

namespace brevino::testing {
namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

ProcessResult runProcess(const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment) {
    char outPath[] = "/tmp/brevino-out-XXXXXX";
    char errPath[] = "/tmp/brevino-err-XXXXXX";
    int outFd = mkstemp(outPath);
    int errFd = mkstemp(errPath);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outFd, 1);
    posix_spawn_file_actions_adddup2(&actions, errFd, 2);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);

    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    // The given variables take the place of inherited ones of the same name.
    auto nameOf = [](std::string_view variable) { return variable.substr(0, variable.find('=')); };
    std::vector<std::string> env(environment.begin(), environment.end());
    for (char** e = environ; *e; ++e) {
        const bool given =
            std::any_of(environment.begin(), environment.end(),
                        [&](const std::string& v) { return nameOf(v) == nameOf(*e); });
        if (!given) env.emplace_back(*e);
    }
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    ProcessResult result;
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(outFd);
    close(errFd);
    result.out = slurp(outPath);
    result.err = slurp(errPath);
    unlink(outPath);
    unlink(errPath);
    return result;
}

ProcessResult runCli(const std::vector<std::string>& arguments,
                     const std::vector<std::string>& environment) {
    std::vector<std::string> all = {BREVINO_CLI_PATH};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return runProcess(all, environment);
}

}  // namespace brevino::testing
