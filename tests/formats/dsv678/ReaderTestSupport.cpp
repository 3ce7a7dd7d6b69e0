#include "ReaderTestSupport.h"

#include "TestTexts.h"

namespace natarix::dsv678::test {

std::string MinimalDefinitionList()
{
    return natarix::test::Lines({
        "(* Kopf; mit Semikolon: und Doppelpunkt *)",
        "FORMAT:Wettkampfdefinitionsliste;7;",
        "ERZEUGER:Test;1.0;test@example.org;",
        "VERANSTALTUNG:Testmeeting;Musterstadt;25;AUTOMATISCH;",
        "VERANSTALTUNGSORT:Halle;;;Musterstadt;GER;;;;",
        "AUSSCHREIBUNGIMNETZ:;",
        "VERANSTALTER:Verband;",
        "AUSRICHTER:Verein;Muster, Max;;;;;;;max@example.org;",
        "MELDEADRESSE:Muster, Max;;;;;;;max@example.org;",
        "MELDESCHLUSS:01.03.2025;18:00;",
        "ABSCHNITT:1;09.03.2025;;;10:00;;",
        "WETTKAMPF:1;V;1;;100;F;GL;W;SW;;;",
        "WETTKAMPF:2;F;1;;100;F;GL;W;SW;1;V;",
        "WERTUNG:1;V;1;JG;0;;;Offen;",
        "MELDEGELD:Einzelmeldegeld;5,00;;",
        "DATEIENDE",
    });
}

std::vector<std::string> ShownWarnings(const ReadResult& result)
{
    std::vector<std::string> shown;
    for (const Diagnostic& warning : result.warnings)
        shown.push_back(warning.ShownText());
    return shown;
}

int CountOf(const ReadResult& result, std::string_view name)
{
    return result.document ? static_cast<int>(result.document->All(name).size()) : -1;
}

}  // namespace natarix::dsv678::test
