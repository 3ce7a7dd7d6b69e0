// The club's PDF document for 100 to 10,000 entries with 10 and 100 officials:
// saved as the export saves it, and its bytes alone.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <stdexcept>
#include <utility>

#include "BenchCases.h"
#include "BenchFiles.h"
#include "BenchInputs.h"
#include "BenchPairs.h"
#include "pdf/PdfWriter.h"

namespace natarix::bench {

namespace {

// 5,000 stands beside 10,000 so that one doubling of the entries is measured.
constexpr int kEntryCounts[] = {100, 1000, 5000, 10000};
constexpr int kOfficialCounts[] = {10, 100};

const ClubEntries& PdfClub(int entries, int officials)
{
    static std::map<std::pair<int, int>, std::unique_ptr<ClubEntries>> clubs;
    auto& club = clubs[{entries, officials}];
    if (club == nullptr)
        club = std::make_unique<ClubEntries>(MakeClubEntries(ClubOfEntries(entries, officials)));
    return *club;
}

std::string CaseName(std::string_view work, int entries, int officials)
{
    return std::string(work) + "/" + std::to_string(entries) + "/" + std::to_string(officials);
}

std::string BuildPdf(const ClubEntries& club)
{
    RecordingMessageSink messages;
    std::string bytes = BuildClubEntriesPdf(ClubMeet(), club, messages);
    if (!messages.messages.empty())
        throw std::runtime_error("the PDF reported: " + messages.messages.front().text);
    return bytes;
}

// The bytes as the save builds them, without copying them out of the writer.
std::size_t BuildPdfInPlace(const ClubEntries& club)
{
    RecordingMessageSink messages;
    PdfWriter writer({}, ClubMeet(), club);
    return writer.BuildDocument(messages).size();
}

std::string PdfPath(int entries, int officials, std::string_view use)
{
    return Scratch().File("club-" + std::to_string(entries) + "-" + std::to_string(officials) + "-" + std::string(use) +
                          ".pdf");
}

void SavePdf(const ClubEntries& club, const std::string& path)
{
    RecordingMessageSink messages;
    if (!WriteClubEntriesPdf(ClubMeet(), club, path, messages))
        throw std::runtime_error("the PDF could not be written: " + path);
}

}  // namespace

void RegisterPdfBenchmarks()
{
    for (const int officials : kOfficialCounts) {
        for (const int entries : kEntryCounts) {
            RegisterCase(CaseName("pdf", entries, officials), [entries, officials](benchmark::State& state) {
                const ClubEntries& club = PdfClub(entries, officials);
                const std::string bytes = BuildPdf(club);
                const std::string path = PdfPath(entries, officials, "save");
                const std::string floorPath = PdfPath(entries, officials, "floor");
                MeasureAgainstFloor(
                    state, [&] { SavePdf(club, path); }, [&] { SaveDurablyAtOnce(floorPath, bytes); });
                state.counters["bytes"] = static_cast<double>(bytes.size());
                state.counters["entries"] = entries;
                state.counters["pages"] = static_cast<double>(1 + OfficialsPageCount(club) + SheetCount(club));
            });
            // The CPU part of the save, which the disk's flush hides.
            RegisterCase(CaseName("pdf_bytes", entries, officials), [entries, officials](benchmark::State& state) {
                const ClubEntries& club = PdfClub(entries, officials);
                const std::string bytes = BuildPdf(club);
                MeasureAgainstFloor(
                    state, [&] { return BuildPdfInPlace(club); }, [&] { return std::string(bytes); });
                state.counters["entries"] = entries;
            });
        }
        // One doubling of the entries, the smaller count as the floor.
        constexpr int kHalf = 5000;
        constexpr int kWhole = 10000;
        RegisterCase("pdf_doubling/" + std::to_string(officials), [officials](benchmark::State& state) {
            const ClubEntries& half = PdfClub(kHalf, officials);
            const ClubEntries& whole = PdfClub(kWhole, officials);
            const std::string halfPath = PdfPath(kHalf, officials, "doubling");
            const std::string wholePath = PdfPath(kWhole, officials, "doubling");
            MeasureAgainstFloor(
                state, [&] { SavePdf(whole, wholePath); }, [&] { SavePdf(half, halfPath); });
        });
        RegisterCase("pdf_bytes_doubling/" + std::to_string(officials), [officials](benchmark::State& state) {
            const ClubEntries& half = PdfClub(kHalf, officials);
            const ClubEntries& whole = PdfClub(kWhole, officials);
            MeasureAgainstFloor(
                state, [&] { return BuildPdfInPlace(whole); }, [&] { return BuildPdfInPlace(half); });
        });
    }
}

std::vector<PeakMemoryCase> PdfPeakMemoryCases()
{
    const int entries = kEntryCounts[std::size(kEntryCounts) - 1];
    const int officials = kOfficialCounts[std::size(kOfficialCounts) - 1];
    return {{CaseName("pdf", entries, officials), [] {},
             [entries, officials] {
                 auto club = std::make_shared<ClubEntries>(MakeClubEntries(ClubOfEntries(entries, officials)));
                 return std::function<void()>([club] { SavePdf(*club, Scratch().File("peak.pdf")); });
             }}};
}

}  // namespace natarix::bench
