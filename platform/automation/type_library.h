// The registration record of a component: its type library, classes, interfaces (with the
// member tables' entries in slot order), and enumerations, written as JSON or as IDL text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/automation/dispatch.h"

namespace prefdesk::automation {

// A class of the library. Record classes are classes the host cannot create.
struct ClassRecord {
  std::string name;
  std::string guid;  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
  bool creatable = false;
  bool app_object = false;
  bool predeclared = false;  // a predeclared (global) instance
  std::string prog_id;       // empty when not registered under a programmatic name
  std::string default_interface;
  std::string event_interface;  // empty when the class raises no events
};

struct InterfaceRecord {
  std::string name;
  std::string guid;
  bool dual = false;           // else dispatch-only
  bool hidden = false;
  bool nonextensible = false;
  bool oleautomation = false;
  std::vector<MemberInfo> members;  // in slot order, usually MemberTable::Members()
};

struct EnumConstant {
  std::string name;
  int32_t value = 0;
};

struct EnumRecord {
  std::string name;
  std::string guid;
  std::vector<EnumConstant> constants;
};

struct TypeLibrary {
  std::string name;
  std::string guid;
  int version_major = 1;
  int version_minor = 0;
  int32_t locale = 1033;
  std::vector<ClassRecord> classes;
  std::vector<InterfaceRecord> interfaces;
  std::vector<EnumRecord> enumerations;
};

// Pretty-printed JSON (two-space indent, fields in a fixed order, UTF-8 with the characters
// JSON requires escaped; invalid UTF-8 bytes become U+FFFD). Dispatch ids are written as
// "0x68030012"; members of dual interfaces carry their slot (7 + position).
std::string WriteTypeLibraryJson(const TypeLibrary& library);

// The same record as interface-definition text: library, interfaces, dispinterfaces,
// classes and enumerations with their attributes.
std::string WriteTypeLibraryIdl(const TypeLibrary& library);

// Text of a dispatch id as written in both records: "0x" and eight upper-case hex digits.
std::string DispidText(int32_t dispid);

// Kind of a member as written in both records: "method", "propget", "propput", "propputref".
const char* MemberKindText(MemberKind kind);

}  // namespace prefdesk::automation
