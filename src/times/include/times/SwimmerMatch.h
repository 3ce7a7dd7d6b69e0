#pragma once

#include <string>
#include <string_view>

#include "model/Participant.h"
#include "model/SwimResult.h"

namespace natarix {

// A name as swimmers are recognised by it across files: without case and
// blanks (no-break spaces too), umlauts and ß spelled out ("Müller" and
// "MUELLER" are one name). Surname and first name stay apart.
std::string NameKey(std::string_view surname, std::string_view firstName);

// A DSV-ID as a result list writes it when it identifies (six digits, not
// all zero); empty for an unknown one ("0", "000000", nothing, or another
// federation's form).
std::string KnownResultDsvId(std::string_view written);

enum class Recognition {
    None,
    ByDsvId,  // both sides have a DSV-ID, and it is the same
    ByName,   // one side lacks a DSV-ID; name and year of birth agree
};

// Whether a result belongs to the club's swimmer: by DSV-ID where both
// have one, else by name and year of birth.
Recognition Recognise(const Swimmer& swimmer, const ResultSwimmer& result);

}  // namespace natarix
