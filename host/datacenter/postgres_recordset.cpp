#ifdef PREFDESK_HAVE_POSTGRESQL

#include "host/datacenter/postgres_recordset.h"

#include <libpq-fe.h>

#include <string_view>
#include <vector>

#include "host/datacenter/postgres_values.h"

namespace prefdesk::datacenter {

std::shared_ptr<ado::Recordset> RecordsetFromResult(const pg_result* result) {
  const int columns = PQnfields(result);
  const int rows = PQntuples(result);
  std::vector<ado::FieldDefinition> fields;
  fields.reserve(columns);
  for (int c = 0; c < columns; ++c) {
    fields.push_back(FieldFromPg(PQfname(result, c), PQftype(result, c), PQfmod(result, c)));
  }
  std::vector<std::vector<automation::Variant>> values(rows);
  for (int r = 0; r < rows; ++r) {
    values[r].reserve(columns);
    for (int c = 0; c < columns; ++c) {
      if (PQgetisnull(result, r, c)) {
        values[r].push_back(automation::Variant::Null());
      } else {
        const std::string_view text(PQgetvalue(result, r, c), PQgetlength(result, r, c));
        values[r].push_back(ValueFromPg(fields[c], text));
      }
    }
  }
  return ado::Recordset::FromRows(std::move(fields), std::move(values));
}

}  // namespace prefdesk::datacenter

#endif  // PREFDESK_HAVE_POSTGRESQL
