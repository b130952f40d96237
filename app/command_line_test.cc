#include "app/command_line.h"

#include <gtest/gtest.h>

namespace scengen {
namespace {

std::string joined(const std::vector<std::string>& args) {
  std::string s;
  for (const auto& a : args) s += a + " ";
  return s;
}

TEST(CommandLine, AcceptedForms) {
  struct Case {
    std::vector<std::string> args;
    Action action;
    std::string out_dir;  // empty: not given
  };
  const Case cases[] = {
      {{}, Action::kRun, ""},
      {{"--out", "dir"}, Action::kRun, "dir"},
      {{"--out=a/b"}, Action::kRun, "a/b"},
      {{"texts"}, Action::kTexts, ""},
      {{"texts", "--out", "x"}, Action::kTexts, "x"},
      {{"--out", "x", "texts"}, Action::kTexts, "x"},
      {{"--help"}, Action::kHelp, ""},
      {{"-h"}, Action::kHelp, ""},
      {{"texts", "--help"}, Action::kHelp, ""},
      {{"--version"}, Action::kVersion, ""},
      {{"--out", "--help"}, Action::kRun, "--help"},  // the value of --out is taken as it stands
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(joined(c.args));
    CommandLine cl;
    std::string err;
    ASSERT_TRUE(parse_command_line(c.args, &cl, &err)) << err;
    EXPECT_EQ(cl.action, c.action);
    EXPECT_EQ(cl.out_dir.value_or("").string(), c.out_dir);
  }
}

TEST(CommandLine, UsageErrors) {
  struct Case {
    std::vector<std::string> args;
    std::string error;
  };
  const Case cases[] = {
      {{"--frobnicate"}, "unknown option '--frobnicate'"},
      {{"-x"}, "unknown option '-x'"},
      {{"compile"}, "unknown subcommand 'compile'"},
      {{"texts", "texts"}, "unexpected argument 'texts'"},
      {{"texts", "extra"}, "unexpected argument 'extra'"},
      {{"--out"}, "--out needs a folder name"},
      {{"--out="}, "--out needs a folder name"},
      {{"--out", ""}, "--out needs a folder name"},
      {{"--out", "a", "--out=b"}, "--out given twice"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(joined(c.args));
    CommandLine cl;
    std::string err;
    EXPECT_FALSE(parse_command_line(c.args, &cl, &err));
    EXPECT_EQ(err, c.error);
  }
}

TEST(CommandLine, HelpListsSubcommandsAndExitStatuses) {
  const std::string help = help_text();
  EXPECT_EQ(help.rfind("usage: scengen [SUBCOMMAND] [--out DIR]\n", 0), 0u);
  for (const char* needle : {"\n  texts     ", "\n  --out DIR ", "\n  0  the run completed",
                             "\n  1  the compile recorded errors", "\n  2  the run stopped"}) {
    EXPECT_NE(help.find(needle), std::string::npos) << needle;
  }
}

}  // namespace
}  // namespace scengen
