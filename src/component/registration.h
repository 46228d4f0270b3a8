// The registration record of the component library Prefdesk: the type library with its
// classes, interfaces (from the member tables) and enumerations, and the programmatic name.
#pragma once

#include <filesystem>

#include "platform/automation/type_library.h"

namespace prefdesk::component {

inline constexpr char kProgId[] = "Prefdesk.ClsPrefdesk";

automation::TypeLibrary PrefdeskTypeLibrary();

// Writes the record as JSON (Prefdesk.typelib.json) and IDL (Prefdesk.idl) into the folder.
void WriteRegistrationRecord(const std::filesystem::path& folder);

}  // namespace prefdesk::component
