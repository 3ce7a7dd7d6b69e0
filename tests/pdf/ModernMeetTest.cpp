// The forms of a meet of formats 7 and 8, read from its definition list: the
// fee table for every kind of MELDEGELD line, and the entry sheets' events
// with their exercise and round.

#include <gtest/gtest.h>

#include <map>

#include "PdfTestSupport.h"
#include "dsv678/MeetReader.h"
#include "pdf/PdfWriter.h"

namespace natarix {
namespace {

using pdftest::PageContent;
using pdftest::Placement;

// Sections 1 and 2 with the entered events, section 3 with 8 to 40. Event 1
// comes as heats (section 1) and final (section 2).
std::unique_ptr<MeetDefinition> Meet(int version, const std::vector<std::string>& fees)
{
    std::vector<std::string> lines = {
        "FORMAT:Wettkampfdefinitionsliste;" + std::to_string(version) + ";",
        "ERZEUGER:Test;1.0;test@example.org;",
        "VERANSTALTUNG:Testmeeting;Musterstadt;25;AUTOMATISCH;",
        "VERANSTALTUNGSORT:Halle;;;Musterstadt;GER;;;;",
        "AUSSCHREIBUNGIMNETZ:;",
        "VERANSTALTER:Verband;",
        "AUSRICHTER:Verein;Muster, Max;;;;;;;max@example.org;",
        "MELDEADRESSE:Muster, Max;;;;;;;max@example.org;",
        "MELDESCHLUSS:01.03.2025;18:00;",
        "ABSCHNITT:1;09.03.2025;;;10:00;;",
        "ABSCHNITT:2;09.03.2025;;;15:00;;",
        "ABSCHNITT:3;10.03.2025;;;10:00;;",
        "WETTKAMPF:1;V;1;;100;F;GL;W;SW;;;",
        "WETTKAMPF:1;F;2;;100;F;GL;W;SW;1;V;",
        "WETTKAMPF:2;E;1;4;50;L;GL;X;SW;;;",
        "WETTKAMPF:3;E;2;;100;B;BE;W;SW;;;",
    };
    for (int event = 4; event <= 40; ++event)
        lines.push_back("WETTKAMPF:" + std::to_string(event) + ";E;" + (event < 8 ? "2" : "3") + ";;50;F;GL;W;SW;;;");
    lines.insert(lines.end(), fees.begin(), fees.end());
    lines.push_back("DATEIENDE");
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    auto read = dsv678::ReadMeet(text, "Liste.dsv" + std::to_string(version));
    EXPECT_TRUE(read.ok());
    return read.ok() ? std::move(read).value() : std::make_unique<MeetDefinition>();
}

// A: 1 and 3; B: 1 and 4 to 7; C nothing; team 1: relay 2.
ClubEntries Entries()
{
    ClubEntries entries;
    Swimmer& a = pdftest::AddSwimmer(entries, "A", 0);
    a.SetEntry("1", "01:05,00");
    a.SetEntry("3", "01:30,00");
    Swimmer& b = pdftest::AddSwimmer(entries, "B", 0);
    for (const char* event : {"1", "4", "5", "6", "7"})
        b.SetEntry(event, "00:30,00");
    pdftest::AddSwimmer(entries, "C", 0);
    pdftest::AddTeam(entries, "1", 0).SetEntry("2", "02:40,00");
    return entries;
}

std::vector<PageContent> Pages(const MeetDefinition& meet, const ClubEntries& entries)
{
    RecordingMessageSink messages;
    const auto pdf = pdftest::CheckPdf(BuildClubEntriesPdf(meet, entries, messages));
    EXPECT_TRUE(messages.messages.empty());
    std::vector<PageContent> pages;
    for (const std::string& content : pdf.pageContents)
        pages.push_back(pdftest::ParseContent(content));
    return pages;
}

// The fee table's rows from the first one the entries fill down to the
// total, each as its texts left to right joined by " | ", euro signs left out.
std::vector<std::string> FeeRows(const PageContent& form)
{
    std::map<int, std::map<int, std::string>, std::greater<>> rows;
    for (const Placement& p : form.texts)
        if (p.y <= 436 && p.y > 250 && p.text != "€")
            rows[p.y][p.x] = p.text;
    std::vector<std::string> shown;
    for (const auto& [y, texts] : rows) {
        std::string row;
        for (const auto& [x, text] : texts)
            row += (row.empty() ? "" : " | ") + text;
        shown.push_back(row);
        if (row.starts_with("Meldegeld gesamt"))
            break;
    }
    return shown;
}

int FooterY(const PageContent& form)
{
    for (const Placement& p : form.texts)
        if (p.text == "DSV-Form 101 (2006-01)")
            return p.y;
    return 0;
}

struct FeeCase {
    const char* name;
    int version;
    std::vector<std::string> fees;
    std::vector<std::string> rows;
    int footerY;
};

void PrintTo(const FeeCase& c, std::ostream* out)
{
    *out << c.name;
}

class ModernFees : public testing::TestWithParam<FeeCase> {};

TEST_P(ModernFees, SumsAndRows)
{
    const FeeCase& c = GetParam();
    const auto pages = Pages(*Meet(c.version, c.fees), Entries());
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(FeeRows(pages[0]), c.rows);
    EXPECT_EQ(FooterY(pages[0]), c.footerY);
}

constexpr const char* kIndividual = "7 | Einzelmeldungen | Meldeliste (1 Blatt)";
constexpr const char* kRelay = "1 | Staffelmeldungen | Meldeliste (1 Blatt)";
constexpr const char* kTeams = "Meldungen für .......... Mannschaften";
constexpr const char* kFlat = "Meldegeldpauschale";

INSTANTIATE_TEST_SUITE_P(
    EntryFormPage, ModernFees,
    testing::Values(
        // A fee of 0 asks for nothing and takes no row.
        FeeCase{"IndividualFee8",
                8,
                {"MELDEGELD:Einzelmeldegeld;5,00;;", "MELDEGELD:Abschnittspauschale;0,00;;"},
                {"7 | Einzelmeldungen | Meldeliste (1 Blatt) | 5,00 | 35,00", kRelay, kTeams, kFlat,
                 "Meldegeld gesamt: | 35,00"},
                68},
        FeeCase{"RelayFee7",
                7,
                {"MELDEGELD:Staffelmeldegeld;12,00;;"},
                {kIndividual, "1 | Staffelmeldungen | Meldeliste (1 Blatt) | 12,00 | 12,00", kTeams, kFlat,
                 "Meldegeld gesamt: | 12,00"},
                68},
        // Event 1's fee is its heats', where the club enters.
        FeeCase{"EventFees7",
                7,
                {"MELDEGELD:Einzelmeldegeld;5,00;;", "MELDEGELD:Wkmeldegeld;6,50;3;", "MELDEGELD:Wkmeldegeld;6,50;5;",
                 "MELDEGELD:Wkmeldegeld;6,50;6;", "MELDEGELD:Wkmeldegeld;6,50;7;", "MELDEGELD:Wkmeldegeld;8,00;1;"},
                {"1 | Einzelmeldungen | Meldeliste (1 Blatt) | 5,00 | 5,00", kRelay,
                 "4 | Meldungen | Wettkämpfe 3, 5–7 | 6,50 | 26,00", "2 | Meldungen | Wettkampf 1 | 8,00 | 16,00",
                 kTeams, kFlat, "Meldegeld gesamt: | 47,00"},
                26},
        // Per entry file (7) and per club (8) both come to once.
        FeeCase{"FlatFee7",
                7,
                {"MELDEGELD:Meldegeldpauschale;10,00;;"},
                {kIndividual, kRelay, kTeams, "Meldegeldpauschale | 10,00 | 10,00", "Meldegeld gesamt: | 10,00"},
                68},
        FeeCase{"FlatFee8",
                8,
                {"MELDEGELD:Meldegeldpauschale;10,00;;"},
                {kIndividual, kRelay, kTeams, "Meldegeldpauschale | 10,00 | 10,00", "Meldegeld gesamt: | 10,00"},
                68},
        // C has no entry and costs nothing.
        FeeCase{"PerSwimmer8",
                8,
                {"MELDEGELD:Teilnehmermeldegeld;3,00;;"},
                {kIndividual, kRelay, "2 | Teilnehmermeldegeld | Schwimmer mit Meldungen | 3,00 | 6,00", kTeams, kFlat,
                 "Meldegeld gesamt: | 6,00"},
                47},
        // Not a fee of format 7; the reader warns, and the club still pays what the list asks.
        FeeCase{"PerSwimmer7",
                7,
                {"MELDEGELD:Teilnehmermeldegeld;3,00;;"},
                {kIndividual, kRelay, "2 | Teilnehmermeldegeld | Schwimmer mit Meldungen | 3,00 | 6,00", kTeams, kFlat,
                 "Meldegeld gesamt: | 6,00"},
                47},
        // Event 1's final lies in section 2, but the club enters its heats in section 1; nobody swims in 3.
        FeeCase{"PerSection8",
                8,
                {"MELDEGELD:Abschnittspauschale;20,00;;"},
                {kIndividual, kRelay, "2 | Abschnittspauschale | Abschnitte 1, 2 | 20,00 | 40,00", kTeams, kFlat,
                 "Meldegeld gesamt: | 40,00"},
                47},
        // Which of the club's teams a team competition counts is not known: the fee is named, not summed.
        FeeCase{"PerTeam7",
                7,
                {"MELDEGELD:Einzelmeldegeld;5,00;;", "MELDEGELD:Mannschaftmeldegeld;50,00;;"},
                {"7 | Einzelmeldungen | Meldeliste (1 Blatt) | 5,00 | 35,00", kRelay,
                 "Meldungen für .......... Mannschaften | 50,00", kFlat,
                 "Meldegeld gesamt ohne Mannschaftmeldegeld: | 35,00"},
                68},
        // Three rows below the relay row at most: the own fees get what the
        // other two leave, and the signature block closes up.
        FeeCase{"EveryKind8",
                8,
                {"MELDEGELD:Meldegeldpauschale;10,00;;", "MELDEGELD:Einzelmeldegeld;5,00;;",
                 "MELDEGELD:Wkmeldegeld;8,00;1;", "MELDEGELD:Wkmeldegeld;6,50;3;", "MELDEGELD:Wkmeldegeld;7,00;5;",
                 "MELDEGELD:Teilnehmermeldegeld;3,00;;", "MELDEGELD:Abschnittspauschale;20,00;;",
                 "MELDEGELD:Mannschaftmeldegeld;50,00;;"},
                {"3 | Einzelmeldungen | Meldeliste (1 Blatt) | 5,00 | 15,00", kRelay,
                 "4 | Meldungen | Wettkämpfe 1, 3, 5 | 29,50",
                 "2 | Teilnehmermeldegeld | Schwimmer mit Meldungen | 3,00 | 6,00",
                 "2 | Abschnittspauschale | Abschnitte 1, 2 | 20,00 | 40,00",
                 "Meldungen für .......... Mannschaften | 50,00", "Meldegeldpauschale | 10,00 | 10,00",
                 "Meldegeld gesamt ohne Mannschaftmeldegeld: | 100,50"},
                26}),
    [](const testing::TestParamInfo<FeeCase>& info) { return std::string(info.param.name); });

TEST(EntryFormPage, LongListOfOwnFeeEventsNamesWhatTheyShare)
{
    std::vector<std::string> fees;
    ClubEntries entries;
    Swimmer& swimmer = pdftest::AddSwimmer(entries, "D", 0);
    for (int event = 11; event <= 39; event += 2) {
        fees.push_back("MELDEGELD:Wkmeldegeld;6,50;" + std::to_string(event) + ";");
        swimmer.SetEntry(std::to_string(event), "00:30,00");
    }
    const auto pages = Pages(*Meet(7, fees), entries);
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(FeeRows(pages[0])[2], "15 | Meldungen | Wettkämpfe mit eigenem Meldegeld | 6,50 | 97,50");
}

TEST(EntrySheetPage, ExerciseAndRoundBelowTheDistance)
{
    const auto pages = Pages(*Meet(8, {}), Entries());
    ASSERT_EQ(pages.size(), 2u);
    std::vector<Placement> shown;
    for (const Placement& p : pages[1].texts)
        if (p.x == 472 && p.y < 590)
            shown.push_back(p);
    // Rows of 22.3333 units from baseline 580 down; the decider in plain GL stays one line.
    const std::vector<Placement> expected = {
        {584, 472, "F2", 10, "100m F"}, {575, 472, "F2", 7, "Vorlauf"},  {562, 472, "F2", 10, "100m B"},
        {553, 472, "F2", 7, "BE"},      {540, 472, "F2", 10, "100m F"},  {531, 472, "F2", 7, "Vorlauf"},
        {513, 472, "F2", 10, "50m F"},  {491, 472, "F2", 10, "50m F"},   {469, 472, "F2", 10, "50m F"},
        {446, 472, "F2", 10, "50m F"},  {424, 472, "F2", 10, "4x50m L"},
    };
    EXPECT_EQ(shown, expected);
}

}  // namespace
}  // namespace natarix
