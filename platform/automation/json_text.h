// A small pretty-printing JSON writer (two-space indent) for the records this layer writes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace prefdesk::automation::detail {

// Text as a JSON string literal: quotes, backslash and control characters escaped, valid
// UTF-8 copied as is, each invalid byte replaced by \ufffd.
std::string JsonQuote(std::string_view text);

class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  void Key(std::string_view key);  // inside an object, before each value
  void String(std::string_view value);
  void StringOrNull(std::string_view value);  // null for an empty text
  void Number(int64_t value);
  void Bool(bool value);
  std::string Take() { return std::move(out_) + "\n"; }

 private:
  struct Level {
    bool has_items = false;
  };
  void BeforeValue();
  void Close(char bracket);

  std::string out_;
  std::vector<Level> levels_;
  bool after_key_ = false;
};

}  // namespace prefdesk::automation::detail
