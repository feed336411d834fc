#pragma once

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

// What one run of cantrel-cli printed and returned.
struct TCliRun
{
    int Status;
    std::string Out;
    std::string Err;
};

namespace cli_run_detail {

inline std::string TakeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::remove(path.c_str());
    return text;
}

inline std::string ScratchFile()
{
    std::string path = "/tmp/cantrel-cli-run.XXXXXX";
    const int fd = mkstemp(path.data());
    close(fd);
    return path;
}

} // namespace cli_run_detail

// Runs the cantrel-cli program the build made, as a script would: `words` are its arguments, the
// folder and the environment are the test's. Status -1 when it did not exit.
inline TCliRun RunCli(const std::vector<std::string>& words)
{
    using namespace cli_run_detail;
    const std::string outPath = ScratchFile();
    const std::string errPath = ScratchFile();
    std::vector<std::string> argv = {CANTREL_CLI};
    argv.insert(argv.end(), words.begin(), words.end());
    std::vector<char*> pointers;
    for (std::string& word : argv) {
        pointers.push_back(word.data());
    }
    pointers.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_TRUNC, 0);
    pid_t pid = 0;
    int status = -1;
    if (posix_spawn(&pid, CANTREL_CLI, &actions, nullptr, pointers.data(), environ) == 0 &&
        waitpid(pid, &status, 0) == pid) {
        status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return {status, TakeFile(outPath), TakeFile(errPath)};
}

// Runs `cantrel-cli NAME ARGS...`.
inline TCliRun RunCommand(const std::string& name, std::vector<std::string> args)
{
    args.insert(args.begin(), name);
    return RunCli(args);
}
