// The check before sending: one case per kind of finding, on the format-5
// example and on a modern meet, each starting from entries without findings.
#include <gtest/gtest.h>

#include <functional>

#include "ReviewTestSupport.h"
#include "SampleSwims.h"
#include "review/EntryCheck.h"

namespace natarix {
namespace {

using test::MakeSwimmer;

struct Case {
    const char* what;
    std::function<void(MeetDefinition&, ClubEntries&)> change;
    std::vector<std::string> lines;
    Date today;
};

std::vector<std::string> Lines(const std::vector<Finding>& findings)
{
    std::vector<std::string> lines;
    for (const Finding& finding : findings)
        lines.push_back(FindingLine(finding));
    return lines;
}

void CheckEachCase(test::CheckedMeet (*base)(), const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::CheckedMeet checked = base();
        ASSERT_NE(checked.meet, nullptr);
        c.change(*checked.meet, checked.entries);
        const auto findings = CheckEntries(*checked.meet, checked.entries, c.today);
        EXPECT_EQ(Lines(findings), c.lines);
        const bool anyError = std::any_of(c.lines.begin(), c.lines.end(),
                                          [](const std::string& line) { return line.starts_with("Fehler:"); });
        EXPECT_EQ(HasErrors(findings), anyError);
    }
}

Swimmer& Ida(ClubEntries& e)
{
    return *e.swimmers()[0];
}

TEST(EntryCheck, EachKindOfFindingOnAFormatFiveMeet)
{
    const Date before("01.02.2027");
    const std::string ida = "Lehmann, Ida (2012)";
    CheckEachCase(
        test::FormatFiveMeet,
        {
            {"nothing to find", [](MeetDefinition&, ClubEntries&) {}, {}, before},
            {"the deadline passed a day ago",
             [](MeetDefinition&, ClubEntries&) {},
             {"Warnung: Der Meldeschluss am 01.03.2027 ist seit einem Tag vorbei. Vor dem Versand beim Ausrichter "
              "fragen, ob er die Meldung noch annimmt."},
             Date("02.03.2027")},
            {"the deadline day itself", [](MeetDefinition&, ClubEntries&) {}, {}, Date("01.03.2027")},
            {"no club name; format 5 goes without the contact's e-mail",
             [](MeetDefinition&, ClubEntries& e) {
                 e.club.clubName = " ";
                 e.club.contact.email.clear();
             },
             {"Fehler: Vereinsdaten: Es fehlt der Name des Vereins. In den Vereinsdaten eintragen.",
              "Warnung: Vereinsdaten: Es fehlt die E-Mail-Adresse des Ansprechpartners. In den Vereinsdaten "
              "eintragen."},
             before},
            {"an official without sections",
             [](MeetDefinition&, ClubEntries& e) { e.officials()[0]->sectionNumbers.clear(); },
             {"Warnung: Kampfrichter Schäfer, Birgit: keine Abschnitte angegeben. Die Abschnitte eintragen, in denen "
              "er oder sie eingesetzt werden kann."},
             before},
            {"a file name Windows refuses",
             [](MeetDefinition&, ClubEntries& e) { e.club.clubName = "SV \"Blau\"?"; },
             {"Fehler: Der Dateiname „270314-Kuehlenbrueck-Me-SV\"Blau\"?.DSV“ enthält Zeichen, die ein Dateiname "
              "nicht "
              "haben darf: \" ?. Den Vereinsnamen in den Vereinsdaten ohne diese Zeichen schreiben; steht das "
              "Zeichen im Ort der Veranstaltung, die Datei nach dem Export umbenennen."},
             before},
            {"the same name and year twice",
             [](MeetDefinition&, ClubEntries& e) {
                 e.AddSwimmer(MakeSwimmer("Lehmann", "Ida", 2012, Sex::Female, "000000"));
             },
             {"Fehler: " + ida +
              ": steht zweimal in der Liste. Einen der beiden löschen und seine Meldungen beim "
              "anderen eintragen."},
             before},
            // Event 1 also scores everyone, so the entry stays allowed.
            {"a year of birth after the meet",
             [](MeetDefinition&, ClubEntries& e) { Ida(e).yearOfBirth = 2028; },
             {"Fehler: Lehmann, Ida (2028): Der Jahrgang fehlt oder ist nicht möglich. Den Jahrgang (vierstellig) "
              "eintragen."},
             before},
            {"an entry of the other sex",
             [](MeetDefinition&, ClubEntries& e) { Ida(e).sex = Sex::Male; },
             {"Fehler: " + ida +
              " – Wettkampf 1 (100 F W): nicht zugelassen (Geschlecht). Die Meldung zurücknehmen "
              "oder die Angaben des Teilnehmers berichtigen."},
             before},
            {"an entry without time and one that is no time",
             [](MeetDefinition&, ClubEntries& e) {
                 Ida(e).SetEntry("1", "00:00,00");
                 Ida(e).SetEntry("3", "3:1O,00");
             },
             {"Warnung: " + ida +
                  " – Wettkampf 1 (100 F W): ohne Meldezeit. Die Meldezeit eintragen; ohne sie setzt "
                  "der Ausrichter in den langsamsten Lauf oder lehnt ab.",
              "Warnung: " + ida +
                  " – Wettkampf 3 (200 L W): Die Meldezeit „3:1O,00“ ist keine Zeit. Die Meldezeit "
                  "in der Form MM:SS,hh eintragen."},
             before},
            {"a team in an individual event",
             [](MeetDefinition&, ClubEntries& e) { e.teams()[0]->SetEntry("1", "01:00,00"); },
             {"Fehler: 1. Mannschaft – Wettkampf 1 (100 F W): nicht zugelassen (Einzelwettkampf). Die Meldung "
              "zurücknehmen oder die Angaben des Teilnehmers berichtigen."},
             before},
        });
}

TEST(EntryCheck, EachKindOfFindingOnAModernMeet)
{
    const Date before("15.02.2025");
    const std::string relay = "1. Mannschaft Mixed – Wettkampf 2 (4x50 L X): ";
    CheckEachCase(
        test::ModernMeet,
        {
            {"nothing to find", [](MeetDefinition&, ClubEntries&) {}, {}, before},
            {"formats 6 to 8 demand club number and the contact's e-mail",
             [](MeetDefinition&, ClubEntries& e) {
                 e.club.clubId.clear();
                 e.club.contact.email.clear();
             },
             {"Fehler: Vereinsdaten: Es fehlt die Vereinsnummer. In den Vereinsdaten eintragen.",
              "Fehler: Vereinsdaten: Es fehlt die E-Mail-Adresse des Ansprechpartners. In den Vereinsdaten "
              "eintragen."},
             before},
            {"the same DSV-ID under another name",
             [](MeetDefinition&, ClubEntries& e) {
                 e.AddSwimmer(MakeSwimmer("Krueger", "Lena", 2011, Sex::Female, "123456"));
             },
             {"Fehler: Krueger, Lena (2011): steht zweimal in der Liste. Einen der beiden löschen und seine Meldungen "
              "beim anderen eintragen."},
             before},
            {"a swimmer with a start but without DSV-ID; one without start needs none",
             [](MeetDefinition&, ClubEntries& e) {
                 Ida(e).registrationNumber = "000000";
                 e.AddSwimmer(MakeSwimmer("Neu", "Nina", 2012, Sex::Female, "000000"));
             },
             {"Warnung: Krüger, Lena Marie (2011): Die DSV-ID fehlt. Die sechsstellige DSV-ID eintragen; ohne sie kann "
              "der Ausrichter den Schwimmer nicht zuordnen."},
             before},
            {"slower than the mandatory time",
             [](MeetDefinition&, ClubEntries& e) { Ida(e).SetEntry("1", "01:30,01"); },
             {"Warnung: Krüger, Lena Marie (2011) – Wettkampf 1 (100 F W): Die Meldezeit 01:30,01 ist langsamer als "
              "die Pflichtzeit 00:01:30,00. Der Ausrichter nimmt nur Meldungen mit Pflichtzeit an: die Meldung "
              "zurücknehmen oder die Zeit prüfen."},
             before},
            {"exactly the mandatory time",
             [](MeetDefinition&, ClubEntries& e) { Ida(e).SetEntry("1", "01:30,00"); },
             {},
             before},
            {"two legs not named yet",
             [](MeetDefinition&, ClubEntries& e) {
                 e.teams()[0]->lineUps.begin()->second = {1, 2, 0, 0};
             },
             {"Warnung: " + relay +
              "In der Aufstellung fehlen 2 von 4 Schwimmern. Die Aufstellung vervollständigen "
              "oder sie am Wettkampftag nachreichen."},
             before},
            {"a swimmer twice",
             [](MeetDefinition&, ClubEntries& e) {
                 e.teams()[0]->lineUps.begin()->second = {1, 3, 3, 4};
             },
             {"Fehler: " + relay +
              "Alt, Anna (1980) steht mehrmals in der Aufstellung. Die Aufstellung der Staffel "
              "berichtigen."},
             before},
            {"a total age below AK 80+",
             [](MeetDefinition&, ClubEntries& e) {
                 e.swimmers()[2]->yearOfBirth = e.swimmers()[3]->yearOfBirth = 2005;
             },
             {"Fehler: " + relay +
              "Das Gesamtalter 70 passt zu keiner Wertungsklasse der Staffel. Andere Schwimmer "
              "aufstellen oder bei der Staffel die passende Klasse wählen."},
             before},
            {"a swimmer of the other sex after the relay became one for women",
             [](MeetDefinition& m, ClubEntries&) { m.FindEvent("2")->sex = "W"; },
             {"Fehler: 1. Mannschaft Mixed – Wettkampf 2 (4x50 L W): Krüger, Paul (2009) darf nach dem Geschlecht "
              "nicht mitschwimmen. Einen anderen Schwimmer aufstellen.",
              "Fehler: 1. Mannschaft Mixed – Wettkampf 2 (4x50 L W): Alt, Bernd (1975) darf nach dem Geschlecht "
              "nicht mitschwimmen. Einen anderen Schwimmer aufstellen."},
             before},
            {"a class the relay does not score",
             [](MeetDefinition&, ClubEntries& e) { e.teams()[0]->classMinimum = "100+"; },
             {"Fehler: " + relay +
              "Die Wertungsklasse AK 100+ gibt es in diesem Wettkampf nicht. Bei der Staffel eine "
              "Klasse des Wettkampfs wählen oder die Meldung zurücknehmen."},
             before},
        });
}

SwimResult IdasFreestyle(std::int64_t hundredths, const char* date)
{
    SwimResult swim = test::SampleSwim(hundredths, date, "123456", "Lehmann");
    swim.swimmer.firstName = "Ida";
    swim.technique = "F";
    swim.meet = "Wintercup";
    return swim;
}

// Ida's entry in 100 F at 01:20,00 against what the results database knows;
// the example's first day is 13.03.2027.
TEST(EntryCheck, EntryTimesAgainstTheBestTimesKnown)
{
    const std::string entry = "Warnung: Lehmann, Ida (2012) – Wettkampf 1 (100 F W): ";
    const struct {
        const char* what;
        std::vector<SwimResult> swims;
        std::vector<std::string> lines;
    } cases[] = {
        {"nothing known", {}, {}},
        {"the best of the twelve months", {IdasFreestyle(8000, "13.03.2026"), IdasFreestyle(8100, "01.02.2027")}, {}},
        {"faster than any time known",
         {IdasFreestyle(8500, "01.02.2027")},
         {entry +
          "Die Meldezeit 1:20,00 ist schneller als die beste bekannte Zeit, 1:25,00 vom 01.02.2027, Wintercup in "
          "Neustadt (25-m-Bahn). Die Meldezeit prüfen: der Ausrichter kann verlangen, dass sie nachgewiesen wird."}},
        {"resting on a time older than twelve months",
         {IdasFreestyle(8000, "12.03.2026"), IdasFreestyle(8400, "01.02.2027")},
         {entry + "Die Meldezeit stützt sich auf eine Zeit, die älter als zwölf Monate ist, 1:20,00 vom 12.03.2026, "
                  "Wintercup in Neustadt (25-m-Bahn). Die Bestzeit der letzten zwölf Monate melden: 1:24,00 vom "
                  "01.02.2027, Wintercup in Neustadt (25-m-Bahn)."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::CheckedMeet checked = test::FormatFiveMeet();
        ASSERT_NE(checked.meet, nullptr);
        ResultCollection results;
        results.results = c.swims;
        EXPECT_EQ(Lines(CheckEntries(*checked.meet, checked.entries, Date("01.02.2027"), &results)), c.lines);
    }
}

}  // namespace
}  // namespace natarix
