#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "model/ValueTexts.h"

namespace natarix {

// Event number text -> entry time text, ordered and matched by number value.
using EntryMap = std::map<NumberKey, std::string, NumberKeyLess>;

// Common record of swimmers and relay teams; `isTeam` tells them apart where
// both are handed around together.
struct Participant {
    std::string surname;
    std::string firstName;
    std::int32_t yearOfBirth = 1980;
    std::string registrationNumber = "000000";
    std::string sex = "m";
    EntryMap entries;
    std::int32_t isTeam = 0;

    // The entry time for an event number, or the empty text.
    std::string EntryTime(std::string_view eventNumber) const;
    // Replaces the entry of that number; an empty time removes it.
    void SetEntry(const std::string& eventNumber, const std::string& entryTime);

protected:
    explicit Participant(std::int32_t team) : isTeam(team) {}
    // Plain records without virtual functions: a swimmer or team is never
    // destroyed through a pointer to this base.
    ~Participant() = default;
    Participant(const Participant&) = default;
    Participant& operator=(const Participant&) = default;
};

struct Swimmer : Participant {
    Swimmer() : Participant(0) {}
};

struct Team : Participant {
    Team() : Participant(1) {}

    std::string teamNumber = "1";
    std::string teamName;    // the user's own label
    std::string classLabel;  // the user's own label
};

struct Official {
    std::string surname;
    std::string firstName;
    std::int32_t group = 1;
    std::string sectionNumbers;  // joined by ";" without a trailing one
    std::string wish;
};

}  // namespace natarix
