#pragma once

#include <array>
#include <cstdint>

namespace natarix {

// The advance width of every WinAnsiEncoding code, in thousandths of the font size.
using GlyphWidths = std::array<std::uint16_t, 256>;

extern const GlyphWidths kHelveticaWidths;
extern const GlyphWidths kHelveticaBoldWidths;

}  // namespace natarix
