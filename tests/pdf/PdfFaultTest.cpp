// Saving the PDF when the disk fills up part-way, when the data cannot be
// forced to the disk, and when a folder stands where the file should go: the
// previous file (or folder) stays as it was, no temporary file is left and
// the user gets the message for what failed.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "PdfTestSupport.h"
#include "pdf/PdfWriter.h"
#include "platform/FileIo.h"

namespace natarix {
namespace {

namespace fs = std::filesystem;

const Message kNotCreated = Message::Warning("Die PDF-Vereinsmeldeliste konnte nicht angelegt werden!");
const Message kNotWritten = Message::Warning("Die PDF-Vereinsmeldeliste konnte nicht geschrieben werden!");

enum class Fault { DiskFull, FlushFails, CloseFails };

// The system's calls with one fault: a full disk takes the first kilobyte of
// a write and refuses the rest, as write() does with ENOSPC.
class FaultyFileOps : public FileOps {
public:
    explicit FaultyFileOps(Fault fault) : fault_(fault) {}
    Handle Create(const std::string& path) override { return real_.Create(path); }
    bool Write(Handle handle, std::string_view bytes) override
    {
        if (fault_ != Fault::DiskFull)
            return real_.Write(handle, bytes);
        real_.Write(handle, bytes.substr(0, 1024));
        return bytes.size() <= 1024;
    }
    bool Flush(Handle handle) override { return fault_ != Fault::FlushFails && real_.Flush(handle); }
    bool Close(Handle handle) override { return real_.Close(handle) && fault_ != Fault::CloseFails; }
    bool Replace(const std::string& from, const std::string& to) override { return real_.Replace(from, to); }
    void Remove(const std::string& path) override { real_.Remove(path); }

private:
    Fault fault_;
    FileOps& real_ = SystemFileOps();
};

TEST(PdfFaults, AFailingWriteKeepsThePreviousFile)
{
    const auto model = pdftest::MakeCompetition();
    pdftest::AddSwimmer(*model, "Muster", 25);
    for (const Fault fault : {Fault::DiskFull, Fault::FlushFails, Fault::CloseFails}) {
        SCOPED_TRACE(static_cast<int>(fault));
        const pdftest::TempDir dir;
        const std::string path = dir.Path("Meldungen.PDF");
        std::ofstream(path, std::ios::binary) << "%PDF-1.1 der vorige Stand";
        FaultyFileOps ops(fault);
        RecordingMessageSink messages;
        EXPECT_FALSE(WriteClubEntriesPdf(*model, path, messages, ops));
        EXPECT_EQ(messages.messages, std::vector{kNotWritten});
        EXPECT_EQ(test::ReadBytes(path), "%PDF-1.1 der vorige Stand");
        EXPECT_FALSE(fs::exists(TemporaryPathFor(path)));
    }
}

TEST(PdfFaults, AFolderWhereTheFileShouldGoStaysUntouched)
{
    const auto model = pdftest::MakeCompetition();
    const pdftest::TempDir dir;
    const std::string path = dir.Path("Meldungen.PDF");
    fs::create_directory(path);
    std::ofstream(dir.Path("Meldungen.PDF/inhalt.txt"), std::ios::binary) << "bleibt";
    RecordingMessageSink messages;
    EXPECT_FALSE(WriteClubEntriesPdf(*model, path, messages));
    EXPECT_EQ(messages.messages, std::vector{kNotCreated});
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(test::ReadBytes(dir.Path("Meldungen.PDF/inhalt.txt")), "bleibt");
    EXPECT_FALSE(fs::exists(TemporaryPathFor(path)));
}

}  // namespace
}  // namespace natarix
