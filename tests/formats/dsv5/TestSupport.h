#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ModelDump.h"
#include "TestFiles.h"
#include "TestTexts.h"
#include "dsv5/EntryListReader.h"
#include "model/Competition.h"
#include "model/Messages.h"

namespace natarix::test {

Section MakeSection(std::string number, std::string date, std::string startTime);
Event MakeEvent(std::string number, std::string sectionNumber, std::string swimmerCount, std::string distance,
                std::string technique, std::string sex);

// The competition of the entry list example: sections 1 and 2, events 1
// (100 B W), 2 (50 F W) and 10 (4x100 F X), built in code.
std::unique_ptr<Competition> ExampleCompetition();
// The same competition as a definition list.
std::string ExampleDefinition();
// The example's club, one official, one swimmer with two entries and one
// relay team with one entry.
void AddExampleClubSide(Competition& competition);
// The entry list of that model, byte for byte, in the working-file form.
std::string ExampleEntryList();

struct EntryListReadBack {
    std::unique_ptr<Competition> competition;
    ReadCompleteness completeness;  // Incomplete after a failure too
    std::vector<Message> messages;  // the failure, if any
};
// Reads an entry list into a fresh competition of the example definition.
EntryListReadBack ReadIntoExample(const std::string& text);

}  // namespace natarix::test
