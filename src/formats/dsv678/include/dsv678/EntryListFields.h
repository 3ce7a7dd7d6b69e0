#pragma once

#include <string>
#include <string_view>

#include "model/Participant.h"

namespace natarix::dsv678 {

// Fields of the Vereinsmeldeliste as the writer gives them, from the club
// side's own texts.

// "01:25,35" as typed becomes "00:01:25,35"; no time is "00:00:00,00".
std::string EntryTimeField(const std::string& time);

// The DSV-ID is six digits; anything else, and the format-5 default
// "000000", is unknown: "0".
std::string DsvIdField(const std::string& registrationNumber);

// The club's association as its number: "04: Landesschwimmverband
// Brandenburg" is "4". Empty when the text starts with no digit.
std::string LsvCode(const std::string& lsv);

// The official's Kampfrichtergruppe: the format-5 groups 1 to 4 name no
// group of the newer formats, and the real lists give WKR to every official.
std::string GroupCode(const Official& official);

// A wish only as one of the codes of the version; format 5 took free text,
// which no importer would understand.
std::string WishCode(const std::string& wish, int version);

// "Nachname, Vorname".
std::string PersonName(const std::string& surname, const std::string& firstName);

}  // namespace natarix::dsv678
