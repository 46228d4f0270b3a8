// A disconnected ADO record set holding every row of a PostgreSQL query result, with field
// types from the result's column types (see postgres_values.h).
#pragma once

#include <memory>

#include "platform/ado/recordset.h"

struct pg_result;

namespace prefdesk::datacenter {

std::shared_ptr<ado::Recordset> RecordsetFromResult(const pg_result* result);

}  // namespace prefdesk::datacenter
