#pragma once

#include <string>
#include <string_view>

namespace natarix {

// The PDF's fonts use WinAnsiEncoding, the bytes of Windows-1252; the five
// bytes it leaves undefined come from U+0081, U+008D, U+008F, U+0090 and
// U+009D. A character WinAnsi lacks falls back to one byte, so that text
// fitting still measures one glyph per character: a Latin letter with a
// diacritic to its base letter ("Ł" → "L", "ő" → "o"), anything else (and
// each byte that starts no UTF-8 character) to "?".
std::string ToWinAnsi(std::string_view utf8);

}  // namespace natarix
