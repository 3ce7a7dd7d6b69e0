#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "TestFiles.h"
#include "TestModels.h"

namespace natarix::pdftest {

// One AddText as read back from a content stream; the text in UTF-8.
struct Placement {
    int y = 0;
    int x = 0;
    std::string font;
    int size = 0;
    std::string text;

    bool operator==(const Placement&) const = default;
};
void PrintTo(const Placement& placement, std::ostream* out);

// A straight segment of a drawn path: from (x1, y1) to (x2, y2).
using Segment = std::array<int, 4>;

// What a content stream draws; every line must be one the writer produces.
struct PageContent {
    std::vector<Placement> texts;
    std::vector<Segment> segments;
    int strokes = 0;
};
PageContent ParseContent(std::string_view content);

// A document whose skeleton has been checked: header, catalog, page tree,
// each xref entry against the object really standing there, each /Length
// against the real stream, trailer and the final "%%EOF".
struct CheckedPdf {
    std::string bytes;
    std::vector<std::size_t> offsets;  // object n at offsets[n - 1]
    std::vector<std::int64_t> pageObjects;
    std::vector<std::int64_t> contentObjects;  // in page order
    std::vector<std::string> pageContents;     // in page order
};
CheckedPdf CheckPdf(std::string bytes);

// The stream of the last content object appended to `buffer`.
std::string LastStream(const std::string& buffer);

using test::AddOfficials;
using test::AddSwimmer;
using test::AddTeam;
using test::FormsMeet;
using test::TempDir;

}  // namespace natarix::pdftest
