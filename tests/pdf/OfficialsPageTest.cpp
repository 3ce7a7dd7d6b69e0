#include <gtest/gtest.h>

#include "PdfTestSupport.h"
#include "model/Labels.h"
#include "pdf/PdfWriter.h"

namespace natarix {
namespace {

using pdftest::AddOfficials;
using pdftest::FormsMeet;
using pdftest::PageContent;
using pdftest::Placement;

const std::vector<Placement> kTitleAndHeadings = {
    {781, 169, "F1", 16, "Kampfrichteraufstellung"},
    {750, 20, "F1", 10, "Nachname"},
    {750, 120, "F1", 10, "Vorname"},
    {750, 220, "F1", 10, "Gruppe"},
    {750, 320, "F1", 10, "Einsatzwunsch"},
    {750, 420, "F1", 10, "Abschnitte"},
};

std::vector<PageContent> OfficialsPages(const MeetDefinition& meet, const ClubEntries& entries)
{
    RecordingMessageSink messages;
    const auto pdf = pdftest::CheckPdf(BuildClubEntriesPdf(meet, entries, messages));
    std::vector<PageContent> pages;
    for (std::size_t i = 1; i < pdf.pageContents.size(); ++i)
        if (pdf.pageContents[i].find("(Kampfrichteraufstellung) Tj") != std::string::npos)
            pages.push_back(pdftest::ParseContent(pdf.pageContents[i]));
    return pages;
}

std::vector<Placement> OfficialRow(int y, const Official& official)
{
    return {{y, 20, "F2", 10, official.surname},
            {y, 120, "F2", 10, official.firstName},
            {y, 220, "F2", 10, std::to_string(official.group)},
            {y, 320, "F2", 10, official.wish},
            {y, 420, "F2", 10, SectionNumbersText(official)}};
}

TEST(OfficialsPage, TitleHeadingsAndOneRowPerOfficial)
{
    auto meet = FormsMeet();
    ClubEntries entries;
    AddOfficials(entries, 3);
    entries.officials()[2]->wish.clear();
    entries.officials()[1]->surname = "Schäfer (Gast)";
    const auto pages = OfficialsPages(*meet, entries);
    ASSERT_EQ(pages.size(), 1u);
    std::vector<Placement> expected = kTitleAndHeadings;
    for (int i = 0; i < 3; ++i) {
        const auto row = OfficialRow(730 - 20 * i, *entries.officials()[static_cast<std::size_t>(i)]);
        expected.insert(expected.end(), row.begin(), row.end());
    }
    expected[6 + 5].text = "Schäfer (Gast)";
    EXPECT_EQ(pages[0].texts, expected);
    EXPECT_EQ(pages[0].texts[6 + 2].text, "1");
    EXPECT_EQ(pages[0].texts[6 + 12].text, "3");
    EXPECT_TRUE(pages[0].segments.empty());
}

TEST(OfficialsPage, GroupZeroIsPrinted)
{
    auto meet = FormsMeet();
    ClubEntries entries;
    AddOfficials(entries, 4);
    const auto pages = OfficialsPages(*meet, entries);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].texts[6 + 3 * 5 + 2], (Placement{670, 220, "F2", 10, "0"}));
}

// Beyond 37 officials the list goes on over further pages of 37 rows, each
// with the title and headings again.
TEST(OfficialsPage, ThirtySevenRowsPerPage)
{
    const std::pair<int, std::vector<std::size_t>> cases[] = {
        {1, {1}}, {37, {37}}, {38, {37, 1}}, {74, {37, 37}}, {75, {37, 37, 1}},
    };
    for (const auto& [count, rowsPerPage] : cases) {
        SCOPED_TRACE(count);
        auto meet = FormsMeet();
        ClubEntries entries;
        AddOfficials(entries, count);
        const auto pages = OfficialsPages(*meet, entries);
        ASSERT_EQ(pages.size(), rowsPerPage.size());
        std::size_t official = 0;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const auto& texts = pages[p].texts;
            ASSERT_EQ(texts.size(), 6 + 5 * rowsPerPage[p]);
            EXPECT_EQ(std::vector<Placement>(texts.begin(), texts.begin() + 6), kTitleAndHeadings);
            for (std::size_t r = 0; r < rowsPerPage[p]; ++r, ++official) {
                const auto row = OfficialRow(730 - 20 * static_cast<int>(r), *entries.officials()[official]);
                EXPECT_EQ(std::vector<Placement>(texts.begin() + 6 + 5 * static_cast<std::ptrdiff_t>(r),
                                                 texts.begin() + 11 + 5 * static_cast<std::ptrdiff_t>(r)),
                          row);
            }
            EXPECT_GE(texts.back().y, 10);
        }
        EXPECT_EQ(official, static_cast<std::size_t>(count));
    }
}

}  // namespace
}  // namespace natarix
