#include "output/error_report.h"

#include <gtest/gtest.h>

#include <string>

namespace scengen {
namespace {

TEST(ErrorReport, TheFatalMessageHasItsLeadingBlank) {
  EXPECT_EQ(errore_message("1250"), " Errore n. 1250");
  EXPECT_EQ(errore_message("1251"), " Errore n. 1251");
}

TEST(ErrorReport, OneLinePerDiagnostic) {
  const struct {
    Diagnostic d;
    std::string line;
  } cases[] = {
      {{16, 6650, "T_R1-.txt", 12, ""},
       "T_R1-.txt:12: errore 16: segnale su una cella già occupata, a 6650 m"},
      {{25, std::nullopt, "T_linea.txt", 5, "\"1x\" non è un numero intero"},
       "T_linea.txt:5: errore 25: errore in esecuzione: \"1x\" non è un numero intero"},
      {{101, std::nullopt, "T_linea.txt", 0, ""},
       "T_linea.txt: errore 101: il testo della linea non esiste"},
      {{11, 2500, "T_R1-.txt", 0, "segnale alla cella 50, avviso di rallentamento alla cella 60"},
       "T_R1-.txt: errore 11: nessuna cella libera per un segnale di riduzione prima del "
       "segnale, a 2500 m: segnale alla cella 50, avviso di rallentamento alla cella 60"},
      {{0, 0, "", 0, ""}, "scengen: errore 0: errore sconosciuto, a 0 m"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(format_diagnostic(c.d), c.line);
  }
}

TEST(ErrorReport, EveryCodeInUseIsDescribed) {
  for (int32_t code :
       {1,  2,  3,  4,  5,  6,  7,   8,   9,   10,  11,  12,  13,  15,  16,  17,  18,
        19, 20, 21, 22, 24, 25, 101, 102, 103, 200, 201, 202, 203, 204, 205, 206, 207}) {
    SCOPED_TRACE(code);
    EXPECT_NE(error_description(code), "errore sconosciuto");
  }
  EXPECT_EQ(error_description(14), "errore sconosciuto");
  EXPECT_EQ(error_description(23), "errore sconosciuto");
}

}  // namespace
}  // namespace scengen
