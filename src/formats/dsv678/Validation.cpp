#include "Validation.h"

#include <algorithm>
#include <string>

#include "TextTools.h"
#include "dsv678/Values.h"

namespace natarix::dsv678 {

namespace {

constexpr ListKind kListKinds[] = {ListKind::Wettkampfdefinitionsliste, ListKind::Vereinsmeldeliste,
                                   ListKind::Wettkampfergebnisliste, ListKind::Vereinsergebnisliste};

Diagnostic Failure(std::size_t line, std::string text)
{
    return {line, std::move(text), 0};
}

// The element table of a kind of list and the lookup in it.
struct ListTable {
    std::span<const ElementSpec> elements;
    const ElementSpec* (*find)(std::string_view name);
};

ListTable TableOf(ListKind kind)
{
    switch (kind) {
        case ListKind::Vereinsmeldeliste:
            return {EntryListElements(), FindEntryListElement};
        case ListKind::Wettkampfergebnisliste:
            return {ResultListElements(), FindResultListElement};
        case ListKind::Vereinsergebnisliste:
            return {ClubResultListElements(), FindClubResultListElement};
        case ListKind::Wettkampfdefinitionsliste:
            break;
    }
    return {DefinitionListElements(), FindDefinitionElement};
}

// The kind and version of a FORMAT element that opens a list of the kinds
// expected, or the failure.
std::optional<Diagnostic> CheckFormat(const Element& format, const ExpectedList& expected, Document& document)
{
    if (format.name != "FORMAT")
        return Failure(format.line, "Die Datei beginnt mit " + Shortened(format.name) +
                                        ", nicht mit FORMAT; sie ist keine Liste der DSV-Formate 6 bis 8.");
    if (format.fields.size() < 2)
        return Failure(format.line, "FORMAT hat " + FieldCountText(format.fields.size()) + ", erwartet werden 2.");
    const std::string_view listName = format.Field(0);
    const ListKind* kind = nullptr;
    for (const ListKind& candidate : kListKinds)
        if (EqualsIgnoringCase(ListKindName(candidate), listName))
            kind = &candidate;
    if (kind == nullptr)
        return Failure(format.line, Quoted(listName) + " ist keine Listart des DSV-Standards.");
    if (std::find(expected.kinds.begin(), expected.kinds.end(), *kind) == expected.kinds.end())
        return Failure(0,
                       "Diese Datei ist eine " + std::string(ListKindName(*kind)) + ", keine " + expected.name + ".");
    const auto number = ParseNumber(format.Field(1));
    if (!number)
        return Failure(format.line, "Die Formatnummer " + Quoted(format.Field(1)) + " ist keine Zahl.");
    // Format 5 has a grammar of its own; its readers get those files first.
    if (*number < 6 || *number > 8)
        return Failure(0, "Diese Datei hat das Format " + std::to_string(*number) + "; gelesen werden die Formate " +
                              std::to_string(expected.oldestVersion) + " bis 8.");
    document.kind = *kind;
    document.version = static_cast<int>(*number);
    return std::nullopt;
}

// A NUL is never text: the file is damaged, or no DSV file (UTF-16 or binary).
std::optional<Diagnostic> CheckForNulBytes(const std::vector<Element>& elements)
{
    const auto holdsNul = [](std::string_view text) { return text.find('\0') != std::string_view::npos; };
    for (const Element& element : elements)
        if (holdsNul(element.name) || std::any_of(element.fields.begin(), element.fields.end(), holdsNul))
            return Failure(element.line,
                           "Die Zeile enthält ein Nullbyte; die Datei ist wohl beschädigt oder keine Textdatei.");
    return std::nullopt;
}

}  // namespace

std::string FieldCountText(std::size_t count)
{
    return count == 1 ? "1 Feld" : std::to_string(count) + " Felder";
}

ExpectedList Expecting(ListKind kind)
{
    return {std::string(ListKindName(kind)), {kind}};
}

ExpectedList ExpectingResultList()
{
    return {"Ergebnisliste", {ListKind::Wettkampfergebnisliste, ListKind::Vereinsergebnisliste}, 6};
}

void ValidateList(std::vector<Element> elements, ReadResult& result, bool holdsNul, const ExpectedList& expected)
{
    if (elements.empty()) {
        result.failure = Failure(0, "Die Datei ist leer; eine " + expected.name + " beginnt mit FORMAT.");
        return;
    }
    if (auto failure = holdsNul ? CheckForNulBytes(elements) : std::nullopt) {
        result.failure = std::move(failure);
        return;
    }
    WarningList warnings(result.warnings);
    Document document;
    if (auto failure = CheckFormat(elements.front(), expected, document)) {
        result.failure = std::move(failure);
        return;
    }
    const bool definitionList = document.kind == ListKind::Wettkampfdefinitionsliste;
    const ListTable table = TableOf(document.kind);
    const std::string kindName(ListKindName(document.kind));

    std::size_t end = 1;
    while (end < elements.size() && elements[end].name != "DATEIENDE")
        ++end;
    if (end == elements.size()) {
        result.failure = Failure(0, "Die Datei endet ohne DATEIENDE; sie ist wohl unvollständig.");
        return;
    }
    if (end + 1 < elements.size()) {
        const Element& after = elements[end + 1];
        result.failure = Failure(after.line, "Nach DATEIENDE folgt noch " + Shortened(after.name) + ".");
        return;
    }
    if (auto failure = CheckFields(elements[end], *table.find("DATEIENDE"), document.version, warnings)) {
        result.failure = std::move(failure);
        return;
    }

    // The elements kept move to the front, FORMAT's place included, so that
    // the list is not copied.
    std::size_t kept = 0;
    for (std::size_t i = 1; i < end; ++i) {
        Element& element = elements[i];
        const ElementSpec* spec = table.find(element.name);
        if (spec == nullptr) {
            warnings.Add(element.line, element.name.empty()
                                           ? std::string("Eine Zeile ohne Elementnamen wird übergangen.")
                                           : "Das Element " + Shortened(element.name) + " gehört nicht zu einer " +
                                                 kindName + " und wird übergangen.");
            continue;
        }
        if (spec->name == "FORMAT") {
            result.failure = Failure(element.line, "FORMAT steht ein zweites Mal in der Datei.");
            return;
        }
        if (spec->since > document.version)
            warnings.Add(element.line, "Das Element " + element.name + " gibt es erst ab Format " +
                                           std::to_string(spec->since) + "; es wird trotzdem gelesen.");
        // An element of a later version is read with that version's fields.
        if (auto failure = CheckFields(element, *spec, std::max(document.version, spec->since), warnings)) {
            result.failure = std::move(failure);
            return;
        }
        elements[kept++] = std::move(element);
    }
    elements.resize(kept);
    document.elements = std::move(elements);

    if (auto failure = CheckCardinalities(document.elements, table.elements, warnings)) {
        result.failure = std::move(failure);
        return;
    }
    if (auto failure = definitionList ? CheckReferences(document.elements, warnings) : std::nullopt) {
        result.failure = std::move(failure);
        return;
    }
    result.document = std::move(document);
}

}  // namespace natarix::dsv678
