// Reads the input as a format 6-8 definition list (or a .DSV8z): it either
// fails with a message or gives a document whose elements all have the
// field count of the table and whose references hold together, and which
// the mapping turns into a meet without losing an event or a class.

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>

#include "FuzzSupport.h"
#include "dsv678/DefinitionListReader.h"
#include "dsv678/ElementTable.h"
#include "dsv678/MeetReader.h"
#include "dsv678/Values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace natarix::dsv678;
    using natarix::fuzz::Check;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ReadResult result = ReadDefinitionList(bytes);
    Check(result.document.has_value() != result.failure.has_value(), "not exactly one of document and failure");
    for (const Diagnostic& warning : result.warnings)
        Check(!warning.text.empty(), "a warning without text");
    if (result.failure) {
        Check(!result.failure->text.empty(), "a failure without text");
        return 0;
    }
    const Document& document = *result.document;
    Check(document.version >= 6 && document.version <= 8, "a version outside 6 to 8");
    std::set<std::uint32_t> sections;
    for (const Element* section : document.All("ABSCHNITT")) {
        const auto number = ParseNumber(section->Field(0));
        Check(number.has_value(), "a section without number", section->Field(0));
        sections.insert(*number);
    }
    Check(!sections.empty() && !document.All("WETTKAMPF").empty(), "no section or no event");
    Check(document.All("VERANSTALTUNG").size() == 1, "not exactly one VERANSTALTUNG");
    std::size_t previousLine = 0;
    for (const Element& element : document.elements) {
        const ElementSpec* spec = FindDefinitionElement(element.name);
        Check(spec != nullptr, "an unknown element kept", element.name);
        Check(element.fields.size() == spec->FieldCount(std::max(document.version, spec->since)),
              "a field count other than the table's", element.name);
        Check(element.line > previousLine, "lines not ascending", element.name);
        previousLine = element.line;
        if (element.name == "WETTKAMPF")
            Check(sections.contains(ParseNumber(element.Field(2)).value_or(0)), "an event of an undefined section");
    }

    const auto meet = ReadMeet(bytes, "Fuzz.dsv7");
    Check(meet.ok(), "a document that the mapping refuses");
    Check(meet.value()->events().size() == document.All("WETTKAMPF").size(), "an event lost in the mapping");
    std::size_t classes = 0;
    for (const auto& [key, event] : meet.value()->events())
        classes += event.scoringClasses.size();
    Check(classes == document.All("WERTUNG").size(), "a class lost in the mapping");
    return 0;
}
