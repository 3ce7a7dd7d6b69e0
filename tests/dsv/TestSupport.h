#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "dsv/Competition.h"
#include "dsv/DsvError.h"

namespace natarix::test {

// Joins the lines with CR LF; the last line gets none, as in the DSV files.
std::string Lines(std::initializer_list<std::string_view> lines);

// The text with the first occurrence of `from` replaced by `to`; a `from`
// that is missing fails the test, so that a table row cannot silently test
// the unchanged text.
std::string Replaced(std::string text, std::string_view from, std::string_view to);

// The message of the DsvError that `action` raises, or "(no error)".
template <typename Action>
std::string ErrorOf(Action&& action)
{
    try {
        action();
    } catch (const DsvError& error) {
        return error.message();
    }
    return "(no error)";
}

// The members of a scoring class that its kind uses.
std::string Describe(const ScoringClass& scoringClass);

// Every member of the model, both sides, in one text: two models compare
// field by field and in set order, and a difference shows as a readable diff.
std::string Dump(const Competition& competition);

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

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path(std::string_view name) const;

private:
    std::string path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, std::string_view bytes);

}  // namespace natarix::test
