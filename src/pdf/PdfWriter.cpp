#include "pdf/PdfWriter.h"

#include <initializer_list>
#include <tuple>

#include "pdf/PdfContent.h"
#include "platform/FileIo.h"

namespace natarix {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::int64_t CeilingDivide(std::int64_t count, std::int64_t per)
{
    return count / per + (count % per != 0 ? 1 : 0);
}

std::string MissingEventsText(const std::set<NumberKey, NumberKeyLess>& numbers)
{
    std::string joined;
    for (const std::string& number : numbers) {
        if (!joined.empty())
            joined += ", ";
        joined += number;
    }
    return std::string(
               "Die Meldeliste enthält Meldungen für Wettkämpfe, die die Wettkampfdefinition "
               "nicht enthält (Wettkampf-Nr. ") +
           joined + std::string("). Diese Meldungen stehen ohne Strecke in der PDF-Meldeliste.");
}

}  // namespace

std::int64_t SheetCount(const ClubEntries& entries)
{
    return CeilingDivide(entries.CountIndividualEntries() + entries.CountRelayEntries(), ROWS_PER_SHEET);
}

std::int64_t OfficialsPageCount(const ClubEntries& entries)
{
    return CeilingDivide(static_cast<std::int64_t>(entries.officials().size()), OFFICIALS_PER_PAGE);
}

PdfWriter::PdfWriter(std::string fileName, const MeetDefinition& meet, const ClubEntries& entries)
    : fileName_(std::move(fileName)), meet_(meet), entries_(entries)
{
    ResetCursor();
}

void PdfWriter::AppendLine(std::string_view line)
{
    documentBuffer_ += line;
    documentBuffer_ += kLineEnd;
}

void PdfWriter::RecordObjectOffset()
{
    objectOffsets_.push_back(documentBuffer_.size());
}

void PdfWriter::AppendStreamObject(std::int64_t objectNumber, std::string_view content)
{
    RecordObjectOffset();
    AppendDecimal(documentBuffer_, objectNumber);
    AppendLine(" 0 obj");
    documentBuffer_ += "<< /Length ";
    AppendDecimal(documentBuffer_, static_cast<std::int64_t>(content.size()));
    AppendLine(">>");
    AppendLine("stream");
    documentBuffer_ += content;
    AppendLine("endstream");
    AppendLine("endobj");
}

const std::string& PdfWriter::BuildDocument(MessageSink& messages)
{
    const std::int64_t sheetCount = SheetCount(entries_);
    const std::int64_t officialsPages = OfficialsPageCount(entries_);
    const std::int64_t m = sheetCount + officialsPages;

    // A second build starts from scratch, so the xref never lists stale offsets.
    documentBuffer_.clear();
    // Pages take about 4 to 10 KB. Reserving the document at once spares the
    // copies and the fresh memory of growing a buffer of megabytes step by step.
    documentBuffer_.reserve(static_cast<std::size_t>(m + 1) * 8192);
    objectOffsets_.clear();
    missingEventNumbers_.clear();
    ResetCursor();

    AppendLine("%PDF-1.1");
    RecordObjectOffset();
    for (const std::string_view line :
         {"1 0 obj", "<< /Type /Catalog", "/Outlines 2 0 R", "/Pages 3 0 R", ">>", "endobj"})
        AppendLine(line);
    RecordObjectOffset();
    for (const std::string_view line : {"2 0 obj", "<< /Type /Outlines", "/Count 0", ">>", "endobj"})
        AppendLine(line);

    RecordObjectOffset();
    AppendLine("3 0 obj");
    AppendLine("<< /Type /Pages");
    documentBuffer_ += "/Kids [4 0 R";
    for (std::int64_t j = 1; j <= m; ++j) {
        documentBuffer_ += kLineEnd;
        AppendDecimal(documentBuffer_, j + 4);
        documentBuffer_ += " 0 R";
    }
    AppendLine("]");
    documentBuffer_ += "/Count ";
    AppendDecimal(documentBuffer_, m + 1);
    AppendLine("");
    AppendLine(">>");
    AppendLine("endobj");

    const std::string fonts = "/Font << /F1 " + Decimal(2 * m + 6) + " 0 R\r\n/F2 " + Decimal(2 * m + 7) + " 0 R >>";
    for (std::int64_t j = 0; j <= m; ++j) {
        RecordObjectOffset();
        AppendDecimal(documentBuffer_, j + 4);
        AppendLine(" 0 obj");
        AppendLine("<< /Type /Page");
        AppendLine("/Parent 3 0 R");
        AppendLine("/MediaBox [0 0 595 842]");
        documentBuffer_ += "/Contents ";
        AppendDecimal(documentBuffer_, m + 5 + j);
        AppendLine(" 0 R");
        AppendLine("/Resources << /ProcSet [/PDF]");
        AppendLine(fonts);
        AppendLine(">>");
        AppendLine(">>");
        AppendLine("endobj");
    }

    WriteEntryFormPage(m + 5);
    for (std::int64_t page = 1; page <= officialsPages; ++page)
        WriteOfficialsPage(page, m + 5 + page);
    for (std::int64_t sheet = 1; sheet <= sheetCount; ++sheet)
        WriteEntrySheetPage(sheet, sheetCount, m + 5 + officialsPages + sheet);

    for (const auto& [number, name, baseFont] : {std::tuple{2 * m + 6, "/Name /F1", "/BaseFont /Helvetica-Bold"},
                                                 std::tuple{2 * m + 7, "/Name /F2", "/BaseFont /Helvetica"}}) {
        RecordObjectOffset();
        AppendDecimal(documentBuffer_, number);
        AppendLine(" 0 obj");
        AppendLine("<< /Type /Font");
        AppendLine("/Subtype /Type1");
        AppendLine(name);
        AppendLine(baseFont);
        AppendLine("/Encoding /WinAnsiEncoding");
        AppendLine(">>");
        AppendLine("endobj");
    }

    const std::size_t xrefOffset = documentBuffer_.size();
    const auto size = static_cast<std::int64_t>(objectOffsets_.size()) + 1;
    AppendLine("xref");
    documentBuffer_ += "0 ";
    AppendDecimal(documentBuffer_, size);
    AppendLine("");
    AppendLine("0000000000 65535 f");
    for (const std::uint64_t offset : objectOffsets_) {
        const std::string digits = Decimal(static_cast<std::int64_t>(offset));
        if (digits.size() < 10)
            documentBuffer_.append(10 - digits.size(), '0');
        documentBuffer_ += digits;
        AppendLine(" 00000 n");
    }
    AppendLine("trailer");
    documentBuffer_ += "<< /Size ";
    AppendDecimal(documentBuffer_, size);
    AppendLine("");
    AppendLine("/Root 1 0 R");
    AppendLine(">>");
    AppendLine("startxref");
    AppendDecimal(documentBuffer_, static_cast<std::int64_t>(xrefOffset));
    AppendLine("");
    documentBuffer_ += "%%EOF";

    if (!missingEventNumbers_.empty())
        messages.Show(Message::Warning(MissingEventsText(missingEventNumbers_)));
    return documentBuffer_;
}

bool PdfWriter::WriteDocument(MessageSink& messages, FileOps& ops)
{
    BuildDocument(messages);
    const SaveStatus status = SaveFileAtomically(fileName_, documentBuffer_, ops);
    if (status == SaveStatus::Ok)
        return true;
    messages.Show(Message::Warning(std::string(status == SaveStatus::CreateFailed
                                                   ? "Die PDF-Vereinsmeldeliste konnte nicht angelegt werden!"
                                                   : "Die PDF-Vereinsmeldeliste konnte nicht geschrieben werden!")));
    return false;
}

bool WriteClubEntriesPdf(const MeetDefinition& meet, const ClubEntries& entries, const std::string& path,
                         MessageSink& messages, FileOps& ops)
{
    return PdfWriter(path, meet, entries).WriteDocument(messages, ops);
}

std::string BuildClubEntriesPdf(const MeetDefinition& meet, const ClubEntries& entries, MessageSink& messages)
{
    PdfWriter writer({}, meet, entries);
    return writer.BuildDocument(messages);
}

}  // namespace natarix
