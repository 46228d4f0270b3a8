#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/ado/recordset.h"
#include "platform/ado/types.h"
#include "platform/automation/error.h"

namespace prefdesk::ado {
namespace {

using automation::AutomationError;
using automation::Variant;

Variant Text(const char* s) { return Variant(s); }
Variant Long(int v) { return Variant(int32_t{v}); }
const Variant kNull = Variant::Null();

// Title-list rows: TitleName, ListName, TitleID, DefaultVisible.
std::shared_ptr<Recordset> Catalogue() {
  return Recordset::FromRows(
      {{"TitleName", adBSTR, 0}, {"ListName", adBSTR, 0}, {"TitleID", adInteger, 0},
       {"DefaultVisible", adBoolean, 0}},
      {{Text("Sales"), Text("Leads"), Long(12), Variant(true)},
       {Text("Sales"), Text("Deals"), Long(12), Variant(false)},
       {Text("Sales"), kNull, Long(12), kNull},
       {kNull, kNull, Long(0), Variant(true)},
       {Text("sales"), Text("Leads"), Long(13), Variant(true)},
       {Text("O'Brien"), Text("Leads"), Long(14), Variant(false)},
       {Variant(), Text("Orphan"), kNull, Variant(true)}});
}

// The TitleID of every visible row, walked from the first as the readers do.
std::vector<int> Ids(Recordset& rs) {
  std::vector<int> ids;
  for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
    const Variant& v = rs["TitleID"];
    ids.push_back(v.IsNull() ? -1 : *v.Get<int32_t>());
  }
  return ids;
}

// NULL terms match null and empty; text compares exactly and case-sensitively while field names
// do not; numbers and booleans; Or binds looser than And, parentheses group.
TEST(Filter, ExpressionsSelectTheirRows) {
  const std::pair<const char*, std::vector<int>> cases[] = {
      {"TitleName = NULL And ListName = NULL", {0}},
      {"TitleName=NULL", {0, -1}},
      {"TitleName=NULL And ListName='Orphan'", {-1}},
      {"TitleName='Sales' And ListName = NULL", {12}},
      {"ListName <> NULL And TitleID <> NULL", {12, 12, 13, 14}},
      {"TitleName='Sales' And ListName='Leads'", {12}},
      {"titlename='sales' And LISTNAME= 'Leads'", {13}},
      {"TitleName='Sales '", {}},
      {"TitleName='O''Brien'", {14}},
      {"[ListName] > 'E' And ListName < 'M'", {12, 13, 14}},
      {"TitleID=12", {12, 12, 12}},
      {"TitleID >= 13", {13, 14}},
      {"TitleID <= 12", {12, 12, 12, 0}},
      {"TitleID = 12.0 And ListName='Deals'", {12}},
      {"TitleID='13'", {13}},
      {"TitleName='Sales' And DefaultVisible = TRUE", {12}},
      {"DefaultVisible = false", {12, 14}},
      {"DefaultVisible = -1 And TitleID < 13", {12, 0}},
      {"DefaultVisible = 0", {12, 14}},
      {"TitleID = 13 Or TitleID = 14 And ListName = 'Deals'", {13}},
      {"(TitleID = 13 Or TitleID = 14) And ListName = 'Leads'", {13, 14}},
      {"((TitleName = 'Sales')) OR (TitleName = NULL AND TitleID = 0)", {12, 12, 12, 0}},
  };
  for (const auto& [expression, ids] : cases) {
    auto rs = Catalogue();
    rs->SetFilter(expression);
    EXPECT_EQ(Ids(*rs), ids) << expression;
  }
}

TEST(Filter, RecordCountPositionAndClearing) {
  auto rs = Catalogue();
  rs->MoveNext();
  rs->MoveNext();
  rs->SetFilter("TitleID=12");
  EXPECT_EQ(rs->Filter(), "TitleID=12");
  EXPECT_EQ(rs->RecordCount(), 3);
  EXPECT_EQ(rs->AbsolutePosition(), 1);  // a new filter starts at its first row
  rs->SetAbsolutePosition(2);
  EXPECT_EQ(rs->operator[]("ListName"), Variant("Deals"));

  rs->SetFilter("TitleID = 99");
  EXPECT_TRUE(rs->IsEOF());
  EXPECT_TRUE(rs->IsBOF());
  EXPECT_EQ(rs->RecordCount(), 0);

  rs->SetFilter("");
  EXPECT_EQ(rs->Filter(), "");
  EXPECT_EQ(rs->RecordCount(), 7);
  EXPECT_EQ(rs->AbsolutePosition(), 1);
}

TEST(Filter, BadExpressionsRaiseWithAMessageAndKeepThePreviousFilter) {
  auto rs = Catalogue();
  rs->SetFilter("TitleID=14");
  for (const char* bad : {"TitleName='x", "Nope = 1", "TitleName 'x'", "TitleName =", "TitleID = 1 And",
                          "(TitleID = 1", "TitleID = 1 TitleID = 2", "TitleID = 12abc", "= 1"}) {
    try {
      rs->SetFilter(bad);
      ADD_FAILURE() << "accepted " << bad;
    } catch (const AutomationError& e) {
      EXPECT_EQ(e.Number(), kErrBadFilter) << bad;
      EXPECT_NE(e.Description().find(bad), std::string::npos) << e.Description();
    }
  }
  EXPECT_EQ(Ids(*rs), (std::vector<int>{14}));
}

// Equality conjunctions come from an index, everything else from a scan: both must agree
// after rows change. Wrapping a conjunction in an Or with a term that never holds forces a scan.
TEST(Filter, IndexedAnswersFollowRowChanges) {
  auto rs = Catalogue();
  const char* indexed = "TitleName='Sales' And ListName='Leads'";
  const char* scanned = "TitleName='Sales' And ListName='Leads' Or TitleID = -5";
  rs->SetFilter(indexed);
  EXPECT_EQ(Ids(*rs), (std::vector<int>{12}));

  // Change a matching row's key while filtered: the view keeps it until the next filter.
  rs->MoveFirst();
  rs->SetCollect("ListName", Variant("Moved"));
  EXPECT_EQ(rs->RecordCount(), 1);
  rs->SetFilter(indexed);
  EXPECT_EQ(rs->RecordCount(), 0);

  // Rows added later are found.
  rs->SetFilter("");
  for (int id : {20, 21}) {
    rs->AddNew();
    rs->SetCollect("TitleName", Variant("Sales"));
    rs->SetCollect("ListName", Variant("Leads"));
    rs->SetCollect("TitleID", Variant(int32_t{id}));
    rs->Update();
  }
  rs->SetFilter(indexed);
  const auto from_index = Ids(*rs);
  rs->SetFilter(scanned);
  EXPECT_EQ(from_index, Ids(*rs));
  EXPECT_EQ(from_index, (std::vector<int>{20, 21}));

  // A change to a field outside the index leaves it valid; one inside refreshes it.
  rs->SetFilter("TitleID = 20");
  rs->SetCollect("TitleName", Variant("Other"));
  rs->SetFilter(indexed);
  EXPECT_EQ(Ids(*rs), (std::vector<int>{21}));
}

TEST(Filter, RowsAddedUnderAFilterStayInView) {
  auto rs = Catalogue();
  rs->SetFilter("TitleID = 14");
  rs->AddNew();
  rs->SetCollect("TitleID", Variant(int32_t{99}));
  EXPECT_EQ(rs->RecordCount(), 2);
  EXPECT_EQ(rs->AbsolutePosition(), 2);
  EXPECT_EQ(Ids(*rs), (std::vector<int>{14, 99}));
}

TEST(Filter, NumberLiteralOnATextFieldMatchesTextThatReadsAsTheNumber) {
  auto rs = Recordset::FromRows({{"Code", adBSTR, 0}},
                                {{Variant("12")}, {Variant("12.0")}, {Variant("x")}, {Variant("13")}});
  rs->SetFilter("Code = 12");
  EXPECT_EQ(rs->RecordCount(), 2);
  rs->SetFilter("Code = '12'");
  EXPECT_EQ(rs->RecordCount(), 1);
}

TEST(Filter, LargeSetsGiveTheSameRowsAsAScan) {
  std::vector<std::vector<Variant>> rows;
  for (int i = 0; i < 3600; ++i) {
    rows.push_back({Variant("T" + std::to_string(i % 60)), Variant("L" + std::to_string(i % 7)),
                    Variant(int32_t{i})});
  }
  auto rs = Recordset::FromRows(
      {{"TitleName", adBSTR, 0}, {"ListName", adBSTR, 0}, {"TitleID", adInteger, 0}}, rows);
  for (int i = 0; i < 3600; i += 37) {
    const std::string t = "T" + std::to_string(i % 60), l = "L" + std::to_string(i % 7);
    rs->SetFilter("TitleName='" + t + "' And ListName='" + l + "'");
    const auto indexed = Ids(*rs);
    rs->SetFilter("TitleName='" + t + "' And ListName='" + l + "' Or TitleID < -1");
    ASSERT_EQ(indexed, Ids(*rs)) << i;
    ASSERT_EQ(indexed.size(), 3600u / 420u + (i % 420 < 3600 % 420 ? 1u : 0u));
  }
}

}  // namespace
}  // namespace prefdesk::ado
