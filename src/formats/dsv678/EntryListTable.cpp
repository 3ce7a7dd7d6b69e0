#include <array>

#include "dsv678/ElementTable.h"

namespace natarix::dsv678 {

namespace {

using enum ValueType;
using enum Need;

// The value lists the entry list shares with the definition list are
// repeated here rather than exported: each table reads as a whole.
constexpr AllowedValue kPoolLengths[] = {{"16"}, {"20"}, {"25"}, {"33"}, {"50"}, {"FW"}, {"X"}};
constexpr AllowedValue kTimings[] = {{"HANDZEIT"}, {"AUTOMATISCH"}, {"HALBAUTOMATISCH"}};
constexpr AllowedValue kYesNo[] = {{"J"}, {"N"}};
// The DSV standard lists only V and E here, yet its own example enters F;
// real lists also copy A and N events from their definition lists.
constexpr AllowedValue kEventKinds[] = {{"V"}, {"Z"}, {"F"}, {"E"}, {"A"}, {"N"}};
constexpr AllowedValue kQualifyingKinds[] = {{"V"}, {"Z"}, {"F"}, {"E"}};
constexpr AllowedValue kStrokes[] = {{"F"}, {"R"}, {"B"}, {"S"}, {"L"}, {"X"}};
constexpr AllowedValue kPerformances[] = {{"GL"}, {"BE"}, {"AR"}, {"ST"}, {"WE"}, {"GB"}, {"X"}, {"KB", 8}, {"KR", 8}};
constexpr AllowedValue kEventSexes[] = {{"M"}, {"W"}, {"X"}, {"D", 8}};
constexpr AllowedValue kPersonSexes[] = {{"M"}, {"W"}, {"D", 7}};
constexpr AllowedValue kClassTypes[] = {{"JG"}, {"AK"}};
constexpr AllowedValue kOfficialGroups[] = {{"WKR"}, {"AUS"}, {"SCH"}, {"SPR"}};

constexpr FieldSpec kFormat[] = {{"Listart", Text, Key}, {"Version", Number, Key}};
constexpr FieldSpec kProducer[] = {{"Software"}, {"Version"}, {"Kontakt"}};
constexpr FieldSpec kMeet[] = {{"Veranstaltungsbezeichnung"},
                               {"Veranstaltungsort"},
                               {"Bahnlänge", Text, Required, 6, kPoolLengths},
                               {"Zeitmessung", Text, Required, 6, kTimings}};
constexpr FieldSpec kSection[] = {{"Abschnittsnr.", Number, Key},
                                  {"Abschnittsdatum", Date},
                                  {"Anfangszeit", TimeOfDay},
                                  {"Relative Angabe", Character, Optional, 6, kYesNo}};
// Without the Zuordnung Bestenliste of the definition list.
constexpr FieldSpec kEvent[] = {{"Wettkampfnr.", Number, Key},
                                {"Wettkampfart", Character, Key, 6, kEventKinds},
                                {"Abschnittsnr.", Number},
                                {"Anzahl Starter", Number, Optional},
                                {"Einzelstrecke", Number},
                                {"Technik", Character, Required, 6, kStrokes},
                                {"Ausübung", Text, Required, 6, kPerformances},
                                {"Geschlecht", Character, Required, 6, kEventSexes},
                                {"Qualifikationswettkampfnr.", Number, Optional},
                                {"Qualifikationswettkampfart", Character, Optional, 6, kQualifyingKinds}};
constexpr FieldSpec kClub[] = {{"Vereinsbezeichnung"},
                               {"Vereinskennzahl", Number},
                               {"Landesschwimmverband", Number},
                               {"FINA-Nationenkürzel"},
                               {"Lastschrift", Character, Optional, 8, kYesNo}};
constexpr FieldSpec kContact[] = {{"Name"},
                                  {"Straße", Text, Optional},
                                  {"PLZ", Text, Optional},
                                  {"Ort", Text, Optional},
                                  {"Land", Text, Optional},
                                  {"Telefon", Text, Optional},
                                  {"Fax", Text, Optional},
                                  {"E-Mail"}};
constexpr FieldSpec kOfficial[] = {{"Nummer Kampfrichter", Number, Key},
                                   {"Name"},
                                   {"Kampfrichtergruppe", Text, Required, 6, kOfficialGroups},
                                   {"Geschlecht", Character, Optional, 8, kPersonSexes}};
constexpr FieldSpec kOfficialSection[] = {
    {"Nummer Kampfrichter", Number, Key}, {"Abschnittsnr.", Number, Key}, {"Einsatzwunsch", Text, Optional}};
constexpr FieldSpec kCoach[] = {
    {"Nummer Trainer", Number, Key}, {"Name"}, {"Geschlecht", Character, Optional, 8, kPersonSexes}};
constexpr FieldSpec kSwimmer[] = {{"Name"},
                                  {"DSV-ID Schwimmer", Number},
                                  {"Veranstaltungs-ID", Number, Key},
                                  {"Geschlecht", Character, Required, 6, kPersonSexes},
                                  {"Jahrgang", Number},
                                  {"Altersklasse", Number, Optional},
                                  {"Nummer Trainer", Number, Optional},
                                  {"Nationalität 1", Text, Optional, 7},
                                  {"Nationalität 2", Text, Optional, 7},
                                  {"Nationalität 3", Text, Optional, 7}};
constexpr FieldSpec kHandicap[] = {{"Veranstaltungs-ID", Number, Key},
                                   {"DBS-ID", Text, Optional},
                                   {"IPC-ID", Text, Optional},
                                   {"Startklasse"},
                                   {"Startklasse Brust"},
                                   {"Startklasse Lagen"},
                                   {"Exceptions", Text, Optional}};
constexpr FieldSpec kStart[] = {
    {"Veranstaltungs-ID", Number, Key}, {"Wettkampfnr.", Number, Key}, {"Meldezeit", SwimTime, Optional}};
constexpr FieldSpec kTeam[] = {{"Nummer der Mannschaft", Number},
                               {"Veranstaltungs-ID der Staffel", Number, Key},
                               {"Wertungsklasse Typ", Text, Required, 6, kClassTypes},
                               {"Mindest-JG/AK", AgeGroup, Required, 6, {}, false, 2},
                               {"Maximale JG/AK", AgeGroup, Optional, 6, {}, false, 2},
                               {"Name der Staffel", Text, Optional}};
constexpr FieldSpec kLeg[] = {{"Veranstaltungs-ID der Staffel", Number, Key},
                              {"Wettkampfnr.", Number, Key},
                              {"Veranstaltungs-ID des Schwimmers", Number, Key},
                              {"Startnummer innerhalb der Staffel", Number, Key}};

constexpr std::array kElements = {
    ElementSpec{"FORMAT", kFormat, 1, 1, 6, true},
    ElementSpec{"ERZEUGER", kProducer, 1, 1},
    ElementSpec{"VERANSTALTUNG", kMeet, 1, 1},
    ElementSpec{"ABSCHNITT", kSection, 1, 0},
    ElementSpec{"WETTKAMPF", kEvent, 1, 0},
    ElementSpec{"VEREIN", kClub, 1, 1, 6, true},
    ElementSpec{"ANSPRECHPARTNER", kContact, 1, 1},
    ElementSpec{"KARIMELDUNG", kOfficial, 0, 0},
    ElementSpec{"KARIABSCHNITT", kOfficialSection, 0, 0},
    ElementSpec{"TRAINER", kCoach, 0, 0},
    ElementSpec{"PNMELDUNG", kSwimmer, 0, 0},
    ElementSpec{"HANDICAP", kHandicap, 0, 0, 7},
    ElementSpec{"STARTPN", kStart, 0, 0},
    ElementSpec{"STMELDUNG", kTeam, 0, 0},
    ElementSpec{"STARTST", kStart, 0, 0},
    ElementSpec{"STAFFELPERSON", kLeg, 0, 0},
    ElementSpec{"DATEIENDE", {}, 1, 1, 6, true},
};

}  // namespace

std::span<const ElementSpec> EntryListElements()
{
    return kElements;
}

const ElementSpec* FindEntryListElement(std::string_view name)
{
    for (const ElementSpec& element : kElements)
        if (element.name == name)
            return &element;
    return nullptr;
}

}  // namespace natarix::dsv678
