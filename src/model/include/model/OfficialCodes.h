#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace natarix {

// A code of formats 6 to 8 with the German name a volunteer knows it by.
struct NamedCode {
    std::string_view code;
    std::string_view name;
};

// The Kampfrichtergruppen: WKR, AUS, SCH, SPR.
std::span<const NamedCode> OfficialGroups();

// The Einsatzwunsch codes a meet of that format knows, in the order of the
// DSV standard: 13 in format 6, five more from format 7 on.
std::vector<NamedCode> WishCodes(int formatVersion);

}  // namespace natarix
