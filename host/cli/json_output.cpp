#include "host/cli/json_output.h"

#include <iostream>
#include <unistd.h>

namespace prefdesk::cli {

namespace {

// Invalid UTF-8 in a stored text becomes U+FFFD instead of failing the whole output.
std::string Dump(const Json& value, int indent) {
  return value.dump(indent, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace

void PrintJson(const Json& value) { std::cout << Dump(value, isatty(STDOUT_FILENO) ? 2 : -1); }

std::string IndentedJson(const Json& value) { return Dump(value, 2); }

}  // namespace prefdesk::cli
