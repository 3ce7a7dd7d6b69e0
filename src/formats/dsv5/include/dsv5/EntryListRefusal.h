#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace natarix {

// Why the club entry list could not carry the UTF-8 text of a field back as
// it stands: the message names the field and the first fault, a character
// Windows-1252 lacks, a line break (it ends a line), a ";" (it ends a
// field), a "," where the field ends at one (the surname, joined to the first
// name with it) or the comment opener "(*". nullopt when the text can be written and read back.
//
// A surrogate in UTF-8's three-byte form (how the window hands over a lone
// one) is named by its number; any other byte that starts no character as
// U+FFFD.
std::optional<std::string> EntryListRefusal(std::string_view text, std::string_view fieldName, bool endsAtComma);

}  // namespace natarix
