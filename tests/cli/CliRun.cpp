#include "CliRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "TestFiles.h"

extern char** environ;

namespace natarix::test {

Outcome RunCli(const std::string& folder, const std::vector<std::string>& args, const std::string& stdoutPath)
{
    TempDir capture;
    const std::string outPath = stdoutPath.empty() ? capture.Path("out") : stdoutPath;
    const std::string errPath = capture.Path("err");
    std::vector<std::string> words{NATARIX_CLI};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, NATARIX_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    Outcome outcome;
    int status = 0;
    if (spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        outcome.status = WEXITSTATUS(status);
    if (stdoutPath.empty())
        outcome.out = ReadBytes(outPath);
    outcome.err = ReadBytes(errPath);
    return outcome;
}

}  // namespace natarix::test
