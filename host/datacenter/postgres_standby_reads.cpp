#include "host/datacenter/postgres_standby_reads.h"

#include "platform/automation/conversions.h"
#include "src/storage/local_query.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::datacenter {
namespace {

constexpr const char* kUnknownPosition = "unknown";

// The first field of the query's first row as text; nullopt when the query failed.
std::optional<std::string> ReadText(storage::DataCenter& dc, const std::string& sql) {
  std::shared_ptr<ado::Recordset> rs;
  if (dc.OpenRecordsetByString(rs, sql) < 1 || !rs) return std::nullopt;
  storage::RecordsetCloser closer(rs);
  const automation::Variant value = rs->GetFields().Item(0).Value();
  if (value.IsNull()) return std::nullopt;
  return automation::CStr(value);
}

}  // namespace

StandbyReadsDataCenter::StandbyReadsDataCenter(storage::DataCenterRef primary,
                                               storage::DataCenterRef standby)
    : ForwardingDataCenter(std::move(primary)), standby_(std::move(standby)), last_(inner_.get()) {}

storage::DataCenter& StandbyReadsDataCenter::Use(const storage::DataCenterRef& dc) {
  last_ = dc.get();
  return *dc;
}

bool StandbyReadsDataCenter::StandbyCaughtUp() {
  if (!unreplayed_) return true;
  if (*unreplayed_ == kUnknownPosition) return false;
  const std::optional<std::string> behind = ReadText(
      *standby_, "SELECT (pg_is_in_recovery() AND pg_last_wal_replay_lsn() < " +
                     storage::SqlText(*unreplayed_) + "::pg_lsn)::int AS behind");
  if (!behind) standby_rests_until_ = std::chrono::steady_clock::now() + kStandbyRest;
  if (behind != "0") return false;
  unreplayed_.reset();
  return true;
}

int32_t StandbyReadsDataCenter::OpenRecordsetByString(std::shared_ptr<ado::Recordset>& rs,
                                                      const std::string& sql) {
  const auto now = std::chrono::steady_clock::now();
  if (!inner_->InTransaction() && now >= standby_rests_until_ && StandbyCaughtUp()) {
    const int32_t rows = Use(standby_).OpenRecordsetByString(rs, sql);
    if (rows >= 0) {
      ++standby_reads_;
      return rows;
    }
    standby_rests_until_ = now + kStandbyRest;
  }
  ++primary_reads_;
  return Use(inner_).OpenRecordsetByString(rs, sql);
}

int32_t StandbyReadsDataCenter::NoteWrite(int32_t result) {
  if (result < 0 || inner_->InTransaction()) return result;
  unreplayed_ = ReadText(*inner_, "SELECT pg_current_wal_insert_lsn()::text AS position")
                    .value_or(kUnknownPosition);
  return result;
}

int32_t StandbyReadsDataCenter::Insert(const std::string& table, const std::string& columns,
                                       const std::string& values) {
  return NoteWrite(Use(inner_).Insert(table, columns, values));
}

int32_t StandbyReadsDataCenter::Update(const std::string& table, const std::string& assignments,
                                       const std::string& unused, const std::string& condition) {
  return NoteWrite(Use(inner_).Update(table, assignments, unused, condition));
}

int32_t StandbyReadsDataCenter::Delete(const std::string& table, const std::string& condition) {
  return NoteWrite(Use(inner_).Delete(table, condition));
}

int32_t StandbyReadsDataCenter::BeginTrans() { return Use(inner_).BeginTrans(); }

void StandbyReadsDataCenter::RollbackTrans() { Use(inner_).RollbackTrans(); }

// A failed commit may have been stored (in doubt): the primary answers the reads until the
// next write, and the commit's ErrInfo stays the caller's to read.
int32_t StandbyReadsDataCenter::CommitTrans() {
  const int32_t result = Use(inner_).CommitTrans();
  if (result < 0) unreplayed_ = kUnknownPosition;
  return NoteWrite(result);
}

}  // namespace prefdesk::datacenter
