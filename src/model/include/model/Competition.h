#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Address.h"
#include "model/Club.h"
#include "model/Date.h"
#include "model/Event.h"
#include "model/Fee.h"
#include "model/MeetParties.h"
#include "model/Participant.h"
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
using EventMap = std::map<NumberKey, Event, NumberKeyLess>;

// The root of the model: the competition read from a definition list and the
// club side recorded against it. The three sets hand out their members in the
// order they were added.
class Competition {
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
    Club club;

    const SectionMap& sections() const { return sections_; }
    const EventMap& events() const { return events_; }
    // A number whose value an earlier key already has is dropped.
    void AddSection(Section section);
    void AddEvent(Event event);
    // The member of that number's value, or nullptr.
    const Section* FindSection(std::string_view number) const;
    Event* FindEvent(std::string_view number);
    const Event* FindEvent(std::string_view number) const;
    // Nothing for a competition without sections.
    std::optional<Date> EarliestSectionDate() const;
    std::optional<Date> LatestSectionDate() const;

    const std::vector<std::unique_ptr<Swimmer>>& swimmers() const { return swimmers_; }
    const std::vector<std::unique_ptr<Team>>& teams() const { return teams_; }
    const std::vector<std::unique_ptr<Official>>& officials() const { return officials_; }
    Swimmer* AddSwimmer(std::unique_ptr<Swimmer> swimmer);
    Team* AddTeam(std::unique_ptr<Team> team);
    Official* AddOfficial(std::unique_ptr<Official> official);
    // Destroy the member that is this very object; others are ignored.
    void RemoveSwimmer(const Swimmer* swimmer);
    void RemoveTeam(const Team* team);
    void RemoveOfficial(const Official* official);

    std::int64_t CountIndividualEntries() const;
    std::int64_t CountRelayEntries() const;

private:
    SectionMap sections_;
    EventMap events_;
    std::vector<std::unique_ptr<Swimmer>> swimmers_;
    std::vector<std::unique_ptr<Team>> teams_;
    std::vector<std::unique_ptr<Official>> officials_;
};

}  // namespace natarix
