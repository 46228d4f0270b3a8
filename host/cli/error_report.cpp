#include "host/cli/error_report.h"

#include <exception>
#include <iostream>

#include <nlohmann/json.hpp>

#include "host/cli/cli_error.h"
#include "host/cli/translation.h"
#include "platform/automation/error.h"

namespace prefdesk::cli {

namespace {

// The JSON library's own words begin with "[json.exception.KIND.NUMBER] "; what follows is kept.
std::string WithoutLibraryTag(const std::string& text) {
  const size_t tag_end = text.rfind("] ", text.find(' '));
  return text.rfind("[json.exception.", 0) == 0 && tag_end != std::string::npos ? text.substr(tag_end + 2) : text;
}

std::pair<std::string, int> Described() {
  try {
    throw;
  } catch (const CliError& error) {
    return {error.what(), error.Code()};
  } catch (const automation::AutomationError& error) {
    return {"error " + std::to_string(error.Number()) + ": " + error.Description(), kExitFailed};
  } catch (const nlohmann::json::exception& error) {
    return {"the document is not as expected: " + WithoutLibraryTag(error.what()), kExitUsage};
  } catch (const std::exception& error) {
    return {error.what(), kExitFailed};
  } catch (...) {
    return {"unexpected failure", kExitFailed};
  }
}

}  // namespace

std::string OneLine(const std::string& text) {
  std::string line;
  for (char c : text) {
    const bool blank = c == '\n' || c == '\t' || c == '\r' || c == ' ';
    if (blank && (line.empty() || line.back() == ' ')) continue;
    line += blank ? ' ' : c;
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

int ReportLine(const std::string& command, const std::string& message, int code) {
  std::cerr << "prefdesk-host" << (command.empty() ? "" : " " + command) << ": " << Translate(OneLine(message)) << "\n";
  return code;
}

int ReportError(const std::string& command) {
  const auto [message, code] = Described();
  return ReportLine(command, message, code);
}

}  // namespace prefdesk::cli
