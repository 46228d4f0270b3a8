#include <fstream>
#include <map>
#include <sstream>

#include "host/cli/cli_error.h"
#include "host/cli/user_script.h"

namespace prefdesk::cli {

namespace {

struct Arity {
  size_t min;
  size_t max;
  const char* usage;
};

const std::map<std::string, Arity>& Verbs() {
  static const std::map<std::string, Arity> verbs = {
      {"tab", {1, 1, "tab CAPTION|INDEX"}},
      {"click", {2, 2, "click LIST ITEM"}},
      {"choose", {2, 2, "choose LIST ITEM"}},
      {"check", {2, 3, "check LIST ITEM [on|off]"}},
      {"move", {3, 3, "move LIST ITEM top|up|down|bottom"}},
      {"type", {2, 2, "type TEXTBOX TEXT"}},
      {"press", {1, 1, "press BUTTON"}},
      {"answer", {2, 2, "answer msgbox BUTTON | answer input TEXT"}},
      {"ok", {0, 0, "ok"}},
      {"cancel", {0, 0, "cancel"}},
  };
  return verbs;
}

const char* const kAnswers[] = {"ok", "cancel", "abort", "retry", "ignore", "yes", "no"};

// Splits a line into words; '#' outside quotes ends it.
std::vector<std::string> Words(const std::string& line, std::string& problem) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
      ++i;
      continue;
    }
    if (line[i] == '#') break;
    std::string word;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < line.size()) c = line[i++];
        word += c;
      }
      if (!closed) {
        problem = "unterminated quote";
        return {};
      }
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word += line[i++];
    }
    words.push_back(word);
  }
  return words;
}

std::string Check(const ScriptAction& action) {
  const auto verb = Verbs().find(action.verb);
  if (verb == Verbs().end()) return "unknown action '" + action.verb + "'";
  const Arity& arity = verb->second;
  if (action.words.size() < arity.min || action.words.size() > arity.max) {
    return std::string("expected: ") + arity.usage;
  }
  const auto& w = action.words;
  if (action.verb == "check" && w.size() == 3 && w[2] != "on" && w[2] != "off") {
    return "a check mark is on or off, not '" + w[2] + "'";
  }
  if (action.verb == "move" && w[2] != "top" && w[2] != "up" && w[2] != "down" && w[2] != "bottom") {
    return "a move is top, up, down or bottom, not '" + w[2] + "'";
  }
  if (action.verb == "answer") {
    if (w[0] == "input") return "";
    if (w[0] != "msgbox") return "answer msgbox or answer input, not '" + w[0] + "'";
    for (const char* answer : kAnswers) {
      if (w[1] == answer) return "";
    }
    return "a message box answer is ok, cancel, abort, retry, ignore, yes or no";
  }
  return "";
}

}  // namespace

UserScript UserScript::Load(const std::filesystem::path& file) {
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) throw CliError(kExitScript, file.string() + ": a folder, not a script");
  std::ifstream in(file, std::ios::binary);
  if (!in) throw CliError(kExitScript, file.string() + ": cannot read the script");
  // Read at most one byte more than a script may have, so that an endless input such as
  // /dev/zero stops at the bound.
  std::string text(kMaxScriptBytes + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  if (text.size() > kMaxScriptBytes) {
    throw CliError(kExitScript, file.string() + ": larger than " + std::to_string(kMaxScriptBytes >> 10) + " KB; not a script");
  }
  return Parse(text, file.string());
}

UserScript UserScript::Parse(const std::string& text, const std::string& file_name) {
  UserScript script;
  script.file_name_ = file_name;
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  bool closed = false;
  while (std::getline(lines, line)) {
    ++number;
    const auto fail = [&](const std::string& message) {
      throw CliError(kExitScript, file_name + ":" + std::to_string(number) + ": " + message);
    };
    if (number == 1 && line.starts_with("\xEF\xBB\xBF")) fail("begins with a byte-order mark; save the script as UTF-8 without one");
    if (line.find('\0') != std::string::npos) fail("holds a NUL byte; a script is text");
    if (line.size() > kMaxLineBytes) fail("longer than " + std::to_string(kMaxLineBytes) + " bytes");
    std::string problem;
    std::vector<std::string> words = Words(line, problem);
    if (!problem.empty()) fail(problem);
    if (words.empty()) continue;
    if (closed) fail("nothing can follow ok or cancel: the window is closed");
    ScriptAction action{number, words[0], {words.begin() + 1, words.end()}};
    if (const std::string error = Check(action); !error.empty()) fail(error);
    closed = action.verb == "ok" || action.verb == "cancel";
    script.actions_.push_back(std::move(action));
  }
  return script;
}

}  // namespace prefdesk::cli
