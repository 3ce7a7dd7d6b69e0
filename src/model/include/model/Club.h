#pragma once

#include <string>

#include "model/Address.h"

namespace natarix {

struct Club {
    std::string clubName;
    std::string clubId;
    std::string lsv;  // the whole list item, e.g. "04: Landesschwimmverband Brandenburg"
    std::string nation;
    Address contact;
    // Format 8: the club allows the organiser to collect the fees by direct debit.
    bool directDebitConsent = false;

    bool operator==(const Club&) const = default;
};

}  // namespace natarix
