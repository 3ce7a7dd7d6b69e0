#pragma once

#include <string>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"

namespace natarix::dsv678 {

// Who wrote the list: the ERZEUGER line.
struct Producer {
    std::string name;
    std::string version;
    std::string contact;
};

enum class EntryListForm {
    Export,       // what the organiser gets: swimmers and teams with entries
    WorkingFile,  // everything the club typed, also participants without entries
};

// The Vereinsmeldeliste of format 7 or 8 for the meet, in the profile every
// importer takes: UTF-8 without BOM, CR LF, no blank after the colon, every
// line ending in ";", elements in the order of the DSV standard, each with
// the exact field count of its version. Every event of the meet is listed but
// swim-offs and re-swims; entries go only to the round of a number that takes
// them. Persons are numbered 1, 2, … and relay teams 9001, 9002, … in the
// order of the club side.
std::string WriteEntryList(const MeetDefinition& meet, const ClubEntries& entries, int version,
                           const Producer& producer, EntryListForm form);

}  // namespace natarix::dsv678
