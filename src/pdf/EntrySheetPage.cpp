// The entry sheet "Meldeliste" (DSV-Form 102): 20 entry rows per sheet, every
// swimmer and then every relay team under its running number with all its
// entries, one row each.

#include <algorithm>
#include <iterator>
#include <limits>

#include "model/Labels.h"
#include "pdf/PdfContent.h"
#include "pdf/PdfWriter.h"

namespace natarix {

namespace {

// Row boundaries and baselines fall on multiples of this, truncated.
constexpr double kRowHeight = 22.3333;
// A row's baseline lies 8 units above its lower and 14 below its upper
// line; a cell of two lines sets them off it by these.
constexpr int kRaise = 4;
constexpr int kLower = 5;
constexpr int kSecondLineSize = 7;

void AddSheetFrame(std::string& content, std::int64_t sheetNumber, std::int64_t sheetCount, const MeetDefinition& meet,
                   const Club& club)
{
    const auto bold = [&content](int y, int x, int size, std::string_view text, double right = kPageRight) {
        AddText(content, text, kBoldFont, size, x, y, right);
    };
    const auto regular = [&content](int y, int x, int size, std::string_view text, double right = kPageRight) {
        AddText(content, text, kRegularFont, size, x, y, right);
    };
    bold(781, 169, 16, "Deutscher Schwimm-Verband e.V.");
    bold(748, 251, 20, "Meldeliste");
    bold(730, 262, 12, "Schwimmen");
    bold(718, 380, 11, "(Anlage zum Meldebogen)");
    regular(700, 71, 10, "Zur Veranstaltung: " + meet.title);
    regular(679, 71, 10, "werden vom Verein: " + club.clubName);
    regular(658, 71, 10, "Vereins-ID-Nr.: " + club.clubId, BeforeText(313));
    regular(658, 313, 10, "LSV-Kennziffer: " + club.lsv);
    regular(637, 71, 10, "die folgenden Meldungen abgegeben:");
    bold(627, 73, 8, "[Jeden Schwimmer/jede Mannschaft unter einer lfd. Nr. mit allen Wettkämpfen aufführen!]");
    bold(608, 79, 9, "Lfd.", BeforeLine(100));
    bold(597, 80, 9, "Nr.", BeforeLine(100));
    bold(601, 122, 9, "Name, Vorname / Mannschaft", BeforeLine(270));
    bold(601, 281, 9, "Schwimmer-ID-Nr.", BeforeLine(370));
    bold(608, 372, 9, "M", BeforeLine(382));
    bold(597, 372, 9, "F", BeforeLine(382));
    bold(601, 392, 9, "Jg", BeforeLine(411));
    bold(601, 417, 9, "AK", BeforeLine(432));
    bold(608, 438, 9, "Wettk.", BeforeLine(469));
    bold(597, 446, 9, "Nr.", BeforeLine(469));
    bold(608, 471, 9, "* Strecke +", BeforeLine(526));
    bold(597, 471, 9, "Schwimmart", BeforeLine(526));
    bold(601, 530, 9, "Meldezeit", BeforeLine(575));
    regular(129, 70, 8, "* Abkürzung z.B.: 100 B = 100m Brustschwimmen - 4x100 F = 4x100m Freistilstaffel",
            BeforeText(482));
    regular(129, 482, 10, "Blatt " + Decimal(sheetNumber) + " von " + Decimal(sheetCount));
    regular(
        109, 70, 10,
        "Die Meldeliste ist Bestandteil/Anlage des Meldebogens zur o.g. Veranstaltung. Für alle gemeldeten Schwimmer");
    regular(98, 70, 10,
            "sowie für alle bei der Veranstaltung zum Einsatz kommenden Staffel- bzw. Mannschaftsteilnehmer gilt die");
    regular(87, 70, 10, "abgegebene Erklärung gemäß WB-AT § 7.");
    regular(68, 70, 8, "DSV-Form 102 (2006-01)");
}

void DrawSheetGrid(std::string& content)
{
    for (int i = 0; i <= ROWS_PER_SHEET; ++i) {
        const auto y = static_cast<int>(617 - i * kRowHeight);
        MoveTo(content, 70, y);
        LineTo(content, 575, y);
    }
    MoveTo(content, 70, 148);
    LineTo(content, 575, 148);
    for (const int x : {70, 100, 270, 370, 382, 411, 432, 469, 526, 575}) {
        MoveTo(content, x, 617);
        LineTo(content, x, 148);
    }
    StrokePath(content);
}

}  // namespace

std::size_t PdfWriter::ParticipantCount() const
{
    return entries_.swimmers().size() + entries_.teams().size();
}

ParticipantRef PdfWriter::ParticipantAt(std::size_t index) const
{
    const std::size_t swimmers = entries_.swimmers().size();
    if (index < swimmers)
        return entries_.swimmers()[index].get();
    return entries_.teams()[index - swimmers].get();
}

const EntryMap& PdfWriter::EntriesAt(std::size_t index) const
{
    return EntrantOf(ParticipantAt(index)).entries;
}

void PdfWriter::ResetCursor()
{
    cursor_ = RowCursor{};
    if (ParticipantCount() > 0)
        cursor_.entry = EntriesAt(0).begin();
}

void PdfWriter::NextParticipant()
{
    ++cursor_.participant;
    cursor_.entryIndex = 0;
    if (cursor_.participant < ParticipantCount())
        cursor_.entry = EntriesAt(cursor_.participant).begin();
}

void PdfWriter::SeekRow(std::int64_t row)
{
    if (row < cursor_.row)
        ResetCursor();
    // Whole participants are passed by their entry count, so that a seek costs
    // one step per participant, not one per row.
    while (cursor_.row < row && cursor_.participant < ParticipantCount()) {
        const auto left = static_cast<std::int64_t>(EntriesAt(cursor_.participant).size() - cursor_.entryIndex);
        if (left > row - cursor_.row) {
            const std::int64_t step = row - cursor_.row;
            cursor_.entry = std::next(cursor_.entry, static_cast<std::ptrdiff_t>(step));
            cursor_.entryIndex += static_cast<std::size_t>(step);
            cursor_.row = row;
            return;
        }
        cursor_.row += left;
        NextParticipant();
    }
}

void PdfWriter::WriteEntrySheetPage(std::int64_t sheetNumber, std::int64_t sheetCount, std::int64_t objectNumber)
{
    std::string content;
    AddSheetFrame(content, sheetNumber, sheetCount, meet_, entries_.club);
    DrawSheetGrid(content);

    // Sheet p holds the rows (p - 1) * 20 to p * 20 - 1 of the whole walk.
    const std::int64_t earlierSheets =
        std::clamp<std::int64_t>(sheetNumber - 1, 0, std::numeric_limits<std::int64_t>::max() / ROWS_PER_SHEET);
    SeekRow(earlierSheets * ROWS_PER_SHEET);
    const std::size_t participants = ParticipantCount();
    for (int rowOnSheet = 1; rowOnSheet <= ROWS_PER_SHEET; ++rowOnSheet) {
        while (cursor_.participant < participants && cursor_.entry == EntriesAt(cursor_.participant).end())
            NextParticipant();
        if (cursor_.participant >= participants)
            break;

        const ParticipantRef participant = ParticipantAt(cursor_.participant);
        const bool isTeam = std::holds_alternative<const Team*>(participant);
        const auto y = static_cast<int>(603 - rowOnSheet * kRowHeight);
        // Each text ends before the grid line right of its column.
        const auto place = [&content, y](int x, int lineX, std::string_view text) {
            AddText(content, text, kRegularFont, 10, x, y, BeforeLine(lineX));
        };
        // Every participant counts, also one without entries, so the numbers
        // shown can have gaps. A participant continued from the previous sheet
        // is named again on the first row.
        if (cursor_.entryIndex == 0 || rowOnSheet == 1) {
            place(73, 100, Decimal(static_cast<std::int64_t>(cursor_.participant) + 1));
            if (isTeam) {
                place(103, 270, TeamLabel(*std::get<const Team*>(participant)));
            } else {
                const Swimmer& swimmer = *std::get<const Swimmer*>(participant);
                place(103, 270, swimmer.surname + ", " + swimmer.firstName);
                place(275, 370, swimmer.registrationNumber);
                place(372, 382, SexLetter(swimmer.sex));
                place(385, 411, Decimal(swimmer.yearOfBirth));
            }
        }

        const auto& [eventNumber, entryTime] = *cursor_.entry;
        place(435, 469, eventNumber);
        std::string distance;
        std::string exerciseAndRound;
        if (const Event* event = meet_.FindEvent(eventNumber)) {
            // A team's row gives the swimmer count even for an event that is no relay.
            distance = DistanceLabel(*event, isTeam);
            exerciseAndRound = ExerciseAndRound(*event);
        } else {
            missingEventNumbers_.insert(eventNumber);
        }
        if (exerciseAndRound.empty()) {
            place(472, 526, distance);
        } else {
            // Two lines in the narrow cell: the distance raised, below it smaller
            // the exercise and round ("BE Vorlauf").
            AddText(content, distance, kRegularFont, 10, 472, y + kRaise, BeforeLine(526));
            AddText(content, exerciseAndRound, kRegularFont, kSecondLineSize, 472, y - kLower, BeforeLine(526));
        }
        place(529, 575, entryTime);

        ++cursor_.entry;
        ++cursor_.entryIndex;
        ++cursor_.row;
    }
    AppendStreamObject(objectNumber, content);
}

}  // namespace natarix
