#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace natarix {

// A date TT.MM.JJJJ as the lists spell it. The text stays as given: the entry
// lists copy it back byte for byte, and dates compare part by part (year,
// month, day), each part as the text that stands at its place, possibly
// nothing.
class Date {
public:
    Date() = default;
    Date(std::string text) : text_(std::move(text)) {}
    Date(const char* text) : text_(text) {}

    const std::string& text() const { return text_; }
    bool IsEarlierThan(const Date& other) const;
    // The year (characters 7 to 10) as a number.
    std::int32_t Year() const;
    // Days since 01.01.1970 for a text that is a real date TT.MM.JJJJ;
    // nothing for any other text, so that "31.02.2027" counts no days.
    std::optional<std::int64_t> DayNumber() const;

    bool operator==(const Date&) const = default;

private:
    std::string text_;
};

}  // namespace natarix
