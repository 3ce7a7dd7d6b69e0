#pragma once

#include <string>
#include <vector>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"

namespace natarix {

// An entry whose event exists but that the participant may not enter, for
// instance after a change of sex or year of birth.
struct ImpossibleEntry {
    ParticipantRef participant;
    const Event* event;
    EntryBar bar;
};

// The participant's impossible entries, by event number value.
std::vector<ImpossibleEntry> ImpossibleEntriesOf(const MeetDefinition& meet, ParticipantRef participant);

// "Wettkampf 25 (50 B W): Geschlecht"
std::string ImpossibleEntryLine(const ImpossibleEntry& entry);

}  // namespace natarix
