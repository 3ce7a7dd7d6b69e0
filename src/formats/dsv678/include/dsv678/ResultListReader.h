#pragma once

#include <string>
#include <string_view>

#include "model/ReadResult.h"
#include "model/SwimResult.h"

namespace natarix::dsv678 {

// Reads a format 6, 7 or 8 Wettkampfergebnisliste or Vereinsergebnisliste
// (or a .DSV8z holding one; its FORMAT line says which): every valid
// individual swim once, however many Wertungen list it, and every relay's
// first leg where a split gives its time, each with its event, pool and the
// date of its section. A list of another kind is refused; a failure names
// `fileName` and the line where the reading stopped; every warning is one
// plain message that names its lines. Never throws.
natarix::ReadResult<ResultList> ReadResultList(std::string_view bytes, const std::string& fileName);

}  // namespace natarix::dsv678
