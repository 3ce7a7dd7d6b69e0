// natarix-cli times: results lists into the results database, and best
// times out of it.
#include <filesystem>
#include <memory>

#include "CommandContext.h"
#include "JsonWriter.h"
#include "cli/CliApp.h"
#include "model/Labels.h"
#include "platform/FileOps.h"
#include "resultstore/ImportFiles.h"
#include "resultstore/ResultStore.h"
#include "times/TimeTexts.h"

namespace natarix {

namespace {

// The database the options name; with `create`, a missing one is made and
// a failure told, without it nullptr while none exists.
std::unique_ptr<ResultStore> OpenStore(CommandContext& context, bool create)
{
    const auto option = context.options.find("--store");
    const std::string path = ResultStorePath(option == context.options.end() ? std::string() : option->second);
    std::error_code error;
    if (path.empty() || (!create && !std::filesystem::exists(ToFsPath(path), error))) {
        if (create)
            context.messages.Show(Message::Warning(
                "Es ist kein Ordner für die Ergebnisdatenbank bekannt (weder HOME noch XDG_DATA_HOME); "
                "bitte --store DATEI angeben."));
        return nullptr;
    }
    auto opened = ResultStore::Open(path);
    if (!opened.ok()) {
        context.messages.Show(opened.failure());
        return nullptr;
    }
    return std::move(opened).value();
}

}  // namespace

std::unique_ptr<ResultSource> ExistingResults(CommandContext& context)
{
    return OpenStore(context, false);
}

int TimesImport(CommandContext& context)
{
    const std::unique_ptr<ResultStore> store = OpenStore(context, true);
    if (!store)
        return kExitStoreFailed;
    const auto done = ImportResultListFiles(*store, context.arguments);
    if (!done.ok()) {
        context.messages.Show(done.failure());
        return kExitStoreFailed;
    }
    bool allRead = true;
    for (const ListImport& file : done.value().lists) {
        if (!file.warnings.empty())
            context.messages.Show(WarningsMessage(file.warnings, "Beim Lesen von " + file.path));
        if (file.failure) {
            context.messages.Show(*file.failure);
            allRead = false;
            continue;
        }
        context.out << file.path << ": " << file.imported.added << " Ergebnisse übernommen, " << file.imported.known
                    << " schon vorhanden\n";
    }
    const ResultStore::Imported& total = done.value().total;
    if (context.arguments.size() > 1)
        context.out << "zusammen: " << total.added << " Ergebnisse übernommen, " << total.known << " schon vorhanden\n";
    return allRead ? kExitOk : kExitNotLoaded;
}

int TimesBest(CommandContext& context)
{
    const std::unique_ptr<ResultStore> store = OpenStore(context, true);
    if (!store)
        return kExitStoreFailed;
    JsonWriter json;
    json.BeginArray();
    for (const SwimmerBestTime& best : BestTimesOf(*context.cycle.meet(), context.cycle.entries(), *store)) {
        const SwimResult& swim = best.best.swim;
        json.BeginObject()
            .Key("surname")
            .String(best.swimmer->surname)
            .Key("firstName")
            .String(best.swimmer->firstName)
            .Key("yearOfBirth")
            .Integer(best.swimmer->yearOfBirth)
            .Key("eventNumber")
            .String(best.event->number)
            .Key("time")
            .String(ListTimeText(swim.hundredths))
            .Key("date")
            .String(swim.date.text())
            .Key("meet")
            .String(swim.meet)
            .Key("town")
            .String(swim.town)
            .Key("poolLength")
            .String(swim.poolLength)
            .Key("handTimed")
            .Bool(swim.handTimed)
            .Key("firstLeg")
            .Bool(swim.firstLeg)
            .Key("recognisedByName")
            .Bool(best.best.byName)
            .EndObject();
    }
    json.EndArray();
    context.out << json.text() << '\n';
    return kExitOk;
}

int TimesFill(CommandContext& context)
{
    const std::unique_ptr<ResultStore> store = OpenStore(context, true);
    if (!store)
        return kExitStoreFailed;
    const auto filled = context.cycle.FillEntryTimes(*store);
    for (const SwimmerBestTime& line : filled.entries)
        context.out << SwimmerLabel(*line.swimmer) << " – " << EventLabel(*line.event) << ": "
                    << EntryTimeText(line.best.swim.hundredths) << " (" << BestTimeNote(line.best) << ")\n";
    if (filled.entries.empty())
        context.out << "Keine Meldung ohne Zeit, für die eine Bestzeit bekannt ist.\n";
    return filled.entries.empty() || filled.saved ? kExitOk : kExitWriteFailed;
}

}  // namespace natarix
