// Variant conversions: every conversion of a text, or of a number made of the input's bytes,
// either gives a value or raises an automation error. The server's text forms go through the
// PostgreSQL value reader as well.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "host/datacenter/postgres_values.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"

namespace pa = prefdesk::automation;

namespace {

template <typename F>
void Try(F convert) {
  try {
    convert();
  } catch (const pa::AutomationError&) {
  }
}

void ConvertAll(const pa::Variant& v) {
  Try([&] { pa::CBool(v); });
  Try([&] { pa::CInt(v); });
  Try([&] { pa::CLng(v); });
  Try([&] { pa::CSng(v); });
  Try([&] { pa::CDbl(v); });
  Try([&] { pa::CCur(v); });
  Try([&] { pa::CDate(v); });
  Try([&] { pa::CStr(v); });
  Try([&] { pa::IsNumeric(v); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  switch (data[0] % 5) {
    case 0:
      ConvertAll(pa::Variant(text));
      break;
    case 1: {
      double d = 0;
      std::memcpy(&d, text.data(), std::min(sizeof d, text.size()));
      ConvertAll(pa::Variant(d));
      Try([&] { ConvertAll(pa::Variant(pa::Currency::FromDouble(d))); });
      ConvertAll(pa::Variant(pa::Date{d}));
      break;
    }
    case 2: {
      int64_t n = 0;
      std::memcpy(&n, text.data(), std::min(sizeof n, text.size()));
      ConvertAll(pa::Variant(pa::Currency{n}));
      ConvertAll(pa::Variant(static_cast<int32_t>(n)));
      break;
    }
    default: {
      namespace oid = prefdesk::datacenter::pg_oid;
      const unsigned types[] = {oid::kInt8, oid::kBool, oid::kFloat8, oid::kNumeric,
                                oid::kMoney, oid::kTime, oid::kTimestamp, oid::kDate};
      const unsigned type = types[data[0] / 5 % 8];
      const int modifier = type == oid::kNumeric ? ((19 << 16) | 4) + 4 : -1;
      ConvertAll(prefdesk::datacenter::ValueFromPg(
          prefdesk::datacenter::FieldFromPg("x", type, modifier), text));
    }
  }
  return 0;
}
