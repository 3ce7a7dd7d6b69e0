#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "model/Address.h"
#include "model/Date.h"
#include "model/Event.h"
#include "model/ValueTexts.h"

namespace natarix {

// One "ABSCHNITT:" line.
struct Section {
    std::string number;
    Date date;
    std::string startTime;
    std::string admission;  // the whole "EINLASS:..." field, or empty
};

using SectionMap = std::map<NumberKey, Section, NumberKeyLess>;
using EventMap = std::map<NumberKey, Event, NumberKeyLess>;

// The competition as the organiser's definition list gives it. A reader
// builds it; everything after that only looks at it.
class MeetDefinition {
public:
    std::string title;
    std::string place;
    std::string poolLength;
    std::string timing;  // "h" or "a"
    std::string onlineInvitation;
    Date entryDeadlineDate;
    std::string entryDeadlineTime;
    std::string remarks;
    std::int32_t flatFee = 0;
    std::int32_t individualFee = 0;
    std::int32_t relayFee = 0;
    Address venue;
    Address entryAddress;

    const SectionMap& sections() const { return sections_; }
    const EventMap& events() const { return events_; }
    // A number whose value an earlier key already has is dropped.
    void AddSection(Section section);
    void AddEvent(Event event);
    // The member of that number's value, or nullptr.
    const Section* FindSection(std::string_view number) const;
    const Event* FindEvent(std::string_view number) const;
    // For a reader that completes an event from a later line.
    Event* FindEvent(std::string_view number);
    // Nothing for a competition without sections.
    std::optional<Date> EarliestSectionDate() const;
    std::optional<Date> LatestSectionDate() const;

private:
    SectionMap sections_;
    EventMap events_;
};

}  // namespace natarix
