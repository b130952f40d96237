#include "output/error_report.h"

namespace scengen {

namespace {

struct Description {
  int32_t code;
  const char* text;
};

constexpr Description kDescriptions[] = {
    {1, "lunghezza del percorso oltre 1000000 m"},
    {2, "cambio di progressiva non su un multiplo di 50"},
    {3, "ripetizione segnali: il primo valore non è un multiplo di 50"},
    {4, "ripetizione segnali: il secondo valore non è un multiplo di 50"},
    {5, "ripetizione segnali: la parola chiave non contiene né 4 né 9"},
    {6, "cartello indicatore su una cella già occupata"},
    {7, "riduzione di velocità su una cella già occupata"},
    {8, "posizione della stazione non multipla di 50"},
    {9, "lunghezza della tratta di stazione non multipla di 100"},
    {10, "più stazioni che elementi liberi"},
    {11, "nessuna cella libera per un segnale di riduzione prima del segnale"},
    {12, "nessuna cella libera per un segnale di riduzione prima del rallentamento"},
    {13, "nessuna cella libera per un segnale di riduzione nel rallentamento o dopo"},
    {15, "record oltre la fine delle celle"},
    {16, "segnale su una cella già occupata"},
    {17, "avviso di rallentamento su una cella già occupata"},
    {18, "inizio del rallentamento su una cella già occupata"},
    {19, "fine del rallentamento su una cella già occupata"},
    {20, "celle di avvicinamento del rallentamento già occupate"},
    {21, "indicatori di velocità su una cella già occupata"},
    {22, "tratta di stazione a meno di 350 m dalla precedente"},
    {24, "cella di fermata della stazione alla cella 1 o prima"},
    {25, "errore in esecuzione"},
    {101, "il testo della linea non esiste"},
    {102, "fine del testo della linea prima di \"[generale]\""},
    {103, "curva senza classe da 1 a 6, o tracciato oltre il metro 1000000"},
    {200, "record prima della cella 0"},
    {201, "record oltre l'ultima cella"},
    {202, "più di 80 montagne"},
    {203, "curva oltre la fine del tracciato"},
    {204, "più di 81 cartelli indicatori: nessun elemento libero"},
    {205, "record così fitti che il riempimento supera l'ultima cella"},
    {206, "lunghezza del percorso negativa"},
    {207, "la ricerca oltre un rallentamento supera l'ultima cella"},
};

}  // namespace

std::string errore_message(std::string_view a) { return " Errore n. " + std::string(a); }

std::string error_description(int32_t code) {
  for (const Description& d : kDescriptions) {
    if (d.code == code) return d.text;
  }
  return "errore sconosciuto";
}

std::string format_diagnostic(const Diagnostic& d) {
  std::string s = d.file.empty() ? "scengen" : d.file;
  if (!d.file.empty() && d.line > 0) s += ":" + std::to_string(d.line);
  s += ": errore " + std::to_string(d.code) + ": " + error_description(d.code);
  if (d.position) s += ", a " + std::to_string(*d.position) + " m";
  if (!d.detail.empty()) s += ": " + d.detail;
  return s;
}

}  // namespace scengen
