#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace natarix::dsv678 {

// The data types of formats 6 to 8.
enum class ValueType { Text, Character, Number, SwimTime, Date, TimeOfDay, Amount, AgeGroup };

enum class Need {
    Optional,
    Required,  // the DSV standard asks for it, but real files leave it empty: read as its default
    Key,       // names a section or an event, or is the list kind: never empty
};

// One value of a value list and the format versions that know it.
struct AllowedValue {
    std::string_view text;
    int since = 6;
    int until = 8;
};

struct FieldSpec {
    std::string_view name;
    ValueType type = ValueType::Text;
    Need need = Need::Required;
    int since = 6;
    // Empty: any value of the type.
    std::span<const AllowedValue> values = {};
    // An unknown value fails the reading: who may start would be guessed.
    bool decidesEligibility = false;
    // For an AgeGroup: the index of the Wertungsklasse Typ it is read with.
    std::size_t kindField = 0;
};

struct ElementSpec {
    std::string_view name;
    std::span<const FieldSpec> fields;
    std::size_t minCount = 0;
    std::size_t maxCount = 0;  // 0: any number
    int since = 6;
    // A file without it, or with it more often than allowed, is refused;
    // for the other elements that is a warning.
    bool essential = false;

    // Fields that exist in `version`; later versions only append.
    std::size_t FieldCount(int version) const;
    // Fields up to the last required one of `version`: fewer is a failure.
    std::size_t LeastFieldCount(int version) const;
};

// The elements of the Wettkampfdefinitionsliste in the order of the DSV
// standard, FORMAT and DATEIENDE included.
std::span<const ElementSpec> DefinitionListElements();

// The element of that name (in capitals), or nullptr.
const ElementSpec* FindDefinitionElement(std::string_view name);

// The elements of the Vereinsmeldeliste in the order of the DSV standard,
// FORMAT and DATEIENDE included, and the one of that name.
std::span<const ElementSpec> EntryListElements();
const ElementSpec* FindEntryListElement(std::string_view name);

// The same for the Wettkampfergebnisliste and for the Vereinsergebnisliste.
std::span<const ElementSpec> ResultListElements();
const ElementSpec* FindResultListElement(std::string_view name);
std::span<const ElementSpec> ClubResultListElements();
const ElementSpec* FindClubResultListElement(std::string_view name);

// The spelling of the value list for `text` compared without case, or
// nullptr when the list lacks it.
const AllowedValue* FindAllowedValue(const FieldSpec& field, std::string_view text);

}  // namespace natarix::dsv678
