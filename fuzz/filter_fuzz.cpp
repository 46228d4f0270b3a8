// Filter expressions: parsing any text either raises the filter error or gives an expression
// that can be matched against rows of every value kind.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/ado/filter.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"

using prefdesk::automation::Variant;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto resolve = [](std::string_view name) -> int {
    const char* names[] = {"Name", "Count", "Flag", "At", "Money"};
    for (int i = 0; i < 5; ++i) {
      if (prefdesk::automation::EqualsIgnoreCase(name, names[i])) return i;
    }
    return -1;
  };
  try {
    const auto expression = prefdesk::ado::filter::Expression::Parse(text, resolve);
    const std::vector<std::vector<Variant>> rows = {
        {Variant("O'Brien"), Variant(int32_t{3}), Variant(true),
         Variant(prefdesk::automation::TimeSerial(8, 30, 0)),
         Variant(prefdesk::automation::Currency{12345})},
        {Variant::Null(), Variant(), Variant(false), Variant(-1.5), Variant("12")},
        {Variant(""), Variant(int16_t{-7}), Variant(0.0f), Variant("2026-12-05"), Variant::Null()},
    };
    for (const auto& row : rows) expression.Matches(row);
    expression.EqualityConjunction();
  } catch (const prefdesk::automation::AutomationError&) {
  }
  return 0;
}
