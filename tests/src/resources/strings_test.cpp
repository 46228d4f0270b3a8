#include <gtest/gtest.h>

#include <cstdlib>
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
    const char* values[] = {lc_all, lc_messages, lang};
    for (int i = 0; i < 3; ++i) {
      const char* old = std::getenv(kNames[i]);
      saved_[i] = old ? std::optional<std::string>(old) : std::nullopt;
      Put(kNames[i], values[i]);
    }
  }
  ~LocaleEnvironment() {
    for (int i = 0; i < 3; ++i) Put(kNames[i], saved_[i] ? saved_[i]->c_str() : nullptr);
  }

 private:
  static constexpr const char* kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG"};

  static void Put(const char* name, const char* value) {
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  std::optional<std::string> saved_[3];
};

class StringsTest : public ::testing::Test {
 protected:
  void TearDown() override { SetInterfaceLanguage(0); }
};

TEST_F(StringsTest, EnvironmentChoosesLanguageByFirstSetVariable) {
  const struct {
    const char* lc_all;
    const char* lc_messages;
    const char* lang;
    int language;
  } cases[] = {{nullptr, "zh_CN.UTF-8", "en_US.UTF-8", kLangChinese},
               {"C", nullptr, "zh_CN.UTF-8", kLangEnglish},
               {"", "", "zh_TW", kLangChinese},
               {nullptr, nullptr, nullptr, kLangEnglish}};
  for (const auto& c : cases) {
    LocaleEnvironment env(c.lc_all, c.lc_messages, c.lang);
    EXPECT_EQ(InterfaceLanguage(), c.language) << (c.lang ? c.lang : "no LANG");
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
