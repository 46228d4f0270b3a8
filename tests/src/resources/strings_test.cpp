#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "src/resources/strings.h"

namespace prefdesk::resources {
namespace {

// Sets the locale variables for one test and puts the old values back afterwards.
class LocaleEnvironment {
 public:
  LocaleEnvironment(const char* lc_all, const char* lc_messages, const char* lang) {
    Set("LC_ALL", lc_all);
    Set("LC_MESSAGES", lc_messages);
    Set("LANG", lang);
  }
  ~LocaleEnvironment() {
    for (const auto& [name, value] : saved_) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
  }

 private:
  void Set(const char* name, const char* value) {
    const char* old = std::getenv(name);
    saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  std::map<std::string, std::optional<std::string>> saved_;
};

class StringsTest : public ::testing::Test {
 protected:
  void TearDown() override { SetInterfaceLanguage(0); }
};

TEST_F(StringsTest, EnvironmentChoosesLanguageByFirstSetVariable) {
  {
    LocaleEnvironment env(nullptr, "zh_CN.UTF-8", "en_US.UTF-8");
    EXPECT_EQ(InterfaceLanguage(), kLangChinese);
  }
  {
    LocaleEnvironment env("C", nullptr, "zh_CN.UTF-8");
    EXPECT_EQ(InterfaceLanguage(), kLangEnglish);
  }
  {
    LocaleEnvironment env("", "", "zh_TW");
    EXPECT_EQ(InterfaceLanguage(), kLangChinese);
  }
  {
    LocaleEnvironment env(nullptr, nullptr, nullptr);
    EXPECT_EQ(InterfaceLanguage(), kLangEnglish);
  }
}

TEST_F(StringsTest, HostLanguageOverridesEnvironmentPerThread) {
  LocaleEnvironment env(nullptr, nullptr, "zh_CN.UTF-8");
  SetInterfaceLanguage(kLangEnglish);
  EXPECT_EQ(LoadResString(0), "English");
  int other_thread = 0;
  std::thread([&] { other_thread = InterfaceLanguage(); }).join();
  EXPECT_EQ(other_thread, kLangChinese);
  SetInterfaceLanguage(0);
  EXPECT_EQ(LoadResString(0), "Chinese");
}

TEST_F(StringsTest, EveryEntryTheComponentUsesHasBothTexts) {
  const std::vector<std::pair<int, int>> ranges = {
      {0, 1},       {100, 100},   {600, 600},   {1030, 1031}, {2001, 2003}, {2008, 2008}, {2010, 2018},
      {2020, 2026}, {2100, 2106}, {2110, 2110}, {2120, 2130}, {2200, 2200}, {2400, 2406}, {2410, 2413}};
  for (const auto& [first, last] : ranges) {
    for (int id = first; id <= last; ++id) {
      SetInterfaceLanguage(kLangEnglish);
      const std::string english = LoadResString(id);
      SetInterfaceLanguage(kLangChinese);
      const std::string chinese = LoadResString(id);
      EXPECT_FALSE(english.empty()) << id;
      EXPECT_FALSE(chinese.empty()) << id;
      EXPECT_NE(english, chinese) << id;
    }
  }
}

TEST_F(StringsTest, UnknownHostLanguageReadsEnglish) {
  SetInterfaceLanguage(1041);
  EXPECT_EQ(LoadResString(2003), "Cancel");
  EXPECT_EQ(LoadResString(9999), "");
  EXPECT_TRUE(IsEnglish());
}

}  // namespace
}  // namespace prefdesk::resources
