// The built-in ship list: the ships that every run loads into records 1 to 144.
//
// The list is one constant text of comma-separated items with no line ends and a
// comma after its last item. Each record is 18 items in ShipRecord order: name,
// type, profile, auxiliary value, tons, battery line, crew, TL, passengers, low
// berths, cargo, fuel, EP, agility, troops and the values of the code digits X, Y
// and Z. The four text items (name, type, profile, battery line) are always in
// double quotes, so a name may hold a comma; the 14 numbers are never quoted and are
// unsigned decimals (digits and at most one point). After the 144th record comes the
// sentinel name "XXX", which ends the load; two further records after it repeat the
// last two ships and are never read.
#pragma once

#include <string>

namespace ships {

// The built-in list of ship records.
extern const std::string kShipList;

}  // namespace ships
