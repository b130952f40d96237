#include "compiler/line_text_reader.h"

#include <string>

#include "compiler/chainage_order.h"
#include "compiler/error_codes.h"
#include "compiler/mountains.h"
#include "compiler/speed_indicators.h"
#include "compiler/track_plan.h"

namespace scengen {
namespace {

// The general block, from the item after "[generale]" to the first item in
// square brackets that does not begin with a hyphen (consumed). Only here are
// the route length, the chainage changes, the backgrounds and the signal
// repetition recognised. The route length is tested in any case, the others
// on exact lower-case letters.
ParseOutcome read_general_block(ParseContext& ctx) {
  TrackModel& m = ctx.model;
  std::string& field = ctx.field_text;
  while (true) {
    if (ctx.reader.eof()) return ParseOutcome::kRead;
    if (!ctx.read_field()) return ctx.fail_read();
    if (ctx.reader.eof()) return ParseOutcome::kRead;
    // Up to ten comment items in a row, with no end-of-file test between.
    for (int n = 0; n < 10; ++n) {
      if (contains(field, "-") && !ctx.read_field()) return ctx.fail_read();
    }
    ctx.record_line = ctx.reader.line();

    if (contains_any_case(field, "percorso") && contains_any_case(field, "lunghezza")) {
      Item& general = m.items[kGeneralItem];
      if (!ctx.reader.read_long(&general.number_2)) return ctx.fail_read();
      if (general.number_2 > kMaxRouteLength) return ctx.stop(errors::kRouteTooLong, {});
      if (general.number_2 < 0) return ctx.stop(errors::kNegativeRouteLength, {});
      size_model(m, general.number_2);
    }
    // "tre" goes to item 81 and "uno" to 83: the order the simulator keeps.
    static constexpr const char* kChainage[] = {"tre", "due", "uno"};
    for (int n = 0; n < 3; ++n) {
      if (contains(field, kChainage[n]) && contains(field, "progressiva")) {
        Item& change = m.items[kChainageItemFirst + n];
        if (!ctx.read_longs({&change.number_1, &change.number_2, &change.number_3})) {
          return ctx.fail_read();
        }
      }
    }
    // Background "due" goes to number_3 and "tre" to number_2.
    Item& background = m.items[kBackgroundItem];
    if (contains(field, "sfondo") && contains(field, "uno") &&
        !ctx.reader.read_long(&background.number_1)) {
      return ctx.fail_read();
    }
    if (contains(field, "sfondo") && contains(field, "due") &&
        !ctx.reader.read_long(&background.number_3)) {
      return ctx.fail_read();
    }
    if (contains(field, "sfondo") && contains(field, "tre") &&
        !ctx.reader.read_long(&background.number_2)) {
      return ctx.fail_read();
    }
    if (contains(field, "segnali") && contains(field, "ripetizione")) {
      Item& repetition = m.items[kRepetitionItem];
      if (!ctx.read_longs({&repetition.number_1, &repetition.number_2})) return ctx.fail_read();
      if (repetition.number_1 % 50 != 0) return ctx.stop(errors::kRepetitionFirstNotOn50, {});
      if (repetition.number_2 % 50 != 0) return ctx.stop(errors::kRepetitionSecondNotOn50, {});
      if (contains(field, "4")) {
        repetition.number_3 = 4;
      } else if (contains(field, "9")) {
        repetition.number_3 = 9;
      } else {
        return ctx.stop(errors::kRepetitionWithout4Or9, {});
      }
      if (repetition.number_2 == 0) repetition.number_3 = 0;  // repetition switched off
    }

    const size_t first = field.find_first_not_of(" \t");
    const bool hyphen_first = first != std::string::npos && field[first] == '-';
    if (!hyphen_first && contains(field, "[") && contains(field, "]")) {
      return ParseOutcome::kRead;
    }
  }
}

// Per mille into the cell's byte: + 100, the low 8 bits.
uint8_t gradient_byte(int32_t g) { return static_cast<uint8_t>(int64_t{g} + 100); }

// Gradient record at p: the cells from the cursor up to the one before
// round(p / 50) get the previous record's gradient. The cell at the cursor is
// written even when the cursor is there already, so two records in one cell
// move the cursor by one.
ParseOutcome fill_gradient(ParseContext& ctx, int32_t p, int32_t g) {
  const int64_t n = run_cell(p);
  if (n > 0 && !fill_run(ctx.model, &Cell::gradient, gradient_byte(ctx.previous_gradient),
                         &ctx.gradient_cursor, n)) {
    return ctx.stop(errors::kFillPastLastCell, p);
  }
  ctx.previous_gradient = g;
  ctx.last_gradient_position = p;
  ctx.last_gradient_line = ctx.record_line;
  return ParseOutcome::kRead;
}

ParseOutcome place_caption(ParseContext& ctx, int32_t p) {
  TrackModel& m = ctx.model;
  const int64_t c = point_cell(p);
  if (c < 0) return ctx.stop(errors::kBeforeFirstCell, p);
  if (!has_cell(m, c)) return ctx.stop(errors::kBeyondLastCell, p);
  Cell& cell = m.cells[static_cast<size_t>(c)];
  if (!is_free(cell)) return ctx.stop(errors::kCaptionCellTaken, p);
  // Slots 80 down to 0: the 81st caption takes item 0, an 82nd has none.
  if (ctx.caption_slot < 0) return ctx.stop(errors::kTooManyCaptions, p);
  if (!ctx.store_text(&m.items[static_cast<size_t>(ctx.caption_slot)].text)) {
    return ParseOutcome::kFailed;
  }
  cell.kind = kCaption;
  cell.value_a = static_cast<int16_t>(ctx.caption_slot);
  --ctx.caption_slot;
  return ParseOutcome::kRead;
}

// One positioned record: every test is made on the same keyword item, in
// this order, any case. Returns kRead to go on; `leave` is set when a record
// lies beyond the cells (code 15), which ends the line text.
ParseOutcome read_positioned_record(ParseContext& ctx, bool* leave) {
  TrackModel& m = ctx.model;
  const std::string keyword = ctx.field_text;
  ParseOutcome o = ParseOutcome::kRead;

  if (contains_any_case(keyword, "pendenza")) {
    int32_t p = 0, g = 0;
    if (!ctx.read_record({&p, &g}, leave, &o)) return o;
    if (o = fill_gradient(ctx, p, g); o != ParseOutcome::kRead) return o;
  }
  if (contains_any_case(keyword, "curva") && m.plan_enabled != 0) {
    int32_t s = 0, d = 0;
    if (!ctx.read_record({&s, &d}, leave, &o)) return o;
    const std::optional<double> k = curvature(keyword);
    if (!k) return ctx.stop(errors::kBadCurve, {});
    const int32_t code = plan_curve(m, &ctx.plan_cursor, s, d, *k);
    if (code == errors::kBadCurve) return ctx.stop(code, {});
    if (code != 0) return ctx.stop(code, s);
  }
  if (contains_any_case(keyword, "montagna")) {
    int32_t inizio = 0, fine = 0, tipo = 0;
    if (!ctx.read_record({&inizio, &fine, &tipo}, leave, &o)) return o;
    memo_montagna(m, inizio, fine, tipo);
    if (m.error_code > 0) return ctx.stop(m.error_code, inizio);
  }
  if (contains_any_case(keyword, "indicatori_v")) {
    SpeedIndicatorRecord b;
    if (!ctx.read_record({&b.posizione, &b.vas, &b.vbs, &b.vcs, &b.strisces, &b.vad, &b.vbd, &b.vcd,
                          &b.strisced},
                         leave, &o)) {
      return o;
    }
    std::string failure;
    if (!memo_indicatori_v_max(m, b, &failure)) return ctx.fail(failure);
    if (m.error_code > 0) return ctx.stop(m.error_code, b.posizione);
  }
  if (contains_any_case(keyword, "indicat") && contains_any_case(keyword, "cartello")) {
    // The caption's text item comes before the position check.
    int32_t p = 0;
    if (!ctx.reader.read_long(&p) || !ctx.read_field()) return ctx.fail_read();
    if (!ctx.check_position(p, 100, leave, &o)) return o;
    return place_caption(ctx, p);
  }
  return ParseOutcome::kRead;
}

}  // namespace

ParseOutcome read_line_text(ParseContext& ctx) {
  TrackModel& m = ctx.model;
  if (!ctx.texts.exists(SourceKind::kLineText)) {
    record_error(m, errors::kNoLineText, {}, ctx.texts.name(SourceKind::kLineText));
    return ParseOutcome::kStopped;
  }
  if (!ctx.open(SourceKind::kLineText)) return ParseOutcome::kFailed;

  // Everything before "[generale]" is passed over; the item itself must not
  // be the last one of the text.
  do {
    if (!ctx.read_field()) return ctx.fail_read();
    if (ctx.reader.eof()) {
      ctx.record_line = 0;
      return ctx.stop(errors::kNoGeneralSection, {});
    }
  } while (!contains_any_case(ctx.field_text, "[generale]"));

  if (ParseOutcome o = read_general_block(ctx); o != ParseOutcome::kRead) return o;

  progressive_ordina(m);
  m.mountain_count = 0;
  ctx.caption_slot = kFirstCaptionSlot;
  ctx.gradient_cursor = 0;
  ctx.plan_cursor = 2;
  if (m.plan_enabled != 0) {
    if (m.track_plan.empty()) {
      return ctx.fail("il tracciato non esiste: manca il record \"lunghezza percorso\"");
    }
    plan_start(m);
  }

  // The positioned records, up to the end of the text; a keyword item that
  // is the last item of the text is not acted on.
  if (ParseOutcome o = ctx.read_records(read_positioned_record); o != ParseOutcome::kRead) return o;

  ctx.texts.remove(SourceKind::kLineText);

  // The last gradient runs on to last_cell - 3; the last three cells keep 0.
  ctx.record_line = ctx.reader.line();
  if (!ctx.require_cells()) return ParseOutcome::kFailed;
  if (!fill_run(m, &Cell::gradient, gradient_byte(ctx.previous_gradient), &ctx.gradient_cursor,
                int64_t{m.last_cell} - 2)) {
    record_error(m, errors::kFillPastLastCell, ctx.last_gradient_position, ctx.file,
                 ctx.last_gradient_line);
    return ParseOutcome::kStopped;
  }

  if (m.plan_enabled != 0) plan_end(m, &ctx.plan_cursor);
  return ParseOutcome::kRead;
}

}  // namespace scengen
