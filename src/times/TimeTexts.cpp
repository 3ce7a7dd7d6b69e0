#include "times/TimeTexts.h"

#include <cstdio>

#include "dsv678/Values.h"

namespace natarix {

std::optional<std::int64_t> SwimTimeHundredths(std::string_view text)
{
    const auto swum = dsv678::ParseSwimTime(text.size() == 8 ? "00:" + std::string(text) : std::string(text));
    if (!swum)
        return std::nullopt;
    return swum->InHundredths();
}

namespace {

struct Parts {
    long long hours, minutes, seconds, hundredths;
};

Parts PartsOf(std::int64_t hundredths)
{
    const long long all = hundredths < 0 ? 0 : hundredths;
    return {all / 360000, all / 6000 % 60, all / 100 % 60, all % 100};
}

}  // namespace

std::string ListTimeText(std::int64_t hundredths)
{
    const Parts p = PartsOf(hundredths);
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld,%02lld", p.hours % 100, p.minutes, p.seconds, p.hundredths);
    return text;
}

std::string EntryTimeText(std::int64_t hundredths)
{
    const Parts p = PartsOf(hundredths);
    if (p.hours > 0)
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "%02lld:%02lld,%02lld", p.minutes, p.seconds, p.hundredths);
    return text;
}

std::string ShownTimeText(std::int64_t hundredths)
{
    const Parts p = PartsOf(hundredths);
    char text[32];
    if (p.hours > 0)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld,%02lld", p.hours, p.minutes, p.seconds, p.hundredths);
    else if (p.minutes > 0)
        std::snprintf(text, sizeof text, "%lld:%02lld,%02lld", p.minutes, p.seconds, p.hundredths);
    else
        std::snprintf(text, sizeof text, "%lld,%02lld", p.seconds, p.hundredths);
    return text;
}

}  // namespace natarix
