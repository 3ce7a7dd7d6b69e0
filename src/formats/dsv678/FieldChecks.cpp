#include <string>

#include "TextTools.h"
#include "Validation.h"
#include "dsv678/Values.h"

namespace natarix::dsv678 {

namespace {

// What a value of the type is not, for the messages.
std::string_view NotOfType(ValueType type)
{
    switch (type) {
        case ValueType::Text:
            return {};
        case ValueType::Character:
            return "kein einzelnes Zeichen";
        case ValueType::Number:
            return "keine Zahl";
        case ValueType::SwimTime:
            return "keine Zeit (HH:MM:SS,hh)";
        case ValueType::Date:
            return "kein Datum (TT.MM.JJJJ)";
        case ValueType::TimeOfDay:
            return "keine Uhrzeit (HH:MM)";
        case ValueType::Amount:
            return "kein Betrag (wie 5,50)";
        case ValueType::AgeGroup:
            return "keine Angabe von Jahrgang oder Altersklasse";
    }
    return {};
}

bool IsSingleCharacter(std::string_view text)
{
    if (text.empty())
        return false;
    // One UTF-8 sequence: a lead byte and only continuation bytes after it.
    for (std::size_t i = 1; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return false;
    return true;
}

bool HasType(ValueType type, std::string_view value, std::string_view classType)
{
    switch (type) {
        case ValueType::Text:
            return true;
        case ValueType::Character:
            return IsSingleCharacter(value);
        case ValueType::Number:
            return ParseNumber(value).has_value();
        case ValueType::SwimTime:
            return ParseSwimTime(value).has_value();
        case ValueType::Date:
            return ParseDate(value).has_value();
        case ValueType::TimeOfDay:
            return ParseTimeOfDay(value).has_value();
        case ValueType::Amount:
            return ParseAmountCents(value).has_value();
        case ValueType::AgeGroup:
            // Without a class type either reading will do.
            if (classType == "JG" || classType == "AK")
                return ParseAgeGroup(value, classType == "JG").has_value();
            return ParseAgeGroup(value, true) || ParseAgeGroup(value, false);
    }
    return false;
}

std::optional<Diagnostic> CheckValueList(std::string& value, const FieldSpec& field, const Element& element,
                                         int version, WarningList& warnings)
{
    const AllowedValue* allowed = FindAllowedValue(field, value);
    if (allowed != nullptr && version >= allowed->since && version <= allowed->until) {
        value = allowed->text;
        return std::nullopt;
    }
    const std::string where = " für " + std::string(field.name) + " in " + element.name;
    if (allowed == nullptr) {
        if (field.decidesEligibility)
            return Diagnostic{element.line, "Unbekannter Wert " + Quoted(value) + where + ".", 0};
        warnings.Add(element.line,
                     "Unbekannter Wert " + Quoted(value) + where + "; er bleibt, wie er geschrieben ist.");
        return std::nullopt;
    }
    warnings.Add(element.line, "Der Wert " + Quoted(allowed->text) + where + " gehört nicht zu Format " +
                                   std::to_string(version) + "; er wird trotzdem gelesen.");
    value = allowed->text;
    return std::nullopt;
}

}  // namespace

std::optional<Diagnostic> CheckFields(Element& element, const ElementSpec& spec, int version, WarningList& warnings)
{
    const std::size_t count = spec.FieldCount(version);
    const std::size_t given = element.fields.size();
    // Only a line that lacks fields needs the count of those it must have.
    if (given < count && given < spec.LeastFieldCount(version))
        return Diagnostic{
            element.line,
            element.name + " hat " + FieldCountText(given) + ", erwartet werden " + std::to_string(count) + ".", 0};
    if (given > count)
        warnings.Add(element.line, element.name + " hat " + FieldCountText(given) + ", erwartet werden " +
                                       std::to_string(count) + "; die übrigen werden nicht gelesen.");
    // Missing trailing fields are empty, as if their ";" were written.
    element.fields.resize(count);

    for (std::size_t i = 0; i < count; ++i) {
        const FieldSpec& field = spec.fields[i];
        std::string& value = element.fields[i];
        if (value.empty()) {
            if (field.need == Need::Key)
                return Diagnostic{element.line, "Das Feld " + Quoted(field.name) + " in " + element.name + " ist leer.",
                                  0};
            continue;
        }
        if (!field.values.empty()) {
            if (auto failure = CheckValueList(value, field, element, version, warnings))
                return failure;
            continue;
        }
        if (HasType(field.type, value, element.Field(field.kindField)))
            continue;
        const std::string problem = std::string(field.name) + " in " + element.name + " ist " +
                                    std::string(NotOfType(field.type)) + ": " + Quoted(value);
        if (field.need == Need::Key)
            return Diagnostic{element.line, problem + ".", 0};
        warnings.Add(element.line, problem + "; der Wert bleibt, wie er geschrieben ist.");
    }
    return std::nullopt;
}

}  // namespace natarix::dsv678
