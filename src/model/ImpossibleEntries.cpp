#include "model/ImpossibleEntries.h"

#include "model/Labels.h"

namespace natarix {

namespace {

std::string ParticipantName(const Swimmer& swimmer)
{
    return swimmer.surname + ", " + swimmer.firstName;
}

std::string ParticipantName(const Team& team)
{
    return TeamLabel(team);
}

}  // namespace

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

std::vector<ImpossibleEntry> ImpossibleEntries(const MeetDefinition& meet, const ClubEntries& entries)
{
    std::vector<ImpossibleEntry> found;
    const auto collect = [&](ParticipantRef participant) {
        const std::vector<ImpossibleEntry> own = ImpossibleEntriesOf(meet, participant);
        found.insert(found.end(), own.begin(), own.end());
    };
    for (const auto& swimmer : entries.swimmers())
        collect(swimmer.get());
    for (const auto& team : entries.teams())
        collect(team.get());
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
        text += "\n" + std::visit([](const auto* p) { return ParticipantName(*p); }, entry.participant) + " – " +
                ImpossibleEntryLine(entry);
    return text;
}

}  // namespace natarix
