// The birth form's controls as the window design places them: the area and grid cell of
// each, and its English caption. Building the form walks the table in order (which is also
// the keyboard order before the form sets its own); a new language re-applies the captions.
#pragma once

#include <QtGlobal>
#include <span>
#include <vector>

class QLayout;
class QWidget;

namespace quendal {

// Where a control goes: the band at the top, the two boxes, the column of buttons under
// the place box, or the frame the two offers share.
enum class FormArea { TopBand, BirthBox, PlaceBox, Buttons, Offers };

enum class ControlKind {
  Box,         // the area's own box: the entry gives its title
  Heading,     // the program's name in large type
  Link,        // a web link under the heading
  Offer,       // one of the two offers sharing a frame
  Caption,     // the right-aligned text before a row
  Hint,        // grey text telling the format of a field
  Letters,     // a text field taking letters
  Digits,      // a three-digit field
  List,        // a drop-down list, `size` characters wide
  Check,       // a check box
  OptionPair,  // the frame of the two option buttons that follow it
  Option,      // one option button of the pair before it
  ZoneNote,    // what the atlas found for the zone
  Button,      // a push button, at least `size` pixels high
  MainButton,  // the form's default button, bold, `size` pixels high
};

// How a control shares its grid cell: alone, in a row of controls (ending in free room) or
// in a column.
enum class CellShare { Alone, Row, Column };

struct FormControl {
  FormArea area;
  ControlKind kind;
  const char* name;     // object name; nullptr for captions and hints
  const char* caption;  // English text; nullptr where the control shows none
  int row = 0;
  int column = 0;
  int span = 1;
  CellShare share = CellShare::Alone;
  int size = 0;
};

// clang-format off
inline constexpr FormControl kFormControls[] = {
    {FormArea::TopBand, ControlKind::Heading, "lblHeading", "Quendal"},
    {FormArea::TopBand, ControlKind::Link, "Label8",
     QT_TRANSLATE_NOOP("frmMain", "Questions about your chart? Join our astrologers in the Quendal discussion forum.")},

    {FormArea::BirthBox, ControlKind::Box, "fraBirth", QT_TRANSLATE_NOOP("frmMain", "Birth details")},
    {FormArea::BirthBox, ControlKind::Caption, nullptr, QT_TRANSLATE_NOOP("frmMain", "Name:"), 0, 0},
    {FormArea::BirthBox, ControlKind::Letters, "txtName", nullptr, 0, 1, 5},
    {FormArea::BirthBox, ControlKind::Caption, nullptr, QT_TRANSLATE_NOOP("frmMain", "Birthday:"), 1, 0},
    {FormArea::BirthBox, ControlKind::List, "cboMonth", nullptr, 1, 1, 5, CellShare::Row, 9},
    {FormArea::BirthBox, ControlKind::List, "cboDate", nullptr, 1, 1, 5, CellShare::Row, 2},
    {FormArea::BirthBox, ControlKind::List, "cboYear", nullptr, 1, 1, 5, CellShare::Row, 4},
    {FormArea::BirthBox, ControlKind::Caption, nullptr, QT_TRANSLATE_NOOP("frmMain", "Time Of Birth:"), 2, 0},
    {FormArea::BirthBox, ControlKind::List, "cboHour", nullptr, 2, 1, 5, CellShare::Row, 2},
    {FormArea::BirthBox, ControlKind::List, "cboMinute", nullptr, 2, 1, 5, CellShare::Row, 2},
    {FormArea::BirthBox, ControlKind::Hint, nullptr, QT_TRANSLATE_NOOP("frmMain", "HH/MM/SS"), 2, 1, 5, CellShare::Row},
    {FormArea::BirthBox, ControlKind::Caption, nullptr, QT_TRANSLATE_NOOP("frmMain", "Time Zone:"), 3, 0},
    {FormArea::BirthBox, ControlKind::Check, "chkDST", QT_TRANSLATE_NOOP("frmMain", "Daylight Saving Time"), 3, 1, 5},
    {FormArea::BirthBox, ControlKind::List, "cboTimeZone", nullptr, 4, 1, 5, CellShare::Column, 34},
    {FormArea::BirthBox, ControlKind::ZoneNote, "lblZoneNote", nullptr, 4, 1, 5, CellShare::Column},
    {FormArea::BirthBox, ControlKind::Caption, nullptr, QT_TRANSLATE_NOOP("frmMain", "Latitude:"), 5, 0},
    {FormArea::BirthBox, ControlKind::Digits, "txtLatD", nullptr, 5, 1},
    {FormArea::BirthBox, ControlKind::Digits, "txtLatM", nullptr, 5, 2},
    {FormArea::BirthBox, ControlKind::Hint, nullptr, QT_TRANSLATE_NOOP("frmMain", "DEG/MIN"), 5, 3},
    {FormArea::BirthBox, ControlKind::OptionPair, "fraLatitude", nullptr, 5, 4},
    {FormArea::BirthBox, ControlKind::Option, "optLatSouth_0", QT_TRANSLATE_NOOP("frmMain", "North")},
    {FormArea::BirthBox, ControlKind::Option, "optLatSouth_1", QT_TRANSLATE_NOOP("frmMain", "South")},
    {FormArea::BirthBox, ControlKind::Caption, nullptr, QT_TRANSLATE_NOOP("frmMain", "Longitude:"), 6, 0},
    {FormArea::BirthBox, ControlKind::Digits, "txtLonD", nullptr, 6, 1},
    {FormArea::BirthBox, ControlKind::Digits, "txtLonM", nullptr, 6, 2},
    {FormArea::BirthBox, ControlKind::Hint, nullptr, QT_TRANSLATE_NOOP("frmMain", "DEG/MIN"), 6, 3},
    {FormArea::BirthBox, ControlKind::OptionPair, "fraLongitude", nullptr, 6, 4},
    {FormArea::BirthBox, ControlKind::Option, "optLongEast_0", QT_TRANSLATE_NOOP("frmMain", "East")},
    {FormArea::BirthBox, ControlKind::Option, "optLongEast_1", QT_TRANSLATE_NOOP("frmMain", "West")},

    {FormArea::PlaceBox, ControlKind::Box, "fraPlace", QT_TRANSLATE_NOOP("frmMain", "Place of birth")},
    {FormArea::PlaceBox, ControlKind::Caption, nullptr, QT_TRANSLATE_NOOP("frmMain", "City:"), 0, 0},
    {FormArea::PlaceBox, ControlKind::Letters, "txtCity", nullptr, 0, 1},
    {FormArea::PlaceBox, ControlKind::Caption, nullptr, QT_TRANSLATE_NOOP("frmMain", "State:"), 1, 0},
    {FormArea::PlaceBox, ControlKind::Letters, "txtState", nullptr, 1, 1},
    {FormArea::PlaceBox, ControlKind::Caption, nullptr, QT_TRANSLATE_NOOP("frmMain", "Country:"), 2, 0},
    {FormArea::PlaceBox, ControlKind::Letters, "txtCountry", nullptr, 2, 1},
    {FormArea::PlaceBox, ControlKind::Button, "Command1", QT_TRANSLATE_NOOP("frmMain", "Click here to find Latitude && Longitude"), 3, 0, 2},

    {FormArea::Buttons, ControlKind::Button, "cmdOpen", QT_TRANSLATE_NOOP("frmMain", "&Open Previously Saved Reading"), 0, 0, 1, CellShare::Alone, 30},
    {FormArea::Buttons, ControlKind::MainButton, "cmdCalculate", QT_TRANSLATE_NOOP("frmMain", "Get My Natal &Chart"), 0, 0, 1, CellShare::Alone, 38},

    {FormArea::Offers, ControlKind::Offer, "lblCobrand",
     QT_TRANSLATE_NOOP("frmMain", "Put this software on your own web site, co-branded with your name and logo. Click here "
     "for more details.")},
    {FormArea::Offers, ControlKind::Offer, "lblFullBrand",
     QT_TRANSLATE_NOOP("frmMain", "Home Business Opportunity. Start your own Internet business and make money online. Get "
     "this software fully branded for your website. Click here for more details.")},
};
// clang-format on

// The area's own container (fraTop, the boxes, the column of buttons, fraOffer) and the
// layout its controls go into.
struct FormAreaPlace {
  QWidget* container;
  QLayout* layout;
};

// Makes every control of the table into its area, in table order; one widget per entry
// (for a Box entry, the box itself).
std::vector<QWidget*> BuildFormControls(std::span<const FormAreaPlace, 5> areas);

// Sets the captions of the table on the widgets BuildFormControls made.
void ApplyFormCaptions(std::span<QWidget* const> controls);

}  // namespace quendal
