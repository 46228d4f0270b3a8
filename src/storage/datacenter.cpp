#include "src/storage/datacenter.h"

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"

namespace prefdesk::storage {
namespace {

using automation::Arguments;
using automation::MemberInfo;
using automation::MemberKind;
using automation::ParamDirection;
using automation::ParamInfo;
using automation::Variant;

ParamInfo In(std::string name, std::string type) {
  return {std::move(name), std::move(type), ParamDirection::In, false};
}

ParamInfo InOut(std::string name, std::string type) {
  return {std::move(name), std::move(type), ParamDirection::InOut, false};
}

MemberInfo Getter(std::string name, int32_t dispid, std::string type) {
  return {std::move(name), dispid, MemberKind::PropertyGet, {}, std::move(type)};
}

// The ErrInfo property's object: Number, Source and Description of one failure.
class ErrInfoObject : public automation::Dispatch {
 public:
  explicit ErrInfoObject(ErrInfo info) : info_(std::move(info)) {
    members_.Add(Getter("Number", 1, "Long"), [this](Arguments&) { return Variant(info_.Number); });
    members_.Add(Getter("Source", 2, "String"), [this](Arguments&) { return Variant(info_.Source); });
    members_.Add(Getter("Description", 3, "String"),
                 [this](Arguments&) { return Variant(info_.Description); });
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
    members_.Add(Getter("uid", 1, "Long"), [this](Arguments&) { return Variant(info_.uid); });
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
  table->Add({"OpenRecordsetByString", 1, MemberKind::Method,
              {InOut("rs", "Object"), InOut("sql", "String")}, "Long"},
             [self](Arguments& args) {
               std::shared_ptr<ado::Recordset> rs;
               const int32_t result = self->OpenRecordsetByString(rs, Text(args[1]));
               args[0] = Variant(automation::ObjectRef(rs));
               return Variant(result);
             });
  table->Add({"Insert", 2, MemberKind::Method,
              {In("table", "String"), In("columns", "String"), In("values", "String")}, "Long"},
             [self](Arguments& args) {
               return Variant(self->Insert(Text(args[0]), Text(args[1]), Text(args[2])));
             });
  table->Add({"Update", 3, MemberKind::Method,
              {In("table", "String"), In("assignments", "String"), In("unused", "String"),
               In("condition", "String")},
              "Long"},
             [self](Arguments& args) {
               return Variant(
                   self->Update(Text(args[0]), Text(args[1]), Text(args[2]), Text(args[3])));
             });
  table->Add({"Delete", 4, MemberKind::Method,
              {In("table", "String"), In("condition", "String")}, "Long"},
             [self](Arguments& args) { return Variant(self->Delete(Text(args[0]), Text(args[1]))); });
  table->Add({"BeginTrans", 5, MemberKind::Method, {}, ""}, [self](Arguments&) {
    self->BeginTrans();
    return Variant();
  });
  table->Add({"CommitTrans", 6, MemberKind::Method, {}, "Long"},
             [self](Arguments&) { return Variant(self->CommitTrans()); });
  table->Add({"RollbackTrans", 7, MemberKind::Method, {}, ""}, [self](Arguments&) {
    self->RollbackTrans();
    return Variant();
  });
  table->Add(Getter("InTransaction", 8, "Boolean"),
             [self](Arguments&) { return Variant(self->InTransaction()); });
  table->Add(Getter("ErrInfo", 9, "Object"), [self](Arguments&) {
    return Variant(automation::ObjectRef(std::make_shared<ErrInfoObject>(self->GetErrInfo())));
  });
  table->Add(Getter("myinfo", 10, "Object"), [self](Arguments&) {
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
