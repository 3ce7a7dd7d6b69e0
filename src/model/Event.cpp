#include "model/Event.h"

#include <algorithm>

#include "model/Labels.h"
#include "model/ValueTexts.h"

namespace natarix {

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

bool ScoringClass::Matches(const Swimmer& swimmer) const
{
    // A class with a sex of its own takes only that sex; "X" and none take both.
    if (!sex.empty() && sex != "X" && sex != "x" && !EqualIgnoringAsciiCase(sex, SexLetter(swimmer.sex)))
        return false;
    const std::int64_t year = swimmer.yearOfBirth;
    // The age that counts is the one reached in the year of the event's
    // section (its year minus the year of birth), not the age on the day:
    // the DSV classes go by year of birth, so that a swimmer stays in one
    // class for the whole season and the organiser needs no birthdays.
    const std::int64_t swimmerAge = std::int64_t{competitionYear} - year;
    switch (kind) {
        case Kind::AgeRange:
            return age <= swimmerAge && swimmerAge <= ageTo;
        case Kind::RelayTotalAge:
            return false;
        case Kind::Everyone:
            return true;
        case Kind::YearRange:
            return yearFrom <= year && year <= yearTo;
        case Kind::AgeBand:
            return orOlder ? swimmerAge >= age : age <= swimmerAge && swimmerAge <= std::int64_t{age} + 4;
        case Kind::YouthClass: {
            const int lowest = YouthClassLowestAge(classLetter);
            return lowest != 0 && (swimmerAge == lowest || swimmerAge == lowest + 1);
        }
    }
    return false;
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

const MandatoryTime* Event::MandatoryTimeFor(const Swimmer& swimmer) const
{
    for (const MandatoryTime& mandatory : mandatoryTimes)
        if (mandatory.swimmers.Matches(swimmer))
            return &mandatory;
    return nullptr;
}

bool Event::Admits(const Swimmer& swimmer) const
{
    return !IsRelay() && !WhyMayNotEnter(swimmer, *this).Any();
}

bool Event::IsOpenTo(Sex swimmerSex) const
{
    return sex == "X" || EqualIgnoringAsciiCase(sex, SexLetter(swimmerSex));
}

std::string Event::Description() const
{
    std::string text = IsRelay() ? swimmerCount + "x" : std::string();
    text.append(distance).append(" ").append(technique).append(" ").append(sex);
    return text;
}

EntryBar WhyMayNotEnter(const Swimmer& swimmer, const Event& event)
{
    EntryBar bar;
    if (!TakesEntries(event.round)) {
        bar.round = true;
        return bar;
    }
    if (event.IsRelay()) {
        bar.relay = true;
        return bar;
    }
    bar.sex = !event.IsOpenTo(swimmer.sex);
    // An event of formats 6 to 8 without any WERTUNG is open to every age:
    // the DSV standard ties eligibility to no class there, and organisers
    // leave the classes out of open events. In format 5 it admits nobody,
    // as it always has.
    if (event.round != Round::None && event.scoringClasses.empty())
        return bar;
    bar.year = std::none_of(event.scoringClasses.begin(), event.scoringClasses.end(),
                            [&](const ScoringClass& scoringClass) { return scoringClass.Matches(swimmer); });
    return bar;
}

EntryBar WhyMayNotEnter(const Team&, const Event& event)
{
    EntryBar bar;
    bar.round = !TakesEntries(event.round);
    bar.individual = !bar.round && !event.IsRelay();
    return bar;
}

EntryBar WhyMayNotEnter(ParticipantRef participant, const Event& event)
{
    return std::visit([&](const auto* p) { return WhyMayNotEnter(*p, event); }, participant);
}

std::string EntryBarText(const EntryBar& bar)
{
    if (bar.round)
        return "Runde";
    if (bar.relay)
        return "Staffel";
    if (bar.individual)
        return "Einzelwettkampf";
    if (bar.sex && bar.year)
        return "Geschlecht, Jahrgang";
    return bar.sex ? "Geschlecht" : bar.year ? "Jahrgang" : std::string();
}

}  // namespace natarix
