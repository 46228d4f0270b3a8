// prefdesk-host completion bash: the bash completion script, made from the program's own
// tables (the commands, the options each command's help lists, the setting names), so that it
// cannot drift from the program it completes.
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/help_texts.h"
#include "host/cli/setting_keys.h"

namespace prefdesk::cli {

namespace {

// The commands whose words after the options are setting names.
constexpr const char* kSettingCommands[] = {"get", "set", "describe", "reset"};

struct CommandOptions {
  std::set<std::string> names;                 // with the dashes
  std::map<std::string, std::string> values;   // option -> what its value is: PATH, en|zh, ...
};

// The options a help text lists: every option of its usage lines, and the option that begins
// a line. The word after an option is its value when it is written in capitals or as choices
// (a|b).
CommandOptions OptionsOf(const std::string& help) {
  static const std::regex option(R"((--[a-z][a-z-]*[a-z])( ([A-Z]+|[a-z]+(\|[a-z]+)+))?)");
  CommandOptions found;
  std::istringstream lines(help);
  bool usage = false;
  for (std::string line; std::getline(lines, line);) {
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos) continue;
    usage = line.rfind("usage:", 0) == 0 || (usage && first > 0 && line[first] == '[');
    const bool leads = first > 0 && line.compare(first, 2, "--") == 0;
    if (!usage && !leads) continue;
    const std::string scope = line.substr(first);
    for (std::sregex_iterator it(scope.begin(), scope.end(), option), end; it != end; ++it) {
      found.names.insert((*it)[1].str());
      if ((*it)[3].matched) found.values.emplace((*it)[1].str(), (*it)[3].str());
      if (!usage) break;
    }
  }
  return found;
}

std::string Joined(const std::set<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

// The bash pattern that completes a value of this kind.
std::string ValueCompletion(const std::string& kind) {
  if (kind == "DIR") return "compgen -d -- \"$cur\"";
  if (kind == "PATH" || kind == "FILE" || kind == "F") return "compgen -f -- \"$cur\"";
  if (kind.find('|') != std::string::npos) {
    std::string choices = kind;
    for (char& c : choices) c = c == '|' ? ' ' : c;
    return "compgen -W \"" + choices + "\" -- \"$cur\"";
  }
  return "";  // a number, a name, a connection string: nothing to offer
}

// The bash completion script of the program: its commands, their options, the setting names.
std::string BashCompletion() {
  std::set<std::string> commands;
  std::map<std::string, std::string> value_kinds;  // every option that takes a value
  std::ostringstream per_command;
  for (const Command& command : Commands()) {
    commands.insert(command.name);
    const CommandOptions options = OptionsOf(std::string(command.help) + kDatabaseOptions);
    std::set<std::string> offered = options.names;
    offered.insert("--help");
    per_command << "    " << command.name << ") options=\"" << Joined(offered) << "\" ;;\n";
    value_kinds.insert(options.values.begin(), options.values.end());
  }
  std::set<std::string> settings;
  for (const SettingKey& key : SettingKeys()) settings.insert(key.name);

  std::ostringstream values;
  std::set<std::string> valued;
  for (const auto& [option, kind] : value_kinds) {
    valued.insert(option);
    const std::string completion = ValueCompletion(kind);
    values << "    " << option << ") " << (completion.empty() ? "" : "COMPREPLY=($(" + completion + ")); ")
           << "return ;;\n";
  }
  std::string setting_commands;
  for (const char* name : kSettingCommands) setting_commands += std::string(setting_commands.empty() ? "" : "|") + name;

  std::ostringstream script;
  script << "# bash completion for prefdesk-host (made by: prefdesk-host completion bash)\n"
            "_prefdesk_host() {\n"
            "  local cur=\"${COMP_WORDS[COMP_CWORD]}\" prev=\"${COMP_WORDS[COMP_CWORD-1]}\"\n"
            "  local commands=\"" << Joined(commands) << "\"\n"
            "  local valued=\" " << Joined(valued) << " \"\n"
            "  local command=\"\" words=0 i=1\n"
            "  COMPREPLY=()\n"
            "  # The command is the first word that is not an option or an option's value; the\n"
            "  # words after it that are neither are counted.\n"
            "  while (( i < COMP_CWORD )); do\n"
            "    local word=\"${COMP_WORDS[i]}\"\n"
            "    if [[ $word == -* ]]; then\n"
            "      [[ $valued == *\" ${word%%=*} \"* && $word != *=* ]] && (( i++ ))\n"
            "    elif [[ -z $command ]]; then\n"
            "      command=\"$word\"\n"
            "    else\n"
            "      (( words++ ))\n"
            "    fi\n"
            "    (( i++ ))\n"
            "  done\n"
            "  case \"$prev\" in\n" << values.str() <<
            "  esac\n"
            "  local options=\"\"\n"
            "  case \"$command\" in\n" << per_command.str() <<
            "    \"\") COMPREPLY=($(compgen -W \"$commands --help --version\" -- \"$cur\")); return ;;\n"
            "    *) return ;;\n"
            "  esac\n"
            "  if [[ $cur == -* ]]; then\n"
            "    COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
            "  elif (( words == 0 )); then\n"
            "    case \"$command\" in\n"
            "      " << setting_commands << ") COMPREPLY=($(compgen -W \"" << Joined(settings) << "\" -- \"$cur\")) ;;\n"
            "    esac\n"
            "  fi\n"
            "}\n"
            "complete -F _prefdesk_host prefdesk-host\n";
  return script.str();
}

}  // namespace

int RunCompletion(const Words& words) {
  const CommandLine line = CommandLine::Parse("completion", words, {});
  if (line.Positional().size() != 1 || line.Positional()[0] != "bash") {
    throw CliError(kExitUsage, "completion takes one word: bash (see: prefdesk-host completion --help)");
  }
  std::cout << BashCompletion();
  return kExitOk;
}

}  // namespace prefdesk::cli
