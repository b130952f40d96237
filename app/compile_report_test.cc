#include "app/compile_report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace scengen {
namespace {

struct Reported {
  ExitStatus status;
  std::string console;
  std::string err;
};

Reported report(const CompileResult& result, const TrackModel& model) {
  std::FILE* f = std::tmpfile();
  Reported r{ExitStatus::kOk, "", "left from before"};
  {
    Console console(f, false);
    r.status = report_compile(result, model, console, &r.err);
  }
  std::rewind(f);
  for (int c; (c = std::fgetc(f)) != EOF;) r.console += static_cast<char>(c);
  std::fclose(f);
  return r;
}

TrackModel with_diagnostics(std::vector<Diagnostic> d) {
  TrackModel m;
  m.diagnostics = std::move(d);
  return m;
}

TEST(CompileReport, EveryEndItsStatusAndItsWords) {
  const TrackModel clean;
  const TrackModel two = with_diagnostics(
      {{16, 6650, "T_R1-.txt", 12, ""}, {11, 2500, "T_R1-.txt", 0, "segnale alla cella 50"}});
  const std::string two_lines =
      "T_R1-.txt:12: errore 16: segnale su una cella già occupata, a 6650 m\n"
      "T_R1-.txt: errore 11: nessuna cella libera per un segnale di riduzione prima del segnale, "
      "a 2500 m: segnale alla cella 50\n";
  const TrackModel no_line = with_diagnostics({{101, std::nullopt, "T_linea.txt", 0, ""}});
  const struct {
    const char* name;
    CompileResult result;
    const TrackModel& model;
    ExitStatus status;
    std::string console;
    std::string err;
  } cases[] = {
      {"written cleanly", {}, clean, ExitStatus::kOk, "", ""},
      {"written with errors", {}, two, ExitStatus::kCompileErrors, two_lines, ""},
      {"no cells",
       {CompileEnd::kNoCells, "", ""},
       no_line,
       ExitStatus::kStopped,
       "T_linea.txt: errore 101: il testo della linea non esiste\n",
       "the line has no cells to compile: no data file written"},
      // The fatal message alone, with its leading blank; nothing for main to add.
      {"a failed check",
       {CompileEnd::kFatal, "1250", ""},
       clean,
       ExitStatus::kStopped,
       " Errore n. 1250\n",
       ""},
      {"errors, then a failed check",
       {CompileEnd::kFatal, "1251", ""},
       two,
       ExitStatus::kStopped,
       two_lines + " Errore n. 1251\n",
       ""},
      {"a file not written",
       {CompileEnd::kWriteFailed, "", "cannot write x.dat: Is a directory"},
       clean,
       ExitStatus::kStopped,
       "",
       "cannot write x.dat: Is a directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Reported r = report(c.result, c.model);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.console, c.console);
    EXPECT_EQ(r.err, c.err);
  }
}

}  // namespace
}  // namespace scengen
