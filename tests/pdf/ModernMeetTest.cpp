// The forms of a meet of formats 7 and 8 as its definition list is read: the
// fee table for every kind of MELDEGELD line, and the entry sheet's events
// with their exercise and round.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "PdfTestSupport.h"
#include "dsv678/MeetReader.h"
#include "pdf/PdfWriter.h"

namespace natarix {
namespace {

using pdftest::PageContent;
using pdftest::Placement;

// modern-fees.dsv7 in `version` with these MELDEGELD lines.
std::unique_ptr<MeetDefinition> Meet(int version, const std::vector<std::string>& fees)
{
    std::string text = test::Data("modern-fees.dsv7");
    text.replace(text.find(";7;"), 3, ";" + std::to_string(version) + ";");
    for (const std::string& fee : fees)
        text.insert(text.rfind("DATEIENDE"), fee + "\r\n");
    auto read = dsv678::ReadMeet(text, "modern-fees.dsv7");
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

std::string FormText(const MeetDefinition& meet)
{
    const auto pages = Pages(meet, Entries());
    if (pages.empty())
        return {};
    std::string text;
    for (const std::string& row : FeeRows(pages[0]))
        text += row + "\n";
    for (const Placement& p : pages[0].texts)
        if (p.text == "DSV-Form 101 (2006-01)")
            text += "footer " + std::to_string(p.y) + "\n";
    return text;
}

// Every case of the golden file with what the form shows now in place of
// what it held. On a difference the file made is left as
// modern-fee-tables.txt.actual in the test's working folder.
TEST(EntryFormPage, FeeTablesOfModernMeetsMatchTheGolden)
{
    const std::string golden = test::Data("modern-fee-tables.txt");
    ASSERT_NE(golden.find("\n== "), std::string::npos);
    std::istringstream lines(golden);
    std::string made;
    int version = 0;
    std::vector<std::string> fees;
    bool shown = false;  // within the part the form shows
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("==")) {
            version = std::stoi(line.substr(line.rfind(' ')));
            fees.clear();
            shown = false;
        } else if (line == "--") {
            made += line + "\n" + FormText(*Meet(version, fees));
            shown = true;
            continue;
        } else if (line.starts_with("MELDEGELD:") && !shown) {
            fees.push_back(line);
        } else if (line.empty() || line.starts_with("#")) {
            shown = false;
        }
        if (!shown)
            made += line + "\n";
    }
    EXPECT_EQ(made, golden);
    if (made != golden)
        std::ofstream("modern-fee-tables.txt.actual", std::ios::binary) << made;
}

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
    const auto rows = FeeRows(pages[0]);
    ASSERT_GT(rows.size(), 2u);
    EXPECT_EQ(rows[2], "15 | Meldungen | Wettkämpfe mit eigenem Meldegeld | 6,50 | 97,50");
}

TEST(EntrySheetPage, ExerciseAndRoundBelowTheDistance)
{
    const auto pages = Pages(*Meet(8, {}), Entries());
    ASSERT_EQ(pages.size(), 2u);
    std::vector<std::string> shown;
    for (const Placement& p : pages[1].texts)
        if (p.x == 472 && p.y < 590)
            shown.push_back(std::to_string(p.y) + " " + std::to_string(p.size) + " " + p.text);
    // Baselines 580, 558 and 536 of the first rows; the relay decider in plain GL stays one line.
    const std::vector<std::string> expected = {"584 10 100m F", "575 7 Vorlauf", "562 10 100m B", "553 7 BE",
                                               "540 10 100m F", "531 7 Vorlauf", "513 10 50m F",  "491 10 50m F",
                                               "469 10 50m F",  "446 10 50m F",  "424 10 4x50m L"};
    EXPECT_EQ(shown, expected);
}

}  // namespace
}  // namespace natarix
