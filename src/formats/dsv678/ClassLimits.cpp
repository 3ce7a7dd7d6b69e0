#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "Mapping.h"
#include "dsv678/Values.h"

namespace natarix::dsv678 {

namespace {

constexpr std::int32_t kNoLimitBelow = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kNoLimitAbove = std::numeric_limits<std::int32_t>::max();

using Kind = AgeGroup::Kind;

// The two JGAK texts of a class. The maximum defaults to the minimum. A
// text the grammar could not read (it has warned) counts as "0": open, so
// that a slip of the organiser bars nobody the organiser meant to admit.
struct Bounds {
    AgeGroup minimum;
    AgeGroup maximum;
};

Bounds ReadBounds(const ScoringClass& scoringClass, bool byYear)
{
    const AgeGroup minimum = ParseAgeGroup(scoringClass.minimum, byYear).value_or(AgeGroup{});
    if (scoringClass.maximum.empty())
        return {minimum, minimum};
    return {minimum, ParseAgeGroup(scoringClass.maximum, byYear).value_or(AgeGroup{})};
}

// The two ages a youth class letter stands for.
std::pair<std::int32_t, std::int32_t> LetterAges(char letter)
{
    const std::int32_t lowest = YouthClassLowestAge(std::string_view(&letter, 1));
    return {lowest, lowest + 1};
}

// The ages a bound stands for: a Masters class five years from its age.
std::pair<std::int32_t, std::int32_t> BoundAges(const AgeGroup& bound)
{
    return bound.kind == Kind::ClassLetter ? LetterAges(bound.letter) : std::pair{bound.number, bound.number + 4};
}

// JG: the minimum is the oldest year, the maximum the youngest; 0 leaves
// its end open ("0" as maximum: "und jünger"). Two years in the wrong
// order still mean the years between them.
void SetYearLimits(ScoringClass& scoringClass)
{
    const auto [minimum, maximum] = ReadBounds(scoringClass, true);
    const bool fromOpen = minimum.kind == Kind::Open;
    const bool toOpen = maximum.kind == Kind::Open;
    if (fromOpen && toOpen) {
        scoringClass.kind = ScoringClass::Kind::Everyone;
        return;
    }
    scoringClass.kind = ScoringClass::Kind::YearRange;
    scoringClass.yearFrom = fromOpen ? kNoLimitBelow : minimum.number;
    scoringClass.yearTo = toOpen ? kNoLimitAbove : maximum.number;
    if (!fromOpen && !toOpen && scoringClass.yearFrom > scoringClass.yearTo)
        std::swap(scoringClass.yearFrom, scoringClass.yearTo);
}

// AK: the minimum is the oldest class, the maximum the youngest; 0 leaves
// its end open. Either order is taken.
void SetAgeLimits(ScoringClass& scoringClass)
{
    const auto [minimum, maximum] = ReadBounds(scoringClass, false);
    if (minimum.kind == Kind::RelayTotalAge || maximum.kind == Kind::RelayTotalAge) {
        // "80+": the least total age of the relay's swimmers; the class
        // keeps the least totals it names.
        scoringClass.kind = ScoringClass::Kind::RelayTotalAge;
        const bool bothNamed = minimum.kind == Kind::RelayTotalAge && maximum.kind == Kind::RelayTotalAge;
        const AgeGroup& named = minimum.kind == Kind::RelayTotalAge ? minimum : maximum;
        scoringClass.age = bothNamed ? std::min(minimum.number, maximum.number) : named.number;
        scoringClass.ageTo = bothNamed ? std::max(minimum.number, maximum.number) : named.number;
        return;
    }
    if (minimum.kind == Kind::ClassLetter && minimum == maximum) {
        scoringClass.kind = ScoringClass::Kind::YouthClass;
        scoringClass.classLetter = std::string(1, minimum.letter);
        return;
    }
    const bool olderOpen = minimum.kind == Kind::Open;
    const bool youngerOpen = maximum.kind == Kind::Open;
    if (olderOpen && youngerOpen) {
        scoringClass.kind = ScoringClass::Kind::Everyone;
        return;
    }
    scoringClass.kind = ScoringClass::Kind::AgeRange;
    if (olderOpen) {
        scoringClass.age = BoundAges(maximum).first;
        scoringClass.ageTo = kNoLimitAbove;
    } else if (youngerOpen) {
        scoringClass.age = 0;
        scoringClass.ageTo = BoundAges(minimum).second;
    } else {
        const auto [minimumFrom, minimumTo] = BoundAges(minimum);
        const auto [maximumFrom, maximumTo] = BoundAges(maximum);
        scoringClass.age = std::min(minimumFrom, maximumFrom);
        scoringClass.ageTo = std::max(minimumTo, maximumTo);
    }
}

}  // namespace

void SetClassLimits(ScoringClass& scoringClass)
{
    // The grammar refuses any other Wertungsklasse Typ than JG and AK.
    if (scoringClass.type == "AK")
        SetAgeLimits(scoringClass);
    else
        SetYearLimits(scoringClass);
}

}  // namespace natarix::dsv678
