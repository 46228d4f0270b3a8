// ShowErr: the one routine every error handler calls. Number 0 opens the information window,
// any other number the error window; numbers 0x80040001..0x8004FFFE show as their offset.
#pragma once

#include <cstdint>
#include <string>

namespace prefdesk::automation { class AutomationError; }

namespace prefdesk::storage {

void ShowErr(const std::string& source, int32_t& number, const std::string& description);
// Shows a caught error with its own number, source and description.
void ShowErr(const automation::AutomationError& error);

inline constexpr int32_t kErrInvalidValue = static_cast<int32_t>(0x80040001u);   // string 2023
inline constexpr int32_t kErrRecordNotFound = static_cast<int32_t>(0x80040002u); // string 2026

}  // namespace prefdesk::storage
