#include "formats/ResultList.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "dsv678/DefinitionListReader.h"
#include "dsv678/LineGrammar.h"
#include "dsv678/ResultListReader.h"
#include "platform/FileIo.h"

namespace natarix {

namespace {

// A format-5 list opens with its name as a keyword line
// ("WETTKAMPFERGEBNISLISTE:") and "FORMAT:5;"; a FORMAT line of the later
// formats may name version 5 too.
bool IsFormatFive(std::string_view bytes)
{
    const std::vector<dsv678::Element> head = dsv678::HeadElements(bytes, 2);
    return std::any_of(head.begin(), head.end(), [](const dsv678::Element& element) {
        return element.name == "FORMAT" && (element.Field(0) == "5" || element.Field(1) == "5");
    });
}

}  // namespace

ReadResult<ResultList> ReadResultListFile(const std::string& path)
{
    using Result = ReadResult<ResultList>;
    const FileContent content = ReadWholeFile(path);
    const std::string fileName = FileNameForMessage(path);
    if (content.status != ReadStatus::Ok)
        return Result::Failed(Message::Warning("Die Ergebnisliste „" + fileName + "“ konnte nicht " +
                                               (content.status == ReadStatus::OpenFailed ? "geöffnet" : "gelesen") +
                                               " werden."));
    if (!dsv678::LooksLikeZipArchive(content.bytes) && IsFormatFive(content.bytes))
        return Result::Failed(Message::ReadFailure(
            "Diese Datei hat das Format 5; Ergebnislisten werden erst ab Format 6 gelesen.", {fileName, 0}));
    return dsv678::ReadResultList(content.bytes, fileName);
}

}  // namespace natarix
