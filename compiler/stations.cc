#include "compiler/stations.h"

#include <string>

#include "compiler/error_codes.h"

namespace scengen {
namespace {

// A value worked out from read numbers, stored into a 32-bit field: a
// result outside the field fails like a number read too wide.
bool store_long(ParseContext& ctx, int64_t value, int32_t* target, const std::string& what) {
  if (value < INT32_MIN || value > INT32_MAX) {
    ctx.fail(what + " " + std::to_string(value) + " non sta in un campo da 32 bit");
    return false;
  }
  *target = static_cast<int32_t>(value);
  return true;
}

}  // namespace

ParseOutcome read_station(ParseContext& ctx, bool* leave) {
  TrackModel& m = ctx.model;
  ItemReader& r = ctx.reader;
  // Stations fill the items from 1 up, captions from 80 down. With 80 or
  // more captions even item 1 holds a caption, which no station may replace.
  if (ctx.station_number > ctx.caption_slot) return ctx.stop(errors::kTooManyStations, {});
  Item& item = m.items[static_cast<size_t>(ctx.station_number)];

  if (!r.read_long(&item.number_3)) return ctx.fail_read();
  const int32_t p = item.number_3;
  // A station needs 800 m of cells beyond its position, not 100.
  ParseOutcome o = ParseOutcome::kRead;
  if (!ctx.check_position(p, 800, leave, &o)) return o;
  if (p % 50 != 0) return ctx.stop(errors::kStationNotOn50, p);

  int32_t s = 0;
  if (!r.read_byte(&item.kind) || !r.read_long(&s)) return ctx.fail_read();
  if (s % 100 != 0) return ctx.stop(errors::kSpanNotOn100, p);

  int32_t hours = 0, minutes = 0, seconds = 0;
  if (!r.read_byte(&item.byte_1) || !r.read_byte(&item.byte_5) || !r.read_byte(&item.byte_4) ||
      !r.read_word(&item.word_1) || !r.read_word(&item.word_2) || !r.read_byte(&item.byte_2) ||
      !r.read_word(&item.word_3) || !r.read_word(&item.word_4) || !r.read_word(&item.word_5) ||
      !r.read_byte(&item.byte_3) || !ctx.read_longs({&hours, &minutes, &seconds})) {
    return ctx.fail_read();
  }
  // 17, 26, 0 is 62760 s.
  const int64_t time = (int64_t{hours} * 60 + minutes) * 60 + seconds;
  if (!store_long(ctx, time, &item.number_4, "l'orario in secondi")) return ParseOutcome::kFailed;
  if (!r.read_text(&ctx.field_text)) return ctx.fail_read();
  if (!ctx.store_text(&item.text)) return ParseOutcome::kFailed;

  // The stop span. S is a multiple of 100, so S / 2 is exact.
  const uint8_t k = item.kind;
  int64_t first = 0, last = 0;
  if (k >= 5 && k <= 6) {
    first = int64_t{p} - s;
    last = int64_t{p} + 150;
    item.byte_4 = 0;
  } else if (k >= 7 && k <= 8) {
    first = int64_t{p} - s;
    last = int64_t{p} + s;
    item.byte_4 = 0;
  } else {
    first = int64_t{p} - s / 2;
    last = int64_t{p} + s / 2 + (item.byte_4 != 0 ? 50 : 0);
  }
  if (!store_long(ctx, first, &item.number_1, "l'inizio della tratta") ||
      !store_long(ctx, last, &item.number_2, "la fine della tratta")) {
    return ParseOutcome::kFailed;
  }
  if (s < 600) item.byte_5 = 0;
  if (ctx.station_number == 1) {
    item.byte_4 = 0;
    item.byte_5 = 0;
  }

  // Kinds 25 and above are passed without stopping: no marks, no stop cell.
  if (k < 25) {
    const double stop = static_cast<double>(item.number_2) / 50 - 1;
    // A span reaching past the cells would put the stop there; the marks
    // lie below the stop cell, so they are inside whenever it is.
    if (stop > 1 && round_even(stop) > m.last_cell) return ctx.stop(errors::kBeyondLastCell, p);
    if (k != 5 && k != 6) {
      for (int f = 1; f <= 4; ++f) {
        const double e = static_cast<double>(item.number_2) / 50 - f - 1;
        if (e > 1)
          m.cells[static_cast<size_t>(round_even(e))].approach_mark = static_cast<uint8_t>(80 + f);
      }
    }
    if (stop <= 1) return ctx.stop(errors::kStopCellTooEarly, {});
    Cell& cell = m.cells[static_cast<size_t>(round_even(stop))];
    cell.kind = kStationStop;
    cell.value_a = static_cast<int16_t>(ctx.station_number);
  }

  if (ctx.station_number > 1 && int64_t{item.number_1} - 350 <
                                    m.items[static_cast<size_t>(ctx.station_number - 1)].number_2) {
    return ctx.stop(errors::kStationsTooClose, p);
  }
  ++ctx.station_number;
  if (ctx.station_number >= ctx.caption_slot) return ctx.stop(errors::kTooManyStations, {});
  return ParseOutcome::kRead;
}

}  // namespace scengen
