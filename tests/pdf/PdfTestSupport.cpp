#include "PdfTestSupport.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <charconv>
#include <cstdio>

#include "codec/Cp1252.h"

namespace natarix::pdftest {

namespace {

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find("\r\n");
        if (end == std::string_view::npos) {
            ADD_FAILURE() << "line without CR LF: " << text;
            break;
        }
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    return lines;
}

bool ParseInt(std::string_view text, std::int64_t& value)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && !text.empty();
}

// Reads "<a> <b> <op>" with two decimals.
bool ParsePoint(std::string_view line, char op, int& x, int& y)
{
    const auto first = line.find(' ');
    const auto second = line.find(' ', first + 1);
    std::int64_t a = 0;
    std::int64_t b = 0;
    if (first == std::string_view::npos || second == std::string_view::npos ||
        line.substr(second + 1) != std::string(1, op) || !ParseInt(line.substr(0, first), a) ||
        !ParseInt(line.substr(first + 1, second - first - 1), b))
        return false;
    x = static_cast<int>(a);
    y = static_cast<int>(b);
    return true;
}

std::string Unescape(std::string_view text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size())
            ++i;
        else if (text[i] == '\\' || text[i] == '(' || text[i] == ')')
            ADD_FAILURE() << "unescaped special byte in " << text;
        plain += text[i];
    }
    return plain;
}

// The text after `prefix` on a line that must start with it.
std::string_view After(std::string_view line, std::string_view prefix)
{
    EXPECT_EQ(line.substr(0, prefix.size()), prefix);
    return line.substr(std::min(prefix.size(), line.size()));
}

std::int64_t ReferenceNumber(std::string_view text)
{
    std::int64_t value = -1;
    const auto end = text.find(" 0 R");
    EXPECT_NE(end, std::string_view::npos) << text;
    EXPECT_TRUE(ParseInt(text.substr(0, end), value)) << text;
    return value;
}

}  // namespace

void PrintTo(const Placement& placement, std::ostream* out)
{
    *out << "{" << placement.y << ", " << placement.x << ", " << placement.font << ", " << placement.size << ", \""
         << placement.text << "\"}";
}

PageContent ParseContent(std::string_view content)
{
    PageContent page;
    const auto lines = SplitLines(content);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        int x = 0;
        int y = 0;
        if (line == "s") {
            ++page.strokes;
        } else if (ParsePoint(line, 'm', x, y)) {
            int x2 = 0;
            int y2 = 0;
            if (i + 1 >= lines.size() || !ParsePoint(lines[i + 1], 'l', x2, y2)) {
                ADD_FAILURE() << "move without line at content line " << i;
                continue;
            }
            page.segments.push_back({x, y, x2, y2});
            ++i;
        } else if (line == "BT" && i + 4 < lines.size()) {
            Placement placement;
            const std::string_view font = lines[i + 1];
            const auto blank = font.find(' ');
            std::int64_t size = 0;
            EXPECT_TRUE(font.size() > 4 && font.front() == '/' && font.ends_with(" Tf") &&
                        blank != std::string_view::npos &&
                        ParseInt(font.substr(blank + 1, font.size() - blank - 4), size))
                << font;
            placement.font = std::string(font.substr(1, blank - 1));
            placement.size = static_cast<int>(size);
            EXPECT_TRUE(ParsePoint(lines[i + 2].substr(0, lines[i + 2].size() - 1), 'T', placement.x, placement.y) &&
                        lines[i + 2].ends_with("Td"))
                << lines[i + 2];
            const std::string_view shown = lines[i + 3];
            EXPECT_TRUE(shown.starts_with("(") && shown.ends_with(") Tj")) << shown;
            placement.text = Cp1252ToUtf8(Unescape(shown.substr(1, shown.size() - 5)));
            EXPECT_EQ(lines[i + 4], "ET");
            page.texts.push_back(std::move(placement));
            i += 4;
        } else {
            ADD_FAILURE() << "unexpected content line " << i << ": " << line;
        }
    }
    return page;
}

CheckedPdf CheckPdf(std::string bytes)
{
    CheckedPdf pdf;
    pdf.bytes = std::move(bytes);
    const std::string& b = pdf.bytes;
    EXPECT_TRUE(b.starts_with("%PDF-1.1\r\n1 0 obj\r\n"));
    EXPECT_TRUE(b.ends_with("\r\n%%EOF"));

    // Trailer from the end: startxref, its value, %%EOF.
    const auto startxref = b.rfind("startxref\r\n");
    if (startxref == std::string::npos) {
        ADD_FAILURE() << "no startxref";
        return pdf;
    }
    std::int64_t xref = 0;
    const std::size_t valueAt = startxref + 11;
    EXPECT_TRUE(ParseInt(std::string_view(b).substr(valueAt, b.size() - 7 - valueAt), xref));
    if (xref <= 0 || static_cast<std::size_t>(xref) >= b.size() ||
        b.compare(static_cast<std::size_t>(xref), 6, "xref\r\n") != 0) {
        ADD_FAILURE() << "startxref does not point at xref";
        return pdf;
    }
    const auto xrefLines = SplitLines(
        std::string_view(b).substr(static_cast<std::size_t>(xref), startxref - static_cast<std::size_t>(xref)));
    std::int64_t size = 0;
    if (xrefLines.size() < 3 || !ParseInt(After(xrefLines[1], "0 "), size) || size < 1 ||
        xrefLines.size() != static_cast<std::size_t>(size) + 2 + 4) {
        ADD_FAILURE() << "malformed xref section";
        return pdf;
    }
    EXPECT_EQ(xrefLines[2], "0000000000 65535 f");
    for (std::int64_t n = 1; n < size; ++n) {
        const std::string_view entry = xrefLines[static_cast<std::size_t>(n) + 2];
        std::int64_t offset = 0;
        EXPECT_EQ(entry.size() + 2, 20u);
        EXPECT_TRUE(entry.ends_with(" 00000 n") && entry.size() == 18 && ParseInt(entry.substr(0, 10), offset))
            << entry;
        pdf.offsets.push_back(static_cast<std::size_t>(offset));
    }
    const std::size_t trailerAt = static_cast<std::size_t>(size) + 2;
    EXPECT_EQ(xrefLines[trailerAt], "trailer");
    EXPECT_EQ(xrefLines[trailerAt + 1], "<< /Size " + std::to_string(size));
    EXPECT_EQ(xrefLines[trailerAt + 2], "/Root 1 0 R");
    EXPECT_EQ(xrefLines[trailerAt + 3], ">>");

    // Objects stand one after the other, each where the xref says, numbered in
    // order, each ending in "endobj" right before the next.
    std::vector<std::string_view> objects;
    for (std::size_t n = 1; n <= pdf.offsets.size(); ++n) {
        const std::size_t begin = pdf.offsets[n - 1];
        const std::size_t end = n < pdf.offsets.size() ? pdf.offsets[n] : static_cast<std::size_t>(xref);
        if (begin >= end || end > b.size()) {
            ADD_FAILURE() << "object " << n << " offsets out of order";
            return pdf;
        }
        const std::string_view object = std::string_view(b).substr(begin, end - begin);
        EXPECT_TRUE(object.starts_with(std::to_string(n) + " 0 obj\r\n")) << "object " << n;
        EXPECT_TRUE(object.ends_with("\r\nendobj\r\n")) << "object " << n;
        objects.push_back(object);
    }
    EXPECT_EQ(pdf.offsets.front(), 10u);
    if (objects.size() < 7)
        return pdf;
    EXPECT_EQ(objects[0], "1 0 obj\r\n<< /Type /Catalog\r\n/Outlines 2 0 R\r\n/Pages 3 0 R\r\n>>\r\nendobj\r\n");
    EXPECT_EQ(objects[1], "2 0 obj\r\n<< /Type /Outlines\r\n/Count 0\r\n>>\r\nendobj\r\n");

    const auto tree = SplitLines(objects[2]);
    EXPECT_EQ(tree[1], "<< /Type /Pages");
    std::size_t line = 2;
    std::string_view kid = After(tree[line], "/Kids [");
    for (;; kid = tree[++line]) {
        const bool last = kid.ends_with("]");
        pdf.pageObjects.push_back(ReferenceNumber(last ? kid.substr(0, kid.size() - 1) : kid));
        if (last || line + 1 >= tree.size())
            break;
    }
    EXPECT_EQ(tree[line + 1], "/Count " + std::to_string(pdf.pageObjects.size()));
    EXPECT_EQ(tree.size(), line + 4);

    const auto fontF1 = static_cast<std::int64_t>(objects.size()) - 1;
    const std::string font = " 0 obj\r\n<< /Type /Font\r\n/Subtype /Type1\r\n/Name /F";
    EXPECT_EQ(objects[objects.size() - 2],
              std::to_string(fontF1) + font +
                  "1\r\n/BaseFont /Helvetica-Bold\r\n/Encoding /WinAnsiEncoding\r\n>>\r\nendobj\r\n");
    EXPECT_EQ(objects.back(), std::to_string(fontF1 + 1) + font +
                                  "2\r\n/BaseFont /Helvetica\r\n/Encoding /WinAnsiEncoding\r\n>>\r\nendobj\r\n");

    for (const std::int64_t page : pdf.pageObjects) {
        if (page < 1 || page > static_cast<std::int64_t>(objects.size())) {
            ADD_FAILURE() << "page object " << page << " missing";
            return pdf;
        }
        const auto lines = SplitLines(objects[static_cast<std::size_t>(page) - 1]);
        EXPECT_EQ(lines.size(), 11u);
        if (lines.size() != 11)
            return pdf;
        EXPECT_EQ(lines[1], "<< /Type /Page");
        EXPECT_EQ(lines[2], "/Parent 3 0 R");
        EXPECT_EQ(lines[3], "/MediaBox [0 0 595 842]");
        const std::int64_t contents = ReferenceNumber(After(lines[4], "/Contents "));
        pdf.contentObjects.push_back(contents);
        EXPECT_EQ(lines[5], "/Resources << /ProcSet [/PDF]");
        EXPECT_EQ(lines[6], "/Font << /F1 " + std::to_string(fontF1) + " 0 R");
        EXPECT_EQ(lines[7], "/F2 " + std::to_string(fontF1 + 1) + " 0 R >>");
        if (contents < 1 || contents > static_cast<std::int64_t>(objects.size())) {
            ADD_FAILURE() << "content object " << contents << " missing";
            return pdf;
        }
        const std::string_view object = objects[static_cast<std::size_t>(contents) - 1];
        const std::string head = std::to_string(contents) + " 0 obj\r\n<< /Length ";
        const auto close = object.find(">>\r\nstream\r\n");
        std::int64_t length = -1;
        EXPECT_TRUE(object.starts_with(head) && close != std::string_view::npos &&
                    ParseInt(object.substr(head.size(), close - head.size()), length));
        const std::size_t data = close + 12;
        EXPECT_EQ(object.size(), data + static_cast<std::size_t>(length) + 19) << "/Length of object " << contents;
        EXPECT_EQ(object.substr(data + static_cast<std::size_t>(length)), "endstream\r\nendobj\r\n");
        pdf.pageContents.emplace_back(object.substr(data, static_cast<std::size_t>(length)));
    }
    return pdf;
}

std::string LastStream(const std::string& buffer)
{
    const auto start = buffer.rfind(">>\r\nstream\r\n");
    const auto end = buffer.rfind("endstream\r\nendobj\r\n");
    if (start == std::string::npos || end == std::string::npos || end < start + 12)
        return {};
    return buffer.substr(start + 12, end - start - 12);
}

}  // namespace natarix::pdftest
