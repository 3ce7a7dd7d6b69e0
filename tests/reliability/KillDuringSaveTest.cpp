// A process killed with SIGKILL at a random moment while it saves the
// working file over and over leaves the complete old or the complete new
// content, never a mixture and never an empty file. Up to kTrials kills,
// stopped early after kTimeBudget (the figures are printed).

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>

#include "SaveLoopModels.h"
#include "TestFiles.h"
#include "platform/FileIo.h"

extern char** environ;

namespace natarix {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using Clock = std::chrono::steady_clock;

constexpr int kTrials = 300;
constexpr int kLeastTrials = 100;
constexpr auto kTimeBudget = std::chrono::seconds(40);

// The save loop as a child process whose stdout is the read end `saves`:
// one byte per completed save.
class SaveLoopProcess {
public:
    explicit SaveLoopProcess(const std::string& workingFile)
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe");
        saves_ = fds[0];
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        std::string program = NATARIX_SAVE_LOOP;
        std::string path = workingFile;
        char* argv[] = {program.data(), path.data(), nullptr};
        const int spawned = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        if (spawned != 0)
            throw std::runtime_error("posix_spawn");
    }
    ~SaveLoopProcess()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(saves_);
    }
    SaveLoopProcess(const SaveLoopProcess&) = delete;
    SaveLoopProcess& operator=(const SaveLoopProcess&) = delete;

    // Blocks until `count` more saves have completed; false if the loop ended.
    bool AwaitSaves(int count)
    {
        char byte;
        for (int i = 0; i < count; ++i)
            if (::read(saves_, &byte, 1) != 1)
                return false;
        return true;
    }

    // Kills the loop; true when SIGKILL is what ended it.
    bool Kill()
    {
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

private:
    pid_t pid_ = -1;
    int saves_ = -1;
};

TEST(KillDuringSave, LeavesTheCompleteOldOrNewWorkingFile)
{
    const std::string oldText = reliability::SaveLoopText(0);
    const std::string newText = reliability::SaveLoopText(1);
    ASSERT_NE(oldText, newText);

    const test::TempDir scratch;
    const fs::path folder = scratch.path();
    const std::string working = (folder / "Bezirk.dsv.meld").string();
    ASSERT_EQ(SaveFileAtomically(working, oldText), SaveStatus::Ok);

    // How long one save takes, so that the kills spread over whole saves.
    Clock::duration saveTime;
    {
        SaveLoopProcess loop(working);
        ASSERT_TRUE(loop.AwaitSaves(1));
        const auto start = Clock::now();
        ASSERT_TRUE(loop.AwaitSaves(10));
        saveTime = (Clock::now() - start) / 10;
        loop.Kill();
    }

    const auto seed = std::random_device()();
    std::mt19937 random(seed);
    int trials = 0, old = 0, renewed = 0, duringSave = 0;
    const auto start = Clock::now();
    while (trials < kTrials && Clock::now() - start < kTimeBudget) {
        SCOPED_TRACE("trial " + std::to_string(trials) + ", seed " + std::to_string(seed));
        const std::string before = ReadBytes(working);
        // What an earlier kill left is reused by the next save; gone here, a
        // temporary file afterwards shows that this kill struck inside a save.
        fs::remove(TemporaryPathFor(working));
        SaveLoopProcess loop(working);
        // Anywhere from the start of the process to two saves in.
        ASSERT_TRUE(loop.AwaitSaves(std::uniform_int_distribution<int>(0, 1)(random)));
        std::this_thread::sleep_for(std::uniform_int_distribution<Clock::rep>(0, 2 * saveTime.count())(random) *
                                    Clock::duration(1));
        ASSERT_TRUE(loop.Kill()) << "the save loop ended on its own";
        ++trials;

        const std::string after = ReadBytes(working);
        ASSERT_TRUE(after == oldText || after == newText)
            << "the working file holds " << after.size() << " bytes that are neither content";
        old += after == oldText;
        renewed += after != before;
        duringSave += fs::exists(TemporaryPathFor(working));
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    std::printf(
        "%d kills in %lld ms (one save %lld us): %d left the old content, %d the new one; %d changed the "
        "file, %d struck during a save\n",
        trials, static_cast<long long>(elapsed.count()),
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count()), old,
        trials - old, renewed, duringSave);
    RecordProperty("kills", trials);
    RecordProperty("killsDuringSave", duringSave);
    EXPECT_GE(trials, kLeastTrials);
    // Without kills that land inside a save the test would prove nothing.
    EXPECT_GT(duringSave, 0);
    EXPECT_GT(renewed, 0);
}

}  // namespace
}  // namespace natarix
