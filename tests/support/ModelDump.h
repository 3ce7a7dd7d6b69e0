#pragma once

#include <string>

#include "model/Competition.h"

namespace natarix::test {

// The members of a scoring class that its kind uses.
std::string Describe(const ScoringClass& scoringClass);

// Every member of the model, both sides, in one text: two models compare
// field by field and in set order, and a difference shows as a readable diff.
std::string Dump(const Competition& competition);

}  // namespace natarix::test
