#include "formats/FieldText.h"

#include "dsv5/EntryListRefusal.h"

namespace natarix {

std::optional<std::string> CarryRefusal(std::string_view text, std::string_view fieldName, FieldKind kind,
                                        int formatVersion)
{
    return EntryListRefusal(text, fieldName, kind == FieldKind::Surname,
                            formatVersion == 5 ? ListCharacters::Windows1252 : ListCharacters::Unicode);
}

}  // namespace natarix
