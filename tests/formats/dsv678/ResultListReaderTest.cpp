// The result lists read for entry times: the real Wettkampfergebnislisten of
// the corpus by their counts, and the rules on which swims give a time.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "TestFiles.h"
#include "TestTexts.h"
#include "dsv678/ResultListReader.h"

namespace natarix::dsv678 {
namespace {

constexpr const char* kCorpus = NATARIX_DSV_CORPUS;

// 13 lines; the body starts on line 14.
std::string ResultList(std::vector<std::string> body, int version = 7, std::string kind = "Wettkampfergebnisliste")
{
    std::vector<std::string> lines = {
        "FORMAT:" + kind + ";" + std::to_string(version) + ";",
        "ERZEUGER:Test;1.0;test@example.org;",
        "VERANSTALTUNG:Herbstpokal;Neustadt;25;HANDZEIT;",
        "VERANSTALTER:Verband;",
        "AUSRICHTER:SV Neustadt 08;Muster, Max;;;;;;;max@example.org;",
        "ABSCHNITT:1;18.10.2025;09:00;;",
        "ABSCHNITT:2;19.10.2025;09:00;;",
        "WETTKAMPF:3;E;1;1;100;B;GL;W;SW;;;",
        "WETTKAMPF:4;V;2;;50;F;GL;M;SW;;;",
        "WETTKAMPF:9;E;1;4;50;F;GL;X;SW;;;",
        "WETTKAMPF:10;E;2;4;100;L;GL;X;SW;;;",
        "WERTUNG:3;E;31;JG;0;;;Offen;",
        "VEREIN:SV Neustadt 08;2468;10;GER;",
    };
    lines.insert(lines.end(), body.begin(), body.end());
    lines.push_back("DATEIENDE");
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

const std::string kBrenner =
    "PNERGEBNIS:3;E;31;2;;Brenner, Lotte\xC2\xA0;412233;17;W;2012;;SV Neustadt 08;2468;00:01:32,48;;;GER;;;";

std::vector<std::string> Texts(const std::vector<Message>& messages)
{
    std::vector<std::string> texts;
    for (const Message& message : messages)
        texts.push_back(message.text);
    return texts;
}

natarix::ReadResult<natarix::ResultList> Read(const std::string& bytes)
{
    return ReadResultList(bytes, "Test-Pr.dsv7");
}

TEST(Dsv678ResultList, ReadsEveryRealResultList)
{
    if (std::string_view(kCorpus).empty() || !std::filesystem::is_directory(kCorpus))
        GTEST_SKIP() << "the real DSV files are not beside the repository";
    // Counted by a separate pass over the files: swims once per
    // (Veranstaltungs-ID, Nr., Art), relays once per (Staffel-ID, Nr., Art).
    struct Case {
        std::string file;
        int version;
        std::string pool;
        std::size_t results;
        std::size_t firstLegs;
        std::size_t withoutTime;
        std::size_t warnings;
    };
    const Case cases[] = {
        {"dsvparser__2023-05-14-Marienbe-Pr.DSV6", 6, "25", 425, 4, 107, 0},
        // The DSV standard's own example: its referee position SPR is in no list.
        {"dsvparser__ergebnis.dsv7", 7, "25", 3, 0, 0, 1},
        {"schroeer-dsv__b-csc-2025-03-09-Gersthof-Pr.dsv7", 7, "25", 2191, 23, 238, 0},
        {"schroeer-dsv__b-freital-2026-07-04-Windbergfest-Pr.dsv7", 7, "25", 1928, 16, 165, 0},
        {"schroeer-dsv__b-potsdam-2025-lm-protokoll.dsv7", 7, "50", 2109, 51, 203, 0},
        {"schroeer-dsv__b-shsv-2025-01-25_KSV_Kiel_Winterwettkaempfe-Pr.dsv7", 7, "50", 1755, 8, 355, 0},
        {"schroeer-dsv__b-shsv-2025-11-08_KSV_Kiel_Kreismeisterschaften-Pr.dsv7", 7, "25", 504, 0, 79, 0},
        {"schroeer-dsv__dachau-2025-02-23-Dachau-Pr.dsv7", 7, "25", 1001, 82, 77, 0},
        {"schroeer-dsv__dsc-2025-05-25-Dresden-Pr.dsv7", 7, "50", 1105, 0, 106, 0},
        {"schroeer-dsv__gh-swimresults-KKJS_Ergebnis.dsv7", 7, "25", 855, 5, 350, 0},
        {"schroeer-dsv__user-emsland-25kurzer.dsv7", 7, "25", 518, 25, 105, 0},
        {"schroeer-dsv__user-emsland-25langer.dsv7", 7, "25", 277, 0, 39, 0},
        {"schroeer-dsv__user-emsland-25sprier.dsv7", 7, "25", 508, 20, 50, 0},
        {"swimresults__2022-12-04-Marienbe-Pr.dsv6", 6, "25", 1600, 58, 360, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const auto read = ReadResultList(test::ReadBytes(std::string(kCorpus) + "/" + c.file), c.file);
        ASSERT_TRUE(read.ok()) << read.failure().ShownText();
        const natarix::ResultList& list = read.value();
        std::size_t firstLegs = 0;
        for (const SwimResult& result : list.FlatSwims())
            firstLegs += result.firstLeg ? 1 : 0;
        EXPECT_EQ(list.version, c.version);
        EXPECT_EQ(list.poolLength, c.pool);
        EXPECT_EQ(list.swims.size(), c.results);
        EXPECT_EQ(firstLegs, c.firstLegs);
        EXPECT_EQ(list.swimsWithoutTime, c.withoutTime);
        EXPECT_EQ(read.warnings().size(), c.warnings);
    }
}

TEST(Dsv678ResultList, TakesAValidSwimWithItsEventPoolAndSectionDate)
{
    // The second swim is of the other section, and a heat.
    const auto read =
        Read(ResultList({kBrenner, "PNERGEBNIS:4;V;41;1;;Kuhlmann, Jonas;398120;18;M;2011;;SV;1;00:00:30,00;;;;;;"}));
    ASSERT_TRUE(read.ok());
    SwimResult expected;
    expected.swimmer = {"Brenner", "Lotte", 2012, "W", "412233", "SV Neustadt 08", "2468"};
    expected.distance = 100;
    expected.technique = "B";
    expected.exercise = "GL";
    expected.poolLength = "25";
    expected.hundredths = 9248;
    expected.date = natarix::Date("18.10.2025");
    expected.meet = "Herbstpokal";
    expected.town = "Neustadt";
    expected.eventNumber = "3";
    expected.round = Round::Decider;
    expected.handTimed = true;
    const std::vector<SwimResult> swims = read.value().FlatSwims();
    ASSERT_EQ(swims.size(), 2u);
    EXPECT_EQ(swims[0], expected);
    EXPECT_EQ(swims[1].date, natarix::Date("19.10.2025"));
    EXPECT_EQ(swims[1].round, Round::Heats);
    EXPECT_TRUE(read.warnings().empty());
}

// Found by fuzzing: a section date that is no day, or an event without a
// distance, reached the database, which refused the whole list.
TEST(Dsv678ResultList, PassesOverResultsWithoutADayOrADistance)
{
    for (const auto& [from, to, warning] :
         {std::tuple{"18.10.2025", "18.10.202", "Abschnitt 1 von Wettkampf 3 (E) hat kein gültiges Datum"},
          std::tuple{"3;E;1;1;100;", "3;E;1;1;0;", "Wettkampf 3 (E) hat keine Einzelstrecke"}}) {
        std::string bytes = ResultList({kBrenner});
        bytes.replace(bytes.find(from), std::string_view(from).size(), to);
        const auto read = Read(bytes);
        ASSERT_TRUE(read.ok());
        EXPECT_TRUE(read.value().swims.empty());
        ASSERT_FALSE(read.warnings().empty());
        EXPECT_NE(read.warnings().back().text.find(warning), std::string::npos) << read.warnings().back().text;
    }
}

TEST(Dsv678ResultList, FieldCountsFollowTheVersion)
{
    const std::string short6 =
        "PNERGEBNIS:3;E;31;2;;Brenner, Lotte;412233;17;W;2012;;SV Neustadt 08;2468;00:01:32,48;;;";
    const std::string leg6 = "STAFFELPERSON:501;9;E;Brenner, Lotte;412233;1;W;2012;;";
    const std::string leg7 = "STAFFELPERSON:501;9;E;Brenner, Lotte;412233;1;W;2012;;GER;;;";
    struct Case {
        int version;
        std::string line;
        std::string outcome;  // the warning or failure, "" for none
    };
    const Case cases[] = {
        {6, short6, ""},
        {7, kBrenner, ""},
        {7, short6, ""},  // the trailing nationalities are optional
        {6, kBrenner, "Zeile 14: PNERGEBNIS hat 19 Felder, erwartet werden 16; die übrigen werden nicht gelesen."},
        {7, "PNERGEBNIS:3;E;31;2;;Brenner, Lotte;412233;17;W;2012;;SV Neustadt 08;2468;",
         "PNERGEBNIS hat 13 Felder, erwartet werden 19."},
        {6, leg6, ""},
        {7, leg7, ""},
        {6, leg7, "Zeile 14: STAFFELPERSON hat 12 Felder, erwartet werden 9; die übrigen werden nicht gelesen."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const auto read = Read(ResultList({c.line}, c.version));
        if (!read.ok())
            EXPECT_EQ(read.failure().text, c.outcome);
        else
            EXPECT_EQ(Texts(read.warnings()), c.outcome.empty() ? std::vector<std::string>{} : std::vector{c.outcome});
    }
}

// A swimmer's lines share their Veranstaltungs-ID, which finds the swimmer
// quickly; a line whose fields differ is still another swimmer.
TEST(Dsv678ResultList, KeepsEachSwimmerOnceAndTellsApartThoseOfOneId)
{
    const auto read = Read(ResultList(
        {kBrenner,
         "PNERGEBNIS:4;V;41;1;;Brenner, Lotte\xC2\xA0;412233;17;W;2012;;SV Neustadt 08;2468;00:00:35,00;;;;;;",
         "WETTKAMPF:5;E;1;1;50;B;GL;W;SW;;;",
         "PNERGEBNIS:5;E;51;1;;Ahlers, Mira;0;17;W;2013;;SV Neustadt 08;2468;00:00:36,00;;;;;;"}));
    ASSERT_TRUE(read.ok()) << read.failure().ShownText();
    const natarix::ResultList& list = read.value();
    ASSERT_EQ(list.swimmers.size(), 2u);
    ASSERT_EQ(list.swims.size(), 3u);
    EXPECT_EQ(list.swims[0].swimmer, list.swims[1].swimmer);
    EXPECT_EQ(list.swimmers[list.swims[2].swimmer].surname, "Ahlers");
    EXPECT_EQ(list.events.size(), 3u);
}

TEST(Dsv678ResultList, JudgesEachSwimOnce)
{
    const auto swim = [](std::string place, std::string reason, std::string time, std::string id = "17") {
        return "PNERGEBNIS:3;E;31;" + place + ";" + reason + ";Ahlers, Mira;0;" + id + ";W;2013;;SV Neustadt 08;2468;" +
               time + ";;;GER;;;";
    };
    const std::string zero = "00:00:00,00";
    const std::string timed = "00:01:40,00";
    struct Case {
        std::string name;
        std::vector<std::string> body;
        std::size_t results;
        std::size_t withoutTime;
        std::vector<std::string> warnings;
    };
    const Case cases[] = {
        {"one per Wertung", {swim("2", "", timed), swim("1", "", timed)}, 1, 0, {}},
        {"heat and final are two swims",
         {"WETTKAMPF:4;F;2;;50;F;GL;M;SW;4;V;", "PNERGEBNIS:4;V;41;1;;Ahlers, Mira;0;17;W;2013;;SV;1;00:00:30,00;;;;;;",
          "PNERGEBNIS:4;F;41;1;;Ahlers, Mira;0;17;W;2013;;SV;1;00:00:29,00;;;;;;"},
         2,
         0,
         {}},
        {"repeats that disagree",
         {swim("2", "", timed), swim("1", "", "00:01:41,00"), swim("0", "DS", zero)},
         1,
         0,
         {"Zeile 15 und eine weitere: Ein Ergebnis steht ein weiteres Mal mit anderer Endzeit oder anderem Grund der "
          "Nichtwertung; es gilt die erste Zeile."}},
        {"no time for DS, NA, AB",
         {swim("0", "DS", zero, "1"), swim("0", "DS", zero, "1"), swim("0", "NA", zero, "2"),
          swim("0", "AB", zero, "3")},
         0,
         3,
         {}},
        {"a Grund with a time",
         {swim("0", "DS", timed)},
         0,
         1,
         {"Zeile 14: Ein Ergebnis mit Grund der Nichtwertung hat eine Endzeit; sie wird nicht übernommen."}},
        {"Platz 0 without a Grund",
         {swim("0", "", timed)},
         0,
         0,
         {"Zeile 14: Ein Ergebnis ohne Grund der Nichtwertung hat den Platz 0; seine Zeit wird nicht übernommen."}},
        {"ranked without a time",
         {swim("3", "", zero)},
         0,
         0,
         {"Zeile 14: Ein Ergebnis ohne Grund der Nichtwertung hat keine Endzeit; es wird übergangen."}},
        {"missing event",
         {"PNERGEBNIS:7;E;31;2;;Ahlers, Mira;0;17;W;2013;;SV;1;00:01:40,00;;;;;;", kBrenner},
         1,
         0,
         {"Zeile 14: Wettkampf 7 (E) fehlt in der Datei; seine Ergebnisse werden übergangen."}},
        {"missing section",
         {"WETTKAMPF:5;E;3;;50;S;GL;W;SW;;;", "PNERGEBNIS:5;E;31;2;;Ahlers, Mira;0;17;W;2013;;SV;1;00:00:40,00;;;;;;"},
         0,
         0,
         {"Zeile 15: Abschnitt 3 von Wettkampf 5 (E) fehlt in der Datei; die Ergebnisse werden übergangen."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = Read(ResultList(c.body));
        ASSERT_TRUE(read.ok()) << read.failure().ShownText();
        EXPECT_EQ(read.value().swims.size(), c.results);
        EXPECT_EQ(read.value().swimsWithoutTime, c.withoutTime);
        EXPECT_EQ(Texts(read.warnings()), c.warnings);
    }
}

// A relay block of event 9 (4 x 50 F) or 10 (4 x 100 L), legs out of order
// as real files write them.
std::vector<std::string> Relay(std::string event, std::string reason, std::string offender,
                               std::vector<std::string> splits)
{
    std::vector<std::string> lines = {
        "STERGEBNIS:" + event + ";E;90;" + (reason.empty() ? "1" : "0") + ";" + reason + ";1;501;SV Neustadt 08;2468;" +
            (reason.empty() ? "00:04:05,31" : "00:00:00,00") + ";" + offender + ";;;",
        "STAFFELPERSON:501;" + event + ";E;Kuhlmann, Jonas;398120;2;M;2011;;GER;;;",
        "STAFFELPERSON:501;" + event + ";E;Brenner, Lotte;412233;1;W;2012;;GER;;;",
    };
    for (const std::string& split : splits)
        lines.push_back("STZWISCHENZEIT:501;" + event + ";E;" + split + ";");
    return lines;
}

TEST(Dsv678ResultList, TakesTheFirstLegOfAValidRelay)
{
    struct Case {
        std::string name;
        std::vector<std::string> body;
        std::string technique;  // "" for no first leg
        std::int32_t distance = 0;
    };
    std::vector<std::string> repeated = Relay("9", "", "", {"1;50;00:00:31,07"});
    const std::vector<std::string> again = Relay("9", "", "", {"1;50;00:00:31,07"});
    repeated.insert(repeated.end(), again.begin(), again.end());
    const Case cases[] = {
        {"leg-1 split", Relay("9", "", "", {"1;25;00:00:15,00", "1;50;00:00:31,07", "2;100;00:01:04,00"}), "F", 50},
        {"block written twice", repeated, "F", 50},
        {"medley: backstroke", Relay("10", "", "", {"1;100;00:00:31,07"}), "R", 100},
        {"disqualified on a later leg", Relay("9", "DS", "3", {"1;50;00:00:31,07"}), ""},
        {"a disqualified swimmer named without a Grund", Relay("9", "", "2", {"1;50;00:00:31,07"}), ""},
        {"no leg-1 split", Relay("9", "", "", {"2;100;00:01:04,00"}), ""},
        {"split at another distance", Relay("9", "", "", {"1;25;00:00:15,00", "2;100;00:01:04,00"}), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = Read(ResultList(c.body));
        ASSERT_TRUE(read.ok()) << read.failure().ShownText();
        EXPECT_TRUE(read.warnings().empty()) << Texts(read.warnings()).front();
        EXPECT_EQ(read.value().swimsWithoutTime, 0u);
        ASSERT_EQ(read.value().swims.size(), c.technique.empty() ? 0u : 1u);
        if (c.technique.empty())
            continue;
        const SwimResult leg = read.value().FlatSwims().front();
        EXPECT_TRUE(leg.firstLeg);
        EXPECT_EQ(leg.technique, c.technique);
        EXPECT_EQ(leg.distance, c.distance);
        EXPECT_EQ(leg.hundredths, 3107);
        EXPECT_EQ(leg.swimmer, (ResultSwimmer{"Brenner", "Lotte", 2012, "W", "412233", "SV Neustadt 08", "2468"}));
    }
}

TEST(Dsv678ResultList, ReadsAVereinsergebnisliste)
{
    // Persons and teams declared once; Endzeit before Grund. The relay result
    // comes once under each of its names.
    const std::vector<std::string> body = {
        "PERSON:Brenner, Lotte;412233;17;W;2012;;GER;;;",
        "PERSON:Ahlers, Mira;0;18;W;2013;;GER;;;",
        "PERSONENERGEBNIS:17;3;E;31;2;00:01:32,48;;;;",
        "PERSONENERGEBNIS:18;3;E;31;0;00:00:00,00;DS;Wechselbeinschlag;;",
        "PERSONENERGEBNIS:19;3;E;31;1;00:01:30,00;;;;",
        "STAFFEL:1;501;JG;2011;2012;",
        "STAFFELPERSON:501;9;E;Brenner, Lotte;412233;1;W;2012;;GER;;;",
        "STAFFELERGEBNIS:501;9;E;90;1;00:02:05,31;;;;;",
        "STZWISCHENZEIT:501;9;E;1;50;00:00:31,07;",
        "STAFFELPERSON:502;10;E;Ahlers, Mira;0;1;W;2013;;GER;;;",
        "STERGEBNIS:502;10;E;90;1;00:05:05,31;;;;;",
        "STZWISCHENZEIT:502;10;E;1;100;00:01:20,00;",
    };
    const auto read = Read(ResultList(body, 7, "Vereinsergebnisliste"));
    ASSERT_TRUE(read.ok()) << read.failure().ShownText();
    EXPECT_EQ(Texts(read.warnings()),
              std::vector<std::string>{
                  "Zeile 18: PERSONENERGEBNIS nennt einen Schwimmer ohne PERSON; das Ergebnis wird übergangen."});
    const natarix::ResultList& list = read.value();
    EXPECT_TRUE(list.clubList);
    EXPECT_EQ(list.swimsWithoutTime, 1u);
    const std::vector<SwimResult> swims = list.FlatSwims();
    ASSERT_EQ(swims.size(), 3u);
    const ResultSwimmer brenner{"Brenner", "Lotte", 2012, "W", "412233", "SV Neustadt 08", "2468"};
    EXPECT_EQ(swims[0].swimmer, brenner);
    EXPECT_EQ(swims[0].hundredths, 9248);
    EXPECT_EQ(swims[1].swimmer, brenner);
    EXPECT_TRUE(swims[1].firstLeg);
    EXPECT_EQ(swims[1].hundredths, 3107);
    EXPECT_EQ(swims[2].swimmer.surname, "Ahlers");
    EXPECT_EQ(swims[2].technique, "R");
    // Her swim and her first leg name her alike: she is kept once.
    EXPECT_EQ(list.swimmers.size(), 2u);
}

TEST(Dsv678ResultList, RefusesOtherLists)
{
    const std::string definitionList =
        "FORMAT:Wettkampfdefinitionsliste;7;\r\nVERANSTALTUNG:Test;Ort;25;AUTOMATISCH;\r\nDATEIENDE\r\n";
    struct Case {
        std::string bytes;
        std::string failure;
    };
    const Case cases[] = {
        {definitionList, "Diese Datei ist eine Wettkampfdefinitionsliste, keine Ergebnisliste."},
        {"FORMAT:Vereinsmeldeliste;7;\r\nDATEIENDE\r\n",
         "Diese Datei ist eine Vereinsmeldeliste, keine Ergebnisliste."},
        {ResultList({}, 5), "Diese Datei hat das Format 5; gelesen werden die Formate 6 bis 8."},
        {"", "Die Datei ist leer; eine Ergebnisliste beginnt mit FORMAT."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(test::ErrorOf([&] { return Read(c.bytes); }), c.failure);
}

}  // namespace
}  // namespace natarix::dsv678
