#include "times/BestTimes.h"

#include <cstdio>

#include "model/ValueTexts.h"
#include "times/SwimmerMatch.h"
#include "times/TimeTexts.h"

namespace natarix {

std::vector<SwimResult> ResultCollection::CandidatesFor(const Swimmer& swimmer, const Date& since) const
{
    std::vector<SwimResult> found;
    for (const SwimResult& result : results)
        if (Recognise(swimmer, result.swimmer) != Recognition::None && !result.date.IsEarlierThan(since))
            found.push_back(result);
    return found;
}

namespace {

Date DateText(int day, int month, int year)
{
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", day, month, year);
    return Date(text);
}

bool IsCountedPool(std::string_view pool)
{
    return pool == "25" || pool == "50";
}

std::string_view Exercise(const Event& event)
{
    // Format-5 events have no Ausübung: they are whole-stroke swims.
    return event.exercise.empty() ? std::string_view("GL") : std::string_view(event.exercise);
}

// The faster swim; at equal times the individual one, then the later one.
bool Better(const BestTime& candidate, const std::optional<BestTime>& held)
{
    if (!held)
        return true;
    if (candidate.swim.hundredths != held->swim.hundredths)
        return candidate.swim.hundredths < held->swim.hundredths;
    if (candidate.swim.firstLeg != held->swim.firstLeg)
        return !candidate.swim.firstLeg;
    return held->swim.date.IsEarlierThan(candidate.swim.date);
}

}  // namespace

std::optional<TimeWindow> EntryTimeWindow(const MeetDefinition& meet)
{
    const std::optional<Date> first = meet.EarliestSectionDate();
    const std::optional<std::int64_t> firstDay = first ? first->DayNumber() : std::nullopt;
    if (!firstDay)
        return std::nullopt;
    const std::string& text = first->text();
    const int day = NumberValue(text.substr(0, 2));
    const int month = NumberValue(text.substr(3, 2));
    const int year = NumberValue(text.substr(6, 4));
    const Date from = DateText(month == 2 && day == 29 ? 28 : day, month, year - 1);
    return TimeWindow{from, *first, from.DayNumber().value_or(*firstDay - 365), *firstDay};
}

bool SwumInEvent(const SwimResult& swim, const Event& event, std::string_view meetPool)
{
    return IsCountedPool(swim.poolLength) && swim.poolLength == meetPool && !event.IsRelay() &&
           swim.distance == NumberValue(event.distance) && EqualIgnoringAsciiCase(swim.technique, event.technique) &&
           EqualIgnoringAsciiCase(swim.exercise, Exercise(event));
}

namespace {

// A swim of the swimmer before the meet, in a pool of the meet's length.
struct OwnSwim {
    const SwimResult* swim;
    bool byName;
    bool inWindow;
};

// The candidates that can count for some event of the meet, looked at once
// per swimmer rather than once per event.
std::vector<OwnSwim> OwnSwims(const MeetDefinition& meet, const TimeWindow& window, const Swimmer& swimmer,
                              const std::vector<SwimResult>& candidates)
{
    const std::string pool(TrimRight(meet.poolLength));
    std::vector<OwnSwim> own;
    for (const SwimResult& swim : candidates) {
        if (swim.hundredths <= 0 || !IsCountedPool(swim.poolLength) || swim.poolLength != pool)
            continue;
        const std::optional<std::int64_t> day = swim.date.DayNumber();
        if (!day || *day >= window.firstDayNumber)
            continue;
        const Recognition recognition = Recognise(swimmer, swim.swimmer);
        if (recognition != Recognition::None)
            own.push_back({&swim, recognition == Recognition::ByName, *day >= window.fromDay});
    }
    return own;
}

KnownTimes Select(const Event& event, std::string_view pool, const std::vector<OwnSwim>& own)
{
    KnownTimes known;
    for (const OwnSwim& swim : own) {
        if (!SwumInEvent(*swim.swim, event, pool))
            continue;
        BestTime candidate{*swim.swim, swim.byName};
        if (swim.inWindow && Better(candidate, known.best))
            known.best = candidate;
        if (Better(candidate, known.fastest))
            known.fastest = std::move(candidate);
    }
    return known;
}

template <typename Wanted>
std::vector<SwimmerBestTime> Collect(const MeetDefinition& meet, const ClubEntries& entries,
                                     const ResultSource& results, Wanted wanted)
{
    std::vector<SwimmerBestTime> found;
    const std::optional<TimeWindow> window = EntryTimeWindow(meet);
    if (!window)
        return found;
    const std::string pool(TrimRight(meet.poolLength));
    const std::vector<const Event*> events = meet.EventsInListOrder();
    for (const auto& swimmer : entries.swimmers()) {
        std::vector<SwimResult> candidates;
        std::vector<OwnSwim> own;
        bool looked = false;
        for (const Event* event : events) {
            if (!MayEnter(*swimmer, *event) || !wanted(*swimmer, *event))
                continue;
            if (!looked) {
                // Only the window is offered: older swims need not be fetched.
                candidates = results.CandidatesFor(*swimmer, window->from);
                own = OwnSwims(meet, *window, *swimmer, candidates);
                looked = true;
            }
            KnownTimes known = Select(*event, pool, own);
            if (known.best)
                found.push_back({swimmer.get(), event, std::move(*known.best)});
        }
    }
    return found;
}

}  // namespace

KnownTimes KnownTimesFor(const MeetDefinition& meet, const Event& event, const Swimmer& swimmer,
                         const std::vector<SwimResult>& candidates)
{
    const std::optional<TimeWindow> window = EntryTimeWindow(meet);
    if (!window)
        return {};
    return Select(event, TrimRight(meet.poolLength), OwnSwims(meet, *window, swimmer, candidates));
}

std::vector<SwimmerBestTime> BestTimesOf(const MeetDefinition& meet, const ClubEntries& entries,
                                         const ResultSource& results)
{
    return Collect(meet, entries, results, [](const Swimmer&, const Event&) { return true; });
}

std::vector<SwimmerBestTime> FillableEntries(const MeetDefinition& meet, const ClubEntries& entries,
                                             const ResultSource& results)
{
    return Collect(meet, entries, results, [](const Swimmer& swimmer, const Event& event) {
        const auto entry = swimmer.entries.find(event.number);
        return entry != swimmer.entries.end() && SwimTimeHundredths(entry->second).value_or(-1) == 0;
    });
}

std::string BestTimeNote(const BestTime& best)
{
    const SwimResult& swim = best.swim;
    std::string note = ShownTimeText(swim.hundredths) + " vom " + swim.date.text() + ", " + swim.meet;
    if (!swim.town.empty())
        note += " in " + swim.town;
    note += " (" + swim.poolLength + "-m-Bahn)";
    if (swim.handTimed)
        note += "; Handzeit";
    if (swim.firstLeg)
        note += "; Startschwimmer der Staffel";
    if (best.byName)
        note += "; nach Name erkannt";
    return note;
}

}  // namespace natarix
