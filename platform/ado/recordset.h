// ADO record sets: client-side static snapshots of a query or table, and disconnected sets
// built in memory with Fields.Append. Filter parses its expression once and answers equality
// conjunctions from an index, without copying rows.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/types.h"
#include "platform/automation/dispatch.h"
#include "platform/automation/variant.h"

namespace prefdesk::ado {

class Connection;
class Recordset;

class Field {
 public:
  const std::string& Name() const;
  int Type() const;
  int DefinedSize() const;
  // Value of the current row; raises 3021 when there is none.
  const automation::Variant& Value() const;
  void SetValue(automation::Variant value);

 private:
  friend class Recordset;
  friend class Fields;
  Field(Recordset* owner, int index) : owner_(owner), index_(index) {}
  Recordset* owner_;
  int index_;
};

struct FieldDefinition {
  std::string name;
  int type = adBSTR;
  int defined_size = 0;
};

class Fields {
 public:
  // By name, without regard to case; raises 3265 when there is no such field.
  Field Item(std::string_view name) const;
  Field Item(int index) const;  // 0-based
  int Count() const;
  // Only before the record set is opened.
  void Append(std::string name, int type, int defined_size = 0, int attributes = -1);
  // Position of a field by name, or -1.
  int IndexOf(std::string_view name) const;

 private:
  friend class Recordset;
  explicit Fields(Recordset* owner) : owner_(owner) {}
  Recordset* owner_;
};

class Recordset : public automation::Dispatch {
 public:
  Recordset();
  ~Recordset() override;
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  static std::shared_ptr<Recordset> Create();
  // An open disconnected record set holding the given rows, positioned on the first.
  static std::shared_ptr<Recordset> FromRows(std::vector<FieldDefinition> fields,
                                             std::vector<std::vector<automation::Variant>> rows);

  void SetActiveConnection(std::shared_ptr<Connection> connection);
  void SetSource(std::string source);
  const std::string& Source() const;
  void SetLockType(int lock_type);
  void SetCursorType(int cursor_type);
  void SetCursorLocation(int cursor_location);

  // Arguments omitted (empty source, null connection, -1) take the properties set before.
  // Options 2 opens a whole table by name. With neither source nor connection, opens a
  // disconnected set with the appended fields.
  void Open(const std::string& source = "", std::shared_ptr<Connection> connection = nullptr,
            int cursor_type = -1, int lock_type = -1, int options = -1);
  void Close();
  int State() const;

  bool IsEOF() const;
  bool IsBOF() const;
  int RecordCount() const;  // rows visible under the filter
  void MoveFirst();
  void MoveNext();
  int AbsolutePosition() const;  // 1-based; -1 unknown, -2 BOF, -3 EOF
  void SetAbsolutePosition(int position);

  // "Field op value" joined by And/Or; values 'text', numbers, NULL, TRUE/FALSE; "= NULL"
  // matches null. The empty text removes the filter. Moves to the first matching row.
  void SetFilter(std::string_view expression);
  const std::string& Filter() const;

  void AddNew();
  void Update();
  void SetCollect(std::string_view field, automation::Variant value);
  const automation::Variant& Collect(std::string_view field) const;

  Fields& GetFields() { return fields_; }
  const Fields& GetFields() const { return fields_; }
  // Shorthand for GetFields().Item(name).Value().
  const automation::Variant& operator[](std::string_view field) const;

  const automation::MemberTable& Members() const override;
  std::string ClassName() const override { return "Recordset"; }

 private:
  friend class Field;
  friend class Fields;
  struct Impl;
  std::unique_ptr<Impl> impl_;
  Fields fields_{this};
};

}  // namespace prefdesk::ado
