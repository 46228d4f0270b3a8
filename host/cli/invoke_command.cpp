// invoke: calls any member of ClsPrefdesk by name, as a scripting host does.
#include <charconv>
#include <iostream>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/session.h"
#include "platform/automation/conversions.h"
#include "platform/automation/dispatch.h"
#include "platform/automation/error.h"
#include "platform/columnsbar/columns_bar.h"

namespace prefdesk::cli {

namespace {

using automation::Variant;

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

}  // namespace

int RunInvoke(const Words& words) {
  std::vector<OptionSpec> accepted = DatabaseOptions();
  accepted.push_back({"user", true});
  accepted.push_back({"put", false});
  const CommandLine line = CommandLine::Parse("invoke", words, accepted, true);
  if (line.Positional().empty()) throw CliError(kExitUsage, "invoke needs a MEMBER (see: prefdesk-host invoke --help)");
  const std::string& member = line.Positional()[0];
  const automation::MemberKind kind =
      line.Has("put") ? automation::MemberKind::PropertyPut : automation::MemberKind::Method;
  Session session(line, line.Value("user") ? UserOption(line) : 1);
  auto& prefdesk = session.Prefdesk();
  const automation::MemberInfo* info = prefdesk.Members().Find(member, kind);
  if (info == nullptr && kind == automation::MemberKind::Method) {
    info = prefdesk.Members().Find(member, automation::MemberKind::PropertyGet);
  }
  if (info == nullptr) throw CliError(kExitUsage, "ClsPrefdesk has no member '" + member + "'");

  automation::Arguments args;
  for (size_t i = 1; i < line.Positional().size(); ++i) args.push_back(Argument(line.Positional()[i], session));
  // Output parameters left off are passed as Empty, so a reader needs only its inputs.
  while (args.size() < info->params.size() && info->params[args.size()].direction == automation::ParamDirection::InOut) {
    args.emplace_back();
  }
  Variant result;
  try {
    result = prefdesk.Invoke(info->name, info->kind, args);
  } catch (const automation::AutomationError& error) {
    std::string message = member + " raised error " + std::to_string(error.Number()) + ": " + error.Description();
    if (error.Number() == automation::kErrTypeMismatch || error.Number() == automation::kErrWrongArgumentCount) {
      message += "; it takes " + Signature(*info);
    }
    throw CliError(kExitFailed, message);
  }
  for (const std::string& message : session.TakeMessages()) std::cerr << "message: " << message << "\n";
  if (!info->result_type.empty()) std::cout << info->name << " = " << Show(result) << "\n";
  for (size_t i = 0; i < info->params.size() && i < args.size(); ++i) {
    if (info->params[i].direction == automation::ParamDirection::InOut) {
      std::cout << info->params[i].name << " = " << Show(args[i]) << "\n";
    }
  }
  return kExitOk;
}

}  // namespace prefdesk::cli
