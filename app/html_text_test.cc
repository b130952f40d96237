#include "app/html_text.h"

#include <gtest/gtest.h>

namespace scengen {
namespace {

TEST(HtmlText, EveryTextIsSafeUtf8) {
  const struct {
    std::string bytes;
    std::string html;
  } cases[] = {
      {"(Galleria )(NOME)", "(Galleria )(NOME)"},
      {"a<b>&\"c'", "a&lt;b&gt;&amp;&quot;c&#39;"},
      {"</svg><script>", "&lt;/svg&gt;&lt;script&gt;"},
      {"citt\xE0", "citt\xC3\xA0"},      // a single-byte à: its Latin-1 character
      {"citt\xC3\xA0", "citt\xC3\xA0"},  // UTF-8 as it stands
      {std::string("a\0b\x1B\x7F", 5), "a\\x00b\\x1B\\x7F"},  // no page may hold these
      {"\x85", "\\x85"},                                      // nor a C1 control
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.html);
    EXPECT_EQ(html_text(c.bytes), c.html);
  }
}

TEST(HtmlText, LabelsAreShortAndSingleSpaced) {
  const struct {
    std::string bytes;
    size_t max;
    std::string label;
  } cases[] = {
      {"(   Galleria   )(NOME)", 40, "( Galleria )(NOME)"},
      {"  lead and trail  ", 40, "lead and trail"},
      {"abcdef", 6, "abcdef"},
      {"abcdefg", 6, "abcdef…"},
      {"ab   cd", 3, "ab …"},
      {"\xC3\xA0\xC3\xA0\xC3\xA0", 2, "\xC3\xA0\xC3\xA0…"},  // characters, not bytes
      {"a&b", 2, "a&amp;…"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(html_label(c.bytes, c.max), c.label);
  }
}

TEST(HtmlText, Numbers) {
  EXPECT_EQ(svg_number(12.25), "12.2");  // to even, as printf rounds
  EXPECT_EQ(svg_number(-0.04), "0.0");
  EXPECT_EQ(svg_number(-3.06), "-3.1");
  EXPECT_EQ(km_text(8450), "8.450");
  EXPECT_EQ(km_text(96000), "96.000");
  EXPECT_EQ(km_text(0), "0.000");
  EXPECT_EQ(km_text(-50), "-0.050");
  EXPECT_EQ(clock_text(62760), "17:26:00");
  EXPECT_EQ(clock_text(0), "00:00:00");
  EXPECT_EQ(clock_text(86399), "23:59:59");
}

}  // namespace
}  // namespace scengen
