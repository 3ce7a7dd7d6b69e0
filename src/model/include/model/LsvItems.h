#pragma once

#include <span>
#include <string>
#include <string_view>

namespace natarix {

// The regional associations as format 5's "LSV" list gives them, in list
// order: "04: Landesschwimmverband Brandenburg". A format-5 club keeps one
// of them whole; formats 6 to 8 keep only the number.
std::span<const std::string_view> LsvItems();

// The item whose number is `code` ("4" or "04"); the text as it stands when
// it is an item already or no item has that number.
std::string LsvItemOf(const std::string& code);

}  // namespace natarix
