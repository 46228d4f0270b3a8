#include "platform/automation/type_library.h"

#include <cstdio>

#include "platform/automation/json_text.h"

namespace prefdesk::automation {
namespace {

constexpr int kDispatchSlots = 7;  // the three of the base interface and four of dispatch

std::vector<const char*> ClassFlags(const ClassRecord& c) {
  std::vector<const char*> flags;
  if (c.app_object) flags.push_back("appobject");
  flags.push_back(c.creatable ? "creatable" : "noncreatable");
  if (c.predeclared) flags.push_back("predeclid");
  return flags;
}

std::vector<const char*> InterfaceFlags(const InterfaceRecord& i) {
  std::vector<const char*> flags;
  flags.push_back(i.dual ? "dual" : "dispatch");
  if (i.hidden) flags.push_back("hidden");
  if (i.nonextensible) flags.push_back("nonextensible");
  if (i.oleautomation) flags.push_back("oleautomation");
  return flags;
}

void WriteFlags(detail::JsonWriter& json, const std::vector<const char*>& flags) {
  json.Key("flags");
  json.BeginArray();
  for (const char* flag : flags) json.String(flag);
  json.EndArray();
}

void WriteMember(detail::JsonWriter& json, const MemberInfo& member, int slot) {
  json.BeginObject();
  if (slot >= 0) {
    json.Key("slot");
    json.Number(slot);
  }
  json.Key("name");
  json.String(member.name);
  json.Key("dispid");
  json.String(DispidText(member.dispid));
  json.Key("kind");
  json.String(MemberKindText(member.kind));
  json.Key("params");
  json.BeginArray();
  for (const ParamInfo& p : member.params) {
    json.BeginObject();
    json.Key("name");
    json.String(p.name);
    json.Key("type");
    json.String(p.type);
    json.Key("direction");
    json.String(p.direction == ParamDirection::InOut ? "inout" : "in");
    json.Key("optional");
    json.Bool(p.optional);
    json.EndObject();
  }
  json.EndArray();
  json.Key("result");
  json.StringOrNull(member.result_type);
  json.EndObject();
}

}  // namespace

std::string DispidText(int32_t dispid) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(static_cast<uint32_t>(dispid)));
  return text;
}

const char* MemberKindText(MemberKind kind) {
  switch (kind) {
    case MemberKind::Method: return "method";
    case MemberKind::PropertyGet: return "propget";
    case MemberKind::PropertyPut: return "propput";
    case MemberKind::PropertyPutRef: return "propputref";
  }
  return "method";
}

std::string WriteTypeLibraryJson(const TypeLibrary& library) {
  detail::JsonWriter json;
  json.BeginObject();
  json.Key("name");
  json.String(library.name);
  json.Key("guid");
  json.String(library.guid);
  json.Key("version");
  json.String(std::to_string(library.version_major) + "." + std::to_string(library.version_minor));
  json.Key("locale");
  json.Number(library.locale);

  json.Key("classes");
  json.BeginArray();
  for (const ClassRecord& c : library.classes) {
    json.BeginObject();
    json.Key("name");
    json.String(c.name);
    json.Key("guid");
    json.String(c.guid);
    WriteFlags(json, ClassFlags(c));
    json.Key("progId");
    json.StringOrNull(c.prog_id);
    json.Key("defaultInterface");
    json.StringOrNull(c.default_interface);
    json.Key("eventInterface");
    json.StringOrNull(c.event_interface);
    json.EndObject();
  }
  json.EndArray();

  json.Key("interfaces");
  json.BeginArray();
  for (const InterfaceRecord& i : library.interfaces) {
    json.BeginObject();
    json.Key("name");
    json.String(i.name);
    json.Key("guid");
    json.String(i.guid);
    WriteFlags(json, InterfaceFlags(i));
    json.Key("members");
    json.BeginArray();
    for (size_t k = 0; k < i.members.size(); ++k) {
      WriteMember(json, i.members[k], i.dual ? kDispatchSlots + static_cast<int>(k) : -1);
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();

  json.Key("enumerations");
  json.BeginArray();
  for (const EnumRecord& e : library.enumerations) {
    json.BeginObject();
    json.Key("name");
    json.String(e.name);
    json.Key("guid");
    json.String(e.guid);
    json.Key("constants");
    json.BeginArray();
    for (const EnumConstant& constant : e.constants) {
      json.BeginObject();
      json.Key("name");
      json.String(constant.name);
      json.Key("value");
      json.Number(constant.value);
      json.EndObject();
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  return json.Take();
}

}  // namespace prefdesk::automation
