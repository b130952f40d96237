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
      {{"compile", "--help"}, Action::kHelp, ""},  // help wins over a missing input
      {{"--version"}, Action::kVersion, ""},
      {{"--out", "--help"}, Action::kRun, "--help"},  // the value of --out is taken as it stands
      {{"compile", "a_linea.txt", "a_R1-.txt"}, Action::kCompile, ""},
      {{"compile", "l", "t", "--out", "o"}, Action::kCompile, "o"},
      {{"dump", "x.dat"}, Action::kDump, ""},
      {{"report", "out"}, Action::kReport, ""},
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

TEST(CommandLine, CompileAndDumpTakeTheirInputsAndOptions) {
  CommandLine cl;
  std::string err;
  ASSERT_TRUE(parse_command_line({"compile", "--json", "linea.txt", "--scenario=S", "--no-plan",
                                  "--train", "T", "--", "-treno-.txt"},
                                 &cl, &err))
      << err;
  EXPECT_EQ(cl.action, Action::kCompile);
  EXPECT_EQ(cl.inputs, (std::vector<std::string>{"linea.txt", "-treno-.txt"}));
  EXPECT_EQ(cl.scenario_name, "S");
  EXPECT_EQ(cl.train_code, "T");
  EXPECT_TRUE(cl.no_plan);
  EXPECT_TRUE(cl.json);
  EXPECT_FALSE(cl.all);

  // A subcommand's name after the subcommand is a file name.
  ASSERT_TRUE(parse_command_line({"dump", "--all", "compile", "--every=250"}, &cl, &err)) << err;
  EXPECT_EQ(cl.action, Action::kDump);
  EXPECT_EQ(cl.inputs, (std::vector<std::string>{"compile"}));
  EXPECT_TRUE(cl.all);
  EXPECT_FALSE(cl.json);
  EXPECT_EQ(cl.every, 250);
  EXPECT_FALSE(cl.scenario_name.has_value());

  ASSERT_TRUE(parse_command_line({"report", "dir", "-o", "a.html", "--train=R1"}, &cl, &err))
      << err;
  EXPECT_EQ(cl.action, Action::kReport);
  EXPECT_EQ(cl.inputs, (std::vector<std::string>{"dir"}));
  EXPECT_EQ(cl.output, "a.html");
  EXPECT_EQ(cl.train_code, "R1");
  EXPECT_FALSE(cl.scenario_name.has_value());
}

TEST(CommandLine, UsageErrors) {
  struct Case {
    std::vector<std::string> args;
    std::string error;
  };
  const Case cases[] = {
      {{"--frobnicate"}, "unknown option '--frobnicate'"},
      {{"-x"}, "unknown option '-x'"},
      {{"build"}, "unknown subcommand 'build'"},
      {{"texts", "texts"}, "unexpected argument 'texts'"},
      {{"texts", "extra"}, "unexpected argument 'extra'"},
      {{"--out"}, "--out needs a folder name"},
      {{"--out="}, "--out needs a folder name"},
      {{"--out", ""}, "--out needs a folder name"},
      {{"--out", "a", "--out=b"}, "--out given twice"},
      {{"compile"}, "compile needs LINE_TEXT and TRAIN_TEXT"},
      {{"compile", "l"}, "compile needs LINE_TEXT and TRAIN_TEXT"},
      {{"compile", "l", "t", "x"}, "unexpected argument 'x'"},
      {{"dump"}, "dump needs the FILE to decode"},
      {{"dump", "a", "b"}, "unexpected argument 'b'"},
      {{"compile", "l", "t", "--scenario"}, "--scenario needs NAME"},
      {{"compile", "l", "t", "--scenario="}, "--scenario needs a name"},
      {{"compile", "l", "t", "--train", ""}, "--train needs a code"},
      {{"compile", "l", "t", "--train", "a/b"}, "--train may not contain '/': 'a/b'"},
      {{"compile", "l", "t", "--scenario", "A", "--scenario", "B"}, "--scenario given twice"},
      {{"compile", "l", "t", "--json=yes"}, "--json takes no value"},
      {{"dump", "f", "--every", "0"},
       "--every needs a whole number of metres from 1 to 1000000000, not '0'"},
      {{"dump", "f", "--every=1e3"},
       "--every needs a whole number of metres from 1 to 1000000000, not '1e3'"},
      {{"dump", "f", "--every", "99999999999999999999"},
       "--every needs a whole number of metres from 1 to 1000000000, not "
       "'99999999999999999999'"},
      // Each option goes with its subcommands only.
      {{"--json"}, "option '--json' does not go with the run (it is for: compile, dump)"},
      {{"texts", "--no-plan"}, "option '--no-plan' does not go with texts (it is for: compile)"},
      {{"dump", "f", "--out", "o"},
       "option '--out' does not go with dump (it is for: the run, texts, compile)"},
      {{"compile", "l", "t", "--all"}, "option '--all' does not go with compile (it is for: dump)"},
      {{"report"}, "report needs the DIR that holds the compiled files"},
      {{"report", "a", "b"}, "unexpected argument 'b'"},
      {{"report", "a", "-o"}, "-o needs FILE"},
      {{"report", "a", "-o="}, "-o needs a file name"},
      {{"report", "a", "-o", "x", "-o", "y"}, "-o given twice"},
      {{"report", "a", "--json"},
       "option '--json' does not go with report (it is for: compile, dump)"},
      {{"compile", "l", "t", "-o", "x"},
       "option '-o' does not go with compile (it is for: report)"},
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
  EXPECT_EQ(help.rfind("usage: scengen [SUBCOMMAND] [ARGUMENTS] [OPTIONS]\n", 0), 0u);
  for (const char* needle :
       {"\n  scengen texts [--out DIR]\n", "\n  scengen compile LINE_TEXT TRAIN_TEXT [--out DIR]",
        "\n  scengen dump FILE [--json] [--all] [--every N]\n",
        "\n  scengen report DIR [--scenario NAME] [--train CODE] [-o FILE]\n", "\n  -o FILE ",
        "\n  --out DIR ", "\n  --no-plan ", "\n  --every N ", "\n  0  the run completed",
        "\n  1  the compile recorded errors", "\n  2  the run stopped"}) {
    EXPECT_NE(help.find(needle), std::string::npos) << needle;
  }
  // Every line fits a terminal of 80 columns.
  size_t start = 0;
  for (size_t end; (end = help.find('\n', start)) != std::string::npos; start = end + 1) {
    EXPECT_LE(end - start, 79u) << help.substr(start, end - start);
  }
}

}  // namespace
}  // namespace scengen
