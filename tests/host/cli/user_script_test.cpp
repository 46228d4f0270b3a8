// The script reader: words and quotes, comments, and the errors that name file and line.
#include <gtest/gtest.h>

#include <string>

#include "host/cli/cli_error.h"
#include "host/cli/user_script.h"

namespace prefdesk::cli {
namespace {

std::string ErrorOf(const std::string& text) {
  try {
    UserScript::Parse(text, "s.txt");
  } catch (const CliError& error) {
    EXPECT_EQ(error.Code(), kExitScript);
    return error.what();
  }
  return "";
}

TEST(UserScriptTest, ReadsWordsQuotesAndComments) {
  const UserScript script = UserScript::Parse(
      "# a comment line\n\n  choose cboStartup \"Key \\\"A\\\" Accounts\"  # trailing\r\n"
      "type txtCharge \"#1 a\\\\b\"\ncheck lstSon 0\nok\n",
      "s.txt");
  ASSERT_EQ(script.Actions().size(), 4u);
  EXPECT_EQ(script.Actions()[0].line, 3);
  EXPECT_EQ(script.Actions()[0].words, (std::vector<std::string>{"cboStartup", "Key \"A\" Accounts"}));
  EXPECT_EQ(script.Actions()[1].words[1], "#1 a\\b");
  EXPECT_EQ(script.Actions()[2].words.size(), 2u);
  EXPECT_EQ(script.Actions()[3].verb, "ok");
}

TEST(UserScriptTest, RejectsBadLinesWithTheirNumber) {
  EXPECT_EQ(ErrorOf("tab Column\nclick lstSon\n"), "s.txt:2: expected: click LIST ITEM");
  EXPECT_EQ(ErrorOf("check lstSon 1 maybe\n"), "s.txt:1: a check mark is on or off, not 'maybe'");
  EXPECT_EQ(ErrorOf("move lstSon 1 sideways\n"), "s.txt:1: a move is top, up, down or bottom, not 'sideways'");
  EXPECT_EQ(ErrorOf("\n\nanswer msgbox perhaps\n"),
            "s.txt:3: a message box answer is ok, cancel, abort, retry, ignore, yes or no");
  EXPECT_EQ(ErrorOf("type txtCash \"12.5\n"), "s.txt:1: unterminated quote");
  EXPECT_EQ(ErrorOf("cancel\n# fine\nok\n"), "s.txt:3: nothing can follow ok or cancel: the window is closed");
  EXPECT_EQ(ErrorOf("ok now\n"), "s.txt:1: expected: ok");
  EXPECT_EQ(ErrorOf("tab Column\ntype txtCharge " + std::string(5000, 'x') + "\n"), "s.txt:2: longer than 4096 bytes");
  EXPECT_EQ(ErrorOf("answer input \"\"\nanswer msgbox yes\nok\n"), "");
}

}  // namespace
}  // namespace prefdesk::cli
