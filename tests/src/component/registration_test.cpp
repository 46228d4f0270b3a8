#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <string>

#include "src/component/registration.h"

namespace prefdesk::component_test {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

const fs::path kShare = fs::path(PREFDESK_DATA_DIR) / ".." / "share";

class RegistrationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("prefdesk-registration-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    component::WriteRegistrationRecord(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_F(RegistrationTest, CommittedRecordMatchesTheMemberTables) {
  for (const char* name : {"Prefdesk.typelib.json", "Prefdesk.idl"}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(fs::exists(kShare / name));
    EXPECT_EQ(ReadFile(kShare / name), ReadFile(folder_ / name))
        << "regenerate with: prefdesk-registration share";
  }
}

}  // namespace
}  // namespace prefdesk::component_test
