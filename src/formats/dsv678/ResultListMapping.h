#pragma once

#include <vector>

#include "dsv678/Document.h"
#include "model/SwimResult.h"

namespace natarix::dsv678 {

// What a validated Wettkampfergebnisliste or Vereinsergebnisliste holds for
// entry times: each valid individual swim and each relay's first leg, with
// the event, pool and date it was swum in. A result that cannot be placed
// (its event, section or swimmer missing) or whose validity is in doubt is
// passed over with a warning in `warnings`.
ResultList MapResultList(const Document& document, std::vector<Diagnostic>& warnings);

}  // namespace natarix::dsv678
