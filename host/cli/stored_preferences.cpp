#include "host/cli/stored_preferences.h"

#include "host/cli/server_access.h"
#include "host/cli/translation.h"
#include "platform/automation/conversions.h"
#include "src/storage/schema.h"

namespace prefdesk::cli {

namespace {

struct Counted {
  const char* table;
  const char* what;  // the count expression
  int32_t StoredCounts::*field;
};

constexpr Counted kCounted[] = {
    {storage::schema::T_PMISC, "COUNT(*)", &StoredCounts::settings},
    {storage::schema::T_PHBUTTON, "COUNT(*)", &StoredCounts::titles},
    {storage::schema::T_PVBUTTON, "COUNT(*)", &StoredCounts::lists},
    {storage::schema::T_PVBUTTON, "COUNT(F_DEFQUERYID)", &StoredCounts::default_queries},
    {storage::schema::T_PSCREENSTYLE, "COUNT(*)", &StoredCounts::schemes},
};

std::string Counting(const std::string& what, int32_t count) {
  return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

}  // namespace

bool StoredCounts::Any(int kinds) const {
  return ((kinds & kKindSettings) && settings > 0) || ((kinds & kKindLayout) && (titles > 0 || lists > 0)) ||
         ((kinds & kKindSchemes) && schemes > 0);
}

std::string StoredCounts::Describe(int kinds) const {
  std::string text;
  const auto add = [&](const std::string& part) { text += (text.empty() ? "" : Translate(", ")) + Translate(part); };
  if (kinds & kKindSettings) add(settings > 0 ? "a settings row" : "no settings row");
  if (kinds & kKindLayout) {
    add(Counting("title", titles));
    add(Counting("list", lists) + (default_queries > 0 ? " (" + std::to_string(default_queries) + " with a default query)" : ""));
  }
  if (kinds & kKindSchemes) add(Counting("scheme", schemes));
  return text;
}

StoredCounts CountStored(storage::DataCenter& dc, int16_t user) {
  StoredCounts counts;
  for (const Counted& counted : kCounted) {
    ForEachRow(dc, std::string("SELECT ") + counted.what + " AS N FROM " + counted.table + " WHERE " + UserCondition(user),
               [&](const ado::Recordset& rs) { counts.*counted.field = automation::CLng(rs["N"]); });
  }
  return counts;
}

std::map<int32_t, StoredCounts> CountStoredByUser(storage::DataCenter& dc) {
  std::map<int32_t, StoredCounts> users;
  for (const Counted& counted : kCounted) {
    ForEachRow(dc, std::string("SELECT F_UID, ") + counted.what + " AS N FROM " + counted.table + " GROUP BY F_UID",
               [&](const ado::Recordset& rs) {
                 const int32_t count = automation::CLng(rs["N"]);
                 if (count > 0) users[automation::CLng(rs["F_UID"])].*counted.field = count;
               });
  }
  return users;
}

void RemoveStored(storage::DataCenter& dc, int16_t user, int kinds) {
  const std::string condition = UserCondition(user);
  if (kinds & kKindLayout) {
    DeleteRows(dc, storage::schema::T_PVBUTTON, condition);
    DeleteRows(dc, storage::schema::T_PHBUTTON, condition);
  }
  if (kinds & kKindSettings) DeleteRows(dc, storage::schema::T_PMISC, condition);
  if (kinds & kKindSchemes) DeleteRows(dc, storage::schema::T_PSCREENSTYLE, condition);
}

}  // namespace prefdesk::cli
