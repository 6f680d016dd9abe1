#include "card/cp437_literal.h"

#include <gtest/gtest.h>

namespace card {
namespace {

TEST(Cp437Literal, Characters) {
  struct Case {
    const char* utf8;
    const char* bytes;
  };
  static const Case cases[] = {
      {"", ""},
      {" Class   : #", " Class   : #"},
      {"│ ## │", "\xB3 ## \xB3"},
      {"┌─┬┐├┼┤└┴┘", "\xDA\xC4\xC2\xBF\xC3\xC5\xB4\xC0\xC1\xD9"},
      {"═╪║", "\xCD\xD8\xBA"},
      {"é½", "\x82\xAB"},
      {"€", "?"},           // not in the code page
      {"\xE2\x94", "??"},   // a sequence cut short
      {"\x80x", "?x"},      // a byte that begins no sequence
  };
  for (const Case& k : cases) EXPECT_EQ(cp437_literal(k.utf8), k.bytes) << k.utf8;
}

}  // namespace
}  // namespace card
