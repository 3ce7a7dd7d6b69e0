#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dsv678/Document.h"

namespace natarix::dsv678 {

// Blanks and tabs at both ends removed; the DSV standard allows them
// around every attribute.
std::string_view Trim(std::string_view text);

// ASCII letters in capitals; element names and value lists are ASCII.
std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The warnings of one reading: each text once, at its first line, with the
// number of further lines. Texts are found by their hash, as a hostile file
// can give a new text on each of a million lines; past kMostWarningTexts
// texts one last warning counts the lines of all further ones.
class WarningList {
public:
    // Adds to `warnings`, which may hold some already.
    explicit WarningList(std::vector<Diagnostic>& warnings);

    void Add(std::size_t line, std::string text);

private:
    std::vector<Diagnostic>& warnings_;
    std::unordered_multimap<std::size_t, std::size_t> indexByHash_;
};

// A name or value from the file as messages show it: at most
// kLongestShownText characters, a longer one cut with "…".
std::string Shortened(std::string_view text);

// „text“: how messages quote what the file holds, shortened.
std::string Quoted(std::string_view text);

}  // namespace natarix::dsv678
