#include "app/command_line.h"

#include <string_view>

namespace scengen {
namespace {

struct Subcommand {
  const char* name;  // empty for the run without a subcommand
  Action action;
  const char* summary;
};

// Every way to start the program; --help prints this table.
constexpr Subcommand kSubcommands[] = {
    {"", Action::kRun, "write and compile the carried scenario; leave the driver's documents"},
    {"texts", Action::kTexts,
     "write the five carried texts only (a template to edit); compile nothing"},
};

bool take_out_dir(const std::string& value, CommandLine* out, std::string* err) {
  if (value.empty()) {
    *err = "--out needs a folder name";
    return false;
  }
  if (out->out_dir) {
    *err = "--out given twice";
    return false;
  }
  out->out_dir = value;
  return true;
}

}  // namespace

bool parse_command_line(const std::vector<std::string>& args, CommandLine* out, std::string* err) {
  CommandLine result;
  bool have_subcommand = false;
  bool help = false;
  bool version = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      help = true;
    } else if (arg == "--version") {
      version = true;
    } else if (arg == "--out") {
      if (i + 1 == args.size()) {
        *err = "--out needs a folder name";
        return false;
      }
      if (!take_out_dir(args[++i], &result, err)) return false;
    } else if (arg.rfind("--out=", 0) == 0) {
      if (!take_out_dir(arg.substr(6), &result, err)) return false;
    } else if (!arg.empty() && arg[0] == '-') {
      *err = "unknown option '" + arg + "'";
      return false;
    } else {
      bool known = false;
      for (const Subcommand& s : kSubcommands) {
        if (*s.name != '\0' && arg == s.name && !have_subcommand) {
          result.action = s.action;
          have_subcommand = known = true;
        }
      }
      if (!known) {
        *err = (have_subcommand ? "unexpected argument '" : "unknown subcommand '") + arg + "'";
        return false;
      }
    }
  }
  if (help) {
    result.action = Action::kHelp;
  } else if (version) {
    result.action = Action::kVersion;
  }
  *out = result;
  return true;
}

std::string help_text() {
  std::string text =
      "usage: scengen [SUBCOMMAND] [--out DIR]\n"
      "\n"
      "Scenario compiler for the line Tolvo - Sarmaleonte and train 31474.\n"
      "\n"
      "subcommands:\n";
  for (const Subcommand& s : kSubcommands) {
    std::string name = *s.name ? s.name : "(none)";
    name.resize(10, ' ');
    text += "  " + name + s.summary + "\n";
  }
  text +=
      "\n"
      "options:\n"
      "  --out DIR   write into DIR (created if missing) instead of the folder\n"
      "              that holds the program\n"
      "  --help      show this help\n"
      "  --version   show the version\n"
      "\n"
      "exit status:\n"
      "  0  the run completed with no error\n"
      "  1  the compile recorded errors (reported on stderr; files written as far\n"
      "     as the model allows)\n"
      "  2  the run stopped: usage error, a file that cannot be written, or a\n"
      "     fatal check\n";
  return text;
}

}  // namespace scengen
