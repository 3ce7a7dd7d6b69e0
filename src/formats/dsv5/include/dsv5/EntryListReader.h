#pragma once

#include <string>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"
#include "model/ReadResult.h"

namespace natarix {

enum class ReadCompleteness {
    Complete,    // everything up to "DATEIENDE" was read
    Incomplete,  // records were left unread before "DATEIENDE"
};

// How far the reading got; a failure means it stopped before the end.
using EntryListRead = ReadResult<ReadCompleteness>;

// Reads a club entry list back into the club's side, checking it against the
// meet it was written for. What was read before a failure stays in `entries`;
// nothing is undone.
class EntryListReader {
public:
    explicit EntryListReader(std::string filePath) : filePath_(std::move(filePath)) {}

    // A failure is a warning when the file cannot be opened or read.
    EntryListRead Read(const MeetDefinition& meet, ClubEntries& entries) const;

    // Parses the bytes into `entries`; a failure is a plain message that
    // names `fileName` and the line where the reading stopped.
    static EntryListRead Parse(std::string bytes, const MeetDefinition& meet, ClubEntries& entries,
                               std::string fileName = {});

    // Parses an entry list of another meet: first its head into `meet` (the
    // title, place, sections and events it lists), then the club side
    // against that. Failures as for Parse.
    static EntryListRead ParseWithItsOwnMeet(std::string bytes, MeetDefinition& meet, ClubEntries& entries,
                                             std::string fileName = {});

private:
    std::string filePath_;
};

}  // namespace natarix
