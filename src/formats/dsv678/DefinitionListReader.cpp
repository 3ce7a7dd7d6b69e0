#include "dsv678/DefinitionListReader.h"

#include <algorithm>
#include <vector>

#include "Limits.h"
#include "Validation.h"
#include "dsv678/Decoding.h"
#include "dsv678/LineGrammar.h"

#ifdef NATARIX_WITH_ZIP
#include "ZipArchive.h"
#endif

namespace natarix::dsv678 {

namespace {

ReadResult Failed(std::string text)
{
    ReadResult result;
    result.failure = Diagnostic{0, std::move(text), 0};
    return result;
}

ReadResult ReadText(std::string_view bytes, const ExpectedList& expected)
{
    ReadResult result;
    // Valid UTF-8, as every list of formats 7 and 8 is, is read in place.
    std::string_view text = WithoutByteOrderMark(bytes);
    std::string decoded;
    if (!IsValidUtf8(text)) {
        decoded = DecodeFileText(text).utf8;
        text = decoded;
        result.warnings.push_back(
            {0, "Die Datei ist nicht in UTF-8 geschrieben; sie wird als Windows-1252 gelesen.", 0});
    }
    const bool holdsNul = text.find('\0') != std::string_view::npos;
    ValidateList(SplitElements(text, result.warnings), result, holdsNul, expected);
    return result;
}

ReadResult ReadListOf(std::string_view bytes, const ExpectedList& expected)
{
    if (bytes.size() > kLargestListBytes)
        return Failed("Die Datei ist größer als " + std::string(kLargestListText) + "; so groß ist keine " +
                      expected.name + ".");
    if (!LooksLikeZipArchive(bytes))
        return ReadText(bytes, expected);
#ifdef NATARIX_WITH_ZIP
    const Unpacked unpacked = UnpackSingleFile(bytes);
    if (!unpacked.failure)
        return ReadText(unpacked.content, expected);
    return Failed(*unpacked.failure);
#else
    return Failed(
        "Diese Datei ist ein ZIP-Archiv (.DSV8z); diese Ausgabe des Programms öffnet keine "
        "ZIP-Archive. Bitte die DSV-Datei darin auspacken und diese öffnen.");
#endif
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
    // A local file header, or the end record of an archive without entries.
    return bytes.starts_with(std::string_view("PK\x03\x04", 4)) || bytes.starts_with(std::string_view("PK\x05\x06", 4));
}

bool OpensWithModernFormatLine(std::string_view bytes)
{
    // A long format-5 file costs its first line only.
    const std::vector<Element> head = HeadElements(bytes, 1);
    return !head.empty() && head.front().name == "FORMAT" && head.front().fields.size() >= 2 &&
           head.front().Field(1) != "5";
}

ReadResult ReadDefinitionList(std::string_view bytes)
{
    return ReadList(bytes, ListKind::Wettkampfdefinitionsliste);
}

ReadResult ReadList(std::string_view bytes, ListKind kind)
{
    return ReadListOf(bytes, Expecting(kind));
}

ReadResult ReadResultListDocument(std::string_view bytes)
{
    return ReadListOf(bytes, ExpectingResultList());
}

}  // namespace natarix::dsv678
