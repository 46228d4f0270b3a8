#include "src/storage/order_bounds.h"

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "src/resources/strings.h"

namespace prefdesk::storage {
namespace {

void RaiseInLanguage(const std::string& source, std::string_view english,
                     std::string_view chinese) {
  if (resources::IsChinese()) automation::Raise(-1, source, std::string(chinese));
  if (resources::IsEnglish()) automation::Raise(-1, source, std::string(english));
}

}  // namespace

void ReadOrderBounds(const ado::Recordset& aggregate, const OrderMessages& messages,
                     const std::string& source, int32_t& smallest, int32_t& largest) {
  if (aggregate.IsEOF() || aggregate.IsBOF()) {
    RaiseInLanguage(source, messages.not_found_english, messages.not_found_chinese);
  }
  const automation::Variant& min = aggregate["MinDefaultOrder"];
  const automation::Variant& max = aggregate["MaxDefaultOrder"];
  if (min.IsEmptyOrNull() || max.IsEmptyOrNull()) {
    RaiseInLanguage(source, messages.bad_order_english, messages.bad_order_chinese);
  }
  smallest = automation::CLng(min);
  largest = automation::CLng(max);
}

}  // namespace prefdesk::storage
