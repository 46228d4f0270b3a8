#include "src/storage/sql_literal.h"

#include <charconv>

namespace prefdesk::storage {

std::string SqlInt(int64_t value) { return std::to_string(value); }

std::string SqlNumber(double value) {
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, value);
  return std::string(text, written.ptr);
}

std::string SqlFlag(bool value) { return value ? "1" : "0"; }

std::string SqlText(std::string_view value) {
  std::string text;
  AppendSqlText(text, value);
  return text;
}

void AppendSqlText(std::string& text, std::string_view value) {
  text.reserve(text.size() + value.size() + 2);
  text += '\'';
  for (size_t quote; (quote = value.find('\'')) != std::string_view::npos;) {
    text.append(value.substr(0, quote + 1));
    text += '\'';
    value.remove_prefix(quote + 1);
  }
  text.append(value);
  text += '\'';
}

std::string SqlNull() { return "NULL"; }

std::string SqlTextOrNull(std::string_view value) {
  return value.empty() ? SqlNull() : SqlText(value);
}

}  // namespace prefdesk::storage
