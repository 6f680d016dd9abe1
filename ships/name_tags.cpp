#include "ships/name_tags.h"

#include <cstring>

namespace ships {

std::string tagged_name(const std::string& name, const std::string& type) {
  std::string result = name;
  for (const auto& species : SPECIES_PREFIXES) {
    if (type.compare(0, 3, species.prefix) == 0 && type.size() >= 3) result = species.tag + result;
  }
  return result;
}

std::string untagged_name(std::string name) {
  for (const auto& species : SPECIES_PREFIXES) {
    const std::size_t length = std::strlen(species.tag);
    if (name.compare(0, length, species.tag) == 0) name.erase(0, length);
  }
  return name;
}

}  // namespace ships
