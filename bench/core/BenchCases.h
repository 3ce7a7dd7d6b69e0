#pragma once

#include <functional>
#include <string>
#include <vector>

namespace natarix::bench {

// Each family registers its cases; every case measures its floor alongside
// (MeasureAgainstFloor).
void RegisterDefinitionBenchmarks();
void RegisterEntryListBenchmarks();
void RegisterPdfBenchmarks();
void RegisterExportBenchmarks();
// Only where the results database is built (NATARIX_BENCH_RESULTS).
void RegisterResultBenchmarks();

// One of the largest cases, run once in a child process for its peak memory.
struct PeakMemoryCase {
    std::string name;
    // Writes the files the case reads; runs in a child of its own, not counted.
    std::function<void()> writeInputs;
    // Builds what the case needs in memory (counted, and also measured alone)
    // and returns the work itself.
    std::function<std::function<void()>()> prepare;
};

std::vector<PeakMemoryCase> DefinitionPeakMemoryCases();
std::vector<PeakMemoryCase> EntryListPeakMemoryCases();
std::vector<PeakMemoryCase> PdfPeakMemoryCases();
std::vector<PeakMemoryCase> ExportPeakMemoryCases();
std::vector<PeakMemoryCase> ResultPeakMemoryCases();

}  // namespace natarix::bench
