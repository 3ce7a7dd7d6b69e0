#include "cli/CliApp.h"

#include <filesystem>
#include <functional>
#include <map>
#include <optional>

#include "CommandContext.h"
#include "cli/ModelJson.h"
#include "export/ClubExport.h"
#include "formats/EntryList.h"
#include "pdf/PdfWriter.h"
#include "platform/FileIo.h"
#include "review/EntryCheck.h"
#include "session/WorkingFileCycle.h"

namespace natarix {

namespace {

#ifdef NATARIX_WITH_RESULTS_STORE
constexpr bool kHasResultStore = true;
#else
constexpr bool kHasResultStore = false;
#endif

constexpr const char* kHelp = R"(natarix-cli - Meldungen eines Schwimmvereins prüfen und skripten
           (entries of a swimming club, for checking files and scripting)

Aufruf / usage:
  natarix-cli show [DEFINITION]   Wettkampfdefinitionsliste und ihre Arbeitsdatei
                                  (DEFINITION.meld) laden und das ganze Modell als
                                  JSON (UTF-8) ausgeben; schreibt nichts.
                                  Load the definition list and its working file and
                                  print the whole model as JSON; writes nothing.
  natarix-cli save [DEFINITION]   laden wie "show" und die Arbeitsdatei neu schreiben,
                                  wie es das Programmfenster beim Öffnen tut.
                                  Load as "show", then rewrite the working file.
  natarix-cli pdf [DEFINITION] OUTPUT.pdf
                                  laden wie "show" (ohne JSON) und Meldebogen,
                                  Kampfrichteraufstellung und Meldeliste als PDF
                                  nach OUTPUT.pdf schreiben.
                                  Load as "show" (no JSON) and write the PDF forms.
  natarix-cli export [DEFINITION] [--dir DIR] [--mail] [--format 7|8]
                                  laden wie "show" (ohne JSON), die Vereinsmeldeliste
                                  (.DSV, .DSV7 oder .DSV8) und die PDF-Formulare unter
                                  den abgeleiteten Namen nach DIR schreiben (sonst in
                                  den aktuellen Ordner) und die geschriebenen Pfade
                                  ausgeben; mit --mail danach dem E-Mail-Programm
                                  übergeben. --format wählt für eine Veranstaltung der
                                  Formate 6 bis 8 das Format der Meldeliste (sonst das
                                  der Wettkampfdefinitionsliste, 6 wird 7).
                                  Export the DSV entry list and the PDF into DIR
                                  (default: the current folder) and print their
                                  paths; with --mail hand both to the mail program.
                                  --format picks the entry list format of a
                                  format 6 to 8 meet (default: the meet's; 6 gives 7).
  natarix-cli import FILE [DEFINITION] [--with-entries]
                                  laden wie "save" und aus der Meldeliste FILE (Format
                                  5 bis 8, auch .DSV8z) Vereinsdaten, Schwimmer,
                                  Staffeln und Kampfrichter übernehmen, die noch fehlen,
                                  mit --with-entries auch die Meldungen zu passenden
                                  Wettkämpfen; je Datensatz eine Zeile, dann die
                                  Arbeitsdatei schreiben.
                                  Take over the roster of an earlier entry list (with
                                  --with-entries its entries too), print a line per
                                  record, and write the working file.
  natarix-cli check [DEFINITION] [--date TT.MM.JJJJ] [--store DB]
                                  laden wie "show" (ohne JSON) und die Meldungen vor
                                  dem Versand prüfen: je Befund eine Zeile, "Fehler:"
                                  oder "Warnung:", dann der Text und was zu tun ist.
                                  --date prüft den Meldeschluss gegen diesen Tag statt
                                  gegen heute. Gibt es die Ergebnisdatenbank (siehe
                                  "times"), werden die Meldezeiten auch mit den
                                  Bestzeiten verglichen.
                                  Check the entries before they are sent: a line per
                                  finding; --date checks the deadline against that
                                  day instead of today; entry times are compared
                                  with best times where a results database exists.
  natarix-cli times import [--store DB] FILE...
                                  die Ergebnislisten FILE... (Wettkampf- oder
                                  Vereinsergebnisliste, Format 6 bis 8) in die
                                  Ergebnisdatenbank einlesen; je Datei eine Zeile mit
                                  den neuen und den schon vorhandenen Ergebnissen.
                                  Read result lists into the results database.
  natarix-cli times best [--store DB] [DEFINITION]
                                  laden wie "show" und als JSON für jeden Schwimmer
                                  und jeden Wettkampf, den er schwimmen darf, die
                                  Bestzeit der zwölf Monate vor dem ersten Tag der
                                  Veranstaltung ausgeben (gleiche Strecke, Lage,
                                  Ausübung und Bahnlänge).
                                  Print every swimmer's best time per event as JSON.
  natarix-cli times fill [--store DB] [DEFINITION]
                                  laden wie "save", jede Meldung ohne Zeit mit der
                                  Bestzeit füllen, je Meldung eine Zeile ausgeben und
                                  die Arbeitsdatei schreiben.
                                  Fill entries without a time with best times, save.
                                  Die Ergebnisdatenbank ist DB, sonst
                                  $NATARIX_RESULTS_STORE, sonst
                                  $XDG_DATA_HOME/natarix/results.sqlite
                                  (~/.local/share/natarix/results.sqlite).
                                  The database: DB, $NATARIX_RESULTS_STORE, or the
                                  user's data folder.
  natarix-cli --help              diese Hilfe / this help

Ohne DEFINITION wird im aktuellen Ordner die erste lesbare *.dsv-Datei genommen.
Without DEFINITION the first readable *.dsv file of the current folder is used.
Optionen dürfen vor oder nach dem Dateinamen stehen.
Options may stand before or after the file name.

Meldungen, die das Programm in einem Fenster zeigen würde, stehen auf der
Standardfehlerausgabe, je eine Zeile; bei einem Lesefehler nennt eine zweite
Zeile Datei und Zeile, an der das Lesen endete.
Messages go to standard error; a reading failure adds a line with its place.

Rückgabewert / exit status:
  0  geladen und alles Verlangte geschrieben / loaded, everything asked for written
  1  keine Wettkampfdefinitionsliste geladen / no definition list could be loaded
     ("times import": eine Ergebnisliste nicht gelesen / a result list not read)
  2  falscher Aufruf / usage error
  3  eine Datei konnte nicht geschrieben werden / a file could not be written
  4  "check": nur Warnungen / warnings only
  5  "check": mindestens ein Fehler / at least one error
  6  "save" und "export": die Arbeitsdatei ist in einem anderen Programm zum
     Bearbeiten geöffnet, nichts wurde geschrieben / the working file is open in
     another program for editing, nothing was written
  7  export --mail: beide Dateien geschrieben, aber kein E-Mail-Programm
     erreicht / both files written, but no mail program could be reached
  8  "times": die Ergebnisdatenbank ließ sich nicht öffnen oder schreiben /
     the results database could not be opened or written
)";

// Every message of the core on standard error, in UTF-8, with the place of a
// reading failure on a line of its own.
class StreamMessageSink : public MessageSink {
public:
    explicit StreamMessageSink(std::ostream& err) : err_(err) {}
    void Show(const Message& message) override { err_ << message.ShownText() << '\n'; }

private:
    std::ostream& err_;
};

struct CommandSpec {
    std::function<int(CommandContext&)> run;
    // How many file names the command needs after the optional DEFINITION.
    std::size_t trailingArguments = 0;
    // And before it.
    std::size_t leadingArguments = 0;
    // Options the command accepts, and whether each takes a value.
    std::map<std::string, bool> options;
    // Commands that only read take no lock, so they keep nobody from editing.
    WorkingFileCycle::Access access = WorkingFileCycle::Access::View;
    // Takes one file name or more and loads no definition list.
    bool withoutDefinition = false;
};

int Show(CommandContext& context)
{
    context.out << ModelToJson(*context.cycle.meet(), context.cycle.entries());
    return kExitOk;
}

int Save(CommandContext& context)
{
    return context.cycle.SaveWorkingFile() ? kExitOk : kExitWriteFailed;
}

int Pdf(CommandContext& context)
{
    return WriteClubEntriesPdf(*context.cycle.meet(), context.cycle.entries(), context.arguments.front(),
                               context.messages, context.cycle.fileOps())
               ? kExitOk
               : kExitWriteFailed;
}

int Export(CommandContext& context)
{
    const auto dirOption = context.options.find("--dir");
    const std::string folder = dirOption == context.options.end() ? context.currentDirectory : dirOption->second;
    std::error_code error;
    if (!std::filesystem::is_directory(ToFsPath(folder), error)) {
        context.messages.Show(Message::Warning(std::string("Der Ordner „") + PathToMessageText(folder) +
                                               std::string("“ existiert nicht.")));
        return kExitWriteFailed;
    }
    const bool sendByMail = context.options.count("--mail") != 0;
    EntryListOptions listOptions{0, context.cycle.producer()};
    if (const auto format = context.options.find("--format"); format != context.options.end()) {
        if (context.cycle.meet()->formatVersion == 5) {
            context.messages.Show(
                Message::Warning("--format gilt nur für Veranstaltungen der Formate 6 bis 8; "
                                 "diese hat das Format 5."));
            return kExitUsage;
        }
        if (format->second != "7" && format->second != "8") {
            context.messages.Show(Message::Warning("--format nimmt 7 oder 8, nicht „" + format->second + "“."));
            return kExitUsage;
        }
        listOptions.version = format->second == "7" ? 7 : 8;
    }
    // Written all the same: a script cannot answer a question.
    if (const auto findings = CheckEntries(*context.cycle.meet(), context.cycle.entries(), Today()); !findings.empty())
        context.messages.Show(Message::Warning("Vor dem Versand prüfen:\n" + FindingLines(findings)));
    const ExportOutcome outcome =
        ExportClubEntries(context.cycle.meet(), context.cycle.entries(), folder, sendByMail, context.messages,
                          SystemMailer(), context.cycle.fileOps(), listOptions);
    if (outcome.dsvWritten)
        context.out << outcome.dsvPath << '\n';
    if (outcome.pdfWritten)
        context.out << outcome.pdfPath << '\n';
    if (!outcome.dsvWritten || !outcome.pdfWritten)
        return kExitWriteFailed;
    return outcome.mailed && outcome.mailResult == Mailer::kNoMailProgram ? kExitMailFailed : kExitOk;
}

// Prints one finding a line; the exit status tells whether there were any
// and whether one was an error.
int Check(CommandContext& context)
{
    Date today = Today();
    if (const auto date = context.options.find("--date"); date != context.options.end()) {
        today = Date(date->second);
        if (!today.DayNumber()) {
            context.messages.Show(Message::Warning("--date nimmt einen Tag TT.MM.JJJJ, nicht „" + date->second + "“."));
            return kExitUsage;
        }
    }
    const std::unique_ptr<ResultSource> results = ExistingResults(context);
    const auto findings = CheckEntries(*context.cycle.meet(), context.cycle.entries(), today, results.get());
    if (findings.empty())
        return kExitOk;
    context.out << FindingLines(findings) << '\n';
    return HasErrors(findings) ? kExitErrors : kExitWarnings;
}

// Takes over what an earlier entry list holds and prints a line per record.
int Import(CommandContext& context)
{
    auto earlier = ReadEarlierEntryList(context.arguments.front());
    for (const Message& warning : earlier.warnings())
        context.messages.Show(warning);
    if (!earlier.ok()) {
        context.messages.Show(earlier.failure());
        return kExitNotLoaded;
    }
    const TakeOverOptions options{true, context.options.count("--with-entries") != 0};
    const auto taken = context.cycle.TakeOver(*earlier.value().meet, earlier.value().entries, options);
    for (const TakeOverLine& line : taken.lines)
        context.out << (line.outcome == TakeOverLine::Outcome::Skipped  ? "ausgelassen: "
                        : line.outcome == TakeOverLine::Outcome::Merged ? "zusammengeführt: "
                                                                        : "übernommen: ")
                    << line.record << (line.reason.empty() ? "" : " – " + line.reason) << '\n';
    return taken.saved ? kExitOk : kExitWriteFailed;
}

const std::map<std::string, CommandSpec>& Commands()
{
    static const std::map<std::string, CommandSpec> commands = {
        {"show", {Show, 0, 0, {}}},
        {"save", {Save, 0, 0, {}, WorkingFileCycle::Access::Edit}},
        {"pdf", {Pdf, 1, 0, {}}},
        // An export taken while another program edits could send an outdated state.
        {"export",
         {Export, 0, 0, {{"--dir", true}, {"--mail", false}, {"--format", true}}, WorkingFileCycle::Access::Edit}},
        {"check", {Check, 0, 0, {{"--date", true}, {"--store", true}}}},
        {"import", {Import, 0, 1, {{"--with-entries", false}}, WorkingFileCycle::Access::Edit}},
#ifdef NATARIX_WITH_RESULTS_STORE
        {"times import", {TimesImport, 1, 0, {{"--store", true}}, WorkingFileCycle::Access::View, true}},
        {"times best", {TimesBest, 0, 0, {{"--store", true}}}},
        {"times fill", {TimesFill, 0, 0, {{"--store", true}}, WorkingFileCycle::Access::Edit}},
#endif
    };
    return commands;
}

// The file names but the DEFINITION, which stands after the leading ones.
std::vector<std::string> ArgumentsBesides(const std::vector<std::string>& files, std::size_t leading,
                                          std::size_t definitionCount)
{
    std::vector<std::string> arguments(files.begin(), files.begin() + static_cast<std::ptrdiff_t>(leading));
    arguments.insert(arguments.end(), files.begin() + static_cast<std::ptrdiff_t>(leading + definitionCount),
                     files.end());
    return arguments;
}

int UsageError(std::ostream& err, const std::string& problem)
{
    err << "natarix-cli: " << problem << "\n"
        << "Hilfe: natarix-cli --help\n";
    return kExitUsage;
}

}  // namespace

#ifndef NATARIX_WITH_RESULTS_STORE
std::unique_ptr<ResultSource> ExistingResults(CommandContext&)
{
    return nullptr;
}
#endif

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::string& currentDirectory)
{
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            out << kHelp;
            return kExitOk;
        }
    }
    auto arg = args.begin();
    while (arg != args.end() && arg->size() > 1 && arg->front() == '-')
        ++arg;
    if (arg == args.end())
        return UsageError(err, "kein Befehl angegeben / no command given");
    std::string commandName = *arg;
    // "times" takes a second word: "times import", "times best", "times fill".
    auto subcommand = args.end();
    if (commandName == "times") {
        subcommand = std::next(arg);
        while (subcommand != args.end() && subcommand->size() > 1 && subcommand->front() == '-')
            ++subcommand;
        if (subcommand == args.end())
            return UsageError(err, "times ohne import, best oder fill / times needs import, best or fill");
        commandName += " " + *subcommand;
    }
    const auto command = Commands().find(commandName);
    if (command == Commands().end() && commandName.starts_with("times ") && !kHasResultStore)
        return UsageError(err, "diese Ausgabe ist ohne Ergebnisdatenbank gebaut / this build has no results database");
    if (command == Commands().end())
        return UsageError(err, "unbekannter Befehl / unknown command: " + commandName);
    const CommandSpec& spec = command->second;

    std::vector<std::string> files;
    std::map<std::string, std::string> options;
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (it == arg || it == subcommand)
            continue;
        if (it->size() <= 1 || it->front() != '-') {
            files.push_back(*it);
            continue;
        }
        const auto equals = it->find('=');
        const std::string name = it->substr(0, equals);
        const auto option = spec.options.find(name);
        if (option == spec.options.end())
            return UsageError(err, "unbekannte Option / unknown option: " + name);
        if (!option->second) {
            if (equals != std::string::npos)
                return UsageError(err, "Option ohne Wert / option takes no value: " + name);
            options[name];
        } else if (equals != std::string::npos) {
            options[name] = it->substr(equals + 1);
        } else if (std::next(it) != args.end() && std::next(it) != arg) {
            options[name] = *++it;
        } else {
            return UsageError(err, "Wert fehlt / missing value: " + name);
        }
    }
    StreamMessageSink messages(err);
    WorkingFileCycle cycle(messages, currentDirectory, SystemFileOps(), "natarix-cli");
    if (spec.withoutDefinition) {
        if (files.empty())
            return UsageError(err, "Dateiname fehlt / file name missing");
        CommandContext context{cycle, out, messages, currentDirectory, std::move(files), std::move(options)};
        return spec.run(context);
    }
    const std::size_t fixed = spec.leadingArguments + spec.trailingArguments;
    if (files.size() < fixed)
        return UsageError(err, "Dateiname fehlt / file name missing");
    if (files.size() > fixed + 1)
        return UsageError(err, "zu viele Dateinamen / too many file names");
    const std::size_t definitionCount = files.size() - fixed;
    const auto definitionAt = files.begin() + static_cast<std::ptrdiff_t>(spec.leadingArguments);
    const std::string definition = definitionCount == 0 ? cycle.FindStartupDefinition() : *definitionAt;
    if (definition.empty()) {
        messages.Show(
            Message::Warning(std::string("Im Ordner „") + PathToMessageText(currentDirectory) +
                             std::string("“ wurde keine lesbare Wettkampfdefinitionsliste (*.dsv) gefunden.")));
        return kExitNotLoaded;
    }
    cycle.LoadDefinition(definition, spec.access);
    if (cycle.meet() == nullptr)
        return kExitNotLoaded;
    if (cycle.lockedElsewhere())
        return kExitLocked;
    CommandContext context{cycle,
                           out,
                           messages,
                           currentDirectory,
                           ArgumentsBesides(files, spec.leadingArguments, definitionCount),
                           std::move(options)};
    return spec.run(context);
}

}  // namespace natarix
