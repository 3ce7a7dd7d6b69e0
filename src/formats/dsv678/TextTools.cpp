#include "TextTools.h"

#include <algorithm>
#include <functional>

#include "Limits.h"

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

WarningList::WarningList(std::vector<Diagnostic>& warnings) : warnings_(warnings)
{
    for (std::size_t i = 0; i < warnings_.size(); ++i)
        indexByHash_.emplace(std::hash<std::string_view>{}(warnings_[i].text), i);
}

void WarningList::Add(std::size_t line, std::string text)
{
    const std::size_t hash = std::hash<std::string_view>{}(text);
    for (auto [it, end] = indexByHash_.equal_range(hash); it != end; ++it) {
        if (warnings_[it->second].text == text) {
            ++warnings_[it->second].furtherLines;
            return;
        }
    }
    if (warnings_.size() > kMostWarningTexts) {
        ++warnings_.back().furtherLines;
        return;
    }
    if (warnings_.size() == kMostWarningTexts) {
        warnings_.push_back(
            {line, "Die Datei hat noch weitere Auffälligkeiten; sie werden nicht einzeln aufgeführt.", 0});
        return;
    }
    indexByHash_.emplace(hash, warnings_.size());
    warnings_.push_back({line, std::move(text), 0});
}

std::string Shortened(std::string_view text)
{
    // Counts UTF-8 characters by their first bytes; the text is UTF-8 by now.
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue;
        if (characters == kLongestShownText)
            return std::string(text.substr(0, i)) + "…";
        ++characters;
    }
    return std::string(text);
}

std::string Quoted(std::string_view text)
{
    return "„" + Shortened(text) + "“";
}

}  // namespace natarix::dsv678
