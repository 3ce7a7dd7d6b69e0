#include <algorithm>

#include "Checks.h"
#include "model/Labels.h"
#include "model/ValueTexts.h"

namespace natarix::check {

namespace {

using Severity = Finding::Severity;

// The greatest total age a Masters relay class takes: the one it names, or
// where only its least total is named ("80+"), one below the next class of
// the event; the highest class is open.
std::int64_t GreatestTotal(const ScoringClass& scoring, const Event& event)
{
    if (scoring.ageTo > scoring.age)
        return scoring.ageTo;
    std::int64_t next = INT64_MAX;
    for (const ScoringClass& other : event.scoringClasses)
        if (other.kind == ScoringClass::Kind::RelayTotalAge && other.age > scoring.age)
            next = std::min<std::int64_t>(next, other.age);
    return next == INT64_MAX ? next : next - 1;
}

// The ages the swimmers reach in the competition's year, added up.
std::int64_t TotalAge(std::int32_t competitionYear, const std::vector<const Swimmer*>& swimmers)
{
    std::int64_t total = 0;
    for (const Swimmer* swimmer : swimmers)
        total += std::int64_t{competitionYear} - swimmer->yearOfBirth;
    return total;
}

bool LineUpFits(const ScoringClass& scoring, const Event& event, const std::vector<const Swimmer*>& swimmers)
{
    if (scoring.kind != ScoringClass::Kind::RelayTotalAge)
        return std::all_of(swimmers.begin(), swimmers.end(),
                           [&](const Swimmer* swimmer) { return scoring.Matches(*swimmer); });
    const std::int64_t total = TotalAge(scoring.competitionYear, swimmers);
    return scoring.age <= total && total <= GreatestTotal(scoring, event);
}

}  // namespace

std::vector<const ScoringClass*> ClassesOf(const Team& team, const Event& event)
{
    std::vector<const ScoringClass*> classes;
    for (const ScoringClass& scoring : event.scoringClasses)
        if (team.classType.empty() || (EqualIgnoringAsciiCase(scoring.type, team.classType) &&
                                       EqualIgnoringAsciiCase(scoring.minimum, team.classMinimum) &&
                                       EqualIgnoringAsciiCase(scoring.maximum, team.classMaximum)))
            classes.push_back(&scoring);
    return classes;
}

void CheckLineUp(const Context& context, const Team& team, const Event& event, Findings& findings)
{
    // A relay without any line-up may still name its swimmers at the pool.
    const auto lineUp = team.lineUps.find(NumberKey(event.number));
    if (lineUp == team.lineUps.end())
        return;
    const Finding entry{Severity::Error, TeamName(team) + " – " + EventLabel(event) + ": ", {}, &team, event.number};
    const auto add = [&](Severity severity, const std::string& what, const char* advice) {
        Finding finding = entry;
        finding.severity = severity;
        finding.text += what;
        finding.advice = advice;
        findings.push_back(std::move(finding));
    };
    const std::size_t legs = std::max<std::size_t>(
        lineUp->second.size(), static_cast<std::size_t>(std::max(0, NumberValue(event.swimmerCount))));
    std::vector<const Swimmer*> swimmers;
    std::vector<const Swimmer*> distinct;  // in the order of their legs
    for (const std::int32_t id : lineUp->second)
        if (const Swimmer* swimmer = context.entries.FindSwimmer(id); swimmer != nullptr) {
            const auto times = std::count(swimmers.begin(), swimmers.end(), swimmer);
            swimmers.push_back(swimmer);
            if (times == 0)
                distinct.push_back(swimmer);
            else if (times == 1)
                add(Severity::Error, SwimmerLabel(*swimmer) + " steht mehrmals in der Aufstellung",
                    "Die Aufstellung der Staffel berichtigen.");
        }
    if (swimmers.size() < legs)
        add(Severity::Warning,
            "In der Aufstellung fehlen " + std::to_string(legs - swimmers.size()) + " von " + std::to_string(legs) +
                " Schwimmern",
            "Die Aufstellung vervollständigen oder sie am Wettkampftag nachreichen.");
    for (const Swimmer* swimmer : distinct)
        if (!event.IsOpenTo(swimmer->sex))
            add(Severity::Error, SwimmerLabel(*swimmer) + " darf nach dem Geschlecht nicht mitschwimmen",
                "Einen anderen Schwimmer aufstellen.");
    const std::vector<const ScoringClass*> classes = ClassesOf(team, event);
    // The total age of a Masters relay needs every leg; the other classes
    // judge each swimmer named so far.
    const bool totalAge = std::any_of(classes.begin(), classes.end(), [](const ScoringClass* scoring) {
        return scoring->kind == ScoringClass::Kind::RelayTotalAge;
    });
    if (classes.empty() || swimmers.empty() || (totalAge && swimmers.size() < legs))
        return;
    if (std::none_of(classes.begin(), classes.end(),
                     [&](const ScoringClass* scoring) { return LineUpFits(*scoring, event, swimmers); }))
        add(Severity::Error,
            totalAge ? "Das Gesamtalter " + std::to_string(TotalAge(classes.front()->competitionYear, swimmers)) +
                           " passt zu keiner Wertungsklasse der Staffel"
                     : std::string("Die Jahrgänge der Aufstellung passen zu keiner Wertungsklasse der Staffel"),
            "Andere Schwimmer aufstellen oder bei der Staffel die passende Klasse wählen.");
}

}  // namespace natarix::check
