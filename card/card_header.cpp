// print_card_header: the order of the header's steps and its two layouts. The
// document writes centred lines one after the other; the screen places every piece by
// a cursor move and draws the class code and the tech level in boxes of their own.
#include "card/card_header.h"

#include "card/card_places.h"
#include "card/card_writes.h"
#include "card/crew_text.h"
#include "card/header_texts.h"
#include "card/header_values.h"
#include "console/number_conversion.h"
#include "console/runtime_error.h"

namespace card {

namespace {

// Place numbers of the header's steps, for the error box; the crew steps have their
// own (from 340).
enum HeaderStep {
  kHull = place::kHeader,
  kConfiguration,
  kNameTag,
  kHeaderText,
  kHeaderPad,
  kHeaderLine,
  kEmptyLine,
  kFrameTop,
  kClassCode,
  kScreenHeader,
  kHeaderRightSide,
  kHeaderRule,
  kClassBoxTop,
  kClassBoxBottom,
  kTechBoxTop,
  kTechLevel,
  kTechBoxBottom,
  kCrewLeftSide,
  kCrewPads,
  kCrewLine,
  kCrewRightSide,
  kCrewRule,
  kDriveLeftSide,
  kDriveText,
  kDrivePads,
  kDriveLine,
  kDriveRightSide,
  kDriveRule,
  kSizeModifier,
  kComputer,
  kComputerCell,
  kArmor,
  kHeaderStepsEnd,
};
static_assert(kHeaderStepsEnd <= place::kCrew);

// Centring widths: the document's framed lines, and on the screen the header text
// between the two boxes and the framed lines inside the frame.
constexpr float kFrameInside = 78;
constexpr float kHeaderBetweenBoxes = 72;

// The rule under the drive line of the document, with the joins of the computer and
// armor cells below it.
const std::string kDocumentCellRule = "\xC3" + std::string(14, '\xC4') + "\xC2" +
                                      std::string(7, '\xC4') + "\xC2" +
                                      std::string(55, '\xC4') + "\xB4";
const std::string kBoxTopJoin = "\xC2";     // ┬
const std::string kBoxBottomJoin = "\xC1";  // ┴

float text_length(const std::string& text) { return static_cast<float>(text.size()); }

// A skip of half the room left beside `card_line`, rounded half to even.
void write_centring_skip(program::Program& p, console::Console& c, float width) {
  write_skip(p, c, (width - text_length(p.card_line)) / 2);
}

void step(console::Console& c, HeaderStep place) { console::statement_event_check(c, place); }

// The centring of a document line in the frame: the odd blank goes to the right.
void centre_in_frame(program::Program& p, console::Console& c, HeaderStep place) {
  p.pad_left = console::integer_part((kFrameInside - text_length(p.card_line)) / 2);
  p.pad_right = kFrameInside - p.pad_left - text_length(p.card_line);
  step(c, place);
}

// The rest of a framed document line after its left side, with the line end.
void write_framed_rest(program::Program& p, console::Console& c) {
  write_skip(p, c, p.pad_left);
  write_text(p, c, p.card_line);
  write_skip(p, c, p.pad_right);
  write_text(p, c, p.frame_side, true);
}

// One piece at (row, column) on the screen, as one write.
void write_at(program::Program& p, console::Console& c, int row, int column, const std::string& text,
              bool line_end, HeaderStep place) {
  place_on_screen(p, c, row, column);
  write_text(p, c, text, line_end);
  step(c, place);
}

void write_document_rows_1_to_3(program::Program& p, console::Console& c) {
  p.pad_left = kFrameInside - text_length(p.card_line);
  step(c, kHeaderPad);
  write_skip(p, c, p.pad_left / 2);
  write_text(p, c, p.card_line, true);
  step(c, kHeaderLine);
  write_text(p, c, "", true);
  step(c, kEmptyLine);
  write_text(p, c, p.frame_top, true);
  step(c, kFrameTop);
}

// The frame and the header text, then the boxes of the class code and the tech level.
void write_screen_rows_1_to_3(program::Program& p, console::Console& c) {
  write_at(p, c, 1, 1, p.frame_top, false, kFrameTop);
  write_text(p, c, p.frame_side);  // the pending wrap puts it at the start of row 2
  write_text(p, c, p.class_code);
  write_text(p, c, p.frame_side);
  step(c, kClassCode);
  place_on_screen(p, c, 2, 5);
  write_centring_skip(p, c, kHeaderBetweenBoxes);
  write_text(p, c, p.card_line, true);
  step(c, kScreenHeader);
  write_at(p, c, 2, 80, p.frame_side, false, kHeaderRightSide);
  write_at(p, c, 3, 1, p.frame_rule, true, kHeaderRule);
  write_at(p, c, 1, 4, kBoxTopJoin, true, kClassBoxTop);
  write_at(p, c, 3, 4, kBoxBottomJoin, true, kClassBoxBottom);
  write_at(p, c, 1, 77, kBoxTopJoin, true, kTechBoxTop);
  place_on_screen(p, c, 2, 77);
  write_fields(p, c, "\xB3##", {p.ship_tl.at(program::current_record(p))});
  step(c, kTechLevel);
  write_at(p, c, 3, 77, kBoxBottomJoin, true, kTechBoxBottom);
}

void write_crew_rows(program::Program& p, console::Console& c) {
  if (!card_on_screen(p)) {
    centre_in_frame(p, c, kCrewPads);
    write_framed_rest(p, c);
    step(c, kCrewLine);
    write_text(p, c, p.frame_rule, true);
    step(c, kCrewRule);
    return;
  }
  place_on_screen(p, c, 4, 2);
  write_centring_skip(p, c, kFrameInside);
  write_text(p, c, p.card_line, true);
  step(c, kCrewLine);
  write_at(p, c, 4, 80, p.frame_side, false, kCrewRightSide);
  write_at(p, c, 5, 1, p.frame_rule, true, kCrewRule);
  write_at(p, c, 6, 1, p.frame_side, false, kDriveLeftSide);
}

void write_drive_rows(program::Program& p, console::Console& c) {
  if (!card_on_screen(p)) {
    centre_in_frame(p, c, kDrivePads);
    write_text(p, c, p.frame_side);
    write_framed_rest(p, c);
    step(c, kDriveLine);
    write_text(p, c, kDocumentCellRule, true);
    step(c, kDriveRule);
    return;
  }
  place_on_screen(p, c, 6, 2);
  write_centring_skip(p, c, kFrameInside);
  write_text(p, c, p.card_line);
  step(c, kDriveLine);
  write_at(p, c, 6, 80, p.frame_side, false, kDriveRightSide);
  write_at(p, c, 7, 1, p.frame_rule, true, kDriveRule);
}

}  // namespace

void print_card_header(program::Program& p, console::Console& c) {
  derive_hull(p);
  step(c, kHull);
  derive_configuration(p);
  step(c, kConfiguration);
  remove_name_tag(p);
  step(c, kNameTag);
  build_header_text(p);
  step(c, kHeaderText);
  if (card_on_screen(p)) write_screen_rows_1_to_3(p, c);
  else write_document_rows_1_to_3(p, c);
  write_at(p, c, 4, 1, p.frame_side, false, kCrewLeftSide);
  build_crew_text(p, c);
  write_crew_rows(p, c);
  build_drive_text(p);
  step(c, kDriveText);
  write_drive_rows(p, c);
  derive_size_modifier(p);
  step(c, kSizeModifier);
  derive_computer(p, c);
  step(c, kComputer);
  write_at(p, c, 8, 1, computer_cell(p, c), false, kComputerCell);
  derive_armor(p);
  step(c, kArmor);
}

}  // namespace card
