#include "src/storage/datacenter.h"

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/automation/member_helpers.h"

namespace prefdesk::storage {
namespace {

using automation::Arguments;
using automation::Variant;
namespace members = automation::members;
using members::In;
using members::InOut;

// The ErrInfo property's object: Number, Source and Description of one failure.
class ErrInfoObject : public automation::Dispatch {
 public:
  explicit ErrInfoObject(ErrInfo info) : info_(std::move(info)) {
    members::Get(members_, "Number", 1, "Long", [this] { return Variant(info_.Number); });
    members::Get(members_, "Source", 2, "String", [this] { return Variant(info_.Source); });
    members::Get(members_, "Description", 3, "String",
                 [this] { return Variant(info_.Description); });
  }
  const automation::MemberTable& Members() const override { return members_; }
  std::string ClassName() const override { return "ErrInfo"; }

 private:
  ErrInfo info_;
  automation::MemberTable members_;
};

// The myinfo property's object: the logged-in user's id.
class MyInfoObject : public automation::Dispatch {
 public:
  explicit MyInfoObject(MyInfo info) : info_(info) {
    members::Get(members_, "uid", 1, "Long", [this] { return Variant(info_.uid); });
  }
  const automation::MemberTable& Members() const override { return members_; }
  std::string ClassName() const override { return "MyInfo"; }

 private:
  MyInfo info_;
  automation::MemberTable members_;
};

std::string Text(const Variant& v) { return automation::CStr(v); }

}  // namespace

const automation::MemberTable& DataCenter::Members() const {
  if (members_) return *members_;
  auto table = std::make_unique<automation::MemberTable>();
  // The handlers run the virtual members of this object; late-bound calls need a mutable one.
  auto* self = const_cast<DataCenter*>(this);
  members::Method(*table, "OpenRecordsetByString", 1,
                  {InOut("rs", "Object"), InOut("sql", "String")}, "Long", [self](Arguments& args) {
                    std::shared_ptr<ado::Recordset> rs;
                    const int32_t result = self->OpenRecordsetByString(rs, Text(args[1]));
                    args[0] = Variant(automation::ObjectRef(rs));
                    return Variant(result);
                  });
  members::Method(*table, "Insert", 2,
                  {In("table", "String"), In("columns", "String"), In("values", "String")}, "Long",
                  [self](Arguments& args) {
                    return Variant(self->Insert(Text(args[0]), Text(args[1]), Text(args[2])));
                  });
  members::Method(
      *table, "Update", 3,
      {In("table", "String"), In("assignments", "String"), In("unused", "String"),
       In("condition", "String")},
      "Long", [self](Arguments& args) {
        return Variant(self->Update(Text(args[0]), Text(args[1]), Text(args[2]), Text(args[3])));
      });
  members::Method(
      *table, "Delete", 4, {In("table", "String"), In("condition", "String")}, "Long",
      [self](Arguments& args) { return Variant(self->Delete(Text(args[0]), Text(args[1]))); });
  members::Method(*table, "BeginTrans", 5, {}, "Long",
                  [self](Arguments&) { return Variant(self->BeginTrans()); });
  members::Method(*table, "CommitTrans", 6, {}, "Long",
                  [self](Arguments&) { return Variant(self->CommitTrans()); });
  members::Method(*table, "RollbackTrans", 7, {}, "", [self](Arguments&) {
    self->RollbackTrans();
    return Variant();
  });
  members::Get(*table, "InTransaction", 8, "Boolean",
               [self] { return Variant(self->InTransaction()); });
  members::Get(*table, "ErrInfo", 9, "Object", [self] {
    return Variant(automation::ObjectRef(std::make_shared<ErrInfoObject>(self->GetErrInfo())));
  });
  members::Get(*table, "myinfo", 10, "Object", [self] {
    return Variant(automation::ObjectRef(std::make_shared<MyInfoObject>(self->myinfo())));
  });
  members_ = std::move(table);
  return *members_;
}

void RaiseDataCenterError(const DataCenter& dc) {
  ErrInfo info = dc.GetErrInfo();
  automation::Raise(info.Number, std::move(info.Source), std::move(info.Description));
}

DataCenter& Require(const DataCenterRef& dc, const std::string& source) {
  if (!dc) {
    automation::Raise(automation::kErrObjectRequired, source,
                      "Object variable or With block variable not set");
  }
  return *dc;
}

std::shared_ptr<ado::Recordset> OpenOrRaise(DataCenter& dc, const std::string& sql) {
  std::shared_ptr<ado::Recordset> rs;
  if (dc.OpenRecordsetByString(rs, sql) < 0) RaiseDataCenterError(dc);
  return rs;
}

}  // namespace prefdesk::storage
