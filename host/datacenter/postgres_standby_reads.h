// The data service of a client that reads from a hot standby: every write and transaction goes
// to the primary's service, and a query outside a transaction goes to the standby's, so the
// column bar and the single settings do not load the primary. A client reads its own writes:
// after each commit it notes the primary's WAL position, and until the standby has replayed
// that far its queries go to the primary instead (no waiting, so a lagging standby never slows
// a read). A query the standby cannot answer (down, or cancelled by replay) goes to the primary,
// and so do the next ones for a few seconds, so that a standby that does not answer costs no
// connection attempt on every read.
//
// Why not wait for the standby: a person who has just saved reads at once, and with
// synchronous_commit = remote_apply the standby has already applied the commit, so the check
// passes; with asynchronous replication the primary answers until the standby catches up.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "host/datacenter/forwarding_data_center.h"

namespace prefdesk::datacenter {

class StandbyReadsDataCenter : public ForwardingDataCenter {
 public:
  static constexpr std::chrono::seconds kStandbyRest{5};

  // primary: the service whose connection string finds the primary
  // (target_session_attrs=read-write); standby: one that prefers a standby
  // (target_session_attrs=prefer-standby). Both on the same schema.
  StandbyReadsDataCenter(storage::DataCenterRef primary, storage::DataCenterRef standby);

  int32_t OpenRecordsetByString(std::shared_ptr<ado::Recordset>& rs,
                                const std::string& sql) override;
  int32_t Insert(const std::string& table, const std::string& columns,
                 const std::string& values) override;
  int32_t Update(const std::string& table, const std::string& assignments,
                 const std::string& unused, const std::string& condition) override;
  int32_t Delete(const std::string& table, const std::string& condition) override;
  int32_t BeginTrans() override;
  int32_t CommitTrans() override;
  void RollbackTrans() override;
  storage::ErrInfo GetErrInfo() const override { return last_->GetErrInfo(); }

  // Queries answered by each side so far.
  int64_t StandbyReads() const { return standby_reads_; }
  int64_t PrimaryReads() const { return primary_reads_; }

 private:
  storage::DataCenter& Use(const storage::DataCenterRef& dc);
  // After a write outside a transaction or a commit: notes where the primary's WAL is now.
  int32_t NoteWrite(int32_t result);
  // True when the standby has replayed the last noted position (or is itself a primary now).
  bool StandbyCaughtUp();

  storage::DataCenterRef standby_;
  storage::DataCenter* last_;
  // The primary's WAL position after this client's last write, until the standby has
  // replayed it; "unknown" holds the reads on the primary until the next write.
  std::optional<std::string> unreplayed_;
  // After the standby failed a query, the primary answers until then.
  std::chrono::steady_clock::time_point standby_rests_until_{};
  int64_t standby_reads_ = 0;
  int64_t primary_reads_ = 0;
};

}  // namespace prefdesk::datacenter
