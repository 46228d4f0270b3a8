#include "platform/automation/type_library.h"

#include <cstdio>

#include <nlohmann/json.hpp>

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

using Json = nlohmann::ordered_json;

Json Text(const std::string& value) { return value.empty() ? Json() : Json(value); }

Json Member(const MemberInfo& member, int slot) {
  Json json = Json::object();
  if (slot >= 0) json["slot"] = slot;
  json["name"] = member.name;
  json["dispid"] = DispidText(member.dispid);
  json["kind"] = MemberKindText(member.kind);
  json["params"] = Json::array();
  for (const ParamInfo& p : member.params) {
    json["params"].push_back({{"name", p.name},
                              {"type", p.type},
                              {"direction", p.direction == ParamDirection::InOut ? "inout" : "in"},
                              {"optional", p.optional}});
  }
  json["result"] = Text(member.result_type);
  return json;
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
  Json json = {{"name", library.name},
               {"guid", library.guid},
               {"version", std::to_string(library.version_major) + "." + std::to_string(library.version_minor)},
               {"locale", library.locale}};
  json["classes"] = Json::array();
  for (const ClassRecord& c : library.classes) {
    json["classes"].push_back({{"name", c.name},
                               {"guid", c.guid},
                               {"flags", ClassFlags(c)},
                               {"progId", Text(c.prog_id)},
                               {"defaultInterface", Text(c.default_interface)},
                               {"eventInterface", Text(c.event_interface)}});
  }
  json["interfaces"] = Json::array();
  for (const InterfaceRecord& i : library.interfaces) {
    Json members = Json::array();
    for (size_t k = 0; k < i.members.size(); ++k) {
      members.push_back(Member(i.members[k], i.dual ? kDispatchSlots + static_cast<int>(k) : -1));
    }
    json["interfaces"].push_back({{"name", i.name}, {"guid", i.guid}, {"flags", InterfaceFlags(i)}, {"members", members}});
  }
  json["enumerations"] = Json::array();
  for (const EnumRecord& e : library.enumerations) {
    Json constants = Json::array();
    for (const EnumConstant& constant : e.constants) constants.push_back({{"name", constant.name}, {"value", constant.value}});
    json["enumerations"].push_back({{"name", e.name}, {"guid", e.guid}, {"constants", constants}});
  }
  return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace prefdesk::automation
