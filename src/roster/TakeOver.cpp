#include "roster/TakeOver.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <type_traits>

#include "RosterRecords.h"
#include "model/LsvItems.h"
#include "model/Round.h"

namespace natarix {

namespace {

using Kind = RosterItem::Kind;
using Outcome = TakeOverLine::Outcome;

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

// This meet's events like the earlier one that the participant may enter:
// the one of the same number first, so that a list taken into its own meet
// keeps its numbers where events of one kind come for several age groups.
std::vector<const Event*> MatchingEvents(const MeetDefinition& meet, const Event& earlier, ParticipantRef participant)
{
    std::vector<const Event*> events;
    for (const Event* event : meet.EventsInListOrder())
        if (TakesEntries(event->round) && SameKindOfEvent(*event, earlier) &&
            !WhyMayNotEnter(participant, *event).Any())
            events.insert(NumberValue(event->number) == NumberValue(earlier.number) ? events.begin() : events.end(),
                          event);
    return events;
}

// The club's data in the form the meet's format keeps: format 5 names the
// association by its whole list item, the newer formats by its number.
Club ClubForMeet(Club club, const MeetDefinition& meet)
{
    if (meet.formatVersion == 5)
        club.lsv = LsvItemOf(club.lsv);
    return club;
}

class TakeOverRun {
public:
    TakeOverRun(const MeetDefinition& fromMeet, const ClubEntries& from, const MeetDefinition& meet, ClubEntries& to,
                const TakeOverOptions& options)
        : fromMeet_(fromMeet), from_(from), meet_(meet), to_(to), options_(options)
    {
    }

    void Club()
    {
        const natarix::Club& from = from_.club;
        if (!options_.clubData || from.clubName.empty() || LeftOut(Kind::Club, 0))
            return;
        const std::string record = roster::ClubRecord(from);
        if (Refused(record, roster::Refusal(meet_, from)))
            return;
        const natarix::Club converted = ClubForMeet(from, meet_);
        natarix::Club& club = to_.club;
        if (club.clubName.empty()) {
            club = converted;
            lines_.push_back({Outcome::Taken, record, {}});
            return;
        }
        for (auto field : {&natarix::Club::clubId, &natarix::Club::lsv, &natarix::Club::nation})
            FillEmpty(club.*field, converted.*field);
        for (auto field : {&Address::name, &Address::street, &Address::postcode, &Address::town, &Address::country,
                           &Address::phone, &Address::fax, &Address::email})
            FillEmpty(club.contact.*field, converted.contact.*field);
        lines_.push_back({Outcome::Merged, record, "Vereinsdaten sind schon eingetragen"});
    }

    void Swimmer(std::size_t index)
    {
        const natarix::Swimmer& from = *from_.swimmers()[index];
        const std::string record = roster::SwimmerRecord(from);
        if (LeftOut(Kind::Swimmer, index) || Refused(record, roster::Refusal(meet_, from)))
            return;
        natarix::Swimmer* target = roster::SameSwimmer(to_, from);
        if (target != nullptr) {
            if (!IsKnownDsvId(target->registrationNumber))
                target->registrationNumber = from.registrationNumber;
            if (target->nationalities.empty())
                target->nationalities = from.nationalities;
            if (target->coachNumber == 0)
                target->coachNumber = CoachOf(from);
            lines_.push_back({Outcome::Merged, record, AlreadyThere(target)});
        } else {
            auto copy = std::make_unique<natarix::Swimmer>(from);
            copy->entries.clear();
            copy->meetId = 0;
            copy->coachNumber = CoachOf(from);
            target = to_.AddSwimmer(std::move(copy));
            takenNow_.insert(target);
            lines_.push_back({Outcome::Taken, record, roster::CannotTakePart(meet_, *target)});
        }
        // Format 5 gives its swimmers no Veranstaltungs-ID, and no line-up names one.
        if (from.meetId != 0)
            swimmerIds_[from.meetId] = target->meetId;
        if (options_.entries)
            Entries(from, *target, record);
    }

    void Team(std::size_t index)
    {
        const natarix::Team& from = *from_.teams()[index];
        const std::string record = roster::TeamRecord(from);
        if (LeftOut(Kind::Team, index) || Refused(record, roster::Refusal(meet_, from)))
            return;
        natarix::Team* target = roster::SameTeam(to_, from);
        if (target != nullptr) {
            FillEmpty(target->classLabel, from.classLabel);
            lines_.push_back({Outcome::Merged, record, AlreadyThere(target)});
        } else {
            auto copy = std::make_unique<natarix::Team>(from);
            copy->entries.clear();
            copy->lineUps.clear();
            copy->meetId = 0;
            target = to_.AddTeam(std::move(copy));
            takenNow_.insert(target);
            lines_.push_back({Outcome::Taken, record, roster::CannotTakePart(meet_, *target)});
        }
        if (options_.entries)
            Entries(from, *target, record);
    }

    void Official(std::size_t index)
    {
        const natarix::Official& from = *from_.officials()[index];
        const std::string record = roster::OfficialRecord(from);
        if (LeftOut(Kind::Official, index) || Refused(record, roster::Refusal(meet_, from)))
            return;
        if (natarix::Official* official = roster::SameOfficial(to_, from)) {
            FillEmpty(official->wish, from.wish);
            FillEmpty(official->groupCode, from.groupCode);
            FillEmpty(official->sex, from.sex);
            lines_.push_back({Outcome::Merged, record, AlreadyThere(official)});
            return;
        }
        auto copy = std::make_unique<natarix::Official>(from);
        // Sections are the earlier meet's.
        copy->sectionNumbers.clear();
        takenNow_.insert(to_.AddOfficial(std::move(copy)));
        lines_.push_back({Outcome::Taken, record, {}});
    }

    std::vector<TakeOverLine> Take() { return std::move(lines_); }

private:
    bool LeftOut(Kind kind, std::size_t index) const { return options_.leftOut.contains({kind, index}); }

    // Real lists give each relay start a team of its own: the second start
    // of a team joins the team the first one brought.
    std::string AlreadyThere(const void* target) const
    {
        return takenNow_.contains(target) ? "ist eben übernommen" : "ist schon gemeldet";
    }

    bool Refused(const std::string& record, const std::optional<std::string>& refusal)
    {
        if (refusal)
            lines_.push_back({Outcome::Skipped, record, *refusal});
        return refusal.has_value();
    }

    // The number the swimmer's coach has, or gets, among this meet's coaches.
    std::int32_t CoachOf(const natarix::Swimmer& from)
    {
        if (from.coachNumber == 0 || meet_.formatVersion == 5)
            return 0;
        const auto coach = std::find_if(from_.coaches.begin(), from_.coaches.end(),
                                        [&](const Coach& c) { return c.number == from.coachNumber; });
        return coach == from_.coaches.end() ? 0 : to_.CoachNumber(coach->name);
    }

    template <typename Participant>
    void Entries(const Participant& from, Participant& target, const std::string& participant)
    {
        std::set<const Event*> used;
        for (const auto& [number, time] : from.entries) {
            const Event* earlier = fromMeet_.FindEvent(number);
            const std::string record =
                participant + " – Wettkampf " + number + (earlier ? " (" + earlier->Description() + ")" : "");
            const auto events =
                earlier == nullptr ? std::vector<const Event*>() : MatchingEvents(meet_, *earlier, &target);
            if (events.empty()) {
                lines_.push_back({Outcome::Skipped, record, "kein passender Wettkampf in dieser Veranstaltung"});
                continue;
            }
            // Each start finds an event of its own: two of one kind, as in
            // heats of two age groups, go to two events, and an entry there
            // already stands for one start, so that a second take-over adds nothing.
            const auto unused = [&](const Event* e) { return !used.contains(e); };
            const auto entered = std::find_if(events.begin(), events.end(), [&](const Event* e) {
                return unused(e) && !target.EntryTime(e->number).empty();
            });
            if (entered != events.end()) {
                used.insert(*entered);
                lines_.push_back({Outcome::Skipped, record, "schon gemeldet"});
                continue;
            }
            const auto free = std::find_if(events.begin(), events.end(), unused);
            if (free == events.end()) {
                lines_.push_back({Outcome::Skipped, record, "kein weiterer passender Wettkampf"});
                continue;
            }
            used.insert(*free);
            const Event* event = *free;
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
        if (lineUp == from.lineUps.end() || meet_.formatVersion == 5)
            return;
        std::vector<std::int32_t> legs;
        for (const std::int32_t id : lineUp->second) {
            const auto swimmer = swimmerIds_.find(id);
            legs.push_back(swimmer == swimmerIds_.end() ? 0 : swimmer->second);
        }
        target.lineUps[targetNumber] = std::move(legs);
    }

    const MeetDefinition& fromMeet_;
    const ClubEntries& from_;
    const MeetDefinition& meet_;
    ClubEntries& to_;
    const TakeOverOptions& options_;
    // The earlier list's Veranstaltungs-IDs to those of this meet.
    std::map<std::int32_t, std::int32_t> swimmerIds_;
    std::set<const void*> takenNow_;
    std::vector<TakeOverLine> lines_;
};

}  // namespace

std::string TakeOverReport(const std::vector<TakeOverLine>& lines)
{
    std::size_t records = 0, entries = 0, merged = 0;
    std::string skipped;
    std::size_t skippedCount = 0;
    constexpr std::size_t kSkippedShown = 25;
    for (const TakeOverLine& line : lines) {
        const bool entry = line.record.find(" – Wettkampf ") != std::string::npos;
        if (line.outcome == Outcome::Taken)
            ++(entry ? entries : records);
        else if (line.outcome == Outcome::Merged)
            ++merged;
        else if (++skippedCount <= kSkippedShown)
            skipped += "\n" + line.record + ": " + line.reason;
    }
    std::string report =
        "Übernommen: " + std::to_string(records) + " Einträge und " + std::to_string(entries) + " Meldungen.";
    if (merged > 0)
        report += "\nSchon vorhanden, ergänzt: " + std::to_string(merged) + " Einträge.";
    if (skippedCount > 0)
        report += "\n\nNicht übernommen:" + skipped;
    if (skippedCount > kSkippedShown)
        report += "\n… und " + std::to_string(skippedCount - kSkippedShown) + " weitere.";
    return report;
}

std::vector<TakeOverLine> TakeOver(const MeetDefinition& fromMeet, const ClubEntries& from, const MeetDefinition& meet,
                                   ClubEntries& to, const TakeOverOptions& options)
{
    TakeOverRun run(fromMeet, from, meet, to, options);
    run.Club();
    // Swimmers first: the teams' line-ups name them.
    for (std::size_t i = 0; i < from.swimmers().size(); ++i)
        run.Swimmer(i);
    for (std::size_t i = 0; i < from.teams().size(); ++i)
        run.Team(i);
    for (std::size_t i = 0; i < from.officials().size(); ++i)
        run.Official(i);
    return run.Take();
}

}  // namespace natarix
