#pragma once

// For each edit dialog a record with the fields it shows filled in, so that a
// test sees whatever a change or a refused OK leaves of them.

#include "model/Club.h"
#include "model/Participant.h"

namespace natarix::test {

namespace club {
inline Club Sample()
{
    Club club;
    club.clubName = "SV Beispielstadt";
    club.clubId = "4711";
    club.lsv = "04: Landesschwimmverband Brandenburg";
    club.nation = "GER";
    club.contact.name = "Petra Muster";
    club.contact.street = "Hauptstr. 1";
    club.contact.postcode = "12345";
    club.contact.town = "Beispielstadt";
    club.contact.phone = "01234 5678";
    return club;
}
}  // namespace club

namespace official {
inline Official Sample()
{
    Official official;
    official.surname = "Muster";
    official.firstName = "Paul";
    official.group = 2;
    official.sectionNumbers = {"1", "3"};
    official.wish = "Zeitnehmer";
    return official;
}
}  // namespace official

namespace swimmer {
inline Swimmer Sample()
{
    Swimmer swimmer;
    swimmer.surname = "Meier";
    swimmer.firstName = "Anna";
    swimmer.yearOfBirth = 1993;
    swimmer.registrationNumber = "123456";
    swimmer.sex = Sex::Female;
    return swimmer;
}
}  // namespace swimmer

namespace team {
inline Team Sample()
{
    Team team;
    team.teamNumber = "2";
    team.teamName = "Mixed";
    team.classLabel = "Jugend A";
    return team;
}
}  // namespace team

}  // namespace natarix::test
