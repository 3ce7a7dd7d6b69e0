#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace natarix {

enum class FieldKind {
    Text,
    Surname,  // joined to the first name in the club's entry file
};

// Why the club entry list of a meet of `formatVersion` could not carry the
// UTF-8 text of a field as it stands: the message names the field and the
// first character at fault. nullopt when the text can be stored.
std::optional<std::string> CarryRefusal(std::string_view text, std::string_view fieldName, FieldKind kind,
                                        int formatVersion);

}  // namespace natarix
