// Texts that break naive SQL (quotes, statement separators, comment markers, backslashes,
// full-width and non-BMP characters, the longest a column holds) stored and read back through
// the component's writers and readers, on the back end the fixture runs on: each comes back
// unchanged and no other row moves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/automation/conversions.h"
#include "platform/ui/toolkit.h"
#include "src/state/shared_state.h"
#include "src/dialog/default_query_storage.h"
#include "src/resources/strings.h"
#include "src/storage/sql_literal.h"
#include "support/temp_databases.h"

namespace prefdesk::dialog::testing {
namespace {

// n copies of a four-byte character: n characters, 4n bytes.
std::string NonBmp(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += "\xF0\x9F\x98\x80";
  return text;
}

const std::vector<std::string> kHostile = {
    "O'Brien",
    "''",
    "x' OR '1'='1",
    "a';DROP TABLE T_PVBUTTON;--",
    "-- not a comment",
    "/* nor this */ */",
    "back\\slash\\'",
    "tab\tand\nnewline",
    "全角；引号＂",
    "\xF0\xA0\x80\x80 and \xF0\x9F\x98\x80",
    NonBmp(50),
    std::string(50, '\''),
};

class HostileTextTest : public ::testing::Test {
 protected:
  static constexpr int32_t kUser = 7;

  HostileTextTest() {
    ui::Toolkit::Current().UseHeadless();
    resources::SetInterfaceLanguage(resources::kLangEnglish);
    state::State() = state::SharedState{};
    state::State().UserID = kUser;
    db_.SeedServerLayout(kUser);
    db_.SeedServerLayout(kUser + 1);
  }
  ~HostileTextTest() override {
    state::State() = state::SharedState{};
    resources::SetInterfaceLanguage(0);
  }

  test_support::Rows Rows(const std::string& table, const std::string& except) const {
    return db_.ServerRows("SELECT * FROM " + table + " WHERE NOT (" + except + ") ORDER BY 1, 2, 3");
  }

  test_support::TempDatabases db_{kUser};
};

TEST_F(HostileTextTest, DefaultQueryIdsAndNamesComeBackUnchanged) {
  storage::DataCenter& dc = *db_.Server();
  const std::string mine = "F_UID=7 AND F_VBUTTONID=1";
  const test_support::Rows others = Rows("T_PVBUTTON", mine);
  for (const std::string& text : kHostile) {
    SCOPED_TRACE(text);
    const std::string name = text + text;  // up to 100 characters
    ASSERT_EQ(dc.Insert("T_PQUERY", "F_QUERYID,F_UID,F_HBUTTONID,F_QUERYNAME",
                        storage::SqlText(text) + ", 7, 1, " + storage::SqlText(name)),
              1)
        << dc.GetErrInfo().Description;
    ASSERT_FALSE(SaveValsDefaultQueryToSvr(dc, 1, 1, text));

    DefaultQueryRecordsets sets;
    ASSERT_FALSE(GetSvrValDefaultQuery(db_.Server(), db_.Local(), sets));
    int found = 0;
    for (sets.defaults->MoveFirst(); !sets.defaults->IsEOF(); sets.defaults->MoveNext()) {
      if (automation::CLng((*sets.defaults)["ListID"]) != 1) continue;
      ++found;
      EXPECT_EQ(automation::CStr((*sets.defaults)["DefaultQueryID"]), text);
      EXPECT_EQ(automation::CStr((*sets.defaults)["DefaultQueryName"]), name);
    }
    EXPECT_EQ(found, 1);
    EXPECT_EQ(sets.queries->RecordCount(), 1);
    sets.Release();
    EXPECT_EQ(Rows("T_PVBUTTON", mine), others);
    ASSERT_EQ(dc.Delete("T_PQUERY", "F_QUERYID=" + storage::SqlText(text)), 1);
  }
  EXPECT_EQ(db_.ServerInt("SELECT COUNT(*) FROM T_PQUERY"), 0);
}

}  // namespace
}  // namespace prefdesk::dialog::testing
