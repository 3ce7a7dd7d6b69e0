// Reading definition lists of 10 KB, 1 MB and 10 MB against reading the same
// bytes and finding every ";" in them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <stdexcept>

#include "BenchCases.h"
#include "BenchFiles.h"
#include "BenchInputs.h"
#include "BenchPairs.h"
#include "dsv5/DefinitionReader.h"

namespace natarix::bench {

namespace {

struct Size {
    const char* label;
    std::size_t bytes;
};
constexpr Size kSizes[] = {{"10KB", 10 * 1024}, {"1MB", 1024 * 1024}, {"10MB", 10 * 1024 * 1024}};

std::string DefinitionPath(const Size& size)
{
    return Scratch().File(std::string("definition-") + size.label + ".dsv");
}

// Written on first use, so that a filtered run generates only what it reads.
const std::string& DefinitionFile(const Size& size)
{
    static std::map<std::string, std::string> paths;
    auto [found, added] = paths.try_emplace(size.label);
    if (added) {
        found->second = DefinitionPath(size);
        WriteFileBytes(found->second, MakeDefinitionList(size.bytes));
    }
    return found->second;
}

std::unique_ptr<MeetDefinition> ReadDefinition(const std::string& path)
{
    DefinitionRead read = DefinitionReader(path).Read();
    if (!read.ok())
        throw std::runtime_error("the definition list could not be read: " + path);
    return std::move(read).value();
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
    }
}

std::vector<PeakMemoryCase> DefinitionPeakMemoryCases()
{
    const Size& largest = kSizes[std::size(kSizes) - 1];
    return {{std::string("definition_read/") + largest.label, [largest] { DefinitionFile(largest); },
             [largest] { return std::function<void()>([path = DefinitionPath(largest)] { ReadDefinition(path); }); }}};
}

}  // namespace natarix::bench
