#include "model/ImpossibleEntries.h"

#include "model/Labels.h"

namespace natarix {

std::vector<ImpossibleEntry> ImpossibleEntriesOf(const MeetDefinition& meet, ParticipantRef participant)
{
    std::vector<ImpossibleEntry> found;
    for (const auto& [number, time] : EntrantOf(participant).entries) {
        // An entry for an event the competition lacks has no rule to break.
        const Event* event = meet.FindEvent(number);
        if (event == nullptr)
            continue;
        const EntryBar bar = WhyMayNotEnter(participant, *event);
        if (bar.Any())
            found.push_back({participant, event, bar});
    }
    return found;
}

std::string ImpossibleEntryLine(const ImpossibleEntry& entry)
{
    return EventLabel(*entry.event) + ": " + EntryBarText(entry.bar);
}

}  // namespace natarix
