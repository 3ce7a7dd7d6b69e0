#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "dsv678/Document.h"

namespace natarix::dsv678 {

// Blanks and tabs at both ends removed; the DSV standard allows them
// around every attribute.
std::string_view Trim(std::string_view text);

// ASCII letters in capitals; element names and value lists are ASCII.
std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Adds a warning, or counts one more line for a warning of the same text.
void AddWarning(std::vector<Diagnostic>& warnings, std::size_t line, std::string text);

// „text“: how messages quote what the file holds.
std::string Quoted(std::string_view text);

}  // namespace natarix::dsv678
