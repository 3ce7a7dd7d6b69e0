#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace natarix {

// Decodes one UTF-8 sequence at `index`, strictly (no overlong forms, no
// surrogates); advances `index`. nullopt on a malformed sequence.
std::optional<char32_t> DecodeUtf8(std::string_view utf8, std::size_t& index);

// The text with every byte that starts no UTF-8 character replaced by "?",
// for texts from outside (paths) that become message texts.
std::string MendUtf8(std::string_view text);

}  // namespace natarix
