#pragma once

#include <string>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"
#include "model/Messages.h"
#include "platform/FileOps.h"

namespace natarix {

// Writes the club entry list ("VEREINSMELDELISTE:") of the club's side of a
// meet, either as the export file for the organiser or as the working file,
// which also carries officials' wishes, participants without entries and team
// labels.
class EntryListWriter {
public:
    EntryListWriter(std::string filePath, const MeetDefinition& meet, const ClubEntries& entries, bool exportMode)
        : filePath_(std::move(filePath)), meet_(meet), entries_(entries), exportMode_(exportMode)
    {
    }

    // The complete file content for the club's side as it is now, in
    // Windows-1252.
    std::string BuildText() const;

    // Builds the text and saves it atomically; failures are shown through
    // `messages`. True when the file was written.
    bool Write(MessageSink& messages, FileOps& ops = SystemFileOps()) const;

private:
    std::string filePath_;
    const MeetDefinition& meet_;
    const ClubEntries& entries_;
    bool exportMode_;
};

}  // namespace natarix
