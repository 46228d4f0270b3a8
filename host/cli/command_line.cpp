#include "host/cli/command_line.h"

#include <algorithm>
#include <charconv>

#include "host/cli/cli_error.h"

namespace prefdesk::cli {

namespace {

[[noreturn]] void Usage(const std::string& command, const std::string& problem) {
  throw CliError(kExitUsage, problem + " (see: prefdesk-host " + command + " --help)");
}

std::string OptionName(const std::string& word) {
  return word.substr(2, word.find('=') == std::string::npos ? std::string::npos : word.find('=') - 2);
}

}  // namespace

std::vector<OptionSpec> DatabaseOptions() {
  return {{"lang", true},   {"server", true},      {"defaults", true},
          {"schema", true}, {"read-server", true}, {"verbose", false}};
}

const OptionSpec* FindOption(const std::vector<OptionSpec>& accepted, const std::string& word) {
  if (word.size() <= 2 || word.rfind("--", 0) != 0) return nullptr;
  const std::string name = OptionName(word);
  const auto spec = std::find_if(accepted.begin(), accepted.end(),
                                 [&](const OptionSpec& s) { return s.name == name; });
  return spec == accepted.end() ? nullptr : &*spec;
}

size_t OptionWords(const OptionSpec& spec, const std::vector<std::string>& words, size_t i) {
  const bool value_follows = spec.takes_value && words[i].find('=') == std::string::npos;
  return value_follows && i + 1 < words.size() ? 2 : 1;
}

CommandLine CommandLine::Parse(const std::string& command, const std::vector<std::string>& words,
                               const std::vector<OptionSpec>& accepted, bool positional_tail) {
  CommandLine line;
  line.command_ = command;
  bool options_done = false;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (options_done || word.size() < 2 || word.rfind("--", 0) != 0) {
      if (word == "-h") {
        line.flags_.insert("help");
        continue;
      }
      line.positional_.push_back(word);
      options_done = options_done || positional_tail;
      continue;
    }
    if (word == "--") {
      options_done = true;
      continue;
    }
    const size_t equals = word.find('=');
    const std::string name = OptionName(word);
    if (name == "help") {
      line.flags_.insert("help");
      continue;
    }
    const OptionSpec* spec = FindOption(accepted, word);
    if (spec == nullptr) Usage(command, "unknown option --" + name + " for '" + command + "'");
    if (!spec->takes_value) {
      if (equals != std::string::npos) Usage(command, "--" + name + " takes no value");
      line.flags_.insert(name);
      continue;
    }
    if (equals != std::string::npos) {
      line.values_[name] = word.substr(equals + 1);
    } else if (OptionWords(*spec, words, i) == 2) {
      line.values_[name] = words[++i];
    } else {
      Usage(command, "--" + name + " needs a value");
    }
  }
  return line;
}

bool CommandLine::Has(const std::string& name) const { return flags_.count(name) > 0; }

std::optional<std::string> CommandLine::Value(const std::string& name) const {
  const auto found = values_.find(name);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

std::string CommandLine::ValueOr(const std::string& name, const std::string& fallback) const {
  return Value(name).value_or(fallback);
}

int16_t UserOption(const CommandLine& line) {
  const std::optional<std::string> text = line.Value("user");
  if (!text) Usage(line.Command(), "'" + line.Command() + "' needs --user N");
  int value = 0;
  const char* end = text->data() + text->size();
  const auto [stop, error] = std::from_chars(text->data(), end, value);
  if (error != std::errc() || stop != end || value < 1 || value > 32767) {
    throw CliError(kExitUnknownUser,
                   "unknown user '" + *text + "': a user id is a whole number from 1 to 32767");
  }
  return static_cast<int16_t>(value);
}

}  // namespace prefdesk::cli
