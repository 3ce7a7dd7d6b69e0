#pragma once

#include <string_view>

#include "model/DsvError.h"
#include "model/MeetDefinition.h"

namespace natarix {

// The section or event a line refers to; a number the meet does not have
// ends the reading there.
inline const Section& SectionOf(const MeetDefinition& meet, std::string_view number)
{
    const Section* section = meet.FindSection(number);
    if (section == nullptr)
        throw DsvError("Abschnitt nicht vorhanden!");
    return *section;
}

// For a meet being built as for one only compared against.
template <typename AnyMeet>
auto& EventOf(AnyMeet& meet, std::string_view number)
{
    auto* event = meet.FindEvent(number);
    if (event == nullptr)
        throw DsvError("Wettkampf nicht vorhanden!");
    return *event;
}

}  // namespace natarix
