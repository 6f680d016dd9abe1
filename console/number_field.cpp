#include "console/number_field.h"

#include <cstddef>
#include <optional>

#include "console/number_field_layout.h"

namespace console {

namespace {

struct FieldAt {
  NumberField field;
  std::size_t length = 0;  // characters of the format the field takes
};

// The numeric field that begins at `at`: an optional "+", "#" characters with ","
// among them once a "#" was read, then an optional "." and more "#". It counts only
// when it holds at least one "#".
std::optional<FieldAt> field_at(const std::string& format, std::size_t at) {
  FieldAt found;
  NumberField& field = found.field;
  std::size_t i = at;
  const auto is = [&](char c) { return i < format.size() && format[i] == c; };
  if (is('+')) {
    field.leading_sign = true;
    ++i;
  }
  int hashes = 0;
  for (; is('#') || (is(',') && hashes > 0); ++i) {
    if (format[i] == '#') ++hashes;
    if (format[i] == ',') field.comma = true;
    ++field.integer_positions;
  }
  if (is('.')) {
    field.point = true;
    for (++i; is('#'); ++i) ++field.decimal_positions;
  }
  if (hashes + field.decimal_positions == 0) return std::nullopt;
  found.length = i - at;
  return found;
}

}  // namespace

int format_number_field(ErrorState& errors, const std::string& format, int position, float x,
                        std::string& output) {
  const bool inside = position >= 0 && static_cast<std::size_t>(position) < format.size();
  std::size_t at = inside ? static_cast<std::size_t>(position) : format.size();
  std::size_t scan_start = at;
  bool placed = false;
  for (;;) {
    if (at >= format.size()) {
      if (placed) return 0;
      if (scan_start == 0) break;
      at = scan_start = 0;
      continue;
    }
    const auto found = field_at(format, at);
    if (!found) {
      output.push_back(format[at++]);
    } else if (placed) {
      return static_cast<int>(at);
    } else {
      output += lay_out_number_field(found->field, x);
      placed = true;
      at += found->length;
    }
  }
  raise_runtime_error(errors, kErrorIllegalFunctionCall);
  return 0;
}

}  // namespace console
