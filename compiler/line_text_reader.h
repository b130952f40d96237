#pragma once

#include "compiler/parse_context.h"

namespace scengen {

// The line-text half of the parser: scans to "[generale]", reads the general
// block, orders the chainage changes, reads the positioned records (gradients,
// curves, mountains, speed boards, captions), deletes the line text, and
// finishes the gradients and the plan.
ParseOutcome read_line_text(ParseContext& ctx);

}  // namespace scengen
