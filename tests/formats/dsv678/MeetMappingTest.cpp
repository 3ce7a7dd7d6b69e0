// From a definition list of formats 6 to 8 to the meet model: who a class
// takes, events of one number in two rounds, and the fees the forms use.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "ReaderTestSupport.h"
#include "TestTexts.h"
#include "dsv678/MeetReader.h"

namespace natarix::dsv678 {
namespace {

using natarix::test::Replaced;
using test::MinimalDefinitionList;

constexpr std::int32_t kBelow = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kAbove = std::numeric_limits<std::int32_t>::max();

std::unique_ptr<MeetDefinition> Meet(const std::string& list)
{
    auto read = ReadMeet(list, "Liste.dsv7");
    EXPECT_TRUE(read.ok()) << (read.ok() ? "" : read.failure().ShownText());
    return read.ok() ? std::move(read).value() : nullptr;
}

TEST(Dsv678Mapping, ReadsTheYearsAndAgesOfEveryKindOfClass)
{
    using Kind = ScoringClass::Kind;
    struct Case {
        const char* what;
        const char* fields;  // Typ;Mindest;Maximal
        Kind kind;
        std::int32_t from = 0;  // years, or ages
        std::int32_t to = 0;
        const char* letter = "";
    };
    const Case cases[] = {
        {"one year", "JG;2010;", Kind::YearRange, 2010, 2010},
        {"oldest and youngest year", "JG;2008;2010", Kind::YearRange, 2008, 2010},
        {"years in the wrong order", "JG;2010;2008", Kind::YearRange, 2008, 2010},
        {"open below", "JG;0;2009", Kind::YearRange, kBelow, 2009},
        {"und jünger", "JG;2009;0", Kind::YearRange, 2009, kAbove},
        {"open", "JG;0;", Kind::Everyone},
        {"both open", "JG;0;0", Kind::Everyone},
        {"unreadable year counts as open", "JG;20x0;", Kind::Everyone},
        {"one Masters class", "AK;30;", Kind::AgeRange, 30, 34},
        {"Masters classes, largest first", "AK;40;30", Kind::AgeRange, 30, 44},
        {"Masters classes, smallest first", "AK;30;40", Kind::AgeRange, 30, 44},
        {"Masters and older", "AK;0;30", Kind::AgeRange, 30, kAbove},
        {"Masters and younger", "AK;30;0", Kind::AgeRange, 0, 34},
        {"open by age", "AK;0;", Kind::Everyone},
        {"youth class", "AK;C;", Kind::YouthClass, 0, 0, "C"},
        {"youth class given twice", "AK;b;B", Kind::YouthClass, 0, 0, "B"},
        {"youth classes", "AK;J;D", Kind::AgeRange, 10, 19},
        {"youngest youth class", "AK;E;", Kind::YouthClass, 0, 0, "E"},
        {"youth classes E to A", "AK;E;A", Kind::AgeRange, 8, 17},
        {"relay total age", "AK;80+;", Kind::RelayTotalAge, 80, 80},
        {"relay total ages", "AK;160+;120+", Kind::RelayTotalAge, 120, 160},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto meet = Meet(Replaced(MinimalDefinitionList(), "WERTUNG:1;V;1;JG;0;;;Offen;",
                                        std::string("WERTUNG:1;V;1;") + c.fields + ";;Klasse;"));
        ASSERT_NE(meet, nullptr);
        ASSERT_EQ(meet->FindEvent("1")->scoringClasses.size(), 1u);
        const ScoringClass& k = meet->FindEvent("1")->scoringClasses.front();
        EXPECT_EQ(k.kind, c.kind);
        const bool byYear = c.kind == Kind::YearRange;
        const bool byAge = c.kind == Kind::AgeRange || c.kind == Kind::RelayTotalAge;
        EXPECT_EQ(byYear ? k.yearFrom : byAge ? k.age : 0, c.from);
        EXPECT_EQ(byYear ? k.yearTo : byAge ? k.ageTo : 0, c.to);
        EXPECT_EQ(k.classLetter, c.letter);
        EXPECT_EQ(k.competitionYear, 2025);
    }
}

TEST(Dsv678Mapping, ClassesAgreeWithTheAgeOfTheSwimmerInTheYearOfTheSection)
{
    const auto meet =
        Meet(Replaced(MinimalDefinitionList(), "WERTUNG:1;V;1;JG;0;;;Offen;", "WERTUNG:1;V;1;AK;35;;W;AK 35;"));
    ASSERT_NE(meet, nullptr);
    const Event& event = *meet->FindEvent("1");
    const auto swimmer = [](std::int32_t year, Sex sex) {
        Swimmer s;
        s.yearOfBirth = year;
        s.sex = sex;
        return s;
    };
    // 2025 - 1990 = 35; 2025 - 1986 = 39; 1985 is 40.
    EXPECT_TRUE(MayEnter(swimmer(1990, Sex::Female), event));
    EXPECT_TRUE(MayEnter(swimmer(1986, Sex::Female), event));
    EXPECT_FALSE(MayEnter(swimmer(1985, Sex::Female), event));
    EXPECT_FALSE(MayEnter(swimmer(1991, Sex::Female), event));
}

TEST(Dsv678Mapping, KeysEventsByNumberAndRoundInListOrder)
{
    const std::string list =
        Replaced(Replaced(MinimalDefinitionList(), "WETTKAMPF:2;F;1;;100;F;GL;W;SW;1;V;",
                          "WETTKAMPF:2;E;1;4;50;L;GL;X;SW;;;\r\nWETTKAMPF:1;F;1;;100;F;GL;W;SW;1;V;"),
                 "WERTUNG:1;V;1;JG;0;;;Offen;",
                 "WERTUNG:1;V;1;JG;2010;;;2010;\r\nWERTUNG:1;F;2;JG;0;;;Offen;\r\n"
                 "MELDEGELD:Wkmeldegeld;6,50;1;\r\nMELDEGELD:staffelMELDEGELD;9,00;;\r\n"
                 "MELDEGELD:Sonderpauschale;1,00;;");
    const auto meet = Meet(list);
    ASSERT_NE(meet, nullptr);
    ASSERT_EQ(meet->events().size(), 3u);
    const Event* heats = meet->FindEvent("1", Round::Heats);
    const Event* final = meet->FindEvent("01", Round::Final);
    ASSERT_NE(heats, nullptr);
    ASSERT_NE(final, nullptr);
    EXPECT_EQ(meet->FindEvent("1"), heats) << "entries go to the round that takes them";
    EXPECT_EQ(meet->FindEvent("1", Round::Decider), nullptr);
    EXPECT_EQ(heats->listPosition, 0u);
    EXPECT_EQ(meet->FindEvent("2")->listPosition, 1u);
    EXPECT_EQ(final->listPosition, 2u);
    EXPECT_EQ(final->qualifyingEventNumber, "1");
    EXPECT_EQ(final->qualifyingRound, Round::Heats);
    ASSERT_EQ(heats->scoringClasses.size(), 1u);
    EXPECT_EQ(heats->scoringClasses[0].id, "1");
    ASSERT_EQ(final->scoringClasses.size(), 1u);
    EXPECT_EQ(final->scoringClasses[0].round, Round::Final);
    EXPECT_EQ(heats->swimmerCount, "1") << "an empty Anzahl Starter";
    EXPECT_EQ(meet->FindEvent("2")->swimmerCount, "4");

    // The event's own fee only where clubs enter; the rest for the forms.
    EXPECT_TRUE(heats->hasOwnFee);
    EXPECT_EQ(heats->ownFee, 650);
    EXPECT_FALSE(final->hasOwnFee);
    EXPECT_EQ(meet->individualFee, 500);
    EXPECT_EQ(meet->relayFee, 900);
    ASSERT_EQ(meet->fees.size(), 4u);
    // In list order, the type read without case.
    EXPECT_EQ(meet->fees[0].kind, Fee::Kind::Event);
    EXPECT_EQ(meet->fees[0].eventNumber, "1");
    EXPECT_EQ(meet->fees[1].kind, Fee::Kind::Relay);
    EXPECT_EQ(meet->fees[2].kind, Fee::Kind::Unknown);
    EXPECT_EQ(meet->fees[2].typeText, "Sonderpauschale");
    EXPECT_EQ(meet->fees[2].cents, 100);
    EXPECT_EQ(meet->fees[3].kind, Fee::Kind::Individual);
}

TEST(Dsv678Mapping, AnEventWithoutClassesTakesEveryAgeOfItsSex)
{
    const auto meet = Meet(Replaced(MinimalDefinitionList(), "WERTUNG:1;V;1;JG;0;;;Offen;",
                                    "WERTUNG:1;V;1;JG;2010;;;2010;\r\nWETTKAMPF:3;E;1;;50;R;GL;M;SW;;;"));
    ASSERT_NE(meet, nullptr);
    Swimmer boy;
    boy.sex = Sex::Male;
    boy.yearOfBirth = 1970;
    EXPECT_TRUE(MayEnter(boy, *meet->FindEvent("3")));
    boy.sex = Sex::Female;
    EXPECT_EQ(EntryBarText(WhyMayNotEnter(boy, *meet->FindEvent("3"))), "Geschlecht");
    EXPECT_EQ(EntryBarText(WhyMayNotEnter(boy, *meet->FindEvent("1"))), "Jahrgang");
}

TEST(Dsv678Mapping, AMandatoryTimeAppliesToTheAgesAndSexItNames)
{
    const auto meet = Meet(Replaced(MinimalDefinitionList(), "WERTUNG:1;V;1;JG;0;;;Offen;",
                                    "WERTUNG:1;V;1;JG;0;;;Offen;\r\nPFLICHTZEIT:1;V;AK;40;30;00:01:10,00;W;\r\n"
                                    "PFLICHTZEIT:1;V;JG;2010;2012;00:01:30,00;;"));
    ASSERT_NE(meet, nullptr);
    const Event& event = *meet->FindEvent("1");
    struct Case {
        std::int32_t year;
        Sex sex;
        const char* time;  // empty: none applies
    };
    // 2025 - 1985 = 40 and 2025 - 1996 = 29: the Masters line takes 30 to 44.
    const Case cases[] = {
        {1985, Sex::Female, "00:01:10,00"},
        {1981, Sex::Female, "00:01:10,00"},
        {1980, Sex::Female, ""},
        {1996, Sex::Female, ""},
        {1985, Sex::Male, ""},
        {2011, Sex::Male, "00:01:30,00"},
        {2013, Sex::Female, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        Swimmer swimmer;
        swimmer.yearOfBirth = c.year;
        swimmer.sex = c.sex;
        const MandatoryTime* mandatory = event.MandatoryTimeFor(swimmer);
        EXPECT_EQ(mandatory == nullptr ? "" : mandatory->time, c.time);
    }
}

TEST(Dsv678Mapping, FailuresNameFileAndLineOnceAndWarningsTheirLines)
{
    auto failed = ReadMeet(Replaced(MinimalDefinitionList(), "WETTKAMPF:1;V;1;;100;F;GL;W;SW;;;", "WETTKAMPF:1;V;1;"),
                           "Liste.dsv7");
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.failure(),
              Message::ReadFailure("WETTKAMPF hat 3 Felder, erwartet werden 11.", {"Liste.dsv7", 12}));
    EXPECT_EQ(failed.failure().ShownText(), "WETTKAMPF hat 3 Felder, erwartet werden 11.\nDatei Liste.dsv7, Zeile 12");

    const auto other = ReadMeet(Replaced(MinimalDefinitionList(), "definitionsliste;7", "ergebnisliste;7"), "P.dsv7");
    ASSERT_FALSE(other.ok());
    EXPECT_EQ(other.failure().ShownText(),
              "Diese Datei ist eine Wettkampfergebnisliste, keine Wettkampfdefinitionsliste.\nDatei P.dsv7");

    const auto warned = ReadMeet(Replaced(MinimalDefinitionList(), "25;AUTOMATISCH", "26;AUTOMATISCH"), "Liste.dsv7");
    ASSERT_TRUE(warned.ok());
    EXPECT_EQ(
        warned.warnings(),
        std::vector<Message>{Message::Plain(
            "Zeile 4: Unbekannter Wert „26“ für Bahnlänge in VERANSTALTUNG; er bleibt, wie er geschrieben ist.")});
    EXPECT_EQ(warned.value()->poolLength, "26");
}

}  // namespace
}  // namespace natarix::dsv678
