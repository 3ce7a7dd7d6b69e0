// Reads the input as a format 6-8 definition list (or a .DSV8z): it either
// fails with a message or gives a document whose elements all have the
// field count of the table and whose references hold together, and which
// the mapping turns into a meet without losing an event or a class. With ZIP
// support the input is also packed into a .DSV8z, which must read exactly
// as the bare input does.

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>

#include "FuzzSupport.h"
#include "dsv678/DefinitionListReader.h"
#include "dsv678/ElementTable.h"
#include "dsv678/MeetReader.h"
#include "dsv678/Values.h"

#ifdef NATARIX_WITH_ZIP
#include <zip.h>
#endif

namespace {

using namespace natarix::dsv678;
using natarix::fuzz::Check;

void CheckResult(const ReadResult& result)
{
    Check(result.document.has_value() != result.failure.has_value(), "not exactly one of document and failure");
    for (const Diagnostic& warning : result.warnings)
        Check(!warning.text.empty(), "a warning without text");
    if (result.failure) {
        Check(!result.failure->text.empty(), "a failure without text");
        return;
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
}

// Every event and every class of a document reaches the meet.
void CheckMapping(std::string_view bytes, const ReadResult& result)
{
    if (!result.document)
        return;
    const Document& document = *result.document;
    const auto meet = ReadMeet(bytes, "Fuzz.dsv7");
    Check(meet.ok(), "a document that the mapping refuses");
    Check(meet.value()->events().size() == document.All("WETTKAMPF").size(), "an event lost in the mapping");
    std::size_t classes = 0;
    for (const auto& [key, event] : meet.value()->events())
        classes += event.scoringClasses.size();
    Check(classes == document.All("WERTUNG").size(), "a class lost in the mapping");
}

#ifdef NATARIX_WITH_ZIP
// The bytes as the one file of a ZIP archive, stored or deflated.
std::string Packed(std::string_view bytes, bool deflated)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    Check(archive != nullptr, "libzip cannot create an archive");
    zip_source_keep(buffer);
    zip_source_t* file = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
    const zip_int64_t index = zip_file_add(archive, "Liste.DSV8", file, ZIP_FL_ENC_UTF_8);
    Check(index >= 0, "libzip cannot add the file");
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), deflated ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    Check(zip_close(archive) == 0, "libzip cannot write the archive");
    std::string packed;
    zip_stat_t stat;
    if (zip_source_stat(buffer, &stat) == 0 && zip_source_open(buffer) == 0) {
        packed.resize(static_cast<std::size_t>(stat.size));
        const zip_int64_t read = zip_source_read(buffer, packed.data(), packed.size());
        Check(read == static_cast<zip_int64_t>(packed.size()), "libzip cannot read the archive back");
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    zip_error_fini(&error);
    return packed;
}

void CheckSameAsBare(const ReadResult& bare, const ReadResult& unpacked)
{
    Check(unpacked.failure == bare.failure, "the archive fails otherwise",
          unpacked.failure ? unpacked.failure->text : "(read)");
    Check(unpacked.warnings == bare.warnings, "the archive warns otherwise");
    Check(unpacked.document.has_value() == bare.document.has_value(), "the archive reads otherwise");
    if (!bare.document)
        return;
    const Document& a = *bare.document;
    const Document& b = *unpacked.document;
    Check(a.version == b.version && a.elements.size() == b.elements.size(), "the archive's document differs");
    for (std::size_t i = 0; i < a.elements.size(); ++i)
        Check(a.elements[i].name == b.elements[i].name && a.elements[i].line == b.elements[i].line &&
                  a.elements[i].fields == b.elements[i].fields,
              "the archive's element differs", a.elements[i].name);
}
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ReadResult result = ReadDefinitionList(bytes);
    CheckResult(result);
    CheckMapping(bytes, result);
#ifdef NATARIX_WITH_ZIP
    if (!LooksLikeZipArchive(bytes))
        CheckSameAsBare(result, ReadDefinitionList(Packed(bytes, size % 2 == 1)));
#endif
    return 0;
}
