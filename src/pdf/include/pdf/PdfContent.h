#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "pdf/TextFit.h"

namespace natarix {

// Where text boxes end. A text that runs to the page's edge stops at the
// right margin; one before a drawn line keeps clear of the line's half width;
// one before the next text on its line keeps about a blank's width.
inline constexpr double kPageRight = 575;
constexpr double BeforeLine(int lineX)
{
    return lineX - 0.5;
}
constexpr double BeforeText(int textX)
{
    return textX - 3;
}

// Appends the decimal form of a number; independent of the locale.
void AppendDecimal(std::string& out, std::int64_t value);
std::string Decimal(std::int64_t value);

// Places one UTF-8 text at (x, y) as a text object of its own, in WinAnsi
// bytes (ToWinAnsi). Backslash and both parentheses are escaped.
void AddText(std::string& content, std::string_view text, std::string_view fontName, int fontSize, int x, int y);
// The same for a text whose box runs from x to `right`: a text too wide for
// it is set smaller or cut (FitText).
void AddText(std::string& content, std::string_view text, const Font& font, int fontSize, int x, int y, double right);

// One straight segment is a MoveTo and a LineTo; StrokePath closes and
// strokes everything drawn since the last stroke.
void MoveTo(std::string& content, int x, int y);
void LineTo(std::string& content, int x, int y);
void StrokePath(std::string& content);

}  // namespace natarix
