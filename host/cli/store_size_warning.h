// On SQLite the options dialog's layout query reads the lists of every user on the server
// (SQLite 3.40 materializes its outer-joined list sub-query whole), so opening the dialog slows
// with each user. Beyond kSqliteUserLimit users with a saved layout it takes more than half a
// second; the server should then move to PostgreSQL, where every statement stays per user.
#pragma once

#include <iosfwd>

#include "src/storage/datacenter.h"

namespace prefdesk::cli {

inline constexpr int kSqliteUserLimit = 3000;

// Writes one warning line to out when the SQLite server store holds more than
// kSqliteUserLimit users, at most once per process. Reads no more than that many users.
void WarnWhenSqliteStoreOutgrown(storage::DataCenter& server, std::ostream& out);

}  // namespace prefdesk::cli
