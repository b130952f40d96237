#include "app/console.h"

#include <unistd.h>

namespace scengen {

Console Console::for_stderr() { return Console(stderr, isatty(fileno(stderr)) == 1); }

void Console::show_status(std::string_view text) {
  if (!enabled_) return;
  clear_status();
  std::fwrite(text.data(), 1, text.size(), stream_);
  std::fputc('\r', stream_);
  std::fflush(stream_);
  shown_ = text.size();
}

void Console::clear_status() {
  if (!enabled_ || shown_ == 0) return;
  std::string blank(shown_, ' ');
  std::fputs(blank.c_str(), stream_);
  std::fputc('\r', stream_);
  std::fflush(stream_);
  shown_ = 0;
}

void Console::report(std::string_view line) {
  clear_status();
  std::fwrite(line.data(), 1, line.size(), stream_);
  std::fputc('\n', stream_);
  std::fflush(stream_);
}

}  // namespace scengen
