#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"
#include "model/SwimResult.h"

namespace natarix {

// Where the results come from: the results database, or results in memory.
class ResultSource {
public:
    virtual ~ResultSource() = default;
    // Every result that may be the swimmer's: at least all that Recognise()
    // takes, swum on or after `since` where that is a date; more do no harm.
    virtual std::vector<SwimResult> CandidatesFor(const Swimmer& swimmer, const Date& since = Date()) const = 0;
};

// Results held in memory.
class ResultCollection : public ResultSource {
public:
    std::vector<SwimResult> results;
    std::vector<SwimResult> CandidatesFor(const Swimmer& swimmer, const Date& since = Date()) const override;
};

// A swim offered as entry time.
struct BestTime {
    SwimResult swim;
    bool byName = false;  // the swimmer was recognised by name and year of birth alone
};

// The days from which a time counts for a meet: the twelve months before
// its first day, that day itself not included. Nothing for a meet without
// a dated section.
struct TimeWindow {
    Date from;      // the same day a year before the first day (28.02. for a 29.02.)
    Date firstDay;  // the meet's first day
    std::int64_t fromDay = 0;
    std::int64_t firstDayNumber = 0;
};
std::optional<TimeWindow> EntryTimeWindow(const MeetDefinition& meet);

// Whether a swim counts for the event of a meet in that pool: the same
// distance, technique and Ausübung, in a pool of the same length, and only
// 25 m and 50 m pools.
bool SwumInEvent(const SwimResult& swim, const Event& event, std::string_view meetPool);

// What is known of one swimmer in one event before the meet.
struct KnownTimes {
    std::optional<BestTime> best;     // the fastest in the window: what is offered
    std::optional<BestTime> fastest;  // the fastest before the first day, however old
};
KnownTimes KnownTimesFor(const MeetDefinition& meet, const Event& event, const Swimmer& swimmer,
                         const std::vector<SwimResult>& candidates);

struct SwimmerBestTime {
    const Swimmer* swimmer = nullptr;
    const Event* event = nullptr;
    BestTime best;
};

// For every swimmer and every event the swimmer may enter, in the club's and
// the meet's order, the best time of the window where one is known.
std::vector<SwimmerBestTime> BestTimesOf(const MeetDefinition& meet, const ClubEntries& entries,
                                         const ResultSource& results);

// The entries without a time yet for which a best time is known.
std::vector<SwimmerBestTime> FillableEntries(const MeetDefinition& meet, const ClubEntries& entries,
                                             const ResultSource& results);

// "1:32,48 vom 18.10.2025, Herbstpokal in Neustadt (25-m-Bahn)", then what
// marks the swim: "Handzeit", "Startschwimmer der Staffel", "nach Name erkannt".
std::string BestTimeNote(const BestTime& best);

}  // namespace natarix
