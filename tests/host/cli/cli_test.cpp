// prefdesk-host run as a process, as a person or a script runs it: exit codes, the one line
// on stderr, and what reached the databases.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int code = -1;
  std::string out;
  std::string err;
};

class CliTest : public ::testing::Test {
 protected:
  CliTest() {
    std::string pattern = (fs::temp_directory_path() / "prefdesk-cli-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
  }
  ~CliTest() override { fs::remove_all(folder_); }

  // Runs the program with the test's databases; stdin is empty.
  Outcome Host(const std::string& args, bool with_databases = true) {
    // The test's own options come after the fixture's: the last value given wins.
    const size_t verb_end = args.find(' ');
    std::string command = std::string(PREFDESK_HOST_BIN) + " " + args.substr(0, verb_end);
    if (with_databases) command += " --lang en --defaults " + Local().string() + " --server sqlite:" + Server().string();
    if (verb_end != std::string::npos) command += args.substr(verb_end);
    command += " </dev/null 2>" + (folder_ / "err").string();
    Outcome run;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    run.code = WEXITSTATUS(pclose(pipe));
    std::ifstream err(folder_ / "err");
    run.err.assign(std::istreambuf_iterator<char>(err), {});
    return run;
  }
  fs::path Write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name) << text;
    return folder_ / name;
  }
  fs::path Local() const { return folder_ / "local.db"; }
  fs::path Server() const { return folder_ / "server.db"; }

  fs::path folder_;
};

TEST_F(CliTest, InitRefusesToReplaceUnlessForced) {
  ASSERT_EQ(Host("init").code, 0);
  const auto size = fs::file_size(Server());
  const Outcome again = Host("init");
  EXPECT_EQ(again.code, 7);
  EXPECT_NE(again.err.find("already exists"), std::string::npos) << again.err;
  EXPECT_EQ(fs::file_size(Server()), size);
  EXPECT_EQ(Host("init --force").code, 0);
}

TEST_F(CliTest, ScriptedDialogChangesTheBarAndStartupTitle) {
  ASSERT_EQ(Host("init").code, 0);
  EXPECT_NE(Host("bar --user 9").out.find("no saved layout"), std::string::npos);
  const fs::path script = Write("edit.script",
                                "# hide one title, move another first\n"
                                "tab Startup\nchoose cboStartup Contacts\n"
                                "tab Column\ncheck lstGrandFather Marketing off\n"
                                "move lstGrandFather \"Reports\" top\nok\n");
  const Outcome options = Host("options --user 9 --json --script " + script.string());
  ASSERT_EQ(options.code, 0) << options.err;
  EXPECT_NE(options.out.find("\"E_OptionSuccess\""), std::string::npos) << options.out;

  const Outcome bar = Host("bar --user 9 --json");
  ASSERT_EQ(bar.code, 0) << bar.err;
  EXPECT_EQ(bar.out.find("{\"titles\":[{\"name\":\"Reports\""), 0u) << bar.out.substr(0, 80);
  EXPECT_NE(bar.out.find("\"name\":\"Marketing\",\"caption\":\"Marketing\",\"visible\":false"), std::string::npos);
  EXPECT_NE(Host("default-column --user 9 --json").out.find("\"name\": \"Contacts\""), std::string::npos);
  // Another user is untouched, and reset brings the factory layout back.
  EXPECT_NE(Host("bar --user 10").out.find("no saved layout"), std::string::npos);
  EXPECT_EQ(Host("reset --user 9").code, 7);  // not confirmed: stdin is empty
  EXPECT_EQ(Host("reset --user 9 --yes").code, 0);
  EXPECT_NE(Host("bar --user 9").out.find("no saved layout"), std::string::npos);
}

TEST_F(CliTest, BadScriptLinesNameFileAndLineAndSaveNothing) {
  ASSERT_EQ(Host("init").code, 0);
  const fs::path unknown = Write("unknown.script", "tab Column\n\n  jump lstSon 1\nok\n");
  Outcome run = Host("options --user 3 --script " + unknown.string());
  EXPECT_EQ(run.code, 5);
  EXPECT_NE(run.err.find(unknown.string() + ":3: unknown action 'jump'"), std::string::npos) << run.err;

  const fs::path missing = Write("missing.script", "tab Column\ncheck lstGrandFather Marketing off\ncheck lstSon Nowhere\nok\n");
  run = Host("options --user 3 --script " + missing.string());
  EXPECT_EQ(run.code, 5);
  EXPECT_NE(run.err.find(":3: lstSon has no item \"Nowhere\""), std::string::npos) << run.err;
  EXPECT_NE(Host("bar --user 3").out.find("no saved layout"), std::string::npos);

  const fs::path after_ok = Write("after.script", "ok\ntab Column\n");
  EXPECT_NE(Host("options --user 3 --script " + after_ok.string()).err.find(":2: nothing can follow"), std::string::npos);
}

TEST_F(CliTest, InputsAPersonGetsWrongGiveOneLineAndTheirCode) {
  ASSERT_EQ(Host("init").code, 0);
  struct Case {
    std::string args;
    int code;
    std::string message;
  };
  std::ofstream(folder_ / "junk.db") << "not a database at all, just text";
  const Case cases[] = {
      {"bar --user 1 --defaults " + (folder_ / "none.db").string(), 3, "does not exist"},
      {"bar --user 1 --server sqlite:" + (folder_ / "junk.db").string(), 3, "is not a SQLite database"},
      {"bar --user 1 --defaults " + Server().string(), 3, "is not usable"},
      {"settings --user 0", 4, "unknown user '0'"},
      {"settings --user abc", 4, "unknown user 'abc'"},
      {"bar", 2, "needs --user N"},
      {"bar --user 1 --colour red", 2, "unknown option --colour"},
      {"options --user 1 --script " + (folder_ / "absent.script").string(), 5, "cannot read the script"},
      {"bar --user 1 --server postgresql://nobody@127.0.0.1:1/none", 6, "cannot reach the server"},
      {"invoke --user 1 NoSuchMember", 2, "has no member 'NoSuchMember'"},
  };
  for (const Case& c : cases) {
    const Outcome run = Host(c.args);
    EXPECT_EQ(run.code, c.code) << c.args << "\n" << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << "\n" << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  EXPECT_FALSE(fs::exists(folder_ / "none.db"));
  EXPECT_EQ(Host("frobnicate", false).code, 2);
}

TEST_F(CliTest, InvokeCallsMembersByName) {
  ASSERT_EQ(Host("init").code, 0);
  const Outcome run = Host("invoke --user 4 GetValMaxHistoryRecords @DataCenter @BaseConn");
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("GetValMaxHistoryRecords = False"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("MaxHistoryRecords = 10"), std::string::npos) << run.out;
}

}  // namespace
