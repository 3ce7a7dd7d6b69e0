#include "dsv678/DefinitionListReader.h"

#include <algorithm>
#include <vector>

#include "TextTools.h"
#include "Validation.h"
#include "dsv678/Decoding.h"
#include "dsv678/LineGrammar.h"

#ifdef NATARIX_WITH_ZIP
#include "ZipArchive.h"
#endif

namespace natarix::dsv678 {

namespace {

ReadResult ReadText(std::string_view bytes)
{
    ReadResult result;
    const DecodedText decoded = DecodeFileText(bytes);
    if (decoded.readAsWindows1252)
        AddWarning(result.warnings, 0, "Die Datei ist nicht in UTF-8 geschrieben; sie wird als Windows-1252 gelesen.");
    ValidateDefinitionList(SplitElements(decoded.utf8, result.warnings), result);
    return result;
}

}  // namespace

bool ReadsZipArchives()
{
#ifdef NATARIX_WITH_ZIP
    return true;
#else
    return false;
#endif
}

bool LooksLikeZipArchive(std::string_view bytes)
{
    return bytes.starts_with(std::string_view("PK\x03\x04", 4));
}

bool OpensWithModernFormatLine(std::string_view bytes)
{
    // Line by line up to the first element, so that a long format-5 file
    // costs its first line only.
    std::vector<Diagnostic> ignored;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        const std::vector<Element> elements =
            SplitElements(DecodeFileText(bytes.substr(start, end - start)).utf8, ignored);
        if (!elements.empty()) {
            const Element& first = elements.front();
            return first.name == "FORMAT" && first.fields.size() >= 2 && first.Field(1) != "5";
        }
        start = end + 1;
    }
    return false;
}

ReadResult ReadDefinitionList(std::string_view bytes)
{
    if (!LooksLikeZipArchive(bytes))
        return ReadText(bytes);
#ifdef NATARIX_WITH_ZIP
    const Unpacked unpacked = UnpackSingleFile(bytes);
    if (!unpacked.failure)
        return ReadText(unpacked.content);
    ReadResult result;
    result.failure = Diagnostic{0, *unpacked.failure, 0};
    return result;
#else
    ReadResult result;
    result.failure = Diagnostic{0,
                                "Diese Datei ist ein ZIP-Archiv (.DSV8z); diese Ausgabe des Programms öffnet keine "
                                "ZIP-Archive. Bitte die DSV-Datei darin auspacken und diese öffnen.",
                                0};
    return result;
#endif
}

}  // namespace natarix::dsv678
