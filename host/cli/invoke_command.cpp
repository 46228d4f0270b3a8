// invoke: calls members of ClsPrefdesk by name, as a scripting host does, several in one
// process: a property put is seen by the calls after it.
#include <charconv>
#include <iostream>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/error_report.h"
#include "host/cli/session.h"
#include "platform/automation/conversions.h"
#include "platform/automation/dispatch.h"
#include "platform/automation/error.h"
#include "platform/columnsbar/columns_bar.h"
#include "src/component/enumerations.h"

namespace prefdesk::cli {

namespace {

using automation::MemberKind;
using automation::Variant;

struct Call {
  MemberKind kind = MemberKind::Method;
  std::string member;
  std::vector<std::string> words;  // the arguments as written
};

// A word of the command line as an argument: @DataCenter, @BaseConn and @ConnectionString
// stand for the session's objects; whole numbers become Long, other numbers Double, true and
// false Boolean, "-" an omitted (Empty) argument, anything else a String.
Variant Argument(const std::string& word, Session& session) {
  if (word == "@DataCenter") return Variant(automation::ObjectRef(session.Server()));
  if (word == "@BaseConn") return Variant(automation::ObjectRef(session.Local()));
  if (word == "@ConnectionString") return Variant(session.LocalConnectionString());
  if (word == "-") return Variant();
  if (word == "true" || word == "false") return Variant(word == "true");
  const char* end = word.data() + word.size();
  int32_t whole = 0;
  if (auto [stop, error] = std::from_chars(word.data(), end, whole); error == std::errc() && stop == end) {
    return Variant(whole);
  }
  double number = 0;
  if (auto [stop, error] = std::from_chars(word.data(), end, number); error == std::errc() && stop == end) {
    return Variant(number);
  }
  return Variant(word);
}

std::string Show(const Variant& value) {
  if (value.IsEmpty()) return "(empty)";
  if (value.IsNull()) return "(null)";
  if (!value.IsObject()) return automation::CStr(value);
  const automation::ObjectRef* held = value.Get<automation::ObjectRef>();
  if (held == nullptr || *held == nullptr) return "Nothing";
  const automation::ObjectRef& object = *held;
  if (auto bar = std::dynamic_pointer_cast<columnsbar::ColumnsBar>(object)) return "\n" + bar->ToText();
  return "(object " + object->ClassName() + ")";
}

// "NAME(DataCenter As Object, BaseConn As Object, [out] t_X As Long)": what the member takes,
// for the message when the arguments given do not fit.
std::string Signature(const automation::MemberInfo& info) {
  std::string text = info.name + "(";
  for (size_t i = 0; i < info.params.size(); ++i) {
    const automation::ParamInfo& param = info.params[i];
    if (i > 0) text += ", ";
    if (param.direction == automation::ParamDirection::InOut) text += "[out] ";
    text += param.name + " As " + param.type;
  }
  return text + ")";
}

// Splits the words into options (given to CommandLine) and calls, in their order:
// MEMBER [ARG...] | --call MEMBER [ARG...] | --put NAME VALUE | --get NAME. The arguments of a
// method run to the next word that begins with "--"; after "--" every word is an argument.
std::vector<Call> SplitCalls(const Words& words, const std::vector<OptionSpec>& accepted, Words& options) {
  std::vector<Call> calls;
  bool open = false;  // a method call takes the following plain words
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    const auto need = [&](size_t count, const std::string& usage) {
      if (i + count >= words.size()) throw CliError(kExitUsage, word + " needs " + usage + " (see: prefdesk-host invoke --help)");
    };
    if (word == "--") {
      if (!open) throw CliError(kExitUsage, "'--' must follow a MEMBER (see: prefdesk-host invoke --help)");
      calls.back().words.insert(calls.back().words.end(), words.begin() + static_cast<long>(i) + 1, words.end());
      break;
    }
    if (word == "--put") {
      need(2, "NAME VALUE");
      calls.push_back({MemberKind::PropertyPut, words[i + 1], {words[i + 2]}});
      i += 2;
      open = false;
    } else if (word == "--get") {
      need(1, "NAME");
      calls.push_back({MemberKind::PropertyGet, words[i + 1], {}});
      i += 1;
      open = false;
    } else if (word == "--call") {
      need(1, "MEMBER");
      calls.push_back({MemberKind::Method, words[++i], {}});
      open = true;
    } else if (word.rfind("--", 0) == 0 && word.size() > 2) {
      // An option CommandLine does not accept is passed on alone, for it to refuse.
      const OptionSpec* spec = FindOption(accepted, word);
      const size_t count = spec ? OptionWords(*spec, words, i) : 1;
      options.insert(options.end(), words.begin() + static_cast<long>(i), words.begin() + static_cast<long>(i + count));
      i += count - 1;
      open = false;
    } else if (open) {
      calls.back().words.push_back(word);
    } else {
      calls.push_back({MemberKind::Method, word, {}});
      open = true;
    }
  }
  return calls;
}

// Runs one call and prints its result and output parameters; false when the member's own
// Boolean result says it failed.
bool Run(const Call& call, Session& session) {
  auto& prefdesk = session.Prefdesk();
  const automation::MemberInfo* info = prefdesk.Members().Find(call.member, call.kind);
  if (info == nullptr && call.kind == MemberKind::Method) info = prefdesk.Members().Find(call.member, MemberKind::PropertyGet);
  if (info == nullptr && call.kind == MemberKind::PropertyPut) info = prefdesk.Members().Find(call.member, MemberKind::PropertyPutRef);
  if (info == nullptr) throw CliError(kExitUsage, "ClsPrefdesk has no member '" + call.member + "'" +
                                                      (call.kind == MemberKind::PropertyPut ? " to put" : ""));
  automation::Arguments args;
  for (const std::string& word : call.words) args.push_back(Argument(word, session));
  // Output parameters left off are passed as Empty, so a reader needs only its inputs.
  while (args.size() < info->params.size() && info->params[args.size()].direction == automation::ParamDirection::InOut) {
    args.emplace_back();
  }
  Variant result;
  try {
    result = prefdesk.Invoke(info->name, info->kind, args);
  } catch (const automation::AutomationError& error) {
    std::string message = call.member + " raised error " + std::to_string(error.Number()) + ": " + error.Description();
    if (error.Number() == automation::kErrTypeMismatch || error.Number() == automation::kErrWrongArgumentCount) {
      message += "; it takes " + Signature(*info);
    }
    throw CliError(kExitFailed, message);
  }
  for (const std::string& message : session.TakeMessages()) std::cerr << "message: " << OneLine(message) << "\n";
  if (info->kind == MemberKind::PropertyPut || info->kind == MemberKind::PropertyPutRef) {
    std::cout << info->name << " := " << Show(args.empty() ? Variant() : args[0]) << "\n";
    return true;
  }
  if (!info->result_type.empty()) std::cout << info->name << " = " << Show(result) << "\n";
  for (size_t i = 0; i < info->params.size() && i < args.size(); ++i) {
    if (info->params[i].direction == automation::ParamDirection::InOut) {
      std::cout << info->params[i].name << " = " << Show(args[i]) << "\n";
    }
  }
  // A method's Boolean result is its error flag: True means it failed.
  return !(info->kind == MemberKind::Method && info->result_type == "Boolean" && result.Get<bool>() != nullptr && *result.Get<bool>());
}

}  // namespace

int RunInvoke(const Words& words) {
  std::vector<OptionSpec> accepted = DatabaseOptions();
  accepted.push_back({"user", true});
  Words option_words;
  const std::vector<Call> calls = SplitCalls(words, accepted, option_words);
  const CommandLine line = CommandLine::Parse("invoke", option_words, accepted);
  if (calls.empty()) throw CliError(kExitUsage, "invoke needs a MEMBER (see: prefdesk-host invoke --help)");
  Session session(line, line.Value("user") ? UserOption(line) : 1);
  bool failed_save = false;
  session.Prefdesk().Advise([&](int32_t, const automation::Arguments& args) {
    const int32_t outcome = args.empty() ? -1 : automation::CLng(args[0]);
    std::cout << "event OptionSuccess = " << OutcomeName(outcome) << " (" << outcome << ")\n";
    failed_save = failed_save || outcome == component::E_OptionFail;
  });
  bool ok = true;
  for (const Call& call : calls) ok = Run(call, session) && ok;
  if (calls.back().kind == MemberKind::PropertyPut) {
    std::cerr << "note: a property put lives in this process only; nothing was stored "
                 "(follow it with --get or a call, or store a setting with: prefdesk-host set)\n";
  }
  return ok && !failed_save ? kExitOk : kExitFailed;
}

}  // namespace prefdesk::cli
