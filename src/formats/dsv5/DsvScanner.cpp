#include "dsv5/DsvScanner.h"

#include <algorithm>
#include <cstring>

#include "codec/Cp1252.h"
#include "model/DsvError.h"

namespace natarix {

DsvScanner::DsvScanner(std::string buffer) : buffer_(std::move(buffer)), end_(buffer_.size()) {}

bool DsvScanner::IsBlankAt(std::size_t index) const
{
    const char c = buffer_[index];
    return c == ' ' || c == '\n' || c == '\r';
}

bool DsvScanner::StartsAt(std::size_t index, std::string_view text) const
{
    if (end_ - index < text.size())
        return false;
    // The texts are a few bytes long; a library call would cost more than the loop.
    for (std::size_t i = 0; i < text.size(); ++i)
        if (buffer_[index + i] != text[i])
            return false;
    return true;
}

void DsvScanner::SkipBlanks()
{
    // A comment is skipped only when a blank follows it; one that directly
    // follows another comment starts the next item.
    do {
        while (position_ < end_ && IsBlankAt(position_))
            ++position_;
        SkipComment();
    } while (position_ < end_ && IsBlankAt(position_));
}

namespace {
[[noreturn]] void ThrowCommentEndNotFound()
{
    throw DsvError("comment end not found");
}
}  // namespace

void DsvScanner::SkipComment()
{
    if (!StartsAt(position_, "(*"))
        return;
    // An open comment fails where it starts, not at the end of the file.
    std::size_t index = position_ + 2;
    while (end_ - index >= 2 && !StartsAt(index, "*)"))
        ++index;
    if (end_ - index < 2) {
        lastItem_ = position_;
        ThrowCommentEndNotFound();
    }
    position_ = index + 2;
}

void DsvScanner::EatFixString(std::string_view expected)
{
    SkipBlanks();
    lastItem_ = position_;
    if (expected.size() > end_ - position_)
        throw DsvError("eatFixString out of buffer");
    if (!StartsAt(position_, expected))
        throw DsvError(std::string(expected) + " not found by EatFixString");
    position_ += expected.size();
}

std::size_t DsvScanner::FieldLengthAtPosition() const
{
    const char* start = buffer_.data() + position_;
    const auto* semicolon = static_cast<const char*>(std::memchr(start, ';', end_ - position_));
    return semicolon == nullptr ? end_ - position_ : static_cast<std::size_t>(semicolon - start);
}

std::string DsvScanner::ReadField()
{
    SkipBlanks();
    lastItem_ = position_;
    const std::size_t length = FieldLengthAtPosition();
    std::string field = buffer_.substr(position_, length);
    position_ = position_ + length < end_ ? position_ + length + 1 : end_;
    return field;
}

std::string DsvScanner::ReadText()
{
    return Cp1252ToUtf8(ReadField());
}

std::string DsvScanner::PeekField()
{
    // Reading the field and stepping back to its first byte leaves the
    // skipped blanks and comments behind, just as this does.
    SkipBlanks();
    return buffer_.substr(position_, FieldLengthAtPosition());
}

bool DsvScanner::NextFieldStartsWith(std::string_view keyword)
{
    SkipBlanks();
    // The cheap test first: most calls ask for a keyword that is not there.
    return StartsAt(position_, keyword) && FieldLengthAtPosition() >= keyword.size();
}

std::size_t DsvScanner::LineOfLastItem() const
{
    const auto begin = buffer_.begin();
    return 1 + static_cast<std::size_t>(std::count(begin, begin + static_cast<std::ptrdiff_t>(lastItem_), '\n'));
}

}  // namespace natarix
