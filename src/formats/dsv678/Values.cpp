#include "dsv678/Values.h"

#include <limits>

namespace natarix::dsv678 {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Exactly `width` digits at `position`, or nothing.
std::optional<int> DigitsAt(std::string_view text, std::size_t position, std::size_t width)
{
    if (position + width > text.size())
        return std::nullopt;
    int value = 0;
    for (std::size_t i = position; i < position + width; ++i) {
        if (!IsDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year)
{
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<std::uint32_t> ParseNumber(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<SwimTime> ParseSwimTime(std::string_view text)
{
    if (text.size() != 11 || text[2] != ':' || text[5] != ':' || text[8] != ',')
        return std::nullopt;
    const auto hours = DigitsAt(text, 0, 2);
    const auto minutes = DigitsAt(text, 3, 2);
    const auto seconds = DigitsAt(text, 6, 2);
    const auto hundredths = DigitsAt(text, 9, 2);
    if (!hours || !minutes || !seconds || !hundredths || *minutes > 59 || *seconds > 59)
        return std::nullopt;
    return SwimTime{*hours, *minutes, *seconds, *hundredths};
}

std::optional<Date> ParseDate(std::string_view text)
{
    if (text.size() != 10 || text[2] != '.' || text[5] != '.')
        return std::nullopt;
    const auto day = DigitsAt(text, 0, 2);
    const auto month = DigitsAt(text, 3, 2);
    const auto year = DigitsAt(text, 6, 4);
    if (!day || !month || !year || *month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*month, *year))
        return std::nullopt;
    return Date{*day, *month, *year};
}

std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text)
{
    if (text.size() != 5 || text[2] != ':')
        return std::nullopt;
    const auto hours = DigitsAt(text, 0, 2);
    const auto minutes = DigitsAt(text, 3, 2);
    if (!hours || !minutes || *hours > 23 || *minutes > 59)
        return std::nullopt;
    return TimeOfDay{*hours, *minutes};
}

std::optional<std::int64_t> ParseAmountCents(std::string_view text)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos || comma == 0 || comma > 9 || text.size() != comma + 3)
        return std::nullopt;
    const auto euros = ParseNumber(text.substr(0, comma));
    const auto cents = DigitsAt(text, comma + 1, 2);
    if (!euros || !cents)
        return std::nullopt;
    return static_cast<std::int64_t>(*euros) * 100 + *cents;
}

std::optional<AgeGroup> ParseAgeGroup(std::string_view text, bool byYear)
{
    using Kind = AgeGroup::Kind;
    if (text == "0")
        return AgeGroup{Kind::Open, 0, 0};
    if (byYear) {
        const auto year = ParseNumber(text);
        if (!year || text.size() != 4)
            return std::nullopt;
        return AgeGroup{Kind::Year, static_cast<int>(*year), 0};
    }
    if (text.size() == 1) {
        const char letter = static_cast<char>(text[0] >= 'a' && text[0] <= 'z' ? text[0] - 'a' + 'A' : text[0]);
        if (std::string_view("ABCDEJ").find(letter) == std::string_view::npos)
            return std::nullopt;
        return AgeGroup{Kind::ClassLetter, 0, letter};
    }
    const bool relay = text.ends_with('+');
    const auto age = ParseNumber(relay ? text.substr(0, text.size() - 1) : text);
    if (!age || *age > 999)
        return std::nullopt;
    return AgeGroup{relay ? Kind::RelayTotalAge : Kind::MastersAge, static_cast<int>(*age), 0};
}

std::optional<bool> ParseYesNo(std::string_view text)
{
    if (text == "J" || text == "j")
        return true;
    if (text == "N" || text == "n")
        return false;
    return std::nullopt;
}

}  // namespace natarix::dsv678
