// The export when the disk fills up part-way or a folder stands where the
// PDF should go: each previous file stays as it was, no temporary file is
// left, and each failing file is reported on its own.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "FakeFileOps.h"
#include "RecordingMailer.h"
#include "TestFiles.h"
#include "export/ClubExport.h"
#include "platform/FileIo.h"

namespace natarix {
namespace {

namespace fs = std::filesystem;

const Message kDsvNotCreated = Message::Warning(std::string("Die Vereinsmeldeliste konnte nicht angelegt werden!"));
const Message kDsvNotWritten = Message::Warning(std::string("Die Vereinsmeldeliste konnte nicht geschrieben werden!"));
const Message kPdfNotCreated = Message::Warning("Die PDF-Vereinsmeldeliste konnte nicht angelegt werden!");
const Message kPdfNotWritten = Message::Warning("Die PDF-Vereinsmeldeliste konnte nicht geschrieben werden!");

std::string ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

class ExportFaults : public testing::Test {
protected:
    void SetUp() override
    {
        meet_.title = "Kreismeisterschaften";
        meet_.venue.town = "Musterstadt";
        meet_.AddSection({"1", "12.03.2006", "09:00", ""});
        for (int number = 1; number <= 60; ++number) {
            Event event;
            event.number = std::to_string(number);
            event.sectionNumber = "1";
            event.swimmerCount = "1";
            event.distance = "100";
            event.technique = "F";
            event.sex = "X";
            meet_.AddEvent(std::move(event));
        }
        entries_.club.clubName = "SV Beispielstadt";
        auto swimmer = std::make_unique<Swimmer>();
        swimmer->surname = "Muster";
        swimmer->firstName = "Anna";
        for (int event = 1; event <= 60; ++event)
            swimmer->SetEntry(std::to_string(event), "01:12,50");
        entries_.AddSwimmer(std::move(swimmer));
    }

    test::TempDir scratch_;
    fs::path folder_{scratch_.path()};
    MeetDefinition meet_;
    ClubEntries entries_;
    // The export without mail never hands anything over.
    void TearDown() override { EXPECT_TRUE(mailer_.sent.empty()); }

    test::RecordingMailer mailer_;
};

TEST_F(ExportFaults, AFullDiskOrAFailingReplaceKeepsBothPreviousFiles)
{
    struct Case {
        const char* label;
        std::size_t free;
        bool replaceFails;
        std::vector<Message> messages;
    };
    const Case cases[] = {
        {"disk full in the middle of the DSV file", 100, false, {kDsvNotWritten, kPdfNotWritten}},
        {"disk full in the middle of the PDF file", 8000, false, {kPdfNotWritten}},
        {"replacing refused", SIZE_MAX, true, {kDsvNotCreated, kPdfNotCreated}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        entries_.swimmers()[0]->SetEntry("1", "01:12,50");
        RecordingMessageSink first;
        const ExportOutcome previous = ExportClubEntries(&meet_, entries_, folder_.string(), false, first, mailer_);
        ASSERT_TRUE(previous.dsvWritten && previous.pdfWritten);
        const std::string previousDsv = ReadFile(previous.dsvPath);
        const std::string previousPdf = ReadFile(previous.pdfPath);
        const std::vector<std::string> files = test::FileNames(folder_.string());
        ASSERT_GT(previousDsv.size(), 100u);
        ASSERT_LT(previousDsv.size() + 1000, 8000u);

        entries_.swimmers()[0]->SetEntry("1", "00:59,99");
        test::FakeFileOps ops;
        ops.freeBytes = c.free;
        if (c.replaceFails)
            ops.failing = test::FakeFileOps::Step::Replace;
        RecordingMessageSink messages;
        const ExportOutcome outcome =
            ExportClubEntries(&meet_, entries_, folder_.string(), false, messages, mailer_, ops);
        EXPECT_EQ(messages.messages, c.messages);
        EXPECT_FALSE(outcome.pdfWritten);
        EXPECT_EQ(ReadFile(previous.pdfPath), previousPdf);
        if (outcome.dsvWritten)
            EXPECT_NE(ReadFile(previous.dsvPath).find("1;00:59,99;"), std::string::npos);
        else
            EXPECT_EQ(ReadFile(previous.dsvPath), previousDsv);
        EXPECT_EQ(test::FileNames(folder_.string()), files);
    }
}

TEST_F(ExportFaults, AFolderWhereThePdfShouldGoStaysUntouched)
{
    const fs::path pdf = folder_ / "060312-Musterstadt-Meldungen-SVBeispielstadt.PDF";
    fs::create_directory(pdf);
    std::ofstream(pdf / "inhalt.txt", std::ios::binary) << "bleibt";
    RecordingMessageSink messages;
    const ExportOutcome outcome = ExportClubEntries(&meet_, entries_, folder_.string(), false, messages, mailer_);
    EXPECT_TRUE(outcome.dsvWritten);
    EXPECT_FALSE(outcome.pdfWritten);
    EXPECT_EQ(outcome.pdfPath, pdf.string());
    EXPECT_EQ(messages.messages, std::vector{kPdfNotCreated});
    EXPECT_EQ(ReadFile(pdf / "inhalt.txt"), "bleibt");
    EXPECT_EQ(test::FileNames(folder_.string()),
              (std::vector<std::string>{"060312-Musterstadt-Me-SVBeispielstadt.DSV",
                                        "060312-Musterstadt-Meldungen-SVBeispielstadt.PDF"}));
}

}  // namespace
}  // namespace natarix
