// The state behind a Recordset, shared by the record set, its Fields and Field objects.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ado/filter_index.h"
#include "platform/ado/filter_shape.h"
#include "platform/ado/recordset.h"
#include "platform/automation/dispatch.h"

namespace prefdesk::ado {

struct Recordset::Impl {
  std::vector<FieldDefinition> fields;
  filter::Rows rows;
  bool open = false;

  std::shared_ptr<Connection> connection;
  std::string source;
  int cursor_type = adOpenForwardOnly;
  int lock_type = adLockReadOnly;
  int cursor_location = adUseServer;

  std::string filter_text;
  bool filtered = false;
  std::vector<int> visible;  // rows under the filter, in row order
  int position = 0;          // among the visible rows; Count() means EOF
  filter::IndexCache indexes;
  filter::ShapeCache shapes;

  std::unique_ptr<automation::MemberTable> members;

  // The positions of the names asked for last, by where the name's text lives: callers read
  // the same few fields on every row, mostly through the same string. An entry counts only
  // while that text still spells the field's name exactly.
  struct NameSlot {
    const char* data = nullptr;
    size_t size = 0;
    int index = -1;
  };
  mutable std::array<NameSlot, 64> name_slots;
  // Forgets what depends on the positions of the fields; whenever they change.
  void FieldsChanged() {
    name_slots = {};
    shapes.Clear();
  }

  int Count() const { return filtered ? static_cast<int>(visible.size()) : static_cast<int>(rows.size()); }
  // The row under the cursor, or -1 at BOF/EOF.
  int CurrentRow() const {
    if (position >= Count()) return -1;
    return filtered ? visible[position] : position;
  }
  void RequireOpen() const;
  // The current row; raises when closed or at BOF/EOF.
  std::vector<automation::Variant>& Current();
  // Field position by name (case-blind), or -1.
  int IndexOf(std::string_view name) const;
  // Raises 3265 when there is no such field.
  int RequireField(std::string_view name) const;
  void SetValue(int field, automation::Variant value);
};

}  // namespace prefdesk::ado
