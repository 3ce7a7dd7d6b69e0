#include <gtest/gtest.h>

#include "export/ExportNames.h"

using namespace natarix;

namespace {

struct NamePartCase {
    std::string_view text;
    std::string_view expected;
};

void PrintTo(const NamePartCase& c, std::ostream* out)
{
    *out << '"' << c.text << '"';
}

class ToFileNamePartTest : public testing::TestWithParam<NamePartCase> {};

TEST_P(ToFileNamePartTest, SpellsOutUmlautsAndDropsSpaces)
{
    EXPECT_EQ(ToFileNamePart(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ToFileNamePartTest,
                         testing::Values(NamePartCase{"Bad Musterau", "BadMusterau"},
                                         NamePartCase{"SV Möwe 05", "SVMoewe05"}, NamePartCase{"Straße", "Strasse"},
                                         NamePartCase{"Über Lingen", "UeberLingen"},
                                         NamePartCase{"ÄÖÜäöü", "AeOeUeaeoeue"},
                                         // Letters outside the table pass unchanged.
                                         NamePartCase{"Café Ørsted", "CaféØrsted"},
                                         NamePartCase{"a\tb.c-d:e", "a\tb.c-d:e"}, NamePartCase{"   ", ""},
                                         // No name may lead into another folder.
                                         NamePartCase{"../SV/Nord\\Süd", ".._SV_Nord_Sued"}));

// The names for a meet of sections on `dates` in `town` and the club `clubName`.
ExportFileNames NamesFor(std::vector<std::string> dates, std::string_view town, std::string_view clubName)
{
    MeetDefinition meet;
    int number = 1;
    for (auto& date : dates)
        meet.AddSection({std::to_string(number++), date, "09:00", ""});
    meet.venue.town = town;
    Club club;
    club.clubName = clubName;
    return MakeExportFileNames(meet, club);
}

TEST(ExportFileNames, TakeTheLastSectionDateTheTownAndTheClub)
{
    const auto names = NamesFor({"12.03.2006", "11.03.2006"}, "Bad Musterau", "SV Möwe 05");
    EXPECT_EQ(names.dsvName, "060312-BadMusterau-Me-SVMoewe05.DSV");
    EXPECT_EQ(names.pdfName, "060312-BadMusterau-Meldungen-SVMoewe05.PDF");
}

TEST(ExportFileNames, EdgeCases)
{
    EXPECT_EQ(NamesFor({}, "Bad Musterau", "SV").dsvName, "000101-BadMusterau-Me-SV.DSV");
    EXPECT_EQ(NamesFor({"12.03.2006"}, "", "SV Möwe 05").dsvName, "060312--Me-SVMoewe05.DSV");
    EXPECT_EQ(NamesFor({"12.03.2006"}, "Bad Musterau", "   ").dsvName, "060312-BadMusterau-Me-.DSV");
    // A date of another length gives no date part.
    EXPECT_EQ(NamesFor({"1.3.2006"}, "X", "Y").pdfName, "-X-Meldungen-Y.PDF");
}

// Formats 7 and 8: "JJJJ-MM-TT-Ort-Verein-Me.DSVn", the meet's town (else
// the pool's) in at most 8 and the club in at most 16 characters, no hyphens.
TEST(ExportFileNames, OfTheNewFormatsFollowTheDsvStandard)
{
    struct Case {
        std::string place, town, club;
        int version;
        std::string dsv;
    };
    for (const Case& c : {
             Case{"Haselünne", "Bad X", "SV Haren", 7, "2025-11-29-Haseluen-SVHaren-Me.DSV7"},
             Case{"", "Bad Musterau", "SG Grün-Weiß Musterstadt", 8, "2025-11-29-BadMuste-SGGruenWeissMust-Me.DSV8"},
             Case{"Groß-Gerau", "", "SV/Süd", 7, "2025-11-29-GrossGer-SV_Sued-Me.DSV7"},
         }) {
        MeetDefinition meet;
        meet.AddSection({"1", "28.11.2025", "09:00", ""});
        meet.AddSection({"2", "29.11.2025", "09:00", ""});
        meet.place = c.place;
        meet.venue.town = c.town;
        Club club;
        club.clubName = c.club;
        const auto names = MakeExportFileNames(meet, club, c.version);
        EXPECT_EQ(names.dsvName, c.dsv);
        EXPECT_EQ(names.pdfName, c.dsv.substr(0, c.dsv.size() - 4) + "PDF");
    }
}

#ifdef _WIN32
TEST(ExportFileNames, StayInTheAnsiCodePageOnWindows)
{
    const auto names = NamesFor({"12.03.2006"}, "Orléans", "Café");
    EXPECT_EQ(FileNameToNative(names.dsvName),
              "060312-Orl\xE9"
              "ans-Me-Caf\xE9.DSV");
    EXPECT_EQ(JoinPath("C:\\x", "a.DSV"), "C:\\x\\a.DSV");
}
#else
TEST(ExportFileNames, BecomeUtf8OnThisFileSystem)
{
    const auto names = NamesFor({"12.03.2006"}, "Orléans", "Café");
    EXPECT_EQ(FileNameToNative(names.dsvName),
              "060312-Orl\xC3\xA9"
              "ans-Me-Caf\xC3\xA9.DSV");
    EXPECT_EQ(JoinPath("/tmp/x", "a.DSV"), "/tmp/x/a.DSV");
}
#endif

}  // namespace
