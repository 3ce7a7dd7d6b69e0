#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"

namespace natarix {

// One record of an earlier entry list as the club sees it before taking it
// over: whether this meet has it already and what stands in its way.
struct RosterItem {
    enum class Kind { Club, Swimmer, Team, Official };
    Kind kind;
    std::size_t index;   // in its set of the earlier list; 0 for the club data
    std::string record;  // "Krüger, Lena (2011)", "1. Mannschaft (JG 2004–0)", "Vereinsdaten SV Haren"
    bool alreadyThere;   // the same person, team or club data is recorded already
    // Why no event of this meet admits it; empty when one does.
    std::string cannotTakePart;
    // Why this meet's entry list could not carry it: such a record is never taken.
    std::optional<std::string> refusal;
};

// The club data, swimmers, teams and officials of `from` in that order, each
// marked against `to` on `meet`.
std::vector<RosterItem> ListRoster(const ClubEntries& from, const MeetDefinition& meet, const ClubEntries& to);

// What a club takes over from an earlier entry list into the current meet.
struct TakeOverOptions {
    bool clubData = true;  // the club's data
    bool entries = false;  // the entries, where this meet has a matching event
    // Records of the earlier list not to take, by kind and index as
    // ListRoster gives them.
    std::set<std::pair<RosterItem::Kind, std::size_t>> leftOut{};
};

// One line of the report: a record taken, merged into one already there,
// or left out, with the reason.
struct TakeOverLine {
    enum class Outcome { Taken, Merged, Skipped };
    Outcome outcome;
    std::string record;  // as in RosterItem, or "Krüger, Lena (2011) – Wettkampf 12 (100 F W)"
    std::string reason;  // empty for a plain take-over
};

// Adds the club data, swimmers, teams and officials of `from` to `to` unless
// `to` already has them (a swimmer by DSV-ID, else by name and year of birth;
// an official by name; a team by number, name and class; club data once there is a
// club name): then the record there is kept and its empty fields are filled
// from `from`. A record whose texts this meet's format cannot carry is left
// out and named. With `entries`, each entry goes to the event of `meet` with
// the same distance, technique, exercise, sex and number of swimmers that
// takes entries and that the participant may enter, with its entry time; a
// relay's line-up comes along with the swimmers taken. Entries that find no
// such event are reported, not taken.
std::vector<TakeOverLine> TakeOver(const MeetDefinition& fromMeet, const ClubEntries& from, const MeetDefinition& meet,
                                   ClubEntries& to, const TakeOverOptions& options);

// The report of a take-over as one message: how many records and entries
// were taken and merged, then the records left out with their reasons.
std::string TakeOverReport(const std::vector<TakeOverLine>& lines);

}  // namespace natarix
