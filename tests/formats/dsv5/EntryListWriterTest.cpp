#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "dsv5/EntryListWriter.h"

namespace natarix {
namespace {

using test::Replaced;

std::string Text(const MeetDefinition& meet, const ClubEntries& entries, bool exportMode)
{
    return EntryListWriter("unused", meet, entries, exportMode).BuildText();
}

const std::string kEmptyClub = "VEREIN:;VNKENNZAHL:;LSV:;NATION:;\r\nANSPRECHPARTNER:;;;;;;;;\r\n\r\n";

TEST(EntryListWriter, WritesTheWorkedExampleInBothForms)
{
    const auto meet = test::ExampleMeet();
    const ClubEntries entries = test::ExampleClubEntries();
    const std::string working = test::ExampleEntryList();
    const std::string exported = Replaced(working, "EINSATZWUNSCH:Zeitnehmer;\r\n", "");
    EXPECT_EQ(Text(*meet, entries, false), working);
    EXPECT_EQ(Text(*meet, entries, true), exported);

    const test::TempDir dir;
    for (const bool exportMode : {false, true}) {
        const std::string path = dir.Path(exportMode ? "export.DSV" : "Bezirk.dsv.meld");
        const EntryListWriter writer(path, *meet, entries, exportMode);
        RecordingMessageSink sink;
        EXPECT_TRUE(writer.Write(sink));
        EXPECT_TRUE(writer.Write(sink));
        EXPECT_TRUE(sink.messages.empty());
        EXPECT_EQ(test::ReadBytes(path), exportMode ? exported : working);
    }
}

TEST(EntryListWriter, WorkingFormKeepsParticipantsWithoutEntriesAndTeamLabels)
{
    const auto meet = test::ExampleMeet();
    ClubEntries entries = test::ExampleClubEntries();
    const std::string plainExport = Text(*meet, entries, true);
    Team* firstTeam = entries.teams()[0].get();
    firstTeam->teamName = "Mixed";
    firstTeam->classLabel = "offen";
    auto idle = std::make_unique<Swimmer>();
    idle->surname = "Neu";
    idle->firstName = "Ben";
    idle->yearOfBirth = 1995;
    entries.AddSwimmer(std::move(idle));
    auto idleTeam = std::make_unique<Team>();
    idleTeam->teamNumber = "2";
    idleTeam->teamName = "Lagen";
    entries.AddTeam(std::move(idleTeam));
    auto labelOnly = std::make_unique<Team>();
    labelOnly->teamNumber = "3";
    labelOnly->classLabel = "AK 40";
    labelOnly->SetEntry("10", "02:40,00");
    entries.AddTeam(std::move(labelOnly));

    const std::string participants = test::Lines({
        "PNMELDUNG:Muster,Anna;000000;W;1993;;",
        "STARTS:1;01:12,50;",
        "2;00:41,20;",
        "PNMELDUNG:Neu,Ben;000000;M;1995;;",
        "STARTS:",
        "STMELDUNG:1;;",
        "STAFFELNAME:Mixed;offen;",
        "STARTS:10;02:30,00;",
        "STMELDUNG:2;;",
        "STAFFELNAME:Lagen;;",
        "STARTS:",
        "STMELDUNG:3;;",
        "STAFFELNAME:;AK 40;",
        "STARTS:10;02:40,00;",
        "",
        "DATEIENDE",
    });
    const std::string working = test::ExampleEntryList();
    EXPECT_EQ(Text(*meet, entries, false), working.substr(0, working.find("PNMELDUNG:")) + participants);

    // The export form carries neither the idle participants nor the labels.
    EXPECT_EQ(Text(*meet, entries, true), Replaced(plainExport, "STARTS:10;02:30,00;\r\n",
                                                   "STARTS:10;02:30,00;\r\nSTMELDUNG:3;;\r\nSTARTS:10;02:40,00;\r\n"));
}

TEST(EntryListWriter, WritesParticipantsWithoutEntriesOnlyInTheWorkingForm)
{
    const auto meet = test::ExampleMeet();
    ClubEntries entries;
    const std::string head = Text(*meet, entries, true).substr(0, Text(*meet, entries, true).find("VEREIN:"));
    EXPECT_EQ(Text(*meet, entries, true), head + kEmptyClub + "DATEIENDE");
    EXPECT_EQ(Text(*meet, entries, false), head + kEmptyClub + "DATEIENDE");

    entries.AddTeam(std::make_unique<Team>());  // created before the swimmer, written after it
    entries.AddSwimmer(std::make_unique<Swimmer>());
    EXPECT_EQ(Text(*meet, entries, true), head + kEmptyClub + "DATEIENDE");
    EXPECT_EQ(
        Text(*meet, entries, false),
        head + kEmptyClub + "PNMELDUNG:,;000000;M;1980;;\r\nSTARTS:\r\nSTMELDUNG:1;;\r\nSTARTS:\r\n\r\nDATEIENDE");
}

TEST(EntryListWriter, WritesSexDescriptionsAndEmptyFieldsAsTheFormatSays)
{
    MeetDefinition meet;
    meet.title = "T";
    meet.place = "O";
    meet.AddSection(test::MakeSection("1", "11.03.2006", "09:00"));
    meet.AddEvent(test::MakeEvent("3", "1", "4", "100", "F", "X"));
    meet.AddEvent(test::MakeEvent("2", "1", "1", "100", "B", "W"));
    ClubEntries entries;
    for (const auto& [name, sex] : {std::pair{"m", Sex::Male}, std::pair{"w", Sex::Female}}) {
        auto swimmer = std::make_unique<Swimmer>();
        swimmer->surname = name;
        swimmer->sex = sex;
        swimmer->SetEntry("2", "01:00,00");
        entries.AddSwimmer(std::move(swimmer));
    }
    const std::string text = Text(meet, entries, true);
    EXPECT_EQ(text, test::Lines({"VEREINSMELDELISTE:", "FORMAT:5;", "VERANSTALTUNG:T;O;",
                                 "ABSCHNITT:1;11.03.2006;09:00;", "WETTKAMPF:2;1;100 B W;", "WETTKAMPF:3;1;4x100 F X;",
                                 "", "VEREIN:;VNKENNZAHL:;LSV:;NATION:;", "ANSPRECHPARTNER:;;;;;;;;", "",
                                 "PNMELDUNG:m,;000000;M;1980;;", "STARTS:2;01:00,00;", "PNMELDUNG:w,;000000;W;1980;;",
                                 "STARTS:2;01:00,00;", "", "DATEIENDE"}));
    EXPECT_EQ(Text(meet, entries, false), text);
}

}  // namespace
}  // namespace natarix
