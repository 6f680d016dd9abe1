#include "console/file_system.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace console {
namespace {

TEST(FileNameToUtf8, ConvertsTheUpperHalfOfTheCodePage) {
  static const struct {
    std::string name;
    std::string utf8;
  } cases[] = {
      {"HARROW LANCE.DOC", "HARROW LANCE.DOC"},
      {"\x8E" "bo", "\xC3\x84" "bo"},           // 142 is A with diaeresis, U+00C4
      {"\x81", "\xC3\xBC"},                     // 129 u with diaeresis, U+00FC
      {"\xE1", "\xC3\x9F"},                     // 225 sharp s, U+00DF
      {"\x9E", "\xE2\x82\xA7"},                 // 158 peseta sign, U+20A7
      {"\xB0", "\xE2\x96\x91"},                 // 176 light shade, U+2591
      {"\xC4", "\xE2\x94\x80"},                 // 196 box horizontal, U+2500
      {"\xE3", "\xCF\x80"},                     // 227 pi, U+03C0
      {"\xFF", "\xC2\xA0"},                     // 255 no-break space, U+00A0
      {"\x80\x7F", "\xC3\x87\x7F"},             // 128 C cedilla; 127 stays a byte
  };
  for (const auto& c : cases) EXPECT_EQ(file_name_to_utf8(c.name), c.utf8) << c.name;
}

TEST(AcceptableFileName, RefusesNamesThatReachOutOrAreCutShort) {
  EXPECT_TRUE(acceptable_file_name("TERN.DOC"));
  EXPECT_TRUE(acceptable_file_name("A B.txt"));
  EXPECT_FALSE(acceptable_file_name("../TERN.DOC"));
  EXPECT_FALSE(acceptable_file_name("/etc/passwd"));
  EXPECT_FALSE(acceptable_file_name("SHIPS/X.DOC"));
  EXPECT_FALSE(acceptable_file_name(std::string("X\0Y.DOC", 7)));
}

TEST(OpenErrorNumber, ByCause) {
  static const struct {
    int system_error;
    bool folder_exists;
    int number;
  } cases[] = {
      {ENOENT, true, 53},       {ENOENT, false, 76},     {ENOTDIR, true, 76},
      {EACCES, true, 70},       {EPERM, true, 70},       {EROFS, true, 70},
      {ETXTBSY, true, 70},      {EBUSY, true, 70},       {ENXIO, true, 68},
      {ENODEV, true, 68},       {ENAMETOOLONG, true, 53}, {EISDIR, true, 53},
      {EINVAL, true, 53},       {ELOOP, true, 53},       {EMFILE, true, 53},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(open_error_number(c.system_error, c.folder_exists), c.number) << c.system_error;
  }
}

TEST(WriteErrorNumber, ByCause) {
  static const struct {
    int system_error;
    int number;
  } cases[] = {
      {EACCES, 70}, {EPERM, 70}, {EROFS, 70}, {ETXTBSY, 70}, {EBUSY, 70},
      {ENOSPC, 75}, {EIO, 75},   {EDQUOT, 75}, {EFBIG, 75},  {EPIPE, 75},
  };
  for (const auto& c : cases) EXPECT_EQ(write_error_number(c.system_error), c.number) << c.system_error;
}

}  // namespace
}  // namespace console
