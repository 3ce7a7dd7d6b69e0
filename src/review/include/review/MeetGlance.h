#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/ClubEntries.h"
#include "model/Date.h"
#include "model/MeetDefinition.h"

namespace natarix {

// One fee the meet asks for, as the overview names it: "Einzelmeldegeld",
// "6,00 €".
struct GlanceFee {
    std::string label;
    std::string amount;
};

// What a volunteer wants to see of the meet and of the club's entries without
// opening a dialog. Texts are empty where the definition list says nothing.
struct MeetGlance {
    std::string deadline;                  // "15.01.2027, 18:00 Uhr"
    std::optional<std::int64_t> daysLeft;  // negative once it has passed; none for an unreadable date
    std::string deadlineNote;              // "noch 5 Tage", "heute", "seit 3 Tagen vorbei"
    std::string remarks;
    std::vector<std::string> entryAddress;  // name, street, postcode and town, country
    std::string entryEmail;
    std::string invitationLink;
    std::vector<GlanceFee> fees;
    std::int64_t individualEntries = 0;
    std::int64_t relayEntries = 0;
    std::string feeTotal;  // as the entry form computes it: "123,50 €"
    bool DeadlinePassed() const { return daysLeft && *daysLeft < 0; }
};

// Days from `today` to the meet's entry deadline, negative once it has
// passed; nothing when either is no real date.
std::optional<std::int64_t> DaysToDeadline(const MeetDefinition& meet, const Date& today);

// "noch 5 Tage", "heute", "seit einem Tag vorbei", "seit 3 Tagen vorbei"
std::string DeadlineNote(std::int64_t daysLeft);

MeetGlance GlanceAt(const MeetDefinition& meet, const ClubEntries& entries, const Date& today);

}  // namespace natarix
