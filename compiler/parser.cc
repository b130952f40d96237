#include "compiler/parser.h"

#include "compiler/error_codes.h"
#include "compiler/line_text_reader.h"
#include "compiler/parse_context.h"
#include "compiler/train_text_reader.h"

namespace scengen {

void memorizza_dati(TrackModel& model, SourceTexts& texts) {
  ParseContext ctx(model, texts);
  model.items[kBackgroundItem].text = model.scenario_name;
  model.items[kRepetitionItem].text = model.train_code;

  ParseOutcome outcome = read_line_text(ctx);
  if (outcome == ParseOutcome::kRead) outcome = read_train_text(ctx);
  if (outcome == ParseOutcome::kFailed) {
    // The failure handler: both texts go, wherever the parse stood, and the
    // position of an earlier error stays as it was.
    texts.remove(SourceKind::kLineText);
    texts.remove(SourceKind::kTrainText);
    record_error(model, errors::kRunTimeFailure, {}, ctx.file, ctx.failure_line, ctx.failure);
  }
}

}  // namespace scengen
