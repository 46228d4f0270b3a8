// What a user has stored on the server, by kind: the settings row (T_PMISC), the layout
// (T_PHBUTTON and T_PVBUTTON, with each list's default query) and the appearance schemes
// (T_PSCREENSTYLE). Saved queries (T_PQUERY) are the client's data, not preferences.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "src/storage/datacenter.h"

namespace prefdesk::cli {

enum PreferenceKind : int { kKindLayout = 1, kKindSettings = 2, kKindSchemes = 4, kKindAll = 7 };

struct StoredCounts {
  int32_t settings = 0;  // 0 or 1 row
  int32_t titles = 0;
  int32_t lists = 0;
  int32_t default_queries = 0;
  int32_t schemes = 0;

  bool Any(int kinds = kKindAll) const;
  // "1 settings row, 12 titles, 40 lists (3 with a default query), 2 schemes", the kinds asked.
  std::string Describe(int kinds = kKindAll) const;
};

StoredCounts CountStored(storage::DataCenter& dc, int16_t user);
// Every user that has anything stored, by id.
std::map<int32_t, StoredCounts> CountStoredByUser(storage::DataCenter& dc);
// Deletes the user's rows of the kinds; the caller holds the transaction.
void RemoveStored(storage::DataCenter& dc, int16_t user, int kinds);

}  // namespace prefdesk::cli
