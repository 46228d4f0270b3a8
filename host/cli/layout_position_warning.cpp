#include "host/cli/layout_position_warning.h"

#include <ostream>
#include <string>

#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "src/storage/field_values.h"
#include "src/storage/for_each_row.h"
#include "src/storage/local_query.h"
#include "src/storage/schema.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::cli {

void WarnWhenLayoutHasNoPositions(storage::DataCenter& server, int16_t user, std::ostream& out) {
  const std::string uid = storage::SqlInt(user);
  const std::string level = std::string(", COUNT(*) AS n, MAX(F_SEQUENCENO) AS top FROM ");
  std::shared_ptr<ado::Recordset> rs;
  storage::RecordsetCloser closer(rs);
  if (server.OpenRecordsetByString(
          rs, "SELECT 'titles' AS what" + level + storage::schema::T_PHBUTTON + " WHERE F_UID=" + uid +
                  " UNION ALL SELECT 'lists' AS what" + level + storage::schema::T_PVBUTTON +
                  " WHERE F_UID=" + uid + " AND (F_PVBUTTONID IS NULL OR F_PVBUTTONID=0)"
                  " UNION ALL SELECT 'second-level lists' AS what" + level +
                  storage::schema::T_PVBUTTON + " WHERE F_UID=" + uid + " AND F_PVBUTTONID>0") < 0) {
    return;
  }
  std::string levels;
  storage::ForEachRow(*rs, [&] {
    if (automation::CLng((*rs)["n"]) > 0 && (*rs)["top"].IsEmptyOrNull()) {
      levels += (levels.empty() ? "" : ", ") + storage::TextOrEmpty((*rs)["what"]);
    }
  });
  if (levels.empty()) return;
  out << "prefdesk-host: warning: user " << user << "'s stored " << levels
      << " have no positions, so the factory layout is shown instead and a save from the "
         "dialog replaces them; `prefdesk-host init --upgrade` numbers them\n";
}

}  // namespace prefdesk::cli
