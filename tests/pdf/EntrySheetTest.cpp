#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <type_traits>

#include "PdfTestSupport.h"
#include "pdf/PdfWriter.h"

namespace natarix {
namespace {

using pdftest::AddSwimmer;
using pdftest::AddTeam;
using pdftest::FormsMeet;
using pdftest::PageContent;
using pdftest::Placement;

constexpr std::size_t kFrameTexts = 29;

std::vector<PageContent> Sheets(const MeetDefinition& meet, const ClubEntries& entries, RecordingMessageSink& messages)
{
    const auto pdf = pdftest::CheckPdf(BuildClubEntriesPdf(meet, entries, messages));
    const std::size_t first = 1 + static_cast<std::size_t>(OfficialsPageCount(entries));
    std::vector<PageContent> sheets;
    for (std::size_t i = first; i < pdf.pageContents.size(); ++i)
        sheets.push_back(pdftest::ParseContent(pdf.pageContents[i]));
    return sheets;
}

std::vector<PageContent> Sheets(const MeetDefinition& meet, const ClubEntries& entries)
{
    RecordingMessageSink messages;
    auto sheets = Sheets(meet, entries, messages);
    EXPECT_TRUE(messages.messages.empty());
    return sheets;
}

std::vector<Placement> RowTexts(const PageContent& sheet)
{
    if (sheet.texts.size() < kFrameTexts)
        return {};
    return {sheet.texts.begin() + kFrameTexts, sheet.texts.end()};
}

std::vector<Placement> RowTextsAt(const PageContent& sheet, int y)
{
    std::vector<Placement> row;
    for (const Placement& placement : RowTexts(sheet))
        if (placement.y == y)
            row.push_back(placement);
    return row;
}

Placement Row(int y, int x, std::string text)
{
    return {y, x, "F2", 10, std::move(text)};
}

// The rows of sheet p as the walk that every sheet starts from the top
// places them.
std::vector<Placement> ReferenceRows(const MeetDefinition& meet, const ClubEntries& entries, int p)
{
    std::vector<Placement> rows;
    int rowsOnSheet = 0;
    int skipped = 0;
    int running = 0;
    const auto walk = [&](const auto& participant) {
        constexpr bool isTeam = std::is_same_v<std::decay_t<decltype(participant)>, Team>;
        if (rowsOnSheet >= 20)
            return false;
        ++running;
        for (auto entry = participant.entries.begin(); entry != participant.entries.end(); ++entry) {
            if (rowsOnSheet >= 20)
                break;
            if (skipped < (p - 1) * 20) {
                ++skipped;
                continue;
            }
            ++rowsOnSheet;
            const int y = static_cast<int>(603 - rowsOnSheet * 22.3333);
            if (entry == participant.entries.begin() || rowsOnSheet == 1) {
                rows.push_back(Row(y, 73, std::to_string(running)));
                if constexpr (isTeam) {
                    rows.push_back(Row(y, 103, participant.teamNumber + ". Mannschaft"));
                } else {
                    rows.push_back(Row(y, 103, participant.surname + ", " + participant.firstName));
                    rows.push_back(Row(y, 275, participant.registrationNumber));
                    rows.push_back(Row(y, 372, participant.sex == Sex::Male ? "M" : "W"));
                    rows.push_back(Row(y, 385, std::to_string(participant.yearOfBirth)));
                }
            }
            std::string distance;
            if (const Event* event = meet.FindEvent(entry->first))
                distance = (isTeam ? event->swimmerCount + "x" : "") + event->distance + "m " + event->technique;
            rows.push_back(Row(y, 435, entry->first));
            rows.push_back(Row(y, 472, distance));
            rows.push_back(Row(y, 529, entry->second));
        }
        return true;
    };
    for (const auto& swimmer : entries.swimmers())
        if (!walk(*swimmer))
            return rows;
    for (const auto& team : entries.teams())
        if (!walk(*team))
            return rows;
    return rows;
}

TEST(EntrySheetPage, FrameAndGridOnEverySheet)
{
    auto meet = FormsMeet();
    ClubEntries entries;
    entries.club.clubName = "SV Nord";
    entries.club.clubId = "4711";
    entries.club.lsv = "04: Landesschwimmverband Brandenburg";
    AddSwimmer(entries, "A", 20);
    AddSwimmer(entries, "B", 1);
    const auto sheets = Sheets(*meet, entries);
    ASSERT_EQ(sheets.size(), 2u);
    for (int s = 1; s <= 2; ++s) {
        const PageContent& sheet = sheets[static_cast<std::size_t>(s) - 1];
        const std::vector<Placement> frame = {
            {781, 169, "F1", 16, "Deutscher Schwimm-Verband e.V."},
            {748, 251, "F1", 20, "Meldeliste"},
            {730, 262, "F1", 12, "Schwimmen"},
            {718, 380, "F1", 11, "(Anlage zum Meldebogen)"},
            {700, 71, "F2", 10, "Zur Veranstaltung: Bezirksmeisterschaften"},
            {679, 71, "F2", 10, "werden vom Verein: SV Nord"},
            {658, 71, "F2", 10, "Vereins-ID-Nr.: 4711"},
            {658, 313, "F2", 10, "LSV-Kennziffer: 04: Landesschwimmverband Brandenburg"},
            {637, 71, "F2", 10, "die folgenden Meldungen abgegeben:"},
            {627, 73, "F1", 8,
             "[Jeden Schwimmer/jede Mannschaft unter einer lfd. Nr. mit allen Wettkämpfen aufführen!]"},
            {608, 79, "F1", 9, "Lfd."},
            {597, 80, "F1", 9, "Nr."},
            {601, 122, "F1", 9, "Name, Vorname / Mannschaft"},
            {601, 281, "F1", 9, "Schwimmer-ID-Nr."},
            {608, 372, "F1", 9, "M"},
            {597, 372, "F1", 9, "F"},
            {601, 392, "F1", 9, "Jg"},
            {601, 417, "F1", 9, "AK"},
            {608, 438, "F1", 9, "Wettk."},
            {597, 446, "F1", 9, "Nr."},
            {608, 471, "F1", 9, "* Strecke +"},
            {597, 471, "F1", 9, "Schwimmart"},
            {601, 530, "F1", 9, "Meldezeit"},
            {129, 70, "F2", 8, "* Abkürzung z.B.: 100 B = 100m Brustschwimmen - 4x100 F = 4x100m Freistilstaffel"},
            {129, 482, "F2", 10, "Blatt " + std::to_string(s) + " von 2"},
            {109, 70, "F2", 10,
             "Die Meldeliste ist Bestandteil/Anlage des Meldebogens zur o.g. Veranstaltung. Für alle gemeldeten "
             "Schwimmer"},
            {98, 70, "F2", 10,
             "sowie für alle bei der Veranstaltung zum Einsatz kommenden Staffel- bzw. Mannschaftsteilnehmer gilt die"},
            {87, 70, "F2", 10, "abgegebene Erklärung gemäß WB-AT § 7."},
            {68, 70, "F2", 8, "DSV-Form 102 (2006-01)"},
        };
        ASSERT_GE(sheet.texts.size(), frame.size());
        EXPECT_EQ(std::vector<Placement>(sheet.texts.begin(), sheet.texts.begin() + kFrameTexts), frame);

        std::vector<pdftest::Segment> grid;
        for (const int y : {617, 594, 572, 550, 527, 505, 483, 460, 438, 416, 393,
                            371, 349, 326, 304, 282, 259, 237, 215, 192, 170, 148})
            grid.push_back({70, y, 575, y});
        for (const int x : {70, 100, 270, 370, 382, 411, 432, 469, 526, 575})
            grid.push_back({x, 617, x, 148});
        EXPECT_EQ(sheet.segments, grid);
        EXPECT_EQ(sheet.strokes, 1);
    }
}

TEST(EntrySheetPage, TwentyRowsFillOneSheetTheTwentyFirstStartsAnother)
{
    auto meet = FormsMeet();
    ClubEntries entries;
    AddSwimmer(entries, "A", 20);
    auto sheets = Sheets(*meet, entries);
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(sheets[0].texts[24].text, "Blatt 1 von 1");
    const std::vector<int> baselines = {580, 558, 536, 513, 491, 469, 446, 424, 402, 379,
                                        357, 335, 312, 290, 268, 245, 223, 201, 178, 156};
    for (std::size_t row = 0; row < baselines.size(); ++row) {
        const auto texts = RowTextsAt(sheets[0], baselines[row]);
        ASSERT_EQ(texts.size(), row == 0 ? 8u : 3u) << row;
        EXPECT_EQ(texts[texts.size() - 3].text, std::to_string(row + 1));
    }

    AddSwimmer(entries, "B", 1);
    sheets = Sheets(*meet, entries);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[1].texts[24].text, "Blatt 2 von 2");
    EXPECT_EQ(RowTexts(sheets[1]),
              (std::vector<Placement>{Row(580, 73, "2"), Row(580, 103, "B, Anna"), Row(580, 275, "123456"),
                                      Row(580, 372, "W"), Row(580, 385, "2010"), Row(580, 435, "1"),
                                      Row(580, 472, "100m B"), Row(580, 529, "01:10,00")}));
}

TEST(EntrySheetPage, ParticipantContinuedOnTheNextSheetIsNamedAgain)
{
    auto meet = FormsMeet();
    ClubEntries entries;
    AddSwimmer(entries, "A", 18);
    AddSwimmer(entries, "B", 3, 7);
    const auto sheets = Sheets(*meet, entries);
    ASSERT_EQ(sheets.size(), 2u);
    const auto row19 = RowTextsAt(sheets[0], 178);
    ASSERT_EQ(row19.size(), 8u);
    EXPECT_EQ(row19[0], Row(178, 73, "2"));
    EXPECT_EQ(row19[1], Row(178, 103, "B, Anna"));
    EXPECT_EQ(RowTextsAt(sheets[0], 156),
              (std::vector<Placement>{Row(156, 435, "8"), Row(156, 472, "50m S"), Row(156, 529, "01:11,00")}));
    const auto continued = RowTexts(sheets[1]);
    ASSERT_EQ(continued.size(), 8u);
    EXPECT_EQ(continued[0], Row(580, 73, "2"));
    EXPECT_EQ(continued[1], Row(580, 103, "B, Anna"));
    EXPECT_EQ(continued[5], Row(580, 435, "9"));
}

TEST(EntrySheetPage, RunningNumbersCountEveryParticipant)
{
    auto meet = FormsMeet();
    ClubEntries entries;
    AddSwimmer(entries, "Ohne", 0);
    for (int i = 0; i < 4; ++i)
        AddSwimmer(entries, "S" + std::to_string(i), 1, i + 2);
    AddTeam(entries, "1", 1, 105);
    AddTeam(entries, "2", 0);
    AddTeam(entries, "3", 2, 101);
    const auto sheets = Sheets(*meet, entries);
    ASSERT_EQ(sheets.size(), 1u);
    std::vector<std::string> numbers;
    std::vector<std::string> names;
    std::vector<std::string> distances;
    for (const Placement& placement : RowTexts(sheets[0])) {
        if (placement.x == 73)
            numbers.push_back(placement.text);
        if (placement.x == 103)
            names.push_back(placement.text);
        if (placement.x == 472)
            distances.push_back(placement.text);
        EXPECT_FALSE(placement.x > 411 && placement.x < 432) << "age class column stays empty";
    }
    EXPECT_EQ(numbers, (std::vector<std::string>{"2", "3", "4", "5", "6", "8"}));
    EXPECT_EQ(names, (std::vector<std::string>{"S0, Anna", "S1, Anna", "S2, Anna", "S3, Anna", "1. Mannschaft",
                                               "3. Mannschaft"}));
    EXPECT_EQ(distances,
              (std::vector<std::string>{"200m R", "400m S", "50m L", "100m F", "4x100m F", "4x100m B", "4x50m R"}));
    // A relay row carries nothing in the id, gender and year columns.
    for (const int y : {491, 469, 446})
        for (const Placement& placement : RowTextsAt(sheets[0], y))
            EXPECT_TRUE(placement.x == 73 || placement.x == 103 || placement.x >= 435) << placement.x;
}

TEST(EntrySheetPage, ShowsTheSexLetter)
{
    const std::pair<Sex, const char*> cases[] = {{Sex::Male, "M"}, {Sex::Female, "W"}, {Sex::Male, "M"}};
    auto meet = FormsMeet();
    ClubEntries entries;
    for (const auto& [sex, shown] : cases)
        AddSwimmer(entries, "S", 1).sex = sex;
    const auto sheets = Sheets(*meet, entries);
    ASSERT_EQ(sheets.size(), 1u);
    std::vector<std::string> genders;
    for (const Placement& placement : RowTexts(sheets[0]))
        if (placement.x == 372)
            genders.push_back(placement.text);
    std::vector<std::string> expected;
    for (const auto& c : cases)
        expected.push_back(c.second);
    EXPECT_EQ(genders, expected);
}

TEST(EntrySheetPage, EntryOfAMissingEventKeepsItsRowAndIsReportedOnce)
{
    auto meet = FormsMeet();
    ClubEntries entries;
    Swimmer& swimmer = AddSwimmer(entries, "A", 1, 7);
    swimmer.SetEntry("99", "02:00,00");
    swimmer.SetEntry("070", "02:00,00");
    AddSwimmer(entries, "B", 0).SetEntry("99", "03:00,00");
    AddTeam(entries, "1", 0).SetEntry("0", "04:00,00");
    for (int i = 0; i < 20; ++i)
        AddSwimmer(entries, "C", 1);

    RecordingMessageSink messages;
    const auto sheets = Sheets(*meet, entries, messages);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(RowTextsAt(sheets[0], 558),
              (std::vector<Placement>{Row(558, 435, "070"), Row(558, 472, ""), Row(558, 529, "02:00,00")}));
    EXPECT_EQ(RowTextsAt(sheets[0], 513)[5], Row(513, 435, "99"));
    EXPECT_EQ(RowTextsAt(sheets[0], 513)[6], Row(513, 472, ""));
    EXPECT_EQ(RowTextsAt(sheets[1], 491)[3], Row(491, 472, ""));
    EXPECT_EQ(messages.messages,
              std::vector<Message>{Message::Warning(
                  "Die Meldeliste enthält Meldungen für Wettkämpfe, die die Wettkampfdefinition nicht enthält "
                  "(Wettkampf-Nr. 0, 070, 99). Diese Meldungen stehen ohne Strecke in der PDF-Meldeliste.")});
}

// Random clubs: every sheet must hold exactly the rows of the walk from the
// top, although the writer resumes where the previous sheet stopped.
TEST(EntrySheetPage, SheetsMatchTheWalkFromTheTop)
{
    std::mt19937 random(20270312);
    const Sex sexes[] = {Sex::Male, Sex::Female, Sex::Female, Sex::Female};
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        auto meet = FormsMeet();
        ClubEntries entries;
        const int swimmers = static_cast<int>(random() % 14);
        for (int i = 0; i < swimmers; ++i) {
            Swimmer& swimmer = AddSwimmer(entries, "S" + std::to_string(i), static_cast<int>(random() % 26),
                                          1 + static_cast<int>(random() % 30));
            swimmer.sex = sexes[random() % 4];
            if (random() % 10 == 0)
                swimmer.SetEntry("77", "01:00,00");
        }
        const int teams = static_cast<int>(random() % 6);
        for (int i = 0; i < teams; ++i)
            AddTeam(entries, std::to_string(i + 1), static_cast<int>(random() % 11), 101);
        if (round == 0)
            AddSwimmer(entries, "Last", 0);

        RecordingMessageSink messages;
        const auto sheets = Sheets(*meet, entries, messages);
        ASSERT_EQ(static_cast<std::int64_t>(sheets.size()), SheetCount(entries));
        std::size_t rows = 0;
        for (std::size_t s = 0; s < sheets.size(); ++s) {
            const auto expected = ReferenceRows(*meet, entries, static_cast<int>(s) + 1);
            EXPECT_EQ(RowTexts(sheets[s]), expected) << "sheet " << s + 1;
            rows += static_cast<std::size_t>(
                std::count_if(expected.begin(), expected.end(), [](const Placement& p) { return p.x == 435; }));
        }
        EXPECT_EQ(static_cast<std::int64_t>(rows), entries.CountIndividualEntries() + entries.CountRelayEntries());
    }
}

TEST(EntrySheetPage, AnySheetCanBeWrittenOnItsOwn)
{
    auto meet = FormsMeet();
    ClubEntries entries;
    AddSwimmer(entries, "Ohne", 0);
    AddSwimmer(entries, "A", 23);
    AddSwimmer(entries, "B", 3);
    AddTeam(entries, "1", 10);
    AddTeam(entries, "2", 10);
    ASSERT_EQ(SheetCount(entries), 3);
    PdfWriter writer("unused.pdf", *meet, entries);
    for (const int sheet : {3, 1, 2, 2, 4, 1}) {
        writer.WriteEntrySheetPage(sheet, 3, 9);
        EXPECT_EQ(RowTexts(pdftest::ParseContent(pdftest::LastStream(writer.documentBuffer()))),
                  ReferenceRows(*meet, entries, sheet))
            << sheet;
    }
}

}  // namespace
}  // namespace natarix
