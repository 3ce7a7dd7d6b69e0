#include "dsv678/MeetReader.h"

#include "Mapping.h"
#include "dsv678/DefinitionListReader.h"

namespace natarix::dsv678 {

std::vector<Message> PlainMessages(const std::vector<Diagnostic>& warnings)
{
    std::vector<Message> messages;
    messages.reserve(warnings.size());
    for (const Diagnostic& warning : warnings)
        messages.push_back(Message::Plain(warning.ShownText()));
    return messages;
}

natarix::ReadResult<std::unique_ptr<MeetDefinition>> ReadMeet(std::string_view bytes, const std::string& fileName)
{
    using Result = natarix::ReadResult<std::unique_ptr<MeetDefinition>>;
    const ReadResult read = ReadDefinitionList(bytes);
    std::vector<Message> warnings = PlainMessages(read.warnings);
    if (read.failure)
        return Result::Failed(Message::ReadFailure(read.failure->text, {fileName, read.failure->line}),
                              std::move(warnings));

    auto meet = std::make_unique<MeetDefinition>();
    MapMeetElements(*read.document, *meet);
    MapSections(*read.document, *meet);
    MapEvents(*read.document, *meet);
    MapClassesAndTimes(*read.document, *meet);
    MapFees(*read.document, *meet);
    return Result(std::move(meet), std::move(warnings));
}

}  // namespace natarix::dsv678
