// The officials list "Kampfrichteraufstellung": 37 officials per page, each
// page with the same title and headings.

#include <algorithm>
#include <array>
#include <string_view>

#include "model/Labels.h"
#include "pdf/PdfContent.h"
#include "pdf/PdfWriter.h"

namespace natarix {

namespace {

// The five columns; each text ends before the next column starts.
constexpr std::array<int, 5> kColumns = {20, 120, 220, 320, 420};

}  // namespace

void PdfWriter::WriteOfficialsPage(std::int64_t pageNumber, std::int64_t objectNumber)
{
    std::string content;
    const auto row = [&content](int y, const Font& font, const std::array<std::string_view, 5>& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const double right = i + 1 < kColumns.size() ? BeforeText(kColumns[i + 1]) : kPageRight;
            AddText(content, texts[i], font, 10, kColumns[i], y, right);
        }
    };
    AddText(content, "Kampfrichteraufstellung", kBoldFont, 16, 169, 781, kPageRight);
    row(750, kBoldFont, {"Nachname", "Vorname", "Gruppe", "Einsatzwunsch", "Abschnitte"});

    const auto& officials = entries_.officials();
    const auto count = static_cast<std::int64_t>(officials.size());
    const std::int64_t first = std::min(count, std::clamp<std::int64_t>(pageNumber - 1, 0, count) * OFFICIALS_PER_PAGE);
    const std::int64_t last = std::min(first + OFFICIALS_PER_PAGE, count);
    int y = 730;
    for (std::int64_t i = first; i < last; ++i, y -= 20) {
        const Official& official = *officials[static_cast<std::size_t>(i)];
        const std::string group = Decimal(official.group);
        row(y, kRegularFont,
            {official.surname, official.firstName, group, official.wish, SectionNumbersText(official)});
    }
    AppendStreamObject(objectNumber, content);
}

}  // namespace natarix
