#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace natarix {

// The characters a club entry list is written in: format 5 in Windows-1252,
// formats 6 to 8 in UTF-8.
enum class ListCharacters { Windows1252, Unicode };

// Why the club entry list could not carry the UTF-8 text of a field back as
// it stands: the message names the field and the first fault, a character
// the list's characters lack, a line break (it ends a line), a ";" (it ends
// a field), a "," where the field ends at one (the surname, joined to the
// first name with it) or the comment opener "(*". nullopt when the text can
// be written and read back.
//
// A surrogate in UTF-8's three-byte form (how the window hands over a lone
// one) is named by its number; any other byte that starts no character as
// U+FFFD. Neither is a character of either list.
std::optional<std::string> EntryListRefusal(std::string_view text, std::string_view fieldName, bool endsAtComma,
                                            ListCharacters characters = ListCharacters::Windows1252);

}  // namespace natarix
