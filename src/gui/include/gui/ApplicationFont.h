#pragma once

namespace natarix {

// The program's font, the same on every platform where it is installed, so
// that the form and the rows of the lists are measured on known glyphs.
void SetApplicationFont();

}  // namespace natarix
