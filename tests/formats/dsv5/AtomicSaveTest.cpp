#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FakeFileOps.h"
#include "TestSupport.h"
#include "dsv5/EntryListWriter.h"
#include "platform/FileIo.h"

namespace natarix {
namespace {

namespace fs = std::filesystem;

using Step = test::FakeFileOps::Step;

const std::string kNotCreated = std::string("Die Vereinsmeldeliste konnte nicht angelegt werden!");
const std::string kNotWritten = std::string("Die Vereinsmeldeliste konnte nicht geschrieben werden!");

TEST(AtomicSave, AFailureLeavesThePreviousFileAsItWas)
{
    struct Case {
        Step failing;
        SaveStatus status;
        std::string message;
    };
    const Case cases[] = {
        {Step::Create, SaveStatus::CreateFailed, kNotCreated},  {Step::Write, SaveStatus::WriteFailed, kNotWritten},
        {Step::Flush, SaveStatus::WriteFailed, kNotWritten},    {Step::Close, SaveStatus::WriteFailed, kNotWritten},
        {Step::Replace, SaveStatus::CreateFailed, kNotCreated},
    };
    const auto meet = test::ExampleMeet();
    const ClubEntries entries = test::ExampleClubEntries();
    const std::string previous = "VEREINSMELDELISTE:\r\nder alte Stand\r\nDATEIENDE";
    for (const Case& k : cases) {
        const test::TempDir dir;
        const std::string path = dir.Path("Bezirk.dsv.meld");
        test::WriteBytes(path, previous);
        test::FakeFileOps ops(k.failing);
        EXPECT_EQ(SaveFileAtomically(path, "neuer Inhalt", ops), k.status) << k.message;
        EXPECT_EQ(test::ReadBytes(path), previous) << k.message;
        EXPECT_FALSE(fs::exists(TemporaryPathFor(path))) << k.message;

        RecordingMessageSink sink;
        EXPECT_FALSE(EntryListWriter(path, *meet, entries, false).Write(sink, ops));
        EXPECT_EQ(sink.messages, std::vector{Message::Warning(k.message)});
        EXPECT_EQ(test::ReadBytes(path), previous) << k.message;
        EXPECT_FALSE(fs::exists(TemporaryPathFor(path))) << k.message;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path("")), fs::directory_iterator()), 1) << k.message;
    }
}

TEST(AtomicSave, ReplacesTheFileAndReusesALeftoverTemporaryFile)
{
    const test::TempDir dir;
    const std::string path = dir.Path("Bezirk.dsv.meld");
    test::WriteBytes(path, "alt");
    test::WriteBytes(TemporaryPathFor(path), "Rest eines Absturzes, länger als der neue Inhalt");
    EXPECT_EQ(SaveFileAtomically(path, "neu"), SaveStatus::Ok);
    EXPECT_EQ(test::ReadBytes(path), "neu");
    EXPECT_FALSE(fs::exists(TemporaryPathFor(path)));

    const auto meet = test::ExampleMeet();
    const ClubEntries noClub;
    RecordingMessageSink sink;
    EXPECT_TRUE(EntryListWriter(dir.Path("neu.meld"), *meet, noClub, true).Write(sink));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(test::ReadBytes(dir.Path("neu.meld")), EntryListWriter("", *meet, noClub, true).BuildText());
}

TEST(AtomicSave, RefusesAFolderInThePlaceOfTheFileOrAMissingFolder)
{
    const test::TempDir dir;
    const std::string folder = dir.Path("Bezirk.dsv.meld");
    fs::create_directory(folder);
    test::WriteBytes(dir.Path("Bezirk.dsv.meld/inhalt.txt"), "bleibt");
    const auto meet = test::ExampleMeet();
    const ClubEntries noClub;
    for (const std::string& path : {folder, dir.Path("fehlt/Bezirk.dsv.meld")}) {
        RecordingMessageSink sink;
        EXPECT_FALSE(EntryListWriter(path, *meet, noClub, false).Write(sink)) << path;
        EXPECT_EQ(sink.messages, std::vector{Message::Warning(kNotCreated)}) << path;
        EXPECT_FALSE(fs::exists(TemporaryPathFor(path))) << path;
    }
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(test::ReadBytes(dir.Path("Bezirk.dsv.meld/inhalt.txt")), "bleibt");
    EXPECT_FALSE(fs::exists(dir.Path("fehlt")));
}

}  // namespace
}  // namespace natarix
