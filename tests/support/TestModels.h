#pragma once

#include <memory>
#include <string>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"

// The meets and club sides that the tests (and the save loop) build: in code,
// and where a test needs them so, as definition-list and working-file text.
namespace natarix::test {

Section MakeSection(std::string number, std::string date, std::string startTime);
Event MakeEvent(std::string number, std::string sectionNumber, std::string swimmerCount, std::string distance,
                std::string technique, std::string sex);

// The small meet of the entry list example: sections 1 and 2, events 1
// (100 B W), 2 (50 F W) and 10 (4x100 F X), built in code.
std::unique_ptr<MeetDefinition> ExampleMeet();
// The same meet as a definition list.
std::string ExampleDefinition();
// The example's club, one official, one swimmer with two entries and one
// relay team with one entry.
ClubEntries ExampleClubEntries();
// The working file of that club side against the example meet, byte for byte.
std::string ExampleEntryList();

// A meet of many rows for the forms: a title, two sections, individual events
// 1 to 60 and relay events 101 to 110 (4 swimmers each).
std::unique_ptr<MeetDefinition> FormsMeet();
// Club members with `entryCount` entries in consecutive events from `firstEvent`.
Swimmer& AddSwimmer(ClubEntries& entries, const std::string& surname, int entryCount, int firstEvent = 1);
Team& AddTeam(ClubEntries& entries, const std::string& number, int entryCount, int firstEvent = 101);
void AddOfficials(ClubEntries& entries, int count);

}  // namespace natarix::test
