#include "model/Participant.h"

#include <algorithm>

namespace natarix {

std::string Entrant::EntryTime(std::string_view eventNumber) const
{
    const auto entry = entries.find(eventNumber);
    return entry == entries.end() ? std::string() : entry->second;
}

void Entrant::SetEntry(const std::string& eventNumber, const std::string& entryTime)
{
    // Erasing first lets the new number text ("7") replace an equal one ("07").
    if (const auto entry = entries.find(eventNumber); entry != entries.end())
        entries.erase(entry);
    if (!entryTime.empty())
        entries.emplace(eventNumber, entryTime);
}

bool IsKnownDsvId(std::string_view id)
{
    return id.size() == 6 && id != "000000" &&
           std::all_of(id.begin(), id.end(), [](char c) { return c >= '0' && c <= '9'; });
}

const Entrant& EntrantOf(ParticipantRef participant)
{
    return std::visit([](const auto* p) -> const Entrant& { return *p; }, participant);
}

}  // namespace natarix
