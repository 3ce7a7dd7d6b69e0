#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "TestSupport.h"
#include "dsv5/DefinitionReader.h"

namespace natarix {
namespace {

using test::Dump;
using test::ErrorLineOf;
using test::ErrorOf;
using test::Replaced;

// The short definition list that the reader must accept.
std::string ShortExample()
{
    return test::Lines({
        "WETTKAMPFDEFINITIONSLISTE:",
        "FORMAT:5;",
        "VERANSTALTUNG:Fr\xFChjahrsschwimmen;Musterstadt;;AUTOMATISCH;",  // Windows-1252, as files are
        "VERANSTALTUNGSORT:Hallenbad;Badstra\xDF"
        "e 1;12345;Musterstadt;Deutschland;;;;",
        "MELDEADRESSE:Meldestelle;Weg 2;12345;Musterstadt;Deutschland;;;;",
        "MELDESCHLUSS:01.03.2006;18:00;",
        "ABSCHNITT:1;12.03.2006;09:00;",
        "WETTKAMPF:1;1;100 F M;",
        "WETTKAMPF:2;1;4x50 L X;",
        "WERTUNG:1;JG:1990-1995;",
        "WERTUNG:2;",
        "EINZELMELDEGELD:3,50;",
        "DATEIENDE",
    });
}

std::unique_ptr<MeetDefinition> Parse(const std::string& text)
{
    return DefinitionReader::Parse(text).value();
}

TEST(DefinitionReader, ReadsTheShortExample)
{
    EXPECT_EQ(Dump(*Parse(ShortExample())),
              "title[Frühjahrsschwimmen] place[Musterstadt] pool[] timing[a] online[] deadline[01.03.2006][18:00] "
              "remarks[] fees 0 350 0\n"
              "venue:[Hallenbad][Badstraße 1][12345][Musterstadt][Deutschland][][][]\n"
              "entryAddress:[Meldestelle][Weg 2][12345][Musterstadt][Deutschland][][][]\n"
              "section[1][12.03.2006][09:00][]\n"
              "event[1][1][1][100][F][M] fee 0 0\n"
              "  class 1 JG 1990-1995 [] 2006\n"
              "event[2][1][4][50][L][X] fee 0 0\n"
              "  class 0 [] 2006\n");
}

TEST(DefinitionReader, StopsAtTheFirstDeviation)
{
    struct Case {
        std::string_view from;
        std::string_view to;
        std::string_view message;
        std::size_t line;  // where the reading stopped
    };
    const Case cases[] = {
        {"FORMAT:5;", "FORMAT:5 ;", "Falsches Format", 2},
        {"FORMAT:5;", "FORMAT:4;", "Falsches Format", 2},
        {"AUTOMATISCH;", "Automatisch;", "Ungültige Zeitnahme", 3},
        {"WERTUNG:2;", "WERTUNG:3;", "Wettkampf nicht vorhanden!", 11},
        {"DATEIENDE", "WKMELDEGELD:3;1,00;\r\nDATEIENDE", "Wettkampf nicht vorhanden!", 13},
        // The section is looked up for the event's first scoring line.
        {"WETTKAMPF:2;1;", "WETTKAMPF:2;2;", "Abschnitt nicht vorhanden!", 11},
        {"WERTUNG:1;JG:1990-1995;\r\nWERTUNG:2;\r\n", "", "WERTUNG: not found by EatFixString", 10},
        {"WETTKAMPF:2;1;4x50 L X;", "WETTKAMPF:2;1;4x50 L X;Extra;", "WERTUNG: not found by EatFixString", 9},
        {"EINZELMELDEGELD:3,50;", "EINZELMELDEGELD:3,50;\r\nMELDEGELDPAUSCHALE:1,00;",
         "DATEIENDE not found by EatFixString", 13},
        {"EINZELMELDEGELD:3,50;", "EINZELMELDEGELD:3,50;\r\nEINZELMELDEGELD:3,50;",
         "DATEIENDE not found by EatFixString", 13},
        {"09:00;", "09:00;\r\nBESONDERES:Hinweis;", "WETTKAMPF: not found by EatFixString", 8},
        {"18:00;", "18:00;\r\nAUSSCHREIBUNGIMNETZ:www;", "ABSCHNITT: not found by EatFixString", 7},
        {"MELDEADRESSE:", "Meldeadresse:", "MELDEADRESSE: not found by EatFixString", 5},
        {"\r\nDATEIENDE", "\r\n\tDATEIENDE", "DATEIENDE not found by EatFixString", 13},
        {"DATEIENDE", "", "eatFixString out of buffer", 13},
        {"DATEIENDE", "(* offen", "comment end not found", 13},
        {"DATEIENDE", "(*", "comment end not found", 13},
        {"WERTUNG:2;", "WERTUNG:2;(* offen *", "comment end not found", 11},
    };
    for (const Case& c : cases) {
        const auto parse = [&] { return DefinitionReader::Parse(Replaced(ShortExample(), c.from, c.to)); };
        EXPECT_EQ(ErrorOf(parse), c.message) << c.to;
        EXPECT_EQ(ErrorLineOf(parse), c.line) << c.to;
    }
    EXPECT_EQ(ErrorOf([] { return DefinitionReader::Parse(""); }), "eatFixString out of buffer");
    EXPECT_EQ(ErrorLineOf([] { return DefinitionReader::Parse(""); }), 1u);
}

TEST(DefinitionReader, AcceptsBlanksCommentsAndTrailingText)
{
    const std::string expected = Dump(*Parse(ShortExample()));
    EXPECT_EQ(Dump(*Parse(Replaced(ShortExample(), "FORMAT:5;", "FORMAT: 5;"))), expected);
    EXPECT_EQ(Dump(*Parse(Replaced(ShortExample(), "FORMAT:5;", "FORMAT:\r\n 5;"))), expected);
    EXPECT_EQ(Dump(*Parse(ShortExample() + "\r\n")), expected);
    EXPECT_EQ(Dump(*Parse(ShortExample() + "\r\nWETTKAMPF:kaputt;(* offen")), expected);

    // A comment line before every line, one after every keyword and one
    // before every further field.
    std::string commented;
    const std::string example = ShortExample();
    std::string_view rest = example;
    while (!rest.empty()) {
        const auto lineEnd = rest.find("\r\n");
        std::string line(rest.substr(0, lineEnd));
        rest = lineEnd == std::string_view::npos ? std::string_view() : rest.substr(lineEnd + 2);
        if (const auto colon = line.find(':'); colon != std::string::npos)
            line.insert(colon + 1, "(* Feld *) ");
        for (auto semicolon = line.find(';'); semicolon != std::string::npos; semicolon = line.find(';', semicolon + 1))
            line.insert(semicolon + 1, " (* f *)\r\n");
        commented += "(* Zeile *)\r\n" + line + "\r\n";
    }
    EXPECT_EQ(Dump(*Parse(commented)), expected) << commented;
}

TEST(DefinitionReader, ReadsOptionalAndRepeatedLines)
{
    const auto c = Parse(test::Lines({
        "WETTKAMPFDEFINITIONSLISTE:",
        "FORMAT:5;",
        "VERANSTALTUNG:Bezirk;Musterstadt;Feld3;HANDZEIT;",
        "VERANSTALTUNGSORT:Hallenbad;;;Musterstadt;;;;;",
        "AUSSCHREIBUNGIMNETZ:www.example.org;",
        "MELDEADRESSE:Meldestelle;;;;;;;meldung@example.org;",
        "MELDESCHLUSS:01.03.2006;18:00;",
        "BESONDERES:Keine Nachmeldungen;",
        "ABSCHNITT:10;13.03.2006;15:00;",
        "ABSCHNITT:2;12.03.2006;09:00;EINLASS:08:00;",
        "ABSCHNITT:1;11.03.2006;09:00;",
        "ABSCHNITT:01;01.01.2000;07:00;",
        "WETTKAMPF:1;1;100 F M;",
        "WETTKAMPF:2;10;200 B W;",
        "WETTKAMPF:02;1;50 R X;",
        "WERTUNG:1;AK:40+;",
        "Wertung:1;JG:1990;PFLICHTZEIT:01:30,00;",
        "WERTUNG:2;AK:B;",
        "MELDEGELDPAUSCHALE:15,00;",
        "EINZELMELDEGELD:4,50;",
        "STAFFELMELDEGELD:8,00;",
        "WKMELDEGELD:1;2,00;",
        "WKMELDEGELD:02;-1,50;",
        "DATEIENDE",
    }));
    EXPECT_EQ(c->poolLength, "Feld3");
    EXPECT_EQ(c->timing, "h");
    EXPECT_EQ(c->onlineInvitation, "www.example.org");
    EXPECT_EQ(c->remarks, "Keine Nachmeldungen");
    EXPECT_EQ(c->entryAddress.email, "meldung@example.org");
    EXPECT_EQ(c->flatFee, 1500);
    EXPECT_EQ(c->individualFee, 450);
    EXPECT_EQ(c->relayFee, 800);

    std::string order;
    for (const auto& [number, section] : c->sections())
        order += section.number + "@" + section.date.text() + " ";
    EXPECT_EQ(order, "1@11.03.2006 2@12.03.2006 10@13.03.2006 ");
    EXPECT_EQ(c->FindSection("2")->admission, "EINLASS:08:00");
    EXPECT_EQ(c->FindSection("1")->admission, "");

    ASSERT_EQ(c->events().size(), 2u);
    const Event& first = *c->FindEvent("1");
    EXPECT_TRUE(first.hasOwnFee);
    EXPECT_EQ(first.ownFee, 200);
    ASSERT_EQ(first.scoringClasses.size(), 2u);
    EXPECT_TRUE(std::any_of(first.scoringClasses.begin(), first.scoringClasses.end(),
                            [](const ScoringClass& k) { return k.mandatoryTime == "01:30,00"; }));
    const Event& second = *c->FindEvent("2");
    EXPECT_EQ(second.sectionNumber, "10");
    EXPECT_EQ(second.distance, "200");
    EXPECT_TRUE(second.hasOwnFee);
    EXPECT_EQ(second.ownFee, -150);
    ASSERT_EQ(second.scoringClasses.size(), 1u);
    EXPECT_EQ(second.scoringClasses[0].competitionYear, 2006);
}

TEST(DefinitionReader, ReadsEveryShapeOfScoringClass)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"JG:1990-1995;", "1 JG 1990-1995 [] 2006"},
        {"JG:1990;", "1 JG 1990-1990 [] 2006"},
        {"JG:1995-1990;", "1 JG 1995-1990 [] 2006"},
        {"JG:1990 - 1995 ;", "1 JG 1990-1995 [] 2006"},
        {"AK:40+;", "2 AK 40+ [] 2006"},
        {"AK:40 +;", "2 AK 40+ [] 2006"},
        {"AK:40;", "2 AK 40 [] 2006"},
        {"AK:a;", "2 AK 0 [] 2006"},
        {"AK:A ;", "3 AK A [] 2006"},
        {"AK:J;", "3 AK J [] 2006"},
        {"AK:B;PFLICHTZEIT:00:45,00;", "3 AK B [00:45,00] 2006"},
        {"", "0 [] 2006"},
        {"PFLICHTZEIT:01:30,00;", "0 [01:30,00] 2006"},
    };
    for (const auto& [fields, expected] : cases) {
        const auto meet = Parse(Replaced(ShortExample(), "JG:1990-1995;", fields));
        const auto& classes = meet->FindEvent("1")->scoringClasses;
        ASSERT_EQ(classes.size(), 1u) << fields;
        EXPECT_EQ(test::Describe(classes[0]), expected) << fields;
    }
}

TEST(DefinitionReader, SplitsEventDescriptionsAtMarkerAndSpaces)
{
    struct Case {
        std::string_view description;
        std::string_view count, distance, technique, sex;
    };
    const Case cases[] = {
        {"100 F M", "1", "100", "F", "M"},
        {"4x50 L X", "4", "50", "L", "X"},
        {"4*100 F X", "4", "100", "F", "X"},
        {"4x*100 F X", "4", "*100", "F", "X"},
        {"100 F M \t", "1", "100", "F", "M"},
        {"100", "1", "100", "", ""},
        {"100 F", "1", "100", "F", ""},
        {"100  F M", "1", "100", "", "F M"},
        {"100 F M X", "1", "100", "F", "M X"},
        {"4 x 100 F X", "4", "", "100", "F X"},
        {"10x", "10", "", "", ""},
        {"100 Lx M", "100 L", "", "M", ""},
        {"", "1", "", "", ""},
    };
    for (const Case& c : cases) {
        const std::string text = Replaced(ShortExample(), "100 F M", c.description);
        const auto meet = Parse(text);
        const Event& event = *meet->FindEvent("1");
        EXPECT_EQ(event.swimmerCount, c.count) << c.description;
        EXPECT_EQ(event.distance, c.distance) << c.description;
        EXPECT_EQ(event.technique, c.technique) << c.description;
        EXPECT_EQ(event.sex, c.sex) << c.description;
    }
}

TEST(DefinitionReader, TakesTheCompetitionYearFromShortDatesToo)
{
    const std::pair<std::string_view, std::int32_t> cases[] = {
        {"12.03.2006", 2006}, {"12.03.06", 6}, {"1.3.06", 0}, {"", 0}, {"12.03.20a6", 20}, {"12.03.2006x", 2006},
    };
    for (const auto& [date, year] : cases) {
        const auto c = Parse(Replaced(ShortExample(), "12.03.2006", date));
        EXPECT_EQ(c->FindSection("1")->date.text(), date);
        EXPECT_EQ(c->FindEvent("1")->scoringClasses.at(0).competitionYear, year) << date;
    }
}

TEST(DefinitionReader, ReadsAFileAndReportsOneWarningForAMissingOne)
{
    const test::TempDir dir;
    const std::string path = dir.Path("Bezirk.dsv");
    test::WriteBytes(path, ShortExample());
    const DefinitionRead read = DefinitionReader(path).Read();
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(Dump(*read.value()), Dump(*Parse(ShortExample())));
    EXPECT_TRUE(read.warnings().empty());

    std::filesystem::create_directory(dir.Path("Ordner.dsv"));
    for (const std::string& unreadable : {dir.Path("fehlt.dsv"), dir.Path("Ordner.dsv")}) {
        const DefinitionRead failed = DefinitionReader(unreadable).Read();
        ASSERT_FALSE(failed.ok()) << unreadable;
        EXPECT_EQ(failed.failure(),
                  Message::Warning(std::string("Die Wettkampfdefinitionsdatei konnte nicht geöffnet werden!")))
            << unreadable;
    }

    test::WriteBytes(path, Replaced(ShortExample(), "FORMAT:5;", "FORMAT:6;"));
    const DefinitionRead wrong = DefinitionReader(path).Read();
    ASSERT_FALSE(wrong.ok());
    // The user is told where, without the folder.
    EXPECT_EQ(wrong.failure().ShownText(), "Falsches Format\nDatei Bezirk.dsv, Zeile 2");
}

}  // namespace
}  // namespace natarix
