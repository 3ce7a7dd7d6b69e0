#pragma once

#include <cstddef>
#include <string>

namespace natarix {

// Where the reading of a file stopped, for the user to look it up.
struct ReadLocation {
    std::string fileName;  // without folder, UTF-8; empty for bytes of no file
    std::size_t line = 0;  // counted from 1; 0 when the failure concerns the whole file

    bool operator==(const ReadLocation&) const = default;
};

// "Datei Bezirk.dsv, Zeile 6"; without a file name only "Zeile 6"; for the
// whole file "Datei Bezirk.dsv".
std::string LocationLine(const ReadLocation& location);

}  // namespace natarix
