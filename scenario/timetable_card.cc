#include "scenario/timetable_card.h"

#include "scenario/text_lines.h"

namespace scengen {
namespace {

// The driver's timetable card, drawn with characters. Its times and
// chainages are fixed text, not computed from the train or line text. Line 5
// ends with a blank.
constexpr std::string_view kTimetableCard = R"(
  ___________________                                                  ______________
 |                   |                    SCHEDA                      |              |
 |   TRENO n. 31474  |                   da: TOLVO                    |    V140 C    |
 |___________________|                    a: SARMALEONTE              |     120%     |
                                                                      |______________|
  ___________________                ___________________ 
 |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |
 |     REGIONALE     |              |      250T         |
 |___________________|              |___________________|

  ___________________________________________________________________________________
 | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |      Orario       | Rec |
 | Lim.|Marc.|          |  Rs |                            |                   |     |
 |_____|_____|__________|_____|____________________________|___________________|_____|
 |  80 |  75 |   0.000  |     | TOLVO                      |             17.17 |     |
 |     |     |   8.450  |     | BORGO SAN VITALE           | 17.25       17.26 |     |
 |-----|-----|----------|-----|----------------------------|-------------------|-----|
 |     |     |  13.650  |     | ROCCABELLA                 | 17.28+      17.29 |     |
 |     |  65 |  16.550  |     | VALSOLERA                  | 17.32+      17.33 |     |
 |     |     |  22.900  |     | MOLINARO                   | 17.40+      17.41 |     |
 |     |  75 |  31.800  |     | CIMOLA                     | 17.51       18.04 |     |
 |     |     |  42.150  |     | ORSIVAL                    | 18.13+      18.14 |     |
 |     |     |  50.400  |     | LUGRA                      | 18.21       18.22 |     |
 |     |     |  54.250  |     | S. ANSELMO                 | 18.25+      18.26 |     |
 |     |     |  58.100  |     | PONTE ALTO - GARVESE       | 18.30       18.34 |     |
 |     |  70 |  70.850  |     | TERME DI ROVA              | 18.46+      18.47 |     |
 |     |  75 |  77.750  |     | PRATO DI SELVA             | 18.55       19.00 |     |
 |     |     |  82.350  |     | Bivio Solva                |       19.04+      |     |
 |-----|-----|----------|-----|----------------------------|-------------------|-----|
 |     |     |  13.100  |     | S. ROCCO - VALDIGRANA      | 19.07+      19.08 |     |
 |     |     |  11.950  |     | P.M. Km 11+959             |       19.09+      |     |
 |     |     |  11.400  |     | ORNEGA                     | 19.10+      19.11 |     |
 |     |     |   4.900  |     | BRUGNA                     | 19.17+      19.18 |     |
 |     |     |   0.000  |     | SARMALEONTE                | 19.25             |     |
 |_____|_____|__________|_____|____________________________|___________________|_____|


Nota: Nella colonna Orario il simbolo '+' indica 'mezzo minuto'.
)";

}  // namespace

const std::vector<std::string>& timetable_card() {
  static const std::vector<std::string> lines = split_lines(kTimetableCard);
  return lines;
}

}  // namespace scengen
