#pragma once

#include "support/mp3_fixture.h"

#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

// What one run of cantrel-cli printed and returned.
struct TCliRun
{
    int Status;
    std::string Out;
    std::string Err;
};

// Runs the cantrel-cli program the build made, as a script would: `words` are its arguments, the
// folder and the environment are the test's. Status -1 when it did not exit.
inline TCliRun RunCli(const std::vector<std::string>& words)
{
    const TTempDir dir;
    const std::string out = dir / "out";
    const std::string err = dir / "err";
    std::vector<std::string> argv = {CANTREL_CLI};
    argv.insert(argv.end(), words.begin(), words.end());
    std::vector<char*> pointers;
    for (std::string& word : argv) {
        pointers.push_back(word.data());
    }
    pointers.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT, 0600);
    pid_t pid = 0;
    int status = -1;
    if (posix_spawn(&pid, CANTREL_CLI, &actions, nullptr, pointers.data(), environ) == 0 &&
        waitpid(pid, &status, 0) == pid) {
        status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return {status, ReadBytes(out), ReadBytes(err)};
}

// Runs `cantrel-cli NAME ARGS...`.
inline TCliRun RunCommand(const std::string& name, std::vector<std::string> args)
{
    args.insert(args.begin(), name);
    return RunCli(args);
}

// Points XDG_STATE_HOME at `folder` while it lives: the commands run keep a journal of their own.
struct TOwnStateHome
{
    const char* Given = std::getenv("XDG_STATE_HOME");
    const std::string Before = Given != nullptr ? Given : "";
    explicit TOwnStateHome(const std::string& folder)
    {
        setenv("XDG_STATE_HOME", folder.c_str(), 1);
    }
    ~TOwnStateHome() { setenv("XDG_STATE_HOME", Before.c_str(), 1); }
};
