#include <gtest/gtest.h>

#include "SampleSwims.h"
#include "times/BestTimes.h"
#include "times/SwimmerMatch.h"
#include "times/TimeTexts.h"

namespace natarix {
namespace {

// A 25-m meet whose first day is 18.10.2026, with 100 B for women.
std::unique_ptr<MeetDefinition> Meet(const char* firstDay = "18.10.2026", const char* secondDay = "19.10.2026")
{
    auto meet = std::make_unique<MeetDefinition>();
    meet->poolLength = "25";
    meet->AddSection({"1", Date(firstDay), "09:00", ""});
    meet->AddSection({"2", Date(secondDay), "09:00", ""});
    Event event;
    event.number = "3";
    event.sectionNumber = "1";
    event.distance = "100";
    event.swimmerCount = "1";
    event.technique = "B";
    event.sex = "W";
    event.AddScoringClass({});
    meet->AddEvent(event);
    return meet;
}

Swimmer Lotte(const char* dsvId = "412233")
{
    Swimmer swimmer;
    swimmer.surname = "Brenner";
    swimmer.firstName = "Lotte";
    swimmer.yearOfBirth = 2012;
    swimmer.sex = Sex::Female;
    swimmer.registrationNumber = dsvId;
    return swimmer;
}

using test::SampleSwim;

struct SelectionCase {
    const char* name;
    std::vector<SwimResult> swims;
    const char* swimmerId;
    std::int64_t best;  // 0: none offered
    bool byName;
    std::int64_t fastest;  // 0: none known
};

SwimResult With(SwimResult swim, void (*change)(SwimResult&))
{
    change(swim);
    return swim;
}

class BestTimeSelection : public testing::TestWithParam<SelectionCase> {};

TEST_P(BestTimeSelection, OffersTheFastestCountingSwim)
{
    const SelectionCase& c = GetParam();
    const auto meet = Meet();
    const KnownTimes known = KnownTimesFor(*meet, *meet->FindEvent("3"), Lotte(c.swimmerId), c.swims);
    EXPECT_EQ(known.best ? known.best->swim.hundredths : 0, c.best);
    EXPECT_EQ(known.best && known.best->byName, c.byName);
    EXPECT_EQ(known.fastest ? known.fastest->swim.hundredths : 0, c.fastest);
}

const SelectionCase kSelectionCases[] = {
    {"FirstDayOfTheWindowCounts", {SampleSwim(9248, "18.10.2025")}, "412233", 9248, false, 9248},
    {"DayBeforeTheWindowIsOnlyKnown", {SampleSwim(9248, "17.10.2025")}, "412233", 0, false, 9248},
    {"DayBeforeTheMeetCounts", {SampleSwim(9248, "17.10.2026")}, "412233", 9248, false, 9248},
    {"TheMeetsOwnDaysDoNot", {SampleSwim(9248, "18.10.2026"), SampleSwim(9100, "19.10.2026")}, "412233", 0, false, 0},
    {"FastestOfSeveral",
     {SampleSwim(9300, "01.03.2026"), SampleSwim(9248, "01.02.2026"), SampleSwim(9500, "01.05.2026")},
     "412233",
     9248,
     false,
     9248},
    {"OlderFasterSwimIsKnownNotOffered",
     {SampleSwim(9000, "01.01.2025"), SampleSwim(9248, "01.02.2026")},
     "412233",
     9248,
     false,
     9000},
    {"LongCourseForAShortCourseMeet",
     {With(SampleSwim(9248, "01.02.2026"), [](SwimResult& s) { s.poolLength = "50"; })},
     "412233",
     0,
     false,
     0},
    {"OtherPoolsAreNeverOffered",
     {With(SampleSwim(9248, "01.02.2026"), [](SwimResult& s) { s.poolLength = "33"; })},
     "412233",
     0,
     false,
     0},
    {"LegsOnlyIsAnotherEvent",
     {With(SampleSwim(9248, "01.02.2026"), [](SwimResult& s) { s.exercise = "BE"; })},
     "412233",
     0,
     false,
     0},
    {"OtherDistance",
     {With(SampleSwim(9248, "01.02.2026"), [](SwimResult& s) { s.distance = 50; })},
     "412233",
     0,
     false,
     0},
    {"NoTimeIsNoSwim", {SampleSwim(0, "01.02.2026")}, "412233", 0, false, 0},
    {"SameDsvIdOtherSpelling", {SampleSwim(9248, "01.02.2026", "412233", "Brenner-Wolf")}, "412233", 9248, false, 9248},
    {"OtherDsvIdSameName", {SampleSwim(9248, "01.02.2026", "412234")}, "412233", 0, false, 0},
    {"ResultWithoutDsvIdByName", {SampleSwim(9248, "01.02.2026", "000000", "BRENNER")}, "412233", 9248, true, 9248},
    {"SwimmerWithoutDsvIdByName", {SampleSwim(9248, "01.02.2026")}, "000000", 9248, true, 9248},
    {"OtherYearOfBirth",
     {With(SampleSwim(9248, "01.02.2026", "000000"), [](SwimResult& s) { s.swimmer.yearOfBirth = 2011; })},
     "000000",
     0,
     false,
     0},
    {"FasterFirstLegWins",
     {SampleSwim(9300, "01.02.2026"), With(SampleSwim(9248, "01.03.2026"), [](SwimResult& s) { s.firstLeg = true; })},
     "412233",
     9248,
     false,
     9248},
};

INSTANTIATE_TEST_SUITE_P(Cases, BestTimeSelection, testing::ValuesIn(kSelectionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BestTimes, EqualTimesPreferTheIndividualSwim)
{
    const auto meet = Meet();
    SwimResult leg = SampleSwim(9248, "01.03.2026");
    leg.firstLeg = true;
    const KnownTimes known =
        KnownTimesFor(*meet, *meet->FindEvent("3"), Lotte(), {leg, SampleSwim(9248, "01.02.2026")});
    ASSERT_TRUE(known.best);
    EXPECT_FALSE(known.best->swim.firstLeg);
}

TEST(BestTimes, WindowOfALeapDayStartsOnTheLastOfFebruary)
{
    const auto window = EntryTimeWindow(*Meet("29.02.2028", "01.03.2028"));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->from.text(), "28.02.2027");
    EXPECT_FALSE(EntryTimeWindow(MeetDefinition()));
}

TEST(BestTimes, FillsOnlyEntriesWithoutTime)
{
    const auto meet = Meet();
    Event freestyle = *meet->FindEvent("3");
    freestyle.number = "5";
    freestyle.technique = "F";
    meet->AddEvent(freestyle);
    ClubEntries entries;
    Swimmer* lotte = entries.AddSwimmer(std::make_unique<Swimmer>(Lotte()));
    lotte->SetEntry("3", "00:00,00");
    lotte->SetEntry("5", "01:20,00");
    ResultCollection results;
    results.results = {SampleSwim(9248, "01.02.2026"),
                       With(SampleSwim(7000, "01.02.2026"), [](SwimResult& s) { s.technique = "F"; })};
    const auto fillable = FillableEntries(*meet, entries, results);
    ASSERT_EQ(fillable.size(), 1u);
    EXPECT_EQ(fillable[0].event->number, "3");
    EXPECT_EQ(BestTimesOf(*meet, entries, results).size(), 2u);
}

TEST(BestTimes, NoteNamesWhatMarksTheSwim)
{
    BestTime best{SampleSwim(9248, "18.10.2025"), true};
    best.swim.handTimed = true;
    best.swim.firstLeg = true;
    EXPECT_EQ(BestTimeNote(best),
              "1:32,48 vom 18.10.2025, Herbstpokal in Neustadt (25-m-Bahn); Handzeit; Startschwimmer der Staffel; "
              "nach Name erkannt");
}

TEST(SwimmerMatch, NameKeysIgnoreCaseBlanksAndUmlautSpellings)
{
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"Müller", "MUELLER", true},   {"Groß", "Gross", true},       {"Öztürk", "OEZTUERK", true},
        {"van Dijk", "vanDijk", true}, {"Émile", "émile", true},      {"Müller\xC2\xA0", "Müller", true},
        {"Müller", "Muller", false},   {"Schmidt", "Schmitt", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NameKey(c.a, "Ida") == NameKey(c.b, "Ida"), c.same) << c.a << " / " << c.b;
    EXPECT_NE(NameKey("Anna", "Lena"), NameKey("Anna Lena", ""));
}

TEST(SwimmerMatch, UnknownDsvIds)
{
    for (const char* unknown : {"", "0", "000000", "12345", "AB1234", "1234567"})
        EXPECT_EQ(KnownResultDsvId(unknown), "") << unknown;
    EXPECT_EQ(KnownResultDsvId("412233"), "412233");
}

TEST(TimeTexts, FormsOfATime)
{
    EXPECT_EQ(ListTimeText(9248), "00:01:32,48");
    EXPECT_EQ(EntryTimeText(9248), "01:32,48");
    EXPECT_EQ(EntryTimeText(360000), "");
    EXPECT_EQ(ShownTimeText(3248), "32,48");
    EXPECT_EQ(ShownTimeText(372304), "1:02:03,04");
    EXPECT_EQ(SwimTimeHundredths("01:32,48"), 9248);
    EXPECT_EQ(SwimTimeHundredths("00:01:32,48"), 9248);
    EXPECT_FALSE(SwimTimeHundredths("1:32,48"));
}

}  // namespace
}  // namespace natarix
