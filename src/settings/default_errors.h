// The errors the local default readers raise for a missing row or an unusable value.
#pragma once

#include <string>

namespace prefdesk::settings {

// 0x80040002 with string 2026 ("Specified record can not be found!").
[[noreturn]] void RaiseRecordNotFound(const std::string& source);
// 0x80040001 with string 2023 ("Some field value is invalid").
[[noreturn]] void RaiseInvalidValue(const std::string& source);

}  // namespace prefdesk::settings
