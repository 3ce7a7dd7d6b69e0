#include "dsv678/EntryListReader.h"

#include <set>

#include "EntryListMapping.h"
#include "Mapping.h"
#include "dsv678/DefinitionListReader.h"

namespace natarix::dsv678 {

natarix::ReadResult<EntryListHeader> ReadEntryList(std::string_view bytes, const std::string& fileName,
                                                   const MeetDefinition& meet, ClubEntries& entries)
{
    using Result = natarix::ReadResult<EntryListHeader>;
    ReadResult read = ReadList(bytes, ListKind::Vereinsmeldeliste);
    // The meet's own elements are copies of the definition list, which has
    // already said what is odd about them.
    std::set<std::size_t> meetLines;
    if (read.document)
        for (const Element& element : read.document->elements)
            if (element.name == "VERANSTALTUNG" || element.name == "ABSCHNITT" || element.name == "WETTKAMPF")
                meetLines.insert(element.line);
    std::erase_if(read.warnings, [&](const Diagnostic& warning) { return meetLines.contains(warning.line); });
    const std::size_t valueWarnings = read.warnings.size();
    if (read.document)
        MapEntryList(*read.document, meet, entries, read.warnings);
    std::vector<Message> warnings = PlainMessages(read.warnings);
    if (read.failure)
        return Result::Failed(Message::ReadFailure(read.failure->text, {fileName, read.failure->line}),
                              std::move(warnings));
    // Every warning of the mapping tells of something it did not take over.
    EntryListHeader header{read.document->version, {}, read.warnings.size() == valueWarnings};
    for (const Element& element : read.document->elements)
        if (element.name == "ERZEUGER") {
            header.producer = element.Field(0);
            break;
        }
    return Result(std::move(header), std::move(warnings));
}

natarix::ReadResult<ListedEntries> ReadEntryListOfItsOwnMeet(std::string_view bytes, const std::string& fileName)
{
    using Result = natarix::ReadResult<ListedEntries>;
    const ReadResult list = ReadList(bytes, ListKind::Vereinsmeldeliste);
    auto meet = std::make_unique<MeetDefinition>();
    if (list.document)
        MapListedMeet(*list.document, *meet);
    ListedEntries listed{std::move(meet), {}, {}};
    auto read = ReadEntryList(bytes, fileName, *listed.meet, listed.entries);
    if (!read.ok())
        return Result::Failed(read.failure(), read.warnings());
    listed.header = read.value();
    return Result(std::move(listed), read.warnings());
}

}  // namespace natarix::dsv678
