// The real files organisers and club programs wrote, beside the repository:
// every definition list reads, every other list is refused by its kind.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "ReaderTestSupport.h"
#include "TestFiles.h"
#include "dsv678/DefinitionListReader.h"

namespace natarix::dsv678 {
namespace {

constexpr const char* kCorpus = NATARIX_DSV_CORPUS;
constexpr const char* kRead = "(read)";
constexpr const char* kResultList = "Diese Datei ist eine Wettkampfergebnisliste, keine Wettkampfdefinitionsliste.";
constexpr const char* kEntryList = "Diese Datei ist eine Vereinsmeldeliste, keine Wettkampfdefinitionsliste.";

// Every file of the corpus and what reading it as a definition list gives.
const std::map<std::string, std::string>& Expected()
{
    static const std::map<std::string, std::string> expected = {
        {"dsvparser__2023-05-14-Marienbe-Pr.DSV6", kResultList},
        {"dsvparser__definition.dsv7", kRead},
        {"dsvparser__ergebnis.dsv7", kResultList},
        {"schroeer-dsv__2025-02-23-Meppen-SVHaren-Me.dsv7", kEntryList},
        {"schroeer-dsv__2025-08-23-Twist-SVHaren-Me.dsv7", kEntryList},
        {"schroeer-dsv__2025-11-23-Papenbur-SVHaren-Me.dsv7", kEntryList},
        {"schroeer-dsv__2025-11-29-Haseluen-SVHaren-Me.dsv7", kEntryList},
        {"schroeer-dsv__2026-01-24-Wilhelms-SVHaren-Me.dsv7", kEntryList},
        {"schroeer-dsv__2026-06-28-Gera-SVHaren-Me.dsv7", kEntryList},
        {"schroeer-dsv__b-csc-2025-03-09-Gersthof-Pr.dsv7", kResultList},
        {"schroeer-dsv__b-csc-2026-02-22-Gersthof-Wk.dsv7", kRead},
        {"schroeer-dsv__b-freital-2026-07-04-Windbergfest-Pr.dsv7", kResultList},
        {"schroeer-dsv__b-freital-2026-07-04-Windbergfest-Wk.dsv7", kRead},
        {"schroeer-dsv__b-potsdam-2024-11-23-Potsdam-Wk.dsv7", kRead},
        {"schroeer-dsv__b-potsdam-2025-lm-protokoll.dsv7", kResultList},
        {"schroeer-dsv__b-shsv-2025-01-25_KSV_Kiel_Winterwettkaempfe-Pr.dsv7", kResultList},
        {"schroeer-dsv__b-shsv-2025-11-08_KSV_Kiel_Kreismeisterschaften-Pr.dsv7", kResultList},
        {"schroeer-dsv__b-shsv-2026-12-12_SV_Wiking_Kiel_Weihnachtsschwimmen-Wk.dsv7", kRead},
        {"schroeer-dsv__dachau-2025-02-23-Dachau-Pr.dsv7", kResultList},
        {"schroeer-dsv__dachau-2025-02-23-Dachau-Wk.dsv7", kRead},
        {"schroeer-dsv__dsc-2025-05-18-Dresden-Wk.dsv7", kRead},
        {"schroeer-dsv__dsc-2025-05-25-Dresden-Pr.dsv7", kResultList},
        {"schroeer-dsv__dsc-2026-07-01-dresden-wk.dsv7", kRead},
        {"schroeer-dsv__dsvportal-13062024-Wk.dsv7", kRead},
        {"schroeer-dsv__dsvportal-13392023-Wk.dsv7", kRead},
        {"schroeer-dsv__dsvportal-3872024-Wk.dsv7", kRead},
        {"schroeer-dsv__gh-swimresults-KKJS_Ergebnis.dsv7", kResultList},
        {"schroeer-dsv__user-emsland-25kurzde.dsv7", kRead},
        {"schroeer-dsv__user-emsland-25kurzer.dsv7", kResultList},
        {"schroeer-dsv__user-emsland-25langde.dsv7", kRead},
        {"schroeer-dsv__user-emsland-25langer.dsv7", kResultList},
        {"schroeer-dsv__user-emsland-25mehrde.dsv7", kRead},
        {"schroeer-dsv__user-emsland-25spride.dsv7", kRead},
        {"schroeer-dsv__user-emsland-25sprier.dsv7", kResultList},
        {"swimresults__2022-12-04-Marienbe-Pr.dsv6", kResultList},
        {"swimresults__2022-12-04-Marienbe-Wk.dsv6", kRead},
        {"swimresults__2023-12-10-Marienbe-Wk.dsv7", kRead},
        {"swimresults__Definitionsdatei.dsv6", kRead},
    };
    return expected;
}

bool CorpusPresent()
{
    return std::string_view(kCorpus) != "" && std::filesystem::is_directory(kCorpus);
}

ReadResult ReadCorpusFile(const std::string& name)
{
    return ReadDefinitionList(natarix::test::ReadBytes(std::string(kCorpus) + "/" + name));
}

TEST(Dsv678Corpus, ReadsEveryDefinitionListAndRefusesTheOtherLists)
{
    if (!CorpusPresent())
        GTEST_SKIP() << "the real DSV files are not beside the repository (shared/corpus/dsv-real; "
                        "NATARIX_DSV_CORPUS_DIR names another folder)";
    std::map<std::string, std::string> found;
    std::map<std::string, std::vector<std::string>> warnings;
    for (const std::string& name : natarix::test::FileNames(kCorpus)) {
        if (name == "SOURCES.md")
            continue;
        const ReadResult result = ReadCorpusFile(name);
        found[name] = result.failure ? result.failure->ShownText() : kRead;
        if (!result.failure)
            warnings[name] = test::ShownWarnings(result);
    }
    EXPECT_EQ(found, Expected());
    // What the files really hold: the DSV standard's own example gives its
    // final the Art of the heat; one organiser repeated blocks of classes.
    const std::map<std::string, std::vector<std::string>> expectedWarnings = {
        {"dsvparser__definition.dsv7", {"Zeile 25: WERTUNG nennt Wettkampf 5 als F, die Datei legt ihn als E fest."}},
        {"schroeer-dsv__user-emsland-25mehrde.dsv7",
         {"Zeile 165 und 19 weitere: Eine WERTUNG wiederholt eine frühere Wort für Wort; sie wird nur einmal "
          "gelesen."}},
    };
    for (const auto& [name, shown] : warnings) {
        const auto expected = expectedWarnings.find(name);
        EXPECT_EQ(shown, expected == expectedWarnings.end() ? std::vector<std::string>{} : expected->second) << name;
    }
}

TEST(Dsv678Corpus, KeepsEveryElementLine)
{
    if (!CorpusPresent())
        GTEST_SKIP() << "the real DSV files are not beside the repository";
    // Counted with grep -c over the files.
    struct Case {
        std::string file;
        std::string element;
        int count;
    };
    const Case cases[] = {
        {"schroeer-dsv__user-emsland-25kurzde.dsv7", "WERTUNG", 1106},
        {"schroeer-dsv__user-emsland-25kurzde.dsv7", "WETTKAMPF", 59},
        {"schroeer-dsv__user-emsland-25kurzde.dsv7", "MELDEGELD", 59},
        {"dsvparser__definition.dsv7", "PFLICHTZEIT", 2},
        {"dsvparser__definition.dsv7", "MELDEGELD", 4},
        {"dsvparser__definition.dsv7", "ABSCHNITT", 2},
        {"swimresults__Definitionsdatei.dsv6", "WETTKAMPF", 70},
        {"swimresults__Definitionsdatei.dsv6", "WERTUNG", 230},
        {"schroeer-dsv__dachau-2025-02-23-Dachau-Wk.dsv7", "WERTUNG", 575},
        {"schroeer-dsv__dachau-2025-02-23-Dachau-Wk.dsv7", "BANKVERBINDUNG", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(test::CountOf(ReadCorpusFile(c.file), c.element), c.count) << c.file << " " << c.element;
}

}  // namespace
}  // namespace natarix::dsv678
