#pragma once

#include <string_view>

#include "model/Competition.h"
#include "model/DsvError.h"

namespace natarix {

// The section or event a line refers to; a number the competition does not
// have ends the reading there.
inline const Section& SectionOf(const Competition& competition, std::string_view number)
{
    const Section* section = competition.FindSection(number);
    if (section == nullptr)
        throw DsvError("Abschnitt nicht vorhanden!");
    return *section;
}

// For a competition being built as for one only compared against.
template <typename AnyCompetition>
auto& EventOf(AnyCompetition& competition, std::string_view number)
{
    auto* event = competition.FindEvent(number);
    if (event == nullptr)
        throw DsvError("Wettkampf nicht vorhanden!");
    return *event;
}

}  // namespace natarix
