// Writes that the kernel itself cuts off part-way: under a file size limit
// (RLIMIT_FSIZE) write() stores what fits and then fails with EFBIG, as a
// full disk fails with ENOSPC. Every save then keeps the previous file byte
// for byte, removes its temporary file and tells the user.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "SaveLoopModels.h"
#include "TestFiles.h"
#include "dsv5/EntryListWriter.h"
#include "export/ClubExport.h"
#include "pdf/PdfWriter.h"
#include "platform/FileIo.h"

namespace natarix {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;

// Files may grow to `bytes` only, for the lifetime of the object.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        ::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    sighandler_t previousHandler_ = SIG_DFL;
};

class RealWriteFailure : public testing::Test {
protected:
    test::TempDir scratch_;
    fs::path folder_{scratch_.path()};
    // Both well above the limit below.
    const MeetDefinition& meet_ = reliability::SaveLoopMeet();
    ClubEntries old_ = reliability::SaveLoopEntries(0);
    ClubEntries new_ = reliability::SaveLoopEntries(1);
    static constexpr rlim_t kLimit = 64 * 1024;
};

TEST_F(RealWriteFailure, WorkingFileKeepsItsPreviousContent)
{
    const std::string path = (folder_ / "Bezirk.dsv.meld").string();
    RecordingMessageSink messages;
    ASSERT_TRUE(EntryListWriter(path, meet_, old_, false).Write(messages));
    const std::string previous = ReadBytes(path);
    ASSERT_GT(previous.size(), kLimit);
    {
        FileSizeLimit limit(kLimit);
        EXPECT_FALSE(EntryListWriter(path, meet_, new_, false).Write(messages));
    }
    EXPECT_EQ(messages.messages,
              std::vector{Message::Warning(std::string("Die Vereinsmeldeliste konnte nicht geschrieben werden!"))});
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(test::FileNames(folder_.string()), std::vector<std::string>{"Bezirk.dsv.meld"});
}

TEST_F(RealWriteFailure, PdfKeepsItsPreviousContent)
{
    const std::string path = (folder_ / "Meldungen.PDF").string();
    RecordingMessageSink messages;
    ASSERT_TRUE(WriteClubEntriesPdf(meet_, old_, path, messages));
    const std::string previous = ReadBytes(path);
    {
        FileSizeLimit limit(kLimit);
        EXPECT_FALSE(WriteClubEntriesPdf(meet_, new_, path, messages));
    }
    EXPECT_EQ(messages.messages,
              std::vector{Message::Warning("Die PDF-Vereinsmeldeliste konnte nicht geschrieben werden!")});
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(test::FileNames(folder_.string()), std::vector<std::string>{"Meldungen.PDF"});
}

TEST_F(RealWriteFailure, ExportKeepsBothPreviousFilesAndReportsEach)
{
    RecordingMessageSink messages;
    const ExportOutcome first = ExportClubEntries(&meet_, old_, folder_.string(), false, messages);
    ASSERT_TRUE(first.dsvWritten && first.pdfWritten);
    const std::string previousDsv = ReadBytes(first.dsvPath);
    const std::string previousPdf = ReadBytes(first.pdfPath);
    const std::vector<std::string> files = test::FileNames(folder_.string());
    // The same names: the club's name is the only part that changes, so keep it.
    new_.club.clubName = old_.club.clubName;
    ExportOutcome second;
    {
        FileSizeLimit limit(kLimit);
        second = ExportClubEntries(&meet_, new_, folder_.string(), false, messages);
    }
    EXPECT_FALSE(second.dsvWritten);
    EXPECT_FALSE(second.pdfWritten);
    EXPECT_EQ(messages.messages,
              (std::vector{Message::Warning(std::string("Die Vereinsmeldeliste konnte nicht geschrieben werden!")),
                           Message::Warning("Die PDF-Vereinsmeldeliste konnte nicht geschrieben werden!")}));
    EXPECT_EQ(ReadBytes(first.dsvPath), previousDsv);
    EXPECT_EQ(ReadBytes(first.pdfPath), previousPdf);
    EXPECT_EQ(test::FileNames(folder_.string()), files);
}

}  // namespace
}  // namespace natarix
