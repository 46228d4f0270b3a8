// The interface language of the calling thread and the language rule built on entry 0.
#include <cstdlib>
#include <string_view>

#include "platform/automation/conversions.h"
#include "src/resources/strings.h"

namespace prefdesk::resources {
namespace {

thread_local int host_language = 0;

// The first of LC_ALL, LC_MESSAGES and LANG that is set and not empty decides, as the C
// library's own message lookup does.
int EnvironmentLanguage() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') {
      return std::string_view(value).starts_with("zh") ? kLangChinese : kLangEnglish;
    }
  }
  return kLangEnglish;
}

}  // namespace

int InterfaceLanguage() { return host_language != 0 ? host_language : EnvironmentLanguage(); }

void SetInterfaceLanguage(int lcid) { host_language = lcid; }

bool IsChinese() { return automation::UCase(LoadResString(0)) == "CHINESE"; }

bool IsEnglish() { return automation::UCase(LoadResString(0)) == "ENGLISH"; }

std::string Bilingual(std::string_view english, std::string_view chinese) {
  return std::string(IsChinese() ? chinese : english);
}

}  // namespace prefdesk::resources
