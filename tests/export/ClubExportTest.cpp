#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "RecordingMailer.h"
#include "TestFiles.h"
#include "dsv5/EntryListWriter.h"
#include "export/ClubExport.h"

using namespace natarix;
namespace fs = std::filesystem;

namespace {

using test::RecordingMailer;

class ClubExportTest : public testing::Test {
protected:
    void SetUp() override
    {
        meet_.title = "Frühjahrsschwimmen";
        meet_.place = "Bad Musterau";
        meet_.venue.town = "Bad Musterau";
        meet_.entryAddress.name = "Meldestelle";
        meet_.entryAddress.email = "meldung@example.org";
        meet_.AddSection({"1", "12.03.2006", "09:00", ""});
        Event event;
        event.number = "1";
        event.sectionNumber = "1";
        event.swimmerCount = "1";
        event.distance = "100";
        event.technique = "F";
        event.sex = "W";
        meet_.AddEvent(event);
        entries_.club.clubName = "SV Möwe 05";
        auto swimmer = std::make_unique<Swimmer>();
        swimmer->surname = "Muster";
        swimmer->firstName = "Anna";
        swimmer->sex = Sex::Female;
        swimmer->SetEntry("1", "01:12,50");
        entries_.AddSwimmer(std::move(swimmer));
    }

    std::vector<std::string> FolderListing() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::string Content(const fs::path& path)
    {
        std::ifstream file(path, std::ios::binary);
        std::stringstream content;
        content << file.rdbuf();
        return content.str();
    }

    test::TempDir scratch_;
    fs::path folder_{scratch_.path()};
    MeetDefinition meet_;
    ClubEntries entries_;
    RecordingMessageSink messages_;
};

TEST_F(ClubExportTest, WritesBothFilesUnderTheirNamesWithoutMail)
{
    RecordingMailer mailer(0);
    const ExportOutcome outcome = ExportClubEntries(&meet_, entries_, folder_.string(), false, messages_, mailer);
    EXPECT_EQ(outcome.status, ExportOutcome::Status::Done);
    EXPECT_TRUE(messages_.messages.empty());
    EXPECT_TRUE(mailer.sent.empty());
    EXPECT_EQ(FolderListing(), (std::vector<std::string>{"060312-BadMusterau-Me-SVMoewe05.DSV",
                                                         "060312-BadMusterau-Meldungen-SVMoewe05.PDF"}));
    EXPECT_EQ(Content(outcome.dsvPath), EntryListWriter("", meet_, entries_, true).BuildText());
    EXPECT_EQ(Content(outcome.pdfPath).substr(0, 8), "%PDF-1.1");
}

TEST_F(ClubExportTest, MailComesAfterBothFilesWithTheEightTexts)
{
    RecordingMailer mailer(0);
    const ExportOutcome outcome = ExportClubEntries(&meet_, entries_, folder_.string(), true, messages_, mailer);
    ASSERT_EQ(mailer.sent.size(), 1u);
    EXPECT_TRUE(mailer.bothFilesExisted);
    const MailMessage& mail = mailer.sent.front();
    EXPECT_EQ(mail.subject, "Meldungen für Frühjahrsschwimmen von SV Möwe 05");
    EXPECT_EQ(mail.noteText, "");
    EXPECT_EQ(mail.dsvPath, outcome.dsvPath);
    EXPECT_EQ(mail.dsvName, "060312-BadMusterau-Me-SVMoewe05.DSV");
    EXPECT_EQ(mail.pdfPath, outcome.pdfPath);
    EXPECT_EQ(mail.pdfName, "060312-BadMusterau-Meldungen-SVMoewe05.PDF");
    EXPECT_EQ(mail.recipientAddress, "meldung@example.org");
    EXPECT_EQ(mail.recipientName, "Meldestelle");
    // A cancel in the mail program stays silent.
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(ClubExportTest, UnreachableMailProgramIsReportedWithTheFiles)
{
    RecordingMailer mailer(Mailer::kNoMailProgram);
    const ExportOutcome outcome = ExportClubEntries(&meet_, entries_, folder_.string(), true, messages_, mailer);
    ASSERT_EQ(messages_.messages.size(), 1u);
    const Message& message = messages_.messages.front();
    EXPECT_EQ(message.kind, MessageKind::Warning);
    EXPECT_NE(message.text.find("kein E-Mail-Programm"), std::string::npos);
    EXPECT_NE(message.text.find(outcome.dsvPath), std::string::npos);
    EXPECT_NE(message.text.find(outcome.pdfPath), std::string::npos);
}

TEST_F(ClubExportTest, EmptyClubNameIsRefusedAndNothingIsWritten)
{
    entries_.club.clubName.clear();
    RecordingMailer mailer(0);
    const ExportOutcome outcome = ExportClubEntries(&meet_, entries_, folder_.string(), true, messages_, mailer);
    EXPECT_EQ(outcome.status, ExportOutcome::Status::NoClubName);
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(
        messages_.messages.front(),
        Message::Captioned(
            std::string(
                R"(Der meldende Verein muss zunächst angegeben werden! Klicken Sie dazu auf "Vereinsdaten ...".)"),
            std::string("Meldender Verein wurde nicht angegeben")));
    EXPECT_TRUE(FolderListing().empty());
    EXPECT_TRUE(mailer.sent.empty());
}

TEST_F(ClubExportTest, NoCompetitionDoesNothing)
{
    RecordingMailer mailer(0);
    EXPECT_EQ(ExportClubEntries(nullptr, entries_, folder_.string(), true, messages_, mailer).status,
              ExportOutcome::Status::NoCompetition);
    EXPECT_TRUE(messages_.messages.empty());
    EXPECT_TRUE(mailer.sent.empty());
}

TEST_F(ClubExportTest, AFileThatCannotBeWrittenDoesNotStopTheOther)
{
    // A folder where the DSV file should go.
    fs::create_directory(folder_ / "060312-BadMusterau-Me-SVMoewe05.DSV");
    RecordingMailer mailer(0);
    const ExportOutcome outcome = ExportClubEntries(&meet_, entries_, folder_.string(), true, messages_, mailer);
    EXPECT_FALSE(outcome.dsvWritten);
    EXPECT_TRUE(outcome.pdfWritten);
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages.front().text, "Die Vereinsmeldeliste konnte nicht angelegt werden!");
    EXPECT_EQ(mailer.sent.size(), 1u);
}

TEST_F(ClubExportTest, ExportingTwiceReplacesBothFiles)
{
    RecordingMailer mailer(0);
    ExportClubEntries(&meet_, entries_, folder_.string(), false, messages_, mailer);
    entries_.swimmers().front()->SetEntry("1", "01:00,00");
    const ExportOutcome outcome = ExportClubEntries(&meet_, entries_, folder_.string(), false, messages_, mailer);
    EXPECT_EQ(FolderListing().size(), 2u);
    EXPECT_NE(Content(outcome.dsvPath).find("1;01:00,00;"), std::string::npos);
}

}  // namespace
