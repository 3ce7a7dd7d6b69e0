#pragma once

#include <string>
#include <vector>

#include "dsv678/Document.h"

namespace natarix::dsv678::test {

// A small, complete format-7 definition list, one element per line (lines
// 2 to 16, a comment on line 1), CR LF.
std::string MinimalDefinitionList();

// The warnings as the user sees them.
std::vector<std::string> ShownWarnings(const ReadResult& result);

// How many elements of that name the document holds; -1 without a document.
int CountOf(const ReadResult& result, std::string_view name);

}  // namespace natarix::dsv678::test
