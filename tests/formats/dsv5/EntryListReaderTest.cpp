#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestSupport.h"
#include "dsv5/DefinitionReader.h"
#include "dsv5/EntryListReader.h"
#include "dsv5/EntryListWriter.h"

namespace natarix {
namespace {

using test::Dump;
using test::EntryListReadBack;
using test::ReadIntoExample;
using test::Replaced;

TEST(EntryListReader, ReadsEveryFieldOfTheWorkedExample)
{
    ClubEntries expected = test::ExampleClubEntries();
    const EntryListReadBack working = ReadIntoExample(test::ExampleEntryList());
    EXPECT_EQ(working.completeness, ReadCompleteness::Complete);
    EXPECT_TRUE(working.messages.empty());
    EXPECT_EQ(Dump(working.entries), Dump(expected));

    const EntryListReadBack exported =
        ReadIntoExample(Replaced(test::ExampleEntryList(), "EINSATZWUNSCH:Zeitnehmer;\r\n", ""));
    EXPECT_EQ(exported.completeness, ReadCompleteness::Complete);
    EXPECT_TRUE(exported.messages.empty());
    expected.officials()[0]->wish.clear();
    EXPECT_EQ(Dump(exported.entries), Dump(expected));
}

TEST(EntryListReader, KeepsWhatWasReadBeforeTheFirstDeviation)
{
    struct Case {
        std::string_view from;
        std::string_view to;
        std::string_view message;  // empty: none
        std::size_t line;          // where the reading stopped, for a message
        ReadCompleteness completeness;
        std::string_view clubName;
        std::size_t officials, swimmers, teams;
    };
    constexpr auto kComplete = ReadCompleteness::Complete;
    constexpr auto kIncomplete = ReadCompleteness::Incomplete;
    constexpr std::string_view kClub = "SV Beispielstadt";
    const Case cases[] = {
        {"DATEIENDE", "DATEIENDE", "", 0, kComplete, kClub, 1, 1, 1},
        {"FORMAT:5;", "FORMAT:6;", "Falsches Format", 2, kIncomplete, "", 0, 0, 0},
        {"Kreismeisterschaften;", "kreismeisterschaften;", "Veranstaltungsbezeichnung abweichend!", 3, kIncomplete, "",
         0, 0, 0},
        {"Musterstadt;", "Musterstadt ;", "Veranstaltungsort abweichend!", 3, kIncomplete, "", 0, 0, 0},
        {"11.03.2006;", "11.03.2006 ;", "Ungültiges Abschnittsdatum gefunden!", 4, kIncomplete, "", 0, 0, 0},
        {"12.03.2006;09:30;", "12.03.2006;9:30;", "Ungültige Abschnittszeit gefunden!", 5, kIncomplete, "", 0, 0, 0},
        {"ABSCHNITT:2;", "ABSCHNITT:3;", "Abschnitt nicht vorhanden!", 5, kIncomplete, "", 0, 0, 0},
        {"ABSCHNITT:1;", "ABSCHNITT:01;", "", 0, kComplete, kClub, 1, 1, 1},
        {"WETTKAMPF:2;", "WETTKAMPF:3;", "Wettkampf nicht vorhanden!", 7, kIncomplete, "", 0, 0, 0},
        {"WETTKAMPF:1;1;", "WETTKAMPF:01;1;", "", 0, kComplete, kClub, 1, 1, 1},
        {"WETTKAMPF:1;1;", "WETTKAMPF:1;01;", "Ungültige Abschnittsnummer gefunden!", 6, kIncomplete, "", 0, 0, 0},
        {"4x100 F X", "3x100 F X", "Ungültige Wettkampfanzahl gefunden!", 8, kIncomplete, "", 0, 0, 0},
        {"100 B W", "200 B W", "Ungültige Wettkampfstrecke gefunden!", 6, kIncomplete, "", 0, 0, 0},
        {"100 B W", "100 R W", "Ungültige Wettkampftechnik gefunden!", 6, kIncomplete, "", 0, 0, 0},
        {"100 B W", "100 B w", "Ungültiges Wettkampfgeschlecht gefunden!", 6, kIncomplete, "", 0, 0, 0},
        {"VNKENNZAHL:", "VNKENZAHL:", "VNKENNZAHL: not found by EatFixString", 10, kIncomplete, kClub, 0, 0, 0},
        {"ABSCHNITTE:", "ABSCHNITT:", "ABSCHNITTE: not found by EatFixString", 15, kIncomplete, kClub, 0, 0, 0},
        {"PNMELDUNG:Muster,Anna;000000;W;",
         "PNMELDUNG:Alt,Ben;000000;M;1990;;\r\nSTARTS:\r\nPNMELDUNG:Muster,Anna;000000;w;", "Falsche Geschlechtsangabe",
         19, kIncomplete, kClub, 1, 1, 0},
        {"000000;W;", "000000;W ;", "Falsche Geschlechtsangabe", 17, kIncomplete, kClub, 1, 0, 0},
        {"STMELDUNG:1;;\r\nSTARTS:", "STMELDUNG:1;;\r\nSTART:", "STARTS: not found by EatFixString", 21, kIncomplete,
         kClub, 1, 1, 1},
        {"\r\nDATEIENDE", "\r\n(* offen", "comment end not found", 23, kIncomplete, kClub, 1, 1, 1},
        // Nothing but the end mark may follow the participants; the reader
        // says nothing about it, but the read is not complete.
        {"\r\n\r\nDATEIENDE", "\r\n", "", 0, kIncomplete, kClub, 1, 1, 1},
        {"\r\nDATEIENDE", "\r\nXYZ:1;\r\nDATEIENDE", "", 0, kIncomplete, kClub, 1, 1, 1},
        {"2;00:41,20;", "0;00:41,20;", "", 0, kIncomplete, kClub, 1, 1, 0},
        {"2;00:41,20;", "x2;00:41,20;", "", 0, kIncomplete, kClub, 1, 1, 0},
        {"\r\nDATEIENDE", "\r\nDATEIENDE\r\nMehr;", "", 0, kComplete, kClub, 1, 1, 1},
        {"PNMELDUNG:Muster,Anna;", "\r\n(* Schwimmerin *)\r\n  PNMELDUNG:(* Name *) Muster,Anna;", "", 0, kComplete,
         kClub, 1, 1, 1},
    };
    for (const Case& c : cases) {
        const EntryListReadBack r = ReadIntoExample(Replaced(test::ExampleEntryList(), c.from, c.to));
        const std::vector<Message> expected =
            c.message.empty() ? std::vector<Message>{}
                              : std::vector{Message::ReadFailure(std::string(c.message), {"", c.line})};
        EXPECT_EQ(r.messages, expected) << c.to;
        EXPECT_EQ(r.completeness, c.completeness) << c.to;
        EXPECT_EQ(r.entries.club.clubName, c.clubName) << c.to;
        EXPECT_EQ(r.entries.officials().size(), c.officials) << c.to;
        EXPECT_EQ(r.entries.swimmers().size(), c.swimmers) << c.to;
        EXPECT_EQ(r.entries.teams().size(), c.teams) << c.to;
    }

    // The swimmer read before the refused one stays; entries read before a
    // number 0 stay with their participant.
    const EntryListReadBack refused =
        ReadIntoExample(Replaced(test::ExampleEntryList(), "PNMELDUNG:Muster,Anna;000000;W;",
                                 "PNMELDUNG:Alt,Ben;000000;M;1990;;\r\nSTARTS:3;00:50,00;\r\n"
                                 "PNMELDUNG:Muster,Anna;000000;w;"));
    ASSERT_EQ(refused.entries.swimmers().size(), 1u);
    EXPECT_EQ(refused.entries.swimmers()[0]->surname, "Alt");
    EXPECT_EQ(refused.entries.swimmers()[0]->entries, (EntryMap{{"3", "00:50,00"}}));
    const EntryListReadBack stopped = ReadIntoExample(Replaced(test::ExampleEntryList(), "2;00:41,20;", "0;00:41,20;"));
    ASSERT_EQ(stopped.entries.swimmers().size(), 1u);
    EXPECT_EQ(stopped.entries.swimmers()[0]->entries, (EntryMap{{"1", "01:12,50"}}));
}

TEST(EntryListReader, ReadsRecordShapes)
{
    const std::string example = test::ExampleEntryList();
    const auto official = [&](std::string_view from, std::string_view to) {
        const EntryListReadBack r = ReadIntoExample(Replaced(example, from, to));
        EXPECT_TRUE(r.messages.empty()) << to;
        return r.entries.officials().empty() ? Official{} : *r.entries.officials()[0];
    };
    EXPECT_TRUE(official("ABSCHNITTE:1;2;", "ABSCHNITTE:;").sectionNumbers.empty());
    EXPECT_EQ(official("ABSCHNITTE:1;2;", "ABSCHNITTE:;2;").sectionNumbers, (std::vector<std::string>{"", "2"}));
    EXPECT_EQ(official("ABSCHNITTE:1;2;", "ABSCHNITTE:1;3;").sectionNumbers, (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(official("ABSCHNITTE:1;2;", "ABSCHNITTE:10;0;").sectionNumbers, std::vector<std::string>{"10"});
    EXPECT_EQ(official("EINSATZWUNSCH:Zeitnehmer;", "EINSATZWUNSCH:Zeitnehmer \t;").wish, "Zeitnehmer");
    const Official noComma = official("Muster,Paul;", "Muster ;");
    EXPECT_EQ(noComma.surname, "Muster ");
    EXPECT_EQ(noComma.firstName, "Muster ");
    const Official trimmed = official("Muster,Paul;", "Muster ,Paul \t;");
    EXPECT_EQ(trimmed.surname, "Muster");
    EXPECT_EQ(trimmed.firstName, "Paul");

    const EntryListReadBack swimmer =
        ReadIntoExample(Replaced(example, "Muster,Anna;000000;W;1993;;\r\nSTARTS:1;01:12,50;\r\n",
                                 "Anna;12345 ;W;1993x;egal;\r\nSTARTS:1;01:12,50;\r\n1;;\r\n02;00:40,00;"));
    EXPECT_TRUE(swimmer.messages.empty());
    ASSERT_EQ(swimmer.entries.swimmers().size(), 1u);
    const Swimmer& anna = *swimmer.entries.swimmers()[0];
    EXPECT_EQ(anna.surname, "Anna");
    EXPECT_EQ(anna.firstName, "Anna");
    EXPECT_EQ(anna.registrationNumber, "12345 ");
    EXPECT_EQ(anna.yearOfBirth, 1993);
    // An empty time removes the entry; a later number of the same value replaces it.
    EXPECT_EQ(anna.entries, (EntryMap{{"2", "00:41,20"}}));

    const EntryListReadBack team =
        ReadIntoExample(Replaced(example, "STMELDUNG:1;;\r\n", "STMELDUNG:7 ;;\r\nSTAFFELNAME:Lagen;offen;\r\n"));
    EXPECT_TRUE(team.messages.empty());
    EXPECT_EQ(team.completeness, ReadCompleteness::Complete);
    ASSERT_EQ(team.entries.teams().size(), 1u);
    EXPECT_EQ(team.entries.teams()[0]->teamNumber, "7");
    EXPECT_EQ(team.entries.teams()[0]->teamName, "Lagen");
    EXPECT_EQ(team.entries.teams()[0]->classLabel, "offen");
    EXPECT_EQ(team.entries.teams()[0]->entries.size(), 1u);
}

TEST(EntryListReader, ReportsAFileThatCannotBeOpened)
{
    const test::TempDir dir;
    std::filesystem::create_directory(dir.Path("Ordner.meld"));
    for (const std::string& path : {dir.Path("fehlt.meld"), dir.Path("Ordner.meld")}) {
        const auto meet = test::ExampleMeet();
        ClubEntries entries;
        const EntryListRead read = EntryListReader(path).Read(*meet, entries);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.failure(), Message::Warning(std::string("Die Vereinsmeldeliste konnte nicht geöffnet werden!")));
    }
    const std::string path = dir.Path("Bezirk.dsv.meld");
    test::WriteBytes(path, test::ExampleEntryList());
    const auto meet = DefinitionReader::Parse(test::ExampleDefinition()).value();
    ClubEntries entries;
    const EntryListRead read = EntryListReader(path).Read(*meet, entries);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), ReadCompleteness::Complete);
    EXPECT_TRUE(read.warnings().empty());
    EXPECT_EQ(entries.swimmers().size(), 1u);
}

TEST(EntryListRoundTrip, WorkingFileReadsBackTheWholeModel)
{
    const auto meet = DefinitionReader::Parse(test::ExampleDefinition()).value();
    ClubEntries original = test::ExampleClubEntries();
    original.club.clubName = "SV Grün-Weiß Beispielstadt";
    original.club.nation = "GER";
    original.club.contact.email = "petra@example.org";
    auto second = std::make_unique<Official>();
    second->surname = "Schäfer";
    second->firstName = "Birgit";
    second->group = 4;
    original.AddOfficial(std::move(second));
    const auto addSwimmer = [&](std::string surname, Sex sex, std::string registration) {
        auto swimmer = std::make_unique<Swimmer>();
        swimmer->surname = std::move(surname);
        swimmer->firstName = "Vorname";
        swimmer->sex = sex;
        swimmer->registrationNumber = std::move(registration);
        swimmer->yearOfBirth = 2001;
        return original.AddSwimmer(std::move(swimmer));
    };
    addSwimmer("Ohne", Sex::Male, "000000");
    addSwimmer("Zuletzt", Sex::Female, "123456")->SetEntry("2", "00:35,10");
    const auto addTeam = [&](std::string number, std::string name, std::string label) {
        auto team = std::make_unique<Team>();
        team->teamNumber = std::move(number);
        team->teamName = std::move(name);
        team->classLabel = std::move(label);
        return original.AddTeam(std::move(team));
    };
    addTeam("2", "", "Masters");
    addTeam("3", "Jugend", "offen")->SetEntry("10", "03:01,00");
    original.teams()[0]->teamName = "Erste";

    const std::string working = EntryListWriter("unused", *meet, original, false).BuildText();
    const EntryListReadBack back = ReadIntoExample(working);
    EXPECT_EQ(back.completeness, ReadCompleteness::Complete);
    EXPECT_TRUE(back.messages.empty());
    EXPECT_EQ(Dump(back.entries), Dump(original));

    // The export form loses what it does not carry: wishes, participants
    // without entries, team labels.
    const std::string exported = EntryListWriter("unused", *meet, original, true).BuildText();
    for (const auto& official : original.officials())
        official->wish.clear();
    original.RemoveSwimmer(original.swimmers()[1].get());
    original.RemoveTeam(original.teams()[1].get());
    for (const auto& team : original.teams()) {
        team->teamName.clear();
        team->classLabel.clear();
    }
    const EntryListReadBack fromExport = ReadIntoExample(exported);
    EXPECT_EQ(fromExport.completeness, ReadCompleteness::Complete);
    EXPECT_TRUE(fromExport.messages.empty());
    EXPECT_EQ(Dump(fromExport.entries), Dump(original));
}

}  // namespace
}  // namespace natarix
