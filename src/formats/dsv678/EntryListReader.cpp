#include "dsv678/EntryListReader.h"

#include "EntryListMapping.h"
#include "dsv678/DefinitionListReader.h"

namespace natarix::dsv678 {

natarix::ReadResult<int> ReadEntryList(std::string_view bytes, const std::string& fileName, const MeetDefinition& meet,
                                       ClubEntries& entries)
{
    using Result = natarix::ReadResult<int>;
    ReadResult read = ReadList(bytes, ListKind::Vereinsmeldeliste);
    if (read.document)
        MapEntryList(*read.document, meet, entries, read.warnings);
    std::vector<Message> warnings;
    warnings.reserve(read.warnings.size());
    for (const Diagnostic& warning : read.warnings)
        warnings.push_back(Message::Plain(warning.ShownText()));
    if (read.failure)
        return Result::Failed(Message::ReadFailure(read.failure->text, {fileName, read.failure->line}),
                              std::move(warnings));
    return Result(read.document->version, std::move(warnings));
}

}  // namespace natarix::dsv678
