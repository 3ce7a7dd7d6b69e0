#include "model/Event.h"

#include <algorithm>

#include "model/Participant.h"
#include "model/ValueTexts.h"

namespace natarix {

namespace {

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// The lower end of the two ages a youth class letter stands for; 0 for none.
int YouthClassLowestAge(std::string_view letter)
{
    static constexpr std::pair<std::string_view, int> kClasses[] = {
        {"J", 18}, {"A", 16}, {"B", 14}, {"C", 12}, {"D", 10}, {"E", 8},
    };
    for (const auto& [name, lowest] : kClasses)
        if (letter == name)
            return lowest;
    return 0;
}

}  // namespace

bool ScoringClass::Matches(const Participant& swimmer) const
{
    const std::int64_t year = swimmer.yearOfBirth;
    const std::int64_t swimmerAge = std::int64_t{competitionYear} - year;
    switch (kind) {
        case Everyone:
            return true;
        case YearRange:
            return yearFrom <= year && year <= yearTo;
        case AgeBand:
            return orOlder ? swimmerAge >= age : age <= swimmerAge && swimmerAge <= std::int64_t{age} + 4;
        case YouthClass: {
            const int lowest = YouthClassLowestAge(classLetter);
            return lowest != 0 && (swimmerAge == lowest || swimmerAge == lowest + 1);
        }
        default:
            return false;
    }
}

EventDescription SplitEventDescription(std::string_view description)
{
    EventDescription parts;
    std::size_t marker = description.find('x');
    if (marker == std::string_view::npos)
        marker = description.find('*');
    std::string_view count = "1";
    std::string_view rest = description;
    if (marker != std::string_view::npos) {
        count = description.substr(0, marker);
        rest = description.substr(marker + 1);
    }
    parts.swimmerCount = TrimRight(count);
    const std::size_t firstSpace = rest.find(' ');
    parts.distance = TrimRight(rest.substr(0, firstSpace));
    if (firstSpace != std::string_view::npos) {
        const std::string_view afterFirst = rest.substr(firstSpace + 1);
        const std::size_t secondSpace = afterFirst.find(' ');
        parts.technique = TrimRight(afterFirst.substr(0, secondSpace));
        if (secondSpace != std::string_view::npos)
            parts.sex = TrimRight(afterFirst.substr(secondSpace + 1));
    }
    return parts;
}

bool Event::Admits(const Participant& swimmer) const
{
    return swimmerCount == "1" && !WhyMayNotEnter(swimmer, *this).Any();
}

std::string Event::Description() const
{
    std::string text = swimmerCount == "1" ? std::string() : swimmerCount + "x";
    text.append(distance).append(" ").append(technique).append(" ").append(sex);
    return text;
}

EntryBar WhyMayNotEnter(const Participant& participant, const Event& event)
{
    EntryBar bar;
    const bool isTeam = participant.isTeam == 1;
    if (event.IsRelay()) {
        bar.relay = !isTeam;
        return bar;
    }
    if (isTeam) {
        bar.individual = true;
        return bar;
    }
    bar.sex = event.sex != "X" && !EqualIgnoringAsciiCase(event.sex, participant.sex);
    bar.year = std::none_of(event.scoringClasses.begin(), event.scoringClasses.end(),
                            [&](const ScoringClass& scoringClass) { return scoringClass.Matches(participant); });
    return bar;
}

std::string EntryBarText(const EntryBar& bar)
{
    if (bar.relay)
        return "Staffel";
    if (bar.individual)
        return "Einzelwettkampf";
    if (bar.sex && bar.year)
        return "Geschlecht, Jahrgang";
    return bar.sex ? "Geschlecht" : bar.year ? "Jahrgang" : std::string();
}

bool MayEnter(const Participant& participant, const Event& event)
{
    return !WhyMayNotEnter(participant, event).Any();
}

}  // namespace natarix
