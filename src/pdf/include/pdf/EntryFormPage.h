#pragma once

#include <cstdint>
#include <string>

namespace natarix {

// Cents as euros, a comma and two digits of cents, without thousands
// separator or currency sign: 5 -> "0,05", 123456 -> "1234,56". A negative
// amount gets a leading "-".
std::string FormatAmount(std::int64_t cents);

// Fee arithmetic on amounts and counts that are not negative: held at the
// largest 64-bit value instead of overflowing.
std::int64_t SaturatingProduct(std::int64_t amount, std::int64_t count);
std::int64_t SaturatingSum(std::int64_t a, std::int64_t b);

}  // namespace natarix
