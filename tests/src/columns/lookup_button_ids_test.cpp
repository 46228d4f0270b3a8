#include <gtest/gtest.h>

#include "src/columns/lookup_button_ids.h"
#include "src/columns/record_classes.h"

namespace prefdesk::columns {
namespace {

class LookupButtonIdsTest : public ::testing::Test {
 protected:
  LookupButtonIdsTest() {
    ButtonIds().Titles = std::make_shared<TitleInfoCollection>("Titles");
    ButtonIds().Lists = std::make_shared<ListInfoCollection>("Lists");
    AddTitle(1, "Accounts");
    AddTitle(2, "Contacts");
    AddList(1, 10, "AllAccounts");
    AddList(2, 20, "AllAccounts");
    AddList(2, 21, "AllAccounts");
  }
  ~LookupButtonIdsTest() override { ClearButtonIdTables(); }

  void AddTitle(int16_t id, const char* name) {
    auto title = std::make_shared<columns::clsTitleInfo>();
    title->HButtonID = id;
    title->HButtonName = name;
    ButtonIds().Titles->Add(title);
  }
  void AddList(int16_t title, int16_t id, const char* name) {
    auto list = std::make_shared<columns::ClsListInfo>();
    list->HButtonID = title;
    list->VButtonID = id;
    list->VButtonName = name;
    ButtonIds().Lists->Add(list);
  }
};

TEST_F(LookupButtonIdsTest, FindsTitleThenTheLastMatchingListOfIt) {
  int16_t h = 0, v = 0;
  EXPECT_FALSE(LookupButtonIDs("Contacts", "AllAccounts", h, v));
  EXPECT_EQ(h, 2);
  EXPECT_EQ(v, 21);
  h = 0, v = 0;
  EXPECT_FALSE(LookupButtonIDs("Accounts", "AllAccounts", h, v));
  EXPECT_EQ(v, 10);
}

TEST_F(LookupButtonIdsTest, UnmatchedIdsKeepTheirEntryValues) {
  int16_t h = 1, v = 99;
  EXPECT_FALSE(LookupButtonIDs("accounts", "AllAccounts", h, v)) << "names compare exactly";
  EXPECT_EQ(h, 1) << "the list search then uses the entry value";
  EXPECT_EQ(v, 10);
  v = 99;
  EXPECT_FALSE(LookupButtonIDs("Contacts", "", h, v));
  EXPECT_EQ(h, 2);
  EXPECT_EQ(v, 99);
  ClearButtonIdTables();
  EXPECT_TRUE(LookupButtonIDs("Contacts", "AllAccounts", h, v));
  EXPECT_EQ(v, 99);
}

}  // namespace
}  // namespace prefdesk::columns
