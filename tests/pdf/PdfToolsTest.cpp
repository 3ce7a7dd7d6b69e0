// Generated documents read by independent PDF tools.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>

#include "PdfTestSupport.h"
#include "pdf/PdfWriter.h"

namespace natarix {
namespace {

using pdftest::AddOfficials;
using pdftest::AddSwimmer;
using pdftest::AddTeam;
using pdftest::FormsMeet;

bool ToolMissing(const char* tool)
{
    return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) != 0;
}

// Standard output of a command, and its exit status.
std::pair<std::string, int> RunCommand(const std::string& command)
{
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {output, -1};
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, read);
    const int status = ::pclose(pipe);
    return {output, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

std::string WritePdf(const MeetDefinition& meet, const ClubEntries& entries, const pdftest::TempDir& dir,
                     const std::string& name)
{
    const std::string path = dir.Path(name);
    RecordingMessageSink messages;
    EXPECT_TRUE(WriteClubEntriesPdf(meet, entries, path, messages));
    return path;
}

// The forms meet with the club side written against it.
struct Forms {
    std::unique_ptr<MeetDefinition> meet = FormsMeet();
    ClubEntries entries;
};

Forms ClubWithSpecialTexts()
{
    Forms forms;
    MeetDefinition* meet = forms.meet.get();
    ClubEntries& entries = forms.entries;
    entries.club.clubName = "SV (Grün-Weiß) \\ Süd €";
    entries.club.lsv = "04: Landesschwimmverband Brandenburg";
    meet->individualFee = 450;
    AddSwimmer(entries, "Krüger", 3).sex = Sex::Male;
    AddTeam(entries, "1", 1);
    AddOfficials(entries, 1);
    return forms;
}

Forms ClubWithLongNames()
{
    Forms forms;
    MeetDefinition* meet = forms.meet.get();
    ClubEntries& entries = forms.entries;
    meet->title = "Internationale Offene Bezirksmeisterschaften der Jugend und Masters im Kurzbahnschwimmen 2027";
    meet->place = "Kühlenbrück-Oberwiesenthal an der Schwarzen Elster";
    meet->individualFee = 450;
    Club& club = entries.club;
    club.clubName = "Schwimm- und Wassersportgemeinschaft Kühlenbrück-Oberwiesenthal 1921 e. V.";
    club.clubId = "1234567890123456789012345678901234567890";
    club.lsv = "13: Landesschwimmverband Sachsen-Anhalt";
    club.contact.name = "Johanna-Sophie Zimmermann-Hoffmann-Schwarzenberger von und zu Wiesenthal";
    club.contact.email = "johanna-sophie.zimmermann-hoffmann@schwimmgemeinschaft.example.org";
    club.contact.street = "Oberwiesenthaler Landstraße 123a, Hinterhaus";
    Swimmer& swimmer = AddSwimmer(entries, "Zimmermann-Hoffmann", 2);
    swimmer.firstName = "Johanna-Sophie";
    swimmer.registrationNumber = "123456789012345678";
    AddTeam(entries, "12345678901234567890", 1);
    AddOfficials(entries, 2);
    entries.officials()[0]->surname = "Zimmermann-Hoffmann";
    entries.officials()[0]->firstName = "Johanna-Sophie";
    entries.officials()[0]->wish = "Schwimmrichter und Wenderichter";
    std::vector<std::string>& sections = entries.officials()[1]->sectionNumbers;
    sections.clear();
    for (int number = 1; number <= 25; ++number)
        sections.push_back(std::to_string(number));
    return forms;
}

// The right end of the box a word at (xMin, baseline) may fill: the next text
// on its line, the next vertical line across it, or the right margin.
double BoxEnd(const pdftest::PageContent& page, double xMin, int baseline)
{
    double end = 575;
    for (const pdftest::Placement& text : page.texts)
        if (text.y == baseline && text.x > xMin + 0.5)
            end = std::min<double>(end, text.x);
    for (const pdftest::Segment& s : page.segments)
        if (s[0] == s[2] && s[0] > xMin + 0.5 && std::min(s[1], s[3]) <= baseline && baseline <= std::max(s[1], s[3]))
            end = std::min<double>(end, s[0]);
    return end;
}

TEST(PdfTools, NoWordCrossesItsColumnsEdge)
{
    if (ToolMissing("pdftotext"))
        GTEST_SKIP() << "pdftotext is not installed";
    pdftest::TempDir dir;
    const Forms forms = ClubWithLongNames();
    const std::string path = WritePdf(*forms.meet, forms.entries, dir, "long-names.pdf");
    RecordingMessageSink messages;
    const auto pdf = pdftest::CheckPdf(BuildClubEntriesPdf(*forms.meet, forms.entries, messages));
    ASSERT_EQ(pdf.pageContents.size(), 3u);
    const auto [html, status] = RunCommand("pdftotext -bbox -enc UTF-8 '" + path + "' -");
    ASSERT_EQ(status, 0);

    const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    int pageIndex = -1;
    int words = 0;
    std::string seen;
    for (std::size_t at = 0; (at = html.find('<', at)) != std::string::npos; ++at) {
        if (html.compare(at, 6, "<page ") == 0) {
            ++pageIndex;
            continue;
        }
        std::smatch match;
        const std::string tail = html.substr(at, html.find("</word>", at) + 7 - at);
        if (pageIndex < 0 || !std::regex_match(tail, match, word))
            continue;
        const auto page = pdftest::ParseContent(pdf.pageContents[static_cast<std::size_t>(pageIndex)]);
        const double xMin = std::stod(match[1]);
        const double xMax = std::stod(match[3]);
        // The baselines of texts that start left of the word within its height.
        std::set<int> baselines;
        for (const pdftest::Placement& text : page.texts) {
            const double fromTop = 842 - text.y;
            if (fromTop >= std::stod(match[2]) && fromTop <= std::stod(match[4]) && text.x <= xMin + 0.5)
                baselines.insert(text.y);
        }
        EXPECT_FALSE(baselines.empty()) << match[5];
        for (const int baseline : baselines)
            EXPECT_LE(xMax, BoxEnd(page, xMin, baseline) + 0.01)
                << "page " << pageIndex + 1 << ": " << match[5] << " at y " << baseline;
        ++words;
        seen += match[5].str() + ' ';
    }
    EXPECT_GT(words, 300);
    for (const char* expected : {"Zimmermann-Hoffmann,", "Johanna-Sophie", "Schwimmrichter", "Sachsen-Anhalt"})
        EXPECT_NE(seen.find(expected), std::string::npos) << expected << "\n" << seen;
}

TEST(PdfTools, QpdfFindsNoErrors)
{
    if (ToolMissing("qpdf"))
        GTEST_SKIP() << "qpdf is not installed";
    pdftest::TempDir dir;
    std::vector<std::string> paths;
    paths.push_back(WritePdf(*FormsMeet(), ClubEntries(), dir, "one-page.pdf"));
    const Forms special = ClubWithSpecialTexts();
    paths.push_back(WritePdf(*special.meet, special.entries, dir, "special-texts.pdf"));
    Forms many;
    for (int i = 0; i < 60; ++i)
        AddSwimmer(many.entries, "S" + std::to_string(i), 20);
    AddTeam(many.entries, "1", 10);
    AddOfficials(many.entries, 80);
    paths.push_back(WritePdf(*many.meet, many.entries, dir, "many-sheets-and-officials.pdf"));
    for (const std::string& path : paths) {
        const auto [output, status] = RunCommand("qpdf --check '" + path + "' 2>&1");
        EXPECT_EQ(status, 0) << path << "\n" << output;
        EXPECT_NE(output.find("No syntax or stream encoding errors found"), std::string::npos) << output;
    }
    const auto [pages, status] = RunCommand("qpdf --show-npages '" + paths.back() + "'");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(pages, "65\n");  // form, 3 officials pages, 61 sheets
}

TEST(PdfTools, PdftotextReadsTheTextsBack)
{
    if (ToolMissing("pdftotext"))
        GTEST_SKIP() << "pdftotext is not installed";
    pdftest::TempDir dir;
    const Forms forms = ClubWithSpecialTexts();
    const std::string path = WritePdf(*forms.meet, forms.entries, dir, "club.pdf");
    const auto [text, status] = RunCommand("pdftotext -layout -enc UTF-8 '" + path + "' -");
    ASSERT_EQ(status, 0);
    for (const char* expected : {
             "Meldebogen",
             "Meldender Verein: SV (Grün-Weiß) \\ Süd €",
             "LSV-Kennziffer: 04: Landesschwimmverband Brandenburg",
             "Meldeliste (1 Blatt)",
             "13,50",
             "siehe gesonderte Aufstellung",
             "entsprechend WB AT § 7 durch ein ärztliches Zeugnis",
             "Kampfrichteraufstellung",
             "Richter1",
             "Krüger, Anna",
             "4x100m B",
             "Blatt 1 von 1",
             "abgegebene Erklärung gemäß WB-AT § 7.",
         })
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    // Pages are separated by form feeds: form, officials list, one sheet.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 3);
}

}  // namespace
}  // namespace natarix
