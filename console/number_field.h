// Number fields: format texts of literal characters and numeric fields ("##", "###.",
// "+##", "######,", "#.##") that place numbers right-aligned in fixed widths, rounded
// half away from zero, with "%" before a value that does not fit.
//
// A write of number fields starts with an empty output and position 0, calls
// format_number_field once per value, passing each time the position returned by the
// call before, and then writes the output as one text item, unchanged.
#pragma once

#include <string>

#include "console/runtime_error.h"

namespace console {

// Appends to `output` the literal text of `format` from `position` up to the next
// numeric field, `x` laid out in that field, and the literal text after it up to the
// following field or the end. Returns the position of that following field, or 0 at
// the end of the format. When the end is reached before any field, the scan goes on
// from position 0, so a write with more values than fields copies the format's
// leading literal text again. A format without a numeric field raises error 5 and
// gives 0; the output keeps what was appended before it. A position outside the
// format counts as its end. The layout does not look at an error already pending: the
// write that takes the output does nothing then.
int format_number_field(ErrorState& errors, const std::string& format, int position, float x,
                        std::string& output);

}  // namespace console
