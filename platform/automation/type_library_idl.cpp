#include <map>

#include "platform/automation/type_library.h"

namespace prefdesk::automation {
namespace {

std::string Bare(const std::string& guid) {
  if (guid.size() >= 2 && guid.front() == '{' && guid.back() == '}') {
    return guid.substr(1, guid.size() - 2);
  }
  return guid;
}

// Interface-definition type of an automation type name. Enumerations of the library keep their
// name; any other name not in the table is an object type and is passed by pointer.
std::string IdlType(const std::string& type, const TypeLibrary& library) {
  static const std::map<std::string, std::string> kScalars = {
      {"Integer", "short"},   {"Long", "long"},          {"Single", "float"},
      {"Double", "double"},   {"Currency", "CURRENCY"},  {"Date", "DATE"},
      {"String", "BSTR"},     {"Boolean", "VARIANT_BOOL"}, {"Variant", "VARIANT"},
      {"Byte", "unsigned char"}, {"Object", "IDispatch*"}};
  if (const auto it = kScalars.find(type); it != kScalars.end()) return it->second;
  for (const EnumRecord& e : library.enumerations) {
    if (e.name == type) return type;
  }
  return type + "*";
}

std::string Attributes(const std::vector<std::string>& items, const std::string& indent) {
  std::string out = indent + "[\n";
  for (size_t i = 0; i < items.size(); ++i) {
    out += indent + "  " + items[i] + (i + 1 < items.size() ? ",\n" : "\n");
  }
  return out + indent + "]\n";
}

std::string Parameter(const ParamInfo& p, const TypeLibrary& library) {
  const bool in_out = p.direction == ParamDirection::InOut;
  std::string attributes = in_out ? "in, out" : "in";
  if (p.optional) attributes += ", optional";
  return "[" + attributes + "] " + IdlType(p.type, library) + (in_out ? "* " : " ") + p.name;
}

std::string MemberLine(const MemberInfo& m, bool dual, const TypeLibrary& library) {
  std::string head = "[id(" + DispidText(m.dispid) + ")";
  if (m.kind != MemberKind::Method) head += std::string(", ") + MemberKindText(m.kind);
  head += "]";
  std::vector<std::string> params;
  for (const ParamInfo& p : m.params) params.push_back(Parameter(p, library));
  std::string result = "void";
  if (!m.result_type.empty()) {
    if (dual) params.push_back("[out, retval] " + IdlType(m.result_type, library) + "* result");
    else result = IdlType(m.result_type, library);
  }
  std::string line = "        " + head + "\n        " + (dual ? "HRESULT" : result) + " " + m.name + "(";
  for (size_t i = 0; i < params.size(); ++i) line += (i ? ", " : "") + params[i];
  return line + ");\n";
}

bool IsDual(const std::string& interface_name, const TypeLibrary& library) {
  for (const InterfaceRecord& i : library.interfaces) {
    if (i.name == interface_name) return i.dual;
  }
  return true;
}

std::string InterfaceText(const InterfaceRecord& i, const TypeLibrary& library) {
  std::vector<std::string> attributes = {"uuid(" + Bare(i.guid) + ")"};
  if (i.hidden) attributes.push_back("hidden");
  if (i.dual) attributes.push_back("dual");
  if (i.nonextensible) attributes.push_back("nonextensible");
  if (i.oleautomation) attributes.push_back("oleautomation");
  std::string out = Attributes(attributes, "    ");
  if (i.dual) {
    out += "    interface " + i.name + " : IDispatch {\n";
  } else {
    out += "    dispinterface " + i.name + " {\n        properties:\n        methods:\n";
  }
  for (const MemberInfo& m : i.members) out += MemberLine(m, i.dual, library);
  return out + "    };\n\n";
}

std::string ClassText(const ClassRecord& c, const TypeLibrary& library) {
  std::vector<std::string> attributes = {"uuid(" + Bare(c.guid) + ")"};
  if (c.app_object) attributes.push_back("appobject");
  if (!c.creatable) attributes.push_back("noncreatable");
  if (c.predeclared) attributes.push_back("predeclid");
  std::string out;
  if (!c.prog_id.empty()) out += "    // programmatic name: " + c.prog_id + "\n";
  out += Attributes(attributes, "    ") + "    coclass " + c.name + " {\n";
  const auto entry = [&library](const std::string& name) {
    return (IsDual(name, library) ? "interface " : "dispinterface ") + name + ";\n";
  };
  if (!c.default_interface.empty()) out += "        [default] " + entry(c.default_interface);
  if (!c.event_interface.empty()) out += "        [default, source] " + entry(c.event_interface);
  return out + "    };\n\n";
}

std::string EnumText(const EnumRecord& e) {
  std::string out = "    typedef [uuid(" + Bare(e.guid) + ")]\n    enum {\n";
  for (size_t k = 0; k < e.constants.size(); ++k) {
    out += "        " + e.constants[k].name + " = " + std::to_string(e.constants[k].value) +
           (k + 1 < e.constants.size() ? ",\n" : "\n");
  }
  return out + "    } " + e.name + ";\n\n";
}

}  // namespace

std::string WriteTypeLibraryIdl(const TypeLibrary& library) {
  std::string out = Attributes({"uuid(" + Bare(library.guid) + ")",
                                "version(" + std::to_string(library.version_major) + "." +
                                    std::to_string(library.version_minor) + ")",
                                "lcid(" + std::to_string(library.locale) + ")"},
                               "");
  out += "library " + library.name + "\n{\n    importlib(\"stdole2.tlb\");\n\n";
  for (const EnumRecord& e : library.enumerations) out += EnumText(e);
  for (const InterfaceRecord& i : library.interfaces) out += InterfaceText(i, library);
  for (const ClassRecord& c : library.classes) out += ClassText(c, library);
  if (out.ends_with("\n\n")) out.pop_back();  // no blank line before the library's end
  return out + "};\n";
}

}  // namespace prefdesk::automation
