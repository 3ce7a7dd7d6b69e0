// The Vereinsmeldeliste of formats 7 and 8: a golden file, and the field
// count of every element in each version.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "TestFiles.h"
#include "dsv678/EntryListFields.h"
#include "dsv678/EntryListWriter.h"
#include "dsv678/LineGrammar.h"
#include "dsv678/MeetReader.h"

namespace natarix::dsv678 {
namespace {

using test::Data;
using test::DataPath;

const Producer kProducer{"Natarix", "1.0.4", "meldungen@example.org"};

// A club with an official and a coach, a swimmer entered in the heats of
// event 1, one without entries, and a relay team in event 2 in which both
// swim.
ClubEntries ClubSide()
{
    ClubEntries entries;
    entries.club = {"SV Grün-Weiß Musterstadt",
                    "4711",
                    "04: Landesschwimmverband Brandenburg",
                    "GER",
                    {"Möller, Jürgen", "Lindenstraße 5", "12345", "Musterstadt", "Deutschland", "01234 56789", "",
                     "juergen.moeller@example.org"}};
    auto official = std::make_unique<Official>();
    official->surname = "Schäfer";
    official->firstName = "Birgit";
    official->sectionNumbers = {"1", "2"};
    official->wish = "ZR";
    entries.AddOfficial(std::move(official));
    auto lena = std::make_unique<Swimmer>();
    lena->surname = "Krüger";
    lena->firstName = "Lena; Marie";
    lena->sex = Sex::Female;
    lena->yearOfBirth = 2011;
    lena->registrationNumber = "123456";
    lena->SetEntry("1", "01:25,35");
    lena->nationalities = {"GER", "TUR"};
    lena->coachNumber = 1;
    entries.AddSwimmer(std::move(lena));
    auto paul = std::make_unique<Swimmer>();
    paul->surname = "Krüger";
    paul->firstName = "Paul";
    paul->yearOfBirth = 2009;
    entries.AddSwimmer(std::move(paul));
    auto team = std::make_unique<Team>();
    team->teamName = "Mixed";
    team->SetEntry("2", "02:15,80");
    team->lineUps[NumberKey("2")] = {0, 1, 2, 0};
    entries.coaches.push_back({1, "Weber, Tom", "M"});
    entries.AddTeam(std::move(team));
    return entries;
}

std::unique_ptr<MeetDefinition> TwoRounds()
{
    auto read = ReadMeet(Data("two-rounds.dsv7"), "two-rounds.dsv7");
    EXPECT_TRUE(read.ok());
    return read.ok() ? std::move(read).value() : nullptr;
}

TEST(Dsv678EntryListWriter, WritesTheProfileEveryImporterTakes)
{
    const auto meet = TwoRounds();
    ASSERT_NE(meet, nullptr);
    const std::string written = WriteEntryList(*meet, ClubSide(), 7, kProducer, EntryListForm::Export);
    const std::string golden = "two-rounds-Me.DSV7";
    const bool same = written == Data(golden);
    EXPECT_TRUE(same) << golden << " differs; see " << DataPath(golden) << ".actual";
    if (!same)
        std::ofstream(DataPath(golden) + ".actual", std::ios::binary) << written;
}

TEST(Dsv678EntryListWriter, GivesEveryElementTheFieldCountOfItsVersion)
{
    const std::map<std::string, std::pair<std::size_t, std::size_t>> counts = {
        // element: fields in format 7, in format 8
        {"FORMAT", {2, 2}},        {"ERZEUGER", {3, 3}},    {"VERANSTALTUNG", {4, 4}},   {"ABSCHNITT", {4, 4}},
        {"WETTKAMPF", {10, 10}},   {"VEREIN", {4, 5}},      {"ANSPRECHPARTNER", {8, 8}}, {"KARIMELDUNG", {3, 4}},
        {"KARIABSCHNITT", {3, 3}}, {"PNMELDUNG", {10, 10}}, {"STARTPN", {3, 3}},         {"STMELDUNG", {6, 6}},
        {"STARTST", {3, 3}},       {"DATEIENDE", {0, 0}},   {"TRAINER", {2, 3}},         {"STAFFELPERSON", {4, 4}},
    };
    const auto meet = TwoRounds();
    ASSERT_NE(meet, nullptr);
    for (const int version : {7, 8}) {
        for (const EntryListForm form : {EntryListForm::Export, EntryListForm::WorkingFile}) {
            SCOPED_TRACE(version);
            const std::string written = WriteEntryList(*meet, ClubSide(), version, kProducer, form);
            std::vector<Diagnostic> warnings;
            std::map<std::string, int> seen;
            for (const Element& element : SplitElements(written, warnings)) {
                SCOPED_TRACE(element.name);
                ASSERT_EQ(counts.count(element.name), 1u);
                const auto [seven, eight] = counts.at(element.name);
                EXPECT_EQ(element.fields.size(), version == 7 ? seven : eight);
                ++seen[element.name];
            }
            EXPECT_TRUE(warnings.empty());
            EXPECT_EQ(seen.size(), counts.size()) << "every element written";
            // Paul, without entries of his own, swims in the relay.
            EXPECT_EQ(seen["PNMELDUNG"], 2);
        }
    }
}

TEST(Dsv678EntryListFields, WritesOnlyTheWishCodesOfTheVersion)
{
    const struct {
        const char* wish;
        int version;
        const char* written;
    } cases[] = {
        {"ZR", 6, "ZR"},   {"PKF", 6, "PKF"}, {"STO", 6, ""},        {"STO", 7, "STO"},
        {"VER", 8, "VER"}, {"zr", 7, ""},     {"Zeitnehmer", 8, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WishCode(c.wish, c.version), c.written) << c.wish << " in format " << c.version;
}

}  // namespace
}  // namespace natarix::dsv678
