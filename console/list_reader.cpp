#include "console/list_reader.h"

#include "console/number_scan.h"

namespace console {

std::string read_list_text(ErrorState& errors, const std::string& list, std::size_t& position) {
  if (error_pending(errors)) return {};
  if (position >= list.size()) {
    raise_runtime_error(errors, kErrorOutOfData);
    return {};
  }
  std::size_t at = position;
  std::string item;
  if (list[at] == '"') {
    const std::size_t close = list.find('"', at + 1);
    if (close == std::string::npos) {  // the end of the text ends the item
      position = list.size();
      return list.substr(at + 1);
    }
    item = list.substr(at + 1, close - at - 1);
    at = close + 1;
    if (at < list.size() && list[at] != ',') {
      position = at;
      raise_runtime_error(errors, kErrorOutOfData);
      return {};
    }
  } else {
    const std::size_t comma = list.find(',', at);
    const std::size_t end = comma == std::string::npos ? list.size() : comma;
    item = list.substr(at, end - at);
    at = end;
  }
  position = at < list.size() ? at + 1 : list.size();  // step over the comma
  return item;
}

double read_list_number(ErrorState& errors, const std::string& list, std::size_t& position) {
  if (error_pending(errors)) return 0;
  if (position >= list.size()) {
    raise_runtime_error(errors, kErrorOutOfData);
    return 0;
  }
  NumberScanner scanner;
  std::size_t at = position;
  while (at < list.size() && scanner.feed(static_cast<unsigned char>(list[at]))) ++at;
  if (at < list.size() && list[at] != ',') {
    raise_runtime_error(errors, kErrorSyntax);
    return 0;
  }
  const ScannedNumber number = scanner.result();
  if (number.overflow) {
    raise_runtime_error(errors, kErrorOverflow);
    return 0;
  }
  position = at < list.size() ? at + 1 : list.size();
  return number.value;
}

}  // namespace console
