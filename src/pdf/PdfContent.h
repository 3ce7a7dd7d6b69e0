#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace natarix {

// The two fonts every page names in its resources.
inline constexpr std::string_view kBoldFont = "F1";     // Helvetica-Bold
inline constexpr std::string_view kRegularFont = "F2";  // Helvetica

// Appends the decimal form of a number; independent of the locale.
void AppendDecimal(std::string& out, std::int64_t value);
std::string Decimal(std::int64_t value);

// Places one text at (x, y) as a text object of its own. Backslash and both
// parentheses are escaped; every other byte goes into the file unchanged,
// since the fonts use WinAnsiEncoding.
void AddText(std::string& content, std::string_view text, std::string_view fontName, int fontSize, int x, int y);

// One straight segment is a MoveTo and a LineTo; StrokePath closes and
// strokes everything drawn since the last stroke.
void MoveTo(std::string& content, int x, int y);
void LineTo(std::string& content, int x, int y);
void StrokePath(std::string& content);

}  // namespace natarix
