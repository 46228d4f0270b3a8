#include "platform/automation/json_text.h"

#include <cstdio>

namespace prefdesk::automation::detail {
namespace {

// Length of the valid UTF-8 sequence at text[i], or 0 when the byte there starts none.
size_t Utf8SequenceLength(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  size_t length = 0;
  uint32_t min_value = 0;
  uint32_t value = 0;
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) { length = 2; min_value = 0x80; value = lead & 0x1F; }
  else if ((lead & 0xF0) == 0xE0) { length = 3; min_value = 0x800; value = lead & 0x0F; }
  else if ((lead & 0xF8) == 0xF0) { length = 4; min_value = 0x10000; value = lead & 0x07; }
  else return 0;
  if (i + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(i + k) & 0x3F);
  }
  // Overlong forms, surrogates and values beyond U+10FFFF are not valid UTF-8.
  if (value < min_value || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) return 0;
  return length;
}

}  // namespace

std::string JsonQuote(std::string_view text) {
  std::string out = "\"";
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    switch (c) {
      case '"': out += "\\\""; ++i; continue;
      case '\\': out += "\\\\"; ++i; continue;
      case '\b': out += "\\b"; ++i; continue;
      case '\f': out += "\\f"; ++i; continue;
      case '\n': out += "\\n"; ++i; continue;
      case '\r': out += "\\r"; ++i; continue;
      case '\t': out += "\\t"; ++i; continue;
      default: break;
    }
    if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
      ++i;
      continue;
    }
    const size_t length = Utf8SequenceLength(text, i);
    if (length == 0) {
      out += "\\ufffd";
      ++i;
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
  return out + "\"";
}

void JsonWriter::BeforeValue() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (levels_.empty()) return;
  if (levels_.back().has_items) out_ += ',';
  levels_.back().has_items = true;
  out_ += '\n';
  out_.append(levels_.size() * 2, ' ');
}

void JsonWriter::Close(char bracket) {
  const bool had_items = levels_.back().has_items;
  levels_.pop_back();
  if (had_items) {
    out_ += '\n';
    out_.append(levels_.size() * 2, ' ');
  }
  out_ += bracket;
}

void JsonWriter::BeginObject() {
  BeforeValue();
  out_ += '{';
  levels_.push_back(Level{});
}

void JsonWriter::EndObject() { Close('}'); }

void JsonWriter::BeginArray() {
  BeforeValue();
  out_ += '[';
  levels_.push_back(Level{});
}

void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(std::string_view key) {
  BeforeValue();
  out_ += JsonQuote(key);
  out_ += ": ";
  after_key_ = true;
}

void JsonWriter::String(std::string_view value) {
  BeforeValue();
  out_ += JsonQuote(value);
}

void JsonWriter::StringOrNull(std::string_view value) {
  if (!value.empty()) return String(value);
  BeforeValue();
  out_ += "null";
}

void JsonWriter::Number(int64_t value) {
  BeforeValue();
  out_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
}

}  // namespace prefdesk::automation::detail
