#pragma once

#include <optional>
#include <string>
#include <vector>

#include "TextTools.h"
#include "dsv678/Document.h"
#include "dsv678/ElementTable.h"

namespace natarix::dsv678 {

// The kinds of list one reading takes and the name its messages give them:
// one kind by its own name, or either result list as "Ergebnisliste".
struct ExpectedList {
    std::string name;
    std::vector<ListKind> kinds;
    // Format 5 has readers of its own for definition and entry lists, none
    // for result lists.
    int oldestVersion = 5;
};
ExpectedList Expecting(ListKind kind);
ExpectedList ExpectingResultList();

// Checks split elements against the table of the list kind their FORMAT
// line names, one of those expected: FORMAT first, DATEIENDE last, field
// counts, value lists, cardinalities, and references between elements for
// the definition list only (the result lists' mapping passes over results
// it cannot place). Sets the result's document, or its failure.
// `holdsNul`: the text had a NUL byte, whose line is then looked for.
void ValidateList(std::vector<Element> elements, ReadResult& result, bool holdsNul, const ExpectedList& expected);

// One known element: its field count brought to that of `version` and its
// values checked, enumerations in their canonical spelling. A failure when
// meaning would be lost.
std::optional<Diagnostic> CheckFields(Element& element, const ElementSpec& spec, int version, WarningList& warnings);

// Cardinalities and references over the known elements between FORMAT and
// DATEIENDE; drops the surplus of elements allowed once and repeated
// WERTUNG lines.
std::optional<Diagnostic> CheckCardinalities(std::vector<Element>& elements, std::span<const ElementSpec> table,
                                             WarningList& warnings);
std::optional<Diagnostic> CheckReferences(std::vector<Element>& elements, WarningList& warnings);

// "9 Felder", "1 Feld".
std::string FieldCountText(std::size_t count);

}  // namespace natarix::dsv678
