#include "src/appearance/left_by_width.h"

namespace prefdesk::appearance {
namespace {

// Length in bytes of the UTF-8 sequence at the start of text, or 1 for an invalid one.
size_t SequenceLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  size_t length = 1;
  if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  } else if (lead >= 0xE0) {
    length = lead <= 0xEF ? 3 : 1;
  } else if (lead >= 0xC2) {
    length = 2;
  }
  if (length > text.size()) return 1;
  for (size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

}  // namespace

int CharWidth(char32_t code_point) { return code_point < 0x80 ? 1 : 2; }

std::string LeftByWidth(std::string_view text, int32_t max_width) {
  size_t end = 0;
  int32_t width = 0;
  while (end < text.size()) {
    const size_t length = SequenceLength(text.substr(end));
    const char32_t first = static_cast<unsigned char>(text[end]);
    width += CharWidth(length == 1 && first < 0x80 ? first : 0x80);
    if (width > max_width) break;
    end += length;
  }
  return std::string(text.substr(0, end));
}

}  // namespace prefdesk::appearance
