#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReaderTestSupport.h"
#include "TestTexts.h"
#include "dsv678/DefinitionListReader.h"

namespace natarix::dsv678 {
namespace {

using natarix::test::Replaced;
using test::MinimalDefinitionList;
using test::ShownWarnings;

constexpr const char* kRead = "(read)";

struct Case {
    std::string what;
    std::string input;
    std::string failure;  // kRead when it must be read
    std::vector<std::string> warnings = {};
};

std::string WithoutAll(std::string text, char dropped)
{
    std::erase(text, dropped);
    return text;
}

// One element line of the minimal list changed.
std::string With(std::string_view from, std::string_view to)
{
    return Replaced(MinimalDefinitionList(), from, to);
}

void Check(const Case& c)
{
    const ReadResult result = ReadDefinitionList(c.input);
    EXPECT_EQ(result.failure ? result.failure->ShownText() : kRead, c.failure) << c.what;
    EXPECT_EQ(result.document.has_value(), !result.failure.has_value()) << c.what;
    if (!result.failure) {
        EXPECT_EQ(ShownWarnings(result), c.warnings) << c.what;
    }
}

TEST(Dsv678Reader, ForgivesWhatRealFilesDo)
{
    const std::string minimal = MinimalDefinitionList();
    const Case cases[] = {
        {"the minimal list", minimal, kRead, {}},
        {"LF only", WithoutAll(minimal, '\r'), kRead, {}},
        {"lone CR", WithoutAll(minimal, '\n'), kRead, {}},
        {"BOM", "\xEF\xBB\xBF" + minimal, kRead, {}},
        {"blank lines and blanks", Replaced(minimal, "DATEIENDE", "  \r\n\t\r\n  DATEIENDE  \r\n\r\n"), kRead, {}},
        {"newline after DATEIENDE", minimal + "\r\n", kRead, {}},
        {"comment after data, with ; inside",
         With("WETTKAMPF:1;V;1;;100;F;GL;W;SW;;;", "WETTKAMPF:1;V;1;;100;F;GL;W;SW;;; (* a;b: c *) (* d *)"),
         kRead,
         {}},
        {"comment before the colon", With("VERANSTALTER:Verband;", "VERANSTALTER(* x; *):Verband;"), kRead, {}},
        {"blank after NAME: and around fields",
         With("WETTKAMPF:1;V;1;;100;F;GL;W;SW;;;", "WETTKAMPF: 1 ; V ;1; ;100;F;GL;W;SW ; ; ; "),
         kRead,
         {}},
        {"missing final ;", With("WERTUNG:1;V;1;JG;0;;;Offen;", "WERTUNG:1;V;1;JG;0;;;Offen"), kRead, {}},
        {"missing trailing optional fields",
         With("WETTKAMPF:1;V;1;;100;F;GL;W;SW;;;", "WETTKAMPF:1;V;1;;100;F;GL;W;SW;"),
         kRead,
         {}},
        {"element names in any case", With("VERANSTALTER:Verband;", "Veranstalter:Verband;"), kRead, {}},
        {"list kind in any case", With("Wettkampfdefinitionsliste", "WETTKAMPFDEFINITIONSLISTE"), kRead, {}},
        {"enumerations in any case",
         With("WETTKAMPF:1;V;1;;100;F;GL;W;SW;;;", "WETTKAMPF:1;v;1;;100;f;gl;w;sw;;;"),
         kRead,
         {}},
        {"empty required values", With("WERTUNG:1;V;1;JG;0;;;Offen;", "WERTUNG:1;V;1;;;;;;"), kRead, {}},
        {"quotes are ordinary",
         With("Testmeeting", "\"Letzte;Chance\""),
         kRead,
         {"Zeile 4: VERANSTALTUNG hat 5 Felder, erwartet werden 4; die übrigen werden nicht gelesen.",
          "Zeile 4: Unbekannter Wert „Musterstadt“ für Bahnlänge in VERANSTALTUNG; er bleibt, wie er geschrieben ist.",
          "Zeile 4: Unbekannter Wert „25“ für Zeitmessung in VERANSTALTUNG; er bleibt, wie er geschrieben ist."}},
        {"Windows-1252",
         With("VERANSTALTER:Verband;", "VERANSTALTER:Verband M\xFCnchen;"),
         kRead,
         {"Die Datei ist nicht in UTF-8 geschrieben; sie wird als Windows-1252 gelesen."}},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(Dsv678Reader, WarnsWhereItInterprets)
{
    const Case cases[] = {
        {"surplus fields",
         With("WERTUNG:1;V;1;JG;0;;;Offen;", "WERTUNG:1;V;1;JG;0;;;Offen;x;"),
         kRead,
         {"Zeile 14: WERTUNG hat 9 Felder, erwartet werden 8; die übrigen werden nicht gelesen."}},
        {"unknown elements, counted once",
         With("VERANSTALTER:Verband;", "VERANSTALTER:Verband;\r\nFOO:1;\r\nfoo;"),
         kRead,
         {"Zeile 8 und eine weitere: Das Element FOO gehört nicht zu einer Wettkampfdefinitionsliste und "
          "wird übergangen."}},
        {"a line without name",
         With("VERANSTALTER:Verband;", "VERANSTALTER:Verband;\r\n:x;"),
         kRead,
         {"Zeile 8: Eine Zeile ohne Elementnamen wird übergangen."}},
        {"unknown code kept",
         With("WETTKAMPF:1;V;1;;100;F;GL;W;SW;;;", "WETTKAMPF:1;V;1;;100;Q;GL;W;SW;;;"),
         kRead,
         {"Zeile 12: Unbekannter Wert „Q“ für Technik in WETTKAMPF; er bleibt, wie er geschrieben ist."}},
        {"value of a later format",
         With("WETTKAMPF:1;V;1;;100;F;GL;W;SW;;;", "WETTKAMPF:1;V;1;;100;F;GL;D;SW;;;"),
         kRead,
         {"Zeile 12: Der Wert „D“ für Geschlecht in WETTKAMPF gehört nicht zu Format 7; er wird trotzdem gelesen."}},
        {"element of a later format",
         With("VERANSTALTER:Verband;", "VERANSTALTER:Verband;\r\nLASTSCHRIFT:J;"),
         kRead,
         {"Zeile 8: Das Element LASTSCHRIFT gibt es erst ab Format 8; es wird trotzdem gelesen."}},
        {"not of its type",
         With("MELDESCHLUSS:01.03.2025;18:00;", "MELDESCHLUSS:1.3.2025;18 Uhr;"),
         kRead,
         {"Zeile 10: Datum in MELDESCHLUSS ist kein Datum (TT.MM.JJJJ): „1.3.2025“; der Wert bleibt, wie er "
          "geschrieben ist.",
          "Zeile 10: Uhrzeit in MELDESCHLUSS ist keine Uhrzeit (HH:MM): „18 Uhr“; der Wert bleibt, wie er geschrieben "
          "ist."}},
        {"repeated WERTUNG",
         With("WERTUNG:1;V;1;JG;0;;;Offen;", "WERTUNG:1;V;1;JG;0;;;Offen;\r\nWERTUNG:1;V;1;JG;0;;;Offen;"),
         kRead,
         {"Zeile 15: Eine WERTUNG wiederholt eine frühere Wort für Wort; sie wird nur einmal gelesen."}},
        {"WertungsID twice",
         With("WERTUNG:1;V;1;JG;0;;;Offen;", "WERTUNG:1;V;1;JG;0;;;Offen;\r\nWERTUNG:2;F;1;JG;0;;;Offen;"),
         kRead,
         {"Zeile 15: Die WertungsID 1 ist schon in Zeile 14 vergeben."}},
        {"WERTUNG of another round",
         With("WERTUNG:1;V;1;", "WERTUNG:1;E;1;"),
         kRead,
         {"Zeile 14: WERTUNG nennt Wettkampf 1 als E, die Datei legt ihn als V fest."}},
        {"qualifying reference to the wrong round",
         With("SW;1;V;", "SW;1;Z;"),
         kRead,
         {"Zeile 13: Die Qualifikation von Wettkampf 2 nennt Wettkampf 1 als Z, die Datei legt ihn als V fest."}},
        {"element allowed once, twice",
         With("VERANSTALTER:Verband;", "VERANSTALTER:Verband;\r\nVERANSTALTER:Zwei;"),
         kRead,
         {"Zeile 8: VERANSTALTER steht ein weiteres Mal in der Datei; gelesen wird nur das erste."}},
        {"element missing",
         With("ERZEUGER:Test;1.0;test@example.org;\r\n", ""),
         kRead,
         {"Die Datei enthält kein Element ERZEUGER."}},
        {"unclosed comment",
         With("VERANSTALTER:Verband;", "VERANSTALTER:Verband; (* offen"),
         kRead,
         {"Zeile 7: Ein Kommentar „(*“ endet nicht in seiner Zeile; der Rest der Zeile wird übergangen."}},
        {"fields of format 8 in format 7",
         With("VERANSTALTER:Verband;", "VERANSTALTER:Verband;\r\nBANKVERBINDUNG:Bank;DE00;BIC;Inhaber;"),
         kRead,
         {"Zeile 8: BANKVERBINDUNG hat 4 Felder, erwartet werden 3; die übrigen werden nicht gelesen."}},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(Dsv678Reader, FailsWhereMeaningWouldBeLost)
{
    const std::string minimal = MinimalDefinitionList();
    const Case cases[] = {
        {"too few fields", With("WETTKAMPF:1;V;1;;100;F;GL;W;SW;;;", "WETTKAMPF:1;V;1;;100;F;GL;W;"),
         "Zeile 12: WETTKAMPF hat 8 Felder, erwartet werden 11."},
        {"too few fields for format 8",
         With("FORMAT:Wettkampfdefinitionsliste;7;", "FORMAT:Wettkampfdefinitionsliste;8;\r\nBANKVERBINDUNG:B;DE00;C;"),
         "Zeile 3: BANKVERBINDUNG hat 3 Felder, erwartet werden 4."},
        {"unknown sex of an event", With("SW;;;", "SW;;;\r\nWETTKAMPF:3;V;1;;50;F;GL;Q;SW;;;"),
         "Zeile 13: Unbekannter Wert „Q“ für Geschlecht in WETTKAMPF."},
        {"unknown class type", With("WERTUNG:1;V;1;JG;", "WERTUNG:1;V;1;XY;"),
         "Zeile 14: Unbekannter Wert „XY“ für Wertungsklasse Typ in WERTUNG."},
        {"unknown Wettkampfart", With("WETTKAMPF:1;V;", "WETTKAMPF:1;Q;"),
         "Zeile 12: Unbekannter Wert „Q“ für Wettkampfart in WETTKAMPF."},
        {"empty key", With("WETTKAMPF:1;V;", "WETTKAMPF:;V;"),
         "Zeile 12: Das Feld „Wettkampfnr.“ in WETTKAMPF ist leer."},
        {"key not a number", With("ABSCHNITT:1;", "ABSCHNITT:eins;"),
         "Zeile 11: Abschnittsnr. in ABSCHNITT ist keine Zahl: „eins“."},
        {"undefined section", With("WETTKAMPF:1;V;1;", "WETTKAMPF:1;V;2;"),
         "Zeile 12: Wettkampf 1 gehört zu Abschnitt 2, den die Datei nicht festlegt."},
        {"WERTUNG of an undefined event", With("WERTUNG:1;V;", "WERTUNG:5;V;"),
         "Zeile 14: WERTUNG nennt Wettkampf 5, den die Datei nicht festlegt."},
        {"PFLICHTZEIT of an undefined event", With("MELDEGELD:", "PFLICHTZEIT:7;V;JG;0;;00:01:00,00;;\r\nMELDEGELD:"),
         "Zeile 15: PFLICHTZEIT nennt Wettkampf 7, den die Datei nicht festlegt."},
        {"qualifying heat undefined", With("SW;1;V;", "SW;7;V;"),
         "Zeile 13: Die Qualifikation von Wettkampf 2 nennt Wettkampf 7, den die Datei nicht festlegt."},
        {"Wkmeldegeld of an undefined event", With("MELDEGELD:Einzelmeldegeld;5,00;;", "MELDEGELD:WKMELDEGELD;5,00;9;"),
         "Zeile 15: Das Wkmeldegeld nennt Wettkampf 9, den die Datei nicht festlegt."},
        {"Wkmeldegeld without event", With("MELDEGELD:Einzelmeldegeld;5,00;;", "MELDEGELD:Wkmeldegeld;5,00;;"),
         "Zeile 15: Das Wkmeldegeld nennt keinen Wettkampf."},
        {"section twice",
         With("ABSCHNITT:1;09.03.2025;;;10:00;;",
              "ABSCHNITT:1;09.03.2025;;;10:00;;\r\nABSCHNITT:1;10.03.2025;;;10:00;;"),
         "Zeile 12: Abschnitt 1 ist schon in Zeile 11 festgelegt."},
        {"event twice", With("WETTKAMPF:2;F;", "WETTKAMPF:1;V;"),
         "Zeile 13: Wettkampf 1 (V) ist schon in Zeile 12 festgelegt."},
        {"VERANSTALTUNG twice", With("VERANSTALTER:", "VERANSTALTUNG:B;C;25;HANDZEIT;\r\nVERANSTALTER:"),
         "Zeile 7: VERANSTALTUNG steht ein weiteres Mal in der Datei."},
        {"no VERANSTALTUNG", With("VERANSTALTUNG:Testmeeting;Musterstadt;25;AUTOMATISCH;\r\n", ""),
         "Die Datei enthält kein Element VERANSTALTUNG."},
        {"empty file", "(* nur ein Kommentar *)\r\n\r\n",
         "Die Datei ist leer; eine Wettkampfdefinitionsliste beginnt mit FORMAT."},
        {"FORMAT not first", With("FORMAT:Wettkampfdefinitionsliste;7;\r\n", ""),
         "Zeile 2: Die Datei beginnt mit ERZEUGER, nicht mit FORMAT; sie ist keine Liste der DSV-Formate 6 bis 8."},
        {"FORMAT twice", With("VERANSTALTER:", "FORMAT:Wettkampfdefinitionsliste;7;\r\nVERANSTALTER:"),
         "Zeile 7: FORMAT steht ein zweites Mal in der Datei."},
        {"FORMAT too short", With("Wettkampfdefinitionsliste;7;", "Wettkampfdefinitionsliste;"),
         "Zeile 2: FORMAT hat 1 Feld, erwartet werden 2."},
        {"result list", With("Wettkampfdefinitionsliste", "WETTKAMPFERGEBNISLISTE"),
         "Diese Datei ist eine Wettkampfergebnisliste, keine Wettkampfdefinitionsliste."},
        {"entry list", With("Wettkampfdefinitionsliste", "Vereinsmeldeliste"),
         "Diese Datei ist eine Vereinsmeldeliste, keine Wettkampfdefinitionsliste."},
        {"club result list", With("Wettkampfdefinitionsliste", "Vereinsergebnisliste"),
         "Diese Datei ist eine Vereinsergebnisliste, keine Wettkampfdefinitionsliste."},
        {"unknown list kind", With("Wettkampfdefinitionsliste", "Startliste"),
         "Zeile 2: „Startliste“ ist keine Listart des DSV-Standards."},
        {"format 9", With("liste;7;", "liste;9;"), "Diese Datei hat das Format 9; gelesen werden die Formate 5 bis 8."},
        {"format 5 is not this reader's", With("liste;7;", "liste;5;"),
         "Diese Datei hat das Format 5; gelesen werden die Formate 5 bis 8."},
        {"format not a number", With("liste;7;", "liste;sieben;"),
         "Zeile 2: Die Formatnummer „sieben“ ist keine Zahl."},
        {"no DATEIENDE", With("\r\nDATEIENDE", ""), "Die Datei endet ohne DATEIENDE; sie ist wohl unvollständig."},
        {"content after DATEIENDE", minimal + "\r\nWETTKAMPF:3;V;1;;50;F;GL;W;SW;;;",
         "Zeile 17: Nach DATEIENDE folgt noch WETTKAMPF."},
    };
    for (const Case& c : cases)
        Check(c);
}

// Told by content, not by name; a build without libzip says what to do.
TEST(Dsv678Reader, TakesZipMagicForAnArchive)
{
    const std::string bytes = std::string("PK\x03\x04", 4) + MinimalDefinitionList();
    ASSERT_TRUE(LooksLikeZipArchive(bytes));
    EXPECT_FALSE(LooksLikeZipArchive("PK" + MinimalDefinitionList()));
    const ReadResult result = ReadDefinitionList(bytes);
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->ShownText(),
              ReadsZipArchives() ? "Die Datei ist ein beschädigtes ZIP-Archiv und lässt sich nicht öffnen."
                                 : "Diese Datei ist ein ZIP-Archiv (.DSV8z); diese Ausgabe des Programms öffnet keine "
                                   "ZIP-Archive. Bitte die DSV-Datei darin auspacken und diese öffnen.");
}

TEST(Dsv678Reader, KeepsLinesAndTrimmedFieldsWithCanonicalCodes)
{
    const ReadResult result =
        ReadDefinitionList(With("WETTKAMPF:1;V;1;;100;F;GL;W;SW;;;", "wettkampf : 1 ; v ;1;;100;f;gl;w;sw;;; (* x *)"));
    ASSERT_TRUE(result.document) << result.failure->ShownText();
    const Document& document = *result.document;
    EXPECT_EQ(document.version, 7);
    EXPECT_EQ(document.kind, ListKind::Wettkampfdefinitionsliste);
    ASSERT_EQ(document.elements.size(), 13u);  // without FORMAT and DATEIENDE
    const Element& event = *document.First("WETTKAMPF");
    EXPECT_EQ(event.line, 12u);
    EXPECT_EQ(event.fields, (std::vector<std::string>{"1", "V", "1", "", "100", "F", "GL", "W", "SW", "", ""}));
    EXPECT_EQ(document.All("WETTKAMPF").size(), 2u);
    EXPECT_EQ(document.First("PFLICHTZEIT"), nullptr);

    const ReadResult fee = ReadDefinitionList(With("Einzelmeldegeld", "EINZELMELDEGELD"));
    ASSERT_TRUE(fee.document);
    EXPECT_EQ(fee.document->First("MELDEGELD")->Field(0), "Einzelmeldegeld");
    EXPECT_EQ(fee.document->First("MELDEGELD")->Field(7), "");

    const ReadResult repeated = ReadDefinitionList(
        With("WERTUNG:1;V;1;JG;0;;;Offen;", "WERTUNG:1;V;1;JG;0;;;Offen;\r\nWERTUNG:1;V;1;JG;0;;;Offen;"));
    EXPECT_EQ(test::CountOf(repeated, "WERTUNG"), 1);
    EXPECT_EQ(ShownWarnings(repeated).size(), 1u);
}

}  // namespace
}  // namespace natarix::dsv678
