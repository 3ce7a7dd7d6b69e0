// The working file of clubs of 10, 100 and 1,000 swimmers: saved as after
// every change, its text alone, and read back.
#include <benchmark/benchmark.h>

#include <map>
#include <stdexcept>

#include "BenchCases.h"
#include "BenchFiles.h"
#include "BenchInputs.h"
#include "BenchPairs.h"
#include "dsv5/EntryListReader.h"
#include "dsv5/EntryListWriter.h"

namespace natarix::bench {

namespace {

constexpr int kClubSizes[] = {10, 100, 1000};

const ClubEntries& ClubOfSize(int swimmers)
{
    static std::map<int, std::unique_ptr<ClubEntries>> clubs;
    auto& club = clubs[swimmers];
    if (club == nullptr)
        club = std::make_unique<ClubEntries>(MakeClubEntries(ClubOfSwimmers(swimmers)));
    return *club;
}

std::string WorkingPath(int swimmers, std::string_view use)
{
    return Scratch().File("club-" + std::to_string(swimmers) + "-" + std::string(use) + ".dsv.meld");
}

void SaveWorkingFile(const ClubEntries& entries, const std::string& path)
{
    RecordingMessageSink messages;
    if (!EntryListWriter(path, ClubMeet(), entries, false).Write(messages))
        throw std::runtime_error("the working file could not be written: " + path);
}

ClubEntries ReadWorkingFile(const std::string& path)
{
    ClubEntries entries;
    const EntryListRead read = EntryListReader(path).Read(ClubMeet(), entries);
    if (!read.ok() || read.value() != ReadCompleteness::Complete)
        throw std::runtime_error("the working file was not read completely: " + path);
    return entries;
}

void SetClubCounters(benchmark::State& state, const ClubEntries& entries, std::size_t bytes)
{
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["swimmers"] = static_cast<double>(entries.swimmers().size());
    state.counters["entries"] = static_cast<double>(entries.CountIndividualEntries() + entries.CountRelayEntries());
}

}  // namespace

void RegisterEntryListBenchmarks()
{
    for (const int swimmers : kClubSizes) {
        const std::string size = std::to_string(swimmers);
        RegisterCase("working_write/" + size, [swimmers](benchmark::State& state) {
            const ClubEntries& entries = ClubOfSize(swimmers);
            const std::string bytes = EntryListWriter({}, ClubMeet(), entries, false).BuildText();
            const std::string path = WorkingPath(swimmers, "write");
            const std::string floorPath = WorkingPath(swimmers, "floor");
            MeasureAgainstFloor(
                state, [&] { SaveWorkingFile(entries, path); }, [&] { SaveDurablyAtOnce(floorPath, bytes); });
            SetClubCounters(state, entries, bytes.size());
        });
        // The CPU part of a save, which the disk's flush hides.
        RegisterCase("working_text/" + size, [swimmers](benchmark::State& state) {
            const ClubEntries& entries = ClubOfSize(swimmers);
            const EntryListWriter writer({}, ClubMeet(), entries, false);
            const std::string bytes = writer.BuildText();
            MeasureAgainstFloor(
                state, [&writer] { return writer.BuildText(); }, [&bytes] { return std::string(bytes); });
            SetClubCounters(state, entries, bytes.size());
        });
        RegisterCase("working_read/" + size, [swimmers](benchmark::State& state) {
            const ClubEntries& original = ClubOfSize(swimmers);
            const std::string path = WorkingPath(swimmers, "read");
            SaveWorkingFile(original, path);
            // Everything written must come back.
            if (EntryListWriter({}, ClubMeet(), ReadWorkingFile(path), false).BuildText() !=
                EntryListWriter({}, ClubMeet(), original, false).BuildText()) {
                state.SkipWithError("the working file read back differs from what was written");
                return;
            }
            // Reading fills an empty club side against the meet read before,
            // as opening does; emptying it is not measured, nor discarding
            // the result.
            ClubEntries fresh;
            MeasureAgainstFloor(
                state,
                [&] {
                    EntryListReader(path).Read(ClubMeet(), fresh);
                    return std::move(fresh);
                },
                [&path] { return ReadAndFindSemicolons(path); }, [&fresh] { fresh = ClubEntries(); });
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
             auto entries = std::make_shared<ClubEntries>(MakeClubEntries(ClubOfSwimmers(largest)));
             return std::function<void()>(
                 [entries, largest] { SaveWorkingFile(*entries, WorkingPath(largest, "peak-write")); });
         }},
        {"working_read/" + size, [largest] { SaveWorkingFile(ClubOfSize(largest), WorkingPath(largest, "peak-read")); },
         [largest] {
             return std::function<void()>([largest] { ReadWorkingFile(WorkingPath(largest, "peak-read")); });
         }},
    };
}

}  // namespace natarix::bench
