#include "model/Labels.h"

namespace natarix {

std::string_view SexLetter(Sex sex)
{
    switch (sex) {
        case Sex::Male:
            return "M";
        case Sex::Female:
            return "W";
        case Sex::Diverse:
            return "D";
    }
    return "W";
}

std::string TeamLabel(const Team& team)
{
    return team.teamNumber + ". Mannschaft";
}

std::string EventLabel(const Event& event)
{
    return "Wettkampf " + event.number + " (" + event.Description() + ")";
}

std::string SwimmerLabel(const Swimmer& swimmer)
{
    return swimmer.surname + ", " + swimmer.firstName + " (" + std::to_string(swimmer.yearOfBirth) + ")";
}

std::string TeamClassLabel(const Team& team)
{
    if (team.classType.empty())
        return {};
    return team.classType + " " + team.classMinimum + (team.classMaximum.empty() ? "" : "–" + team.classMaximum);
}

std::string DistanceLabel(const Event& event, bool withSwimmerCount)
{
    const std::string countPrefix = withSwimmerCount ? event.swimmerCount + "x" : std::string();
    return countPrefix + event.distance + "m " + event.technique;
}

std::string ExerciseAndRound(const Event& event)
{
    std::string text = event.exercise == "GL" ? std::string() : event.exercise;
    if (event.round != Round::None && event.round != Round::Decider)
        text.append(text.empty() ? "" : " ").append(RoundName(event.round));
    return text;
}

std::string SectionNumbersText(const Official& official)
{
    std::string text;
    for (std::size_t i = 0; i < official.sectionNumbers.size(); ++i)
        text.append(i == 0 ? "" : ";").append(official.sectionNumbers[i]);
    return text;
}

std::string FirstDayText(const std::optional<Date>& earliest)
{
    const Date bound("31.12.9999");
    return earliest && earliest->IsEarlierThan(bound) ? earliest->text() : bound.text();
}

std::string LastDayText(const std::optional<Date>& latest)
{
    const Date bound("01.01.0000");
    return latest && bound.IsEarlierThan(*latest) ? latest->text() : bound.text();
}

}  // namespace natarix
