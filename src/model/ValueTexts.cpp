#include "model/ValueTexts.h"

#include <algorithm>

#include <limits>

namespace natarix {

namespace {

constexpr std::int64_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax32 = std::numeric_limits<std::int32_t>::max();

std::int32_t Saturate(std::int64_t value)
{
    return static_cast<std::int32_t>(value < kMin32 ? kMin32 : value > kMax32 ? kMax32 : value);
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::int32_t NumberValue(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    // Past 2^32 the value is saturated anyway; stop growing it there.
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (magnitude <= kMax32 + 1)
            magnitude = magnitude * 10 + (text[i] - '0');
    return Saturate(negative ? -magnitude : magnitude);
}

std::string TrimRight(std::string_view text)
{
    std::size_t size = text.size();
    while (size > 0 && (text[size - 1] == ' ' || text[size - 1] == '\t'))
        --size;
    return std::string(text.substr(0, size));
}

std::int32_t ParseAmount(std::string_view text)
{
    std::string_view amount = text;
    std::int64_t sign = 1;
    if (const auto plus = text.find('+'); plus != std::string_view::npos) {
        amount = text.substr(plus + 1);
    } else if (const auto minus = text.find('-'); minus != std::string_view::npos) {
        amount = text.substr(minus + 1);
        sign = -1;
    }
    const std::string trimmed = TrimRight(amount);
    const std::string_view amountText = trimmed;
    std::int64_t euros = 0;
    std::int64_t cents = 0;
    if (const auto comma = amountText.find(','); comma != std::string_view::npos) {
        euros = NumberValue(amountText.substr(0, comma));
        cents = NumberValue(amountText.substr(comma + 1));
    } else {
        euros = NumberValue(amountText);
    }
    return Saturate(sign * (euros * 100 + cents));
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace natarix
