#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "TestFiles.h"
#include "export/XdgEmailMailer.h"

using namespace natarix;
namespace fs = std::filesystem;

namespace {

MailMessage FullMessage()
{
    return {std::string("Meldungen für Frühjahrsschwimmen von SV Möwe"),
            "",
            "/tmp/ex/060312-X-Me-SV.DSV",
            "060312-X-Me-SV.DSV",
            "/tmp/ex/060312-X-Meldungen-SV.PDF",
            "060312-X-Meldungen-SV.PDF",
            "meldung@example.org",
            std::string("Jörg Weißhaupt")};
}

TEST(XdgEmailArguments, CarryEveryTextInUtf8)
{
    EXPECT_EQ(
        XdgEmailMailer::Arguments(FullMessage()),
        (std::vector<std::string>{
            "--utf8", "--subject", "Meldungen f\xC3\xBCr Fr\xC3\xBChjahrsschwimmen von SV M\xC3\xB6we", "--attach",
            "/tmp/ex/060312-X-Me-SV.DSV", "--attach", "/tmp/ex/060312-X-Meldungen-SV.PDF", "meldung@example.org"}));
}

TEST(XdgEmailArguments, LeaveOutWhatIsEmpty)
{
    MailMessage message = FullMessage();
    message.noteText = "Hallo";
    message.pdfName.clear();
    message.recipientAddress.clear();
    EXPECT_EQ(XdgEmailMailer::Arguments(message),
              (std::vector<std::string>{"--utf8", "--subject",
                                        "Meldungen f\xC3\xBCr Fr\xC3\xBChjahrsschwimmen von SV M\xC3\xB6we", "--body",
                                        "Hallo"}));
}

// A stand-in for xdg-email that records its arguments, one a line, and exits
// with the status it is told.
class FakeXdgEmail : public testing::Test {
protected:
    void SetUp() override { script_ = folder_ / "xdg-email"; }

    void WriteScript(int exitStatus)
    {
        std::ofstream(script_) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '"
                               << (folder_ / "args").string() << "'\nexit " << exitStatus << "\n";
        fs::permissions(script_, fs::perms::owner_all);
    }

    std::string RecordedArguments() const
    {
        std::ifstream file(folder_ / "args");
        std::stringstream content;
        content << file.rdbuf();
        return content.str();
    }

    test::TempDir scratch_;
    fs::path folder_{scratch_.path()};
    fs::path script_;
};

TEST_F(FakeXdgEmail, ReceivesTheArgumentsWithoutAShell)
{
    WriteScript(0);
    MailMessage message = FullMessage();
    message.subject = "a; rm -rf / $(x) `y` \"z\"";
    EXPECT_EQ(XdgEmailMailer(script_.string()).SendEntriesMail(message), 0);
    EXPECT_EQ(RecordedArguments(),
              "--utf8\n--subject\na; rm -rf / $(x) `y` \"z\"\n--attach\n/tmp/ex/060312-X-Me-SV.DSV\n--attach\n"
              "/tmp/ex/060312-X-Meldungen-SV.PDF\nmeldung@example.org\n");
}

TEST_F(FakeXdgEmail, ExitStatusBecomesTheResult)
{
    const std::pair<int, std::int32_t> cases[] = {{0, 0}, {3, Mailer::kNoMailProgram}, {4, 4}, {1, 1}};
    for (const auto& [exitStatus, result] : cases) {
        WriteScript(exitStatus);
        EXPECT_EQ(XdgEmailMailer(script_.string()).SendEntriesMail(FullMessage()), result) << exitStatus;
    }
}

TEST_F(FakeXdgEmail, MissingProgramMeansNoMailProgram)
{
    EXPECT_EQ(XdgEmailMailer((folder_ / "nowhere").string()).SendEntriesMail(FullMessage()), Mailer::kNoMailProgram);
    EXPECT_EQ(XdgEmailMailer("natarix-no-such-mail-program").SendEntriesMail(FullMessage()), Mailer::kNoMailProgram);
}

}  // namespace
