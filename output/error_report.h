#pragma once

// How the compiler's errors reach the author. Every recorded error becomes
// one line on stderr, pointing at the record like a compiler does:
//
//   treno-.txt:12: errore 16: segnale su una cella già occupata, a 6650 m
//   treno-.txt: errore 11: nessuna cella libera ... , a 2500 m: segnale alla cella 50, ...
//
// The two final checks stop the run with the message " Errore n. 1250"
// (leading blank included) and nothing else.

#include <cstdint>
#include <string>
#include <string_view>

#include "compiler/track_model.h"

namespace scengen {

// " Errore n. " followed by the number as given: " Errore n. 1251".
std::string errore_message(std::string_view a);

// What a code means, in a few Italian words.
std::string error_description(int32_t code);

// "FILE:LINE: errore N: description[, a P m][: detail]"; "FILE: ..." when
// the error has no line, "scengen: ..." when it has no file either.
std::string format_diagnostic(const Diagnostic& d);

}  // namespace scengen
