#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "CliRun.h"
#include "TestFiles.h"
#include "TestTexts.h"
#include "dsv5/DefinitionReader.h"
#include "dsv5/EntryListWriter.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using natarix::test::Data;
using natarix::test::DataPath;
using natarix::test::Outcome;
using natarix::test::ReadBytes;
using natarix::test::RunCli;
using natarix::test::TempDir;

// Name -> content and modification time of everything in the folder.
std::map<std::string, std::string> Snapshot(const std::string& folder)
{
    std::map<std::string, std::string> state;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string content = entry.is_directory() ? "<folder>" : ReadBytes(entry.path().string());
        state[entry.path().string()] =
            content + " @" + std::to_string(entry.last_write_time().time_since_epoch().count());
    }
    return state;
}

// Standard error without the findings the check prints before an export,
// which depend on the day the test runs.
std::string WithoutCheck(const std::string& err)
{
    const std::string head = "Vor dem Versand prüfen:\n";
    const std::size_t start = err.find(head);
    if (start == std::string::npos)
        return err;
    std::size_t end = start + head.size();
    while (err.compare(end, 7, "Fehler:") == 0 || err.compare(end, 8, "Warnung:") == 0)
        end = err.find('\n', end) + 1;
    return err.substr(0, start) + err.substr(end);
}

// The JSON text with the layout between tokens replaced by one line break
// after each "," "{" "[", so that only content and order are compared and a
// difference shows as a line.
std::string Tokens(const std::string& json)
{
    std::string result;
    bool inString = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            result += c;
            if (c == '\\' && i + 1 < json.size())
                result += json[++i];
            else if (c == '"')
                inString = false;
        } else if (c != ' ' && c != '\n' && c != '\r' && c != '\t') {
            result += c;
            inString = c == '"';
            if (c == ',' || c == '{' || c == '[')
                result += '\n';
        }
    }
    return result;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size())
        lines.push_back(text.substr(start) + "<no line end>");
    return lines;
}

class CliTest : public ::testing::Test {
protected:
    void Copy(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            fs::copy_file(DataPath(name), folder.Path(name));
    }
    Outcome Run(const std::vector<std::string>& args) { return RunCli(folder.path(), args); }

    TempDir folder;
};

TEST_F(CliTest, ShowPrintsTheWholeModelAndWritesNothing)
{
    Copy({"minimal.dsv", "minimal.dsv.meld"});
    const auto before = Snapshot(folder.path());
    const Outcome run = Run({"show", "minimal.dsv"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Tokens(run.out), Tokens(Data("minimal.json")));
    EXPECT_EQ(Snapshot(folder.path()), before);
}

TEST_F(CliTest, ShowWithoutDefinitionTakesTheFirstReadableListOfTheFolder)
{
    Copy({"malformed.dsv", "minimal.dsv", "minimal.dsv.meld"});
    const Outcome run = Run({"show"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "") << "a malformed list is passed over silently";
    EXPECT_EQ(Tokens(run.out), Tokens(Data("minimal.json")));
}

TEST_F(CliTest, ShowOfPartlyReadWorkingFilePrintsWhatWasReadAndKeepsNothing)
{
    Copy({"partial.dsv", "partial.dsv.meld"});
    const auto before = Snapshot(folder.path());
    const Outcome run = Run({"show", "partial.dsv"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Falsche Geschlechtsangabe\nDatei partial.dsv.meld, Zeile 17\n");
    const std::string tokens = Tokens(run.out);
    EXPECT_NE(tokens.find("\"surname\":\"Kr\xC3\xBCger\""), std::string::npos);
    EXPECT_NE(tokens.find("\"teams\":[\n]"), std::string::npos);
    EXPECT_EQ(Snapshot(folder.path()), before);
}

TEST_F(CliTest, SaveCreatesTheMissingWorkingFileAndRewritesAnExistingOneAsItWas)
{
    Copy({"minimal.dsv"});
    Outcome run = Run({"save", "minimal.dsv"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    const std::string meld = folder.Path("minimal.dsv.meld");
    EXPECT_EQ(ReadBytes(meld),
              natarix::EntryListWriter(meld, *natarix::DefinitionReader::Parse(Data("minimal.dsv")).value(),
                                       natarix::ClubEntries(), false)
                  .BuildText());

    fs::copy_file(DataPath("minimal.dsv.meld"), meld, fs::copy_options::overwrite_existing);
    run = Run({"save", "minimal.dsv"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadBytes(meld), Data("minimal.dsv.meld"));
    EXPECT_EQ(Snapshot(folder.path()).size(), 2u);
}

TEST_F(CliTest, SaveKeepsThePartlyReadWorkingFileAndSaysWhere)
{
    // The message names the copy by its full path, which leaves the program in UTF-8 again.
    const std::string sub = folder.Path(
        "Wettkampf \xC3\x9C"
        "ber");
    fs::create_directory(sub);
    for (const char* name : {"partial.dsv", "partial.dsv.meld"})
        fs::copy_file(DataPath(name), sub + "/" + name);
    Outcome run = RunCli(sub, {"save", sub + "/partial.dsv"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    const auto lines = Lines(run.err);
    ASSERT_EQ(lines.size(), 3u) << run.err;
    EXPECT_EQ(lines[0], "Falsche Geschlechtsangabe");
    EXPECT_EQ(lines[1], "Datei partial.dsv.meld, Zeile 17");
    EXPECT_NE(lines[2].find(sub + "/partial.dsv.meld.original"), std::string::npos) << lines[2];
    EXPECT_EQ(ReadBytes(sub + "/partial.dsv.meld.original"), Data("partial.dsv.meld"));

    run = RunCli(sub, {"show", "partial.dsv"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "") << "the rewritten working file reads completely";
}

TEST_F(CliTest, NothingLoadedGivesStatusOneAndWritesNothing)
{
    struct Case {
        std::vector<std::string> args;
        const char* data;
        std::string err;  // empty: any one line
    };
    const Case cases[] = {
        {{"show", "malformed.dsv"}, "malformed.dsv", "Falsches Format\nDatei malformed.dsv, Zeile 2\n"},
        {{"save", "malformed.dsv"}, "malformed.dsv", "Falsches Format\nDatei malformed.dsv, Zeile 2\n"},
        {{"save", "missing.dsv"},
         nullptr,
         "Die Wettkampfdefinitionsdatei konnte nicht ge\xC3\xB6"
         "ffnet werden!\n"},
        {{"show"}, nullptr, ""},
        {{"save"}, "malformed.dsv", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front() + (c.data ? std::string(" with ") + c.data : std::string(" in an empty folder")));
        TempDir scratch;
        if (c.data)
            fs::copy_file(DataPath(c.data), scratch.Path(c.data));
        const auto before = Snapshot(scratch.path());
        const Outcome run = RunCli(scratch.path(), c.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        if (c.err.empty())
            EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
        else
            EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(Snapshot(scratch.path()), before);
    }
}

TEST_F(CliTest, UsageErrorsGiveStatusTwoAndDoNothing)
{
    Copy({"minimal.dsv"});
    const auto before = Snapshot(folder.path());
    const std::vector<std::string> cases[] = {
        {},
        {"frobnicate"},
        {"--bogus"},
        {"minimal.dsv", "save"},
        {"show", "--bogus"},
        {"--bogus", "save", "minimal.dsv"},
        {"save", "minimal.dsv", "--bogus"},
        {"save", "minimal.dsv", "--bogus=1"},
        {"save", "minimal.dsv", "minimal.dsv"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(testing::PrintToString(args));
        const Outcome run = Run(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
        EXPECT_EQ(Snapshot(folder.path()), before);
    }
}

TEST_F(CliTest, HelpAnywhereExplainsAndDoesNothingElse)
{
    Copy({"minimal.dsv"});
    const auto before = Snapshot(folder.path());
    const std::vector<std::string> cases[] = {{"--help"}, {"--help", "save"}, {"save", "minimal.dsv", "--help"}};
    for (const auto& args : cases) {
        SCOPED_TRACE(testing::PrintToString(args));
        const Outcome run = Run(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find("natarix-cli show"), std::string::npos);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(Snapshot(folder.path()), before);
    }
}

TEST_F(CliTest, SaveThatCannotCreateTheTemporaryFileGivesStatusThree)
{
    Copy({"minimal.dsv", "minimal.dsv.meld"});
    fs::create_directory(folder.Path("minimal.dsv.meld.natarix-tmp"));
    const Outcome run = Run({"save", "minimal.dsv"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(WithoutCheck(run.err), "Die Vereinsmeldeliste konnte nicht angelegt werden!\n");
    EXPECT_EQ(ReadBytes(folder.Path("minimal.dsv.meld")), Data("minimal.dsv.meld"));
}

TEST_F(CliTest, ShowThatCannotPrintTheModelDoesNotReportSuccess)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "needs /dev/full";
    Copy({"minimal.dsv", "minimal.dsv.meld"});
    const Outcome run = RunCli(folder.path(), {"show", "minimal.dsv"}, "/dev/full");
    EXPECT_EQ(run.status, 3) << "a script must not take a truncated model for the whole one";
}

TEST_F(CliTest, JsonStringsCarryEveryByteEscapedWhereJsonRequiresIt)
{
    // The title holds: Pokal "Nord\Süd" 0x81 0x80 TAB !
    Copy({"escapes.dsv"});
    const Outcome run = Run({"show", "escapes.dsv"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::string title = R"("title":"Pokal \"Nord\\Süd\" )" + std::string("\xC2\x81") + R"(€\t!")";
    EXPECT_NE(Tokens(run.out).find(title), std::string::npos) << run.out;
}

constexpr const char* kExportDsv = "060312-Musterstadt-Me-SVGruen-WeissMusterstadt.DSV";
constexpr const char* kExportPdf = "060312-Musterstadt-Meldungen-SVGruen-WeissMusterstadt.PDF";

TEST_F(CliTest, ExportWritesBothFilesUnderTheirNamesAndPrintsTheirPaths)
{
    Copy({"minimal.dsv", "minimal.dsv.meld"});
    TempDir target;
    const Outcome run = Run({"export", "--dir", target.path(), "minimal.dsv"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(WithoutCheck(run.err), "");
    EXPECT_EQ(run.out, (target.Path(kExportDsv)) + "\n" + (target.Path(kExportPdf)) + "\n");
    EXPECT_EQ(ReadBytes(target.Path(kExportDsv)), Data("minimal-export.DSV"));
    EXPECT_EQ(ReadBytes(target.Path(kExportPdf)).substr(0, 8), "%PDF-1.1");
}

TEST_F(CliTest, ExportIntoTheCurrentFolderByDefault)
{
    Copy({"minimal.dsv", "minimal.dsv.meld"});
    const Outcome run = Run({"export"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadBytes(folder.Path(kExportDsv)), Data("minimal-export.DSV"));
    EXPECT_TRUE(fs::exists(folder.Path(kExportPdf)));
}

TEST_F(CliTest, ExportRefusalsAndFailuresGiveStatusThree)
{
    Copy({"minimal.dsv"});
    // No working file: the club has no name yet.
    Outcome run = Run({"export", "minimal.dsv"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(WithoutCheck(run.err),
              "Der meldende Verein muss zunächst angegeben werden! Klicken Sie dazu auf \"Vereinsdaten ...\".\n");
    EXPECT_FALSE(fs::exists(folder.Path("minimal.dsv.meld"))) << "export writes no working file";

    Copy({"minimal.dsv.meld"});
    run = Run({"export", "--dir=" + (folder.Path("missing"))});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");

    // A folder where the DSV file should go: only the PDF is written and printed.
    fs::create_directory(folder.Path(kExportDsv));
    run = Run({"export"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, (folder.Path(kExportPdf)) + "\n");
    EXPECT_EQ(WithoutCheck(run.err), "Die Vereinsmeldeliste konnte nicht angelegt werden!\n");
}

TEST_F(CliTest, ExportWarnsOfImpossibleEntriesAndStillWrites)
{
    Copy({"minimal.dsv"});
    // Born 1980, Krüger no longer falls into event 1's years 1990-1995.
    std::string workingFile = Data("minimal.dsv.meld");
    const std::size_t year = workingFile.find(";M;1992;");
    ASSERT_NE(year, std::string::npos);
    workingFile.replace(year, 8, ";M;1980;");
    natarix::test::WriteBytes(folder.Path("minimal.dsv.meld"), workingFile);

    const Outcome run = Run({"export"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("\nFehler: Krüger, Lukas (1980) – Wettkampf 1 (100 F M): nicht zugelassen (Jahrgang). "),
              std::string::npos)
        << run.err;
    EXPECT_EQ(WithoutCheck(run.err), "");
    EXPECT_EQ(run.out, folder.Path(kExportDsv) + "\n" + folder.Path(kExportPdf) + "\n");
    EXPECT_NE(
        ReadBytes(folder.Path(kExportDsv)).find("PNMELDUNG:Kr\xFCger,Lukas;123456;M;1980;;\r\nSTARTS:1;01:02,35;"),
        std::string::npos);
}

TEST_F(CliTest, ExportWithMailHandsBothFilesToTheMailProgram)
{
    Copy({"minimal.dsv", "minimal.dsv.meld"});
    TempDir bin;
    const std::string recorded = bin.Path("args");
    std::ofstream(bin.Path("xdg-email")) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" << recorded << "'\nexit "
                                         << "${FAKE_STATUS:-0}\n";
    fs::permissions(bin.Path("xdg-email"), fs::perms::owner_all);
    const std::string oldPath = getenv("PATH");
    setenv("PATH", (bin.path() + ":" + oldPath).c_str(), 1);

    Outcome run = Run({"export", "--mail"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(WithoutCheck(run.err), "");
    EXPECT_EQ(ReadBytes(recorded),
              "--utf8\n--subject\nMeldungen für Frühjahrsschwimmen von SV Grün-Weiß Musterstadt\n"
              "--attach\n" +
                  (folder.Path(kExportDsv)) + "\n--attach\n" + (folder.Path(kExportPdf)) + "\n")
        << "the entry address has no e-mail, so no recipient is passed";

    // No mail program available: the files are named, nothing pretends success.
    setenv("FAKE_STATUS", "3", 1);
    run = Run({"export", "--mail"});
    unsetenv("FAKE_STATUS");
    setenv("PATH", oldPath.c_str(), 1);
    EXPECT_EQ(run.status, 7);
    EXPECT_EQ(run.out, (folder.Path(kExportDsv)) + "\n" + (folder.Path(kExportPdf)) + "\n");
    EXPECT_NE(run.err.find("kein E-Mail-Programm"), std::string::npos);
    EXPECT_NE(run.err.find(folder.Path(kExportPdf)), std::string::npos);
}

// Formats 6 to 8: the meet as the list gives it, in its running order.

constexpr const char* kCorpus = NATARIX_DSV_CORPUS;

bool CorpusPresent()
{
    return std::string_view(kCorpus) != "" && fs::is_directory(kCorpus);
}

// The output must match the golden file; on a difference the output is left
// beside the tests as <golden>.actual, to look at and take over.
void ExpectGolden(const Outcome& run, const std::string& golden)
{
    const bool same = Tokens(run.out) == Tokens(Data(golden));
    EXPECT_TRUE(same) << golden << " differs; see " << DataPath(golden) << ".actual";
    if (!same)
        std::ofstream(DataPath(golden) + ".actual", std::ios::binary) << run.out;
}

TEST_F(CliTest, ShowPrintsAModernMeetWithTwoRoundsOfOneNumber)
{
    // With the club side of its working file, as the entry list carries it.
    Copy({"two-rounds.dsv7", "two-rounds.dsv7.meld"});
    const auto before = Snapshot(folder.path());
    const Outcome run = Run({"show", "two-rounds.dsv7"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    ExpectGolden(run, "two-rounds.dsv7.json");
    EXPECT_EQ(Snapshot(folder.path()), before);
}

TEST_F(CliTest, ShowPrintsRealModernMeetsAsTheirGoldenFiles)
{
    if (!CorpusPresent())
        GTEST_SKIP() << "the real DSV files are not beside the repository (shared/corpus/dsv-real; "
                        "NATARIX_DSV_CORPUS_DIR names another folder)";
    struct Case {
        const char* file;  // the golden is named after it
        const char* err;
    };
    const Case cases[] = {
        // Masters classes by AK, relays by total age (cps-schwimm).
        {"schroeer-dsv__dachau-2025-02-23-Dachau-Wk.dsv7", ""},
        // HALBAUTOMATISCH, relative sections, heats and finals of their own numbers.
        {"schroeer-dsv__b-freital-2026-07-04-Windbergfest-Wk.dsv7", ""},
        // The DSV standard's own example: PFLICHTZEIT and every fee type.
        {"dsvparser__definition.dsv7", "Zeile 25: WERTUNG nennt Wettkampf 5 als F, die Datei legt ihn als E fest.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Outcome run = Run({"show", std::string(kCorpus) + "/" + c.file});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, c.err);
        ExpectGolden(run, std::string(c.file) + ".json");
    }
}

TEST_F(CliTest, ShowsEveryDefinitionListOfTheCorpusAndRefusesTheOtherListsByKind)
{
    if (!CorpusPresent())
        GTEST_SKIP() << "the real DSV files are not beside the repository";
    int shown = 0;
    for (const std::string& name : natarix::test::FileNames(kCorpus)) {
        if (name == "SOURCES.md")
            continue;
        SCOPED_TRACE(name);
        const Outcome run = Run({"show", std::string(kCorpus) + "/" + name});
        if (run.status == 0) {
            ++shown;
            EXPECT_EQ(Tokens(run.out).substr(0, 2), "{\n");
            continue;
        }
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.starts_with("Diese Datei ist eine ")) << run.err;
        EXPECT_NE(run.err.find("keine Wettkampfdefinitionsliste.\nDatei " + name + "\n"), std::string::npos) << run.err;
    }
    EXPECT_EQ(shown, 18);
}

// The roster of the short-distance meet into the long-distance one: people
// and the two 400 m starts that find their events; a second run takes nothing.
TEST_F(CliTest, CheckPrintsAFindingALineAndTellsByItsStatus)
{
    Copy({"minimal.dsv", "minimal.dsv.meld", "two-rounds.dsv7"});
    natarix::test::WriteBytes(folder.Path("two-rounds.dsv7.meld"), Data("two-rounds-Me.DSV7"));
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
    };
    const std::string deadline =
        "Warnung: Der Meldeschluss am 01.03.2006 ist seit einem Tag vorbei. Vor dem Versand "
        "beim Ausrichter fragen, ob er die Meldung noch annimmt.\n";
    for (const Case& c : {
             Case{{"check", "minimal.dsv", "--date", "01.03.2006"}, 0, ""},
             Case{{"check", "minimal.dsv", "--date=02.03.2006"}, 4, deadline},
             Case{{"check", "two-rounds.dsv7", "--date", "01.03.2025"},
                  4,
                  "Warnung: Krüger, Paul (2009): Die DSV-ID fehlt. Die sechsstellige DSV-ID eintragen; ohne sie kann "
                  "der Ausrichter den Schwimmer nicht zuordnen.\n"
                  "Warnung: 1. Mannschaft Mixed – Wettkampf 2 (4x50 L X): In der Aufstellung fehlen 2 von 4 "
                  "Schwimmern. Die Aufstellung vervollständigen oder sie am Wettkampftag nachreichen.\n"},
             Case{{"check", "minimal.dsv", "--date", "31.02.2006"}, 2, ""},
         }) {
        SCOPED_TRACE(c.args[1] + " " + c.args.back());
        const Outcome run = Run(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, c.out);
    }
    // Without a working file the club has no name: an error.
    fs::remove(folder.Path("minimal.dsv.meld"));
    const Outcome run = Run({"check", "minimal.dsv", "--date", "01.03.2006"});
    EXPECT_EQ(run.status, 5);
    EXPECT_TRUE(run.out.starts_with("Fehler: Vereinsdaten: Es fehlt der Name des Vereins.")) << run.out;
}

TEST_F(CliTest, ImportTakesAnEarlierRosterOverOnce)
{
    if (!CorpusPresent())
        GTEST_SKIP() << "the real DSV files are not beside the repository";
    const std::string dir = std::string(kCorpus) + "/schroeer-dsv__";
    natarix::test::WriteBytes(folder.Path("Wk.dsv7"), ReadBytes(dir + "user-emsland-25langde.dsv7"));
    const std::string list = dir + "2025-02-23-Meppen-SVHaren-Me.dsv7";
    Outcome run = Run({"import", list, "Wk.dsv7", "--with-entries"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("übernommen: Vereinsdaten SV Haren\n"), std::string::npos);
    EXPECT_NE(run.out.find("übernommen: Lehmann, Ida (2014) – Wettkampf 62 (400 F W) – als Wettkampf 1\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("ausgelassen: Hahn, Rike (2012) – Wettkampf 12 (100 F W) – kein passender Wettkampf"),
              std::string::npos);
    const std::string meld = ReadBytes(folder.Path("Wk.dsv7.meld"));
    EXPECT_NE(meld.find("STARTPN:"), std::string::npos);
    run = Run({"import", list, "--with-entries"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.find("übernommen:"), std::string::npos) << run.out;
    EXPECT_EQ(Run({"import"}).status, 2);
}

TEST_F(CliTest, ModernMeetPrintsItsWarningsOnceAndSavesAndExportsTheNewFormats)
{
    const std::string list = natarix::test::Replaced(Data("two-rounds.dsv7"), ";50;HALB", ";51;HALB");
    natarix::test::WriteBytes(folder.Path("Meeting.dsv7"), list);
    const std::string warning =
        "Zeile 4: Unbekannter Wert „51“ für Bahnlänge in VERANSTALTUNG; er bleibt, wie er geschrieben ist.\n";
    Outcome run = Run({"show", "Meeting.dsv7"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, warning);
    EXPECT_NE(Tokens(run.out).find("\"veranstaltungField3\":\"51\""), std::string::npos);

    natarix::test::WriteBytes(folder.Path("Meeting.dsv7.meld"), Data("two-rounds-Me.DSV7"));
    EXPECT_EQ(Run({"save", "Meeting.dsv7"}).status, 0);
    EXPECT_TRUE(ReadBytes(folder.Path("Meeting.dsv7.meld")).starts_with("FORMAT:Vereinsmeldeliste;7;\r\n"));

    // The check speaks on standard error; the files are written all the same.
    const std::string stem = folder.Path("2025-03-09-Musterst-SVGruenWeissMust-Me");
    struct Case {
        std::vector<std::string> format;
        std::string extension;
    };
    for (const Case& c : {Case{{}, ".DSV7"}, Case{{"--format", "8"}, ".DSV8"}, Case{{"--format=7"}, ".DSV7"}}) {
        std::vector<std::string> args{"export", "Meeting.dsv7"};
        args.insert(args.end(), c.format.begin(), c.format.end());
        run = Run(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, stem + c.extension + "\n" + stem + ".PDF\n");
        EXPECT_NE(run.err.find("\nWarnung: 1. Mannschaft Mixed – Wettkampf 2 (4x50 L X): In der Aufstellung fehlen 2 "
                               "von 4 Schwimmern. "),
                  std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find("\nWarnung: Krüger, Paul (2009): Die DSV-ID fehlt. "), std::string::npos);
        EXPECT_EQ(WithoutCheck(run.err), warning);
        EXPECT_TRUE(ReadBytes(stem + c.extension)
                        .starts_with("FORMAT:Vereinsmeldeliste;" + c.extension.substr(4) +
                                     ";\r\nERZEUGER:Natarix;" NATARIX_VERSION ";juergen.moeller@example.org;\r\n"));
    }
    run = Run({"export", "Meeting.dsv7", "--format", "6"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, warning + "--format nimmt 7 oder 8, nicht „6“.\n");
    natarix::test::WriteBytes(folder.Path("Alt.dsv"), Data("minimal.dsv"));
    run = Run({"export", "Alt.dsv", "--format", "8"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "--format gilt nur für Veranstaltungen der Formate 6 bis 8; diese hat das Format 5.\n");
}

// A club reads the result lists of the 2025 district meets and fills the
// entries of the next meet of the series that still lack a time.
TEST_F(CliTest, TimesImportsAMeetSeriesAndFillsTheNextMeetsEntries)
{
    if (!CorpusPresent())
        GTEST_SKIP() << "the real DSV files are not beside the repository";
    const std::string dir = std::string(kCorpus) + "/schroeer-dsv__";
    const std::string store = folder.Path("results.sqlite");
    Outcome run = Run({"times", "import", "--store", store, dir + "user-emsland-25kurzer.dsv7",
                       dir + "user-emsland-25sprier.dsv7", dir + "user-emsland-25langer.dsv7"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("user-emsland-25kurzer.dsv7: 518 Ergebnisse übernommen, 0 schon vorhanden\n"),
              std::string::npos);
    EXPECT_TRUE(run.out.ends_with("zusammen: 1303 Ergebnisse übernommen, 0 schon vorhanden\n")) << run.out;
    run = Run({"times", "import", "--store=" + store, dir + "user-emsland-25langer.dsv7", folder.Path("none.dsv7")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("0 Ergebnisse übernommen, 277 schon vorhanden"), std::string::npos);

    // The club's own entry list of that meet as its working file, every time taken out.
    natarix::test::WriteBytes(folder.Path("Mehrkampf.dsv7"), ReadBytes(dir + "user-emsland-25mehrde.dsv7"));
    const std::regex time("(STARTPN: \\d+;\\d+;)[0-9:,]+;");
    std::string list = std::regex_replace(ReadBytes(dir + "2025-11-29-Haseluen-SVHaren-Me.dsv7"), time, "$1#;");
    for (std::size_t at; (at = list.find('#')) != std::string::npos;)
        list.replace(at, 1, "00:00:00,00");
    natarix::test::WriteBytes(folder.Path("Mehrkampf.dsv7.meld"), list);
    run = Run({"times", "best", "--store", store, "Mehrkampf.dsv7"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"eventNumber\": \"209\",\n    \"time\": \"00:03:33,70\",\n    \"date\": \"22.02.2025\","),
              std::string::npos)
        << run.out;
    run = Run({"times", "fill", "--store", store, "Mehrkampf.dsv7"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 16) << run.out;
    EXPECT_NE(run.out.find("Lehmann, Ida (2014) – Wettkampf 231 (400 F W): 06:22,23 (6:22,23 vom 22.11.2025, "
                           "Kreismeisterschaften lg. Strecke 2025 u. 36. Emsl. Spatzenschw. in Papenburg (25-m-Bahn))"),
              std::string::npos);
    EXPECT_NE(ReadBytes(folder.Path("Mehrkampf.dsv7.meld")).find("STARTPN:631;231;00:06:22,23;"), std::string::npos);
    run = Run({"times", "fill", "--store", store, "Mehrkampf.dsv7"});
    EXPECT_EQ(run.out, "Keine Meldung ohne Zeit, für die eine Bestzeit bekannt ist.\n");
    EXPECT_EQ(Run({"times"}).status, 2);
    EXPECT_EQ(Run({"times", "import", "--store", store}).status, 2);
}

}  // namespace
