// The text-width cut used for scheme names: a column of N bytes in the double-byte code page
// holds N ASCII characters or N / 2 others.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace prefdesk::appearance {

// Width of one character: 1 for ASCII, 2 for any other.
int CharWidth(char32_t code_point);

// The longest beginning of the UTF-8 text whose widths add up to at most max_width; the
// character that would pass it and all after it are dropped. A byte that does not start a
// valid UTF-8 sequence counts as one character of width 2. A width below 1 gives "".
std::string LeftByWidth(std::string_view text, int32_t max_width);

}  // namespace prefdesk::appearance
