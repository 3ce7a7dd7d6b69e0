#pragma once

#include <string_view>
#include <vector>

#include "dsv678/Document.h"

namespace natarix::dsv678 {

// Cuts decoded text into element lines: every line (CR LF, LF or a lone CR)
// that is not blank once its "(* ... *)" comments are removed gives one
// element, with the name before the first ":" in capitals (on a line
// without ":" the text before any ";", as for DATEIENDE) and the trimmed
// attributes between the ";" (one empty piece after a final ";" dropped, a
// missing final ";" accepted, '"' an ordinary character). Never fails; an
// unclosed "(*" comments out the rest of its line and adds a warning.
std::vector<Element> SplitElements(std::string_view text, std::vector<Diagnostic>& warnings);

// The first `count` elements of undecoded file bytes, read line by line (each
// line decoded on its own), so that a long file costs its head only.
std::vector<Element> HeadElements(std::string_view bytes, std::size_t count);

}  // namespace natarix::dsv678
