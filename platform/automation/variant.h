// Automation values: the tagged value every property, field and argument carries.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

namespace prefdesk::automation {

class Dispatch;
using ObjectRef = std::shared_ptr<Dispatch>;

// Type codes as the automation layer numbers them.
enum class VarType : int {
  Empty = 0,
  Null = 1,
  Integer = 2,   // 16-bit
  Long = 3,      // 32-bit
  Single = 4,
  Double = 5,
  Currency = 6,  // 64-bit integer scaled by 10 000
  Date = 7,      // days since 1899-12-30
  String = 8,    // UTF-8
  Object = 9,
  Boolean = 11,
};

struct Currency {
  int64_t scaled = 0;  // value * 10 000
  // Rounds half to even at the fourth decimal; raises 6 when the value does not fit.
  static Currency FromDouble(double value);
  double ToDouble() const { return static_cast<double>(scaled) / 10000.0; }
  friend auto operator<=>(const Currency&, const Currency&) = default;
};

struct Date {
  double serial = 0.0;  // days since 1899-12-30; the fraction is the time of day
  friend auto operator<=>(const Date&, const Date&) = default;
};

struct NullValue {
  friend bool operator==(const NullValue&, const NullValue&) = default;
};

class Variant {
 public:
  Variant() = default;  // Empty
  static Variant Null();
  Variant(bool value) : value_(value) {}
  Variant(int16_t value) : value_(value) {}
  Variant(int32_t value) : value_(value) {}
  Variant(float value) : value_(value) {}
  Variant(double value) : value_(value) {}
  Variant(Currency value) : value_(value) {}
  Variant(Date value) : value_(value) {}
  Variant(std::string value) : value_(std::move(value)) {}
  Variant(std::string_view value) : value_(std::string(value)) {}
  Variant(const char* value) : value_(std::string(value)) {}
  Variant(ObjectRef value) : value_(std::move(value)) {}

  VarType Type() const;
  bool IsEmpty() const { return value_.index() == 0; }
  bool IsNull() const { return std::holds_alternative<NullValue>(value_); }
  bool IsEmptyOrNull() const { return IsEmpty() || IsNull(); }
  bool IsObject() const { return std::holds_alternative<ObjectRef>(value_); }

  // Direct access for callers that checked Type() first.
  template <typename T>
  const T* Get() const { return std::get_if<T>(&value_); }

  // Exact equality of type and value (objects by identity).
  friend bool operator==(const Variant& a, const Variant& b) { return a.value_ == b.value_; }

 private:
  std::variant<std::monostate, NullValue, int16_t, int32_t, float, double, Currency, Date,
               std::string, ObjectRef, bool>
      value_;
};

}  // namespace prefdesk::automation
