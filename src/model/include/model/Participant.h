#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/ValueTexts.h"

namespace natarix {

// Diverse comes from formats 6 to 8 only.
enum class Sex { Male, Female, Diverse };

// Event number text -> entry time text, ordered and matched by number value.
using EntryMap = std::map<NumberKey, std::string, NumberKeyLess>;

// What swimmers and relay teams have in common: the events they are entered in.
struct Entrant {
    EntryMap entries;

    // The entry time for an event number, or the empty text.
    std::string EntryTime(std::string_view eventNumber) const;
    // Replaces the entry of that number; an empty time removes it.
    void SetEntry(const std::string& eventNumber, const std::string& entryTime);

protected:
    Entrant() = default;
    // Plain records without virtual functions: a swimmer or team is never
    // destroyed through a pointer to this base.
    ~Entrant() = default;
    Entrant(const Entrant&) = default;
    Entrant& operator=(const Entrant&) = default;
};

struct Swimmer : Entrant {
    std::string surname;
    std::string firstName;
    std::int32_t yearOfBirth = 1980;
    std::string registrationNumber = "000000";
    Sex sex = Sex::Male;
    // Formats 6 to 8. The Veranstaltungs-ID stays with the swimmer for as
    // long as the working file lives, so that a line-up never points to
    // another swimmer; 0 until the club side hands one out.
    std::int32_t meetId = 0;
    std::vector<std::string> nationalities{};  // up to three FINA codes
    std::int32_t coachNumber = 0;              // 0: none
};

struct Team : Entrant {
    std::string teamNumber = "1";
    std::string teamName;    // the user's own label; formats 6 to 8: the Name der Staffel
    std::string classLabel;  // the user's own label
    // Formats 6 to 8: the team's Veranstaltungs-ID, its class (Typ "JG" or
    // "AK" with the two JGAK texts; empty type: the class of its event) and
    // per event number the swimmers of its legs by Veranstaltungs-ID, 0 for
    // a leg not yet named.
    std::int32_t meetId = 0;
    std::string classType{};
    std::string classMinimum{};
    std::string classMaximum{};
    std::map<NumberKey, std::vector<std::int32_t>, NumberKeyLess> lineUps{};
};

// A DSV-ID the organiser can look up: six digits, not all of them zero
// (the model's "000000" is the unknown one).
bool IsKnownDsvId(std::string_view id);

// A swimmer or a team, where code takes either: the entries list, the
// eligibility rule, the export's check.
using ParticipantRef = std::variant<const Swimmer*, const Team*>;

const Entrant& EntrantOf(ParticipantRef participant);

struct Official {
    std::string surname;
    std::string firstName;
    std::int32_t group = 1;
    // As the list or the dialog spelled them ("01" stays "01"), in file order.
    std::vector<std::string> sectionNumbers;
    std::string wish;
    // Formats 6 to 8: the Kampfrichtergruppe ("WKR", "AUS", "SCH", "SPR";
    // empty: WKR) and, from format 8, the sex ("M", "W", "D" or empty).
    std::string groupCode{};
    std::string sex{};
};

// A "TRAINER:" line of formats 6 to 8, which swimmers name by number.
struct Coach {
    std::int32_t number = 0;
    std::string name;
    std::string sex{};  // format 8: "M", "W", "D" or empty
};

}  // namespace natarix
