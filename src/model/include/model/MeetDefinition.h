#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Address.h"
#include "model/Date.h"
#include "model/Event.h"
#include "model/EventMap.h"
#include "model/Fee.h"
#include "model/MeetParties.h"
#include "model/ValueTexts.h"

namespace natarix {

// One "ABSCHNITT:" line.
struct Section {
    std::string number;
    Date date;
    std::string startTime;
    std::string admission;  // the whole "EINLASS:..." field, or empty; formats 6 to 8: the time
    // Formats 6 to 8: the judges' meeting, and whether the three times count
    // in hours and minutes after the previous section.
    std::string judgesMeeting{};
    bool relative = false;
};

using SectionMap = std::map<NumberKey, Section, NumberKeyLess>;

// The competition as the organiser's definition list gives it. A reader
// builds it; everything after that only looks at it.
class MeetDefinition {
public:
    std::string title;
    std::string place;
    std::string poolLength;
    std::string timing;  // format 5: "h" or "a"; formats 6 to 8: the Zeitmessung as written
    std::string onlineInvitation;
    Date entryDeadlineDate;
    std::string entryDeadlineTime;
    std::string remarks;
    std::int32_t flatFee = 0;
    std::int32_t individualFee = 0;
    std::int32_t relayFee = 0;
    Address venue;
    Address entryAddress;

    // The format of the definition list: 5, 6, 7 or 8. It decides which
    // entry list the club sends and what a flat fee means.
    int formatVersion = 5;
    // Formats 6 to 8 only; empty or unset for format 5.
    std::string generator;  // the producing software and its version, for diagnostics
    std::string organizer;
    std::optional<Host> host;
    std::optional<BankAccount> bank;
    bool directDebitOnly = false;
    std::optional<QualifyingWindow> qualifyingWindow;
    // Every MELDEGELD line in list order. The three fees above and an
    // event's own fee carry the same amounts for the forms.
    std::vector<Fee> fees;

    const SectionMap& sections() const { return sections_; }
    const EventMap& events() const { return events_; }
    // Format 5 in number order, as the map holds them; the newer formats in
    // the running order of their list.
    std::vector<const Event*> EventsInListOrder() const;
    // A number whose value an earlier key already has is dropped; for an
    // event, one whose value and round an earlier one has.
    void AddSection(Section section);
    void AddEvent(Event event);
    // The member of that number's value, or nullptr. An event found by its
    // number alone is its round that takes entries: entries and the working
    // file name events by number only.
    const Section* FindSection(std::string_view number) const;
    const Event* FindEvent(std::string_view number) const;
    // For a reader that completes an event from a later line.
    Event* FindEvent(std::string_view number);
    Event* FindEvent(std::string_view number, Round round);
    const Event* FindEvent(std::string_view number, Round round) const;
    // Nothing for a competition without sections.
    std::optional<Date> EarliestSectionDate() const;
    std::optional<Date> LatestSectionDate() const;

private:
    SectionMap sections_;
    EventMap events_;
};

}  // namespace natarix
