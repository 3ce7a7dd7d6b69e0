#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "FakeFileOps.h"
#include "TestFiles.h"
#include "TestTexts.h"
#include "cli/ModelJson.h"
#include "dsv5/DefinitionReader.h"
#include "dsv5/EntryListWriter.h"
#include "platform/FileIo.h"
#include "session/WorkingFileCycle.h"

namespace {

namespace fs = std::filesystem;
using namespace natarix;
using test::Data;
using test::FileNames;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

class CycleTest : public ::testing::Test {
protected:
    std::string Put(const std::string& name, const std::string& bytes)
    {
        WriteBytes(folder.Path(name), bytes);
        return folder.Path(name);
    }

    TempDir folder;
    RecordingMessageSink sink;
    WorkingFileCycle cycle{sink, folder.path()};
};

enum class Kind { Valid, Malformed, Folder };

TEST(StartupProbe, TakesTheFirstRegularDsvFileInByteOrderThatReads)
{
    struct Case {
        const char* label;
        std::vector<std::pair<std::string, Kind>> entries;
        std::string expected;
    };
    const Case cases[] = {
        {"malformed one skipped", {{"a.dsv", Kind::Malformed}, {"b.dsv", Kind::Valid}}, "b.dsv"},
        {"extension in any case", {{"Bezirk.DSV", Kind::Valid}}, "Bezirk.DSV"},
        {"folder ignored", {{"a.dsv", Kind::Folder}, {"b.dsv", Kind::Valid}}, "b.dsv"},
        {"byte order of names",
         {{"b.dsv", Kind::Valid}, {"\xC3\x84pfel.dsv", Kind::Valid}, {"a.dsv", Kind::Valid}, {"Z.dsv", Kind::Valid}},
         "Z.dsv"},
        {"empty folder", {}, ""},
        {"only malformed", {{"a.dsv", Kind::Malformed}, {"B.Dsv", Kind::Malformed}}, ""},
        {"other names",
         {{"a.dsv.meld", Kind::Valid}, {"a.dsvx", Kind::Valid}, {"dsv", Kind::Valid}, {"a.dsv9", Kind::Valid}},
         ""},
        {"modern names", {{"a.dsv6", Kind::Malformed}, {"b.DSV7", Kind::Valid}}, "b.DSV7"},
        {"packed name", {{"a.dsv8", Kind::Malformed}, {"b.DSV8z", Kind::Valid}}, "b.DSV8z"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempDir folder;
        for (const auto& [name, kind] : c.entries) {
            if (kind == Kind::Folder)
                fs::create_directory(folder.Path(name));
            else
                WriteBytes(folder.Path(name), Data(kind == Kind::Valid ? "minimal.dsv" : "malformed.dsv"));
        }
        RecordingMessageSink sink;
        WorkingFileCycle cycle(sink, folder.path());
        EXPECT_EQ(cycle.FindStartupDefinition(), c.expected.empty() ? "" : folder.Path(c.expected));
        EXPECT_TRUE(sink.messages.empty());
        EXPECT_EQ(cycle.meet(), nullptr);
    }
}

TEST_F(CycleTest, FirstSaveCreatesTheWorkingFileWithAnEmptyClubSide)
{
    const std::string definition = Put("Bezirk.dsv", Data("minimal.dsv"));
    const std::string meld = definition + ".meld";
    cycle.LoadDefinition(definition);
    ASSERT_NE(cycle.meet(), nullptr);
    EXPECT_FALSE(fs::exists(meld)) << "loading writes nothing";

    ASSERT_TRUE(cycle.SaveWorkingFile());
    const auto fresh = DefinitionReader::Parse(Data("minimal.dsv")).value();
    EXPECT_EQ(ReadBytes(meld), EntryListWriter(meld, *fresh, ClubEntries(), false).BuildText());
    EXPECT_EQ(FileNames(folder.path()),
              (std::vector<std::string>{"Bezirk.dsv", "Bezirk.dsv.meld", "Bezirk.dsv.meld.lock"}));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(CycleTest, ModernMeetShowsItsWarningsInOneMessageAndKeepsAModernWorkingFile)
{
    // Two warnings of the reader: an unknown pool length and an unknown element.
    const std::string list = test::Replaced(test::Replaced(Data("two-rounds.dsv7"), ";50;HALB", ";51;HALB"),
                                            "DATEIENDE", "NEU:1;\r\nDATEIENDE");
    const std::string definition = Put("Meeting.dsv7", list);
    cycle.LoadDefinition(definition, WorkingFileCycle::Access::View);
    ASSERT_NE(cycle.meet(), nullptr);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0],
              Message::Captioned("Zeile 4: Unbekannter Wert „51“ für Bahnlänge in VERANSTALTUNG; er bleibt, wie er "
                                 "geschrieben ist.\nZeile 26: Das Element NEU gehört nicht zu einer "
                                 "Wettkampfdefinitionsliste und wird übergangen.",
                                 "Hinweise zur Wettkampfdefinitionsliste"));

    // Opened for editing, a swimmer without entries is kept in a
    // Vereinsmeldeliste of the meet's version, read back as it was typed.
    cycle.LoadDefinition(definition);
    EXPECT_FALSE(cycle.readOnly());
    Swimmer swimmer;
    swimmer.surname = "Krüger";
    swimmer.firstName = "Lena";
    swimmer.nationalities = {"GER", "POL"};
    cycle.Add(swimmer);
    const std::string written = ReadBytes(definition + ".meld");
    EXPECT_TRUE(written.starts_with("FORMAT:Vereinsmeldeliste;7;\r\nERZEUGER:Natarix;")) << written;
    sink.messages.clear();
    cycle.LoadDefinition(definition);
    ASSERT_EQ(cycle.entries().swimmers().size(), 1u);
    EXPECT_EQ(cycle.entries().swimmers()[0]->nationalities, swimmer.nationalities);
    EXPECT_EQ(sink.messages.size(), 1u) << sink.messages.back().text;  // the definition list's warnings only
    EXPECT_TRUE(cycle.SaveWorkingFile());
    EXPECT_EQ(ReadBytes(definition + ".meld"), written);
    EXPECT_EQ(FileNames(folder.path()),
              (std::vector<std::string>{"Meeting.dsv7", "Meeting.dsv7.meld", "Meeting.dsv7.meld.lock"}));
}

// Another program's entry list, or a working file of the older format, is
// taken as it is and kept beside the working file before the first rewrite.
TEST_F(CycleTest, ForeignOrOlderWorkingFileOfAModernMeetIsKeptBeforeItIsRewritten)
{
    const std::string foreign =
        test::Replaced(Data("two-rounds-Me.DSV7"), "ERZEUGER:Natarix;", "ERZEUGER:Anderes Programm;");
    for (const std::string& original : {foreign, Data("two-rounds.dsv7.meld")}) {
        TempDir own;
        const std::string definition = own.Path("m.dsv7");
        WriteBytes(definition, Data("two-rounds.dsv7"));
        WriteBytes(definition + ".meld", original);
        sink.messages.clear();
        cycle.LoadDefinition(definition);
        ASSERT_FALSE(cycle.entries().swimmers().empty());
        EXPECT_TRUE(sink.messages.empty()) << sink.messages[0].text;
        EXPECT_TRUE(cycle.SaveWorkingFile());
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_NE(sink.messages[0].text.find("anderen Programm oder in einem älteren Format"), std::string::npos);
        EXPECT_EQ(ReadBytes(definition + ".meld.original"), original);
        EXPECT_TRUE(ReadBytes(definition + ".meld").starts_with("FORMAT:Vereinsmeldeliste;7;"));
        cycle.DiscardCompetition();
    }
}

TEST_F(CycleTest, ReopeningAfterEditsGivesTheSameModel)
{
    const std::string definition = Put("m.dsv", Data("minimal.dsv"));
    Put("m.dsv.meld", Data("minimal.dsv.meld"));
    cycle.LoadDefinition(definition);
    ASSERT_NE(cycle.meet(), nullptr);
    const ClubEntries& c = cycle.entries();
    Club club = c.club;
    club.clubName = "SV Neu";
    club.contact.fax.clear();
    cycle.SetClub(club);
    Swimmer swimmer;  // no entries: the working file keeps it all the same
    swimmer.surname = "Weiß";
    swimmer.firstName = "Jana";
    swimmer.sex = Sex::Female;
    swimmer.yearOfBirth = 1993;
    cycle.Add(swimmer);
    Team team;
    team.teamNumber = "2";
    team.teamName = "Mixed A";
    team.classLabel = "offen";
    team.SetEntry("2", "02:30,00");
    cycle.Add(team);
    Official official = *c.officials().front();
    official.wish.clear();
    official.group = 3;
    cycle.Change(*c.officials().front(), official);
    ASSERT_TRUE(cycle.SaveWorkingFile());
    const std::string edited = ModelToJson(*cycle.meet(), c);
    const std::string written = ReadBytes(cycle.workingFilePath());

    cycle.LoadDefinition(definition);
    ASSERT_NE(cycle.meet(), nullptr);
    EXPECT_EQ(ModelToJson(*cycle.meet(), cycle.entries()), edited);
    ASSERT_TRUE(cycle.SaveWorkingFile());
    EXPECT_EQ(ReadBytes(cycle.workingFilePath()), written);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(CycleTest, PartlyReadWorkingFileIsKeptBesideItBeforeTheFirstRewrite)
{
    const std::string definition = Put("p.dsv", Data("partial.dsv"));
    const std::string partial = Data("partial.dsv.meld");
    const std::string meld = Put("p.dsv.meld", partial);
    cycle.LoadDefinition(definition);
    ASSERT_NE(cycle.meet(), nullptr);
    const Message refused = Message::ReadFailure("Falsche Geschlechtsangabe", {"p.dsv.meld", 17});
    EXPECT_EQ(sink.messages, std::vector<Message>{refused});
    EXPECT_EQ(cycle.entries().swimmers().size(), 1u);
    EXPECT_TRUE(cycle.entries().teams().empty());
    EXPECT_EQ(FileNames(folder.path()), (std::vector<std::string>{"p.dsv", "p.dsv.meld", "p.dsv.meld.lock"}))
        << "loading writes nothing but its lock";

    ASSERT_TRUE(cycle.SaveWorkingFile());
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[1].kind, MessageKind::Warning);
    EXPECT_NE(sink.messages[1].text.find(meld + ".original"), std::string::npos) << sink.messages[1].text;
    EXPECT_EQ(cycle.keptOriginalPath(), meld + ".original");
    EXPECT_EQ(ReadBytes(meld + ".original"), partial);
    EXPECT_EQ(ReadBytes(meld), EntryListWriter(meld, *cycle.meet(), cycle.entries(), false).BuildText());

    // Kept once: the next save only rewrites.
    ASSERT_TRUE(cycle.SaveWorkingFile());
    EXPECT_EQ(sink.messages.size(), 2u);
    EXPECT_FALSE(fs::exists(meld + ".original-2"));

    // Another partial file later never replaces the first copy.
    std::string second = partial;
    second.replace(second.find("Zielrichterin"), 13, "Starter");
    WriteBytes(meld, second);
    cycle.LoadDefinition(definition);
    ASSERT_TRUE(cycle.SaveWorkingFile());
    ASSERT_EQ(sink.messages.size(), 4u);
    EXPECT_EQ(sink.messages[2], refused);
    EXPECT_NE(sink.messages[3].text.find(meld + ".original-2"), std::string::npos) << sink.messages[3].text;
    EXPECT_EQ(ReadBytes(meld + ".original"), partial);
    EXPECT_EQ(ReadBytes(meld + ".original-2"), second);
    EXPECT_FALSE(fs::exists(meld + ".original-3"));
}

TEST_F(CycleTest, EveryKindOfIncompleteReadKeepsTheOriginal)
{
    const std::string complete = Data("minimal.dsv.meld");
    const std::string body = complete.substr(0, complete.rfind("DATEIENDE"));
    struct Case {
        const char* label;
        std::string bytes;
        bool kept;
    };
    const Case cases[] = {
        {"content error", Data("partial.dsv.meld"), true},
        {"empty file", "", true},
        {"cut off before the end mark", body, true},
        {"records after the participants", body + "KARIMELDUNG:Neu,Anna;1;\r\nABSCHNITTE:1;\r\n\r\nDATEIENDE", true},
        {"complete", complete, false},
        {"complete, line end after the end mark", complete + "\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempDir folder;
        WriteBytes(folder.Path("m.dsv"), Data("minimal.dsv"));
        WriteBytes(folder.Path("m.dsv.meld"), c.bytes);
        RecordingMessageSink sink;
        WorkingFileCycle cycle(sink, folder.path());
        cycle.LoadDefinition(folder.Path("m.dsv"));
        ASSERT_NE(cycle.meet(), nullptr);
        ASSERT_TRUE(cycle.SaveWorkingFile());
        EXPECT_EQ(fs::exists(folder.Path("m.dsv.meld.original")), c.kept);
        if (!c.kept)
            continue;
        EXPECT_EQ(ReadBytes(folder.Path("m.dsv.meld.original")), c.bytes);
        ASSERT_FALSE(sink.messages.empty());
        EXPECT_EQ(sink.messages.back().kind, MessageKind::Warning);
        EXPECT_NE(sink.messages.back().text.find("m.dsv.meld.original"), std::string::npos);
    }
}

TEST_F(CycleTest, FolderInPlaceOfTheWorkingFileIsMovedAside)
{
    const std::string definition = Put("m.dsv", Data("minimal.dsv"));
    const std::string meld = definition + ".meld";
    fs::create_directory(meld);
    WriteBytes(meld + "/inside.txt", "kept");
    cycle.LoadDefinition(definition);
    ASSERT_NE(cycle.meet(), nullptr);
    EXPECT_EQ(sink.messages, std::vector<Message>{
                                 Message::Warning(std::string("Die Vereinsmeldeliste konnte nicht geöffnet werden!"))});

    ASSERT_TRUE(cycle.SaveWorkingFile());
    EXPECT_EQ(ReadBytes(meld + ".original/inside.txt"), "kept");
    EXPECT_TRUE(fs::is_regular_file(meld));
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[1].kind, MessageKind::Warning);
    EXPECT_NE(sink.messages[1].text.find(meld + ".original"), std::string::npos);
}

TEST_F(CycleTest, OriginalThatCannotBeKeptIsNotOverwritten)
{
    // A name so long that no file beside it can carry a longer one.
    const std::string definition = Put(std::string(242, 'd') + ".dsv", Data("partial.dsv"));
    const std::string meld = Put(fs::path(definition).filename().string() + ".meld", Data("partial.dsv.meld"));
    cycle.LoadDefinition(definition);
    ASSERT_NE(cycle.meet(), nullptr);
    ASSERT_EQ(sink.messages.size(), 1u);

    EXPECT_FALSE(cycle.SaveWorkingFile());
    ASSERT_EQ(sink.messages.size(), 2u) << "no attempt to write";
    EXPECT_EQ(sink.messages[1].kind, MessageKind::Warning);
    EXPECT_NE(sink.messages[1].text.find(meld), std::string::npos);
    EXPECT_FALSE(cycle.SaveWorkingFile());
    EXPECT_EQ(ReadBytes(meld), Data("partial.dsv.meld"));
    EXPECT_EQ(FileNames(folder.path()).size(), 2u);
}

using Step = test::FakeFileOps::Step;

TEST(CycleSave, FailedSaveLeavesTheWorkingFileAsItWas)
{
    const std::string notCreated(std::string("Die Vereinsmeldeliste konnte nicht angelegt werden!"));
    const std::string notWritten(std::string("Die Vereinsmeldeliste konnte nicht geschrieben werden!"));
    const std::pair<Step, std::string> cases[] = {
        {Step::Create, notCreated}, {Step::Write, notWritten}, {Step::Flush, notWritten}, {Step::Replace, notCreated}};
    for (const auto& [step, text] : cases) {
        SCOPED_TRACE(static_cast<int>(step));
        TempDir folder;
        WriteBytes(folder.Path("m.dsv"), Data("minimal.dsv"));
        WriteBytes(folder.Path("m.dsv.meld"), Data("minimal.dsv.meld"));
        RecordingMessageSink sink;
        test::FakeFileOps ops(step);
        WorkingFileCycle cycle(sink, folder.path(), ops);
        cycle.LoadDefinition(folder.Path("m.dsv"));
        ASSERT_NE(cycle.meet(), nullptr);
        Club club = cycle.entries().club;
        club.clubName = "SV Neu";
        cycle.SetClub(club);  // its save fails as well

        EXPECT_FALSE(cycle.SaveWorkingFile());
        EXPECT_EQ(sink.messages, (std::vector<Message>{Message::Warning(text), Message::Warning(text)}));
        EXPECT_EQ(ReadBytes(folder.Path("m.dsv.meld")), Data("minimal.dsv.meld"));
        EXPECT_EQ(FileNames(folder.path()), (std::vector<std::string>{"m.dsv", "m.dsv.meld", "m.dsv.meld.lock"}));
    }
}

TEST_F(CycleTest, FailedLoadLeavesNoCompetitionAndSavesNothing)
{
    const std::string good = Put("good.dsv", Data("minimal.dsv"));
    Put("good.dsv.meld", Data("minimal.dsv.meld"));
    const Message notOpened =
        Message::Warning(std::string("Die Wettkampfdefinitionsdatei konnte nicht geöffnet werden!"));
    fs::create_directory(folder.Path("dir.dsv"));
    struct Case {
        std::string path;
        Message message;
        std::string definitionPath;
    };
    const Case cases[] = {
        {Put("bad.dsv", Data("malformed.dsv")), Message::ReadFailure("Falsches Format", {"bad.dsv", 2}), good},
        {folder.Path("missing.dsv"), notOpened, folder.Path("missing.dsv")},
        {folder.Path("dir.dsv"), notOpened, folder.Path("dir.dsv")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        cycle.LoadDefinition(good);
        ASSERT_NE(cycle.meet(), nullptr);
        sink.messages.clear();
        // The failed load gives the lock of the good one up.
        auto before = FileNames(folder.path());
        before.erase(std::find(before.begin(), before.end(), "good.dsv.meld.lock"));

        cycle.LoadDefinition(c.path);
        EXPECT_EQ(cycle.meet(), nullptr);
        EXPECT_EQ(sink.messages, std::vector<Message>{c.message});
        EXPECT_EQ(cycle.definitionPath(), c.definitionPath);
        EXPECT_FALSE(cycle.SaveWorkingFile());
        EXPECT_EQ(FileNames(folder.path()), before);
        EXPECT_EQ(ReadBytes(good + ".meld"), Data("minimal.dsv.meld"));
    }
}

}  // namespace
