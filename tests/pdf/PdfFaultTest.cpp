// Saving the PDF when the disk fills up part-way, when the data cannot be
// forced to the disk, and when a folder stands where the file should go: the
// previous file (or folder) stays as it was, no temporary file is left and
// the user gets the message for what failed.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "FakeFileOps.h"
#include "PdfTestSupport.h"
#include "pdf/PdfWriter.h"
#include "platform/FileIo.h"

namespace natarix {
namespace {

namespace fs = std::filesystem;

const Message kNotCreated = Message::Warning("Die PDF-Vereinsmeldeliste konnte nicht angelegt werden!");
const Message kNotWritten = Message::Warning("Die PDF-Vereinsmeldeliste konnte nicht geschrieben werden!");

// A full disk takes the first kilobyte and refuses the rest, as write() does
// with ENOSPC.
test::FakeFileOps DiskFull()
{
    test::FakeFileOps ops;
    ops.freeBytes = 1024;
    return ops;
}

TEST(PdfFaults, AFailingWriteKeepsThePreviousFile)
{
    auto meet = pdftest::FormsMeet();
    ClubEntries entries;
    pdftest::AddSwimmer(entries, "Muster", 25);
    using Step = test::FakeFileOps::Step;
    for (const auto& [name, faulty] :
         {std::pair{"disk full", DiskFull()}, std::pair{"flush", test::FakeFileOps(Step::Flush)},
          std::pair{"close", test::FakeFileOps(Step::Close)}}) {
        SCOPED_TRACE(name);
        const pdftest::TempDir dir;
        const std::string path = dir.Path("Meldungen.PDF");
        std::ofstream(path, std::ios::binary) << "%PDF-1.1 der vorige Stand";
        test::FakeFileOps ops = faulty;
        RecordingMessageSink messages;
        EXPECT_FALSE(WriteClubEntriesPdf(*meet, entries, path, messages, ops));
        EXPECT_EQ(messages.messages, std::vector{kNotWritten});
        EXPECT_EQ(test::ReadBytes(path), "%PDF-1.1 der vorige Stand");
        EXPECT_FALSE(fs::exists(TemporaryPathFor(path)));
    }
}

TEST(PdfFaults, AFolderWhereTheFileShouldGoStaysUntouched)
{
    auto meet = pdftest::FormsMeet();
    ClubEntries entries;
    const pdftest::TempDir dir;
    const std::string path = dir.Path("Meldungen.PDF");
    fs::create_directory(path);
    std::ofstream(dir.Path("Meldungen.PDF/inhalt.txt"), std::ios::binary) << "bleibt";
    RecordingMessageSink messages;
    EXPECT_FALSE(WriteClubEntriesPdf(*meet, entries, path, messages));
    EXPECT_EQ(messages.messages, std::vector{kNotCreated});
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(test::ReadBytes(dir.Path("Meldungen.PDF/inhalt.txt")), "bleibt");
    EXPECT_FALSE(fs::exists(TemporaryPathFor(path)));
}

}  // namespace
}  // namespace natarix
