#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace natarix {

// Eight texts in file order: name, street, postcode, town, country, phone,
// fax, e-mail.
struct Address {
    static constexpr std::size_t kFieldCount = 8;
    enum Field : std::size_t { Name, Street, Postcode, Town, Country, Phone, Fax, Email };

    std::array<std::string, kFieldCount> fields;

    std::string& operator[](std::size_t index) { return fields[index]; }
    const std::string& operator[](std::size_t index) const { return fields[index]; }
    const std::string& name() const { return fields[Name]; }
    const std::string& town() const { return fields[Town]; }
    const std::string& email() const { return fields[Email]; }

    bool operator==(const Address&) const = default;
};

}  // namespace natarix
