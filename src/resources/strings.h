// The two-language string table (English 1033, Simplified Chinese 2052) and the language rule.
#pragma once

#include <string>
#include <string_view>

namespace prefdesk::resources {

inline constexpr int kLangEnglish = 1033;
inline constexpr int kLangChinese = 2052;

// The entry in the interface language; an unknown id gives the empty text.
std::string LoadResString(int id);

// The interface language: set by the host, else LC_ALL, LC_MESSAGES or LANG beginning with
// "zh" selects Chinese, anything else English. Per thread, like the component's state.
int InterfaceLanguage();
void SetInterfaceLanguage(int lcid);  // 0 returns to the environment's choice

// The language rule: upper-cased entry 0 equals "CHINESE" / "ENGLISH".
bool IsChinese();
bool IsEnglish();

// Picks the Chinese text when IsChinese(), else the English one.
std::string Bilingual(std::string_view english, std::string_view chinese);

}  // namespace prefdesk::resources
