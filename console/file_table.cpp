#include "console/file_table.h"

#include <utility>

namespace console {

OpenFile* FileTable::find(long number) {
  const auto found = files_.find(number);
  return found == files_.end() ? nullptr : &found->second;
}

OpenFile& FileTable::add(long number, OpenFile file) {
  return files_.insert_or_assign(number, std::move(file)).first->second;
}

}  // namespace console
