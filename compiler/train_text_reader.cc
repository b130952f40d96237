#include "compiler/train_text_reader.h"

#include <string>

#include "compiler/error_codes.h"
#include "compiler/signals.h"
#include "compiler/slowdowns.h"
#include "compiler/stations.h"

namespace scengen {
namespace {

// Writes the last line speed into the cell at the speed cursor, in units of
// 5 km/h half to even: 82 km/h is 16. A speed outside -2..1277 km/h does not
// fit the byte, a run-time failure pointed at the record that gave it.
bool write_speed(ParseContext& ctx) {
  const int64_t units = round_even(static_cast<double>(ctx.previous_speed) / 5);
  if (units < 0 || units > 255) {
    ctx.failure = "la velocità " + std::to_string(ctx.previous_speed) +
                  " km/h non sta in un campo senza segno da 8 bit (0..255 unità di 5 km/h)";
    ctx.failure_line = ctx.previous_speed_line;
    return false;
  }
  ctx.model.cells[static_cast<size_t>(ctx.speed_cursor)].speed_limit = static_cast<uint8_t>(units);
  ++ctx.speed_cursor;
  return true;
}

// After a builder call that left error_code above 0: the builder's own code,
// or a code 15 that the line text left, which the builder did not touch and
// which ends the train text at this record all the same.
ParseOutcome stop_after_builder(ParseContext& ctx, int32_t code_before, int32_t position) {
  const int32_t code = ctx.model.error_code;
  if (code != code_before) return ctx.stop(code, position);
  return ctx.stop(code, position,
                  "il testo del treno non è letto oltre questo record: resta l'errore " +
                      std::to_string(code) + " del testo della linea");
}

// One record: every test is made on the same keyword item, in this order,
// any case. `leave` is set when a record lies beyond the cells (code 15),
// which ends the train text.
ParseOutcome read_train_record(ParseContext& ctx, bool* leave) {
  TrackModel& m = ctx.model;
  ItemReader& r = ctx.reader;
  const std::string keyword = ctx.field_text;
  const auto has = [&](const char* part) { return contains_any_case(keyword, part); };
  Item& general = m.items[kGeneralItem];
  Item& repetition = m.items[kRepetitionItem];
  ParseOutcome o = ParseOutcome::kRead;

  if (has("frenata") && has("massa") && !r.read_long(&general.number_1)) return ctx.fail_read();
  if (has("vetture") && !r.read_long(&general.number_3)) return ctx.fail_read();
  if (has("velocit")) {
    int32_t p = 0, v = 0;
    if (!ctx.read_record({&p, &v}, leave, &o)) return o;
    // The previous speed runs up to the cell before this record's. The
    // cursor stops at last_cell, so the tail writes at most that cell.
    const int64_t n = run_cell(p);
    if (n > 0) {
      do {
        if (ctx.speed_cursor >= m.last_cell) break;
        if (!write_speed(ctx)) return ParseOutcome::kFailed;
      } while (ctx.speed_cursor < n);
    }
    ctx.previous_speed = v;
    ctx.previous_speed_line = ctx.record_line;
  }
  if (has("aderenza")) {
    int32_t p = 0, a = 0;
    if (!ctx.read_record({&p, &a}, leave, &o)) return o;
    const int64_t n = run_cell(p);
    if (n > 0 && !fill_run(m, &Cell::adhesion, static_cast<uint8_t>(ctx.previous_adhesion),
                           &ctx.adhesion_cursor, n)) {
      return ctx.stop(errors::kFillPastLastCell, p);
    }
    ctx.previous_adhesion = a;
    ctx.last_adhesion_position = p;
    ctx.last_adhesion_line = ctx.record_line;
  }
  // Hours, minutes and seconds, after blanks or commas alike.
  if (has("orologio") && (!r.read_word(&repetition.word_3) || !r.read_word(&repetition.word_4) ||
                          !r.read_word(&repetition.word_5))) {
    return ctx.fail_read();
  }
  if (has("sabbia") && !r.read_word(&repetition.word_1)) return ctx.fail_read();
  if (has("segnale")) {
    SignalRecord s;
    if (!ctx.read_record({&s.posizione, &s.sx, &s.s1, &s.s2, &s.s3, &s.rapp, &s.dx, &s.d1, &s.d2,
                          &s.d3, &s.tempo},
                         leave, &o)) {
      return o;
    }
    const int32_t before = m.error_code;
    memo_segnale(m, s);
    if (m.error_code > 0) return stop_after_builder(ctx, before, s.posizione);
  }
  if (has("rallentamento")) {
    SlowdownRecord s;
    if (!ctx.read_record({&s.x, &s.v, &s.l, &s.f_tt, &s.f_ta, &s.d_v}, leave, &o)) return o;
    const int32_t before = m.error_code;
    memo_rallentamento(m, s);
    if (m.error_code > 0) return stop_after_builder(ctx, before, s.x);
  }
  if (has("abbattimento")) {
    int32_t p = 0, w = 0;
    if (!ctx.read_record({&p, &w}, leave, &o)) return o;
    // The cell that holds p, not the one after it; the position check keeps
    // it at or below last_cell - 2.
    const int64_t c = run_cell(p);
    if (c < 0) return ctx.stop(errors::kBeforeFirstCell, p);
    Cell& cell = m.cells[static_cast<size_t>(c)];
    if (!is_free(cell)) return ctx.stop(errors::kReductionCellTaken, p);
    if (w > 0) {
      cell.kind = kReductionMark;
      cell.value_a = static_cast<int16_t>(w);
    } else {
      cell.kind = kReductionMarkWithoutValue;
    }
  }
  if (has("stazione")) return read_station(ctx, leave);
  return ParseOutcome::kRead;
}

// After the records: the train text goes, the last speed and adhesion run on
// to last_cell - 3, and the line text's chainage changes are checked.
ParseOutcome finish_train_text(ParseContext& ctx) {
  TrackModel& m = ctx.model;
  ctx.texts.remove(SourceKind::kTrainText);
  ctx.record_line = ctx.reader.line();
  if (!ctx.require_cells()) return ParseOutcome::kFailed;
  do {
    if (!write_speed(ctx)) return ParseOutcome::kFailed;
  } while (ctx.speed_cursor < int64_t{m.last_cell} - 2);
  if (!fill_run(m, &Cell::adhesion, static_cast<uint8_t>(ctx.previous_adhesion),
                &ctx.adhesion_cursor, int64_t{m.last_cell} - 2)) {
    record_error(m, errors::kFillPastLastCell, ctx.last_adhesion_position, ctx.file,
                 ctx.last_adhesion_line);
    return ParseOutcome::kStopped;
  }

  for (int i = kChainageItemFirst; i < kChainageItemFirst + 3; ++i) {
    const Item& change = m.items[static_cast<size_t>(i)];
    if (change.number_1 % 50 != 0 || change.number_2 % 50 != 0) {
      record_error(m, errors::kChainageNotOn50, {}, ctx.texts.name(SourceKind::kLineText), 0,
                   "il cambio di progressiva a " + std::to_string(change.number_1) +
                       " m, progressiva " + std::to_string(change.number_2) +
                       ", non è su un multiplo di 50");
      return ParseOutcome::kStopped;
    }
  }
  return ParseOutcome::kRead;
}

}  // namespace

ParseOutcome read_train_text(ParseContext& ctx) {
  if (!ctx.open(SourceKind::kTrainText)) return ParseOutcome::kFailed;
  // Everything up to "[generale]" is passed over; a text without it has no
  // records, and the tails still run.
  do {
    if (!ctx.read_field()) return ctx.fail_read();
  } while (!ctx.reader.eof() && !contains_any_case(ctx.field_text, "[generale]"));
  ctx.station_number = 1;
  ctx.speed_cursor = 0;
  ctx.adhesion_cursor = 0;

  if (ParseOutcome o = ctx.read_records(read_train_record); o != ParseOutcome::kRead) return o;
  return finish_train_text(ctx);
}

}  // namespace scengen
