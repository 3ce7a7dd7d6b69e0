#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"
#include "model/Messages.h"
#include "model/ValueTexts.h"
#include "platform/FileOps.h"

namespace natarix {

// Entry rows on one entry sheet.
inline constexpr std::int64_t ROWS_PER_SHEET = 20;
// Official rows on one officials page (baselines 730 down to 10).
inline constexpr std::int64_t OFFICIALS_PER_PAGE = 37;

// Entry sheets the club's entries need: ceiling((individual + relay) / 20).
std::int64_t SheetCount(const ClubEntries& entries);
// Officials pages: none without officials, else one per 37 of them.
std::int64_t OfficialsPageCount(const ClubEntries& entries);

// Writes the club's PDF document (PDF 1.1, uncompressed, A4): the entry form,
// the officials pages when the club has officials, then the entry sheets.
// The whole file is assembled in memory and saved in one go. The club's side
// must not change while a document is being built.
//
// Objects: 1 catalog, 2 outlines, 3 page tree, 4 .. M+4 the pages, then the
// page contents in page order from M+5, then the fonts 2M+6 and 2M+7, where
// M = sheets + officials pages.
class PdfWriter {
public:
    PdfWriter(std::string fileName, const MeetDefinition& meet, const ClubEntries& entries);

    // Builds the document and saves it atomically. Content problems and file
    // failures are shown through `messages`. True when the file was written.
    bool WriteDocument(MessageSink& messages, FileOps& ops = SystemFileOps());

    // Builds the document's bytes without writing them; entries of events the
    // meet lacks are reported through `messages`, once.
    const std::string& BuildDocument(MessageSink& messages);

    // Called right before the first byte of every object.
    void RecordObjectOffset();
    void AppendStreamObject(std::int64_t objectNumber, std::string_view content);

    // The page builders; each appends one content object.
    void WriteEntryFormPage(std::int64_t objectNumber);
    // pageNumber counts from 1 and picks officials (pageNumber - 1) * 37 on.
    void WriteOfficialsPage(std::int64_t pageNumber, std::int64_t objectNumber);
    void WriteEntrySheetPage(std::int64_t sheetNumber, std::int64_t sheetCount, std::int64_t objectNumber);

    const std::string& documentBuffer() const { return documentBuffer_; }
    const std::vector<std::uint64_t>& objectOffsets() const { return objectOffsets_; }

private:
    // Where the walk over all entry rows (swimmers first, then teams, each in
    // ascending event number) stands. Kept between sheets so that each sheet
    // starts where the previous one stopped instead of walking from the start.
    struct RowCursor {
        std::int64_t row = 0;         // entry rows before this position
        std::size_t participant = 0;  // index over swimmers, then teams
        std::size_t entryIndex = 0;   // index of `entry` in the participant's entries
        EntryMap::const_iterator entry;
    };

    std::size_t ParticipantCount() const;
    ParticipantRef ParticipantAt(std::size_t index) const;
    const EntryMap& EntriesAt(std::size_t index) const;
    void ResetCursor();
    void NextParticipant();
    // Moves the cursor to entry row `row` (counted from 0 over the whole
    // walk), or past the last row when there are fewer.
    void SeekRow(std::int64_t row);
    void AppendLine(std::string_view line);

    std::string fileName_;
    const MeetDefinition& meet_;
    const ClubEntries& entries_;
    std::string documentBuffer_;
    std::vector<std::uint64_t> objectOffsets_;
    RowCursor cursor_;
    // Event numbers of entries whose event the meet does not hold.
    std::set<NumberKey, NumberKeyLess> missingEventNumbers_;
};

// What the export calls: the whole document for the club's side of the meet
// saved at `path`.
bool WriteClubEntriesPdf(const MeetDefinition& meet, const ClubEntries& entries, const std::string& path,
                         MessageSink& messages, FileOps& ops = SystemFileOps());

// The document's bytes without saving them.
std::string BuildClubEntriesPdf(const MeetDefinition& meet, const ClubEntries& entries, MessageSink& messages);

}  // namespace natarix
