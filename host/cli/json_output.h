// JSON of the host program, written and read with nlohmann::json. Objects keep the order in
// which their keys were put.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace prefdesk::cli {

using Json = nlohmann::ordered_json;

// Indented (two spaces) when stdout is a terminal, one line otherwise; a line end after it.
void PrintJson(const Json& value);
// Always indented: documents meant to be kept and compared.
std::string IndentedJson(const Json& value);
// The document in text, read from name; text that is not JSON raises CliError(kExitUsage)
// saying where (line and column) and what is wrong, in our words.
Json ParseDocument(const std::string& text, const std::string& name);

}  // namespace prefdesk::cli
