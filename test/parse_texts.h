#pragma once

// Runs the parser over texts held in memory, as the tests of both halves
// need it.

#include <optional>
#include <string>
#include <vector>

#include "compiler/parser.h"
#include "compiler/source_texts.h"

namespace scengen::testing {

// The lines as the carried texts are written: each ended by CR LF.
inline std::string crlf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

struct Parsed {
  TrackModel model;
  bool line_text_left = false;
  bool train_text_left = false;
};

// memorizza_dati over "linea.txt" and "treno-.txt"; a nullopt text does not
// exist. Reports which texts the parser left in place.
inline Parsed parse_texts(std::optional<std::string> line_text,
                          std::optional<std::string> train_text, int32_t plan_enabled = 1) {
  Parsed parsed;
  TrackModel& model = parsed.model;
  model.scenario_name = "Tolvo_Sarmaleonte";
  model.train_code = "R31474";
  model.plan_enabled = plan_enabled;
  MemorySourceTexts texts(std::move(line_text), std::move(train_text));
  memorizza_dati(model, texts);
  parsed.line_text_left = texts.exists(SourceKind::kLineText);
  parsed.train_text_left = texts.exists(SourceKind::kTrainText);
  return parsed;
}

}  // namespace scengen::testing
