#include "dsv678/ElementTable.h"

#include <array>

#include "TextTools.h"

namespace natarix::dsv678 {

namespace {

using enum ValueType;
using enum Need;

// The value lists of formats 6 to 8. A value known only to some versions
// carries them; the reader warns when a file uses it outside them.
constexpr AllowedValue kPoolLengths[] = {{"16"}, {"20"}, {"25"}, {"33"}, {"50"}, {"FW"}, {"X"}};
constexpr AllowedValue kTimings[] = {{"HANDZEIT"}, {"AUTOMATISCH"}, {"HALBAUTOMATISCH"}};
constexpr AllowedValue kYesNo[] = {{"J"}, {"N"}};
constexpr AllowedValue kProofPoolLengths[] = {{"25"}, {"50"}, {"FW"}, {"AL"}};
// A and N appear only in the result lists' tables, but organisers use them
// in definition lists too ("Nachschwimmen").
constexpr AllowedValue kEventKinds[] = {{"V"}, {"Z"}, {"F"}, {"E"}, {"A"}, {"N"}};
constexpr AllowedValue kQualifyingKinds[] = {{"V"}, {"Z"}, {"F"}, {"E"}};
constexpr AllowedValue kStrokes[] = {{"F"}, {"R"}, {"B"}, {"S"}, {"L"}, {"X"}};
constexpr AllowedValue kPerformances[] = {{"GL"}, {"BE"}, {"AR"}, {"ST"}, {"WE"}, {"GB"}, {"X"}, {"KB", 8}, {"KR", 8}};
constexpr AllowedValue kEventSexes[] = {{"M"}, {"W"}, {"X"}, {"D", 8}};
constexpr AllowedValue kClassSexes[] = {{"M"}, {"W"}, {"X"}, {"D", 7}};
constexpr AllowedValue kQualifyingTimeSexes[] = {{"M"}, {"W"}, {"D", 7}};
constexpr AllowedValue kRecordLists[] = {{"SW"}, {"EW", 7}, {"PA", 7}, {"MS"}, {"KG"}, {"XX"}, {"FS", 6, 6}};
constexpr AllowedValue kClassTypes[] = {{"JG"}, {"AK"}};
constexpr AllowedValue kFeeTypes[] = {{"Meldegeldpauschale"},    {"Einzelmeldegeld"},     {"Staffelmeldegeld"},
                                      {"Wkmeldegeld"},           {"Mannschaftmeldegeld"}, {"Teilnehmermeldegeld", 8},
                                      {"Abschnittspauschale", 8}};

constexpr FieldSpec kFormat[] = {{"Listart", Text, Key}, {"Version", Number, Key}};
constexpr FieldSpec kProducer[] = {{"Software"}, {"Version"}, {"Kontakt"}};
constexpr FieldSpec kMeet[] = {{"Veranstaltungsbezeichnung"},
                               {"Veranstaltungsort"},
                               {"Bahnlänge", Text, Required, 6, kPoolLengths},
                               {"Zeitmessung", Text, Required, 6, kTimings}};
constexpr FieldSpec kVenue[] = {
    {"Schwimmhalle"}, {"Straße", Text, Optional},  {"PLZ", Text, Optional}, {"Ort"},
    {"Land"},         {"Telefon", Text, Optional}, {"Fax", Text, Optional}, {"E-Mail", Text, Optional}};
constexpr FieldSpec kWebAddress[] = {{"Internetadresse", Text, Optional}};
constexpr FieldSpec kOrganiser[] = {{"Name des Veranstalters"}};
constexpr FieldSpec kHost[] = {{"Name des Ausrichters"},
                               {"Name"},
                               {"Straße", Text, Optional},
                               {"PLZ", Text, Optional},
                               {"Ort", Text, Optional},
                               {"Land", Text, Optional},
                               {"Telefon", Text, Optional},
                               {"Fax", Text, Optional},
                               {"E-Mail"}};
constexpr FieldSpec kEntryAddress[] = {{"Name"},
                                       {"Straße", Text, Optional},
                                       {"PLZ", Text, Optional},
                                       {"Ort", Text, Optional},
                                       {"Land", Text, Optional},
                                       {"Telefon", Text, Optional},
                                       {"Fax", Text, Optional},
                                       {"E-Mail"}};
constexpr FieldSpec kDeadline[] = {{"Datum", Date}, {"Uhrzeit", TimeOfDay}};
constexpr FieldSpec kBank[] = {
    {"Name der Bank", Text, Optional}, {"IBAN"}, {"BIC", Text, Optional}, {"Kontoinhaber", Text, Required, 8}};
constexpr FieldSpec kDirectDebit[] = {{"Hinweis Lastschrift", Character, Optional, 8, kYesNo}};
constexpr FieldSpec kRemarks[] = {{"Anmerkungen"}};
constexpr FieldSpec kProof[] = {
    {"Nachweis von", Date}, {"Nachweis bis", Date, Optional}, {"Bahnlänge", Text, Required, 6, kProofPoolLengths}};
constexpr FieldSpec kSection[] = {
    {"Abschnittsnr.", Number, Key},   {"Abschnittsdatum", Date},
    {"Einlass", TimeOfDay, Optional}, {"Kampfrichtersitzung", TimeOfDay, Optional},
    {"Anfangszeit", TimeOfDay},       {"Relative Angabe", Character, Optional, 6, kYesNo}};
constexpr FieldSpec kEvent[] = {{"Wettkampfnr.", Number, Key},
                                {"Wettkampfart", Character, Key, 6, kEventKinds, true},
                                {"Abschnittsnr.", Number, Key},
                                {"Anzahl Starter", Number, Optional},
                                {"Einzelstrecke", Number},
                                {"Technik", Character, Required, 6, kStrokes},
                                {"Ausübung", Text, Required, 6, kPerformances},
                                {"Geschlecht", Character, Required, 6, kEventSexes, true},
                                {"Zuordnung Bestenliste", Text, Required, 6, kRecordLists},
                                {"Qualifikationswettkampfnr.", Number, Optional},
                                {"Qualifikationswettkampfart", Character, Optional, 6, kQualifyingKinds}};
constexpr FieldSpec kClass[] = {{"Wettkampfnr.", Number, Key},
                                {"Wettkampfart", Character, Key, 6, kEventKinds, true},
                                {"WertungsID", Number, Key},
                                {"Wertungsklasse Typ", Text, Required, 6, kClassTypes, true},
                                {"Mindest-JG/AK", AgeGroup, Required, 6, {}, false, 3},
                                {"Maximale JG/AK", AgeGroup, Optional, 6, {}, false, 3},
                                {"Geschlecht", Character, Optional, 6, kClassSexes, true},
                                {"Wertungsname"}};
constexpr FieldSpec kQualifyingTime[] = {{"Wettkampfnr.", Number, Key},
                                         {"Wettkampfart", Character, Key, 6, kEventKinds, true},
                                         {"Wertungsklasse Typ", Text, Required, 6, kClassTypes, true},
                                         {"Mindest-JG/AK", AgeGroup, Required, 6, {}, false, 2},
                                         {"Maximale JG/AK", AgeGroup, Optional, 6, {}, false, 2},
                                         {"Pflichtzeit", SwimTime},
                                         {"Geschlecht", Character, Optional, 6, kQualifyingTimeSexes, true}};
constexpr FieldSpec kFee[] = {
    {"Meldegeld Typ", Text, Key, 6, kFeeTypes}, {"Betrag", Amount}, {"Wettkampfnr.", Number, Optional}};

constexpr std::array kElements = {
    ElementSpec{"FORMAT", kFormat, 1, 1, 6, true},
    ElementSpec{"ERZEUGER", kProducer, 1, 1},
    ElementSpec{"VERANSTALTUNG", kMeet, 1, 1, 6, true},
    ElementSpec{"VERANSTALTUNGSORT", kVenue, 1, 1},
    ElementSpec{"AUSSCHREIBUNGIMNETZ", kWebAddress, 1, 1},
    ElementSpec{"VERANSTALTER", kOrganiser, 1, 1},
    ElementSpec{"AUSRICHTER", kHost, 1, 1},
    ElementSpec{"MELDEADRESSE", kEntryAddress, 1, 1},
    ElementSpec{"MELDESCHLUSS", kDeadline, 1, 1},
    ElementSpec{"BANKVERBINDUNG", kBank, 0, 1},
    ElementSpec{"LASTSCHRIFT", kDirectDebit, 0, 1, 8},
    ElementSpec{"BESONDERES", kRemarks, 0, 1},
    ElementSpec{"NACHWEIS", kProof, 0, 1},
    ElementSpec{"ABSCHNITT", kSection, 1, 0, 6, true},
    ElementSpec{"WETTKAMPF", kEvent, 1, 0, 6, true},
    ElementSpec{"WERTUNG", kClass, 1, 0},
    ElementSpec{"PFLICHTZEIT", kQualifyingTime, 0, 0},
    ElementSpec{"MELDEGELD", kFee, 1, 0},
    ElementSpec{"DATEIENDE", {}, 1, 1, 6, true},
};

}  // namespace

std::size_t ElementSpec::FieldCount(int version) const
{
    std::size_t count = 0;
    while (count < fields.size() && fields[count].since <= version)
        ++count;
    return count;
}

std::size_t ElementSpec::LeastFieldCount(int version) const
{
    std::size_t least = 0;
    const std::size_t count = FieldCount(version);
    for (std::size_t i = 0; i < count; ++i)
        if (fields[i].need != Optional)
            least = i + 1;
    return least;
}

std::span<const ElementSpec> DefinitionListElements()
{
    return kElements;
}

const ElementSpec* FindDefinitionElement(std::string_view name)
{
    for (const ElementSpec& element : kElements)
        if (element.name == name)
            return &element;
    return nullptr;
}

const AllowedValue* FindAllowedValue(const FieldSpec& field, std::string_view text)
{
    for (const AllowedValue& value : field.values)
        if (EqualsIgnoringCase(value.text, text))
            return &value;
    return nullptr;
}

}  // namespace natarix::dsv678
