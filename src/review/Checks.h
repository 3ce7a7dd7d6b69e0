#pragma once

#include <optional>
#include <string>
#include <vector>

#include "review/EntryCheck.h"
#include "times/BestTimes.h"

// The checks behind CheckEntries, one group a file; each appends what it
// finds.
namespace natarix::check {

struct Context {
    const MeetDefinition& meet;
    const ClubEntries& entries;
    const Date& today;
    const ResultSource* results;  // nullptr: no results database
    bool Modern() const { return meet.formatVersion != 5; }
};

using Findings = std::vector<Finding>;

void CheckClubData(const Context& context, Findings& findings);
void CheckDeadline(const Context& context, Findings& findings);
void CheckOfficials(const Context& context, Findings& findings);
void CheckExportNames(const Context& context, Findings& findings);
void CheckSwimmers(const Context& context, Findings& findings);
void CheckEntriesOf(const Context& context, const Swimmer& swimmer, Findings& findings);
void CheckEntriesOf(const Context& context, const Team& team, Findings& findings);
// The classes of the event the team may swim in: its own where it names
// one, else every class of the event.
std::vector<const ScoringClass*> ClassesOf(const Team& team, const Event& event);
void CheckLineUp(const Context& context, const Team& team, const Event& event, Findings& findings);

// "2. Mannschaft" with the team's name: "2. Mannschaft Mixed"
std::string TeamName(const Team& team);

// An entry time against the swimmer's known times: faster than any, or
// resting on a time older than twelve months.
void CheckAgainstBestTimes(const Context& context, const Event& event, const Swimmer& swimmer,
                           std::int64_t entryHundredths, const Finding& entry, Findings& findings);

}  // namespace natarix::check
