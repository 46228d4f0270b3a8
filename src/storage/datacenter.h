// The host's server data service: the only road to the server database. Every member
// returns a number; a negative one means failure and ErrInfo then describes it.
// BeginTrans returns 0 once the transaction is open, a negative number when it could not be
// begun; RollbackTrans returns nothing; CommitTrans returns 0 once the server has confirmed the
// commit, a negative number otherwise (then no transaction is left open).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ado/recordset.h"
#include "platform/automation/dispatch.h"

namespace prefdesk::storage {

struct ErrInfo {
  int32_t Number = 0;
  std::string Source;
  std::string Description;
};

struct MyInfo {
  int32_t uid = 0;
};

class DataCenter : public automation::Dispatch {
 public:
  // Stores an open record set of the query in rs.
  virtual int32_t OpenRecordsetByString(std::shared_ptr<ado::Recordset>& rs,
                                        const std::string& sql) = 0;
  // columns and values are comma-separated lists in the same order, values as SQL text.
  virtual int32_t Insert(const std::string& table, const std::string& columns,
                         const std::string& values) = 0;
  // condition is written without the word "where"; unused is always passed empty.
  virtual int32_t Update(const std::string& table, const std::string& assignments,
                         const std::string& unused, const std::string& condition) = 0;
  virtual int32_t Delete(const std::string& table, const std::string& condition) = 0;
  virtual int32_t BeginTrans() = 0;
  virtual int32_t CommitTrans() = 0;
  virtual void RollbackTrans() = 0;
  virtual bool InTransaction() const = 0;
  virtual storage::ErrInfo GetErrInfo() const = 0;
  virtual MyInfo myinfo() const = 0;

  // Members by name for scripting hosts (OpenRecordsetByString, Insert, ..., ErrInfo, myinfo).
  const automation::MemberTable& Members() const override;
  std::string ClassName() const override { return "DataCenter"; }

 private:
  // Built on first use; its handlers call this object's members.
  mutable std::unique_ptr<automation::MemberTable> members_;
};

using DataCenterRef = std::shared_ptr<DataCenter>;

// Raises the data service's last error (its Number, Source and Description).
[[noreturn]] void RaiseDataCenterError(const DataCenter& dc);

// Raises 91 from source (the calling routine's name) when the data service is missing;
// otherwise returns it.
DataCenter& Require(const DataCenterRef& dc, const std::string& source);

// Opens the query through the data service's OpenRecordsetByString; a negative result raises
// the service's error (RaiseDataCenterError).
std::shared_ptr<ado::Recordset> OpenOrRaise(DataCenter& dc, const std::string& sql);

}  // namespace prefdesk::storage
