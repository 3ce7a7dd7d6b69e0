// Generated documents read by independent PDF tools.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "PdfTestSupport.h"
#include "pdf/PdfWriter.h"

namespace natarix {
namespace {

using pdftest::AddOfficials;
using pdftest::AddSwimmer;
using pdftest::AddTeam;
using pdftest::MakeCompetition;
using pdftest::W;

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

std::string WritePdf(const Competition& model, const pdftest::TempDir& dir, const std::string& name)
{
    const std::string path = dir.Path(name);
    RecordingMessageSink messages;
    EXPECT_TRUE(WriteClubEntriesPdf(model, path, messages));
    return path;
}

std::unique_ptr<Competition> ClubWithSpecialTexts()
{
    auto model = MakeCompetition();
    model->club.clubName = W("SV (Grün-Weiß) \\ Süd €");
    model->club.lsv = "04: Landesschwimmverband Brandenburg";
    model->individualFee = 450;
    AddSwimmer(*model, W("Krüger"), 3).sex = "m";
    AddTeam(*model, "1", 1);
    AddOfficials(*model, 1);
    return model;
}

TEST(PdfTools, QpdfFindsNoErrors)
{
    if (ToolMissing("qpdf"))
        GTEST_SKIP() << "qpdf is not installed";
    pdftest::TempDir dir;
    std::vector<std::string> paths;
    paths.push_back(WritePdf(*MakeCompetition(), dir, "one-page.pdf"));
    paths.push_back(WritePdf(*ClubWithSpecialTexts(), dir, "special-texts.pdf"));
    auto many = MakeCompetition();
    for (int i = 0; i < 60; ++i)
        AddSwimmer(*many, "S" + std::to_string(i), 20);
    AddTeam(*many, "1", 10);
    AddOfficials(*many, 80);
    paths.push_back(WritePdf(*many, dir, "many-sheets-and-officials.pdf"));
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
    const std::string path = WritePdf(*ClubWithSpecialTexts(), dir, "club.pdf");
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
