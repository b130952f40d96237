#pragma once

// The five writers of the carried texts. Each fills a text list with its
// lines, closes it with the end marker and replaces its file whole. On
// failure they return false with *err naming the file and the reason.

#include <string>

#include "app/file_names.h"

namespace scengen {

bool dati_linea(const OutputFiles& files, std::string* err);          // line source text
bool dati_treno(const OutputFiles& files, std::string* err);          // train source text
bool dati_note(const OutputFiles& files, std::string* err);           // notes
bool dati_rallentamenti(const OutputFiles& files, std::string* err);  // slowdown notice
bool dati_scheda(const OutputFiles& files, std::string* err);         // timetable card

// All five, in the run's order: line text, train text, notes, notice, card.
bool write_carried_texts(const OutputFiles& files, std::string* err);

}  // namespace scengen
