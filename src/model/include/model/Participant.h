#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/ValueTexts.h"

namespace natarix {

enum class Sex { Male, Female };

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
};

struct Team : Entrant {
    std::string teamNumber = "1";
    std::string teamName;    // the user's own label
    std::string classLabel;  // the user's own label
};

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
};

}  // namespace natarix
