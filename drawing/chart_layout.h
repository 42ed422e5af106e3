// Twip positions of the chart child's controls as the window design stores them; the chart
// child places every control from these tables through Twips().
#pragma once

#include <QtGlobal>

#include <array>

namespace quendal {

struct TwipBox {
  int left;
  int top;
  int width;
  int height;
};

inline constexpr int kDisplayWidthTwips = 14505;
inline constexpr int kDisplayHeightTwips = 10335;  // room for every row of "Other Details"

inline constexpr TwipBox kNatalWheelBox{2040, 720, 6750, 6465};

// Sign order everywhere: Aries first.
inline constexpr std::array<const char*, 12> kSignCellNames = {
    "lblNatalAries",       "lblNatalTaurus",    "lblNatalGemini",   "lblNatalCancer",
    "lblNatalLeo",         "lblNatalVirgo",     "lblNatalLibra",    "lblNatalScorpio",
    "lblNatalSagittarius", "lblNatalCapricorn", "lblNatalAquarius", "lblNatalPisces"};

// One house of the wheel, relative to picNatal. House h + 1 holds lblNatal h and imgSign h;
// its number label is lblNatalPosition (h + 1) mod 12. The sign cell under each house cell
// is a design leftover: it belongs to a fixed sign, not to the sign in the house.
struct HousePlace {
  int cell_left;
  int cell_top;
  int sign_cell;  // index into kSignCellNames
  int sign_cell_left;
  int sign_cell_top;
  int sign_cell_width;
  int glyph_left;  // imgSign and the number label over it
  int glyph_top;
};

inline constexpr int kHouseCellWidth = 435;
inline constexpr int kHouseCellHeight = 195;
inline constexpr int kSignCellHeight = 195;
inline constexpr int kGlyphSize = 300;
inline constexpr int kNumberHeight = 270;
inline constexpr int kNumberWidthOneDigit = 150;
inline constexpr int kNumberWidthTwoDigits = 300;

inline constexpr std::array<HousePlace, 12> kHousePlaces = {{
    {960, 3240, 6, 960, 3435, 420, 280, 3720},
    {1680, 4080, 7, 1680, 4245, 675, 880, 4920},
    {2535, 4440, 8, 2520, 4605, 945, 2040, 5760},
    {3480, 4560, 9, 3480, 4725, 840, 3840, 5975},
    {4440, 3960, 10, 4440, 4125, 750, 5100, 5400},
    {5055, 3240, 11, 5040, 3405, 555, 6060, 4080},
    {5160, 2160, 0, 5160, 2325, 465, 6200, 2400},
    {4695, 1080, 1, 4680, 1245, 615, 5640, 1200},
    {3480, 480, 2, 3480, 645, 600, 4320, 240},
    {2400, 600, 3, 2400, 765, 645, 2520, 120},
    {1440, 1200, 4, 1440, 1365, 300, 1320, 720},
    {840, 2160, 5, 840, 2325, 450, 360, 2040},
}};

// Birth-details column: auto-sized labels at one left edge.
inline constexpr int kDetailsLeft = 9120;
inline constexpr int kDetailsHeight = 195;
inline constexpr int kDetailsRightMarginTwips = 120;
struct DetailPlace {
  const char* name;
  int top;
};
inline constexpr std::array<DetailPlace, 8> kDetailPlaces = {{{"lblName", 240},
                                                              {"lblCity", 600},
                                                              {"lblState", 960},
                                                              {"lblCountry", 1320},
                                                              {"lblDOB", 1680},
                                                              {"lblTOB", 2040},
                                                              {"lblLatitude", 2400},
                                                              {"lblLongitude", 2760}}};

inline constexpr TwipBox kWesternFrameBox{9120, 3075, 3400, 3645};
inline constexpr TwipBox kVedicFrameBox{9120, 6840, 3400, 3060};

// Rows of the positions frame. Indexes 7 to 12 of PlanetName and 10 to 15 of Planet lie
// below the frame's bottom edge, where the frame clips them.
struct PlanetRow {
  int top;
  int name_index;  // PlanetName
  const char* caption;
  int value_index;  // Planet; -1 when the row has no value label
};
inline constexpr int kPlanetNameLeft = 120;
inline constexpr int kPlanetNameWidth = 1500;
inline constexpr int kPlanetValueLeft = 1620;
inline constexpr int kPlanetValueWidth = 1600;
inline constexpr int kPlanetRowHeight = 285;
inline constexpr std::array<PlanetRow, 16> kPlanetRows = {{
    {300, 0, QT_TRANSLATE_NOOP("frmDisplay", "Sun"), 0},
    {630, 1, QT_TRANSLATE_NOOP("frmDisplay", "Moon"), 1},
    {960, 2, QT_TRANSLATE_NOOP("frmDisplay", "Mercury"), 2},
    {1278, 3, QT_TRANSLATE_NOOP("frmDisplay", "Venus"), 3},
    {1605, 4, QT_TRANSLATE_NOOP("frmDisplay", "Mars"), 4},
    {1935, 5, QT_TRANSLATE_NOOP("frmDisplay", "Jupiter"), 5},
    {2265, 6, QT_TRANSLATE_NOOP("frmDisplay", "Saturn"), 6},
    {2592, 13, QT_TRANSLATE_NOOP("frmDisplay", "North Node"), 7},
    {2913, 14, QT_TRANSLATE_NOOP("frmDisplay", "South Node"), 8},
    {3250, 15, QT_TRANSLATE_NOOP("frmDisplay", "Asc"), 9},
    {3900, 7, QT_TRANSLATE_NOOP("frmDisplay", "Uranus"), 10},
    {4230, 8, QT_TRANSLATE_NOOP("frmDisplay", "Neptune"), 11},
    {4560, 9, QT_TRANSLATE_NOOP("frmDisplay", "Pluto"), 12},
    {4890, 10, QT_TRANSLATE_NOOP("frmDisplay", "Rahu / North Node"), 13},
    {5220, 11, QT_TRANSLATE_NOOP("frmDisplay", "Ketu / South Node"), 14},
    {5550, 12, QT_TRANSLATE_NOOP("frmDisplay", "P_of_F"), 15},
}};

// Rows of the "Other Details" frame, one every 390 twips.
struct VedicRow {
  int top;
  const char* caption_name;
  const char* caption;
  int caption_left;
  const char* value_name;
  int value_left;
};
inline constexpr int kVedicCaptionWidth = 1455;
inline constexpr int kVedicValueWidth = 1700;
inline constexpr int kVedicRowHeight = 270;
inline constexpr std::array<VedicRow, 7> kVedicRows = {{
    {315, "Label1", QT_TRANSLATE_NOOP("frmDisplay", "Sun Sign"), 120, "lblLagna", 1620},
    {705, "Label17", QT_TRANSLATE_NOOP("frmDisplay", "Moon Sign"), 120, "lblRashi", 1620},
    {1095, "Label5", QT_TRANSLATE_NOOP("frmDisplay", "Nakshatra"), 120, "lblNakshatra", 1620},
    {1485, "Label2", QT_TRANSLATE_NOOP("frmDisplay", "Pada"), 120, "lblPada", 1620},
    {1875, "Label6", QT_TRANSLATE_NOOP("frmDisplay", "Lord"), 120, "lblLord", 1620},
    {2265, "Label4", QT_TRANSLATE_NOOP("frmDisplay", "Ayanamsha"), 120, "lblAyanamsha", 1620},
    {2655, "Label3", QT_TRANSLATE_NOOP("frmDisplay", "Lagna Position"), 120, "lblLagnaPosition", 1620},
}};

// Says which zodiac and positions made the chart, above the wheel; empty at the defaults.
inline constexpr TwipBox kChartOptionsBox{2040, 360, 6750, 285};

inline constexpr TwipBox kSnapshotBox{600, 2520, 615, 735};
inline constexpr TwipBox kFileBox{1920, 7560, 2745, 315};
inline constexpr TwipBox kFolderBox{5040, 7560, 2745, 315};

}  // namespace quendal
