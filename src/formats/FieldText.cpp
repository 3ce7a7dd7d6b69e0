#include "formats/FieldText.h"

#include "dsv5/EntryListRefusal.h"

namespace natarix {

std::optional<std::string> CarryRefusal(std::string_view text, std::string_view fieldName, FieldKind kind)
{
    // Every competition is written back as a format-5 club entry list.
    return EntryListRefusal(text, fieldName, kind == FieldKind::Surname);
}

}  // namespace natarix
