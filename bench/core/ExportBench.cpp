// The export end to end for the club of 1,000 swimmers: file names, the DSV
// entry list and the PDF document, each saved atomically.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>

#include "BenchCases.h"
#include "BenchFiles.h"
#include "BenchInputs.h"
#include "BenchPairs.h"
#include "dsv5/EntryListWriter.h"
#include "export/ClubExport.h"
#include "pdf/PdfWriter.h"

namespace natarix::bench {

namespace {

constexpr int kSwimmers = 1000;

const Competition& ExportCompetition()
{
    static const auto model = MakeCompetitionWithClub(ClubOfSwimmers(kSwimmers));
    return *model;
}

std::string ExportFolder(std::string_view use)
{
    const std::string folder = Scratch().File("export-" + std::string(use));
    std::filesystem::create_directories(folder);
    return folder;
}

ExportOutcome Export(const Competition& competition, const std::string& folder)
{
    RecordingMessageSink messages;
    ExportOutcome outcome = ExportClubEntries(&competition, folder, false, messages);
    if (!outcome.dsvWritten || !outcome.pdfWritten || !messages.messages.empty())
        throw std::runtime_error("the export failed in " + folder);
    return outcome;
}

}  // namespace

void RegisterExportBenchmarks()
{
    RegisterCase("export/" + std::to_string(kSwimmers), [](benchmark::State& state) {
        const Competition& competition = ExportCompetition();
        const std::string dsv = EntryListWriter({}, competition, true).BuildText();
        RecordingMessageSink messages;
        const std::string pdf = BuildClubEntriesPdf(competition, messages);
        const std::string folder = ExportFolder("run");
        const std::string floorFolder = ExportFolder("floor");
        // The floor saves the same two files' bytes, each at once.
        MeasureAgainstFloor(
            state, [&] { Export(competition, folder); },
            [&] {
                SaveDurablyAtOnce(floorFolder + "/entries.DSV", dsv);
                SaveDurablyAtOnce(floorFolder + "/entries.PDF", pdf);
            });
        state.counters["bytes"] = static_cast<double>(dsv.size() + pdf.size());
        state.counters["entries"] =
            static_cast<double>(competition.CountIndividualEntries() + competition.CountRelayEntries());
    });
}

std::vector<PeakMemoryCase> ExportPeakMemoryCases()
{
    return {{"export/" + std::to_string(kSwimmers), [] { ExportFolder("peak"); },
             [] {
                 auto competition = std::shared_ptr<Competition>(MakeCompetitionWithClub(ClubOfSwimmers(kSwimmers)));
                 return std::function<void()>([competition] { Export(*competition, ExportFolder("peak")); });
             }}};
}

}  // namespace natarix::bench
