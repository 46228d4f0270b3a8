#include "host/cli/store_size_warning.h"

#include <ostream>

#include "platform/ado/recordset.h"
#include "src/storage/local_query.h"
#include "src/storage/schema.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::cli {

void WarnWhenSqliteStoreOutgrown(storage::DataCenter& server, std::ostream& out) {
  static bool warned = false;
  if (warned) return;
  std::shared_ptr<ado::Recordset> rs;
  storage::RecordsetCloser closer(rs);
  const int32_t rows = server.OpenRecordsetByString(
      rs, std::string("SELECT F_UID FROM (SELECT DISTINCT F_UID FROM ") + storage::schema::T_PHBUTTON +
              ") u LIMIT 1 OFFSET " +
              storage::SqlInt(kSqliteUserLimit));
  if (rows <= 0) return;
  warned = true;
  out << "prefdesk-host: warning: the SQLite server store holds more than " << kSqliteUserLimit
      << " users and the options dialog slows with each one (over 0.5 s now); move the server "
         "to PostgreSQL (--server postgresql://...) to grow\n";
}

}  // namespace prefdesk::cli
