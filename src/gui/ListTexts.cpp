#include "gui/ListTexts.h"

#include "model/Labels.h"

namespace natarix {

std::string DateAndPlaceLine(const MeetDefinition& meet)
{
    const std::string earliest = FirstDayText(meet.EarliestSectionDate());
    const std::string latest = LastDayText(meet.LatestSectionDate());
    const std::string dates = earliest == latest ? "am " + earliest : "vom " + earliest + " bis " + latest;
    return dates + " in " + meet.place;
}

std::array<std::string, 5> ParticipantRow(const Swimmer& swimmer)
{
    return {swimmer.surname, swimmer.firstName, std::to_string(swimmer.yearOfBirth),
            std::string(SexLetter(swimmer.sex)), swimmer.registrationNumber};
}

std::array<std::string, 5> ParticipantRow(const Team& team)
{
    std::string label = TeamLabel(team);
    for (const std::string* part : {&team.teamName, &team.classLabel})
        if (!part->empty())
            label += ", " + *part;
    return {label, {}, {}, {}, {}};
}

std::string DistanceText(const Event& event)
{
    const std::string roundAndExercise = ExerciseAndRound(event);
    const std::string distance = DistanceLabel(event, event.IsRelay());
    return roundAndExercise.empty() ? distance : distance + " " + roundAndExercise;
}

std::array<std::string, 4> EntryRow(const Entrant& participant, const Event& event)
{
    return {event.number, DistanceText(event), event.sex, participant.EntryTime(event.number)};
}

std::array<std::string, 4> OfficialRow(const Official& official, bool modern)
{
    const std::string group =
        !modern ? std::to_string(official.group) : (official.groupCode.empty() ? "WKR" : official.groupCode);
    return {official.surname, official.firstName, group, SectionNumbersText(official)};
}

std::vector<const Event*> EventsShownFor(const MeetDefinition& meet, ParticipantRef participant)
{
    // The event map is ordered by number value already. An entry that a change
    // has made impossible stays in sight, so that it is not exported unseen.
    // Entries go by number to the round that takes them: a later round of the
    // number never shows them again.
    std::vector<const Event*> events;
    for (const auto& [key, event] : meet.events())
        if (MayEnter(participant, event) ||
            (TakesEntries(event.round) && EntrantOf(participant).entries.count(key.number) != 0))
            events.push_back(&event);
    return events;
}

std::string EntryBarNote(ParticipantRef participant, const Event& event)
{
    const std::string reason = EntryBarText(WhyMayNotEnter(participant, event));
    return reason.empty() ? reason : std::string("Nicht zulässig: ") + reason;
}

}  // namespace natarix
