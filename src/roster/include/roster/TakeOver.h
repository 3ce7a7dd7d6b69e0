#pragma once

#include <string>
#include <vector>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"

namespace natarix {

// What a club takes over from an earlier entry list into the current meet.
struct TakeOverOptions {
    bool clubData = true;  // the club's data, where the current meet has none yet
    bool entries = false;  // the entries, where this meet has a matching event
};

// One line of the report: a record taken, merged into one already there,
// or left out, with the reason.
struct TakeOverLine {
    enum class Outcome { Taken, Merged, Skipped };
    Outcome outcome;
    std::string record;  // "Krüger, Lena (2011)", "1. Mannschaft", "Wettkampf 12 (100 F W)"
    std::string reason;  // empty for a plain take-over
};

// Adds the swimmers, teams and officials of `from` to `to` unless `to`
// already has them (a swimmer by DSV-ID, else by name and year of birth; an
// official by name; a team by number and name): then the record there is
// kept and its empty fields are filled from `from`. With `entries`, each
// entry goes to the event of `meet` with the same distance, technique,
// exercise, sex and number of swimmers that takes entries and that the
// participant may enter, with its entry time; a relay's line-up comes along
// with its swimmers. Entries that find no such event are reported, not taken.
std::vector<TakeOverLine> TakeOver(const MeetDefinition& fromMeet, const ClubEntries& from, const MeetDefinition& meet,
                                   ClubEntries& to, const TakeOverOptions& options);

}  // namespace natarix
