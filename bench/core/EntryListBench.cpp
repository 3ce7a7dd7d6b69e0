// The working file of clubs of 10, 100 and 1,000 swimmers: saved as after
// every change, its text alone, and read back.
#include <benchmark/benchmark.h>

#include <map>
#include <stdexcept>

#include "BenchCases.h"
#include "BenchFiles.h"
#include "BenchInputs.h"
#include "BenchPairs.h"
#include "dsv5/DefinitionReader.h"
#include "dsv5/EntryListReader.h"
#include "dsv5/EntryListWriter.h"

namespace natarix::bench {

namespace {

constexpr int kClubSizes[] = {10, 100, 1000};

const Competition& ClubCompetition(int swimmers)
{
    static std::map<int, std::unique_ptr<Competition>> models;
    auto& model = models[swimmers];
    if (model == nullptr)
        model = MakeCompetitionWithClub(ClubOfSwimmers(swimmers));
    return *model;
}

std::string WorkingPath(int swimmers, std::string_view use)
{
    return Scratch().File("club-" + std::to_string(swimmers) + "-" + std::string(use) + ".dsv.meld");
}

void SaveWorkingFile(const Competition& competition, const std::string& path)
{
    RecordingMessageSink messages;
    if (!EntryListWriter(path, competition, false).Write(messages))
        throw std::runtime_error("the working file could not be written: " + path);
}

std::unique_ptr<Competition> ReadWorkingFile(const std::string& path)
{
    auto competition = DefinitionReader::Parse(ClubDefinitionList()).value();
    const EntryListRead read = EntryListReader(path).Read(*competition);
    if (!read.ok() || read.value() != ReadCompleteness::Complete)
        throw std::runtime_error("the working file was not read completely: " + path);
    return competition;
}

void SetClubCounters(benchmark::State& state, const Competition& competition, std::size_t bytes)
{
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["swimmers"] = static_cast<double>(competition.swimmers().size());
    state.counters["entries"] =
        static_cast<double>(competition.CountIndividualEntries() + competition.CountRelayEntries());
}

}  // namespace

void RegisterEntryListBenchmarks()
{
    for (const int swimmers : kClubSizes) {
        const std::string size = std::to_string(swimmers);
        RegisterCase("working_write/" + size, [swimmers](benchmark::State& state) {
            const Competition& competition = ClubCompetition(swimmers);
            const std::string bytes = EntryListWriter({}, competition, false).BuildText();
            const std::string path = WorkingPath(swimmers, "write");
            const std::string floorPath = WorkingPath(swimmers, "floor");
            MeasureAgainstFloor(
                state, [&] { SaveWorkingFile(competition, path); }, [&] { SaveDurablyAtOnce(floorPath, bytes); });
            SetClubCounters(state, competition, bytes.size());
        });
        // The CPU part of a save, which the disk's flush hides.
        RegisterCase("working_text/" + size, [swimmers](benchmark::State& state) {
            const Competition& competition = ClubCompetition(swimmers);
            const EntryListWriter writer({}, competition, false);
            const std::string bytes = writer.BuildText();
            MeasureAgainstFloor(
                state, [&writer] { return writer.BuildText(); }, [&bytes] { return std::string(bytes); });
            SetClubCounters(state, competition, bytes.size());
        });
        RegisterCase("working_read/" + size, [swimmers](benchmark::State& state) {
            const Competition& original = ClubCompetition(swimmers);
            const std::string path = WorkingPath(swimmers, "read");
            SaveWorkingFile(original, path);
            // Everything written must come back.
            if (EntryListWriter({}, *ReadWorkingFile(path), false).BuildText() !=
                EntryListWriter({}, original, false).BuildText()) {
                state.SkipWithError("the working file read back differs from what was written");
                return;
            }
            // Reading starts from the freshly read definition list, as opening
            // does; making it is not measured, nor discarding the result.
            std::unique_ptr<Competition> fresh;
            MeasureAgainstFloor(
                state,
                [&] {
                    EntryListReader(path).Read(*fresh);
                    return std::move(fresh);
                },
                [&path] { return ReadAndFindSemicolons(path); },
                [&fresh] { fresh = DefinitionReader::Parse(ClubDefinitionList()).value(); });
            SetClubCounters(state, original, std::filesystem::file_size(path));
        });
    }
}

std::vector<PeakMemoryCase> EntryListPeakMemoryCases()
{
    const int largest = kClubSizes[std::size(kClubSizes) - 1];
    const std::string size = std::to_string(largest);
    return {
        {"working_write/" + size, [] {},
         [largest] {
             auto competition = std::shared_ptr<Competition>(MakeCompetitionWithClub(ClubOfSwimmers(largest)));
             return std::function<void()>(
                 [competition, largest] { SaveWorkingFile(*competition, WorkingPath(largest, "peak-write")); });
         }},
        {"working_read/" + size,
         [largest] { SaveWorkingFile(ClubCompetition(largest), WorkingPath(largest, "peak-read")); },
         [largest] {
             return std::function<void()>([largest] { ReadWorkingFile(WorkingPath(largest, "peak-read")); });
         }},
    };
}

}  // namespace natarix::bench
