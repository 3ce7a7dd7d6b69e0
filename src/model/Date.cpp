#include "model/Date.h"

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

}  // namespace natarix
