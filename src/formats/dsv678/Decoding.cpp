#include "dsv678/Decoding.h"

#include "codec/Cp1252.h"
#include "codec/Utf8.h"

namespace natarix::dsv678 {

namespace {

bool IsValidUtf8(std::string_view bytes)
{
    std::size_t index = 0;
    while (index < bytes.size())
        if (!DecodeUtf8(bytes, index))
            return false;
    return true;
}

}  // namespace

DecodedText DecodeFileText(std::string_view bytes)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    if (IsValidUtf8(bytes))
        return {std::string(bytes), false};
    // Formats 7 and 8 are UTF-8; older producers of format 6 wrote Windows-1252.
    return {Cp1252ToUtf8(bytes), true};
}

}  // namespace natarix::dsv678
