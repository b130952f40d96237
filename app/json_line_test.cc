#include "app/json_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace scengen {
namespace {

TEST(JsonLine, StringsAreAlwaysValidJson) {
  const struct {
    std::string bytes;
    std::string json;
  } cases[] = {
      {"", R"("")"},
      {"a \"b\" \\c", R"("a \"b\" \\c")"},
      {std::string("\r\n\t\0\x1F\x7F", 6), R"("\u000d\u000a\u0009\u0000\u001f\u007f")"},
      {"gi\xC3\xA0", "\"gi\xC3\xA0\""},                  // UTF-8 as it stands
      {"\xE2\x82\xAC", "\"\xE2\x82\xAC\""},              // a three-byte character
      {"citt\xE0", "\"citt\xC3\xA0\""},                  // a single-byte à: its Latin-1 character
      {"\xC3", "\"\xC3\x83\""},                          // a sequence cut short
      {"\xC0\x80", "\"\xC3\x80\xC2\x80\""},              // an overlong NUL: two characters
      {"\xED\xA0\x80", "\"\xC3\xAD\xC2\xA0\xC2\x80\""},  // a surrogate
      {"\xF4\x90\x80\x80", "\"\xC3\xB4\xC2\x90\xC2\x80\xC2\x80\""},  // past U+10FFFF
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.json);
    EXPECT_EQ(json_string(c.bytes), c.json);
  }
}

TEST(JsonLine, FieldsInOrderOnOneLine) {
  const std::string line = JsonLine()
                               .number("code", -16)
                               .number("position", std::optional<int64_t>())
                               .text("file", "a.txt")
                               .real("x", 0.1)
                               .real("y", -2717.6897897376425)
                               .real("big", 1e300)
                               .real("nan", std::nan(""))
                               .real("inf", std::numeric_limits<double>::infinity())
                               .texts("files", {"a", "b\"c"})
                               .texts("none", {})
                               .line();
  EXPECT_EQ(line, R"({"code":-16,"position":null,"file":"a.txt","x":0.1,"y":-2717.6897897376425,)"
                  R"("big":1e+300,"nan":null,"inf":null,"files":["a","b\"c"],"none":[]})"
                  "\n");
  EXPECT_EQ(JsonLine().line(), "{}\n");
}

}  // namespace
}  // namespace scengen
