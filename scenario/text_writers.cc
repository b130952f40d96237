#include "scenario/text_writers.h"

#include <memory>

#include "app/text_file.h"
#include "scenario/line_text.h"
#include "scenario/notes.h"
#include "scenario/slowdown_notice.h"
#include "scenario/timetable_card.h"
#include "scenario/train_text.h"

namespace scengen {
namespace {

bool write_lines(const std::vector<std::string>& lines, const std::filesystem::path& path,
                 std::string* err) {
  // 1001 strings are too many for a comfortable stack frame.
  auto list = std::make_unique<TextList>();
  std::string why;
  if (!fill_text_list(lines, list.get(), &why)) {
    *err = "cannot write " + path.string() + ": " + why;
    return false;
  }
  return write_text_list(path, *list, err);
}

}  // namespace

bool dati_linea(const OutputFiles& files, std::string* err) {
  return write_lines(line_text(), files.line_text, err);
}

bool dati_treno(const OutputFiles& files, std::string* err) {
  return write_lines(train_text(), files.train_text, err);
}

bool dati_note(const OutputFiles& files, std::string* err) {
  return write_lines(notes(), files.notes, err);
}

bool dati_rallentamenti(const OutputFiles& files, std::string* err) {
  return write_lines(slowdown_notice(), files.slowdown_notice, err);
}

bool dati_scheda(const OutputFiles& files, std::string* err) {
  return write_lines(timetable_card(), files.timetable_card, err);
}

bool write_carried_texts(const OutputFiles& files, std::string* err) {
  return dati_linea(files, err) && dati_treno(files, err) && dati_note(files, err) &&
         dati_rallentamenti(files, err) && dati_scheda(files, err);
}

}  // namespace scengen
