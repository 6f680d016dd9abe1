// Number fields: format texts of literal characters and "#" fields that place numbers
// right-aligned in fixed widths, rounded half away from zero, with "%" on overflow.
#pragma once

#include <string>

#include "console/runtime_error.h"

namespace console {

// Appends to `output` the literal text of `format` from `position` up to the next
// numeric field, `x` laid out in that field, and the literal text after it up to the
// following field or the end. Returns the position of that following field, or 0 at
// the end of the format. A format without a numeric field raises error 5; the output
// keeps what was appended before it.
int format_number_field(ErrorState& errors, const std::string& format, int position, float x,
                        std::string& output);

}  // namespace console
