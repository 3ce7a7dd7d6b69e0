// The real tool against a real process that holds the working file: "save"
// and "export" write nothing and exit with status 6, the reading commands
// work, and once the holder is killed the next save goes through.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "CliRun.h"
#include "TestFiles.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using natarix::test::DataPath;
using natarix::test::Outcome;
using natarix::test::ReadBytes;
using natarix::test::RunCli;
using natarix::test::TempDir;

constexpr int kExitLocked = 6;

pid_t Spawn(std::vector<std::string> words, const posix_spawn_file_actions_t& actions)
{
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv.front(), &actions, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("posix_spawn " + words.front());
    return pid;
}

// The lock holder as a child process, running once it has said so.
class Holder {
public:
    explicit Holder(const std::string& definition)
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        pid_ = Spawn({NATARIX_LOCK_HOLDER, definition}, actions);
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        std::string said;
        char c;
        while (said.size() < 7 && ::read(fds[0], &c, 1) == 1)
            said += c;
        ::close(fds[0]);
        if (said != "locked\n")
            throw std::runtime_error("the holder did not take the lock");
    }
    ~Holder() { Kill(); }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

    void Kill()
    {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = 0;
};

// Name -> content of everything in the folder.
std::map<std::string, std::string> Contents(const std::string& folder)
{
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::directory_iterator(folder))
        contents[entry.path().filename().string()] = ReadBytes(entry.path().string());
    return contents;
}

TEST(CliLock, HeldWorkingFileIsNotWrittenUntilTheHolderIsKilled)
{
    TempDir folder;
    TempDir out;
    for (const char* name : {"minimal.dsv", "minimal.dsv.meld"})
        fs::copy_file(DataPath(name), folder.Path(name));
    Holder holder(folder.Path("minimal.dsv"));
    const auto before = Contents(folder.path());
    ASSERT_EQ(before.count("minimal.dsv.meld.lock"), 1u);

    const std::string holderText = "lock-holder (PID " + std::to_string(holder.pid()) + " ";
    const std::vector<std::string> refused[] = {{"save"}, {"save", "minimal.dsv"}, {"export", "--dir", out.path()}};
    for (const auto& args : refused) {
        SCOPED_TRACE(args.front());
        const Outcome run = RunCli(folder.path(), args);
        EXPECT_EQ(run.status, kExitLocked);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(holderText), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("nur zum Lesen"), std::string::npos) << run.err;
        EXPECT_EQ(Contents(folder.path()), before);
        EXPECT_TRUE(fs::is_empty(out.path()));
    }

    // Reading needs no lock.
    EXPECT_EQ(RunCli(folder.path(), {"show"}).status, 0);
    const Outcome pdf = RunCli(folder.path(), {"pdf", out.Path("m.pdf")});
    EXPECT_EQ(pdf.status, 0);
    EXPECT_EQ(pdf.err, "");
    EXPECT_EQ(Contents(folder.path()), before);

    holder.Kill();
    EXPECT_TRUE(fs::exists(folder.Path("minimal.dsv.meld.lock"))) << "a killed holder cannot tidy up";
    const Outcome save = RunCli(folder.path(), {"save"});
    EXPECT_EQ(save.status, 0);
    EXPECT_EQ(save.err, "");
    EXPECT_EQ(ReadBytes(folder.Path("minimal.dsv.meld")), before.at("minimal.dsv.meld"));
    EXPECT_FALSE(fs::exists(folder.Path("minimal.dsv.meld.lock"))) << "the next session took it over and removed it";
}

TEST(CliLock, HelpDocumentsTheStatus)
{
    EXPECT_NE(RunCli(".", {"--help"}).out.find("  6  \"save\" und \"export\""), std::string::npos);
}

}  // namespace
