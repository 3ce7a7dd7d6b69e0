#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ModelDump.h"
#include "TestFiles.h"
#include "TestModels.h"
#include "TestTexts.h"
#include "dsv5/EntryListReader.h"
#include "model/Messages.h"

namespace natarix::test {

struct EntryListReadBack {
    std::unique_ptr<MeetDefinition> meet;
    ClubEntries entries;
    ReadCompleteness completeness;  // Incomplete after a failure too
    std::vector<Message> messages;  // the failure, if any
};
// Reads an entry list into a fresh club side against the example definition.
EntryListReadBack ReadIntoExample(const std::string& text);

}  // namespace natarix::test
