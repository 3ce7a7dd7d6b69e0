#include "ModelDump.h"

#include <sstream>

namespace natarix::test {

std::string Describe(const ScoringClass& k)
{
    std::ostringstream out;
    out << static_cast<int>(k.kind);
    if (k.kind == ScoringClass::Kind::YearRange)
        out << " JG " << k.yearFrom << '-' << k.yearTo;
    else if (k.kind == ScoringClass::Kind::AgeBand)
        out << " AK " << k.age << (k.orOlder ? "+" : "");
    else if (k.kind == ScoringClass::Kind::YouthClass)
        out << " AK " << k.classLetter;
    out << " [" << k.mandatoryTime << "] " << k.competitionYear;
    return out.str();
}

std::string Dump(const Competition& c)
{
    std::ostringstream out;
    const auto address = [&](const char* name, const Address& a) {
        out << name << ':';
        for (const std::string* field :
             {&a.name, &a.street, &a.postcode, &a.town, &a.country, &a.phone, &a.fax, &a.email})
            out << '[' << *field << ']';
        out << '\n';
    };
    const auto entries = [&](const Entrant& p) {
        for (const auto& [number, time] : p.entries)
            out << " [" << number << '=' << time << ']';
        out << '\n';
    };
    out << "title[" << c.title << "] place[" << c.place << "] pool[" << c.poolLength << "] timing[" << c.timing
        << "] online[" << c.onlineInvitation << "] deadline[" << c.entryDeadlineDate.text() << "]["
        << c.entryDeadlineTime << "] remarks[" << c.remarks << "] fees " << c.flatFee << ' ' << c.individualFee << ' '
        << c.relayFee << '\n';
    address("venue", c.venue);
    address("entryAddress", c.entryAddress);
    for (const auto& [key, s] : c.sections())
        out << "section[" << s.number << "][" << s.date.text() << "][" << s.startTime << "][" << s.admission << "]\n";
    for (const auto& [key, e] : c.events()) {
        out << "event[" << e.number << "][" << e.sectionNumber << "][" << e.swimmerCount << "][" << e.distance << "]["
            << e.technique << "][" << e.sex << "] fee " << e.hasOwnFee << ' ' << e.ownFee << '\n';
        for (const ScoringClass& k : e.scoringClasses)
            out << "  class " << Describe(k) << '\n';
    }
    out << "club[" << c.club.clubName << "][" << c.club.clubId << "][" << c.club.lsv << "][" << c.club.nation << "]\n";
    address("contact", c.club.contact);
    for (const auto& o : c.officials()) {
        out << "official[" << o->surname << "][" << o->firstName << "] " << o->group << " sections";
        for (const std::string& number : o->sectionNumbers)
            out << '[' << number << ']';
        out << " [" << o->wish << "]\n";
    }
    for (const auto& s : c.swimmers()) {
        out << "swimmer[" << s->surname << "][" << s->firstName << "] " << s->yearOfBirth << " ["
            << s->registrationNumber << "][" << (s->sex == Sex::Male ? 'M' : 'W') << ']';
        entries(*s);
    }
    for (const auto& t : c.teams()) {
        out << "team[" << t->teamNumber << "][" << t->teamName << "][" << t->classLabel << ']';
        entries(*t);
    }
    return out.str();
}

}  // namespace natarix::test
