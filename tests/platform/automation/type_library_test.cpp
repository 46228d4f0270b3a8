#include "platform/automation/type_library.h"

#include <gtest/gtest.h>

namespace prefdesk::automation {
namespace {

TEST(TypeLibrary, EmptyListsEscapedNamesAndNegativeDispids) {
  TypeLibrary library;
  library.name = "Odd \"name\"\n";
  const std::string json = WriteTypeLibraryJson(library);
  EXPECT_NE(json.find("\"name\": \"Odd \\\"name\\\"\\n\""), std::string::npos);
  EXPECT_NE(json.find("\"classes\": [],\n  \"interfaces\": [],\n  \"enumerations\": []\n}"),
            std::string::npos);
  EXPECT_EQ(DispidText(-4), "0xFFFFFFFC");
}

}  // namespace
}  // namespace prefdesk::automation
