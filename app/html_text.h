#pragma once

// Texts and numbers as an HTML page with inline SVG shows them. The page is
// also well-formed XML, so every text goes through html_text().

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace scengen {

// `bytes` as HTML text or attribute value, in UTF-8: & < > " ' as
// references, valid UTF-8 as it stands, any other byte as its Latin-1
// character, and control bytes, which no page may hold, as \xNN.
std::string html_text(std::string_view bytes);

// The same, with runs of blanks made one and cut after `max_chars`
// characters with "…" in place of the rest: for labels.
std::string html_label(std::string_view bytes, size_t max_chars);

// A coordinate with one decimal: "12.5", "-0.3", never "-0.0".
std::string svg_number(double v);

// Metres as kilometres with three decimals: 8450 → "8.450", -50 → "-0.050".
std::string km_text(int64_t metres);

// Seconds after midnight as "hh:mm:ss"; 62760 → "17:26:00".
std::string clock_text(int64_t seconds);

}  // namespace scengen
