#include "compiler/parse_context.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "compiler/error_codes.h"

namespace scengen {

bool ParseContext::open(SourceKind kind) {
  current = kind;
  file = texts.name(kind);
  std::string err;
  if (!texts.read(kind, &contents, &err)) {
    failure = "impossibile leggere " + file + ": " + err;
    failure_line = 0;
    return false;
  }
  reader = ItemReader(contents);
  return true;
}

bool ParseContext::read_field() { return reader.read_text(&field_text); }

bool ParseContext::next_keyword(bool* at_end) {
  *at_end = true;
  if (reader.eof()) return true;
  if (!read_field()) return false;
  for (int n = 0; n < 3; ++n) {
    if (reader.eof()) return true;
    // The third item is the keyword whatever it holds.
    if (n == 2 || !contains(field_text, "-")) break;
    if (!read_field()) return false;
  }
  record_line = reader.line();
  *at_end = false;
  return true;
}

ParseOutcome ParseContext::read_records(ParseOutcome (*record)(ParseContext&, bool* leave)) {
  bool leave = false;
  while (!leave) {
    bool at_end = false;
    if (!next_keyword(&at_end)) return fail_read();
    if (at_end) break;
    if (ParseOutcome o = record(*this, &leave); o != ParseOutcome::kRead) return o;
  }
  return ParseOutcome::kRead;
}

bool ParseContext::read_longs(std::initializer_list<int32_t*> targets) {
  for (int32_t* target : targets) {
    if (!reader.read_long(target)) return false;
  }
  return true;
}

bool ParseContext::store_text(std::string* target) {
  if (field_text.size() > kMaxItemText) {
    fail("il testo di " + std::to_string(field_text.size()) +
         " caratteri non sta in un elemento (al più 65535)");
    return false;
  }
  *target = field_text;
  return true;
}

ParseOutcome ParseContext::fail_read() {
  failure = reader.failure();
  failure_line = reader.line();
  return ParseOutcome::kFailed;
}

ParseOutcome ParseContext::fail(std::string what) {
  failure = std::move(what);
  failure_line = reader.line();
  return ParseOutcome::kFailed;
}

ParseOutcome ParseContext::stop(int32_t code, std::optional<int32_t> position, std::string detail) {
  texts.remove(current);
  record_error(model, code, position, file, record_line, std::move(detail));
  return ParseOutcome::kStopped;
}

bool ParseContext::require_cells() {
  if (!model.cells.empty()) return true;
  failure = "la linea non ha celle: manca il record \"lunghezza percorso\"";
  failure_line = record_line;
  return false;
}

bool ParseContext::check_position(int32_t p, int64_t margin, bool* leave, ParseOutcome* outcome) {
  if (!require_cells()) {
    *outcome = ParseOutcome::kFailed;
    return false;
  }
  if (position_accepted(model, p, margin)) return true;
  record_error(model, errors::kBeyondCellArray, p, file, record_line);
  *leave = true;
  *outcome = ParseOutcome::kRead;
  return false;
}

bool ParseContext::read_record(std::initializer_list<int32_t*> targets, bool* leave,
                               ParseOutcome* outcome) {
  if (!read_longs(targets)) {
    *outcome = fail_read();
    return false;
  }
  return check_position(**targets.begin(), 100, leave, outcome);
}

bool fill_run(TrackModel& model, uint8_t Cell::*field, uint8_t value, int64_t* cursor,
              int64_t until) {
  do {
    if (!has_cell(model, *cursor)) return false;
    model.cells[static_cast<size_t>(*cursor)].*field = value;
    ++*cursor;
  } while (*cursor < until);
  return true;
}

bool contains(std::string_view item, std::string_view part) {
  return item.find(part) != std::string_view::npos;
}

bool contains_any_case(std::string_view item, std::string_view part) {
  const auto lower = [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  };
  return std::search(item.begin(), item.end(), part.begin(), part.end(),
                     [&](char a, char b) { return lower(a) == lower(b); }) != item.end();
}

}  // namespace scengen
