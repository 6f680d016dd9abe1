// The name tags of the alien ships, by species: a ship whose type begins with a
// species prefix ("Qor Strike Fighter") carries the species tag ("QOR-") in front of
// its name. The loader puts the tag on as it reads the built-in list; the card header
// takes it off again for the card.
#pragma once

#include <string>

namespace ships {

struct SpeciesPrefix {
  const char* prefix;  // the first three characters of the type, case-sensitive
  const char* tag;
};

// The species in the order in which their tags are put on and taken off.
inline constexpr SpeciesPrefix SPECIES_PREFIXES[] = {
    {"Ixa", "IXA-"}, {"Qor", "QOR-"}, {"Kyv", "KYV-"}, {"Jev", "JEV-"}, {"YTT", "YTT-"},
};

// The name with the tag of its type's species prefix in front (unchanged when none).
std::string tagged_name(const std::string& name, const std::string& type);

// The name without the species tags at its front: each tag is tested once, in the
// order of SPECIES_PREFIXES, on the name as the tests before it left it.
std::string untagged_name(std::string name);

}  // namespace ships
