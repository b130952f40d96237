#pragma once

// Texts from the model and from file names are bytes in the system's
// single-byte character set, though an author may well have written them in
// UTF-8. Shown in UTF-8 (JSON, HTML), each valid UTF-8 sequence is kept and
// every other byte is taken as the character of the same number (Latin-1).

#include <cstddef>
#include <string>
#include <string_view>

namespace scengen {

// Length of the valid UTF-8 sequence starting at s[i], or 0 when there is
// none (a stray continuation byte, an overlong form, a surrogate, a cut).
size_t utf8_length(std::string_view s, size_t i);

// Appends the Latin-1 character `byte` in UTF-8: one or two bytes.
void append_latin1(std::string* out, unsigned char byte);

}  // namespace scengen
