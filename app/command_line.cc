#include "app/command_line.h"

#include <charconv>
#include <string_view>

namespace scengen {
namespace {

struct Subcommand {
  const char* name;  // empty for the run without a subcommand
  Action action;
  const char* arguments;
  const char* summary;
};

// Every way to start the program; --help prints this table.
constexpr Subcommand kSubcommands[] = {
    {"", Action::kRun, "[--out DIR]",
     "write and compile the carried scenario; leave the driver's documents"},
    {"texts", Action::kTexts, "[--out DIR]",
     "write the five carried texts only (a template to edit); compile nothing"},
    {"compile", Action::kCompile,
     "LINE_TEXT TRAIN_TEXT [--out DIR] [--scenario NAME] [--train CODE] [--no-plan] [--json]",
     "compile your own line and train texts into the three data files; the texts are left as "
     "they are"},
    {"dump", Action::kDump, "FILE [--json] [--all] [--every N]",
     "decode a compiled file: a cell file, an item file (.sim) or a line plan (_linea.dat)"},
    {"report", Action::kReport, "DIR [--scenario NAME] [--train CODE] [-o FILE]",
     "draw the scenario compiled into DIR as one HTML page: the map, the profile, the timetable "
     "and a summary"},
};

constexpr unsigned bit(Action a) { return 1u << static_cast<unsigned>(a); }

enum class OptionId { kOut, kScenario, kTrain, kNoPlan, kJson, kAll, kEvery, kOutput };

struct Option {
  const char* name;
  OptionId id;
  const char* value;  // nullptr for a flag
  unsigned actions;   // the subcommands it goes with
  const char* help;
};

constexpr Option kOptions[] = {
    {"--out", OptionId::kOut, "DIR",
     bit(Action::kRun) | bit(Action::kTexts) | bit(Action::kCompile),
     "write into DIR (created if missing); the run and texts default to the folder that holds "
     "the program, compile to the working folder"},
    {"--scenario", OptionId::kScenario, "NAME", bit(Action::kCompile) | bit(Action::kReport),
     "scenario name for the file names; compile: default NAME of LINE_TEXT named "
     "NAME_linea.txt; report: the scenario to draw when DIR holds more than one"},
    {"--train", OptionId::kTrain, "CODE", bit(Action::kCompile) | bit(Action::kReport),
     "train code for the file names; compile: default CODE of TRAIN_TEXT named NAME_CODE-.txt; "
     "report: as --scenario"},
    {"--no-plan", OptionId::kNoPlan, nullptr, bit(Action::kCompile),
     "compile without the line plan: curves are not read, no _linea.dat is written"},
    {"--json", OptionId::kJson, nullptr, bit(Action::kCompile) | bit(Action::kDump),
     "print JSON lines on stdout: the diagnostics and a summary, or the decoded records"},
    {"--all", OptionId::kAll, nullptr, bit(Action::kDump),
     "cell file: every cell, the plain ones too"},
    {"--every", OptionId::kEvery, "N", bit(Action::kDump),
     "line plan: the coordinates every N metres (default 100)"},
    {"-o", OptionId::kOutput, "FILE", bit(Action::kReport),
     "the HTML file to write; default NAME_CODE.html in DIR"},
};

const char* subcommand_name(Action a) {
  for (const Subcommand& s : kSubcommands) {
    if (s.action == a) return *s.name ? s.name : "the run";
  }
  return "?";
}

bool take_value(const Option& o, const std::string& value, CommandLine* cl, std::string* err) {
  auto once = [&](auto& field, auto v) {
    if (field) {
      *err = std::string(o.name) + " given twice";
      return false;
    }
    field = v;
    return true;
  };
  switch (o.id) {
    case OptionId::kOut:
      if (value.empty()) {
        *err = "--out needs a folder name";
        return false;
      }
      return once(cl->out_dir, std::filesystem::path(value));
    case OptionId::kScenario:
    case OptionId::kTrain: {
      const bool scenario = o.id == OptionId::kScenario;
      if (value.empty()) {
        *err = scenario ? "--scenario needs a name" : "--train needs a code";
        return false;
      }
      // The names become parts of file names in the output folder.
      if (value.find('/') != std::string::npos) {
        *err = std::string(o.name) + " may not contain '/': '" + value + "'";
        return false;
      }
      return once(scenario ? cl->scenario_name : cl->train_code, value);
    }
    case OptionId::kOutput:
      if (value.empty()) {
        *err = "-o needs a file name";
        return false;
      }
      return once(cl->output, std::filesystem::path(value));
    case OptionId::kEvery: {
      int64_t n = 0;
      const char* end = value.data() + value.size();
      auto [ptr, ec] = std::from_chars(value.data(), end, n);
      if (value.empty() || ec != std::errc() || ptr != end || n < 1 || n > 1000000000) {
        *err = "--every needs a whole number of metres from 1 to 1000000000, not '" + value + "'";
        return false;
      }
      return once(cl->every, n);
    }
    case OptionId::kNoPlan:
    case OptionId::kJson:
    case OptionId::kAll:
      break;
  }
  return true;
}

void set_flag(OptionId id, CommandLine* cl) {
  if (id == OptionId::kNoPlan) cl->no_plan = true;
  if (id == OptionId::kJson) cl->json = true;
  if (id == OptionId::kAll) cl->all = true;
}

// Each option given must go with the subcommand: "--json" with the run is an
// error, not something to ignore.
bool check_options(const std::vector<const Option*>& given, Action action, std::string* err) {
  for (const Option* o : given) {
    if (o->actions & bit(action)) continue;
    std::string with;
    for (const Subcommand& s : kSubcommands) {
      if (!(o->actions & bit(s.action))) continue;
      with += (with.empty() ? "" : ", ") + std::string(subcommand_name(s.action));
    }
    *err = "option '" + std::string(o->name) + "' does not go with " + subcommand_name(action) +
           " (it is for: " + with + ")";
    return false;
  }
  return true;
}

bool check_inputs(const CommandLine& cl, std::string* err) {
  const std::size_t wanted = cl.action == Action::kCompile                                ? 2
                             : cl.action == Action::kDump || cl.action == Action::kReport ? 1
                                                                                          : 0;
  if (cl.inputs.size() > wanted) {
    *err = "unexpected argument '" + cl.inputs[wanted] + "'";
    return false;
  }
  if (cl.inputs.size() < wanted) {
    *err = cl.action == Action::kCompile ? "compile needs LINE_TEXT and TRAIN_TEXT"
           : cl.action == Action::kDump  ? "dump needs the FILE to decode"
                                         : "report needs the DIR that holds the compiled files";
    return false;
  }
  return true;
}

// `words` broken into lines of at most 79 columns; the first starts at
// `column`, the others after `indent` blanks.
std::string wrapped(std::string_view words, std::size_t column, std::size_t indent) {
  std::string text;
  bool first = true;
  while (!words.empty()) {
    // A blank inside brackets does not break: "[--train CODE]" stays whole.
    std::size_t blank = 0;
    for (int depth = 0; blank < words.size() && (words[blank] != ' ' || depth > 0); ++blank) {
      depth += words[blank] == '[' ? 1 : words[blank] == ']' ? -1 : 0;
    }
    if (blank == words.size()) blank = std::string_view::npos;
    const std::string_view word = words.substr(0, blank);
    words = blank == std::string_view::npos ? std::string_view() : words.substr(blank + 1);
    if (word.empty()) continue;
    if (!first && column + 1 + word.size() > 79) {
      text += "\n" + std::string(indent, ' ');
      column = indent;
    } else if (!first) {
      text += ' ';
      ++column;
    }
    text += word;
    column += word.size();
    first = false;
  }
  return text + "\n";
}

}  // namespace

bool parse_command_line(const std::vector<std::string>& args, CommandLine* out, std::string* err) {
  CommandLine result;
  bool have_subcommand = false;
  bool help = false;
  bool version = false;
  bool options_end = false;  // after "--" every argument is a file name
  std::vector<const Option*> given;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!options_end && arg == "--") {
      options_end = true;
      continue;
    }
    if (!options_end && (arg == "--help" || arg == "-h")) {
      help = true;
      continue;
    }
    if (!options_end && arg == "--version") {
      version = true;
      continue;
    }
    if (!options_end && !arg.empty() && arg[0] == '-') {
      const Option* option = nullptr;
      std::optional<std::string> inline_value;
      for (const Option& o : kOptions) {
        const std::string_view name = o.name;
        if (arg == name) {
          option = &o;
        } else if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 &&
                   arg[name.size()] == '=') {
          option = &o;
          inline_value = arg.substr(name.size() + 1);
        }
      }
      if (!option) {
        *err = "unknown option '" + arg + "'";
        return false;
      }
      given.push_back(option);
      if (!option->value) {
        if (inline_value) {
          *err = std::string(option->name) + " takes no value";
          return false;
        }
        set_flag(option->id, &result);
        continue;
      }
      if (!inline_value) {
        if (i + 1 == args.size()) {
          std::string value_name = option->value;
          *err = option->id == OptionId::kOut ? "--out needs a folder name"
                                              : std::string(option->name) + " needs " + value_name;
          return false;
        }
        inline_value = args[++i];
      }
      if (!take_value(*option, *inline_value, &result, err)) return false;
      continue;
    }
    if (!have_subcommand && !options_end) {
      bool known = false;
      for (const Subcommand& s : kSubcommands) {
        if (*s.name != '\0' && arg == s.name) {
          result.action = s.action;
          have_subcommand = known = true;
        }
      }
      if (!known) {
        *err = "unknown subcommand '" + arg + "'";
        return false;
      }
      continue;
    }
    result.inputs.push_back(arg);
  }
  if (help) {
    result.action = Action::kHelp;
  } else if (version) {
    result.action = Action::kVersion;
  } else if (!check_options(given, result.action, err) || !check_inputs(result, err)) {
    return false;
  }
  *out = result;
  return true;
}

std::string help_text() {
  std::string text =
      "usage: scengen [SUBCOMMAND] [ARGUMENTS] [OPTIONS]\n"
      "\n"
      "Scenario compiler for the line Tolvo - Sarmaleonte and train 31474, and for\n"
      "scenarios of your own.\n"
      "\n"
      "subcommands:\n";
  for (const Subcommand& s : kSubcommands) {
    const std::string usage = "scengen " + std::string(s.name) + (*s.name ? " " : "") + s.arguments;
    text += "  " + wrapped(usage, 2, 10) + "      " + wrapped(s.summary, 6, 6);
  }
  text += "\noptions:\n";
  for (const Option& o : kOptions) {
    std::string name = std::string(o.name) + (o.value ? std::string(" ") + o.value : "");
    name.resize(16, ' ');
    text += "  " + name + wrapped(o.help, 18, 18);
  }
  text +=
      "  --help          show this help\n"
      "  --version       show the version\n"
      "\n"
      "exit status:\n"
      "  0  the run completed with no error\n"
      "  1  the compile recorded errors (reported on stderr; files written as far\n"
      "     as the model allows)\n"
      "  2  the run stopped: usage error, a file that cannot be read or written, a\n"
      "     line without cells, or a fatal check\n";
  return text;
}

}  // namespace scengen
