#include "TextTools.h"

#include <algorithm>

namespace natarix::dsv678 {

namespace {

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string_view Trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string ToUpperAscii(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), UpperAscii);
    return upper;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

void AddWarning(std::vector<Diagnostic>& warnings, std::size_t line, std::string text)
{
    for (Diagnostic& warning : warnings) {
        if (warning.text == text) {
            ++warning.furtherLines;
            return;
        }
    }
    warnings.push_back({line, std::move(text), 0});
}

std::string Quoted(std::string_view text)
{
    return "„" + std::string(text) + "“";
}

}  // namespace natarix::dsv678
