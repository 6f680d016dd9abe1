#include "console/cp437.h"

#include <gtest/gtest.h>

namespace console {
namespace {

TEST(Utf8ToCp437, Characters) {
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
  for (const Case& k : cases) EXPECT_EQ(utf8_to_cp437(k.utf8), k.bytes) << k.utf8;
}

// Every byte of the code page comes back from the UTF-8 that a file name is given.
TEST(Utf8ToCp437, ReadsBackWhatTextConversionWrites) {
  for (int b = 1; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(utf8_to_cp437(cp437_text_to_utf8(byte)), byte) << b;
  }
}

TEST(UpperCased, OnlyTheLettersAToZChange) {
  EXPECT_EQ(upper_cased("5f"), "5F");
  EXPECT_EQ(upper_cased("b"), "B");
  EXPECT_EQ(upper_cased("aZz-9 \x81`{@["), "AZZ-9 \x81`{@[");  // \x81 is the code page's u umlaut
  EXPECT_EQ(upper_cased("scrn:"), "SCRN:");
  EXPECT_EQ(upper_cased(""), "");
}

}  // namespace
}  // namespace console
