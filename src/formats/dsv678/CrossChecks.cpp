#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "TextTools.h"
#include "Validation.h"
#include "dsv678/Values.h"

namespace natarix::dsv678 {

namespace {

std::uint32_t NumberOf(std::string_view text)
{
    return ParseNumber(text).value_or(0);
}

// Events are keyed by number and Wettkampfart: one number may stand for a
// heat and its final.
struct EventIndex {
    std::map<std::pair<std::uint32_t, std::string>, std::size_t> lines;
    std::multimap<std::uint32_t, std::string> kindsByNumber;

    bool HasNumber(std::uint32_t number) const { return kindsByNumber.contains(number); }
    bool Has(std::uint32_t number, std::string_view kind) const { return lines.contains({number, std::string(kind)}); }
    std::string KindsOf(std::uint32_t number) const
    {
        std::string kinds;
        for (auto [it, end] = kindsByNumber.equal_range(number); it != end; ++it)
            kinds += (kinds.empty() ? "" : "/") + it->second;
        return kinds;
    }
};

std::string EventText(std::uint32_t number)
{
    return "Wettkampf " + std::to_string(number);
}

// A reference to an event by number and, where given, Wettkampfart: a
// failure when no event has the number, a warning when none has that Art.
std::optional<Diagnostic> CheckEventReference(const EventIndex& events, const Element& element, std::string_view what,
                                              std::uint32_t number, std::string_view kind, WarningList& warnings)
{
    if (!events.HasNumber(number))
        return Diagnostic{element.line,
                          std::string(what) + " nennt " + EventText(number) + ", den die Datei nicht festlegt.", 0};
    if (!kind.empty() && !events.Has(number, kind))
        warnings.Add(element.line, std::string(what) + " nennt " + EventText(number) + " als " + std::string(kind) +
                                       ", die Datei legt ihn als " + events.KindsOf(number) + " fest.");
    return std::nullopt;
}

std::optional<Diagnostic> IndexSectionsAndEvents(const std::vector<Element>& elements,
                                                 std::map<std::uint32_t, std::size_t>& sections, EventIndex& events)
{
    for (const Element& element : elements) {
        if (element.name == "ABSCHNITT") {
            const std::uint32_t number = NumberOf(element.Field(0));
            if (auto [it, added] = sections.emplace(number, element.line); !added)
                return Diagnostic{element.line,
                                  "Abschnitt " + std::to_string(number) + " ist schon in Zeile " +
                                      std::to_string(it->second) + " festgelegt.",
                                  0};
        } else if (element.name == "WETTKAMPF") {
            const std::uint32_t number = NumberOf(element.Field(0));
            const std::string kind(element.Field(1));
            if (auto [it, added] = events.lines.emplace(std::pair{number, kind}, element.line); !added)
                return Diagnostic{element.line,
                                  EventText(number) + " (" + kind + ") ist schon in Zeile " +
                                      std::to_string(it->second) + " festgelegt.",
                                  0};
            events.kindsByNumber.emplace(number, kind);
        }
    }
    return std::nullopt;
}

// In place: a list of a million lines is not copied.
void KeepUnmarked(std::vector<Element>& elements, const std::vector<bool>& marked)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (marked[i])
            continue;
        if (kept != i)
            elements[kept] = std::move(elements[i]);
        ++kept;
    }
    elements.resize(kept);
}

}  // namespace

std::optional<Diagnostic> CheckCardinalities(std::vector<Element>& elements, std::span<const ElementSpec> table,
                                             WarningList& warnings)
{
    std::vector<bool> surplus(elements.size(), false);
    for (const ElementSpec& spec : table) {
        if (spec.name == "FORMAT" || spec.name == "DATEIENDE")
            continue;
        std::size_t seen = 0;
        for (std::size_t i = 0; i < elements.size(); ++i) {
            const Element& element = elements[i];
            if (element.name != spec.name || ++seen <= spec.maxCount || spec.maxCount == 0)
                continue;
            const std::string text = std::string(spec.name) + " steht ein weiteres Mal in der Datei";
            if (spec.essential)
                return Diagnostic{element.line, text + ".", 0};
            warnings.Add(element.line, text + "; gelesen wird nur das erste.");
            surplus[i] = true;
        }
        if (seen < spec.minCount) {
            const std::string text = "Die Datei enthält kein Element " + std::string(spec.name);
            if (spec.essential)
                return Diagnostic{0, text + ".", 0};
            warnings.Add(0, text + ".");
        }
    }
    KeepUnmarked(elements, surplus);
    return std::nullopt;
}

std::optional<Diagnostic> CheckReferences(std::vector<Element>& elements, WarningList& warnings)
{
    std::map<std::uint32_t, std::size_t> sections;
    EventIndex events;
    if (auto failure = IndexSectionsAndEvents(elements, sections, events))
        return failure;

    std::map<std::uint32_t, std::size_t> classes;  // WertungsID -> index
    // A WERTUNG that repeats an earlier one word for word is read once.
    std::vector<bool> repeated(elements.size(), false);
    // Scoring lines come in runs for one event: the event of the line before
    // is known to exist and need not be looked up again.
    const Element* eventBefore = nullptr;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Element& element = elements[i];
        std::optional<Diagnostic> failure;
        if (element.name == "WETTKAMPF") {
            const std::uint32_t section = NumberOf(element.Field(2));
            if (!sections.contains(section))
                return Diagnostic{element.line,
                                  EventText(NumberOf(element.Field(0))) + " gehört zu Abschnitt " +
                                      std::to_string(section) + ", den die Datei nicht festlegt.",
                                  0};
            if (const auto qualifying = ParseNumber(element.Field(9)))
                failure = CheckEventReference(events, element,
                                              "Die Qualifikation von " + EventText(NumberOf(element.Field(0))),
                                              *qualifying, element.Field(10), warnings);
        } else if (element.name == "WERTUNG" || element.name == "PFLICHTZEIT") {
            if (eventBefore == nullptr || element.Field(0) != eventBefore->Field(0) ||
                element.Field(1) != eventBefore->Field(1)) {
                const std::uint32_t event = NumberOf(element.Field(0));
                failure = CheckEventReference(events, element, element.name, event, element.Field(1), warnings);
                // Only a line whose event has that Wettkampfart, and so no warning, is remembered.
                eventBefore = !failure && events.Has(event, element.Field(1)) ? &element : nullptr;
            }
            if (element.name == "WERTUNG" && !failure) {
                const std::uint32_t id = NumberOf(element.Field(2));
                // Producers number them in ascending order: those go to the end without a search.
                const bool ascending = classes.empty() || classes.rbegin()->first < id;
                if (auto [it, added] = ascending ? std::pair{classes.emplace_hint(classes.end(), id, i), true}
                                                 : classes.emplace(id, i);
                    !added) {
                    const Element& first = elements[it->second];
                    repeated[i] = first.fields == element.fields;
                    // Real files repeat whole blocks of WERTUNG lines: one warning for all.
                    warnings.Add(element.line,
                                 repeated[i] ? std::string("Eine WERTUNG wiederholt eine frühere Wort für Wort; sie "
                                                           "wird nur einmal gelesen.")
                                             : "Die WertungsID " + std::to_string(id) + " ist schon in Zeile " +
                                                   std::to_string(first.line) + " vergeben.");
                }
            }
        } else if (element.name == "MELDEGELD" && element.Field(0) == "Wkmeldegeld") {
            if (const auto event = ParseNumber(element.Field(2)))
                failure = CheckEventReference(events, element, "Das Wkmeldegeld", *event, {}, warnings);
            else
                failure = Diagnostic{element.line, "Das Wkmeldegeld nennt keinen Wettkampf.", 0};
        }
        if (failure)
            return failure;
    }
    KeepUnmarked(elements, repeated);
    return std::nullopt;
}

}  // namespace natarix::dsv678
