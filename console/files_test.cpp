#include "console/files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "console/screen.h"
#include "console/working_folder_test_support.h"

namespace console {
namespace {

namespace fs = std::filesystem;

class QuietHost : public ConsoleHost {
 public:
  bool ask_error_box(const std::string&, const std::string&) override { return true; }
  void show_fatal_box(const std::string&, const std::string&) override {}
  void nap(int) override {}
};

// Every test runs in a folder of its own, which becomes the working folder (the
// program names its files without a folder).
class FilesTest : public ::testing::Test {
 protected:
  void TearDown() override { close_all_files_now(); }

  void close_all_files_now() {
    console.errors.pending = 0;
    close_all_files(console);
  }

  static void write_file(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
  }
  static std::string read_file(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // The names in the folder, sorted.
  std::vector<std::string> folder_names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_.path())) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  int take_error() {
    const int number = console.errors.pending;
    console.errors.pending = 0;
    return number;
  }

  WorkingFolder folder_;
  QuietHost host;
  Console console{host};
};

// ---- Opening and closing -------------------------------------------------------

TEST_F(FilesTest, OutputEmptiesAnExistingFileAndCreatesAMissingOne) {
  write_file("OLD.DOC", "an old card\r\n");
  open_file(console, "OLD.DOC", FileMode::Output, 1);
  open_file(console, "NEW.DOC", FileMode::Output, 2);
  EXPECT_EQ(take_error(), 0);
  EXPECT_EQ(fs::file_size("OLD.DOC"), 0u);
  ASSERT_TRUE(fs::exists("NEW.DOC"));
  EXPECT_EQ(fs::file_size("NEW.DOC"), 0u);
}

TEST_F(FilesTest, MissingInputFileIsFileNotFoundAndTheNumberStaysFree) {
  open_file(console, "SHIP.DAT", FileMode::Input, 1);
  EXPECT_EQ(take_error(), 53);
  EXPECT_FALSE(fs::exists("SHIP.DAT"));
  write_file("OTHER.DAT", "1");
  open_file(console, "OTHER.DAT", FileMode::Input, 1);
  EXPECT_EQ(take_error(), 0);
  EXPECT_EQ(input_number_from_file(console, 1), 1.0);
}

TEST_F(FilesTest, MissingFolderIsPathNotFound) {
  // The name itself holds no "/": a link leads into a folder that is not there.
  fs::create_symlink(folder_ / "gone" / "LOST.DOC", "LOST.DOC");
  open_file(console, "LOST.DOC", FileMode::Output, 1);
  EXPECT_EQ(take_error(), 76);
  open_file(console, "LOST.DOC", FileMode::Input, 1);
  EXPECT_EQ(take_error(), 76);
  EXPECT_FALSE(fs::exists(folder_ / "gone"));
  // The same link into a folder that exists names a missing file.
  fs::create_directory("here");
  fs::create_symlink(folder_ / "here" / "FOUND.DAT", "FOUND.DAT");
  open_file(console, "FOUND.DAT", FileMode::Input, 1);
  EXPECT_EQ(take_error(), 53);
}

TEST_F(FilesTest, OpeningANumberInUseLeavesTheOpenFileAlone) {
  open_file(console, "CARD.DOC", FileMode::Output, 1);
  print_to_file(console, 1, "first", false, false, false);
  write_file("SHIP.DAT", "Y");
  open_file(console, "SHIP.DAT", FileMode::Input, 1);
  EXPECT_EQ(take_error(), 55);
  open_file(console, "OTHER.DOC", FileMode::Output, 1);
  EXPECT_EQ(take_error(), 55);
  EXPECT_FALSE(fs::exists("OTHER.DOC"));
  EXPECT_EQ(read_file("SHIP.DAT"), "Y");
  print_to_file(console, 1, " line", false, false, true);
  EXPECT_EQ(take_error(), 0);
  close_file(console, 1);
  EXPECT_EQ(read_file("CARD.DOC"), "first line\r\n");
}

TEST_F(FilesTest, ANumberBelowOneIsABadFileNumber) {
  for (const long number : {0L, -1L}) {
    open_file(console, "CARD.DOC", FileMode::Output, number);
    EXPECT_EQ(take_error(), 52) << number;
  }
  EXPECT_TRUE(folder_names().empty());
}

TEST_F(FilesTest, ANameThatLeavesTheFolderIsRefusedAndNothingIsTouched) {
  fs::create_directory("sub");
  static const char* const names[] = {"sub/CARD.DOC", "../CARD.DOC", "/tmp/CARD.DOC"};
  for (const char* name : names) {
    open_file(console, name, FileMode::Output, 1);
    EXPECT_EQ(take_error(), 53) << name;
  }
  EXPECT_TRUE(fs::is_empty("sub"));
  EXPECT_FALSE(fs::exists(folder_.path().parent_path() / "CARD.DOC"));
  open_file(console, std::string("CARD\0.DOC", 9), FileMode::Output, 1);
  EXPECT_EQ(take_error(), 53);
  EXPECT_EQ(folder_names(), std::vector<std::string>{"sub"});
}

TEST_F(FilesTest, AFolderIsNotAFile) {
  fs::create_directory("FOLDER");
  open_file(console, "FOLDER", FileMode::Input, 1);
  EXPECT_EQ(take_error(), 53);
  open_file(console, "FOLDER", FileMode::Output, 1);
  EXPECT_EQ(take_error(), 53);
  EXPECT_TRUE(fs::is_directory("FOLDER"));
}

TEST_F(FilesTest, TheNameGoesToDiskAsUtf8) {
  open_file(console, "\x8E" "GIR.DOC", FileMode::Output, 1);  // 142: A with diaeresis
  print_to_file(console, 1, "\x8E", false, false, false);      // contents stay bytes
  close_file(console, 1);
  EXPECT_EQ(take_error(), 0);
  EXPECT_EQ(folder_names(), std::vector<std::string>{"\xC3\x84" "GIR.DOC"});
  EXPECT_EQ(read_file("\xC3\x84" "GIR.DOC"), "\x8E");
}

TEST_F(FilesTest, ClosingANumberNeverOpenedIsSilent) {
  close_file(console, 3);
  close_file(console, 0);
  EXPECT_EQ(take_error(), 0);
}

TEST_F(FilesTest, CloseAllFreesEveryNumber) {
  open_file(console, "A.DOC", FileMode::Output, 1);
  open_file(console, "SCRN:", FileMode::Output, 2);
  close_all_files(console);
  open_file(console, "B.DOC", FileMode::Output, 1);
  open_file(console, "SCRN:", FileMode::Output, 2);
  EXPECT_EQ(take_error(), 0);
}

TEST_F(FilesTest, CloseAllClosesEvenWithAnErrorPending) {
  open_file(console, "A.DOC", FileMode::Output, 1);
  print_to_file(console, 1, "kept", false, false, false);
  console.errors.pending = 62;
  close_all_files(console);
  console.errors.pending = 0;
  open_file(console, "A.DOC", FileMode::Input, 1);  // number 1 is free again
  std::string value;
  input_string_from_file(console, 1, value);
  EXPECT_EQ(take_error(), 0);
  EXPECT_EQ(value, "kept");
}

TEST_F(FilesTest, NothingHappensWhileAnErrorIsPending) {
  open_file(console, "A.DOC", FileMode::Output, 1);
  console.errors.pending = 62;
  open_file(console, "B.DOC", FileMode::Output, 2);
  print_to_file(console, 1, "x", false, false, true);
  close_file(console, 1);
  EXPECT_EQ(console.errors.pending, 62);
  take_error();
  EXPECT_EQ(folder_names(), std::vector<std::string>{"A.DOC"});
  print_to_file(console, 1, "y", false, false, false);  // still open
  EXPECT_EQ(take_error(), 0);
  EXPECT_EQ(read_file("A.DOC"), "y");
}

// ---- The screen device ---------------------------------------------------------

TEST_F(FilesTest, ScreenDeviceNamesOpenTheScreenAndCreateNoFile) {
  static const char* const names[] = {"Scrn:", "SCRN:", "scrn:CARD.DOC"};
  for (const char* name : names) {
    open_file(console, name, FileMode::Output, 2);
    EXPECT_EQ(take_error(), 0) << name;
    print_to_file(console, 2, "A", false, false, false);
    EXPECT_EQ(take_error(), 0) << name;
    close_file(console, 2);
  }
  EXPECT_TRUE(folder_names().empty());
  open_file(console, "SCRN", FileMode::Output, 2);  // four characters: a file
  EXPECT_EQ(folder_names(), std::vector<std::string>{"SCRN"});
}

// Row 1 of the page as text.
std::string row_text(const TextPage& page, int row, int columns) {
  std::string text;
  for (int column = 1; column <= columns; ++column) text += static_cast<char>(page.cell(row, column).character);
  return text;
}

TEST_F(FilesTest, TheScreenDeviceGetsItemsUnchangedWithoutBlanks) {
  open_file(console, "SCRN:", FileMode::Output, 2);
  print_to_file(console, 2, "abc", true, true, false);
  print_to_file(console, 2, " 5", true, false, false);
  print_to_file(console, 2, "de", false, false, true);
  EXPECT_EQ(take_error(), 0);
  EXPECT_EQ(row_text(console.page, 1, 9), "abc 5de  ");
  EXPECT_EQ(console.page.cursor_row(), 2);
  EXPECT_EQ(console.page.cursor_column(), 1);
}

TEST_F(FilesTest, TheScreenDeviceCannotBeRead) {
  open_file(console, "SCRN:", FileMode::Input, 2);
  std::string target = "kept";
  input_string_from_file(console, 2, target);
  EXPECT_EQ(take_error(), 54);
  EXPECT_EQ(target, "kept");
  EXPECT_EQ(input_number_from_file(console, 2), 0.0);
  EXPECT_EQ(take_error(), 54);
}

// ---- Writing ---------------------------------------------------------------------

struct Item {
  std::string text;
  bool number_blank;
  bool next_zone;
  bool line_end;
};

TEST_F(FilesTest, ItemsWithTheirBlanksAndLineEnds) {
  static const struct {
    const char* what;
    std::vector<Item> items;
    std::string bytes;
  } cases[] = {
      {"abc to the next zone: 11 blanks", {{"abc", false, true, false}, {"x", false, false, false}},
       "abc" + std::string(11, ' ') + "x"},
      {"a 14-character item goes a whole zone on",
       {{"ABCDEFGHIJKLMN", false, true, false}, {"x", false, false, false}},
       "ABCDEFGHIJKLMN" + std::string(14, ' ') + "x"},
      {"from the second zone to the third",
       {{"a", false, true, false}, {"ABCDEFGHIJKLMN", false, true, false}},
       "a" + std::string(13, ' ') + "ABCDEFGHIJKLMN" + std::string(14, ' ')},
      {"a number with its blank", {{" 5", true, false, false}}, " 5 "},
      {"number blank counted before the zone", {{" 12", true, true, false}},
       " 12" + std::string(11, ' ')},
      {"three items and the line end", {{"a", false, false, false}, {"b", false, false, false},
                                        {"c", false, false, true}},
       "abc\r\n"},
      {"the line end starts the zones again",
       {{"abcdef", false, false, true}, {"a", false, true, false}},
       "abcdef\r\na" + std::string(13, ' ')},
      {"a CR in an item is column 1", {{"abcdef\rc", false, true, false}},
       "abcdef\rc" + std::string(13, ' ')},
      {"an LF in an item does not move the column", {{"ab\nc", false, true, false}},
       "ab\nc" + std::string(11, ' ')},
      {"an empty item with the line end", {{"", false, false, true}}, "\r\n"},
      {"bytes go out as they are", {{"\"q\",\xC9\xCD\xBB", false, false, false}},
       "\"q\",\xC9\xCD\xBB"},
  };
  for (const auto& c : cases) {
    open_file(console, "OUT.DOC", FileMode::Output, 1);
    for (const auto& item : c.items) {
      print_to_file(console, 1, item.text, item.number_blank, item.next_zone, item.line_end);
    }
    close_file(console, 1);
    EXPECT_EQ(take_error(), 0) << c.what;
    EXPECT_EQ(read_file("OUT.DOC"), c.bytes) << c.what;
  }
}

TEST_F(FilesTest, WritingToANumberNotOpenIsABadFileNumber) {
  print_to_file(console, 1, "x", false, false, true);
  EXPECT_EQ(take_error(), 52);
}

TEST_F(FilesTest, WritingToAnInputFileIsABadFileMode) {
  write_file("SHIP.DAT", "Y,1");
  open_file(console, "SHIP.DAT", FileMode::Input, 1);
  print_to_file(console, 1, "x", false, false, true);
  EXPECT_EQ(take_error(), 54);
  EXPECT_EQ(read_file("SHIP.DAT"), "Y,1");
}

TEST_F(FilesTest, AFullDiskIsReportedByTheWrite) {
  fs::create_symlink("/dev/full", "FULL.DOC");
  open_file(console, "FULL.DOC", FileMode::Output, 1);
  ASSERT_EQ(take_error(), 0);
  print_to_file(console, 1, "A card line", false, false, false);
  EXPECT_EQ(take_error(), 75);
  print_to_file(console, 1, "", false, false, true);
  EXPECT_EQ(take_error(), 75);
}

// ---- Reading -------------------------------------------------------------------

// One read: a text read when `text` is set, else a number read.
struct Read {
  bool text;
  std::string expected_text;
  double expected_number;
  int error;
};
Read text_read(std::string expected, int error = 0) { return {true, std::move(expected), 0, error}; }
Read number_read(double expected, int error = 0) { return {false, "", expected, error}; }

TEST_F(FilesTest, ReadsCommaSeparatedValues) {
  static const struct {
    const char* what;
    std::string contents;
    std::vector<Read> reads;
  } cases[] = {
      {"blanks, a quoted value with a comma, CR LF",
       "  ab  ,\"cd,e\" ,x\r\n",
       {text_read("ab"), text_read("cd,e"), text_read("x"), text_read("", 62)}},
      {"a blank ends a number and the next one starts after it", "1 2,3",
       {number_read(1), number_read(2), number_read(3), number_read(0, 62)}},
      {"the rest of a field after a number is skipped", "12x,5",
       {number_read(12), number_read(5)}},
      {"two commas", ",,", {number_read(0), number_read(0), number_read(0, 62)}},
      {"a tab is not skipped before a number", "\t7", {number_read(0), number_read(0, 62)}},
      {"blanks then a comma after a number", "12   ,34\r\n", {number_read(12), number_read(34),
                                                            number_read(0, 62)}},
      {"blanks then a line end after a number", "12  \n34", {number_read(12), number_read(34)}},
      {"LF CR is one line end", "5\n\r", {number_read(5), number_read(0, 62)}},
      {"LF CR is one line end for text", "a\n\r", {text_read("a"), text_read("", 62)}},
      {"CR CR is two line ends", "a\r\r", {text_read("a"), text_read(""), text_read("", 62)}},
      {"an empty line is one empty text", "\r\nz", {text_read(""), text_read("z")}},
      {"Ctrl-Z ends the data for good", "5\x1A" "6,7",
       {number_read(5), number_read(0, 62), text_read("", 62), number_read(0, 62)}},
      {"Ctrl-Z as the first byte", "\x1A" "abc", {text_read("", 62)}},
      {"an empty file", "", {text_read("", 62), number_read(0, 62)}},
      {"a quoted value cut short by the end", "\"abc", {text_read("abc"), text_read("", 62)}},
      {"bytes after the closing quote are skipped", "\"ab\"cd,ef", {text_read("ab"), text_read("ef")}},
      {"a quote inside a plain value", "a\"b\",c", {text_read("a\"b\""), text_read("c")}},
      {"trailing blanks and tabs go", "x \t ,y", {text_read("x"), text_read("y")}},
      {"CR and LF inside quotes", "\"a\r\nb\",c", {text_read("a\r\nb"), text_read("c")}},
      {"a quoted number is 0", "\"12\",4", {number_read(0), number_read(4)}},
      {"sign, point and exponent", " -3.5e1 ,2", {number_read(-35), number_read(2)}},
      {"hexadecimal and octal", "&HFF,&o10", {number_read(255), number_read(8)}},
      // The integer 1126679769824362563 rounded once: the nearest double.
      {"a hexadecimal number above 2^53", "&HFA2C54800000043,1",
       {number_read(1126679769824362624.0), number_read(1)}},
      {"an exponent with no digit before it reads 0 and keeps the next value", "E5 7,+E5,D+30",
       {number_read(0), number_read(7), number_read(0), number_read(0), number_read(0, 62)}},
      {"a number too large", "1e39,2", {number_read(0, 6), number_read(2)}},
      {"texts and numbers mixed", "Y,2 , Name ,4.5\r\n",
       {text_read("Y"), number_read(2), text_read("Name"), number_read(4.5)}},
  };
  for (const auto& c : cases) {
    write_file("SHIP.DAT", c.contents);
    open_file(console, "SHIP.DAT", FileMode::Input, 1);
    ASSERT_EQ(take_error(), 0) << c.what;
    for (std::size_t i = 0; i < c.reads.size(); ++i) {
      const Read& read = c.reads[i];
      if (read.text) {
        std::string target = "old";
        input_string_from_file(console, 1, target);
        EXPECT_EQ(target, read.expected_text) << c.what << ", read " << i + 1;
      } else {
        EXPECT_EQ(input_number_from_file(console, 1), read.expected_number) << c.what << ", read " << i + 1;
      }
      EXPECT_EQ(take_error(), read.error) << c.what << ", read " << i + 1;
    }
    close_file(console, 1);
  }
}

TEST_F(FilesTest, ReadingANumberNotOpenOrAnOutputFile) {
  std::string target = "kept";
  input_string_from_file(console, 1, target);
  EXPECT_EQ(take_error(), 52);
  EXPECT_EQ(target, "kept");
  EXPECT_EQ(input_number_from_file(console, 1), 0.0);
  EXPECT_EQ(take_error(), 52);

  open_file(console, "CARD.DOC", FileMode::Output, 1);
  input_string_from_file(console, 1, target);
  EXPECT_EQ(take_error(), 54);
  EXPECT_EQ(target, "kept");
  EXPECT_EQ(input_number_from_file(console, 1), 0.0);
  EXPECT_EQ(take_error(), 54);
}

TEST_F(FilesTest, ReadingWhileAnErrorIsPendingLeavesTheTargetAndTheFile) {
  write_file("SHIP.DAT", "abc,7");
  open_file(console, "SHIP.DAT", FileMode::Input, 1);
  console.errors.pending = 6;
  std::string target = "kept";
  input_string_from_file(console, 1, target);
  EXPECT_EQ(target, "kept");
  EXPECT_EQ(input_number_from_file(console, 1), 0.0);
  EXPECT_EQ(take_error(), 6);
  input_string_from_file(console, 1, target);
  EXPECT_EQ(target, "abc");
}

}  // namespace
}  // namespace console
