// The two in-memory record sets that carry a column layout from the layout readers to the
// Columns tab, and the copying of rows into them.
#pragma once

#include <initializer_list>
#include <memory>
#include <span>
#include <string_view>

#include "platform/ado/recordset.h"

namespace prefdesk::columns {

// One field of an in-memory record set: its name and ADO type (8 text, 3 integer, 11 boolean).
struct FieldSpec {
  const char* name;
  int type;
};

// A new, open, disconnected record set with these fields appended in order (defined size 0,
// unspecified attributes).
std::shared_ptr<ado::Recordset> NewInMemoryRecordset(std::span<const FieldSpec> fields);

// Title-list set: one row per title and first-level list. Fields, in order: TitleName,
// TitleID, TitleCaption_C, TitleCaption_E, TitleVisible, TitleOrder, ListName, ListID,
// ListCaption_C, ListCaption_E, ListVisible, DefaultVisible, ListOrder.
std::shared_ptr<ado::Recordset> NewTitleListRecordset();

// List-son set: one row per first-level and second-level list. Fields, in order: TitleName,
// ListName, ListID, ListCaption_C, ListCaption_E, ListVisible, ListOrder, ListSonName,
// ListSonID, ListSonCaption_C, ListSonCaption_E, ListSonVisible, ListSonOrder.
std::shared_ptr<ado::Recordset> NewListSonRecordset();

// Copies the current row of source into the current (new) row of target by field position,
// skipping the fields named in left_out. An empty or null value becomes the default of the
// target field's type: 0, the empty text or false; other values take the target's type.
void CopyRowByPosition(const ado::Recordset& source, ado::Recordset& target,
                       std::initializer_list<std::string_view> left_out);

// Puts a value into a target field in the field's own type (the conversion ADO makes).
void PutTyped(ado::Recordset& target, std::string_view field, const automation::Variant& value);

}  // namespace prefdesk::columns
