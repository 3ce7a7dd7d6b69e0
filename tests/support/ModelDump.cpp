#include "ModelDump.h"

#include <sstream>

namespace natarix::test {

std::string Describe(const ScoringClass& k)
{
    std::ostringstream out;
    out << k.kind;
    if (k.kind == ScoringClass::YearRange)
        out << " JG " << k.yearFrom << '-' << k.yearTo;
    else if (k.kind == ScoringClass::AgeBand)
        out << " AK " << k.age << (k.orOlder ? "+" : "");
    else if (k.kind == ScoringClass::YouthClass)
        out << " AK " << k.classLetter;
    out << " [" << k.mandatoryTime << "] " << k.competitionYear;
    return out.str();
}

std::string Dump(const Competition& c)
{
    std::ostringstream out;
    const auto address = [&](const char* name, const Address& a) {
        out << name << ':';
        for (const std::string& field : a.fields)
            out << '[' << field << ']';
        out << '\n';
    };
    const auto participant = [&](const Participant& p) {
        out << '[' << p.surname << "][" << p.firstName << "] " << p.yearOfBirth << " [" << p.registrationNumber << "]["
            << p.sex << "] " << p.isTeam;
        for (const auto& [number, time] : p.entries)
            out << " [" << number << '=' << time << ']';
        out << '\n';
    };
    out << "title[" << c.title << "] place[" << c.place << "] field3[" << c.veranstaltungField3 << "] timing["
        << c.timing << "] online[" << c.onlineInvitation << "] deadline[" << c.entryDeadline[0] << "]["
        << c.entryDeadline[1] << "] remarks[" << c.remarks << "] fees " << c.flatFee << ' ' << c.individualFee << ' '
        << c.relayFee << '\n';
    address("venue", c.venue);
    address("entryAddress", c.entryAddress);
    for (const auto& [key, s] : c.sections())
        out << "section[" << s.number << "][" << s.date << "][" << s.startTime << "][" << s.admission << "]\n";
    for (const auto& [key, e] : c.events()) {
        out << "event[" << e.number << "][" << e.sectionNumber << "][" << e.swimmerCount << "][" << e.distance << "]["
            << e.technique << "][" << e.sex << "] fee " << e.hasOwnFee << ' ' << e.ownFee << '\n';
        for (const ScoringClass& k : e.scoringClasses)
            out << "  class " << Describe(k) << '\n';
    }
    out << "club[" << c.club.clubName << "][" << c.club.clubId << "][" << c.club.lsv << "][" << c.club.nation << "]\n";
    address("contact", c.club.contact);
    for (const auto& o : c.officials())
        out << "official[" << o->surname << "][" << o->firstName << "] " << o->group << " [" << o->sectionNumbers
            << "][" << o->wish << "]\n";
    for (const auto& s : c.swimmers()) {
        out << "swimmer";
        participant(*s);
    }
    for (const auto& t : c.teams()) {
        out << "team[" << t->teamNumber << "][" << t->teamName << "][" << t->classLabel << "]";
        participant(*t);
    }
    return out.str();
}

}  // namespace natarix::test
