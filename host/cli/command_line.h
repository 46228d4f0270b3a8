// The words after the command name: options (--name VALUE, --name=VALUE, or a bare --flag)
// and positional words. Each command lists the options it accepts; anything else is a usage
// error that names the command.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace prefdesk::cli {

struct OptionSpec {
  std::string name;  // without the leading dashes
  bool takes_value = false;
};

// The options every command that opens the databases accepts.
std::vector<OptionSpec> DatabaseOptions();

// The option of accepted that word ("--name" or "--name=VALUE") names; nullptr for any other word.
const OptionSpec* FindOption(const std::vector<OptionSpec>& accepted, const std::string& word);
// How many of the words from words[i] the option there takes: 2 when its value is the next
// word, else 1 (a flag, a value after '=', or a value missing at the end).
size_t OptionWords(const OptionSpec& spec, const std::vector<std::string>& words, size_t i);

class CommandLine {
 public:
  // words: the arguments after the command. With positional_tail, the first positional word
  // ends the options: it and everything after it are positional (invoke's member arguments
  // may begin with a dash).
  static CommandLine Parse(const std::string& command, const std::vector<std::string>& words,
                           const std::vector<OptionSpec>& accepted, bool positional_tail = false);

  const std::string& Command() const { return command_; }
  bool Has(const std::string& name) const;
  std::optional<std::string> Value(const std::string& name) const;
  std::string ValueOr(const std::string& name, const std::string& fallback) const;
  const std::vector<std::string>& Positional() const { return positional_; }

 private:
  std::string command_;
  std::map<std::string, std::string> values_;
  std::set<std::string> flags_;
  std::vector<std::string> positional_;
};

// The value of --user: a whole number from 1 to 32767 (a user id of the server).
int16_t UserOption(const CommandLine& line);

}  // namespace prefdesk::cli
