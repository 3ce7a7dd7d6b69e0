#include "dsv678/ResultListReader.h"

#include <utility>

#include "Mapping.h"
#include "ResultListMapping.h"
#include "dsv678/DefinitionListReader.h"

namespace natarix::dsv678 {

natarix::ReadResult<ResultList> ReadResultList(std::string_view bytes, const std::string& fileName)
{
    using Result = natarix::ReadResult<ResultList>;
    ReadResult read = ReadResultListDocument(bytes);
    if (read.failure)
        return Result::Failed(Message::ReadFailure(read.failure->text, {fileName, read.failure->line}),
                              PlainMessages(read.warnings));
    ResultList list = MapResultList(*read.document, read.warnings);
    return Result(std::move(list), PlainMessages(read.warnings));
}

}  // namespace natarix::dsv678
