#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace natarix::dsv678 {

struct Unpacked {
    std::string content;
    std::optional<std::string> failure;  // German, for the whole file
};

// The one file a .DSV8z holds; a failure when the archive is broken or holds
// no file or more than one.
Unpacked UnpackSingleFile(std::string_view archive);

}  // namespace natarix::dsv678
