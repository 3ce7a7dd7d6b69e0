#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace natarix::dsv678 {

// The four kinds of list of formats 6 to 8, as the FORMAT element names them.
enum class ListKind { Wettkampfdefinitionsliste, Vereinsmeldeliste, Wettkampfergebnisliste, Vereinsergebnisliste };

std::string_view ListKindName(ListKind kind);

// A finding of the reader, in German. `line` counts from 1; 0 when it
// concerns the whole file. A warning found on several lines with the same
// text is kept once, at its first line, with the number of further lines.
struct Diagnostic {
    std::size_t line = 0;
    std::string text;
    std::size_t furtherLines = 0;

    // "Zeile 12: WETTKAMPF hat 9 Felder, erwartet werden 11.", or
    // "Zeile 165 und 19 weitere: ..." for a warning on several lines.
    std::string ShownText() const;

    bool operator==(const Diagnostic&) const = default;
};

// One element line: the name in capitals and the attributes, trimmed, UTF-8.
// An element of the definition list has exactly the field count of its
// format version: missing trailing fields are empty, surplus ones dropped.
struct Element {
    std::string name;
    std::size_t line = 0;
    std::vector<std::string> fields;

    // The field at `index` (from 0), empty beyond the last one.
    std::string_view Field(std::size_t index) const;
};

struct Document {
    int version = 0;
    ListKind kind = ListKind::Wettkampfdefinitionsliste;
    // In file order, without FORMAT and DATEIENDE and without unknown elements.
    std::vector<Element> elements;

    std::vector<const Element*> All(std::string_view name) const;
    // The first element of that name, or nullptr.
    const Element* First(std::string_view name) const;
};

// What a reading gives: a document with what the reader had to interpret,
// or the failure that stopped it (then without a document). Warnings found
// before a failure are kept, for callers that want them.
struct ReadResult {
    std::optional<Document> document;
    std::vector<Diagnostic> warnings;
    std::optional<Diagnostic> failure;
};

}  // namespace natarix::dsv678
