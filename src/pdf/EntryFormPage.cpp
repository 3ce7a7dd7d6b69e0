// The entry form "Meldebogen" (DSV-Form 101), the first page of the document.

#include "EntryFormPage.h"

#include <limits>
#include <string_view>

#include "PdfContent.h"
#include "PdfWriter.h"
#include "dsv/Cp1252Literal.h"

namespace natarix {

namespace {

constexpr std::string_view kEuro = "€"_w1252;

// The fee table: a header band and seven rows of 21 units.
void DrawFeeTable(std::string& content)
{
    for (int y = 516; y >= 348; y -= 21) {
        MoveTo(content, 70, y);
        LineTo(content, 529, y);
    }
    // The count column ends above the flat-fee and total rows, which span it.
    for (const auto& [x, bottom] : {std::pair{70, 348}, {105, 390}, {394, 348}, {461, 348}, {529, 348}}) {
        MoveTo(content, x, 516);
        LineTo(content, x, bottom);
    }
    StrokePath(content);
}

std::string SheetsText(std::int64_t count, std::int64_t sheetCount)
{
    return count == 0 ? std::string("Meldeliste (... Blatt)") : "Meldeliste (" + Decimal(sheetCount) + " Blatt)";
}

}  // namespace

std::string FormatAmount(std::int64_t cents)
{
    // The magnitude as unsigned, so that the lowest value has one too.
    const auto magnitude = cents < 0 ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    std::string digits = std::to_string(magnitude);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    digits.insert(digits.size() - 2, 1, ',');
    return cents < 0 ? "-" + digits : digits;
}

std::int64_t SaturatingProduct(std::int64_t amount, std::int64_t count)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    return amount != 0 && count > kMax / amount ? kMax : amount * count;
}

std::int64_t SaturatingSum(std::int64_t a, std::int64_t b)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    return a > kMax - b ? kMax : a + b;
}

void PdfWriter::WriteEntryFormPage(std::int64_t objectNumber)
{
    const Club& club = model_.club;
    const Address& contact = club.contact;
    const std::int64_t individualCount = model_.CountIndividualEntries();
    const std::int64_t relayCount = model_.CountRelayEntries();
    const std::int64_t sheetCount = SheetCount(model_);
    const bool individualFees = individualCount > 0 && model_.individualFee > 0;
    const bool relayFees = relayCount > 0 && model_.relayFee > 0;
    const std::int64_t individualSum = individualFees ? SaturatingProduct(model_.individualFee, individualCount) : 0;
    const std::int64_t relaySum = relayFees ? SaturatingProduct(model_.relayFee, relayCount) : 0;
    const std::int64_t total =
        SaturatingSum(SaturatingSum(individualSum, relaySum), model_.flatFee > 0 ? model_.flatFee : 0);

    std::string content;
    const auto text = [&content](int y, int x, std::string_view font, int size, std::string_view value) {
        AddText(content, value, font, size, x, y);
    };
    const auto regular = [&text](int y, int x, std::string_view value) { text(y, x, kRegularFont, 10, value); };
    const auto euroSigns = [&regular](int y) {
        regular(y, 452, kEuro);
        regular(y, 520, kEuro);
    };

    text(781, 169, kBoldFont, 16, "Deutscher Schwimm-Verband e.V.");
    text(748, 241, kBoldFont, 20, "Meldebogen");
    text(730, 262, kBoldFont, 12, "Schwimmen");
    regular(692, 70, "Wettkampfveranstaltung: " + model_.title);
    regular(670, 70, "am / vom: " + model_.EarliestSectionDate());
    regular(670, 185, "bis: " + model_.LatestSectionDate());
    regular(670, 270, "in: " + model_.place);
    regular(642, 70, "Meldender Verein: " + club.clubName);
    regular(619, 70, "Vereins-ID-Nr.: " + club.clubId);
    regular(619, 312, "LSV-Kennziffer: " + club.lsv);
    regular(592, 70, "Ansprechpartner: " + contact[Address::Name]);
    regular(569, 70, "eMail: " + contact[Address::Email]);
    regular(569, 356, "Telefon: " + contact[Address::Phone]);
    regular(541, 70, std::string("Straße: "_w1252) + contact[Address::Street]);
    regular(541, 291, "PLZ/Ort: " + contact[Address::Postcode] + " " + contact[Address::Town]);

    text(518, 70, kBoldFont, 10, "In der Anlage übersenden wir:"_w1252);
    text(502, 77, kBoldFont, 8, "Anzahl");
    text(502, 230, kBoldFont, 8, "Meldungen");
    text(508, 405, kBoldFont, 8, "Meldegeld je");
    text(499, 412, kBoldFont, 8, "Meldung");
    text(508, 476, kBoldFont, 8, "Meldegeld");
    text(499, 481, kBoldFont, 8, "Summe");
    regular(478, 111, "Einzelmeldungen");
    regular(478, 246, "Startkarten sind beigefügt"_w1252);
    euroSigns(478);
    regular(457, 111, "Staffelmeldungen");
    regular(457, 246, "Startkarten sind beigefügt"_w1252);
    euroSigns(457);

    if (individualCount > 0)
        regular(436, 75, Decimal(individualCount));
    regular(436, 111, "Einzelmeldungen");
    regular(436, 246, SheetsText(individualCount, sheetCount));
    if (individualFees) {
        regular(436, 396, FormatAmount(model_.individualFee));
        regular(436, 463, FormatAmount(individualSum));
    }
    euroSigns(436);

    if (relayCount > 0)
        regular(414, 75, Decimal(relayCount));
    regular(414, 111, "Staffelmeldungen");
    regular(414, 246, SheetsText(relayCount, sheetCount));
    if (relayFees) {
        regular(414, 396, FormatAmount(model_.relayFee));
        regular(414, 463, FormatAmount(relaySum));
    }
    euroSigns(414);

    regular(392, 111, "Meldungen für .......... Mannschaften"_w1252);
    euroSigns(392);
    regular(372, 190, "Kampfrichtergebühr / Teilnehmergrundbetrag"_w1252);
    if (model_.flatFee > 0) {
        regular(372, 396, FormatAmount(model_.flatFee));
        regular(372, 463, FormatAmount(model_.flatFee));
    }
    euroSigns(372);
    text(351, 301, kBoldFont, 10, "Meldegeld gesamt:");
    if (total > 0)
        text(351, 463, kBoldFont, 10, FormatAmount(total));
    text(351, 520, kBoldFont, 10, kEuro);

    regular(330, 70, "Für das Meldegeld liegt bei:"_w1252);
    text(330, 199, kRegularFont, 8, "(Zutreffendes ankreuzen)");
    regular(310, 86, "VR-Scheck Nr.: ..");
    regular(310, 306, "Kopie des Überweisungsbeleges"_w1252);

    text(280, 70, kBoldFont, 10, "Als Kampfrichter werden von uns für diese Veranstaltung gemeldet:"_w1252);
    regular(258, 70, "1.");
    if (!model_.officials().empty())
        regular(258, 120, "siehe gesonderte Aufstellung");
    regular(258, 398, "KR-Gruppe:");
    regular(237, 70, "2.");
    regular(237, 398, "KR-Gruppe:");
    regular(216, 70, "3.");
    regular(216, 398, "KR-Gruppe:");

    regular(95, 70, std::string(56, '.'));
    regular(95, 250, std::string(104, '.'));
    text(85, 71, kRegularFont, 8, "(Ort, Datum)");
    text(85, 320, kRegularFont, 8, "(Stempel / Unterschrift des Vereinsvertreters)");
    text(68, 71, kRegularFont, 8, "DSV-Form 101 (2006-01)");

    DrawFeeTable(content);

    text(196, 70, kBoldFont, 9, "Erklärung des meldenden Vereins:"_w1252);
    const auto declaration = [&text](int y, std::string_view line) { text(y, 70, kRegularFont, 9, line); };
    declaration(
        182, "Mit Abgabe dieser Meldung wird versichert, dass die von uns gemeldeten Schwimmer ihre Sportgesundheit");
    declaration(
        172,
        "entsprechend WB AT § 7 durch ein ärztliches Zeugnis nachweisen können. Die Untersuchung/en liegt/liegen zum"_w1252);
    declaration(162, "Zeitpunkt der Abgabe der Meldung nicht länger als ein Jahr zurück."_w1252);
    declaration(
        152,
        "Diese Erklärung gilt gleichfalls für alle Mannschafts-/Staffelteilnehmer sofern diese in der Meldung noch nicht"_w1252);
    declaration(142, "namentlich benannt wurden.");

    AppendStreamObject(objectNumber, content);
}

}  // namespace natarix
