// Reading definition lists of 10 KB, 1 MB and 10 MB, of format 5 and of
// format 7, against reading the same bytes and finding every ";" in them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <stdexcept>

#include "BenchCases.h"
#include "BenchFiles.h"
#include "BenchInputs.h"
#include "BenchPairs.h"
#include "dsv5/DefinitionReader.h"
#include "dsv678/DefinitionListReader.h"
#include "platform/FileIo.h"

namespace natarix::bench {

namespace {

struct Size {
    const char* label;
    std::size_t bytes;
};
constexpr Size kSizes[] = {{"10KB", 10 * 1024}, {"1MB", 1024 * 1024}, {"10MB", 10 * 1024 * 1024}};

std::string DefinitionPath(const Size& size, int format = 5)
{
    return Scratch().File(std::string("definition-") + size.label + (format == 5 ? ".dsv" : ".dsv7"));
}

// Written on first use, so that a filtered run generates only what it reads.
const std::string& DefinitionFile(const Size& size, int format = 5)
{
    static std::map<std::string, std::string> paths;
    const std::string path = DefinitionPath(size, format);
    auto [found, added] = paths.try_emplace(path, path);
    if (added)
        WriteFileBytes(path, format == 5 ? MakeDefinitionList(size.bytes) : MakeFormat7DefinitionList(size.bytes));
    return found->second;
}

std::unique_ptr<MeetDefinition> ReadDefinition(const std::string& path)
{
    DefinitionRead read = DefinitionReader(path).Read();
    if (!read.ok())
        throw std::runtime_error("the definition list could not be read: " + path);
    return std::move(read).value();
}

// The whole file read, then its bytes parsed: what opening a list does.
dsv678::ReadResult ReadFormat7(const std::string& path)
{
    FileContent content = ReadWholeFile(path);
    dsv678::ReadResult read = dsv678::ReadDefinitionList(content.bytes);
    if (content.status != ReadStatus::Ok || !read.document)
        throw std::runtime_error("the definition list could not be read: " + path);
    return read;
}

}  // namespace

void RegisterDefinitionBenchmarks()
{
    for (const Size& size : kSizes) {
        RegisterCase(std::string("definition_read/") + size.label, [size](benchmark::State& state) {
            const std::string& path = DefinitionFile(size);
            const auto checked = ReadDefinition(path);
            std::size_t classes = 0;
            for (const auto& [number, event] : checked->events())
                classes += event.scoringClasses.size();
            MeasureAgainstFloor(
                state, [&path] { return ReadDefinition(path); }, [&path] { return ReadAndFindSemicolons(path); });
            state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
            state.counters["sections"] = static_cast<double>(checked->sections().size());
            state.counters["events"] = static_cast<double>(checked->events().size());
            state.counters["classes"] = static_cast<double>(classes);
        });
        RegisterCase(std::string("definition7_read/") + size.label, [size](benchmark::State& state) {
            const std::string& path = DefinitionFile(size, 7);
            const dsv678::ReadResult checked = ReadFormat7(path);
            MeasureAgainstFloor(
                state, [&path] { return ReadFormat7(path); }, [&path] { return ReadAndFindSemicolons(path); });
            state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
            state.counters["sections"] = static_cast<double>(checked.document->All("ABSCHNITT").size());
            state.counters["events"] = static_cast<double>(checked.document->All("WETTKAMPF").size());
            state.counters["classes"] = static_cast<double>(checked.document->All("WERTUNG").size());
        });
    }
}

std::vector<PeakMemoryCase> DefinitionPeakMemoryCases()
{
    const Size& largest = kSizes[std::size(kSizes) - 1];
    return {{std::string("definition_read/") + largest.label, [largest] { DefinitionFile(largest); },
             [largest] { return std::function<void()>([path = DefinitionPath(largest)] { ReadDefinition(path); }); }},
            {std::string("definition7_read/") + largest.label, [largest] { DefinitionFile(largest, 7); },
             [largest] { return std::function<void()>([path = DefinitionPath(largest, 7)] { ReadFormat7(path); }); }}};
}

}  // namespace natarix::bench
