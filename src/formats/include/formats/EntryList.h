#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "dsv5/EntryListReader.h"
#include "dsv678/EntryListWriter.h"
#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"
#include "model/Messages.h"
#include "platform/FileOps.h"

namespace natarix {

// The version of the Vereinsmeldeliste the club side of a meet is kept and
// sent in: format 5 stays 5; format 6 has expired, so its meets get 7.
int EntryListVersion(const MeetDefinition& meet);

// How much of a working file was taken over, and whether another program
// wrote it (then its own contents may carry more than the model keeps).
struct WorkingFileState {
    ReadCompleteness completeness = ReadCompleteness::Complete;
    bool writtenElsewhere = false;
};

// Reads the working file at `path` back onto the club side with the reader
// of the meet's format. A working file of formats 6 to 8 is read whole or
// not at all; a format-5 one keeps what was read before a failure. A file
// that cannot be opened or read fails with a warning, as does content the
// reader refuses (then with the line).
ReadResult<WorkingFileState> ReadWorkingFile(const std::string& path, const MeetDefinition& meet, ClubEntries& entries,
                                             std::string_view programName);

// An entry list of an earlier meet, with that meet as the list itself gives
// it (title, sections and events only): what a club takes its roster from.
struct EarlierEntryList {
    std::unique_ptr<MeetDefinition> meet;
    ClubEntries entries;
    int version = 5;
};

// Reads the club entry list at `path` of any format, 5 to 8 or a .DSV8z,
// with the reader of its format against the events it lists itself. A file
// that cannot be read, or content the reader refuses, is a failure (then
// with the line); a format-5 list with lines it does not know before its end
// mark keeps what came before them, with a warning.
ReadResult<EarlierEntryList> ReadEarlierEntryList(const std::string& path);

// Writes the club entry list of the meet atomically in `version`, as the
// working file or as the export for the organiser; failures are shown
// through `messages`. True when the file was written.
bool WriteEntryListFile(const std::string& path, const MeetDefinition& meet, const ClubEntries& entries, int version,
                        dsv678::EntryListForm form, const dsv678::Producer& producer, MessageSink& messages,
                        FileOps& ops = SystemFileOps());

}  // namespace natarix
