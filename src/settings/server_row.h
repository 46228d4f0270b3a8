// The server side of the single-setting readers: the user's row of T_PMISC.
#pragma once

#include <memory>
#include <string>

#include "platform/ado/recordset.h"
#include "src/storage/datacenter.h"

namespace prefdesk::settings {

// Sends the query through the data service's OpenRecordsetByString into rs. True when rs holds
// a row to read; false on a negative result or at EOF or BOF. A missing data service raises 91
// from source (the calling reader's name).
bool OpenServerRow(const storage::DataCenterRef& dc, std::shared_ptr<ado::Recordset>& rs,
                   const std::string& sql, const std::string& source);

// The shared user id as SQL text.
std::string UserIdText();

}  // namespace prefdesk::settings
