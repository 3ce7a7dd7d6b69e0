#include "dsv678/Decoding.h"

#include <cstdint>
#include <cstring>

#include "codec/Cp1252.h"
#include "codec/Utf8.h"

namespace natarix::dsv678 {

std::string_view WithoutByteOrderMark(std::string_view bytes)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    return bytes;
}

bool IsValidUtf8(std::string_view bytes)
{
    std::size_t index = 0;
    while (index < bytes.size()) {
        // Most of a list is ASCII, which needs no decoding: eight bytes at a time.
        std::uint64_t word = 0;
        if (bytes.size() - index >= sizeof word) {
            std::memcpy(&word, bytes.data() + index, sizeof word);
            if ((word & 0x8080808080808080ULL) == 0) {
                index += sizeof word;
                continue;
            }
        }
        if (static_cast<unsigned char>(bytes[index]) < 0x80)
            ++index;
        else if (!DecodeUtf8(bytes, index))
            return false;
    }
    return true;
}

DecodedText DecodeFileText(std::string_view bytes)
{
    bytes = WithoutByteOrderMark(bytes);
    if (IsValidUtf8(bytes))
        return {std::string(bytes), false};
    // Formats 7 and 8 are UTF-8; older producers of format 6 wrote Windows-1252.
    return {Cp1252ToUtf8(bytes), true};
}

}  // namespace natarix::dsv678
