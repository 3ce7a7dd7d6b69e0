// Result list files read into a fresh results database, against reading the
// same files and cutting them into element lines; and the best times of a club of 200 swimmers
// for a meet of 60 events, looked up in the database those lists fill.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <stdexcept>

#include "BenchCases.h"
#include "BenchFiles.h"
#include "BenchPairs.h"
#include "ResultInputs.h"
#include "dsv678/LineGrammar.h"
#include "platform/FileIo.h"
#include "resultstore/ImportFiles.h"
#include "resultstore/ResultStore.h"
#include "times/BestTimes.h"

namespace natarix::bench {

namespace {

struct ListSet {
    int lists;
    int results;  // PNERGEBNIS lines per list

    std::string Label() const { return std::to_string(lists) + "x" + std::to_string(results); }
};
// The small set keeps the cases working in CI; the large one has the goal.
constexpr ListSet kListSets[] = {{2, 500}, {100, 5000}};
constexpr int kClubSwimmers = 200;
constexpr int kMeetEvents = 60;

// The lists as files in the scratch folder, written on first use, so that a
// filtered run generates only what it reads.
const std::vector<std::string>& FilesOf(const ListSet& set)
{
    static std::map<std::string, std::vector<std::string>> made;
    auto [found, added] = made.try_emplace(set.Label());
    if (added) {
        const std::vector<std::string> lists = MakeResultLists(set.lists, set.results);
        for (std::size_t index = 0; index < lists.size(); ++index) {
            found->second.push_back(Scratch().File(set.Label() + "-" + ResultListName(static_cast<int>(index))));
            WriteFileBytes(found->second.back(), lists[index]);
        }
    }
    return found->second;
}

std::unique_ptr<ResultStore> OpenFreshStore(const std::string& path)
{
    std::error_code ignored;
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(path + suffix, ignored);
    auto opened = ResultStore::Open(path);
    if (!opened.ok())
        throw std::runtime_error(opened.failure().text);
    return std::move(opened).value();
}

// What "Ergebnislisten einlesen..." and natarix-cli times import do.
ResultStore::Imported ImportAll(ResultStore& store, const std::vector<std::string>& files)
{
    const auto done = ImportResultListFiles(store, files);
    if (!done.ok())
        throw std::runtime_error(done.failure().text);
    for (const ListImport& file : done.value().lists)
        if (file.failure || !file.warnings.empty())
            throw std::runtime_error("the result list did not read cleanly: " + file.path);
    return done.value().total;
}

// Each file read whole and cut into its element lines.
std::size_t SplitAll(const std::vector<std::string>& files)
{
    std::size_t elements = 0;
    for (const std::string& file : files) {
        std::vector<dsv678::Diagnostic> warnings;
        elements += dsv678::SplitElements(ReadWholeFile(file).bytes, warnings).size();
    }
    return elements;
}

std::size_t CandidatesOfAll(const ClubEntries& club, const ResultStore& store)
{
    std::size_t found = 0;
    for (const auto& swimmer : club.swimmers())
        found += store.CandidatesFor(*swimmer).size();
    return found;
}

}  // namespace

void RegisterResultBenchmarks()
{
    for (const ListSet& set : kListSets) {
        RegisterCase("result_import/" + set.Label(), [set](benchmark::State& state) {
            const std::vector<std::string>& files = FilesOf(set);
            const std::string path = Scratch().File("import-" + set.Label() + ".sqlite");
            // Every import goes to a database of its own; opening it (which
            // lays out the tables) and closing it are not counted.
            std::unique_ptr<ResultStore> store;
            ResultStore::Imported imported;
            MeasureAgainstFloor(
                state, [&] { imported = ImportAll(*store, files); }, [&files] { return SplitAll(files); },
                [&] {
                    store.reset();
                    store = OpenFreshStore(path);
                });
            std::size_t bytes = 0;
            for (const std::string& file : files)
                bytes += std::filesystem::file_size(file);
            state.counters["bytes"] = static_cast<double>(bytes);
            state.counters["lists"] = set.lists;
            state.counters["results"] = set.results;
            state.counters["added"] = static_cast<double>(imported.added);
            state.counters["known"] = static_cast<double>(imported.known);
        });
        // The database is filled once, before the measurement. The floor is
        // the database's share of the look-up; the goal is the time itself.
        RegisterCase("best_times/" + set.Label(), [set](benchmark::State& state) {
            const std::unique_ptr<ResultStore> store =
                OpenFreshStore(Scratch().File("best-times-" + set.Label() + ".sqlite"));
            ImportAll(*store, FilesOf(set));
            const MeetDefinition meet = MakeBestTimeMeet(kMeetEvents);
            const ClubEntries club = MakeBestTimeClub(kClubSwimmers);
            const std::size_t found = BestTimesOf(meet, club, *store).size();
            MeasureAgainstFloor(
                state, [&] { return BestTimesOf(meet, club, *store); }, [&] { return CandidatesOfAll(club, *store); });
            state.counters["swimmers"] = static_cast<double>(club.swimmers().size());
            state.counters["events"] = static_cast<double>(meet.events().size());
            state.counters["stored"] = static_cast<double>(store->ResultCount());
            state.counters["candidates"] = static_cast<double>(CandidatesOfAll(club, *store));
            state.counters["best_times"] = static_cast<double>(found);
        });
    }
}

std::vector<PeakMemoryCase> ResultPeakMemoryCases()
{
    const ListSet largest = kListSets[std::size(kListSets) - 1];
    return {{"result_import/" + largest.Label(), [] {},
             [largest] {
                 const std::vector<std::string>* files = &FilesOf(largest);
                 std::shared_ptr<ResultStore> store = OpenFreshStore(Scratch().File("peak-import.sqlite"));
                 return std::function<void()>([files, store] { ImportAll(*store, *files); });
             }}};
}

}  // namespace natarix::bench
