#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

#include "formats/FieldText.h"

namespace natarix {

// The model's UTF-8 texts as Qt shows them.
QString ToQString(std::string_view utf8);

// nullopt when the text holds a lone surrogate, which UTF-8 cannot hold.
std::optional<std::string> ToModelText(const QString& text);

// Why the club entry list of a meet of `formatVersion` could not carry the
// text of a field back as it stands (CarryRefusal): the message names the
// field and the first character at fault. nullopt when the text can be stored.
std::optional<std::string> RefusalOf(const QString& text, std::string_view fieldName, FieldKind kind,
                                     int formatVersion);

}  // namespace natarix
