#pragma once

// Stands in for the program's wait window: while a run works, a terminal
// user sees the label "Attendere" as a status line on stderr. Nothing is
// printed when stderr is a file or a pipe, so scripts and logs stay clean.

#include <cstdio>
#include <string>
#include <string_view>

namespace scengen {

inline constexpr std::string_view kWaitLabel = "Attendere";

class Console {
 public:
  // Shows the status line only when `enabled`; see for_stderr().
  Console(std::FILE* stream, bool enabled) : stream_(stream), enabled_(enabled) {}
  ~Console() { clear_status(); }
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // A console on stderr, with the status line on when stderr is a terminal.
  static Console for_stderr();

  void show_status(std::string_view text);
  // Erases the status line, so that a diagnostic or the shell prompt starts
  // on a clean line.
  void clear_status();
  // One line of a report (a diagnostic, a fatal message), always printed,
  // with the status line erased first.
  void report(std::string_view line);

 private:
  std::FILE* stream_;
  bool enabled_;
  std::size_t shown_ = 0;  // width of the status line on screen, 0 when none
};

}  // namespace scengen
