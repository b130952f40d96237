#include "scenario/train_text.h"

#include "scenario/text_lines.h"

namespace scengen {
namespace {

// Regional train 31474, Tolvo 17.17 - Sarmaleonte 19.25, as the compiler
// reads it. The clock row ends with a blank.
constexpr std::string_view kTrainText = R"(
[generale]
numero vetture,    3
percentuale massa frenata,    120
sabbia,    300
orologio,    17              16            30 
[aderenze]
aderenza,   0,    100
[vel_limite]
velocita,       0,    80
[stazioni]
stazione,       0,  2,  600,  1, 1, 0,  4,1,0,  2,1,1,    1,  17,17, 0, TOLVO
stazione,    8450, 12,  300,  0, 0, 0,  1,1,0,  4,1,1,   60,  17,26, 0, BORGO SAN VITALE
stazione,   10050, 28,  200,  0, 0, 0,  0,0,0,  0,0,0,   30,  17,29, 0, ROCCABELLA
stazione,   12950, 22,  300,  0, 0, 0,  0,0,0,  4,1,1,   30,  17,33, 0, VALSOLERA
stazione,   19250, 22,  300,  0, 0, 1,  0,0,0,  4,1,1,   30,  17,41, 0, MOLINARO
stazione,   28200, 12,  400,  1, 0, 1,  4,1,0,  2,1,1,   60,  18, 4, 0, CIMOLA
stazione,   38550, 22,  300,  0, 0, 0,  0,0,0,  4,1,1,   30,  18,14, 0, ORSIVAL
stazione,   46800, 22,  300,  0, 0, 0,  0,0,0,  4,1,1,   60,  18,22, 0, LUGRA
stazione,   50650, 27,  200,  0, 0, 0,  0,0,0,  0,0,0,   30,  18,26, 0, S.ANSELMO
stazione,   54500, 12,  300,  1, 0, 1,  4,1,0,  2,1,1,   30,  18,34, 0, PONTE ALTO-GARVESE
stazione,   67250, 22,  300,  0, 0, 0,  0,0,0,  4,1,1,   30,  18,47, 0, TERME DI ROVA
stazione,   74150, 12,  300,  1, 0, 0,  4,1,0,  2,1,1,   60,  19, 0, 0, PRATO DI SELVA
stazione,   78750, 28,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, BIVIO SOLVA
stazione,   82800, 28,  200,  0, 0, 0,  0,0,0,  0,0,0,   30,  19, 8, 0, S.ROCCO-VALDIGRANA
stazione,   83900, 26,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, P.M. Km 11.959
stazione,   84450, 27,  200,  0, 0, 0,  0,0,0,  0,0,0,   30,  19,11, 0, ORNEGA
stazione,   91000, 28,  200,  0, 0, 0,  0,0,0,  0,0,0,   30,  19,18, 0, BRUGNA
stazione,   95900,  2,  500,  1, 0, 0,  1,1,0,  2,1,1,    0,  19,25, 0, SARMALEONTE
[rallentamenti]
[segnali]
segnale,    6650,   1, 5, 1,  0, 0,    0,  0,0,0, 0
segnale,    7850,   2, 3, 1,  0, 0,    0,  0,0,0, 0
segnale,   11100,   1, 5, 1,  0, 0,    0,  0,0,0, 0
segnale,   12100,   2, 3, 1,  0, 0,    0,  0,0,0, 0
segnale,   17400,   1, 5, 1,  0, 0,    0,  0,0,0, 0
segnale,   18400,   2, 3, 1,  0, 0,    0,  0,0,0, 0
segnale,   26450,   1, 3, 4,  0, 0,    0,  0,0,0, 0
segnale,   27700,   2, 2, 3,  0, 0,    0,  0,0,0, 0
segnale,   36600,   1, 5, 1,  0, 0,    0,  0,0,0, 0
segnale,   37800,   2, 3, 1,  0, 0,    0,  0,0,0, 0
segnale,   45100,   1, 5, 1,  0, 0,    0,  0,0,0, 0
segnale,   46100,   2, 3, 1,  0, 0,    0,  0,0,0, 0
segnale,   51850,   1, 3, 4,  0, 0,    0,  0,0,0, 0
segnale,   53150,   2, 3, 2,  0, 0,    0,  0,0,0, 0
segnale,   65200,   1, 5, 1,  0, 0,    0,  0,0,0, 0
segnale,   66450,   2, 3, 1,  0, 0,    0,  0,0,0, 0
segnale,   72250,   1, 3, 4,  0, 0,    0,  0,0,0, 0
segnale,   73450,   2, 2, 3,  1, 0,    0,  0,0,0, 0
segnale,   82250,   1, 4, 1,  0, 0,    0,  0,0,0, 0
segnale,   83450,   2, 4, 1,  0, 0,    0,  0,0,0, 0
segnale,   84000,   2, 4, 1,  0, 0,    2,  2,1,0, 0
segnale,   93950,   1, 3, 4,  0, 0,    0,  0,0,0, 0
segnale,   95000,   2, 2, 3,  0, 0,    0,  0,0,0, 0
[codici]
[fine]
)";

}  // namespace

const std::vector<std::string>& train_text() {
  static const std::vector<std::string> lines = split_lines(kTrainText);
  return lines;
}

}  // namespace scengen
