// Error numbers the toolkit model raises (besides the automation layer's own).
#pragma once

#include <cstdint>

namespace prefdesk::ui {

inline constexpr int32_t kErrInvalidPropertyValue = 380;
inline constexpr int32_t kErrInvalidPropertyArrayIndex = 381;
inline constexpr int32_t kErrFormAlreadyShown = 400;

}  // namespace prefdesk::ui
