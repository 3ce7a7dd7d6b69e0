#include <gtest/gtest.h>

#include <fstream>
#include <numeric>
#include <sstream>

#include "FakeFileOps.h"
#include "PdfTestSupport.h"
#include "pdf/PdfContent.h"
#include "pdf/PdfWriter.h"
#include "platform/FileIo.h"

namespace natarix {
namespace {

using pdftest::AddOfficials;
using pdftest::AddSwimmer;
using pdftest::AddTeam;
using pdftest::CheckPdf;
using pdftest::FormsMeet;

std::string Build(const MeetDefinition& meet, const ClubEntries& entries)
{
    RecordingMessageSink messages;
    std::string bytes = BuildClubEntriesPdf(meet, entries, messages);
    EXPECT_TRUE(messages.messages.empty());
    return bytes;
}

TEST(PdfContent, PrimitivesWriteTheirOperatorLines)
{
    struct Case {
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"Meldebogen", "(Meldebogen) Tj"},
        {"a(b)c\\d", "(a\\(b\\)c\\\\d) Tj"},
        {"((", "(\\(\\() Tj"},
        {"Grün €§ß", "(Gr\xfcn \x80\xa7\xdf) Tj"},
        {"", "() Tj"},
    };
    for (const Case& c : cases) {
        std::string content = "x";
        AddText(content, c.text, "F1", 20, 241, 748);
        EXPECT_EQ(content, "xBT\r\n/F1 20 Tf\r\n241 748 Td\r\n" + c.shown + "\r\nET\r\n") << c.shown;
    }
    std::string path;
    MoveTo(path, 70, 516);
    LineTo(path, 529, -3);
    StrokePath(path);
    EXPECT_EQ(path, "70 516 m\r\n529 -3 l\r\ns\r\n");
}

TEST(PdfWriter, SinglePageDocumentHasTheFixedLayout)
{
    auto meet = FormsMeet();
    ClubEntries entries;
    const std::string bytes = Build(*meet, entries);
    const std::string head =
        "%PDF-1.1\r\n"
        "1 0 obj\r\n<< /Type /Catalog\r\n/Outlines 2 0 R\r\n/Pages 3 0 R\r\n>>\r\nendobj\r\n"
        "2 0 obj\r\n<< /Type /Outlines\r\n/Count 0\r\n>>\r\nendobj\r\n"
        "3 0 obj\r\n<< /Type /Pages\r\n/Kids [4 0 R]\r\n/Count 1\r\n>>\r\nendobj\r\n"
        "4 0 obj\r\n<< /Type /Page\r\n/Parent 3 0 R\r\n/MediaBox [0 0 595 842]\r\n/Contents 5 0 R\r\n"
        "/Resources << /ProcSet [/PDF]\r\n/Font << /F1 6 0 R\r\n/F2 7 0 R >>\r\n>>\r\n>>\r\nendobj\r\n"
        "5 0 obj\r\n<< /Length ";
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    EXPECT_EQ(bytes.find("1 0 obj"), 10u);
    EXPECT_EQ(bytes.find("2 0 obj"), 81u);
    EXPECT_EQ(bytes.find("3 0 obj"), 132u);
    EXPECT_EQ(bytes.find("4 0 obj") - 132, 63u);

    const auto pdf = CheckPdf(bytes);
    EXPECT_EQ(pdf.offsets.size(), 7u);
    EXPECT_NE(bytes.find("\r\nxref\r\n0 8\r\n0000000000 65535 f\r\n0000000010 00000 n\r\n0000000081 00000 n\r\n"
                         "0000000132 00000 n\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("\r\ntrailer\r\n<< /Size 8\r\n/Root 1 0 R\r\n>>\r\nstartxref\r\n" +
                         std::to_string(bytes.find("xref\r\n")) + "\r\n%%EOF"),
              std::string::npos);
}

// Page order: entry form, officials pages, entry sheets.
struct NumberingCase {
    const char* name;
    int individualEntries;
    int relayEntries;
    int officials;
    std::int64_t sheets;
    std::int64_t officialsPages;
};

void PrintTo(const NumberingCase& c, std::ostream* out)
{
    *out << c.name;
}

class ObjectNumbering : public testing::TestWithParam<NumberingCase> {};

TEST_P(ObjectNumbering, FollowsThePageCounts)
{
    const NumberingCase& c = GetParam();
    auto meet = FormsMeet();
    ClubEntries entries;
    for (int left = c.individualEntries, i = 0; left > 0; left -= 20, ++i)
        AddSwimmer(entries, "S" + std::to_string(i), std::min(left, 20));
    for (int left = c.relayEntries, i = 1; left > 0; left -= 10, ++i)
        AddTeam(entries, std::to_string(i), std::min(left, 10));
    AddOfficials(entries, c.officials);

    const auto pdf = CheckPdf(Build(*meet, entries));
    const std::int64_t m = c.sheets + c.officialsPages;
    ASSERT_EQ(static_cast<std::int64_t>(pdf.pageObjects.size()), m + 1);
    EXPECT_EQ(static_cast<std::int64_t>(pdf.offsets.size()), 2 * m + 7);
    for (std::int64_t j = 0; j <= m; ++j) {
        EXPECT_EQ(pdf.pageObjects[static_cast<std::size_t>(j)], 4 + j);
        EXPECT_EQ(pdf.contentObjects[static_cast<std::size_t>(j)], m + 5 + j);
    }
    EXPECT_NE(pdf.pageContents[0].find("(Meldebogen) Tj"), std::string::npos);
    for (std::int64_t k = 1; k <= c.officialsPages; ++k)
        EXPECT_NE(pdf.pageContents[static_cast<std::size_t>(k)].find("(Kampfrichteraufstellung) Tj"),
                  std::string::npos);
    for (std::int64_t s = 1; s <= c.sheets; ++s)
        EXPECT_NE(pdf.pageContents[static_cast<std::size_t>(c.officialsPages + s)].find(
                      "(Blatt " + std::to_string(s) + " von " + std::to_string(c.sheets) + ") Tj"),
                  std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(PdfWriter, ObjectNumbering,
                         testing::Values(NumberingCase{"NothingButTheForm", 0, 0, 0, 0, 0},
                                         NumberingCase{"TwentyEntriesOneSheet", 20, 0, 0, 1, 0},
                                         NumberingCase{"TwentyOneEntriesAndAnOfficial", 15, 6, 1, 2, 1},
                                         NumberingCase{"RelayEntriesOnly", 0, 1, 0, 1, 0},
                                         NumberingCase{"ThirtySevenOfficialsOnOnePage", 0, 0, 37, 0, 1},
                                         NumberingCase{"ThirtyEightOfficialsOnTwoPages", 0, 0, 38, 0, 2},
                                         NumberingCase{"MoreSheetsThanTheOldLimit", 921, 0, 0, 47, 0},
                                         NumberingCase{"ManySheetsAndOfficials", 1000, 40, 75, 52, 3}),
                         [](const testing::TestParamInfo<NumberingCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(PdfWriter, PlacesEscapedAndWindows1252TextsUnchanged)
{
    auto meet = FormsMeet();
    ClubEntries entries;
    entries.club.clubName = "SV (Nord) \\ Bär €";
    meet->title = "a)b";
    AddSwimmer(entries, "Müller (jun.)", 1);
    const auto pdf = CheckPdf(Build(*meet, entries));
    ASSERT_EQ(pdf.pageContents.size(), 2u);
    EXPECT_NE(pdf.pageContents[0].find("(Meldender Verein: SV \\(Nord\\) \\\\ B\xe4r \x80) Tj"), std::string::npos);
    EXPECT_NE(pdf.pageContents[0].find("(Wettkampfveranstaltung: a\\)b) Tj"), std::string::npos);
    EXPECT_NE(pdf.pageContents[0].find("(\x80) Tj"), std::string::npos);
    EXPECT_NE(pdf.pageContents[1].find("(werden vom Verein: SV \\(Nord\\) \\\\ B\xe4r \x80) Tj"), std::string::npos);
    EXPECT_NE(pdf.pageContents[1].find("(M\xfcller \\(jun.\\), Anna) Tj"), std::string::npos);
}

TEST(PdfWriter, BuildingAgainStartsFromScratch)
{
    auto meet = FormsMeet();
    ClubEntries entries;
    AddSwimmer(entries, "A", 25);
    AddOfficials(entries, 2);
    PdfWriter writer("unused.pdf", *meet, entries);
    RecordingMessageSink messages;
    const std::string first = writer.BuildDocument(messages);
    EXPECT_EQ(writer.BuildDocument(messages), first);
    EXPECT_EQ(writer.objectOffsets().size(), 2u * 3 + 7);
    CheckPdf(first);
}

TEST(PdfWriter, WritesTheFileOrReportsWhyNot)
{
    using Step = test::FakeFileOps::Step;
    struct Case {
        Step failing;
        const char* message;
    };
    const Case cases[] = {
        {Step::None, nullptr},
        {Step::Create, "Die PDF-Vereinsmeldeliste konnte nicht angelegt werden!"},
        {Step::Write, "Die PDF-Vereinsmeldeliste konnte nicht geschrieben werden!"},
        {Step::Replace, "Die PDF-Vereinsmeldeliste konnte nicht angelegt werden!"},
    };
    auto meet = FormsMeet();
    ClubEntries entries;
    AddSwimmer(entries, "A", 3);
    RecordingMessageSink ignored;
    const std::string expected = BuildClubEntriesPdf(*meet, entries, ignored);
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.failing));
        pdftest::TempDir dir;
        const std::string path = dir.Path("Meldung.pdf");
        std::ofstream(path, std::ios::binary) << "old";
        test::FakeFileOps ops(c.failing);
        RecordingMessageSink messages;
        const bool written = WriteClubEntriesPdf(*meet, entries, path, messages, ops);
        EXPECT_EQ(written, c.message == nullptr);
        if (c.message == nullptr) {
            EXPECT_TRUE(messages.messages.empty());
            EXPECT_EQ(test::ReadBytes(path), expected);
        } else {
            EXPECT_EQ(messages.messages, std::vector<Message>{Message::Warning(c.message)});
            EXPECT_EQ(test::ReadBytes(path), "old");
        }
        EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
    }
}

}  // namespace
}  // namespace natarix
