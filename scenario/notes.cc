#include "scenario/notes.h"

#include "scenario/text_lines.h"

namespace scengen {
namespace {

// Notes on the scenario for the driver: title, seven items, two signatures.
// Plain ASCII, so accented letters are written with an apostrophe.
constexpr std::string_view kNotes = R"(
              Treno 31474 sul percorso Tolvo - Sarmaleonte

 Note sullo scenario:

 - La linea Tolvo - Sarmaleonte e' a binario unico ed elettrificata. Sale con
   pendenze fino al 27 per mille fino alla galleria di valico del Monte
   Serrante, poi scende verso Sarmaleonte con pendenze fino al 23 per mille.
 - Le gallerie elicoidali della linea reale sono riprodotte adattando il
   raggio di alcune curve, in modo che il tracciato compia i giri completi
   richiesti dal dislivello da superare.
 - La fermata di S. Anselmo si trova tra due gallerie ed e' poco visibile:
   prestare attenzione nell'avvicinarsi.
 - La progressiva chilometrica cambia due volte: a Borgo San Vitale (km 8,450)
   la linea prosegue con la progressiva della linea di valico, e al confine
   (km 81,200) inizia la progressiva della rete estera, che decresce fino a
   zero a Sarmaleonte.
 - Nel percorso sono stati omessi i rallentamenti a 40 km/h per caduta massi
   presenti negli scenari della direzione opposta: nella realta' valgono in
   entrambe le direzioni, ma in questo scenario il treno ne e' libero.
   L'orario tiene conto di questa differenza.
 - I dati della linea sono ricavati da carte in scala 1:25000 e da
   registrazioni di viaggi in cabina di guida: le progressive delle stazioni
   possono percio' differire leggermente da quelle reali, come pure la
   posizione di alcuni segnali.
 - Il percorso non presenta situazioni di guida particolarmente difficili.

 Scenario di Ettore Calvisi
 Revisione dei dati: Marta Olgiati
)";

}  // namespace

const std::vector<std::string>& notes() {
  static const std::vector<std::string> lines = split_lines(kNotes);
  return lines;
}

}  // namespace scengen
