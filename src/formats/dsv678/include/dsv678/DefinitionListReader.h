#pragma once

#include <string_view>

#include "dsv678/Document.h"

namespace natarix::dsv678 {

// Reads the bytes of a format 6, 7 or 8 Wettkampfdefinitionsliste, or of a
// .DSV8z archive holding one: the result has either a validated document or
// a failure naming the line and what was wrong, in German; it never throws.
// Files (and unpacked archives) above 64 MB are refused unread.
ReadResult ReadDefinitionList(std::string_view bytes);

// The same for a list of another kind: the Vereinsmeldeliste is checked
// against its own element table; a list of any other kind is refused by name.
ReadResult ReadList(std::string_view bytes, ListKind kind);

// The same for either result list, the Wettkampfergebnisliste or the
// Vereinsergebnisliste, each checked against its own table: the document's
// kind says which it was; a list of another kind is refused as no
// Ergebnisliste.
ReadResult ReadResultListDocument(std::string_view bytes);

// A .DSV8z is told by its content, the local file header of a ZIP archive
// (or the end record of an empty one), not by its name; the front door
// sends such files here.
bool LooksLikeZipArchive(std::string_view bytes);

// Whether the text opens (after comments and blank lines) with a FORMAT
// line of formats 6 to 8, "FORMAT:<Listart>;<Version>;", of any list kind
// and any version but 5: a format-5 list opens with its own keyword, and
// the format-5 reader tells its users what is wrong with anything else.
bool OpensWithModernFormatLine(std::string_view bytes);

// Whether this build opens .DSV8z archives (NATARIX_WITH_ZIP).
bool ReadsZipArchives();

}  // namespace natarix::dsv678
