#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <optional>

#include "PdfTestSupport.h"
#include "TestFiles.h"
#include "model/EntryFees.h"
#include "pdf/PdfWriter.h"

namespace natarix {
namespace {

using pdftest::AddOfficials;
using pdftest::AddSwimmer;
using pdftest::AddTeam;
using pdftest::FormsMeet;
using pdftest::PageContent;
using pdftest::Placement;

PageContent EntryForm(const MeetDefinition& meet, const ClubEntries& entries)
{
    RecordingMessageSink messages;
    const auto pdf = pdftest::CheckPdf(BuildClubEntriesPdf(meet, entries, messages));
    return pdf.pageContents.empty() ? PageContent{} : pdftest::ParseContent(pdf.pageContents[0]);
}

std::optional<std::string> TextAt(const PageContent& page, int y, int x)
{
    std::optional<std::string> found;
    for (const Placement& placement : page.texts) {
        if (placement.y == y && placement.x == x) {
            EXPECT_FALSE(found.has_value()) << "two texts at " << y << " " << x;
            found = placement.text;
        }
    }
    return found;
}

TEST(FormatAmount, EurosCommaTwoDigitsOfCents)
{
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    const std::pair<std::int64_t, const char*> cases[] = {
        {5, "0,05"},
        {50, "0,50"},
        {500, "5,00"},
        {1234, "12,34"},
        {123456, "1234,56"},
        {100, "1,00"},
        {0, "0,00"},
        {std::numeric_limits<std::int32_t>::max(), "21474836,47"},
        {-5, "-0,05"},
        {-123456, "-1234,56"},
        {kMax, "92233720368547758,07"},
        {std::numeric_limits<std::int64_t>::min(), "-92233720368547758,08"},
    };
    for (const auto& [cents, text] : cases)
        EXPECT_EQ(FormatAmount(cents), text) << cents;
}

TEST(FormatAmount, FeeArithmeticSaturatesInsteadOfOverflowing)
{
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kFee = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(SaturatingProduct(500, 3), 1500);
    EXPECT_EQ(SaturatingProduct(0, kMax), 0);
    EXPECT_EQ(SaturatingProduct(kFee, std::int64_t{1} << 33), kMax);
    EXPECT_EQ(SaturatingProduct(kFee, kMax / kFee), kFee * (kMax / kFee));
    EXPECT_EQ(SaturatingProduct(kFee, kMax / kFee + 1), kMax);
    EXPECT_EQ(SaturatingSum(kMax - 1, 1), kMax);
    EXPECT_EQ(SaturatingSum(kMax - 1, 5), kMax);
    EXPECT_EQ(SaturatingSum(2500, 2000), 4500);
}

// The whole form for a club with entries, fees and officials, byte for byte:
// every text with its font, size and place, and every line of the table. On a
// difference the stream written is left as entry-form-page.content.actual in
// the test's working folder, to be looked at and, if right, taken as golden.
TEST(EntryFormPage, MatchesTheGoldenContentStream)
{
    auto meet = FormsMeet();
    ClubEntries entries;
    meet->individualFee = 500;
    meet->relayFee = 1250;
    meet->flatFee = 2000;
    Club& club = entries.club;
    club.clubName = "SV Nord";
    club.clubId = "4711";
    club.lsv = "04: Landesschwimmverband Brandenburg";
    club.contact.name = "Erika Muster";
    club.contact.street = "Hauptstraße 1";
    club.contact.postcode = "14467";
    club.contact.town = "Potsdam";
    club.contact.phone = "0331 123";
    club.contact.email = "erika@example.org";
    AddSwimmer(entries, "A", 3);
    AddTeam(entries, "1", 2);
    AddOfficials(entries, 1);

    RecordingMessageSink messages;
    const auto pdf = pdftest::CheckPdf(BuildClubEntriesPdf(*meet, entries, messages));
    ASSERT_FALSE(pdf.pageContents.empty());
    const std::string& content = pdf.pageContents[0];
    const std::string golden = test::Data("entry-form-page.content");
    EXPECT_EQ(content, golden);
    if (content != golden)
        std::ofstream("entry-form-page.content.actual", std::ios::binary) << content;
}

struct FeeCase {
    const char* name;
    int individualEntries;
    int relayEntries;
    std::int32_t individualFee;
    std::int32_t relayFee;
    std::int32_t flatFee;
    // The texts at the conditional places; empty for none.
    const char* individualCount;
    const char* individualSheets;
    const char* individualFeeText;
    const char* individualSum;
    const char* relayCount;
    const char* relaySheets;
    const char* relayFeeText;
    const char* relaySum;
    const char* flat;
    const char* total;
};

void PrintTo(const FeeCase& c, std::ostream* out)
{
    *out << c.name;
}

class EntryFormFees : public testing::TestWithParam<FeeCase> {};

TEST_P(EntryFormFees, ShowOnlyWhatApplies)
{
    const FeeCase& c = GetParam();
    auto meet = FormsMeet();
    ClubEntries entries;
    meet->individualFee = c.individualFee;
    meet->relayFee = c.relayFee;
    meet->flatFee = c.flatFee;
    for (int left = c.individualEntries, i = 0; left > 0; left -= 20, ++i)
        AddSwimmer(entries, "S" + std::to_string(i), std::min(left, 20));
    if (c.relayEntries > 0)
        AddTeam(entries, "1", c.relayEntries);
    const PageContent page = EntryForm(*meet, entries);

    const auto expect = [&page](int y, int x, const char* text) {
        EXPECT_EQ(TextAt(page, y, x).value_or(""), text) << y << " " << x;
        if (*text == '\0') {
            EXPECT_FALSE(TextAt(page, y, x).has_value()) << y << " " << x;
        }
    };
    expect(436, 75, c.individualCount);
    expect(436, 246, c.individualSheets);
    expect(436, 396, c.individualFeeText);
    expect(436, 463, c.individualSum);
    expect(414, 75, c.relayCount);
    expect(414, 246, c.relaySheets);
    expect(414, 396, c.relayFeeText);
    expect(414, 463, c.relaySum);
    expect(372, 396, c.flat);
    expect(372, 463, c.flat);
    expect(351, 463, c.total);
}

constexpr const char* kNoSheets = "Meldeliste (... Blatt)";

INSTANTIATE_TEST_SUITE_P(
    EntryFormPage, EntryFormFees,
    testing::Values(
        FeeCase{"NoEntriesNoFlatFee", 0, 0, 500, 1250, 0, "", kNoSheets, "", "", "", kNoSheets, "", "", "", ""},
        FeeCase{"NoEntriesWithFlatFee", 0, 0, 500, 1250, 2000, "", kNoSheets, "", "", "", kNoSheets, "", "", "20,00",
                "20,00"},
        FeeCase{"CountsWithoutFees", 25, 3, 0, 0, 0, "25", "Meldeliste (2 Blatt)", "", "", "3", "Meldeliste (2 Blatt)",
                "", "", "", ""},
        FeeCase{"IndividualOnly", 21, 0, 0, 0, 0, "21", "Meldeliste (2 Blatt)", "", "", "", kNoSheets, "", "", "", ""},
        FeeCase{"RelayOnly", 0, 2, 500, 1250, 0, "", kNoSheets, "", "", "2", "Meldeliste (1 Blatt)", "12,50", "25,00",
                "", "25,00"},
        FeeCase{"AllThreeFees", 3, 2, 500, 1250, 2000, "3", "Meldeliste (1 Blatt)", "5,00", "15,00", "2",
                "Meldeliste (1 Blatt)", "12,50", "25,00", "20,00", "60,00"},
        FeeCase{"SmallestFee", 1, 0, 5, 0, 0, "1", "Meldeliste (1 Blatt)", "0,05", "0,05", "", kNoSheets, "", "", "",
                "0,05"},
        FeeCase{"NegativeFeesAreNotPrinted", 2, 1, -500, -100, -2000, "2", "Meldeliste (1 Blatt)", "", "", "1",
                "Meldeliste (1 Blatt)", "", "", "", ""},
        FeeCase{"LargestFeeTimesManyEntries", 40, 0, std::numeric_limits<std::int32_t>::max(), 0,
                std::numeric_limits<std::int32_t>::max(), "40", "Meldeliste (2 Blatt)", "21474836,47", "858993458,80",
                "", kNoSheets, "", "", "21474836,47", "880468295,27"}),
    [](const testing::TestParamInfo<FeeCase>& info) { return std::string(info.param.name); });

TEST(EntryFormPage, OfficialsLineOnlyWithOfficials)
{
    auto meet = FormsMeet();
    ClubEntries entries;
    EXPECT_FALSE(TextAt(EntryForm(*meet, entries), 258, 120).has_value());
    AddOfficials(entries, 1);
    EXPECT_EQ(TextAt(EntryForm(*meet, entries), 258, 120), "siehe gesonderte Aufstellung");
}

TEST(EntryFormPage, CompetitionWithoutSectionsAndEmptyClub)
{
    const MeetDefinition meet;
    const ClubEntries entries;
    const PageContent page = EntryForm(meet, entries);
    EXPECT_EQ(TextAt(page, 670, 70), "am / vom: 31.12.9999");
    EXPECT_EQ(TextAt(page, 670, 185), "bis: 01.01.0000");
    EXPECT_EQ(TextAt(page, 642, 70), "Meldender Verein: ");
    EXPECT_EQ(TextAt(page, 541, 291), "PLZ/Ort:  ");
}

}  // namespace
}  // namespace natarix
