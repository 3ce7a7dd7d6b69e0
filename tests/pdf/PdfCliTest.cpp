#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "PdfTestSupport.h"
#include "cli/CliApp.h"

namespace natarix {
namespace {

class PdfCommand : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"minimal.dsv", "minimal.dsv.meld"})
            std::filesystem::copy_file(test::DataPath(name), dir.Path(name));
    }

    int Run(std::vector<std::string> args)
    {
        out.str({});
        err.str({});
        return RunCli(args, out, err, dir.path());
    }

    pdftest::TempDir dir;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(PdfCommand, WritesTheDocumentAndNothingElse)
{
    const std::string meld = dir.Path("minimal.dsv.meld");
    const auto before = std::filesystem::last_write_time(meld);
    ASSERT_EQ(Run({"pdf", dir.Path("minimal.dsv"), dir.Path("out.pdf")}), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "");
    std::ifstream file(dir.Path("out.pdf"), std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const auto pdf = pdftest::CheckPdf(bytes.str());
    // Entry form, officials list, one sheet for the swimmer's and the team's entry.
    EXPECT_EQ(pdf.pageContents.size(), 3u);
    EXPECT_NE(pdf.pageContents[2].find("(Kr\xfcger, Lukas) Tj"), std::string::npos);
    EXPECT_EQ(std::filesystem::last_write_time(meld), before);
}

TEST_F(PdfCommand, DefinitionFromTheCurrentFolder)
{
    EXPECT_EQ(Run({"pdf", dir.Path("out.pdf")}), kExitOk) << err.str();
    EXPECT_TRUE(std::filesystem::exists(dir.Path("out.pdf")));
}

TEST_F(PdfCommand, ReportsAFileThatCannotBeWritten)
{
    EXPECT_EQ(Run({"pdf", dir.Path("minimal.dsv"), dir.Path("missing/out.pdf")}), kExitWriteFailed);
    EXPECT_EQ(err.str(), "Die PDF-Vereinsmeldeliste konnte nicht angelegt werden!\n");
}

TEST_F(PdfCommand, NeedsTheOutputName)
{
    EXPECT_EQ(Run({"pdf"}), kExitUsage);
    EXPECT_NE(err.str().find("Dateiname fehlt"), std::string::npos);
}

}  // namespace
}  // namespace natarix
