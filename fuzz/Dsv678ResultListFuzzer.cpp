// Reads the input as a result list of formats 6 to 8: it either fails with
// a message or gives a document of a result kind whose elements all have
// the field count of their table, and the mapping takes it whole: each time
// positive and of an event, section and swim the list holds, no more swims
// than result lines, and no first leg in the medley's Lagen. With the
// results database, every list read goes into it whole, and a second time
// adds nothing.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "FuzzSupport.h"
#include "dsv678/DefinitionListReader.h"
#include "dsv678/ElementTable.h"
#include "dsv678/ResultListReader.h"

#ifdef NATARIX_WITH_RESULTS_STORE
#include "resultstore/ResultStore.h"
#endif

namespace {

using namespace natarix::dsv678;
using natarix::fuzz::Check;

void CheckDocument(const ReadResult& result)
{
    Check(result.document.has_value() != result.failure.has_value(), "not exactly one of document and failure");
    if (result.failure) {
        Check(!result.failure->text.empty(), "a failure without text");
        return;
    }
    const Document& document = *result.document;
    const bool clubList = document.kind == ListKind::Vereinsergebnisliste;
    Check(clubList || document.kind == ListKind::Wettkampfergebnisliste, "a list of another kind read");
    Check(document.version >= 6 && document.version <= 8, "a version outside 6 to 8");
    for (const Element& element : document.elements) {
        const ElementSpec* spec =
            clubList ? FindClubResultListElement(element.name) : FindResultListElement(element.name);
        Check(spec != nullptr, "an unknown element kept", element.name);
        Check(element.fields.size() == spec->FieldCount(std::max(document.version, spec->since)),
              "a field count other than the table's", element.name);
    }
}

void CheckMapping(std::string_view bytes, const ReadResult& result)
{
    const auto read = ReadResultList(bytes, "Fuzz-Pr.dsv7");
    Check(read.ok() == result.document.has_value(), "the mapping reads otherwise than the validation");
    for (const natarix::Message& warning : read.warnings())
        Check(!warning.text.empty(), "a warning without text");
    if (!read.ok())
        return;
    const Document& document = *result.document;
    const natarix::ResultList& list = read.value();
    Check(list.version == document.version, "another version");
    std::set<std::string> dates;
    for (const Element* section : document.All("ABSCHNITT"))
        dates.emplace(section->Field(1));
    std::size_t individualLines = 0;
    std::size_t relayLines = 0;
    for (const Element& element : document.elements) {
        if (element.name == "PNERGEBNIS" || element.name == "PERSONENERGEBNIS")
            ++individualLines;
        else if (element.name == "STERGEBNIS" || element.name == "STAFFELERGEBNIS")
            ++relayLines;
    }
    std::size_t firstLegs = 0;
    for (const natarix::ListedSwim& listed : list.swims)
        Check(listed.swimmer < list.swimmers.size() && listed.event < list.events.size(), "a swim pointing nowhere");
    const std::vector<natarix::SwimResult> swims = list.FlatSwims();
    for (const natarix::SwimResult& swim : swims) {
        Check(swim.hundredths > 0, "a time that is none");
        Check(dates.contains(swim.date.text()), "a date of no section", swim.date.text());
        Check(swim.poolLength == list.poolLength && swim.meet == list.meet, "a swim of another meet");
        Check(swim.handTimed == (list.timing == "HANDZEIT"), "hand timing mixed up");
        Check(!swim.firstLeg || swim.technique != "L", "a medley first leg in Lagen");
        firstLegs += swim.firstLeg ? 1 : 0;
    }
    Check(firstLegs <= relayLines, "more first legs than relay lines");
    Check(swims.size() - firstLegs + list.swimsWithoutTime <= individualLines,
          "more individual swims than result lines");
#ifdef NATARIX_WITH_RESULTS_STORE
    // One database in memory for the whole run: what an input adds stays.
    static const std::unique_ptr<natarix::ResultStore> store =
        std::move(natarix::ResultStore::Open(":memory:")).value();
    const auto first = store->Import(list, "Fuzz-Pr.dsv7");
    Check(first.ok(), "the database refuses a list the reader gave", first.ok() ? "" : first.failure().text);
    Check(first.value().added + first.value().known == list.swims.size(), "results lost on import");
    const auto again = store->Import(list, "Fuzz-Pr.dsv7");
    Check(again.ok() && again.value().added == 0, "a list read twice added results");
#endif
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ReadResult result = ReadResultListDocument(bytes);
    CheckDocument(result);
    CheckMapping(bytes, result);
    return 0;
}
