// A strict reader of the JSON that prefdesk-host prints, so that tests check it parses and
// look values up by key instead of by position in the text. Throws std::runtime_error with
// the offset of the first fault.
#pragma once

#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace prefdesk::cli_test {

struct Json {
  enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject };
  Kind kind = Kind::kNull;
  bool boolean = false;
  double number = 0;
  std::string text;
  std::vector<Json> items;
  std::map<std::string, Json> fields;

  const Json& operator[](const std::string& key) const {
    const auto found = fields.find(key);
    if (kind != Kind::kObject || found == fields.end()) throw std::runtime_error("no key " + key);
    return found->second;
  }
  const Json& operator[](size_t index) const {
    if (kind != Kind::kArray || index >= items.size()) throw std::runtime_error("no item " + std::to_string(index));
    return items[index];
  }
};

class JsonReader {
 public:
  static Json Parse(const std::string& text) {
    JsonReader reader(text);
    Json value = reader.Value();
    reader.Blanks();
    if (reader.at_ != text.size()) reader.Fail("text after the value");
    return value;
  }

 private:
  explicit JsonReader(const std::string& text) : text_(text) {}

  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error("JSON at " + std::to_string(at_) + ": " + what);
  }
  void Blanks() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\t' || text_[at_] == '\r')) {
      ++at_;
    }
  }
  bool Take(char c) {
    Blanks();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }
  void Expect(char c) {
    if (!Take(c)) Fail(std::string("expected '") + c + "'");
  }
  bool Word(const char* word) {
    const std::string w(word);
    if (text_.compare(at_, w.size(), w) != 0) return false;
    at_ += w.size();
    return true;
  }

  std::string String() {
    Expect('"');
    std::string out;
    while (true) {
      if (at_ >= text_.size()) Fail("unterminated string");
      const char c = text_[at_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) Fail("control character in a string");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) Fail("unterminated escape");
      const char e = text_[at_++];
      switch (e) {
        case '"': case '\\': case '/': out += e; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'u': {
          if (at_ + 4 > text_.size()) Fail("short \\u escape");
          const unsigned code = std::stoul(text_.substr(at_, 4), nullptr, 16);
          at_ += 4;
          if (code >= 0xD800 && code < 0xE000) Fail("surrogate escapes are not expected here");
          if (code < 0x80) {
            out += static_cast<char>(code);
          } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
          } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
          }
          break;
        }
        default: Fail(std::string("bad escape \\") + e);
      }
    }
  }

  Json Value() {
    Blanks();
    if (at_ >= text_.size()) Fail("no value");
    Json value;
    const char c = text_[at_];
    if (c == '{') {
      value.kind = Json::Kind::kObject;
      ++at_;
      if (Take('}')) return value;
      do {
        Blanks();
        const std::string key = String();
        Expect(':');
        if (!value.fields.emplace(key, Value()).second) Fail("key " + key + " twice");
      } while (Take(','));
      Expect('}');
    } else if (c == '[') {
      value.kind = Json::Kind::kArray;
      ++at_;
      if (Take(']')) return value;
      do value.items.push_back(Value());
      while (Take(','));
      Expect(']');
    } else if (c == '"') {
      value.kind = Json::Kind::kString;
      value.text = String();
    } else if (Word("true") || Word("false")) {
      value.kind = Json::Kind::kBool;
      value.boolean = text_[at_ - 1] == 'e' && text_[at_ - 2] == 'u';
    } else if (Word("null")) {
      value.kind = Json::Kind::kNull;
    } else {
      const char* start = text_.c_str() + at_;
      char* end = nullptr;
      value.number = std::strtod(start, &end);
      if (end == start || c == '+' || c == '.') Fail("not a value");
      value.kind = Json::Kind::kNumber;
      at_ += static_cast<size_t>(end - start);
    }
    return value;
  }

  const std::string& text_;
  size_t at_ = 0;
};

}  // namespace prefdesk::cli_test
