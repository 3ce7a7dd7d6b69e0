#include "pdf/PdfContent.h"

#include <array>
#include <charconv>

#include "pdf/WinAnsi.h"

namespace natarix {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendPoint(std::string& content, int x, int y, char op)
{
    AppendDecimal(content, x);
    content += ' ';
    AppendDecimal(content, y);
    content += ' ';
    content += op;
    content += kLineEnd;
}

// `text` in WinAnsi bytes.
void AddWinAnsiText(std::string& content, std::string_view text, std::string_view fontName, int fontSize, int x, int y)
{
    content += "BT\r\n/";
    content += fontName;
    content += ' ';
    AppendDecimal(content, fontSize);
    content += " Tf\r\n";
    AppendDecimal(content, x);
    content += ' ';
    AppendDecimal(content, y);
    content += " Td\r\n(";
    for (const char byte : text) {
        if (byte == '\\' || byte == '(' || byte == ')')
            content += '\\';
        content += byte;
    }
    content += ") Tj\r\nET\r\n";
}

}  // namespace

void AppendDecimal(std::string& out, std::int64_t value)
{
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), result.ptr);
}

std::string Decimal(std::int64_t value)
{
    std::string text;
    AppendDecimal(text, value);
    return text;
}

void AddText(std::string& content, std::string_view text, std::string_view fontName, int fontSize, int x, int y)
{
    AddWinAnsiText(content, ToWinAnsi(text), fontName, fontSize, x, y);
}

void AddText(std::string& content, std::string_view text, const Font& font, int fontSize, int x, int y, double right)
{
    // Fitted in WinAnsi bytes, which the font widths are given for.
    const FittedText fitted = FitText(ToWinAnsi(text), font, fontSize, right - x);
    AddWinAnsiText(content, fitted.text, font.name, fitted.size, x, y);
}

void MoveTo(std::string& content, int x, int y)
{
    AppendPoint(content, x, y, 'm');
}

void LineTo(std::string& content, int x, int y)
{
    AppendPoint(content, x, y, 'l');
}

void StrokePath(std::string& content)
{
    content += "s\r\n";
}

}  // namespace natarix
