#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace natarix::fuzz {

void Fail(std::string_view what, std::string_view detail)
{
    std::fprintf(stderr, "FINDING: %.*s\n%.*s\n", static_cast<int>(what.size()), what.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

std::string Describe(const Competition& c)
{
    std::ostringstream out;
    const auto address = [&out](const char* name, const Address& a) {
        out << name << ':';
        for (const std::string& field : a.fields)
            out << '[' << field << ']';
        out << '\n';
    };
    const auto participant = [&out](const Participant& p) {
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
            out << "  class " << k.kind << ' ' << k.yearFrom << '-' << k.yearTo << ' ' << k.age << k.orOlder << " ["
                << k.classLetter << "][" << k.mandatoryTime << "] " << k.competitionYear << '\n';
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

std::string AnyText(FuzzedDataProvider& input, std::size_t maxLength)
{
    return input.ConsumeBytesAsString(input.ConsumeIntegralInRange<std::size_t>(0, maxLength));
}

std::string Carryable(std::string_view text, bool trimmedByReader, bool dropCommas)
{
    std::string out;
    for (const char c : text) {
        if (c == ';' || (dropCommas && c == ','))
            continue;
        if (c == '*' && !out.empty() && out.back() == '(')
            continue;
        if (out.empty() && (c == ' ' || c == '\r' || c == '\n'))
            continue;
        out += c;
    }
    if (trimmedByReader)
        while (!out.empty() && (out.back() == ' ' || out.back() == '\t'))
            out.pop_back();
    return out;
}

std::string PositiveNumberText(FuzzedDataProvider& input)
{
    static constexpr const char* kPrefixes[] = {"", "", "0", "00", "+", "\t"};
    std::string text = kPrefixes[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kPrefixes) - 1)];
    text += std::to_string(input.ConsumeIntegralInRange<std::uint64_t>(1, 99999999999ULL));
    if (input.ConsumeBool())
        text += Carryable(AnyText(input, 6), false);
    return text;
}

}  // namespace natarix::fuzz
