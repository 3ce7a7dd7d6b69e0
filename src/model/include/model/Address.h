#pragma once

#include <string>

namespace natarix {

// The eight texts of an address line, in the order the lists give them.
struct Address {
    std::string name;
    std::string street;
    std::string postcode;
    std::string town;
    std::string country;
    std::string phone;
    std::string fax;
    std::string email;

    bool operator==(const Address&) const = default;
};

}  // namespace natarix
