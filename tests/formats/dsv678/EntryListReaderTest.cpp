// The Vereinsmeldeliste read back onto the club side: round trips through
// the writer, the mapping's edge cases, and the four real pairs of the corpus.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <tuple>

#include "TestFiles.h"
#include "dsv678/EntryListReader.h"
#include "dsv678/EntryListWriter.h"
#include "dsv678/LineGrammar.h"
#include "dsv678/MeetReader.h"

namespace natarix::dsv678 {
namespace {

using test::Data;

const Producer kProducer{"Natarix", "1.0.4", "meldungen@example.org"};

std::unique_ptr<MeetDefinition> MeetOf(const std::string& bytes)
{
    auto read = ReadMeet(bytes, "Wk.dsv7");
    EXPECT_TRUE(read.ok()) << (read.ok() ? "" : read.failure().text);
    return read.ok() ? std::move(read).value() : nullptr;
}

std::vector<std::string> Texts(const std::vector<Message>& messages)
{
    std::vector<std::string> texts;
    for (const Message& message : messages)
        texts.push_back(message.text);
    return texts;
}

// Writer, reader, writer: the same bytes, in every version and form.
TEST(Dsv678EntryListReader, GivesBackWhatTheWriterWrote)
{
    const auto meet = MeetOf(Data("two-rounds.dsv7"));
    ASSERT_NE(meet, nullptr);
    ClubEntries golden;
    ASSERT_TRUE(ReadEntryList(Data("two-rounds-Me.DSV7"), "Me.DSV7", *meet, golden).ok());
    EXPECT_EQ(WriteEntryList(*meet, golden, 7, kProducer, EntryListForm::Export), Data("two-rounds-Me.DSV7"));
    for (const int version : {7, 8}) {
        for (const EntryListForm form : {EntryListForm::Export, EntryListForm::WorkingFile}) {
            SCOPED_TRACE(version);
            const std::string first = WriteEntryList(*meet, golden, version, kProducer, form);
            ClubEntries again;
            const auto read = ReadEntryList(first, "Me.DSV7", *meet, again);
            ASSERT_TRUE(read.ok());
            EXPECT_EQ(read.value().version, version);
            EXPECT_EQ(read.value().producer, "Natarix");
            EXPECT_TRUE(read.warnings().empty()) << Texts(read.warnings()).front();
            EXPECT_EQ(WriteEntryList(*meet, again, version, kProducer, form), first);
        }
    }
}

std::string ListWith(const std::string& lines)
{
    return "FORMAT:Vereinsmeldeliste;7;\r\nERZEUGER:x;1;x@example.org;\r\nVERANSTALTUNG:M;Ort;50;AUTOMATISCH;\r\n"
           "ABSCHNITT:1;09.03.2025;09:00;N;\r\nWETTKAMPF:1;V;1;1;100;F;GL;W;;;\r\nVEREIN:SV Test;4711;9;GER;\r\n"
           "ANSPRECHPARTNER:A, B;;;;;;;a@example.org;\r\n"
           "PNMELDUNG:Krüger , Lena ;0;7;W;2011;;;;;;\r\nPNMELDUNG:Ohne Komma;123456;8;D;2010;;;;;;\r\n"
           "STMELDUNG:1;9001;JG;0;;;\r\n" +
           lines + "DATEIENDE\r\n";
}

TEST(Dsv678EntryListReader, MapsTimesIdsAndLineUps)
{
    const auto meet = MeetOf(Data("two-rounds.dsv7"));
    ASSERT_NE(meet, nullptr);
    ClubEntries entries;
    const auto read = ReadEntryList(ListWith("STARTPN:7;1;00:00:00,00;\r\nSTARTPN:8;1;01:02:03,04;\r\n"
                                             "STARTST:9001;2;;\r\nSTAFFELPERSON:9001;2;8;3;\r\n"
                                             "STAFFELPERSON:9001;2;99;1;\r\n"),
                                    "Me.dsv7", *meet, entries);
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(entries.swimmers().size(), 2U);
    const Swimmer& lena = *entries.swimmers()[0];
    EXPECT_EQ(std::tie(lena.surname, lena.firstName, lena.registrationNumber),
              std::make_tuple("Krüger", "Lena", "000000"));
    EXPECT_EQ(lena.EntryTime("1"), "00:00,00");
    const Swimmer& other = *entries.swimmers()[1];
    EXPECT_EQ(std::tie(other.surname, other.firstName), std::make_tuple("Ohne Komma", ""));
    EXPECT_EQ(other.sex, Sex::Diverse);
    EXPECT_EQ(other.EntryTime("1"), "01:02:03,04");
    const Team& team = *entries.teams()[0];
    EXPECT_EQ(team.EntryTime("2"), "00:00,00");
    EXPECT_EQ(team.lineUps.at(NumberKey("2")), (std::vector<std::int32_t>{0, 0, 8, 0}));
    EXPECT_EQ(entries.club.lsv, "9");
    ASSERT_EQ(read.warnings().size(), 1U);
    EXPECT_NE(read.warnings()[0].text.find("Zeile 15: STAFFELPERSON"), std::string::npos);
}

TEST(Dsv678EntryListReader, DropsEntriesToEventsTheMeetLacksInOneWarning)
{
    const auto meet = MeetOf(Data("two-rounds.dsv7"));
    ASSERT_NE(meet, nullptr);
    ClubEntries entries;
    const auto read = ReadEntryList(
        ListWith("STARTPN:7;201;00:00:31,00;\r\nSTARTPN:8;202;;\r\nSTARTPN:8;1;;\r\nSTARTST:9001;201;;\r\n"), "Me.dsv7",
        *meet, entries);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(Texts(read.warnings()), std::vector<std::string>{"Die Wettkämpfe 201, 202 gibt es in dieser "
                                                               "Veranstaltung nicht; die Meldungen dazu werden "
                                                               "nicht übernommen."});
    EXPECT_TRUE(entries.swimmers()[0]->entries.empty());
    EXPECT_EQ(entries.swimmers()[1]->entries.size(), 1U);
}

// The meet has heats and a final under number 1; a list that calls its
// number 1 a decider means another event.
TEST(Dsv678EntryListReader, MatchesEventsByNumberAndRound)
{
    const auto meet = MeetOf(Data("two-rounds.dsv7"));
    ASSERT_NE(meet, nullptr);
    std::string list = ListWith("STARTPN:7;1;00:00:31,00;\r\n");
    list.replace(list.find("WETTKAMPF:1;V;"), 14, "WETTKAMPF:1;E;");
    ClubEntries entries;
    const auto read = ReadEntryList(list, "Me.dsv7", *meet, entries);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(Texts(read.warnings()), std::vector<std::string>{"Den Wettkampf 1 gibt es in dieser Veranstaltung "
                                                               "nicht; die Meldungen dazu werden nicht übernommen."});
    EXPECT_TRUE(entries.swimmers()[0]->entries.empty());
}

TEST(Dsv678EntryListReader, RefusesOtherListsAndLeavesTheClubSideAlone)
{
    const auto meet = MeetOf(Data("two-rounds.dsv7"));
    ASSERT_NE(meet, nullptr);
    const std::map<std::string, std::string> refused = {
        {Data("two-rounds.dsv7"), "Diese Datei ist eine Wettkampfdefinitionsliste, keine Vereinsmeldeliste."},
        {"FORMAT:Vereinsmeldeliste;7;\r\nDATEIENDE\r\n", "Die Datei enthält kein Element VEREIN."},
        {ListWith("STARTPN:;1;;\r\n"), "Das Feld „Veranstaltungs-ID“ in STARTPN ist leer."},
    };
    for (const auto& [bytes, text] : refused) {
        ClubEntries entries;
        entries.club.clubName = "Bleibt";
        const auto read = ReadEntryList(bytes, "Me.dsv7", *meet, entries);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.failure().text, text);
        EXPECT_EQ(entries.club.clubName, "Bleibt");
        EXPECT_TRUE(entries.swimmers().empty());
    }
}

// The real entry lists against their definition lists: read, written again,
// and compared element by element, keyed by what identifies an element.
// Event 201 of the Meppen list came after its definition list was written;
// nobody of the club is entered in it, so it goes without a warning.
constexpr const char* kCorpus = NATARIX_DSV_CORPUS;

std::multiset<std::string> Keyed(const std::string& text)
{
    std::vector<Diagnostic> ignored;
    std::multiset<std::string> keyed;
    const std::vector<Element> elements = SplitElements(text, ignored);
    // Officials are numbered afresh by each writer: they are known by name.
    std::map<std::string, std::string> officialNames;
    for (const Element& element : elements)
        if (element.name == "KARIMELDUNG")
            officialNames[element.fields.at(0)] = element.fields.at(1);
    for (Element element : elements) {
        // Who wrote it and when sections start is not the club's data.
        if (element.name == "ERZEUGER" || element.name == "ABSCHNITT")
            continue;
        if (element.name == "KARIMELDUNG" || element.name == "KARIABSCHNITT")
            element.fields.at(0) = officialNames[element.fields.at(0)];
        std::string line = element.name;
        for (const std::string& field : element.fields)
            line += ";" + field;
        keyed.insert(line);
    }
    return keyed;
}

std::vector<std::string> Difference(const std::multiset<std::string>& a, const std::multiset<std::string>& b)
{
    std::vector<std::string> only;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(only));
    return only;
}

TEST(Dsv678EntryListReader, RewritesTheRealEntryListsOfTheirMeets)
{
    if (std::string_view(kCorpus).empty() || !std::filesystem::is_directory(kCorpus))
        GTEST_SKIP() << "the real DSV files are not beside the repository";
    const std::string dir = std::string(kCorpus) + "/";
    struct Pair {
        std::string wk, me;
        std::vector<std::string> onlyInReal;
        std::size_t warnings;
    };
    const std::vector<Pair> pairs = {
        {"schroeer-dsv__user-emsland-25kurzde.dsv7",
         "schroeer-dsv__2025-02-23-Meppen-SVHaren-Me.dsv7",
         {"WETTKAMPF;201;E;2;1;50;B;GL;M;;"},
         0},
        {"schroeer-dsv__user-emsland-25spride.dsv7", "schroeer-dsv__2025-08-23-Twist-SVHaren-Me.dsv7", {}, 0},
        {"schroeer-dsv__user-emsland-25langde.dsv7", "schroeer-dsv__2025-11-23-Papenbur-SVHaren-Me.dsv7", {}, 0},
        {"schroeer-dsv__user-emsland-25mehrde.dsv7", "schroeer-dsv__2025-11-29-Haseluen-SVHaren-Me.dsv7", {}, 0},
    };
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(pair.me);
        const auto meet = MeetOf(test::ReadBytes(dir + pair.wk));
        ASSERT_NE(meet, nullptr);
        const std::string real = test::ReadBytes(dir + pair.me);
        ClubEntries entries;
        const auto read = ReadEntryList(real, pair.me, *meet, entries);
        ASSERT_TRUE(read.ok()) << read.failure().text;
        EXPECT_EQ(read.warnings().size(), pair.warnings);
        const auto realKeyed = Keyed(real);
        const auto written = Keyed(WriteEntryList(*meet, entries, 7, kProducer, EntryListForm::Export));
        EXPECT_EQ(Difference(written, realKeyed), std::vector<std::string>{});
        EXPECT_EQ(Difference(realKeyed, written), pair.onlyInReal);
    }
}

// Every real entry list of the corpus, read against the events it lists
// itself, gives back everything it holds: written again, the same elements.
TEST(Dsv678EntryListReader, ReadsEveryRealEntryListAgainstItsOwnEvents)
{
    if (std::string_view(kCorpus).empty() || !std::filesystem::is_directory(kCorpus))
        GTEST_SKIP() << "the real DSV files are not beside the repository";
    std::size_t lists = 0;
    for (const auto& file : std::filesystem::directory_iterator(kCorpus)) {
        const std::string name = file.path().filename().string();
        if (name.find("-Me.") == std::string::npos)
            continue;
        SCOPED_TRACE(name);
        ++lists;
        const std::string real = test::ReadBytes(file.path().string());
        const auto read = ReadEntryListOfItsOwnMeet(real, name);
        ASSERT_TRUE(read.ok()) << read.failure().text;
        EXPECT_TRUE(read.value().header.takenWhole) << (read.warnings().empty() ? "" : read.warnings()[0].text);
        const ListedEntries& listed = read.value();
        const auto written = Keyed(
            WriteEntryList(*listed.meet, listed.entries, listed.header.version, kProducer, EntryListForm::Export));
        // Swim-offs and re-swims are not written (Gera has one).
        auto kept = Keyed(real);
        std::erase_if(kept, [](const std::string& line) {
            const std::size_t round = line.find(';', std::string_view("WETTKAMPF;").size()) + 1;
            return line.starts_with("WETTKAMPF;") &&
                   (line.compare(round, 2, "A;") == 0 || line.compare(round, 2, "N;") == 0);
        });
        EXPECT_EQ(Difference(kept, written), std::vector<std::string>{});
        EXPECT_EQ(Difference(written, kept), std::vector<std::string>{});
    }
    EXPECT_EQ(lists, 6U);
}

}  // namespace
}  // namespace natarix::dsv678
