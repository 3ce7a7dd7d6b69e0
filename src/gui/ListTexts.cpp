#include "gui/ListTexts.h"

namespace natarix {

std::string DateAndPlaceLine(const Competition& competition)
{
    const std::string earliest = competition.EarliestSectionDate();
    const std::string latest = competition.LatestSectionDate();
    const std::string dates = earliest == latest ? "am " + earliest : "vom " + earliest + " bis " + latest;
    return dates + " in " + competition.place;
}

std::array<std::string, 5> ParticipantRow(const Participant& participant)
{
    if (participant.isTeam != 0) {
        const auto& team = static_cast<const Team&>(participant);
        std::string label = team.teamNumber + ". Mannschaft";
        for (const std::string* part : {&team.teamName, &team.classLabel})
            if (!part->empty())
                label += ", " + *part;
        return {label, {}, {}, {}, {}};
    }
    return {participant.surname, participant.firstName, std::to_string(participant.yearOfBirth),
            participant.sex == "m" ? "M" : "W", participant.registrationNumber};
}

std::string DistanceText(const Event& event)
{
    const std::string relayPrefix = event.IsRelay() ? event.swimmerCount + "x" : std::string();
    return relayPrefix + event.distance + "m " + event.technique;
}

std::array<std::string, 4> EntryRow(const Participant& participant, const Event& event)
{
    return {event.number, DistanceText(event), event.sex, participant.EntryTime(event.number)};
}

std::array<std::string, 4> OfficialRow(const Official& official)
{
    return {official.surname, official.firstName, std::to_string(official.group), official.sectionNumbers};
}

std::vector<const Event*> EventsShownFor(const Competition& competition, const Participant& participant)
{
    // The event map is ordered by number value already. An entry that a change
    // has made impossible stays in sight, so that it is not exported unseen.
    std::vector<const Event*> events;
    for (const auto& [number, event] : competition.events())
        if (MayEnter(participant, event) || participant.entries.count(number) != 0)
            events.push_back(&event);
    return events;
}

std::string EntryBarNote(const Participant& participant, const Event& event)
{
    const std::string reason = EntryBarText(WhyMayNotEnter(participant, event));
    return reason.empty() ? reason : std::string("Nicht zulässig: ") + reason;
}

}  // namespace natarix
