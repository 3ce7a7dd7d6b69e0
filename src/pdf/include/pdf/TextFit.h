#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "pdf/FontMetrics.h"

namespace natarix {

// A font as the pages name it in their resources, with its widths.
struct Font {
    std::string_view name;
    const GlyphWidths* widths;
};

inline constexpr Font kBoldFont{"F1", &kHelveticaBoldWidths};  // Helvetica-Bold
inline constexpr Font kRegularFont{"F2", &kHelveticaWidths};   // Helvetica

// The smallest size a text is shrunk to before it is cut.
inline constexpr int kSmallestFontSize = 6;
// The ellipsis in WinAnsiEncoding, which ends a cut text.
inline constexpr char kEllipsis = '\x85';

// The advance of `text` (WinAnsi bytes, see ToWinAnsi) in thousandths of the
// font size.
std::int64_t TextAdvance(std::string_view text, const Font& font);

struct FittedText {
    std::string text;
    int size = 0;
};

// The text (WinAnsi bytes) in the largest size up to `size` with which it
// is at most `boxWidth` units wide, down to 6 (or `size`, if smaller). A text
// still too wide at that size loses its end for an ellipsis; a box too
// narrow even for the ellipsis gets no text.
FittedText FitText(std::string_view text, const Font& font, int size, double boxWidth);

}  // namespace natarix
