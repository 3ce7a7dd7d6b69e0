// The front door picks the reader from the content of the file, not its name.
#include <gtest/gtest.h>

#include <string>

#include "TestFiles.h"
#include "TestTexts.h"
#include "dsv678/DefinitionListReader.h"
#include "formats/DefinitionList.h"

namespace natarix {
namespace {

using test::Data;
using test::Replaced;

TEST(FrontDoor, PicksTheReaderByContent)
{
    const std::string five = Data("minimal.dsv");
    const std::string seven = Data("two-rounds.dsv7");
    struct Case {
        const char* what;
        std::string bytes;
        std::string outcome;  // "format N", or the failure as shown
    };
    const Case cases[] = {
        {"format 5", five, "format 5"},
        {"format 7", seven, "format 7"},
        {"format 6, lower-case element",
         Replaced(seven, "FORMAT:Wettkampfdefinitionsliste;7;", "format: WETTKAMPFDEFINITIONSLISTE ; 6 ;"), "format 6"},
        {"format 8", Replaced(Replaced(seven, "liste;7;", "liste;8;"), "1234;;", "1234;;SV Muster;"), "format 8"},
        {"format-5 list with another number stays with its reader", Replaced(five, "FORMAT:5;", "FORMAT:7;"),
         "Falsches Format\nDatei Liste.dsv, Zeile 2"},
        {"a FORMAT line of version 5 too", Replaced(seven, "liste;7;", "liste;5;"),
         "WETTKAMPFDEFINITIONSLISTE: not found by EatFixString\nDatei Liste.dsv, Zeile 2"},
        {"result list", Replaced(seven, "Wettkampfdefinitionsliste;7", "Wettkampfergebnisliste;7"),
         "Diese Datei ist eine Wettkampfergebnisliste, keine Wettkampfdefinitionsliste.\nDatei Liste.dsv"},
        {"version 9", Replaced(seven, "liste;7;", "liste;9;"),
         "Diese Datei hat das Format 9; gelesen werden die Formate 5 bis 8.\nDatei Liste.dsv"},
        {"ZIP archive", std::string("PK\x03\x04", 4) + seven,
         std::string(dsv678::ReadsZipArchives()
                         ? "Die Datei ist ein beschädigtes ZIP-Archiv und lässt sich nicht öffnen."
                         : "Diese Datei ist ein ZIP-Archiv (.DSV8z); diese Ausgabe des Programms öffnet keine "
                           "ZIP-Archive. Bitte die DSV-Datei darin auspacken und diese öffnen.") +
             "\nDatei Liste.dsv"},
        {"modern failure with its line",
         Replaced(seven, "WETTKAMPF:2;E;1;4;50;L;GL;X;SW;;;", "WETTKAMPF:2;E;1;4;50;L;"),
         "WETTKAMPF hat 6 Felder, erwartet werden 11.\nDatei Liste.dsv, Zeile 16"},
    };
    const test::TempDir folder;
    const std::string path = folder.Path("Liste.dsv");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::WriteBytes(path, c.bytes);
        const auto read = ReadDefinitionList(path);
        EXPECT_EQ(read.ok() ? "format " + std::to_string(read.value()->formatVersion) : read.failure().ShownText(),
                  c.outcome);
    }
}

}  // namespace
}  // namespace natarix
