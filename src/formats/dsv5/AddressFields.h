#pragma once

#include <array>
#include <type_traits>

#include "model/Address.h"

namespace natarix {

// The texts of an address in the order of the list's fields: name, street,
// postcode, town, country, phone, fax, e-mail.
template <typename A>
requires std::is_same_v<std::remove_const_t<A>, Address>
auto AddressFields(A& address)
{
    return std::array{&address.name,    &address.street, &address.postcode, &address.town,
                      &address.country, &address.phone,  &address.fax,      &address.email};
}

}  // namespace natarix
