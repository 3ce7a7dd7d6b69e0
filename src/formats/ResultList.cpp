#include "formats/ResultList.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "dsv678/Decoding.h"
#include "dsv678/DefinitionListReader.h"
#include "dsv678/LineGrammar.h"
#include "dsv678/ResultListReader.h"
#include "platform/FileIo.h"

namespace natarix {

namespace {

// A format-5 list opens with its name as a keyword line
// ("WETTKAMPFERGEBNISLISTE:") and "FORMAT:5;"; a FORMAT line of the later
// formats may name version 5 too. Read line by line up to the second
// element, so that a list costs its head only.
bool IsFormatFive(std::string_view bytes)
{
    std::vector<dsv678::Diagnostic> ignored;
    std::size_t elements = 0;
    for (std::size_t start = 0; start < bytes.size() && elements < 2;) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        for (const dsv678::Element& element :
             dsv678::SplitElements(dsv678::DecodeFileText(bytes.substr(start, end - start)).utf8, ignored)) {
            if (element.name == "FORMAT" && (element.Field(0) == "5" || element.Field(1) == "5"))
                return true;
            ++elements;
        }
        start = end + 1;
    }
    return false;
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
