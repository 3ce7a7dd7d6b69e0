// One program per working file: the texts that name the holder, and a
// session that finds the working file held by another program.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "codec/Cp1252.h"
#include "session/LockTexts.h"
#include "session/WorkingFileCycle.h"

namespace natarix {
namespace {

namespace fs = std::filesystem;
using test::Data;
using test::FileNames;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

ProcessIdentity Process(unsigned long pid, std::string host, int day, int month, int year, int hour, int minute)
{
    ProcessIdentity process;
    process.processId = pid;
    process.hostName = std::move(host);
    process.now.tm_mday = day;
    process.now.tm_mon = month - 1;
    process.now.tm_year = year - 1900;
    process.now.tm_hour = hour;
    process.now.tm_min = minute;
    return process;
}

TEST(LockTexts, HolderTextNamesProgramProcessHostAndTime)
{
    EXPECT_EQ(LockHolderText("natarix-cli", Process(1234, "pc7", 8, 12, 2026, 14, 3)),
              "natarix-cli (PID 1234 auf pc7) seit 08.12.2026 14:03");
    EXPECT_EQ(LockHolderText("Natarix", Process(7, "", 1, 1, 2027, 9, 5)), "Natarix (PID 7) seit 01.01.2027 09:05");
}

TEST(LockTexts, MessageShowsOnlyThePlainFirstLineOfTheLockFile)
{
    const std::string start = "Die Vereinsmeldeliste „/x/m.dsv.meld“ ist schon in einem anderen Programm geöffnet";
    const std::string end =
        ". Der Wettkampf wird deshalb nur zum Lesen geöffnet: Änderungen sind nicht möglich, "
        "es wird nichts gespeichert und nichts exportiert.";
    const struct {
        std::string content;
        std::string shown;
    } cases[] = {
        {"Natarix (PID 5) seit 08.12.2026 14:03", ": Natarix (PID 5) seit 08.12.2026 14:03"},
        {"", ""},
        {"   \nzweite Zeile", ""},
        {"a\tb\xC3\xA4 \r\nc", ": a?b??"},
        {std::string(500, 'x'), ": " + std::string(160, 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        const Message message = LockedWorkingFileMessage("/x/m.dsv.meld", c.content);
        EXPECT_EQ(message.kind, MessageKind::Warning);
        EXPECT_EQ(message.text, start + c.shown + end);
    }
}

class HeldWorkingFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteBytes(definition, Data("partial.dsv"));
        WriteBytes(definition + ".meld", Data("partial.dsv.meld"));
        ASSERT_EQ(other.Take(lockFile, "natarix-cli (PID 42) seit 08.12.2026 14:03"), FileLock::Outcome::Taken);
    }

    TempDir folder;
    const std::string definition = folder.Path("p.dsv");
    const std::string lockFile = definition + ".meld.lock";
    FileLock other;
    RecordingMessageSink sink;
    WorkingFileCycle cycle{sink, folder.path()};
};

TEST_F(HeldWorkingFile, OpensReadOnlyAndWritesNothing)
{
    cycle.LoadDefinition(definition);
    ASSERT_NE(cycle.meet(), nullptr);
    EXPECT_TRUE(cycle.readOnly());
    EXPECT_TRUE(cycle.lockedElsewhere());
    EXPECT_EQ(cycle.entries().swimmers().size(), 1u) << "the working file is read all the same";
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0], LockedWorkingFileMessage(definition + ".meld", ReadBytes(lockFile)));

    // Neither the copy of the partly read file nor the rewrite.
    cycle.KeepUnreadOriginal();
    EXPECT_FALSE(cycle.SaveWorkingFile());
    EXPECT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(ReadBytes(definition + ".meld"), Data("partial.dsv.meld"));
    EXPECT_EQ(FileNames(folder.path()), (std::vector<std::string>{"p.dsv", "p.dsv.meld", "p.dsv.meld.lock"}));
    EXPECT_EQ(ReadBytes(lockFile), "natarix-cli (PID 42) seit 08.12.2026 14:03");
}

TEST_F(HeldWorkingFile, NextLoadAfterTheHolderEndedEditsAndHoldsTheLock)
{
    cycle.LoadDefinition(definition);
    other.Release();
    sink.messages.clear();

    cycle.LoadDefinition(definition);
    EXPECT_FALSE(cycle.readOnly());
    EXPECT_FALSE(cycle.lockedElsewhere());
    EXPECT_EQ(ReadBytes(lockFile).rfind("Natarix (PID " + std::to_string(::getpid()) + " ", 0), 0u);
    EXPECT_TRUE(cycle.SaveWorkingFile());
    EXPECT_EQ(other.Take(lockFile, "x"), FileLock::Outcome::HeldElsewhere);

    cycle.DiscardCompetition();
    EXPECT_EQ(other.Take(lockFile, "x"), FileLock::Outcome::Taken) << "closing the competition gives the lock up";
}

TEST_F(HeldWorkingFile, ViewingTakesNoLockAndSaysNothing)
{
    cycle.LoadDefinition(definition, WorkingFileCycle::Access::View);
    ASSERT_NE(cycle.meet(), nullptr);
    EXPECT_TRUE(cycle.readOnly());
    EXPECT_FALSE(cycle.lockedElsewhere());
    EXPECT_EQ(sink.messages.size(), 1u) << "only the reader's own message";
    EXPECT_FALSE(cycle.SaveWorkingFile());

    other.Release();
    cycle.LoadDefinition(definition, WorkingFileCycle::Access::View);
    EXPECT_FALSE(fs::exists(lockFile));
}

}  // namespace
}  // namespace natarix
