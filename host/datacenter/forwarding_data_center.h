// A data service that passes every call on to the wrapped one. The test decorators derive
// from it and override only the calls they watch or change.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "src/storage/datacenter.h"

namespace prefdesk::datacenter {

class ForwardingDataCenter : public storage::DataCenter {
 public:
  explicit ForwardingDataCenter(storage::DataCenterRef inner) : inner_(std::move(inner)) {}

  int32_t OpenRecordsetByString(std::shared_ptr<ado::Recordset>& rs,
                                const std::string& sql) override {
    return inner_->OpenRecordsetByString(rs, sql);
  }
  int32_t Insert(const std::string& table, const std::string& columns,
                 const std::string& values) override {
    return inner_->Insert(table, columns, values);
  }
  int32_t Update(const std::string& table, const std::string& assignments,
                 const std::string& unused, const std::string& condition) override {
    return inner_->Update(table, assignments, unused, condition);
  }
  int32_t Delete(const std::string& table, const std::string& condition) override {
    return inner_->Delete(table, condition);
  }
  int32_t BeginTrans() override { return inner_->BeginTrans(); }
  int32_t CommitTrans() override { return inner_->CommitTrans(); }
  void RollbackTrans() override { inner_->RollbackTrans(); }
  bool InTransaction() const override { return inner_->InTransaction(); }
  storage::ErrInfo GetErrInfo() const override { return inner_->GetErrInfo(); }
  storage::MyInfo myinfo() const override { return inner_->myinfo(); }

  const storage::DataCenterRef& Inner() const { return inner_; }

 protected:
  storage::DataCenterRef inner_;
};

}  // namespace prefdesk::datacenter
