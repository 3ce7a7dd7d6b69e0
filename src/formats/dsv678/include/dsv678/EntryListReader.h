#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"
#include "model/ReadResult.h"

namespace natarix::dsv678 {

// What the head of a Vereinsmeldeliste says about it.
struct EntryListHeader {
    int version = 0;
    std::string producer;    // the software of its ERZEUGER line
    bool takenWhole = true;  // nothing of the club side was left out
};

// Reads a format 6, 7 or 8 Vereinsmeldeliste (or a .DSV8z holding one) onto
// the club side of `meet`: the club, its contact, officials, coaches,
// swimmers and teams with their entries and line-ups, added to `entries`.
// The value is its format version and producer. A failure names `fileName` and the line
// where the reading stopped, and leaves `entries` as it was; every warning
// is one plain message that names its lines; the definition list's own
// elements, copied into the list, are not checked again.
natarix::ReadResult<EntryListHeader> ReadEntryList(std::string_view bytes, const std::string& fileName,
                                                   const MeetDefinition& meet, ClubEntries& entries);

// A Vereinsmeldeliste of another meet, read against the events it lists
// itself: the club side it holds, for a club that takes its roster over.
struct ListedEntries {
    std::unique_ptr<MeetDefinition> meet;  // sections and events only
    ClubEntries entries;
    EntryListHeader header;
};
natarix::ReadResult<ListedEntries> ReadEntryListOfItsOwnMeet(std::string_view bytes, const std::string& fileName);

}  // namespace natarix::dsv678
