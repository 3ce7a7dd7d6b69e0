#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "PdfTestSupport.h"
#include "pdf/EntryFormPage.h"
#include "pdf/PdfWriter.h"

namespace natarix {
namespace {

using pdftest::AddOfficials;
using pdftest::AddSwimmer;
using pdftest::AddTeam;
using pdftest::MakeCompetition;
using pdftest::PageContent;
using pdftest::Placement;
using pdftest::W;

PageContent EntryForm(const Competition& model)
{
    RecordingMessageSink messages;
    const auto pdf = pdftest::CheckPdf(BuildClubEntriesPdf(model, messages));
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

// Every text and line of the form for a club with entries, fees and officials.
TEST(EntryFormPage, PlacesEveryRowOfTheForm)
{
    auto model = MakeCompetition();
    model->individualFee = 500;
    model->relayFee = 1250;
    model->flatFee = 2000;
    Club& club = model->club;
    club.clubName = "SV Nord";
    club.clubId = "4711";
    club.lsv = "04: Landesschwimmverband Brandenburg";
    club.contact.name = "Erika Muster";
    club.contact.street = W("Hauptstraße 1");
    club.contact.postcode = "14467";
    club.contact.town = "Potsdam";
    club.contact.phone = "0331 123";
    club.contact.email = "erika@example.org";
    AddSwimmer(*model, "A", 3);
    AddTeam(*model, "1", 2);
    AddOfficials(*model, 1);

    const std::vector<Placement> expected = {
        {781, 169, "F1", 16, "Deutscher Schwimm-Verband e.V."},
        {748, 241, "F1", 20, "Meldebogen"},
        {730, 262, "F1", 12, "Schwimmen"},
        {692, 70, "F2", 10, "Wettkampfveranstaltung: Bezirksmeisterschaften"},
        {670, 70, "F2", 10, "am / vom: 12.03.2027"},
        {670, 185, "F2", 10, "bis: 13.03.2027"},
        {670, 270, "F2", 10, "in: Musterstadt"},
        {642, 70, "F2", 10, "Meldender Verein: SV Nord"},
        {619, 70, "F2", 10, "Vereins-ID-Nr.: 4711"},
        {619, 312, "F2", 10, "LSV-Kennziffer: 04: Landesschwimmverband Brandenburg"},
        {592, 70, "F2", 10, "Ansprechpartner: Erika Muster"},
        {569, 70, "F2", 10, "eMail: erika@example.org"},
        {569, 356, "F2", 10, "Telefon: 0331 123"},
        {541, 70, "F2", 10, "Straße: Hauptstraße 1"},
        {541, 291, "F2", 10, "PLZ/Ort: 14467 Potsdam"},
        {518, 70, "F1", 10, "In der Anlage übersenden wir:"},
        {502, 77, "F1", 8, "Anzahl"},
        {502, 230, "F1", 8, "Meldungen"},
        {508, 405, "F1", 8, "Meldegeld je"},
        {499, 412, "F1", 8, "Meldung"},
        {508, 476, "F1", 8, "Meldegeld"},
        {499, 481, "F1", 8, "Summe"},
        {478, 111, "F2", 10, "Einzelmeldungen"},
        {478, 246, "F2", 10, "Startkarten sind beigefügt"},
        {478, 452, "F2", 10, "€"},
        {478, 520, "F2", 10, "€"},
        {457, 111, "F2", 10, "Staffelmeldungen"},
        {457, 246, "F2", 10, "Startkarten sind beigefügt"},
        {457, 452, "F2", 10, "€"},
        {457, 520, "F2", 10, "€"},
        {436, 75, "F2", 10, "3"},
        {436, 111, "F2", 10, "Einzelmeldungen"},
        {436, 246, "F2", 10, "Meldeliste (1 Blatt)"},
        {436, 396, "F2", 10, "5,00"},
        {436, 463, "F2", 10, "15,00"},
        {436, 452, "F2", 10, "€"},
        {436, 520, "F2", 10, "€"},
        {414, 75, "F2", 10, "2"},
        {414, 111, "F2", 10, "Staffelmeldungen"},
        {414, 246, "F2", 10, "Meldeliste (1 Blatt)"},
        {414, 396, "F2", 10, "12,50"},
        {414, 463, "F2", 10, "25,00"},
        {414, 452, "F2", 10, "€"},
        {414, 520, "F2", 10, "€"},
        {392, 111, "F2", 10, "Meldungen für .......... Mannschaften"},
        {392, 452, "F2", 10, "€"},
        {392, 520, "F2", 10, "€"},
        {372, 190, "F2", 10, "Kampfrichtergebühr / Teilnehmergrundbetrag"},
        {372, 396, "F2", 10, "20,00"},
        {372, 463, "F2", 10, "20,00"},
        {372, 452, "F2", 10, "€"},
        {372, 520, "F2", 10, "€"},
        {351, 301, "F1", 10, "Meldegeld gesamt:"},
        {351, 463, "F1", 10, "60,00"},
        {351, 520, "F1", 10, "€"},
        {330, 70, "F2", 10, "Für das Meldegeld liegt bei:"},
        {330, 199, "F2", 8, "(Zutreffendes ankreuzen)"},
        {310, 86, "F2", 10, "VR-Scheck Nr.: .."},
        {310, 306, "F2", 10, "Kopie des Überweisungsbeleges"},
        {280, 70, "F1", 10, "Als Kampfrichter werden von uns für diese Veranstaltung gemeldet:"},
        {258, 70, "F2", 10, "1."},
        {258, 120, "F2", 10, "siehe gesonderte Aufstellung"},
        {258, 398, "F2", 10, "KR-Gruppe:"},
        {237, 70, "F2", 10, "2."},
        {237, 398, "F2", 10, "KR-Gruppe:"},
        {216, 70, "F2", 10, "3."},
        {216, 398, "F2", 10, "KR-Gruppe:"},
        {95, 70, "F2", 10, std::string(56, '.')},
        {95, 250, "F2", 10, std::string(104, '.')},
        {85, 71, "F2", 8, "(Ort, Datum)"},
        {85, 320, "F2", 8, "(Stempel / Unterschrift des Vereinsvertreters)"},
        {68, 71, "F2", 8, "DSV-Form 101 (2006-01)"},
        {196, 70, "F1", 9, "Erklärung des meldenden Vereins:"},
        {182, 70, "F2", 9,
         "Mit Abgabe dieser Meldung wird versichert, dass die von uns gemeldeten Schwimmer ihre Sportgesundheit"},
        {172, 70, "F2", 9,
         "entsprechend WB AT § 7 durch ein ärztliches Zeugnis nachweisen können. Die Untersuchung/en liegt/liegen zum"},
        {162, 70, "F2", 9, "Zeitpunkt der Abgabe der Meldung nicht länger als ein Jahr zurück."},
        {152, 70, "F2", 9,
         "Diese Erklärung gilt gleichfalls für alle Mannschafts-/Staffelteilnehmer sofern diese in der Meldung noch "
         "nicht"},
        {142, 70, "F2", 9, "namentlich benannt wurden."},
    };
    const std::vector<pdftest::Segment> table = {
        {70, 516, 529, 516},  {70, 495, 529, 495},  {70, 474, 529, 474},  {70, 453, 529, 453},  {70, 432, 529, 432},
        {70, 411, 529, 411},  {70, 390, 529, 390},  {70, 369, 529, 369},  {70, 348, 529, 348},  {70, 516, 70, 348},
        {105, 516, 105, 390}, {394, 516, 394, 348}, {461, 516, 461, 348}, {529, 516, 529, 348},
    };

    RecordingMessageSink messages;
    const auto pdf = pdftest::CheckPdf(BuildClubEntriesPdf(*model, messages));
    ASSERT_FALSE(pdf.pageContents.empty());
    const std::string& content = pdf.pageContents[0];
    const PageContent page = pdftest::ParseContent(content);
    EXPECT_EQ(page.texts, expected);
    EXPECT_EQ(page.segments, table);
    EXPECT_EQ(page.strokes, 1);
    // The table is drawn between the form number and the declaration.
    EXPECT_LT(content.find("(DSV-Form 101"), content.find("70 516 m"));
    EXPECT_GT(content.find("(Erkl"), content.find("s\r\n"));
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
    auto model = MakeCompetition();
    model->individualFee = c.individualFee;
    model->relayFee = c.relayFee;
    model->flatFee = c.flatFee;
    for (int left = c.individualEntries, i = 0; left > 0; left -= 20, ++i)
        AddSwimmer(*model, "S" + std::to_string(i), std::min(left, 20));
    if (c.relayEntries > 0)
        AddTeam(*model, "1", c.relayEntries);
    const PageContent page = EntryForm(*model);

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
    auto model = MakeCompetition();
    EXPECT_FALSE(TextAt(EntryForm(*model), 258, 120).has_value());
    AddOfficials(*model, 1);
    EXPECT_EQ(TextAt(EntryForm(*model), 258, 120), "siehe gesonderte Aufstellung");
}

TEST(EntryFormPage, CompetitionWithoutSectionsAndEmptyClub)
{
    Competition model;
    const PageContent page = EntryForm(model);
    EXPECT_EQ(TextAt(page, 670, 70), "am / vom: 31.12.9999");
    EXPECT_EQ(TextAt(page, 670, 185), "bis: 01.01.0000");
    EXPECT_EQ(TextAt(page, 642, 70), "Meldender Verein: ");
    EXPECT_EQ(TextAt(page, 541, 291), "PLZ/Ort:  ");
}

}  // namespace
}  // namespace natarix
