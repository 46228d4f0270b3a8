// The id look-up collections of titles and lists by name (one entry per catalogue row), filled
// by the startup step of the save and released after it, and the look-up through them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "src/columns/record_collection.h"

namespace prefdesk::columns {

class clsTitleInfo;
class ClsListInfo;

using TitleInfoCollection = RecordCollection<clsTitleInfo>;
using ListInfoCollection = RecordCollection<ClsListInfo>;

struct ButtonIdTables {
  std::shared_ptr<TitleInfoCollection> Titles;  // HButtonID, HButtonName of SYSTBLHBUTTON
  std::shared_ptr<ListInfoCollection> Lists;    // HButtonID, VButtonID, VButtonName of SYSTBLVBUTTON
};

// The calling thread's collections; both absent until the startup step creates them.
ButtonIdTables& ButtonIds();

// Releases both collections.
void ClearButtonIdTables();

// Sets HButtonID to the id of the first title named TitleName (exact comparison) and, when
// ListName is not empty, VButtonID to the id of the last list of that title id named ListName.
// Ids without a match keep their values. True when the collections are missing (not loaded);
// nothing is shown. The save checks the collections before its look-ups, so its callers may
// leave the result unread.
bool LookupButtonIDs(const std::string& TitleName, const std::string& ListName,
                     int16_t& HButtonID, int16_t& VButtonID);

}  // namespace prefdesk::columns
