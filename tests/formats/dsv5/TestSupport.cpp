#include "TestSupport.h"

#include "dsv5/DefinitionReader.h"

namespace natarix::test {

EntryListReadBack ReadIntoExample(const std::string& text)
{
    EntryListReadBack result{
        DefinitionReader::Parse(ExampleDefinition()).value(), {}, ReadCompleteness::Incomplete, {}};
    const EntryListRead read = EntryListReader::Parse(text, *result.meet, result.entries);
    if (read.ok())
        result.completeness = read.value();
    else
        result.messages.push_back(read.failure());
    return result;
}

}  // namespace natarix::test
