#pragma once

#include <memory>
#include <string>

#include "model/Competition.h"

namespace natarix::reliability {

// The two models that the save loop writes in turn: the same competition
// with clubs of different size and content, so that a file holding parts of
// both matches neither.
std::unique_ptr<Competition> SaveLoopModel(int which);

// The working file of SaveLoopModel(which), byte for byte.
std::string SaveLoopText(int which);

}  // namespace natarix::reliability
