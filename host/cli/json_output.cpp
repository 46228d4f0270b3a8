#include "host/cli/json_output.h"

#include <cstdio>
#include <iostream>
#include <set>
#include <string>
#include <vector>
#include <unistd.h>

#include "host/cli/cli_error.h"

namespace prefdesk::cli {

namespace {

// Invalid UTF-8 in a stored text becomes U+FFFD instead of failing the whole output.
std::string Dump(const Json& value, int indent) {
  return value.dump(indent, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

// What the reader met at the byte where it stopped (1-based; past the end when the text ran out).
std::string Fault(const std::string& text, size_t byte) {
  if (text.find_first_not_of(" \t\r\n") == std::string::npos) return "there is no document, the text is empty";
  if (byte > text.size()) return "the document ends before it is complete";
  const auto c = static_cast<unsigned char>(text[byte - 1]);
  if (c < 0x20 || c >= 0x7F) {
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", c);
    return std::string("unexpected byte ") + code + " (a control character or not UTF-8 where a text is read)";
  }
  return std::string("unexpected '") + static_cast<char>(c) + "'";
}

}  // namespace

Json ParseDocument(const std::string& text, const std::string& name) {
  // Each object's keys are told apart: a key given twice would leave only its last value.
  std::vector<std::set<std::string>> keys;
  const auto each_key = [&](int, Json::parse_event_t event, Json& parsed) {
    if (event == Json::parse_event_t::object_start) keys.emplace_back();
    if (event == Json::parse_event_t::object_end) keys.pop_back();
    if (event == Json::parse_event_t::key && !keys.back().insert(parsed.get<std::string>()).second) {
      throw CliError(kExitUsage, name + " gives the key '" + parsed.get<std::string>() +
                                     "' twice in one object; nothing written");
    }
    return true;
  };
  try {
    return Json::parse(text, each_key);
  } catch (const Json::parse_error& error) {
    const size_t byte = error.byte == 0 ? 1 : error.byte;
    size_t line = 1, column = 1;
    for (size_t i = 0; i + 1 < byte && i < text.size(); ++i) {
      if (text[i] == '\n') {
        ++line;
        column = 1;
      } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
        ++column;
      }
    }
    throw CliError(kExitUsage, name + " is not a JSON document: line " + std::to_string(line) + ", column " +
                                   std::to_string(column) + ": " + Fault(text, byte));
  }
}

void PrintJson(const Json& value) { std::cout << Dump(value, isatty(STDOUT_FILENO) ? 2 : -1); }

std::string IndentedJson(const Json& value) { return Dump(value, 2); }

}  // namespace prefdesk::cli
