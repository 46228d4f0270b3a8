// The scheme object of the appearance library: one value per scheme column, under the
// column's name. The columns are the scheme's key and its two display names, then the 45
// appearance values in their fixed order (the order of the scheme tables' columns).
//
// Members by name: every column as a get/put property (the put converts to the column's type).
#pragma once

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/automation/dispatch.h"
#include "platform/automation/variant.h"

namespace prefdesk::appearancelib {

struct SchemeColumn {
  std::string_view name;
  std::string_view type;  // "String", "Long", "Single" or "Boolean"
};

inline constexpr int kSchemeNameCount = 3;  // Name, ScreenStyleNameChinese, ScreenStyleNameEnglish
inline constexpr int kSchemeValueCount = 45;
inline constexpr int kSchemeColumnCount = kSchemeNameCount + kSchemeValueCount;

// Every column in order: the three names first, then the 45 values.
const std::array<SchemeColumn, kSchemeColumnCount>& SchemeColumns();
// Position of a column by name (case-blind), -1 when there is none.
int SchemeColumnIndex(std::string_view name);

class Scheme : public automation::Dispatch {
 public:
  // Every value starts at its type's zero: 0, empty text or false.
  Scheme();
  static std::shared_ptr<Scheme> Create() { return std::make_shared<Scheme>(); }

  const automation::MemberTable& Members() const override { return members_; }
  std::string ClassName() const override { return "Scheme"; }

  // Raise 438 for a name that is not a column; SetValue raises what the conversion raises
  // (see ConvertToColumnType).
  const automation::Variant& Value(std::string_view name) const;
  void SetValue(std::string_view name, const automation::Variant& value);
  const automation::Variant& ValueAt(int index) const { return values_.at(static_cast<size_t>(index)); }
  void SetValueAt(int index, const automation::Variant& value);

 private:
  int IndexOrRaise(std::string_view name) const;

  std::vector<automation::Variant> values_;
  automation::MemberTable members_;
};

using SchemeRef = std::shared_ptr<Scheme>;

// The value converted to a column type ("Long", "Single", "Boolean", else text). Null, an
// unset column of a stored row, becomes the type's zero like Empty.
automation::Variant ConvertToColumnType(std::string_view type, const automation::Variant& value);

}  // namespace prefdesk::appearancelib
