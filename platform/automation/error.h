// The one error type of the automation layer: a number, the raising routine's name and a text.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace prefdesk::automation {

// Numbers the platform itself raises.
inline constexpr int32_t kErrOverflow = 6;
inline constexpr int32_t kErrSubscriptOutOfRange = 9;
inline constexpr int32_t kErrTypeMismatch = 13;
inline constexpr int32_t kErrObjectRequired = 91;
inline constexpr int32_t kErrInvalidUseOfNull = 94;
inline constexpr int32_t kErrInvalidArgument = 5;
inline constexpr int32_t kErrKeyAlreadyUsed = 457;
inline constexpr int32_t kErrMemberNotFound = 438;
inline constexpr int32_t kErrWrongArgumentCount = 450;

class AutomationError : public std::runtime_error {
 public:
  AutomationError(int32_t number, std::string source, std::string description);

  int32_t Number() const { return number_; }
  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }

 private:
  int32_t number_;
  std::string source_;
  std::string description_;
};

// Raises an error: throws AutomationError.
[[noreturn]] void Raise(int32_t number, std::string source, std::string description);
// Raises one of the platform's own numbers with its standard English description.
[[noreturn]] void Raise(int32_t number, std::string source);

// The standard English description of a platform error number
// ("Overflow", "Type mismatch", ...); other numbers get the generic application text.
std::string ErrorText(int32_t number);

}  // namespace prefdesk::automation
