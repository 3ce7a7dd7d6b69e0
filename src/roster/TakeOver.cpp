#include "roster/TakeOver.h"

#include <algorithm>
#include <map>
#include <memory>

#include "model/Labels.h"
#include "model/Round.h"

namespace natarix {

namespace {

using Outcome = TakeOverLine::Outcome;

bool IsKnownDsvId(const std::string& id)
{
    return id.size() == 6 && id != "000000" &&
           std::all_of(id.begin(), id.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool SamePerson(const Swimmer& a, const Swimmer& b)
{
    if (IsKnownDsvId(a.registrationNumber) && IsKnownDsvId(b.registrationNumber))
        return a.registrationNumber == b.registrationNumber;
    return a.surname == b.surname && a.firstName == b.firstName && a.yearOfBirth == b.yearOfBirth;
}

std::string SwimmerRecord(const Swimmer& swimmer)
{
    return swimmer.surname + ", " + swimmer.firstName + " (" + std::to_string(swimmer.yearOfBirth) + ")";
}

void FillEmpty(std::string& field, const std::string& from)
{
    if (field.empty())
        field = from;
}

// Format 5 has no exercise: there every event is the whole stroke.
std::string_view ExerciseOf(const Event& event)
{
    return event.exercise.empty() ? std::string_view("GL") : std::string_view(event.exercise);
}

bool SameKindOfEvent(const Event& a, const Event& b)
{
    return a.distance == b.distance && a.technique == b.technique && ExerciseOf(a) == ExerciseOf(b) && a.sex == b.sex &&
           a.swimmerCount == b.swimmerCount;
}

// This meet's event like the earlier one that the participant may enter.
const Event* MatchingEvent(const MeetDefinition& meet, const Event& earlier, ParticipantRef participant)
{
    for (const Event* event : meet.EventsInListOrder())
        if (TakesEntries(event->round) && SameKindOfEvent(*event, earlier) &&
            !WhyMayNotEnter(participant, *event).Any())
            return event;
    return nullptr;
}

class TakeOverRun {
public:
    TakeOverRun(const MeetDefinition& fromMeet, const MeetDefinition& meet, ClubEntries& to,
                const TakeOverOptions& options)
        : fromMeet_(fromMeet), meet_(meet), to_(to), options_(options)
    {
    }

    void Club(const natarix::Club& from)
    {
        if (!options_.clubData || !to_.club.clubName.empty() || from.clubName.empty())
            return;
        to_.club = from;
        lines_.push_back({Outcome::Taken, "Vereinsdaten " + from.clubName, {}});
    }

    void Swimmer(const natarix::Swimmer& from)
    {
        natarix::Swimmer* target = nullptr;
        for (const auto& swimmer : to_.swimmers())
            if (SamePerson(*swimmer, from))
                target = swimmer.get();
        if (target != nullptr) {
            if (!IsKnownDsvId(target->registrationNumber) && IsKnownDsvId(from.registrationNumber))
                target->registrationNumber = from.registrationNumber;
            if (target->nationalities.empty())
                target->nationalities = from.nationalities;
            lines_.push_back({Outcome::Merged, SwimmerRecord(from), "ist schon gemeldet"});
        } else {
            auto copy = std::make_unique<natarix::Swimmer>(from);
            copy->entries.clear();
            copy->meetId = 0;
            copy->coachNumber = 0;
            target = to_.AddSwimmer(std::move(copy));
            const bool mayTakePart = std::any_of(meet_.events().begin(), meet_.events().end(),
                                                 [&](const auto& event) { return event.second.Admits(*target); });
            lines_.push_back(
                {Outcome::Taken, SwimmerRecord(from), mayTakePart ? "" : "kein Wettkampf dieser Veranstaltung"});
        }
        swimmerIds_[from.meetId] = target->meetId;
        if (options_.entries)
            Entries(from, *target);
    }

    void Team(const natarix::Team& from)
    {
        natarix::Team* target = nullptr;
        for (const auto& team : to_.teams())
            if (team->teamNumber == from.teamNumber && team->teamName == from.teamName)
                target = team.get();
        if (target != nullptr) {
            lines_.push_back({Outcome::Merged, TeamLabel(from), "ist schon gemeldet"});
        } else {
            auto copy = std::make_unique<natarix::Team>(from);
            copy->entries.clear();
            copy->lineUps.clear();
            copy->meetId = 0;
            target = to_.AddTeam(std::move(copy));
            lines_.push_back({Outcome::Taken, TeamLabel(from), {}});
        }
        if (options_.entries)
            Entries(from, *target);
    }

    void Official(const natarix::Official& from)
    {
        for (const auto& official : to_.officials())
            if (official->surname == from.surname && official->firstName == from.firstName) {
                FillEmpty(official->groupCode, from.groupCode);
                FillEmpty(official->sex, from.sex);
                lines_.push_back({Outcome::Merged, from.surname + ", " + from.firstName, "ist schon gemeldet"});
                return;
            }
        auto copy = std::make_unique<natarix::Official>(from);
        // Sections are the earlier meet's.
        copy->sectionNumbers.clear();
        to_.AddOfficial(std::move(copy));
        lines_.push_back({Outcome::Taken, from.surname + ", " + from.firstName, {}});
    }

    std::vector<TakeOverLine> Take() { return std::move(lines_); }

private:
    template <typename Participant>
    void Entries(const Participant& from, Participant& target)
    {
        for (const auto& [number, time] : from.entries) {
            const Event* earlier = fromMeet_.FindEvent(number);
            const Event* event = earlier == nullptr ? nullptr : MatchingEvent(meet_, *earlier, &target);
            const std::string record = "Wettkampf " + number + (earlier ? " (" + earlier->Description() + ")" : "");
            if (event == nullptr) {
                lines_.push_back({Outcome::Skipped, record, "kein passender Wettkampf in dieser Veranstaltung"});
                continue;
            }
            if (!target.EntryTime(event->number).empty()) {
                lines_.push_back({Outcome::Skipped, record, "schon gemeldet"});
                continue;
            }
            target.SetEntry(event->number, time);
            if constexpr (std::is_same_v<Participant, natarix::Team>)
                LineUp(from, number, target, event->number);
            lines_.push_back({Outcome::Taken, record, "als Wettkampf " + event->number});
        }
    }

    void LineUp(const natarix::Team& from, const std::string& number, natarix::Team& target,
                const std::string& targetNumber)
    {
        const auto lineUp = from.lineUps.find(number);
        if (lineUp == from.lineUps.end())
            return;
        std::vector<std::int32_t> legs;
        for (const std::int32_t id : lineUp->second) {
            const auto swimmer = swimmerIds_.find(id);
            legs.push_back(swimmer == swimmerIds_.end() ? 0 : swimmer->second);
        }
        target.lineUps[targetNumber] = std::move(legs);
    }

    const MeetDefinition& fromMeet_;
    const MeetDefinition& meet_;
    ClubEntries& to_;
    const TakeOverOptions& options_;
    // The earlier list's Veranstaltungs-IDs to those of this meet.
    std::map<std::int32_t, std::int32_t> swimmerIds_;
    std::vector<TakeOverLine> lines_;
};

}  // namespace

std::vector<TakeOverLine> TakeOver(const MeetDefinition& fromMeet, const ClubEntries& from, const MeetDefinition& meet,
                                   ClubEntries& to, const TakeOverOptions& options)
{
    TakeOverRun run(fromMeet, meet, to, options);
    run.Club(from.club);
    // Swimmers first: the teams' line-ups name them.
    for (const auto& swimmer : from.swimmers())
        run.Swimmer(*swimmer);
    for (const auto& team : from.teams())
        run.Team(*team);
    for (const auto& official : from.officials())
        run.Official(*official);
    return run.Take();
}

}  // namespace natarix
