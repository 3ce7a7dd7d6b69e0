#include <array>

#include "dsv678/ElementTable.h"

namespace natarix::dsv678 {

namespace {

using enum ValueType;
using enum Need;

// The value lists the result lists share with the definition list are
// repeated here rather than exported: each table reads as a whole.
constexpr AllowedValue kPoolLengths[] = {{"16"}, {"20"}, {"25"}, {"33"}, {"50"}, {"FW"}, {"X"}};
constexpr AllowedValue kTimings[] = {{"HANDZEIT"}, {"AUTOMATISCH"}, {"HALBAUTOMATISCH"}};
constexpr AllowedValue kYesNo[] = {{"J"}, {"N"}};
// "SPR" stands in the DSV standard's own example but in none of its lists:
// it is read with a warning, as any unknown position.
constexpr AllowedValue kPositions[] = {{"SCH"},    {"STA"},    {"ZRO"},     {"ZR"},     {"ZNO"},     {"ZN"},    {"RZN"},
                                       {"SR"},     {"WRO"},    {"WR"},      {"AUS"},    {"SP"},      {"PKF"},   {"ZBV"},
                                       {"STO", 7}, {"WKH", 7}, {"ASCH", 7}, {"SIB", 7}, {"SAUF", 7}, {"VER", 7}};
constexpr AllowedValue kEventKinds[] = {{"V"}, {"Z"}, {"F"}, {"E"}, {"A"}, {"N"}};
constexpr AllowedValue kQualifyingKinds[] = {{"V"}, {"Z"}, {"F"}, {"E"}};
constexpr AllowedValue kStrokes[] = {{"F"}, {"R"}, {"B"}, {"S"}, {"L"}, {"X"}};
constexpr AllowedValue kPerformances[] = {{"GL"}, {"BE"}, {"AR"}, {"ST"}, {"WE"}, {"GB"}, {"X"}, {"KB", 8}, {"KR", 8}};
// The documents of the DSV standard disagree on the version that brings "D"
// to events and classes; it is taken from every version.
constexpr AllowedValue kEventSexes[] = {{"M"}, {"W"}, {"X"}, {"D"}};
constexpr AllowedValue kPersonSexes[] = {{"M"}, {"W"}, {"D", 7}};
constexpr AllowedValue kRecordLists[] = {{"SW"}, {"EW", 7}, {"PA", 7}, {"MS"}, {"KG"}, {"XX"}, {"FS", 6, 6}};
constexpr AllowedValue kClassTypes[] = {{"JG"}, {"AK"}};
constexpr AllowedValue kReasons[] = {{"DS"}, {"NA"}, {"AB"}, {"AU"}, {"ZU"}};
constexpr AllowedValue kLateFees[] = {{"E"}, {"F"}, {"N"}};
constexpr AllowedValue kSigns[] = {{"+"}, {"-"}};

constexpr FieldSpec kFormat[] = {{"Listart", Text, Key}, {"Version", Number, Key}};
constexpr FieldSpec kProducer[] = {{"Software"}, {"Version"}, {"Kontakt"}};
constexpr FieldSpec kMeet[] = {{"Veranstaltungsbezeichnung"},
                               {"Veranstaltungsort"},
                               {"Bahnlänge", Text, Required, 6, kPoolLengths},
                               {"Zeitmessung", Text, Required, 6, kTimings}};
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
// Four fields: the result lists know no Einlass and no Kampfrichtersitzung.
constexpr FieldSpec kSection[] = {{"Abschnittsnr.", Number, Key},
                                  {"Abschnittsdatum", Date},
                                  {"Anfangszeit", TimeOfDay},
                                  {"Relative Angabe", Character, Optional, 6, kYesNo}};
constexpr FieldSpec kReferee[] = {{"Abschnittsnr.", Number},
                                  {"Position", Text, Required, 6, kPositions},
                                  {"Name Kampfrichter"},
                                  {"Verein des Kampfrichters"}};
// The section is no key: a result whose section is missing is passed over,
// the rest of the list still read.
constexpr FieldSpec kEvent[] = {{"Wettkampfnr.", Number, Key},
                                {"Wettkampfart", Character, Key, 6, kEventKinds},
                                {"Abschnittsnr.", Number},
                                {"Anzahl Starter", Number, Optional},
                                {"Einzelstrecke", Number},
                                {"Technik", Character, Required, 6, kStrokes},
                                {"Ausübung", Text, Required, 6, kPerformances},
                                {"Geschlecht", Character, Required, 6, kEventSexes},
                                {"Zuordnung Bestenliste", Text, Required, 6, kRecordLists},
                                {"Qualifikationswettkampfnr.", Number, Optional},
                                {"Qualifikationswettkampfart", Character, Optional, 6, kQualifyingKinds}};
// The classes only rank the swims; a time stands without them.
constexpr FieldSpec kClass[] = {{"Wettkampfnr.", Number},
                                {"Wettkampfart", Character, Required, 6, kEventKinds},
                                {"WertungsID", Number},
                                {"Wertungsklasse Typ", Text, Required, 6, kClassTypes},
                                {"Mindest-JG/AK", AgeGroup, Required, 6, {}, false, 3},
                                {"Maximale JG/AK", AgeGroup, Optional, 6, {}, false, 3},
                                {"Geschlecht", Character, Optional, 6, kEventSexes},
                                {"Wertungsname"}};
constexpr FieldSpec kClub[] = {
    {"Vereinsbezeichnung"}, {"Vereinskennzahl", Number}, {"Landesschwimmverband", Number}, {"FINA-Nationenkürzel"}};
// DSV-IDs are text: other federations' IDs have letters, and an unknown one
// is only an unknown swimmer.
constexpr FieldSpec kIndividualResult[] = {{"Wettkampfnr.", Number, Key},
                                           {"Wettkampfart", Character, Key, 6, kEventKinds},
                                           {"WertungsID", Number},
                                           {"Platz", Number},
                                           {"Grund der Nichtwertung", Text, Optional, 6, kReasons},
                                           {"Name"},
                                           {"DSV-ID Schwimmer"},
                                           {"Veranstaltungs-ID des Schwimmers", Number, Key},
                                           {"Geschlecht", Character, Required, 6, kPersonSexes},
                                           {"Jahrgang", Number},
                                           {"Altersklasse", Number, Optional},
                                           {"Verein"},
                                           {"Vereinskennzahl", Number},
                                           {"Endzeit", SwimTime},
                                           {"Disqualifikationsbemerkung", Text, Optional},
                                           {"Erhöhtes nachträgliches Meldegeld", Character, Optional, 6, kLateFees},
                                           {"Nationalität 1", Text, Optional, 7},
                                           {"Nationalität 2", Text, Optional, 7},
                                           {"Nationalität 3", Text, Optional, 7}};
// Splits, reactions and take-overs are informative only: none is a key.
constexpr FieldSpec kIndividualSplit[] = {{"Veranstaltungs-ID des Schwimmers", Number},
                                          {"Wettkampfnr.", Number},
                                          {"Wettkampfart", Character, Required, 6, kEventKinds},
                                          {"Distanz", Number},
                                          {"Zwischenzeit", SwimTime}};
constexpr FieldSpec kReaction[] = {{"Veranstaltungs-ID des Schwimmers", Number},
                                   {"Wettkampfnr.", Number},
                                   {"Wettkampfart", Character, Required, 6, kEventKinds},
                                   {"Art", Character, Optional, 6, kSigns},
                                   {"Reaktionszeit", SwimTime}};
constexpr FieldSpec kRelayResult[] = {{"Wettkampfnr.", Number, Key},
                                      {"Wettkampfart", Character, Key, 6, kEventKinds},
                                      {"WertungsID", Number},
                                      {"Platz", Number},
                                      {"Grund der Nichtwertung", Text, Optional, 6, kReasons},
                                      {"Nummer der Mannschaft", Number},
                                      {"Veranstaltungs-ID der Staffel", Number, Key},
                                      {"Verein"},
                                      {"Vereinskennzahl", Number},
                                      {"Endzeit", SwimTime},
                                      {"Startnummer disqualifizierter Schwimmer", Number, Optional},
                                      {"Disqualifikationsbemerkung", Text, Optional},
                                      {"Erhöhtes nachträgliches Meldegeld", Character, Optional, 6, kLateFees}};
constexpr FieldSpec kRelaySwimmer[] = {{"Veranstaltungs-ID der Staffel", Number, Key},
                                       {"Wettkampfnr.", Number, Key},
                                       {"Wettkampfart", Character, Key, 6, kEventKinds},
                                       {"Name"},
                                       {"DSV-ID Schwimmer"},
                                       {"Startnummer innerhalb der Staffel", Number, Key},
                                       {"Geschlecht", Character, Required, 6, kPersonSexes},
                                       {"Jahrgang", Number},
                                       {"Altersklasse", Number, Optional},
                                       {"Nationalität 1", Text, Optional, 7},
                                       {"Nationalität 2", Text, Optional, 7},
                                       {"Nationalität 3", Text, Optional, 7}};
// The first leg's time is a split: its relay and leg are keys.
constexpr FieldSpec kRelaySplit[] = {{"Veranstaltungs-ID der Staffel", Number, Key},
                                     {"Wettkampfnr.", Number, Key},
                                     {"Wettkampfart", Character, Key, 6, kEventKinds},
                                     {"Startnummer innerhalb der Staffel", Number, Key},
                                     {"Distanz", Number},
                                     {"Zwischenzeit", SwimTime}};
constexpr FieldSpec kTakeOver[] = {{"Veranstaltungs-ID der Staffel", Number},
                                   {"Wettkampfnr.", Number},
                                   {"Wettkampfart", Character, Required, 6, kEventKinds},
                                   {"Startnummer innerhalb der Staffel", Number},
                                   {"Art", Character, Optional, 6, kSigns},
                                   {"Reaktionszeit", SwimTime}};

// The Vereinsergebnisliste declares its swimmers and teams once; its result
// lines write the Endzeit before the Grund der Nichtwertung.
constexpr FieldSpec kPerson[] = {{"Name"},
                                 {"DSV-ID Schwimmer"},
                                 {"Veranstaltungs-ID des Schwimmers", Number, Key},
                                 {"Geschlecht", Character, Required, 6, kPersonSexes},
                                 {"Jahrgang", Number},
                                 {"Altersklasse", Number, Optional},
                                 {"Nationalität 1", Text, Optional, 7},
                                 {"Nationalität 2", Text, Optional, 7},
                                 {"Nationalität 3", Text, Optional, 7}};
constexpr FieldSpec kPersonResult[] = {{"Veranstaltungs-ID des Schwimmers", Number, Key},
                                       {"Wettkampfnr.", Number, Key},
                                       {"Wettkampfart", Character, Key, 6, kEventKinds},
                                       {"WertungsID", Number},
                                       {"Platz", Number},
                                       {"Endzeit", SwimTime},
                                       {"Grund der Nichtwertung", Text, Optional, 6, kReasons},
                                       {"Disqualifikationsbemerkung", Text, Optional},
                                       {"Erhöhtes nachträgliches Meldegeld", Character, Optional, 6, kLateFees}};
constexpr FieldSpec kTeam[] = {{"Nummer der Mannschaft", Number},
                               {"Veranstaltungs-ID der Staffel", Number},
                               {"Wertungsklasse Typ", Text, Required, 6, kClassTypes},
                               {"Mindest-JG/AK", AgeGroup, Required, 6, {}, false, 2},
                               {"Maximale JG/AK", AgeGroup, Optional, 6, {}, false, 2}};
constexpr FieldSpec kTeamResult[] = {{"Veranstaltungs-ID der Staffel", Number, Key},
                                     {"Wettkampfnr.", Number, Key},
                                     {"Wettkampfart", Character, Key, 6, kEventKinds},
                                     {"WertungsID", Number},
                                     {"Platz", Number},
                                     {"Endzeit", SwimTime},
                                     {"Grund der Nichtwertung", Text, Optional, 6, kReasons},
                                     {"Startnummer disqualifizierter Schwimmer", Number, Optional},
                                     {"Disqualifikationsbemerkung", Text, Optional},
                                     {"Erhöhtes nachträgliches Meldegeld", Character, Optional, 6, kLateFees}};

// The DSV standard names the relay result STERGEBNIS in its examples and
// STAFFELERGEBNIS in its tables; each list takes both names in its own layout.
constexpr std::array kCompetitionElements = {
    ElementSpec{"FORMAT", kFormat, 1, 1, 6, true},
    ElementSpec{"ERZEUGER", kProducer, 1, 1},
    ElementSpec{"VERANSTALTUNG", kMeet, 1, 1, 6, true},
    ElementSpec{"VERANSTALTER", kOrganiser, 1, 1},
    ElementSpec{"AUSRICHTER", kHost, 1, 1},
    ElementSpec{"ABSCHNITT", kSection, 1, 0},
    ElementSpec{"KAMPFGERICHT", kReferee, 0, 0},
    ElementSpec{"WETTKAMPF", kEvent, 1, 0},
    ElementSpec{"WERTUNG", kClass, 1, 0},
    ElementSpec{"VEREIN", kClub, 1, 0},
    ElementSpec{"PNERGEBNIS", kIndividualResult, 0, 0},
    ElementSpec{"PNZWISCHENZEIT", kIndividualSplit, 0, 0},
    ElementSpec{"PNREAKTION", kReaction, 0, 0},
    ElementSpec{"STERGEBNIS", kRelayResult, 0, 0},
    ElementSpec{"STAFFELERGEBNIS", kRelayResult, 0, 0},
    ElementSpec{"STAFFELPERSON", kRelaySwimmer, 0, 0},
    ElementSpec{"STZWISCHENZEIT", kRelaySplit, 0, 0},
    ElementSpec{"STABLOESE", kTakeOver, 0, 0},
    ElementSpec{"DATEIENDE", {}, 1, 1, 6, true},
};

constexpr std::array kClubElements = {
    ElementSpec{"FORMAT", kFormat, 1, 1, 6, true},
    ElementSpec{"ERZEUGER", kProducer, 1, 1},
    ElementSpec{"VERANSTALTUNG", kMeet, 1, 1, 6, true},
    ElementSpec{"VERANSTALTER", kOrganiser, 1, 1},
    ElementSpec{"AUSRICHTER", kHost, 1, 1},
    ElementSpec{"ABSCHNITT", kSection, 1, 0},
    ElementSpec{"KAMPFGERICHT", kReferee, 0, 0},
    ElementSpec{"WETTKAMPF", kEvent, 1, 0},
    ElementSpec{"WERTUNG", kClass, 1, 0},
    ElementSpec{"VEREIN", kClub, 1, 0},
    ElementSpec{"PERSON", kPerson, 0, 0},
    ElementSpec{"PERSONENERGEBNIS", kPersonResult, 0, 0},
    ElementSpec{"PNZWISCHENZEIT", kIndividualSplit, 0, 0},
    ElementSpec{"PNREAKTION", kReaction, 0, 0},
    ElementSpec{"STAFFEL", kTeam, 0, 0},
    ElementSpec{"STAFFELPERSON", kRelaySwimmer, 0, 0},
    ElementSpec{"STAFFELERGEBNIS", kTeamResult, 0, 0},
    ElementSpec{"STERGEBNIS", kTeamResult, 0, 0},
    ElementSpec{"STZWISCHENZEIT", kRelaySplit, 0, 0},
    ElementSpec{"STABLOESE", kTakeOver, 0, 0},
    ElementSpec{"DATEIENDE", {}, 1, 1, 6, true},
};

template <std::size_t N>
const ElementSpec* FindIn(const std::array<ElementSpec, N>& elements, std::string_view name)
{
    for (const ElementSpec& element : elements)
        if (element.name == name)
            return &element;
    return nullptr;
}

}  // namespace

std::span<const ElementSpec> ResultListElements()
{
    return kCompetitionElements;
}

const ElementSpec* FindResultListElement(std::string_view name)
{
    return FindIn(kCompetitionElements, name);
}

std::span<const ElementSpec> ClubResultListElements()
{
    return kClubElements;
}

const ElementSpec* FindClubResultListElement(std::string_view name)
{
    return FindIn(kClubElements, name);
}

}  // namespace natarix::dsv678
