// The entry form "Meldebogen" (DSV-Form 101), the first page of the document.

#include <algorithm>
#include <iterator>
#include <set>
#include <string_view>
#include <vector>

#include "model/EntryFees.h"
#include "model/Labels.h"
#include "pdf/PdfContent.h"
#include "pdf/PdfWriter.h"
#include "pdf/TextFit.h"
#include "pdf/WinAnsi.h"

namespace natarix {

namespace {

constexpr std::string_view kEuro = "€";
constexpr int kRowHeight = 21;
// Rows the page makes room for below the relay row; each moves the rest of
// the page one row down. A format-5 meet has own-fee rows only, the last of
// which joins all that do not fit. A meet of formats 6 to 8 gets one more
// row, shared with its fees per swimmer and per section, for which the
// signature block below the declaration closes up.
constexpr std::size_t kOwnFeeRows = 2;
constexpr std::size_t kModernFeeRows = 3;
// The least size at which a modern meet's list of events in a fee row is shown.
constexpr int kSmallestReadableSize = 8;

// The fee table: a header band and seven rows of 21 units, and `extraRows`
// more below the relay row.
void DrawFeeTable(std::string& content, int extraRows)
{
    const int shift = extraRows * kRowHeight;
    for (int y = 516; y >= 348 - shift; y -= kRowHeight) {
        MoveTo(content, 70, y);
        LineTo(content, 529, y);
    }
    // The count column ends above the flat-fee and total rows, which span it.
    for (const auto& [x, bottom] : {std::pair{70, 348}, {105, 390}, {394, 348}, {461, 348}, {529, 348}}) {
        MoveTo(content, x, 516);
        LineTo(content, x, bottom - shift);
    }
    StrokePath(content);
}

// "Wettkampf 30", "Wettkämpfe 30, 32"; the same for sections. With `ranges`,
// three or more numbers in a row stand as their first and last: "1–4, 9".
std::string NumbersText(const std::set<NumberKey, NumberKeyLess>& numbers, std::string_view one, std::string_view many,
                        bool ranges)
{
    std::string text(numbers.size() == 1 ? one : many);
    for (auto number = numbers.begin(); number != numbers.end();) {
        auto last = number;
        for (auto next = std::next(last);
             ranges && next != numbers.end() && std::int64_t{next->value()} == std::int64_t{last->value()} + 1; ++next)
            last = next;
        text.append(number == numbers.begin() ? " " : ", ").append(*number);
        if (std::distance(number, last) >= 2) {
            text.append("–").append(*last);
            number = std::next(last);
        } else {
            ++number;
        }
    }
    return text;
}

// The events of an own-fee row. Where a modern meet's long list would need
// a size too small to read, the row says what its entries have in common.
std::string OwnFeeEventsText(const MeetDefinition& meet, const FeeRow& row)
{
    if (meet.formatVersion <= 5)
        return NumbersText(row.numbers, "Wettkampf", "Wettkämpfe", false);
    std::string text = NumbersText(row.numbers, "Wettkampf", "Wettkämpfe", true);
    if (FitText(ToWinAnsi(text), kRegularFont, 10, BeforeLine(394) - 246).size < kSmallestReadableSize)
        text = "Wettkämpfe mit eigenem Meldegeld";
    return text;
}

// The own-fee rows that fit beside the other rows of the meet's fees.
std::size_t OwnFeeRows(const MeetDefinition& meet, const EntryFees& fees)
{
    if (meet.formatVersion <= 5)
        return kOwnFeeRows;
    return kModernFeeRows - (fees.perSwimmer ? 1 : 0) - (fees.perSection ? 1 : 0);
}

// A row of the fee table below the relay row, with its two descriptions.
struct ExtraRow {
    const FeeRow* row;
    std::string label;
    std::string detail;
};

std::vector<ExtraRow> ExtraRows(const MeetDefinition& meet, const EntryFees& fees)
{
    std::vector<ExtraRow> rows;
    for (const FeeRow& row : fees.ownFees)
        rows.push_back({&row, "Meldungen", OwnFeeEventsText(meet, row)});
    if (fees.perSwimmer)
        rows.push_back({&*fees.perSwimmer, "Teilnehmermeldegeld", "Schwimmer mit Meldungen"});
    if (fees.perSection)
        rows.push_back({&*fees.perSection, "Abschnittspauschale",
                        NumbersText(fees.perSection->numbers, "Abschnitt", "Abschnitte", true)});
    return rows;
}

std::string SheetsText(std::int64_t count, std::int64_t sheetCount)
{
    return count == 0 ? std::string("Meldeliste (... Blatt)") : "Meldeliste (" + Decimal(sheetCount) + " Blatt)";
}

}  // namespace

void PdfWriter::WriteEntryFormPage(std::int64_t objectNumber)
{
    const Club& club = entries_.club;
    const Address& contact = club.contact;
    const std::int64_t individualCount = entries_.CountIndividualEntries();
    const std::int64_t relayCount = entries_.CountRelayEntries();
    const std::int64_t sheetCount = SheetCount(entries_);
    EntryFees fees = ComputeEntryFees(meet_, entries_);
    JoinOwnFeeRows(fees, OwnFeeRows(meet_, fees));
    const std::vector<ExtraRow> extraRows = ExtraRows(meet_, fees);
    // Everything from the row below the relay row down moves by this, but the
    // signature block at most by the two own-fee rows of a format-5 meet.
    const int shift = static_cast<int>(extraRows.size()) * kRowHeight;
    const int signatureShift = std::min(shift, static_cast<int>(kOwnFeeRows) * kRowHeight);

    std::string content;
    const auto text = [&content](int y, int x, const Font& font, int size, std::string_view value, double right) {
        AddText(content, value, font, size, x, y, right);
    };
    const auto regular = [&text](int y, int x, std::string_view value, double right) {
        text(y, x, kRegularFont, 10, value, right);
    };
    const auto euroSigns = [&regular](int y) {
        regular(y, 452, kEuro, BeforeLine(461));
        regular(y, 520, kEuro, BeforeLine(529));
    };
    // One row of the table: count, description, second description, fee and sum.
    const auto feeRow = [&](int y, const FeeRow& row, std::string_view label, std::string_view detail) {
        if (row.count > 0)
            regular(y, 75, Decimal(row.count), BeforeLine(105));
        regular(y, 111, label, BeforeText(246));
        regular(y, 246, detail, BeforeLine(394));
        // A sum above 0 needs entries and a fee above 0; a joined row has no single fee.
        if (row.sum > 0) {
            if (row.fee.has_value())
                regular(y, 396, FormatAmount(*row.fee), BeforeText(452));
            regular(y, 463, FormatAmount(row.sum), BeforeText(520));
        }
        euroSigns(y);
    };

    text(781, 169, kBoldFont, 16, "Deutscher Schwimm-Verband e.V.", kPageRight);
    text(748, 241, kBoldFont, 20, "Meldebogen", kPageRight);
    text(730, 262, kBoldFont, 12, "Schwimmen", kPageRight);
    regular(692, 70, "Wettkampfveranstaltung: " + meet_.title, kPageRight);
    regular(670, 70, "am / vom: " + FirstDayText(meet_.EarliestSectionDate()), BeforeText(185));
    regular(670, 185, "bis: " + LastDayText(meet_.LatestSectionDate()), BeforeText(270));
    regular(670, 270, "in: " + meet_.place, kPageRight);
    regular(642, 70, "Meldender Verein: " + club.clubName, kPageRight);
    regular(619, 70, "Vereins-ID-Nr.: " + club.clubId, BeforeText(312));
    regular(619, 312, "LSV-Kennziffer: " + club.lsv, kPageRight);
    regular(592, 70, "Ansprechpartner: " + contact.name, kPageRight);
    regular(569, 70, "eMail: " + contact.email, BeforeText(356));
    regular(569, 356, "Telefon: " + contact.phone, kPageRight);
    regular(541, 70, std::string("Straße: ") + contact.street, BeforeText(291));
    regular(541, 291, "PLZ/Ort: " + contact.postcode + " " + contact.town, kPageRight);

    text(518, 70, kBoldFont, 10, "In der Anlage übersenden wir:", kPageRight);
    text(502, 77, kBoldFont, 8, "Anzahl", BeforeLine(105));
    text(502, 230, kBoldFont, 8, "Meldungen", BeforeLine(394));
    text(508, 405, kBoldFont, 8, "Meldegeld je", BeforeLine(461));
    text(499, 412, kBoldFont, 8, "Meldung", BeforeLine(461));
    text(508, 476, kBoldFont, 8, "Meldegeld", BeforeLine(529));
    text(499, 481, kBoldFont, 8, "Summe", BeforeLine(529));
    regular(478, 111, "Einzelmeldungen", BeforeText(246));
    regular(478, 246, "Startkarten sind beigefügt", BeforeLine(394));
    euroSigns(478);
    regular(457, 111, "Staffelmeldungen", BeforeText(246));
    regular(457, 246, "Startkarten sind beigefügt", BeforeLine(394));
    euroSigns(457);

    feeRow(436, fees.individual, "Einzelmeldungen", SheetsText(individualCount, sheetCount));
    feeRow(414, fees.relay, "Staffelmeldungen", SheetsText(relayCount, sheetCount));
    for (std::size_t i = 0; i < extraRows.size(); ++i) {
        const ExtraRow& extra = extraRows[i];
        feeRow(392 - static_cast<int>(i) * kRowHeight, *extra.row, extra.label, extra.detail);
    }

    regular(392 - shift, 111, "Meldungen für .......... Mannschaften", BeforeLine(394));
    // The club counts its teams of a team competition and sums them by hand.
    if (fees.perTeam)
        regular(392 - shift, 396, FormatAmount(*fees.perTeam), BeforeText(452));
    euroSigns(392 - shift);
    if (meet_.formatVersion <= 5)
        regular(372 - shift, 190, "Kampfrichtergebühr / Teilnehmergrundbetrag", BeforeLine(394));
    else
        regular(372 - shift, 111, "Meldegeldpauschale", BeforeLine(394));
    if (meet_.flatFee > 0) {
        regular(372 - shift, 396, FormatAmount(meet_.flatFee), BeforeText(452));
        regular(372 - shift, 463, FormatAmount(meet_.flatFee), BeforeText(520));
    }
    euroSigns(372 - shift);
    if (fees.perTeam)
        text(351 - shift, 111, kBoldFont, 10, "Meldegeld gesamt ohne Mannschaftmeldegeld:", BeforeLine(394));
    else
        text(351 - shift, 301, kBoldFont, 10, "Meldegeld gesamt:", BeforeLine(394));
    if (fees.total > 0)
        text(351 - shift, 463, kBoldFont, 10, FormatAmount(fees.total), BeforeText(520));
    text(351 - shift, 520, kBoldFont, 10, kEuro, BeforeLine(529));

    regular(330 - shift, 70, "Für das Meldegeld liegt bei:", BeforeText(199));
    text(330 - shift, 199, kRegularFont, 8, "(Zutreffendes ankreuzen)", kPageRight);
    regular(310 - shift, 86, "VR-Scheck Nr.: ..", BeforeText(306));
    regular(310 - shift, 306, "Kopie des Überweisungsbeleges", kPageRight);

    text(280 - shift, 70, kBoldFont, 10,
         "Als Kampfrichter werden von uns für diese Veranstaltung gemeldet:", kPageRight);
    regular(258 - shift, 70, "1.", BeforeText(120));
    if (!entries_.officials().empty())
        regular(258 - shift, 120, "siehe gesonderte Aufstellung", BeforeText(398));
    regular(258 - shift, 398, "KR-Gruppe:", kPageRight);
    regular(237 - shift, 70, "2.", BeforeText(398));
    regular(237 - shift, 398, "KR-Gruppe:", kPageRight);
    regular(216 - shift, 70, "3.", BeforeText(398));
    regular(216 - shift, 398, "KR-Gruppe:", kPageRight);

    regular(95 - signatureShift, 70, std::string(56, '.'), BeforeText(250));
    regular(95 - signatureShift, 250, std::string(104, '.'), kPageRight);
    text(85 - signatureShift, 71, kRegularFont, 8, "(Ort, Datum)", BeforeText(320));
    text(85 - signatureShift, 320, kRegularFont, 8, "(Stempel / Unterschrift des Vereinsvertreters)", kPageRight);
    text(68 - signatureShift, 71, kRegularFont, 8, "DSV-Form 101 (2006-01)", kPageRight);

    DrawFeeTable(content, static_cast<int>(extraRows.size()));

    text(196 - shift, 70, kBoldFont, 9, "Erklärung des meldenden Vereins:", kPageRight);
    const auto declaration = [&text, shift](int y, std::string_view line) {
        text(y - shift, 70, kRegularFont, 9, line, kPageRight);
    };
    declaration(
        182, "Mit Abgabe dieser Meldung wird versichert, dass die von uns gemeldeten Schwimmer ihre Sportgesundheit");
    declaration(
        172,
        "entsprechend WB AT § 7 durch ein ärztliches Zeugnis nachweisen können. Die Untersuchung/en liegt/liegen zum");
    declaration(162, "Zeitpunkt der Abgabe der Meldung nicht länger als ein Jahr zurück.");
    declaration(152,
                "Diese Erklärung gilt gleichfalls für alle Mannschafts-/Staffelteilnehmer sofern diese in der Meldung "
                "noch nicht");
    declaration(142, "namentlich benannt wurden.");

    AppendStreamObject(objectNumber, content);
}

}  // namespace natarix
