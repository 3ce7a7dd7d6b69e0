#pragma once

#include <optional>
#include <vector>

#include "TextTools.h"
#include "dsv678/Document.h"
#include "dsv678/ElementTable.h"

namespace natarix::dsv678 {

// Checks split elements against the table of the Wettkampfdefinitionsliste:
// FORMAT first, DATEIENDE last, field counts, value lists, cardinalities and
// references. Sets the result's document, or its failure. `holdsNul`: the
// text had a NUL byte, whose line is then looked for.
void ValidateDefinitionList(std::vector<Element> elements, ReadResult& result, bool holdsNul);

// The same checks for a list of another kind (the Vereinsmeldeliste): its
// own element table, no references between definition-list elements.
void ValidateList(std::vector<Element> elements, ReadResult& result, bool holdsNul, ListKind kind);

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
