#pragma once

// UTF-8 as the result documents and batch files carry it.

#include <cstddef>
#include <string_view>

namespace levora::report {

/// The length of the UTF-8 sequence that `text` starts with (1 to 4), or 0
/// when it is not a valid one: an overlong form, a surrogate, a code point
/// above U+10FFFF, a stray continuation byte, a truncated sequence, or no text.
[[nodiscard]] std::size_t utf8SequenceLength(std::string_view text);

/// Whether the whole text is valid UTF-8.
[[nodiscard]] bool isUtf8(std::string_view text);

} // namespace levora::report
