#include "host/datacenter/statement_recorder.h"

#include <algorithm>
#include <initializer_list>

namespace prefdesk::datacenter {
namespace {

std::vector<RecordedCall> Only(const std::vector<RecordedCall>& calls,
                               std::initializer_list<const char*> members) {
  std::vector<RecordedCall> kept;
  for (const auto& call : calls) {
    if (std::any_of(members.begin(), members.end(),
                    [&](const char* m) { return call.member == m; })) {
      kept.push_back(call);
    }
  }
  return kept;
}

std::string Where(const std::string& condition) {
  return condition.empty() ? std::string() : " WHERE " + condition;
}

}  // namespace

std::vector<std::string> SqliteStatements(const std::vector<RecordedCall>& calls) {
  std::vector<std::string> sql;
  for (const RecordedCall& call : calls) {
    const auto& a = call.args;
    if (call.member == "OpenRecordsetByString") {
      sql.push_back(a.at(0));
    } else if (call.member == "Insert") {
      sql.push_back("INSERT INTO " + a.at(0) + " (" + a.at(1) + ") VALUES (" + a.at(2) + ")");
    } else if (call.member == "Update") {
      sql.push_back("UPDATE " + a.at(0) + " SET " + a.at(1) + Where(a.at(3)));
    } else if (call.member == "Delete") {
      sql.push_back("DELETE FROM " + a.at(0) + Where(a.at(1)));
    } else if (call.member == "BeginTrans") {
      sql.push_back("BEGIN IMMEDIATE");
    } else if (call.member == "CommitTrans") {
      sql.push_back("COMMIT");
    } else if (call.member == "RollbackTrans") {
      sql.push_back("ROLLBACK");
    }
  }
  return sql;
}

void StatementRecorder::Record(std::string member, std::vector<std::string> args) const {
  calls_.push_back({std::move(member), std::move(args)});
}

int32_t StatementRecorder::OpenRecordsetByString(std::shared_ptr<ado::Recordset>& rs,
                                                 const std::string& sql) {
  Record("OpenRecordsetByString", {sql});
  return ForwardingDataCenter::OpenRecordsetByString(rs, sql);
}

int32_t StatementRecorder::Insert(const std::string& table, const std::string& columns,
                                  const std::string& values) {
  Record("Insert", {table, columns, values});
  return ForwardingDataCenter::Insert(table, columns, values);
}

int32_t StatementRecorder::Update(const std::string& table, const std::string& assignments,
                                  const std::string& unused, const std::string& condition) {
  Record("Update", {table, assignments, unused, condition});
  return ForwardingDataCenter::Update(table, assignments, unused, condition);
}

int32_t StatementRecorder::Delete(const std::string& table, const std::string& condition) {
  Record("Delete", {table, condition});
  return ForwardingDataCenter::Delete(table, condition);
}

int32_t StatementRecorder::BeginTrans() {
  Record("BeginTrans");
  return ForwardingDataCenter::BeginTrans();
}

int32_t StatementRecorder::CommitTrans() {
  Record("CommitTrans");
  return ForwardingDataCenter::CommitTrans();
}

void StatementRecorder::RollbackTrans() {
  Record("RollbackTrans");
  ForwardingDataCenter::RollbackTrans();
}

bool StatementRecorder::InTransaction() const {
  Record("InTransaction");
  return ForwardingDataCenter::InTransaction();
}

storage::ErrInfo StatementRecorder::GetErrInfo() const {
  Record("ErrInfo");
  return ForwardingDataCenter::GetErrInfo();
}

storage::MyInfo StatementRecorder::myinfo() const {
  Record("myinfo");
  return ForwardingDataCenter::myinfo();
}

std::vector<RecordedCall> StatementRecorder::Statements() const {
  return Only(calls_, {"OpenRecordsetByString", "Insert", "Update", "Delete"});
}

std::vector<RecordedCall> StatementRecorder::Writes() const {
  return Only(calls_, {"Insert", "Update", "Delete"});
}

std::vector<RecordedCall> StatementRecorder::CallsOf(const std::string& member) const {
  return Only(calls_, {member.c_str()});
}

}  // namespace prefdesk::datacenter
