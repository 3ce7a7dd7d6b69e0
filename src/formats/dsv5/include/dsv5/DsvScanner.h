#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace natarix {

// Walks the bytes of one DSV file front to back: skips blanks and comments,
// consumes expected keywords and cuts fields at ";". Every failure is raised
// as a DsvError and leaves the scanner where it stood.
class DsvScanner {
public:
    explicit DsvScanner(std::string buffer = {});

    void SkipBlanks();
    void SkipComment();
    void EatFixString(std::string_view expected);
    std::string ReadField();
    // The next field decoded from Windows-1252 into UTF-8, as the model keeps
    // its texts; lossless, so that the writer gives back every byte.
    std::string ReadText();
    std::string PeekField();
    bool NextFieldStartsWith(std::string_view keyword);

    std::size_t position() const { return position_; }
    std::size_t end() const { return end_; }

    // The line (from 1) of the field or keyword taken last, or of the place
    // where the scanner failed: where a reader that stops there stopped.
    // Counted only when asked, so that reading stays a single pass.
    std::size_t LineOfLastItem() const;

private:
    bool IsBlankAt(std::size_t index) const;
    bool StartsAt(std::size_t index, std::string_view text) const;
    // Bytes from `position` up to the next ";" or the end.
    std::size_t FieldLengthAtPosition() const;

    std::string buffer_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    // Where the item taken last starts. Looking ahead leaves it, so that a
    // value refused after a look at the next line is still found on its own.
    std::size_t lastItem_ = 0;
};

}  // namespace natarix
