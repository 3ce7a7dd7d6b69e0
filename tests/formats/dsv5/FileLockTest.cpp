// The lock file between two holders. Two locks in one process stand in for
// two programs: neither platform lets a second open of the file take it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestFiles.h"
#include "platform/FileLock.h"

namespace natarix {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TEST(FileLock, SecondHolderIsRefusedAndCanReadWhoHoldsIt)
{
    TempDir folder;
    const std::string path = folder.Path("m.dsv.meld.lock");
    FileLock first;
    ASSERT_EQ(first.Take(path, "erster"), FileLock::Outcome::Taken);
    EXPECT_TRUE(first.held());

    FileLock second;
    EXPECT_EQ(second.Take(path, "zweiter"), FileLock::Outcome::HeldElsewhere);
    EXPECT_FALSE(second.held());
    EXPECT_EQ(ReadBytes(path), "erster") << "the refused holder overwrites nothing, and the text stays readable";

    first.Release();
    EXPECT_FALSE(fs::exists(path)) << "a released lock leaves no file";
    ASSERT_EQ(second.Take(path, "zweiter"), FileLock::Outcome::Taken);
    EXPECT_EQ(ReadBytes(path), "zweiter");
}

TEST(FileLock, FileLeftByAnEndedHolderIsTakenOver)
{
    TempDir folder;
    const std::string path = folder.Path("m.dsv.meld.lock");
    WriteBytes(path, "natarix (PID 99999) seit 01.01.2020 00:00 and a much longer tail");
    FileLock lock;
    ASSERT_EQ(lock.Take(path, "neu"), FileLock::Outcome::Taken);
    EXPECT_EQ(ReadBytes(path), "neu");
}

TEST(FileLock, TakingAgainOrDestroyingGivesTheLockUp)
{
    TempDir folder;
    const std::string a = folder.Path("a.lock");
    const std::string b = folder.Path("b.lock");
    FileLock other;
    {
        FileLock lock;
        ASSERT_EQ(lock.Take(a, "x"), FileLock::Outcome::Taken);
        ASSERT_EQ(lock.Take(b, "x"), FileLock::Outcome::Taken);
        EXPECT_EQ(other.Take(a, "y"), FileLock::Outcome::Taken) << "the first lock went with the second take";
        other.Release();
        EXPECT_EQ(other.Take(b, "y"), FileLock::Outcome::HeldElsewhere);
    }
    EXPECT_EQ(other.Take(b, "y"), FileLock::Outcome::Taken);
}

TEST(FileLock, LockFileThatCannotBeMadeFails)
{
    TempDir folder;
    FileLock lock;
    EXPECT_EQ(lock.Take(folder.Path("missing/m.lock"), "x"), FileLock::Outcome::Failed);
    EXPECT_EQ(lock.Take(folder.path(), "x"), FileLock::Outcome::Failed) << "a folder of that name";
    EXPECT_FALSE(lock.held());
}

}  // namespace
}  // namespace natarix
