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

namespace {

void DumpAddress(std::ostringstream& out, const char* name, const Address& a)
{
    out << name << ':';
    for (const std::string* field : {&a.name, &a.street, &a.postcode, &a.town, &a.country, &a.phone, &a.fax, &a.email})
        out << '[' << *field << ']';
    out << '\n';
}

void DumpEntries(std::ostringstream& out, const Entrant& p)
{
    for (const auto& [number, time] : p.entries)
        out << " [" << number << '=' << time << ']';
    out << '\n';
}

}  // namespace

std::string Dump(const MeetDefinition& meet)
{
    std::ostringstream out;
    out << "title[" << meet.title << "] place[" << meet.place << "] pool[" << meet.poolLength << "] timing["
        << meet.timing << "] online[" << meet.onlineInvitation << "] deadline[" << meet.entryDeadlineDate.text() << "]["
        << meet.entryDeadlineTime << "] remarks[" << meet.remarks << "] fees " << meet.flatFee << ' '
        << meet.individualFee << ' ' << meet.relayFee << '\n';
    DumpAddress(out, "venue", meet.venue);
    DumpAddress(out, "entryAddress", meet.entryAddress);
    for (const auto& [key, s] : meet.sections())
        out << "section[" << s.number << "][" << s.date.text() << "][" << s.startTime << "][" << s.admission << "]\n";
    for (const auto& [key, e] : meet.events()) {
        out << "event[" << e.number << "][" << e.sectionNumber << "][" << e.swimmerCount << "][" << e.distance << "]["
            << e.technique << "][" << e.sex << "] fee " << e.hasOwnFee << ' ' << e.ownFee << '\n';
        for (const ScoringClass& k : e.scoringClasses)
            out << "  class " << Describe(k) << '\n';
    }
    return out.str();
}

std::string Dump(const ClubEntries& entries)
{
    std::ostringstream out;
    out << "club[" << entries.club.clubName << "][" << entries.club.clubId << "][" << entries.club.lsv << "]["
        << entries.club.nation << "]\n";
    DumpAddress(out, "contact", entries.club.contact);
    for (const auto& o : entries.officials()) {
        out << "official[" << o->surname << "][" << o->firstName << "] " << o->group << " sections";
        for (const std::string& number : o->sectionNumbers)
            out << '[' << number << ']';
        out << " [" << o->wish << "]\n";
    }
    for (const auto& s : entries.swimmers()) {
        out << "swimmer[" << s->surname << "][" << s->firstName << "] " << s->yearOfBirth << " ["
            << s->registrationNumber << "][" << (s->sex == Sex::Male ? 'M' : 'W') << ']';
        DumpEntries(out, *s);
    }
    for (const auto& t : entries.teams()) {
        out << "team[" << t->teamNumber << "][" << t->teamName << "][" << t->classLabel << ']';
        DumpEntries(out, *t);
    }
    return out.str();
}

}  // namespace natarix::test
