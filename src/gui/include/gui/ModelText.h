#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace natarix {

// The model's Windows-1252 texts as Qt shows them; every byte converts both
// ways.
QString ToQString(std::string_view cp1252);

// nullopt when the text holds a character that Windows-1252 cannot represent.
std::optional<std::string> ToModelText(const QString& text);

enum class FieldKind {
    Text,
    Surname,  // joined to the first name with "," in the club entry list
};

// Why the club entry list could not carry the text of a field back as it
// stands: the message (Windows-1252) names the field and the first character
// at fault. nullopt when the text can be stored.
std::optional<std::string> RefusalOf(const QString& text, std::string_view fieldName, FieldKind kind);

}  // namespace natarix
