#include "host/datacenter/write_statements.h"

namespace prefdesk::datacenter {
namespace {

std::string WhereClause(const std::string& condition) {
  return condition.empty() ? std::string() : " WHERE " + condition;
}

}  // namespace

std::string InsertStatement(const std::string& table, const std::string& columns,
                            const std::string& values) {
  return "INSERT INTO " + table + " (" + columns + ") VALUES (" + values + ")";
}

std::string UpdateStatement(const std::string& table, const std::string& assignments,
                            const std::string& condition) {
  return "UPDATE " + table + " SET " + assignments + WhereClause(condition);
}

std::string DeleteStatement(const std::string& table, const std::string& condition) {
  return "DELETE FROM " + table + WhereClause(condition);
}

}  // namespace prefdesk::datacenter
