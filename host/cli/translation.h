// The administrator's program in the interface language. Messages are written in English in
// the code; the Chinese table (messages_zh.cpp) is keyed by that English text, gettext style,
// so the code stays readable and `--lang zh` works on a machine that has no Chinese locale.
#pragma once

#include <string>
#include <vector>

namespace prefdesk::cli {

// An English text and its Chinese. "{}" in the English stands for a part that varies (a name,
// a number, another message); the Chinese puts the parts back in order with "{}", or by
// position with "{0}", "{1}", ....
struct Translation {
  const char* english;
  const char* chinese;
};
const std::vector<Translation>& ChineseMessages();

// Sets the interface language from a --lang word among the arguments, before any command runs,
// so that help and usage errors follow it too. Anything but en or zh is left for the command
// to refuse.
void LanguageFromArguments(const std::vector<std::string>& args);

// The text in the interface language: the table's entry equal to it, else the entry whose
// pattern it fits with the most fixed text (each varying part of more than one word
// translated in turn), else the text as it is.
std::string Translate(const std::string& english);

}  // namespace prefdesk::cli
