#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace natarix::dsv678 {

// Parsers for the data types of formats 6 to 8. Each takes one trimmed
// attribute and gives its value, or nothing when the text is not of the type
// (an empty text included).

// Zahl: digits only, no sign, at most 32 bits.
std::optional<std::uint32_t> ParseNumber(std::string_view text);

// Zeit: "HH:MM:SS,hh".
struct SwimTime {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int hundredths = 0;
    std::int64_t InHundredths() const
    {
        return ((std::int64_t{hours} * 60 + minutes) * 60 + seconds) * 100 + hundredths;
    }
    bool operator==(const SwimTime&) const = default;
};
std::optional<SwimTime> ParseSwimTime(std::string_view text);

// Datum: "TT.MM.JJJJ", a day of the calendar.
struct Date {
    int day = 0;
    int month = 0;
    int year = 0;
    bool operator==(const Date&) const = default;
};
std::optional<Date> ParseDate(std::string_view text);

// Uhrzeit: "HH:MM" on the 24-hour clock (for a relative section the
// hours and minutes after the previous one).
struct TimeOfDay {
    int hours = 0;
    int minutes = 0;
    bool operator==(const TimeOfDay&) const = default;
};
std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text);

// Betrag: euros with a comma and exactly two decimals, "5,50"; in cents.
std::optional<std::int64_t> ParseAmountCents(std::string_view text);

// JGAK: read with the neighbouring Wertungsklasse Typ. For JG a year of
// birth, for AK a youth class letter (A B C D E J), a Masters age (20, 25
// ...) or a relay's least total age ("80+"); "0" is open for both.
struct AgeGroup {
    enum class Kind { Open, Year, ClassLetter, MastersAge, RelayTotalAge };
    Kind kind = Kind::Open;
    int number = 0;   // Year, MastersAge, RelayTotalAge
    char letter = 0;  // ClassLetter, in capitals
    bool operator==(const AgeGroup&) const = default;
};
std::optional<AgeGroup> ParseAgeGroup(std::string_view text, bool byYear);

// Zeichen J/N, in either case.
std::optional<bool> ParseYesNo(std::string_view text);

}  // namespace natarix::dsv678
