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

TEST_F(RegistrationTest, RecordNamesEveryIdentifierAndTheProgrammaticName) {
  const std::string json = ReadFile(folder_ / "Prefdesk.typelib.json");
  for (const char* guid :
       {"{CFDF4F0D-DB12-49AB-A309-ADBC33205E38}", "{6D208C54-245F-44AA-AFC4-7E2500EE9304}",
        "{1A893E7B-642A-4CA9-AA7A-2F64CCEAA670}", "{74FDD297-2FD8-4EDA-AD15-0453527798D3}",
        "{2D90B863-63C1-4B22-95BB-B1B5D2F86227}", "{DAED535B-BEEE-4839-8737-467F0C4270A8}",
        "{0F023FDB-3843-4421-9764-99AEB04E4A79}", "{B24EB3FB-46B6-4484-BF72-9FB874816B1F}",
        "{3DD1C049-85BF-49C1-9606-CEBF83AF6884}", "{9FF687F6-9D68-4161-B450-6A3DCFAF0596}"}) {
    EXPECT_NE(json.find(guid), std::string::npos) << guid;
  }
  EXPECT_NE(json.find("\"Prefdesk.ClsPrefdesk\""), std::string::npos);
  for (const char* dispid : {"0x68030012", "0x60030031", "0x40030002", "0x00000001"}) {
    EXPECT_NE(json.find(dispid), std::string::npos) << dispid;
  }
}

}  // namespace
}  // namespace prefdesk::component_test
