#pragma once

#include <cstdint>
#include <string>

#include "dsv678/EntryListWriter.h"
#include "export/Mailer.h"
#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"
#include "model/Messages.h"
#include "platform/FileOps.h"

namespace natarix {

struct ExportOutcome {
    enum class Status {
        NoCompetition,  // nothing loaded: nothing happens
        NoClubName,     // refused with a message; nothing written
        Done,           // both writers ran (each reports its own failure)
    };
    Status status = Status::NoCompetition;
    std::string dsvPath;  // in the file system's encoding
    std::string pdfPath;
    bool dsvWritten = false;
    bool pdfWritten = false;
    bool mailed = false;
    std::int32_t mailResult = 0;
};

// How the club entry list of a meet of formats 6 to 8 is written.
struct EntryListOptions {
    int version = 0;  // 7 or 8; 0: the version the meet's format calls for
    dsv678::Producer producer{};
};

// Writes the club entry list (export form) and the PDF forms into the start
// directory under names built from the last section's date, the venue's town
// and the club's name; with `sendByMail`, then hands both to the mail program.
// Without a meet (nullptr) nothing happens.
ExportOutcome ExportClubEntries(const MeetDefinition* meet, const ClubEntries& entries,
                                const std::string& startDirectory, bool sendByMail, MessageSink& messages,
                                Mailer& mailer = SystemMailer(), FileOps& ops = SystemFileOps(),
                                const EntryListOptions& options = {});

}  // namespace natarix
