#include "model/ImpossibleEntries.h"

namespace natarix {

namespace {

std::string ParticipantName(const Participant& participant)
{
    if (participant.isTeam == 1)
        return static_cast<const Team&>(participant).teamNumber + ". Mannschaft";
    return participant.surname + ", " + participant.firstName;
}

}  // namespace

std::vector<ImpossibleEntry> ImpossibleEntriesOf(const Competition& competition, const Participant& participant)
{
    std::vector<ImpossibleEntry> found;
    for (const auto& [number, time] : participant.entries) {
        // An entry for an event the competition lacks has no rule to break.
        const auto event = competition.events().find(number);
        if (event == competition.events().end())
            continue;
        const EntryBar bar = WhyMayNotEnter(participant, event->second);
        if (bar.Any())
            found.push_back({&participant, &event->second, bar});
    }
    return found;
}

std::vector<ImpossibleEntry> ImpossibleEntries(const Competition& competition)
{
    std::vector<ImpossibleEntry> found;
    const auto collect = [&](const Participant& participant) {
        const std::vector<ImpossibleEntry> own = ImpossibleEntriesOf(competition, participant);
        found.insert(found.end(), own.begin(), own.end());
    };
    for (const auto& swimmer : competition.swimmers())
        collect(*swimmer);
    for (const auto& team : competition.teams())
        collect(*team);
    return found;
}

std::string ImpossibleEntryLine(const ImpossibleEntry& entry)
{
    return "Wettkampf " + entry.event->number + " (" + entry.event->Description() + "): " + EntryBarText(entry.bar);
}

std::string ImpossibleEntriesWarning(const std::vector<ImpossibleEntry>& entries)
{
    std::string text("Diese Meldungen sind nicht zulässig:");
    for (const ImpossibleEntry& entry : entries)
        text += "\n" + ParticipantName(*entry.participant) + " – " + ImpossibleEntryLine(entry);
    return text;
}

}  // namespace natarix
