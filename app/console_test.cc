#include "app/console.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace scengen {
namespace {

std::string contents(std::FILE* f) {
  std::string s;
  std::rewind(f);
  for (int c; (c = std::fgetc(f)) != EOF;) s += static_cast<char>(c);
  return s;
}

TEST(Console, StatusLineIsShownAndErasedOnATerminal) {
  std::FILE* f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  {
    Console console(f, true);
    console.show_status(kWaitLabel);
  }  // the destructor erases it
  EXPECT_EQ(contents(f), "Attendere\r         \r");
  std::fclose(f);
}

TEST(Console, NothingIsPrintedOtherwise) {
  std::FILE* f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  {
    Console console(f, false);
    console.show_status(kWaitLabel);
    console.clear_status();
  }
  EXPECT_EQ(contents(f), "");
  std::fclose(f);
}

}  // namespace
}  // namespace scengen
