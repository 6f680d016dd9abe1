#include "ships/ship_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace ships {
namespace {

constexpr std::size_t kFields = 18;
constexpr std::size_t kShips = 144;
constexpr std::size_t kSentinelItem = kShips * kFields;

// One item of the list text, with whether it stood in quotes.
struct Item {
  std::string text;
  bool quoted = false;
};

// The items of a comma-separated text. A quoted item runs to its closing quote, which
// a comma must follow; an unquoted item runs to the next comma and holds no quote.
// Every item, the last one included, must be followed by a comma. The first breach
// of these rules is described in `problem` and ends the split.
std::vector<Item> split_items(const std::string& text, std::string& problem) {
  std::vector<Item> items;
  std::size_t at = 0;
  while (at < text.size()) {
    Item item;
    if (text[at] == '"') {
      const std::size_t close = text.find('"', at + 1);
      if (close == std::string::npos) {
        problem = "unclosed quote at byte " + std::to_string(at);
        return items;
      }
      item.text = text.substr(at + 1, close - at - 1);
      item.quoted = true;
      at = close + 1;
      if (at >= text.size() || text[at] != ',') {
        problem = "no comma after the quoted item \"" + item.text + "\"";
        return items;
      }
    } else {
      const std::size_t comma = text.find(',', at);
      if (comma == std::string::npos) {
        problem = "no comma after the last item, at byte " + std::to_string(at);
        return items;
      }
      item.text = text.substr(at, comma - at);
      if (item.text.find('"') != std::string::npos) {
        problem = "a quote inside the unquoted item " + item.text;
        return items;
      }
      at = comma;
    }
    items.push_back(item);
    ++at;  // the comma
  }
  return items;
}

// An unsigned decimal: digits and at most one point, at least one digit.
bool is_plain_number(const std::string& text) {
  int digits = 0;
  int points = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.') {
      ++points;
    } else {
      return false;
    }
  }
  return digits > 0 && points <= 1;
}

// Field numbers (0-based) of the four text items of a record.
bool is_text_field(std::size_t field) {
  return field == 0 || field == 1 || field == 2 || field == 5;
}

struct Ship {
  std::string name, type, profile, batteries;
  double aux = 0, tons = 0, crew = 0, tl = 0, passengers = 0, low_berths = 0, cargo = 0, fuel = 0,
         ep = 0, agility = 0, troops = 0, code_x = 0, code_y = 0, code_z = 0;
  std::array<std::string, 14> number_texts;  // the number items as written
};

Ship make_ship(const std::vector<Item>& items, std::size_t first) {
  Ship s;
  s.name = items[first].text;
  s.type = items[first + 1].text;
  s.profile = items[first + 2].text;
  s.batteries = items[first + 5].text;
  std::array<double*, 14> numbers = {&s.aux,        &s.tons,   &s.crew,   &s.tl,    &s.passengers,
                                     &s.low_berths, &s.cargo,  &s.fuel,   &s.ep,    &s.agility,
                                     &s.troops,     &s.code_x, &s.code_y, &s.code_z};
  std::size_t n = 0;
  for (std::size_t field = 0; field < kFields; ++field) {
    if (is_text_field(field)) continue;
    const std::string& text = items[first + field].text;
    s.number_texts[n] = text;
    *numbers[n] = is_plain_number(text) ? std::stod(text) : -1;
    ++n;
  }
  return s;
}

struct ParsedList {
  std::string problem;
  std::vector<Item> items;
  std::vector<Ship> ships;  // the records before the sentinel
};

const ParsedList& parsed() {
  static const ParsedList list = [] {
    ParsedList p;
    p.items = split_items(kShipList, p.problem);
    for (std::size_t first = 0; first + kFields <= std::min(p.items.size(), kSentinelItem);
         first += kFields) {
      p.ships.push_back(make_ship(p.items, first));
    }
    return p;
  }();
  return list;
}

const std::vector<Ship>& ships_of_list() { return parsed().ships; }

// Character n (1-based) of a text, or 0 past its end.
char at(const std::string& text, std::size_t n) { return n <= text.size() ? text[n - 1] : '\0'; }

// The value of a code digit on a ship of the list (X, Y and Z are its own values).
double decode(char c, const Ship& s) {
  static const std::string digits = "0123456789ABCDEFGHJKLMNPQRSTUVW";
  if (c == 'X') return s.code_x;
  if (c == 'Y') return s.code_y;
  if (c == 'Z') return s.code_z;
  const std::size_t k = c == '\0' ? std::string::npos : digits.find(c);
  return k == std::string::npos ? 0 : static_cast<double>(k);
}

double profile_value(const Ship& s, std::size_t position) {
  return decode(at(s.profile, position), s);
}

bool is_upper(char c) { return c >= 'A' && c <= 'Z'; }
bool is_letter(char c) { return is_upper(c) || (c >= 'a' && c <= 'z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_ascii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    return static_cast<unsigned char>(c) >= 32 && static_cast<unsigned char>(c) < 127;
  });
}

template <typename Pred>
int count_ships(Pred pred) {
  const auto& ships = ships_of_list();
  return static_cast<int>(std::count_if(ships.begin(), ships.end(), pred));
}

// Expects the smallest and the largest value of a field over the list to be the
// ends of its range, so that the whole range is used and nothing lies outside it.
template <typename Field>
void expect_range(Field field, double low, double high, const char* what) {
  const auto& ships = ships_of_list();
  ASSERT_FALSE(ships.empty());
  double min = field(ships.front()), max = min;
  for (const Ship& s : ships) {
    min = std::min(min, field(s));
    max = std::max(max, field(s));
  }
  EXPECT_EQ(min, low) << "smallest " << what;
  EXPECT_EQ(max, high) << "largest " << what;
}

bool is_whole(double v) { return v == std::floor(v); }

// HULL_SIZE_LIMITS: the first limit that the tons are below gives the code.
char hull_code_for(double tons) {
  static const struct {
    double below;
    char code;
  } limits[] = {
      {100, '0'},    {200, '1'},     {300, '2'},    {400, '3'},    {500, '4'},    {600, '5'},
      {700, '6'},    {800, '7'},     {900, '8'},    {1000, '9'},   {2000, 'A'},   {3000, 'B'},
      {4000, 'C'},   {5000, 'D'},    {6000, 'E'},   {7000, 'F'},   {8000, 'G'},   {9000, 'H'},
      {10000, 'J'},  {20000, 'K'},   {30000, 'L'},  {40000, 'M'},  {50000, 'N'},  {75000, 'P'},
      {100000, 'Q'}, {200000, 'R'},  {300000, 'S'}, {400000, 'T'}, {500000, 'U'}, {700000, 'V'},
      {900000, 'W'}, {1000000, 'X'},
  };
  for (const auto& l : limits) {
    if (tons < l.below) return l.code;
  }
  return 'Y';
}

// CREW_DIGITS_STEPS: the number of digits of the crew, "0" for none.
char crew_digit_for(double crew) {
  char d = '0';
  if (crew > 0) d = '1';
  if (crew > 9) d = '2';
  if (crew > 99) d = '3';
  if (crew > 999) d = '4';
  return d;
}

TEST(ShipListText, IsOneLineOfQuotedTextsAndPlainNumbersEndedByAComma) {
  const ParsedList& p = parsed();
  ASSERT_EQ(p.problem, "");
  EXPECT_EQ(kShipList.find_first_of("\r\n"), std::string::npos) << "the list holds a line end";
  ASSERT_FALSE(kShipList.empty());
  EXPECT_EQ(kShipList.back(), ',');
  ASSERT_EQ(p.items.size(), 2629u);

  for (std::size_t i = 0; i < p.items.size(); ++i) {
    if (i == kSentinelItem) continue;
    const std::size_t field = (i < kSentinelItem ? i : i - kSentinelItem - 1) % kFields;
    const Item& item = p.items[i];
    if (is_text_field(field)) {
      EXPECT_TRUE(item.quoted) << "item " << i << " (" << item.text
                               << ") is a text and must be quoted";
    } else {
      EXPECT_FALSE(item.quoted) << "item " << i << " (" << item.text
                                << ") is a number and must not be quoted";
      EXPECT_TRUE(is_plain_number(item.text))
          << "item " << i << " is not an unsigned decimal: " << item.text;
    }
  }
}

TEST(ShipListText, EndsWithTheSentinelAndCopiesOfTheLastTwoRecords) {
  const ParsedList& p = parsed();
  ASSERT_EQ(p.items.size(), 2629u);
  EXPECT_EQ(p.items[kSentinelItem].text, "XXX");
  EXPECT_TRUE(p.items[kSentinelItem].quoted);
  for (std::size_t i = 0; i < kSentinelItem; i += kFields) {
    EXPECT_NE(p.items[i].text, "XXX") << "a record before the sentinel is named XXX, item " << i;
  }
  for (std::size_t k = 0; k < 2 * kFields; ++k) {
    const Item& copy = p.items[kSentinelItem + 1 + k];
    const Item& original = p.items[kSentinelItem - 2 * kFields + k];
    EXPECT_EQ(copy.text, original.text) << "item " << k << " after the sentinel";
    EXPECT_EQ(copy.quoted, original.quoted) << "item " << k << " after the sentinel";
  }
}

TEST(ShipListText, NumbersUseTheShortForms) {
  const auto has_form = [](auto pred) {
    return count_ships([&](const Ship& s) {
             return std::any_of(s.number_texts.begin(), s.number_texts.end(), pred);
           }) > 0;
  };
  EXPECT_TRUE(has_form([](const std::string& t) { return t == "00"; })) << "no number written 00";
  EXPECT_TRUE(has_form([](const std::string& t) {
    return t.size() > 1 && t[0] == '0' && t[1] != '.' && t != "00";
  })) << "no number with a leading zero such as 08";
  EXPECT_TRUE(has_form([](const std::string& t) { return t.size() > 1 && t[0] == '.'; }))
      << "no number with a leading point such as .2";
}

TEST(ShipListNames, HaveTheShapeTheMenuSortsOn) {
  const auto& ships = ships_of_list();
  ASSERT_EQ(ships.size(), kShips);
  std::map<std::string, int> occurrences;
  for (const Ship& s : ships) ++occurrences[s.name];
  EXPECT_EQ(occurrences.size(), 138u) << "distinct names";
  const int twice = static_cast<int>(std::count_if(occurrences.begin(), occurrences.end(),
                                                   [](const auto& e) { return e.second == 2; }));
  const int more = static_cast<int>(std::count_if(occurrences.begin(), occurrences.end(),
                                                  [](const auto& e) { return e.second > 2; }));
  EXPECT_EQ(twice, 6) << "names that occur twice";
  EXPECT_EQ(more, 0) << "names that occur more than twice";

  expect_range([](const Ship& s) { return static_cast<double>(s.name.size()); }, 2, 22,
               "name length");
  EXPECT_EQ(count_ships([](const Ship& s) { return !s.name.empty() && s.name.back() == ' '; }), 2)
      << "names ending in a blank";
  EXPECT_EQ(count_ships([](const Ship& s) { return s.name.find(',') != std::string::npos; }), 2)
      << "names holding a comma";
  EXPECT_EQ(count_ships([](const Ship& s) { return at(s.name, 2) == '.'; }), 1)
      << "names with a full stop second";
  EXPECT_EQ(count_ships([](const Ship& s) { return at(s.name, 2) == ' '; }), 1)
      << "names with a blank second";
  for (const Ship& s : ships) {
    EXPECT_TRUE(is_upper(at(s.name, 1))) << s.name << ": a name begins with an upper-case letter";
    const char second = at(s.name, 2);
    EXPECT_TRUE(is_letter(second) || second == '.' || second == ' ')
        << s.name << ": second character";
    EXPECT_TRUE(is_ascii(s.name)) << s.name;
  }
}

TEST(ShipListTypes, HaveTheirLengthsAndSpeciesPrefixes) {
  const auto& ships = ships_of_list();
  ASSERT_EQ(ships.size(), kShips);
  expect_range([](const Ship& s) { return static_cast<double>(s.type.size()); }, 0, 30,
               "type length");
  EXPECT_EQ(count_ships([](const Ship& s) { return s.type.empty(); }), 1) << "empty types";
  const struct {
    const char* prefix;
    int records;
  } prefixes[] = {{"Qor", 11}, {"Ixa", 7}, {"YTT", 4}, {"Kyv", 4}, {"Jev", 1}};
  int tagged = 0;
  for (const auto& p : prefixes) {
    const int n = count_ships([&](const Ship& s) { return s.type.compare(0, 3, p.prefix) == 0; });
    EXPECT_EQ(n, p.records) << "types beginning with " << p.prefix;
    tagged += n;
  }
  EXPECT_EQ(tagged, 27);
  for (const Ship& s : ships) EXPECT_TRUE(is_ascii(s.type)) << s.type;
}

TEST(ShipListProfiles, HaveSeparatorsAndTails) {
  const auto& ships = ships_of_list();
  ASSERT_EQ(ships.size(), kShips);
  std::map<std::size_t, int> by_length;
  for (const Ship& s : ships) {
    ++by_length[s.profile.size()];
    EXPECT_GE(s.profile.size(), 23u) << s.name << ": " << s.profile;
    EXPECT_LE(s.profile.size(), 27u) << s.name << ": " << s.profile;
    for (std::size_t pos : {3u, 11u, 18u}) {
      EXPECT_EQ(at(s.profile, pos), '-') << s.name << ": position " << pos << " of " << s.profile;
    }
    if (s.profile.size() > 23) {
      EXPECT_EQ(at(s.profile, 24), '-') << s.name << ": the tail begins with - in " << s.profile;
    }
  }
  EXPECT_EQ(by_length[23], 7) << "profiles without a tail";
  EXPECT_EQ(by_length[25], 129) << "profiles with a tail of one character";
  EXPECT_EQ(by_length[26], 7) << "profiles with a tail of two characters";
  EXPECT_EQ(by_length[27], 1) << "profiles with a tail of three characters";
}

TEST(ShipListBatteryLines, KeepTheUnreadColumnsBlank) {
  const auto& ships = ships_of_list();
  ASSERT_EQ(ships.size(), kShips);
  expect_range([](const Ship& s) { return static_cast<double>(s.batteries.size()); }, 19, 27,
               "battery line length");
  for (const Ship& s : ships) {
    for (std::size_t col = 1; col <= 12; ++col) {
      EXPECT_EQ(at(s.batteries, col), ' ') << s.name << ": battery column " << col;
    }
    for (std::size_t col : {15u, 16u, 18u, 24u, 27u}) {
      const char c = at(s.batteries, col);
      EXPECT_TRUE(c == ' ' || c == '\0') << s.name << ": battery column " << col << " holds " << c;
    }
  }
  EXPECT_EQ(count_ships([](const Ship& s) { return is_digit(at(s.batteries, 14)); }), 1)
      << "records with a digit in battery column 14";
  EXPECT_EQ(count_ships([](const Ship& s) { return at(s.batteries, 14) != ' '; }), 1)
      << "records with anything in battery column 14";
  EXPECT_EQ(count_ships([](const Ship& s) {
              const char a = at(s.batteries, 25), b = at(s.batteries, 26);
              return (a != ' ' && a != '\0') || (b != ' ' && b != '\0');
            }),
            2)
      << "records with a character in battery column 25 or 26";
}

bool uses_digit(const Ship& s, char digit) {
  return s.profile.find(digit) != std::string::npos || s.batteries.find(digit) != std::string::npos;
}
bool uses_any_digit(const Ship& s) {
  return uses_digit(s, 'X') || uses_digit(s, 'Y') || uses_digit(s, 'Z');
}

TEST(ShipListCodeDigits, XYZStandOnlyWhereTheyAreRead) {
  const auto& ships = ships_of_list();
  ASSERT_EQ(ships.size(), kShips);
  EXPECT_EQ(count_ships(uses_any_digit), 11) << "records using X, Y or Z";
  EXPECT_EQ(count_ships([](const Ship& s) { return uses_digit(s, 'Z'); }), 10) << "records using Z";
  EXPECT_EQ(count_ships([](const Ship& s) { return uses_digit(s, 'Y'); }), 4) << "records using Y";
  EXPECT_EQ(count_ships([](const Ship& s) { return uses_digit(s, 'X'); }), 2) << "records using X";

  const std::set<std::size_t> battery_columns = {13, 17, 19, 20, 21, 23};
  std::set<std::size_t> columns_used;
  int in_profile = 0;
  for (const Ship& s : ships) {
    for (std::size_t pos = 1; pos <= s.profile.size(); ++pos) {
      const char c = at(s.profile, pos);
      if (c != 'X' && c != 'Y' && c != 'Z') continue;
      EXPECT_EQ(pos, 8u) << s.name << ": " << c << " at profile position " << pos;
      ++in_profile;
    }
    for (std::size_t col = 1; col <= s.batteries.size(); ++col) {
      const char c = at(s.batteries, col);
      if (c != 'X' && c != 'Y' && c != 'Z') continue;
      EXPECT_TRUE(battery_columns.count(col))
          << s.name << ": " << c << " in battery column " << col;
      columns_used.insert(col);
    }
  }
  EXPECT_EQ(in_profile, 1) << "X, Y or Z in the profile";
  EXPECT_EQ(columns_used, battery_columns) << "battery columns holding X, Y or Z";
}

TEST(ShipListCodeDigits, XYZValuesBelongToTheShipsThatUseThem) {
  const auto& ships = ships_of_list();
  ASSERT_EQ(ships.size(), kShips);
  std::set<double> xs, ys, zs;
  for (const Ship& s : ships) {
    xs.insert(s.code_x);
    ys.insert(s.code_y);
    zs.insert(s.code_z);
  }
  EXPECT_EQ(xs, (std::set<double>{0, 40, 50}));
  EXPECT_EQ(ys, (std::set<double>{0, 32, 33, 41, 42, 50, 60, 215}));
  EXPECT_EQ(zs, (std::set<double>{0, 40, 50, 55, 60, 80, 200, 430}));

  const auto has_values = [](const Ship& s) {
    return s.code_x != 0 || s.code_y != 0 || s.code_z != 0;
  };
  EXPECT_EQ(count_ships(has_values), 9) << "records with a value for X, Y or Z";
  for (const Ship& s : ships) {
    if (has_values(s)) {
      EXPECT_TRUE(uses_any_digit(s)) << s.name << " has X, Y or Z values but uses none";
    }
  }
  EXPECT_EQ(count_ships([&](const Ship& s) { return uses_digit(s, 'Z') && !has_values(s); }), 2)
      << "records whose Z decodes to 0";
  EXPECT_EQ(count_ships([&](const Ship& s) { return !uses_any_digit(s) && !has_values(s); }), 133)
      << "records without X, Y and Z";
}

TEST(ShipListNumbers, TonsFallIntoTheClassBands) {
  const auto& ships = ships_of_list();
  ASSERT_EQ(ships.size(), kShips);
  expect_range([](const Ship& s) { return s.tons; }, 8, 500000, "tons");
  EXPECT_EQ(count_ships([](const Ship& s) { return !is_whole(s.tons); }), 1)
      << "tons with a fraction";
  EXPECT_EQ(count_ships([](const Ship& s) { return s.tons == 8.5; }), 1) << "ships of 8.5 tons";
  const struct {
    double from, below;
    int records;
  } bands[] = {
      {0, 100, 19}, {100, 1000, 60}, {1000, 10000, 33}, {10000, 100000, 27}, {100000, 1e9, 5}};
  for (const auto& b : bands) {
    EXPECT_EQ(count_ships([&](const Ship& s) { return s.tons >= b.from && s.tons < b.below; }),
              b.records)
        << "ships from " << b.from << " to below " << b.below << " tons";
  }
}

// The significant digits of a number as written: leading zeros and the point do
// not count, nor the trailing zeros of a whole number.
int significant_digits(std::string text) {
  const bool has_point = text.find('.') != std::string::npos;
  text.erase(std::remove(text.begin(), text.end(), '.'), text.end());
  text.erase(0, text.find_first_not_of('0'));
  if (!has_point) text.erase(text.find_last_not_of('0') + 1);
  return static_cast<int>(text.size());
}

TEST(ShipListNumbers, AuxiliaryValuesAreZeroOrBetweenTheirEnds) {
  const auto& ships = ships_of_list();
  ASSERT_EQ(ships.size(), kShips);
  EXPECT_EQ(count_ships([](const Ship& s) { return s.aux == 0; }), 11) << "auxiliary values of 0";
  double min = 1e9, max = 0;
  int longest = 0;
  for (const Ship& s : ships) {
    const int digits = significant_digits(s.number_texts[0]);
    EXPECT_LE(digits, 8) << s.name << ": auxiliary value " << s.number_texts[0];
    longest = std::max(longest, digits);
    if (s.aux == 0) continue;
    min = std::min(min, s.aux);
    max = std::max(max, s.aux);
  }
  EXPECT_EQ(longest, 8) << "the most significant digits of an auxiliary value";
  EXPECT_NEAR(min, 12.8, 0.05) << "smallest auxiliary value other than 0";
  EXPECT_GE(max, 362721) << "largest auxiliary value";
  EXPECT_LT(max, 362722) << "largest auxiliary value";
}

TEST(ShipListNumbers, CrewCargoAndTheOtherFieldsSpanTheirRanges) {
  const auto& ships = ships_of_list();
  ASSERT_EQ(ships.size(), kShips);
  expect_range([](const Ship& s) { return s.tl; }, 8, 15, "TL");
  expect_range([](const Ship& s) { return s.crew; }, 0, 4054, "crew");
  expect_range([](const Ship& s) { return s.passengers; }, 0, 300, "passengers");
  expect_range([](const Ship& s) { return s.low_berths; }, 0, 1100, "low berths");
  expect_range([](const Ship& s) { return s.cargo; }, 0, 9000, "cargo");
  expect_range([](const Ship& s) { return s.fuel; }, 0, 190000, "fuel");
  expect_range([](const Ship& s) { return s.ep; }, 0, 150000, "EP");
  expect_range([](const Ship& s) { return s.agility; }, 0, 6, "agility");
  expect_range([](const Ship& s) { return s.troops; }, 0, 253, "troops");

  EXPECT_EQ(count_ships([](const Ship& s) { return s.passengers == 0; }), 84)
      << "ships without passengers";
  EXPECT_EQ(count_ships([](const Ship& s) { return s.low_berths == 0; }), 80)
      << "ships without low berths";
  EXPECT_EQ(count_ships([](const Ship& s) { return s.ep == 0; }), 6)
      << "ships whose EP the card computes";
  EXPECT_EQ(count_ships([](const Ship& s) { return s.troops == 0; }), 101)
      << "ships without troops";
  EXPECT_EQ(count_ships([](const Ship& s) { return !is_whole(s.cargo); }), 8)
      << "cargo with a fraction";
  EXPECT_EQ(count_ships([](const Ship& s) { return !is_whole(s.agility); }), 1)
      << "agility with a fraction";
  for (const Ship& s : ships) {
    for (double v : {s.crew, s.tl, s.passengers, s.low_berths, s.fuel, s.ep, s.troops}) {
      EXPECT_TRUE(is_whole(v)) << s.name << ": " << v << " should be a whole number";
    }
  }
}

// The rules below keep every ship believable: its codes agree with its tonnage,
// crew, power plant and fitted systems.

TEST(ShipListBelievability, HullAndCrewDigitsMatchTonsAndCrew) {
  for (const Ship& s : ships_of_list()) {
    EXPECT_EQ(at(s.profile, 4), hull_code_for(s.tons))
        << s.name << ": hull size for " << s.tons << " tons";
    EXPECT_EQ(at(s.profile, 10), crew_digit_for(s.crew))
        << s.name << ": crew digits for a crew of " << s.crew;
  }
}

TEST(ShipListBelievability, ClassConfigurationAndComputerAreKnownCodes) {
  const std::string computer_codes = "123456789ABCDEFGHJRS";
  for (const Ship& s : ships_of_list()) {
    EXPECT_TRUE(is_upper(at(s.profile, 1)) && is_upper(at(s.profile, 2)))
        << s.name << ": class code of " << s.profile;
    const char config = at(s.profile, 5);
    EXPECT_TRUE(config >= '1' && config <= '9') << s.name << ": configuration " << config;
    EXPECT_NE(computer_codes.find(at(s.profile, 9)), std::string::npos)
        << s.name << ": computer " << at(s.profile, 9);
  }
}

TEST(ShipListBelievability, PowerPlantDrivesAndEnergyAgree) {
  for (const Ship& s : ships_of_list()) {
    const double jdrive = profile_value(s, 6), mdrive = profile_value(s, 7),
                 pplant = profile_value(s, 8);
    EXPECT_GE(pplant, jdrive) << s.name << ": the power plant must carry the J-Drive";
    EXPECT_GE(pplant, mdrive) << s.name << ": the power plant must carry the M-Drive";
    EXPECT_LE(jdrive, s.tl - 7) << s.name << ": J-Drive " << jdrive << " at TL " << s.tl;
    if (s.tons < 100) {
      EXPECT_EQ(jdrive, 0) << s.name << ": a small craft has no J-Drive";
    }
    EXPECT_LE(s.agility, pplant) << s.name << ": agility beyond what the power plant gives";
    if (s.ep != 0) {
      EXPECT_NEAR(s.ep, pplant * s.tons / 100, 0.5)
          << s.name << ": EP of P-Plant " << pplant << " on " << s.tons << " tons";
      EXPECT_GE(s.ep, 1) << s.name;
    }
  }
}

TEST(ShipListBelievability, HullHoldsFuelCargoAndPeople) {
  for (const Ship& s : ships_of_list()) {
    const double jdrive = profile_value(s, 6);
    EXPECT_GE(s.fuel, jdrive * s.tons / 10) << s.name << ": fuel for one jump of " << jdrive;
    EXPECT_LE(s.fuel + s.cargo, s.tons) << s.name << ": fuel and cargo exceed the hull";
    EXPECT_LE(s.crew + s.passengers + s.troops + s.low_berths, s.tons / 2)
        << s.name << ": too many people aboard";
  }
}

TEST(ShipListBelievability, DefencesAndBatteriesMatchTheFittedSystems) {
  for (const Ship& s : ships_of_list()) {
    EXPECT_LE(profile_value(s, 12), s.tl) << s.name << ": armor above the TL";
    if (s.tl < 9) {
      for (std::size_t pos : {14u, 15u, 16u}) {
        EXPECT_EQ(profile_value(s, pos), 0)
            << s.name << ": screens at position " << pos << " below TL 9";
      }
    }
    for (std::size_t col : {13u, 17u, 19u, 20u, 21u, 22u, 23u}) {
      const char count = at(s.batteries, col);
      const bool has_count = count != ' ' && count != '\0';
      const double rating = profile_value(s, col);
      if (has_count) {
        EXPECT_GT(rating, 0) << s.name << ": batteries in column " << col
                             << " of a system not fitted";
      }
      if (col >= 19 && rating > 0) {
        EXPECT_TRUE(has_count) << s.name << ": weapon at position " << col << " without batteries";
      }
    }
  }
}

}  // namespace
}  // namespace ships
