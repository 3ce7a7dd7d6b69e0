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

const ClubEntries& ExportClub()
{
    static const ClubEntries club = MakeClubEntries(ClubOfSwimmers(kSwimmers));
    return club;
}

std::string ExportFolder(std::string_view use)
{
    const std::string folder = Scratch().File("export-" + std::string(use));
    std::filesystem::create_directories(folder);
    return folder;
}

ExportOutcome Export(const ClubEntries& club, const std::string& folder)
{
    RecordingMessageSink messages;
    ExportOutcome outcome = ExportClubEntries(&ClubMeet(), club, folder, false, messages);
    if (!outcome.dsvWritten || !outcome.pdfWritten || !messages.messages.empty())
        throw std::runtime_error("the export failed in " + folder);
    return outcome;
}

}  // namespace

void RegisterExportBenchmarks()
{
    RegisterCase("export/" + std::to_string(kSwimmers), [](benchmark::State& state) {
        const ClubEntries& club = ExportClub();
        const std::string dsv = EntryListWriter({}, ClubMeet(), club, true).BuildText();
        RecordingMessageSink messages;
        const std::string pdf = BuildClubEntriesPdf(ClubMeet(), club, messages);
        const std::string folder = ExportFolder("run");
        const std::string floorFolder = ExportFolder("floor");
        // The floor saves the same two files' bytes, each at once.
        MeasureAgainstFloor(
            state, [&] { Export(club, folder); },
            [&] {
                SaveDurablyAtOnce(floorFolder + "/entries.DSV", dsv);
                SaveDurablyAtOnce(floorFolder + "/entries.PDF", pdf);
            });
        state.counters["bytes"] = static_cast<double>(dsv.size() + pdf.size());
        state.counters["entries"] = static_cast<double>(club.CountIndividualEntries() + club.CountRelayEntries());
    });
}

std::vector<PeakMemoryCase> ExportPeakMemoryCases()
{
    return {{"export/" + std::to_string(kSwimmers), [] { ExportFolder("peak"); },
             [] {
                 auto club = std::make_shared<ClubEntries>(MakeClubEntries(ClubOfSwimmers(kSwimmers)));
                 return std::function<void()>([club] { Export(*club, ExportFolder("peak")); });
             }}};
}

}  // namespace natarix::bench
