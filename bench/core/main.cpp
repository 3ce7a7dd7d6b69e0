// natarix_bench: the core's benchmarks, each case beside its floor, and with
// --peak-memory the peak memory of the largest cases, each measured in a
// child process of its own.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include "BenchCases.h"
#include "BenchFiles.h"

extern char** environ;

namespace natarix::bench {

namespace {

constexpr std::string_view kPeakMemory = "--peak-memory";
constexpr std::string_view kPeakCase = "--peak-case=";
constexpr std::string_view kWriteInputs = "--write-inputs";
constexpr std::string_view kPrepareOnly = "--prepare-only";

std::vector<PeakMemoryCase> AllPeakMemoryCases()
{
    std::vector<PeakMemoryCase> cases;
    std::vector<std::vector<PeakMemoryCase> (*)()> families = {DefinitionPeakMemoryCases, EntryListPeakMemoryCases,
                                                               PdfPeakMemoryCases, ExportPeakMemoryCases};
#ifdef NATARIX_BENCH_RESULTS
    families.push_back(ResultPeakMemoryCases);
#endif
    for (auto family : families)
        for (PeakMemoryCase& one : family())
            cases.push_back(std::move(one));
    return cases;
}

// The child's side: write the input files, or build the inputs in memory and
// (unless only they are measured) do the work once.
int RunPeakCase(std::string_view name, std::string_view step)
{
    for (const PeakMemoryCase& one : AllPeakMemoryCases()) {
        if (one.name != name)
            continue;
        if (step == kWriteInputs) {
            one.writeInputs();
            return 0;
        }
        const auto work = one.prepare();
        if (step != kPrepareOnly)
            work();
        return 0;
    }
    std::fprintf(stderr, "no such case: %.*s\n", static_cast<int>(name.size()), name.data());
    return 2;
}

// The peak resident size of one child run in KiB, or -1 when it failed. A
// child starts from the size of its parent, so the parent itself builds
// nothing, not even the input files.
long PeakOfChild(const std::string& name, std::string_view step)
{
    std::string caseArgument = std::string(kPeakCase) + name;
    std::string stepArgument(step);
    std::string program = "/proc/self/exe";
    std::vector<char*> arguments = {program.data(), caseArgument.data()};
    if (!step.empty())
        arguments.push_back(stepArgument.data());
    arguments.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments.data(), environ) != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

int MeasurePeakMemory(std::string_view filter)
{
    // The children work in this process's folder.
    setenv(kScratchVariable, Scratch().path().c_str(), 1);
    std::printf("| peak memory of | with the work | inputs alone | added by the work |\n");
    std::printf("|---|---:|---:|---:|\n");
    int failures = 0;
    for (const PeakMemoryCase& one : AllPeakMemoryCases()) {
        if (one.name.find(filter) == std::string::npos)
            continue;
        const long written = PeakOfChild(one.name, kWriteInputs);
        const long inputs = PeakOfChild(one.name, kPrepareOnly);
        const long whole = PeakOfChild(one.name, {});
        if (written < 0 || inputs < 0 || whole < 0) {
            std::printf("| %s | failed | | |\n", one.name.c_str());
            ++failures;
            continue;
        }
        std::printf("| %s | %.1f MiB | %.1f MiB | %.1f MiB |\n", one.name.c_str(), whole / 1024.0, inputs / 1024.0,
                    (whole - inputs) / 1024.0);
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace

}  // namespace natarix::bench

int main(int argc, char** argv)
{
    using namespace natarix::bench;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string_view argument = argv[i];
            if (argument.starts_with(kPeakCase))
                return RunPeakCase(argument.substr(kPeakCase.size()), i + 1 < argc ? argv[i + 1] : "");
            if (argument == kPeakMemory)
                return MeasurePeakMemory("");
            if (argument.starts_with(std::string(kPeakMemory) + "="))
                return MeasurePeakMemory(argument.substr(kPeakMemory.size() + 1));
        }
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv))
            return 1;
        benchmark::AddCustomContext("scratch_folder", Scratch().path());
        benchmark::AddCustomContext("scratch_file_system", Scratch().FileSystemKind());
        benchmark::AddCustomContext("floor_of_reading", "read the file in one call, find every ';' with memchr");
        benchmark::AddCustomContext("floor_of_saving",
                                    "create the temporary file, one write, fsync, close, rename, fsync of the folder");
        benchmark::AddCustomContext("floor_of_text", "copy the same bytes into a new string");
        RegisterDefinitionBenchmarks();
        RegisterEntryListBenchmarks();
        RegisterPdfBenchmarks();
        RegisterExportBenchmarks();
#ifdef NATARIX_BENCH_RESULTS
        benchmark::AddCustomContext("floor_of_import",
                                    "read each file whole and cut it into element lines (dsv678::SplitElements)");
        benchmark::AddCustomContext("floor_of_best_times", "fetch every swimmer's candidates from the database");
        RegisterResultBenchmarks();
#endif
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "natarix_bench: %s\n", error.what());
        return 1;
    }
}
