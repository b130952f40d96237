#pragma once

// What the two halves of the parser share while one call of memorizza_dati
// runs: the model, the texts, the item reader over the text being read, the
// last item read and the working values that live for the call.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "compiler/item_reader.h"
#include "compiler/source_texts.h"
#include "compiler/track_model.h"

namespace scengen {

// How reading a text ended.
enum class ParseOutcome {
  kRead,     // read to its end, or to a record past the cells (code 15): go on
  kStopped,  // an error was recorded and the text deleted: the parser returns
  kFailed,   // a run-time failure: the failure handler ends the parse (code 25)
};

struct ParseContext {
  ParseContext(TrackModel& m, SourceTexts& t) : model(m), texts(t) {}

  TrackModel& model;
  SourceTexts& texts;

  SourceKind current = SourceKind::kLineText;
  std::string file;  // name of the text being read, for diagnostics
  std::string contents;
  ItemReader reader{""};
  std::string field_text;  // the item just read; keyword tests are made on it
  int record_line = 0;     // line of the keyword item of the record being read

  // Set before returning kFailed: what failed, and on which line.
  std::string failure;
  int failure_line = 0;

  // Working values of the parser.
  int64_t gradient_cursor = 0;  // first cell whose gradient is not written yet
  int32_t previous_gradient = 0;
  int32_t last_gradient_position = 0;  // the record that drove the cursor last
  int last_gradient_line = 0;
  int32_t caption_slot = kFirstCaptionSlot;  // item of the next caption; counts down
  int64_t plan_cursor = 2;                   // next metre of the plan to draw

  // Working values of the train-text half.
  int32_t station_number = 1;   // item that receives the next station
  int64_t speed_cursor = 0;     // first cell whose speed_limit is not written yet
  int32_t previous_speed = 0;   // km/h of the last line-speed record
  int previous_speed_line = 0;  // ... and its line
  int64_t adhesion_cursor = 0;  // first cell whose adhesion is not written yet
  int32_t previous_adhesion = 0;
  int32_t last_adhesion_position = 0;  // the record that drove the cursor last
  int last_adhesion_line = 0;

  // Opens `kind` for reading. False, with the failure set, when it cannot be
  // read.
  bool open(SourceKind kind);
  // Reads the next text item into field_text. False at the end of the text.
  bool read_field();
  // Reads the keyword of the next record into field_text, passing over up to
  // two comment items (items holding "-") and setting record_line. *at_end is
  // set when the text ends first: a keyword that is the last item of the
  // text is not acted on. False, with the failure set, when a read fails.
  bool next_keyword(bool* at_end);
  // Reads records to the end of the text, or until one lies beyond the
  // cells (code 15): `record` reads one whose keyword is in field_text.
  // kRead when the loop ended so; otherwise what `record` returned.
  ParseOutcome read_records(ParseOutcome (*record)(ParseContext&, bool* leave));
  // Reads 32-bit numbers into the targets, each stored as soon as it is
  // read. False when a read fails.
  bool read_longs(std::initializer_list<int32_t*> targets);
  // Stores field_text into an item's text. False, with the failure set, when
  // it is longer than the item file's 16-bit length field holds.
  bool store_text(std::string* target);
  // Sets the failure from the reader's last read; returns kFailed.
  ParseOutcome fail_read();
  // Sets a failure of the parser's own; returns kFailed.
  ParseOutcome fail(std::string what);
  // The orderly error exit: closes and deletes the text being read, records
  // the code (with its position where it has one) at the current record.
  ParseOutcome stop(int32_t code, std::optional<int32_t> position, std::string detail = {});
  // False, with the failure set, when the cells were never created: a line
  // text without its route length.
  bool require_cells();
  // The position check of a record at p: accepted when (p + margin) / 50 is
  // not above last_cell. True when accepted; otherwise false with *outcome
  // set: kRead after recording code 15 and setting *leave, which ends the
  // records of the text, or kFailed when the cells were never created.
  bool check_position(int32_t p, int64_t margin, bool* leave, ParseOutcome* outcome);
  // Reads a record's 32-bit numbers, the first being its position, and
  // checks that position with margin 100. False with *outcome set as above,
  // or kFailed when a read fails.
  bool read_record(std::initializer_list<int32_t*> targets, bool* leave, ParseOutcome* outcome);
};

// A run of cells (gradient, adhesion) filled from a record to the next:
// writes `value` into `field` of the cells from *cursor up to the one before
// `until`, and at least the cell at the cursor even when it is there
// already. False, with nothing written past last_cell, when the cursor would
// pass it.
bool fill_run(TrackModel& model, uint8_t Cell::*field, uint8_t value, int64_t* cursor,
              int64_t until);

// Substring tests on an item: `contains` is exact, `contains_any_case` folds
// ASCII letters.
bool contains(std::string_view item, std::string_view part);
bool contains_any_case(std::string_view item, std::string_view part);

}  // namespace scengen
