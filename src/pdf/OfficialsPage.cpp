// The officials list "Kampfrichteraufstellung": 37 officials per page, each
// page with the same title and headings.

#include <algorithm>

#include "PdfContent.h"
#include "PdfWriter.h"

namespace natarix {

void PdfWriter::WriteOfficialsPage(std::int64_t pageNumber, std::int64_t objectNumber)
{
    std::string content;
    AddText(content, "Kampfrichteraufstellung", kBoldFont, 16, 169, 781);
    AddText(content, "Nachname", kBoldFont, 10, 20, 750);
    AddText(content, "Vorname", kBoldFont, 10, 120, 750);
    AddText(content, "Gruppe", kBoldFont, 10, 220, 750);
    AddText(content, "Einsatzwunsch", kBoldFont, 10, 320, 750);
    AddText(content, "Abschnitte", kBoldFont, 10, 420, 750);

    const auto& officials = model_.officials();
    const auto count = static_cast<std::int64_t>(officials.size());
    const std::int64_t first = std::min(count, std::clamp<std::int64_t>(pageNumber - 1, 0, count) * OFFICIALS_PER_PAGE);
    const std::int64_t last = std::min(first + OFFICIALS_PER_PAGE, count);
    int y = 730;
    for (std::int64_t i = first; i < last; ++i, y -= 20) {
        const Official& official = *officials[static_cast<std::size_t>(i)];
        AddText(content, official.surname, kRegularFont, 10, 20, y);
        AddText(content, official.firstName, kRegularFont, 10, 120, y);
        AddText(content, Decimal(official.group), kRegularFont, 10, 220, y);
        AddText(content, official.wish, kRegularFont, 10, 320, y);
        AddText(content, official.sectionNumbers, kRegularFont, 10, 420, y);
    }
    AppendStreamObject(objectNumber, content);
}

}  // namespace natarix
