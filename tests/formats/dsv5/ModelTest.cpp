#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "model/ClubEntries.h"
#include "model/ImpossibleEntries.h"
#include "model/Labels.h"
#include "model/MeetDefinition.h"

namespace natarix {
namespace {

using test::MakeEvent;
using test::MakeSection;

Swimmer SwimmerBorn(std::int32_t year, Sex sex = Sex::Male)
{
    Swimmer swimmer;
    swimmer.yearOfBirth = year;
    swimmer.sex = sex;
    return swimmer;
}

ScoringClass Class(ScoringClass::Kind kind, std::int32_t competitionYear)
{
    ScoringClass k;
    k.kind = kind;
    k.competitionYear = competitionYear;
    return k;
}

TEST(ScoringClass, MatchesByKind)
{
    ScoringClass band20 = Class(ScoringClass::Kind::AgeBand, 2006);
    band20.age = 20;
    ScoringClass from20 = band20;
    from20.orOlder = true;
    ScoringClass range = Class(ScoringClass::Kind::YearRange, 2006);
    range.yearFrom = 1990, range.yearTo = 1995;
    ScoringClass highToLow = range;
    highToLow.yearFrom = 1995, highToLow.yearTo = 1990;
    const auto youth = [](std::string letter) {
        ScoringClass k = Class(ScoringClass::Kind::YouthClass, 2006);
        k.classLetter = std::move(letter);
        return k;
    };
    ScoringClass hugeBand = Class(ScoringClass::Kind::AgeBand, 0);
    hugeBand.age = std::numeric_limits<std::int32_t>::max();
    const auto ages = [](ScoringClass::Kind kind, std::int32_t from, std::int32_t to, std::string sex = {}) {
        ScoringClass k = Class(kind, 2026);
        k.age = from, k.ageTo = to, k.sex = std::move(sex);
        return k;
    };

    struct Case {
        const char* what;
        ScoringClass k;
        std::vector<std::int32_t> matching, notMatching;
    };
    const Case cases[] = {
        {"everyone", Class(ScoringClass::Kind::Everyone, 2006), {1900, 2006, -5}, {}},
        {"unknown kind", Class(static_cast<ScoringClass::Kind>(99), 2006), {}, {1900, 1990, 2006}},
        {"negative kind", Class(static_cast<ScoringClass::Kind>(-1), 2006), {}, {1990}},
        {"JG 1990-1995", range, {1990, 1993, 1995}, {1989, 1996}},
        {"JG 1995-1990", highToLow, {}, {1989, 1990, 1992, 1995, 1996}},
        {"AK 20", band20, {1982, 1984, 1986}, {1981, 1987}},
        {"AK 20+", from20, {1986, 1950, 1900}, {1987, 2000}},
        {"AK J", youth("J"), {1987, 1988}, {1986, 1989}},
        {"AK A", youth("A"), {1989, 1990}, {1988, 1991}},
        {"AK B", youth("B"), {1991, 1992}, {1990, 1993}},
        {"AK C", youth("C"), {1993, 1994}, {1992, 1995}},
        {"AK D", youth("D"), {1995, 1996}, {1994, 1997}},
        {"AK E", youth("E"), {1997, 1998}, {1996, 1999}},
        {"AK F", youth("F"), {}, {1990, 1996, 2000}},
        {"AK b", youth("b"), {}, {1991, 1992}},
        {"AK max, no overflow", hugeBand, {std::numeric_limits<std::int32_t>::min()}, {0, 2006}},
        {"ages 20-34", ages(ScoringClass::Kind::AgeRange, 20, 34), {2006, 1992}, {2007, 1991}},
        {"ages 10-11 of a class for men", ages(ScoringClass::Kind::AgeRange, 10, 11, "M"), {2015, 2016}, {2014}},
        {"a class for women", ages(ScoringClass::Kind::AgeRange, 0, 200, "W"), {}, {2000}},
        {"a class for everyone, x", ages(ScoringClass::Kind::AgeRange, 0, 200, "x"), {2000}, {}},
        {"a class for the diverse", ages(ScoringClass::Kind::AgeRange, 0, 200, "D"), {}, {2000}},
        {"relay total age", ages(ScoringClass::Kind::RelayTotalAge, 80, 99), {}, {1946, 2000}},
    };
    for (const Case& c : cases) {
        for (const std::int32_t year : c.matching)
            EXPECT_TRUE(c.k.Matches(SwimmerBorn(year))) << c.what << ", born " << year;
        for (const std::int32_t year : c.notMatching)
            EXPECT_FALSE(c.k.Matches(SwimmerBorn(year))) << c.what << ", born " << year;
    }
}

TEST(Event, AdmitsIndividualsBySexAndClass)
{
    const auto event = [](std::string count, std::string sex, std::vector<ScoringClass> classes) {
        Event e = MakeEvent("1", "1", std::move(count), "100", "F", std::move(sex));
        for (ScoringClass& k : classes)
            e.AddScoringClass(std::move(k));
        return e;
    };
    const ScoringClass all = Class(ScoringClass::Kind::Everyone, 2006);
    ScoringClass old = Class(ScoringClass::Kind::YearRange, 2006);
    old.yearFrom = old.yearTo = 1950;
    const Swimmer man = SwimmerBorn(1993, Sex::Male);
    const Swimmer woman = SwimmerBorn(1993, Sex::Female);

    struct Case {
        const char* what;
        Event e;
        const Swimmer& swimmer;
        bool admitted;
    };
    const Case cases[] = {
        {"X, everyone, m", event("1", "X", {all}), man, true},
        {"X, everyone, w", event("1", "X", {all}), woman, true},
        {"M admits m", event("1", "M", {all}), man, true},
        {"M refuses w", event("1", "M", {all}), woman, false},
        {"W admits w", event("1", "W", {all}), woman, true},
        {"w admits w", event("1", "w", {all}), woman, true},
        {"m admits M", event("1", "m", {all}), man, true},
        {"w refuses M", event("1", "w", {all}), man, false},
        {"lower-case x is a sex code", event("1", "x", {all}), man, false},
        {"relay 4", event("4", "X", {all}), man, false},
        {"count 01 is a relay", event("01", "X", {all}), man, false},
        {"no classes", event("1", "X", {}), man, false},
        {"second class matches", event("1", "X", {old, all}), man, true},
        {"no class matches", event("1", "X", {old}), man, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.e.Admits(c.swimmer), c.admitted) << c.what;
        EXPECT_EQ(MayEnter(c.swimmer, c.e), c.admitted) << c.what;
    }

    const Team team;
    EXPECT_TRUE(MayEnter(team, event("4", "M", {})));
    EXPECT_TRUE(MayEnter(team, event("01", "X", {old})));
    EXPECT_FALSE(MayEnter(team, event("1", "X", {all})));
    EXPECT_FALSE(MayEnter(team, event("1", "W", {all})));
}

TEST(Event, WhyMayNotEnterNamesEveryBar)
{
    const auto event = [](std::string count, std::string sex, std::int32_t from, std::int32_t to) {
        Event e = MakeEvent("1", "1", std::move(count), "100", "F", std::move(sex));
        ScoringClass k = Class(ScoringClass::Kind::YearRange, 2027);
        k.yearFrom = from;
        k.yearTo = to;
        e.AddScoringClass(k);
        return e;
    };
    const auto inRound = [](Event e, Round round) {
        e.round = round;
        return e;
    };
    const Swimmer woman = SwimmerBorn(2012, Sex::Female);
    const Team team;
    struct Case {
        const char* what;
        ParticipantRef participant;
        Event e;
        std::string reason;  // empty: may enter
    };
    const Case cases[] = {
        {"fine", &woman, event("1", "W", 2010, 2013), ""},
        {"sex", &woman, event("1", "M", 2010, 2013), "Geschlecht"},
        {"year", &woman, event("1", "X", 2000, 2005), "Jahrgang"},
        {"both", &woman, event("1", "M", 2000, 2005), "Geschlecht, Jahrgang"},
        {"swimmer in a relay", &woman, event("4", "W", 2010, 2013), "Staffel"},
        {"team in a relay of the other sex", &team, event("4", "W", 2000, 2005), ""},
        {"team in an individual event", &team, event("1", "X", 1900, 2100), "Einzelwettkampf"},
        {"heats", &woman, inRound(event("1", "W", 2010, 2013), Round::Heats), ""},
        {"decider", &team, inRound(event("4", "W", 2010, 2013), Round::Decider), ""},
        {"final", &woman, inRound(event("1", "W", 2010, 2013), Round::Final), "Runde"},
        {"semi-final of a relay", &team, inRound(event("4", "X", 2000, 2005), Round::SemiFinal), "Runde"},
        {"swim-off, other sex", &woman, inRound(event("1", "M", 2010, 2013), Round::SwimOff), "Runde"},
    };
    for (const Case& c : cases) {
        const EntryBar bar = WhyMayNotEnter(c.participant, c.e);
        EXPECT_EQ(EntryBarText(bar), c.reason) << c.what;
        EXPECT_EQ(MayEnter(c.participant, c.e), !bar.Any()) << c.what;
    }
}

TEST(ImpossibleEntries, SkipUnknownEventsAndFollowTheNumbers)
{
    MeetDefinition meet;
    for (const char* number : {"2", "10", "25"}) {
        Event e = MakeEvent(number, "1", "1", "50", "B", number == std::string("25") ? "M" : "W");
        e.AddScoringClass(Class(ScoringClass::Kind::Everyone, 2027));
        meet.AddEvent(std::move(e));
    }
    auto swimmer = std::make_unique<Swimmer>();
    swimmer->surname = "Meier";
    swimmer->firstName = "Anna";
    swimmer->sex = Sex::Male;
    for (const char* number : {"25", "10", "99", "02"})
        swimmer->SetEntry(number, "00:40,00");

    const std::vector<ImpossibleEntry> found = ImpossibleEntriesOf(meet, swimmer.get());
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(ImpossibleEntryLine(found[0]), "Wettkampf 2 (50 B W): Geschlecht");
    EXPECT_EQ(ImpossibleEntryLine(found[1]), "Wettkampf 10 (50 B W): Geschlecht");
}

TEST(Participant, SetEntryKeysByNumberValue)
{
    Swimmer swimmer;
    swimmer.SetEntry("07", "01:00,00");
    swimmer.SetEntry("7", "00:59,00");
    ASSERT_EQ(swimmer.entries.size(), 1u);
    EXPECT_EQ(swimmer.entries.begin()->first, "7");
    EXPECT_EQ(swimmer.EntryTime("07"), "00:59,00");
    EXPECT_EQ(swimmer.EntryTime("8"), "");

    swimmer.SetEntry("8", "");
    EXPECT_EQ(swimmer.entries.size(), 1u);
    swimmer.SetEntry("10", "02:00,00");
    swimmer.SetEntry("2", "00:30,00");
    swimmer.SetEntry("1", "00:35,00");
    std::string order;
    for (const auto& [number, time] : swimmer.entries)
        order += number + " ";
    EXPECT_EQ(order, "1 2 7 10 ");

    swimmer.SetEntry("007", "");
    EXPECT_EQ(swimmer.EntryTime("7"), "");
    EXPECT_EQ(swimmer.entries.size(), 3u);
}

TEST(ClubEntries, CountsAndRemovesOnlyTheGivenMember)
{
    ClubEntries entries;
    EXPECT_EQ(entries.CountIndividualEntries(), 0);
    Swimmer* first = entries.AddSwimmer(std::make_unique<Swimmer>());
    Swimmer* second = entries.AddSwimmer(std::make_unique<Swimmer>());  // same data, another member
    Swimmer* third = entries.AddSwimmer(std::make_unique<Swimmer>());
    EXPECT_EQ(entries.CountIndividualEntries(), 0);
    first->SetEntry("1", "01:00,00");
    second->SetEntry("1", "01:00,00");
    second->SetEntry("2", "01:00,00");
    Team* teamA = entries.AddTeam(std::make_unique<Team>());
    Team* teamB = entries.AddTeam(std::make_unique<Team>());
    teamB->SetEntry("10", "02:00,00");
    EXPECT_EQ(entries.CountIndividualEntries(), 3);
    EXPECT_EQ(entries.CountRelayEntries(), 1);

    const Swimmer stranger;
    entries.RemoveSwimmer(&stranger);
    entries.RemoveSwimmer(nullptr);
    ASSERT_EQ(entries.swimmers().size(), 3u);
    entries.RemoveSwimmer(second);
    ASSERT_EQ(entries.swimmers().size(), 2u);
    EXPECT_EQ(entries.swimmers()[0].get(), first);
    EXPECT_EQ(entries.swimmers()[1].get(), third);
    EXPECT_EQ(entries.CountIndividualEntries(), 1);

    entries.RemoveTeam(teamB);
    ASSERT_EQ(entries.teams().size(), 1u);
    EXPECT_EQ(entries.teams()[0].get(), teamA);
    EXPECT_EQ(entries.CountRelayEntries(), 0);

    Official* o1 = entries.AddOfficial(std::make_unique<Official>());
    Official* o2 = entries.AddOfficial(std::make_unique<Official>());
    Official* o3 = entries.AddOfficial(std::make_unique<Official>());
    const Official strangerOfficial;
    entries.RemoveOfficial(&strangerOfficial);
    entries.RemoveOfficial(o1);
    ASSERT_EQ(entries.officials().size(), 2u);
    EXPECT_EQ(entries.officials()[0].get(), o2);
    EXPECT_EQ(entries.officials()[1].get(), o3);
}

TEST(ClubEntries, HandsOutFreeMeetIdsAndEmptiesTheLegsOfARemovedSwimmer)
{
    ClubEntries entries;
    auto kept = std::make_unique<Swimmer>();
    kept->meetId = 7;
    Swimmer* seven = entries.AddSwimmer(std::move(kept));
    Swimmer* next = entries.AddSwimmer(std::make_unique<Swimmer>());
    auto clash = std::make_unique<Swimmer>();
    clash->meetId = 7;
    Swimmer* moved = entries.AddSwimmer(std::move(clash));
    EXPECT_EQ(seven->meetId, 7);
    EXPECT_EQ(next->meetId, 8);
    EXPECT_EQ(moved->meetId, 9);
    EXPECT_EQ(entries.AddTeam(std::make_unique<Team>())->meetId, 9001);

    Team* team = entries.teams().front().get();
    team->lineUps[NumberKey("2")] = {7, 8, 9, 7};
    entries.RemoveSwimmer(seven);
    EXPECT_EQ(team->lineUps.at(NumberKey("2")), (std::vector<std::int32_t>{0, 8, 9, 0}));
    EXPECT_EQ(entries.AddSwimmer(std::make_unique<Swimmer>())->meetId, 10) << "an id is never handed out twice";

    // The largest number there is, as a file may give it: no overflow.
    auto largest = std::make_unique<Swimmer>();
    largest->meetId = std::numeric_limits<std::int32_t>::max();
    entries.AddSwimmer(std::move(largest));
    EXPECT_EQ(entries.AddSwimmer(std::make_unique<Swimmer>())->meetId, 1);
}

TEST(ClubEntries, NamesCoachesByNameWithTheNextFreeNumber)
{
    constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
    const struct {
        const char* label;
        std::vector<Coach> coaches;
        std::string name;
        std::int32_t number;
        std::size_t coachesAfter;
    } cases[] = {
        {"no name, no coach", {{3, "Lehmann"}}, "", 0, 1},
        {"a known name", {{3, "Lehmann"}, {5, "Schulz"}}, "Schulz", 5, 2},
        {"the name in other case is another coach", {{3, "Lehmann"}}, "lehmann", 4, 2},
        {"the first coach", {}, "Lehmann", 1, 1},
        {"above the highest, not after the last", {{7, "Lehmann"}, {2, "Schulz"}}, "Neu", 8, 3},
        {"after the largest number there is, the lowest free one", {{kLargest, "A"}, {1, "B"}}, "Neu", 2, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ClubEntries entries;
        entries.coaches = c.coaches;
        EXPECT_EQ(entries.CoachNumber(c.name), c.number);
        ASSERT_EQ(entries.coaches.size(), c.coachesAfter);
        if (c.coachesAfter > c.coaches.size()) {
            EXPECT_EQ(entries.coaches.back().number, c.number);
            EXPECT_EQ(entries.coaches.back().name, c.name);
        }
    }
}

TEST(MeetDefinition, FindsSectionsAndEventsByNumberValue)
{
    MeetDefinition meet;
    meet.AddSection(MakeSection("10", "13.03.2006", "15:00"));
    meet.AddSection(MakeSection("1", "12.03.2006", "09:00"));
    meet.AddSection(MakeSection("2", "11.03.2006", "09:00"));
    meet.AddSection(MakeSection("01", "01.01.2000", "07:00"));
    meet.AddSection(MakeSection("ohne", "01.01.2001", "07:00"));
    meet.AddSection(MakeSection("0", "01.01.2002", "07:00"));
    std::string order;
    for (const auto& [number, section] : meet.sections())
        order += number + " ";
    EXPECT_EQ(order, "ohne 1 2 10 ");
    EXPECT_EQ(meet.FindSection("01")->number, "1");
    EXPECT_EQ(meet.FindSection("1")->date.text(), "12.03.2006");
    EXPECT_EQ(meet.FindSection(" +1")->date.text(), "12.03.2006");
    EXPECT_EQ(meet.FindSection("0")->number, "ohne");
    EXPECT_EQ(meet.FindSection("1a")->number, "1");
    EXPECT_EQ(meet.FindSection("3"), nullptr);

    meet.AddEvent(MakeEvent("12", "1", "1", "100", "F", "M"));
    meet.AddEvent(MakeEvent("012", "2", "1", "200", "F", "M"));
    EXPECT_EQ(meet.events().size(), 1u);
    EXPECT_EQ(meet.FindEvent("0012")->distance, "100");
    EXPECT_EQ(meet.FindEvent("13"), nullptr);
    const MeetDefinition& constant = meet;
    EXPECT_EQ(constant.FindEvent(""), nullptr);
}

TEST(MeetDefinition, EarliestAndLatestSectionDate)
{
    MeetDefinition meet;
    EXPECT_FALSE(meet.EarliestSectionDate());
    EXPECT_FALSE(meet.LatestSectionDate());
    EXPECT_EQ(FirstDayText(meet.EarliestSectionDate()), "31.12.9999");
    EXPECT_EQ(LastDayText(meet.LatestSectionDate()), "01.01.0000");
    meet.AddSection(MakeSection("1", "12.03.2006", "09:00"));
    EXPECT_EQ(meet.EarliestSectionDate()->text(), "12.03.2006");
    EXPECT_EQ(meet.LatestSectionDate()->text(), "12.03.2006");
    meet.AddSection(MakeSection("2", "11.03.2006", "09:00"));
    meet.AddSection(MakeSection("3", "12.03.2006 nachmittags", "15:00"));  // the same date: no replacement
    EXPECT_EQ(meet.EarliestSectionDate()->text(), "11.03.2006");
    EXPECT_EQ(meet.LatestSectionDate()->text(), "12.03.2006");
    meet.AddSection(MakeSection("4", "31.12.2005", "09:00"));
    meet.AddSection(MakeSection("5", "", "09:00"));
    EXPECT_EQ(meet.EarliestSectionDate()->text(), "");
    EXPECT_EQ(meet.LatestSectionDate()->text(), "12.03.2006");
}

TEST(Labels, FirstAndLastDayNeverPassTheirBounds)
{
    struct Case {
        std::optional<Date> date;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {std::nullopt, "31.12.9999", "01.01.0000"},
        {Date("12.03.2006"), "12.03.2006", "12.03.2006"},
        {Date(""), "", "01.01.0000"},
        // A year that sorts after every digit: the bound stands in for it.
        {Date("01.01.A"), "31.12.9999", "01.01.A"},
        {Date("31.12.9999"), "31.12.9999", "31.12.9999"},
        {Date("01.01.0000"), "01.01.0000", "01.01.0000"},
    };
    for (const Case& c : cases) {
        const std::string shown = c.date ? c.date->text() : "(none)";
        EXPECT_EQ(FirstDayText(c.date), c.first) << shown;
        EXPECT_EQ(LastDayText(c.date), c.last) << shown;
    }
}

TEST(Labels, TextsShownInSeveralPlaces)
{
    EXPECT_EQ(SexLetter(Sex::Male), "M");
    EXPECT_EQ(SexLetter(Sex::Female), "W");
    Team team;
    team.teamNumber = "02";
    EXPECT_EQ(TeamLabel(team), "02. Mannschaft");
    const Event relay = MakeEvent("1", "1", "4", "100", "F", "X");
    EXPECT_EQ(DistanceLabel(relay, true), "4x100m F");
    EXPECT_EQ(DistanceLabel(relay, false), "100m F");
    const auto modern = [](std::string exercise, Round round) {
        Event e = MakeEvent("1", "1", "1", "50", "S", "W");
        e.exercise = std::move(exercise), e.round = round;
        return ExerciseAndRound(e);
    };
    EXPECT_EQ(modern("", Round::None), "");
    EXPECT_EQ(modern("GL", Round::Decider), "");
    EXPECT_EQ(modern("KB", Round::Decider), "KB");
    EXPECT_EQ(modern("GL", Round::Heats), "Vorlauf");
    EXPECT_EQ(modern("BE", Round::Final), "BE Finale");
    Official official;
    EXPECT_EQ(SectionNumbersText(official), "");
    official.sectionNumbers = {"01", "3"};
    EXPECT_EQ(SectionNumbersText(official), "01;3");
    official.sectionNumbers = {""};
    EXPECT_EQ(SectionNumbersText(official), "");
}

}  // namespace
}  // namespace natarix
