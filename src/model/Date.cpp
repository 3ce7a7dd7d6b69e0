#include "model/Date.h"

#include <chrono>
#include <string_view>

#include "model/ValueTexts.h"

namespace natarix {

namespace {

// Characters `from` (counted from 1) to `from + count - 1`, as far as they exist.
std::string_view Part(std::string_view date, std::size_t from, std::size_t count)
{
    if (from - 1 >= date.size())
        return {};
    return date.substr(from - 1, count);
}

}  // namespace

bool Date::IsEarlierThan(const Date& other) const
{
    constexpr std::pair<std::size_t, std::size_t> kParts[] = {{7, 4}, {4, 2}, {1, 2}};
    for (const auto& [from, count] : kParts) {
        const int order = Part(text_, from, count).compare(Part(other.text_, from, count));
        if (order != 0)
            return order < 0;
    }
    return false;
}

std::int32_t Date::Year() const
{
    return NumberValue(Part(text_, 7, 4));
}

std::optional<std::int64_t> Date::DayNumber() const
{
    if (text_.size() != 10 || text_[2] != '.' || text_[5] != '.')
        return std::nullopt;
    for (const std::size_t digit : {0, 1, 3, 4, 6, 7, 8, 9})
        if (text_[digit] < '0' || text_[digit] > '9')
            return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(Year()),
                                           std::chrono::month(static_cast<unsigned>(NumberValue(Part(text_, 4, 2)))),
                                           std::chrono::day(static_cast<unsigned>(NumberValue(Part(text_, 1, 2))))};
    if (!date.ok())
        return std::nullopt;
    return std::chrono::sys_days(date).time_since_epoch().count();
}

}  // namespace natarix
