// scengen: writes the carried scenario Tolvo - Sarmaleonte, train 31474, and
// compiles it into the files the simulator loads; compiles an author's own
// texts and decodes compiled files. See --help.

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/compile_command.h"
#include "app/console.h"
#include "app/dump_command.h"
#include "app/executable_path.h"
#include "app/report_command.h"
#include "app/run_sequence.h"

#ifndef SCENGEN_VERSION
#define SCENGEN_VERSION "unknown"
#endif

namespace {

int stop(const std::string& message) {
  std::fprintf(stderr, "scengen: %s\n", message.c_str());
  return static_cast<int>(scengen::ExitStatus::kStopped);
}

int real_main(int argc, char** argv) {
  using namespace scengen;
  std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  CommandLine cl;
  std::string err;
  if (!parse_command_line(args, &cl, &err)) return stop(err + " (see scengen --help)");

  switch (cl.action) {
    case Action::kHelp:
      std::fputs(help_text().c_str(), stdout);
      return 0;
    case Action::kVersion:
      std::printf("scengen %s\n", SCENGEN_VERSION);
      return 0;
    case Action::kCompile: {
      Console console = Console::for_stderr();
      ExitStatus status = compile_command(cl, console, std::cout, &err);
      if (status == ExitStatus::kStopped && !err.empty()) return stop(err);
      return static_cast<int>(status);
    }
    case Action::kDump:
      if (!dump_command(cl, std::cout, &err)) return stop(err);
      return 0;
    case Action::kReport:
      if (!report_command(cl, &err)) return stop(err);
      return 0;
    case Action::kRun:
    case Action::kTexts:
      break;
  }

  std::filesystem::path dir;
  if (cl.out_dir) {
    dir = *cl.out_dir;
  } else if (!executable_directory(argc > 0 ? argv[0] : nullptr, &dir, &err)) {
    return stop(err);
  }
  Console console = Console::for_stderr();
  ExitStatus status = run_sequence(cl.action, dir, console, &err);
  if (status == ExitStatus::kStopped && !err.empty()) return stop(err);
  return static_cast<int>(status);
}

}  // namespace

int main(int argc, char** argv) {
  // Nothing may escape as a crash: anything unforeseen stops the run with a
  // message and exit status 2.
  try {
    int status = real_main(argc, argv);
    // A failed write to stdout (a full disk) is an error, not a short dump.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
      return stop("cannot write to standard output");
    }
    return status;
  } catch (const std::exception& e) {
    return stop(std::string("internal error: ") + e.what());
  } catch (...) {
    return stop("internal error");
  }
}
