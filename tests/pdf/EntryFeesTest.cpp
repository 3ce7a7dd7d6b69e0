// The fee table of the entry form for the example meet, whose event 30
// (1500 m Freistil) has its own fee of 7,50 besides the individual fee of
// 4,50, the relay fee of 8,00 and the flat fee of 15,00.

#include <gtest/gtest.h>

#include "PdfTestSupport.h"
#include "dsv5/DefinitionReader.h"
#include "pdf/PdfWriter.h"

namespace natarix {
namespace {

using pdftest::AddSwimmer;
using pdftest::AddTeam;
using pdftest::Placement;

struct Text {
    int y;
    int x;
    std::string text;
    bool operator==(const Text&) const = default;
};

void PrintTo(const Text& text, std::ostream* out)
{
    *out << "{" << text.y << ", " << text.x << ", \"" << text.text << "\"}";
}

struct FeeCase {
    const char* name;
    std::vector<int> individualEvents;                  // of one swimmer
    std::vector<int> relayEvents;                       // of one team
    std::vector<std::pair<int, std::int32_t>> ownFees;  // added to event 30's
    int tableBottom;
    // The texts of the fee rows, flat fee and total (y 300 to 436, no euro signs).
    std::vector<Text> rows;
};

void PrintTo(const FeeCase& c, std::ostream* out)
{
    *out << c.name;
}

class ExampleFees : public testing::TestWithParam<FeeCase> {};

TEST_P(ExampleFees, OneRowPerAmount)
{
    const FeeCase& c = GetParam();
    auto meet = DefinitionReader::Parse(test::ReadBytes(NATARIX_EXAMPLES "/Bezirksmeisterschaften-2027.dsv")).value();
    ClubEntries entries;
    for (const auto& [event, fee] : c.ownFees) {
        meet->FindEvent(std::to_string(event))->hasOwnFee = true;
        meet->FindEvent(std::to_string(event))->ownFee = fee;
    }
    Swimmer& swimmer = AddSwimmer(entries, "A", 0);
    for (const int event : c.individualEvents)
        swimmer.SetEntry(std::to_string(event), "20:00,00");
    Team& team = AddTeam(entries, "1", 0);
    for (const int event : c.relayEvents)
        team.SetEntry(std::to_string(event), "02:00,00");

    RecordingMessageSink messages;
    const auto pdf = pdftest::CheckPdf(BuildClubEntriesPdf(*meet, entries, messages));
    ASSERT_FALSE(pdf.pageContents.empty());
    const auto page = pdftest::ParseContent(pdf.pageContents[0]);
    std::vector<Text> rows;
    for (const Placement& p : page.texts)
        if (p.y >= 300 && p.y <= 436 && p.text != "€")
            rows.push_back({p.y, p.x, p.text});
    EXPECT_EQ(rows, c.rows);
    // The table's left edge reaches down to its last row.
    EXPECT_NE(std::find(page.segments.begin(), page.segments.end(), pdftest::Segment{70, 516, 70, c.tableBottom}),
              page.segments.end());
}

const std::vector<Text> kUnchangedBelow = {
    {392, 111, "Meldungen für .......... Mannschaften"},
    {372, 190, "Kampfrichtergebühr / Teilnehmergrundbetrag"},
    {372, 396, "15,00"},
    {372, 463, "15,00"},
    {351, 301, "Meldegeld gesamt:"},
};

std::vector<Text> Rows(std::vector<Text> head, const std::vector<Text>& middle, std::vector<Text> tail)
{
    head.insert(head.end(), middle.begin(), middle.end());
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

const std::vector<Text> kNineAndOne = {
    {436, 75, "9"},
    {436, 111, "Einzelmeldungen"},
    {436, 246, "Meldeliste (1 Blatt)"},
    {436, 396, "4,50"},
    {436, 463, "40,50"},
    {414, 75, "1"},
    {414, 111, "Staffelmeldungen"},
    {414, 246, "Meldeliste (1 Blatt)"},
    {414, 396, "8,00"},
    {414, 463, "8,00"},
};

INSTANTIATE_TEST_SUITE_P(EntryFormPage, ExampleFees,
                         testing::Values(FeeCase{"EventThirtyAtItsOwnFee",
                                                 {2, 4, 6, 8, 12, 14, 16, 18, 30},
                                                 {10},
                                                 {},
                                                 327,
                                                 {{436, 75, "8"},
                                                  {436, 111, "Einzelmeldungen"},
                                                  {436, 246, "Meldeliste (1 Blatt)"},
                                                  {436, 396, "4,50"},
                                                  {436, 463, "36,00"},
                                                  {414, 75, "1"},
                                                  {414, 111, "Staffelmeldungen"},
                                                  {414, 246, "Meldeliste (1 Blatt)"},
                                                  {414, 396, "8,00"},
                                                  {414, 463, "8,00"},
                                                  {392, 75, "1"},
                                                  {392, 111, "Meldungen"},
                                                  {392, 246, "Wettkampf 30"},
                                                  {392, 396, "7,50"},
                                                  {392, 463, "7,50"},
                                                  {371, 111, "Meldungen für .......... Mannschaften"},
                                                  {351, 190, "Kampfrichtergebühr / Teilnehmergrundbetrag"},
                                                  {351, 396, "15,00"},
                                                  {351, 463, "15,00"},
                                                  {330, 301, "Meldegeld gesamt:"},
                                                  {330, 463, "66,50"},
                                                  {309, 70, "Für das Meldegeld liegt bei:"},
                                                  {309, 199, "(Zutreffendes ankreuzen)"}}},
                                         // Without an entry in event 30 the form is the one of a meet without own fees.
                                         FeeCase{"NoEntryInTheEvent",
                                                 {2, 4, 6, 8, 12, 14, 16, 18, 22},
                                                 {10},
                                                 {},
                                                 348,
                                                 Rows(kNineAndOne, kUnchangedBelow,
                                                      {{351, 463, "63,50"},
                                                       {330, 70, "Für das Meldegeld liegt bei:"},
                                                       {330, 199, "(Zutreffendes ankreuzen)"},
                                                       {310, 86, "VR-Scheck Nr.: .."},
                                                       {310, 306, "Kopie des Überweisungsbeleges"}})},
                                         FeeCase{"OwnFeeEqualToTheIndividualFee",
                                                 {2, 4, 6, 8, 12, 14, 16, 18, 30},
                                                 {10},
                                                 {{30, 450}},
                                                 348,
                                                 Rows(kNineAndOne, kUnchangedBelow,
                                                      {{351, 463, "63,50"},
                                                       {330, 70, "Für das Meldegeld liegt bei:"},
                                                       {330, 199, "(Zutreffendes ankreuzen)"},
                                                       {310, 86, "VR-Scheck Nr.: .."},
                                                       {310, 306, "Kopie des Überweisungsbeleges"}})},
                                         // Three amounts: the second row joins 7,50 and 10,00 without a fee per entry.
                                         FeeCase{"MoreAmountsThanRows",
                                                 {2, 4, 6, 8, 12, 14, 16, 29, 30},
                                                 {10, 32},
                                                 {{29, 600}, {32, 1000}},
                                                 306,
                                                 {{436, 75, "7"},
                                                  {436, 111, "Einzelmeldungen"},
                                                  {436, 246, "Meldeliste (1 Blatt)"},
                                                  {436, 396, "4,50"},
                                                  {436, 463, "31,50"},
                                                  {414, 75, "1"},
                                                  {414, 111, "Staffelmeldungen"},
                                                  {414, 246, "Meldeliste (1 Blatt)"},
                                                  {414, 396, "8,00"},
                                                  {414, 463, "8,00"},
                                                  {392, 75, "1"},
                                                  {392, 111, "Meldungen"},
                                                  {392, 246, "Wettkampf 29"},
                                                  {392, 396, "6,00"},
                                                  {392, 463, "6,00"},
                                                  {371, 75, "2"},
                                                  {371, 111, "Meldungen"},
                                                  {371, 246, "Wettkämpfe 30, 32"},
                                                  {371, 463, "17,50"},
                                                  {350, 111, "Meldungen für .......... Mannschaften"},
                                                  {330, 190, "Kampfrichtergebühr / Teilnehmergrundbetrag"},
                                                  {330, 396, "15,00"},
                                                  {330, 463, "15,00"},
                                                  {309, 301, "Meldegeld gesamt:"},
                                                  {309, 463, "78,00"}}}),
                         [](const testing::TestParamInfo<FeeCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace natarix
