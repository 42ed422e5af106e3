#include "drawing/chart_page.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "chart_text/chart_lines.h"
#include "drawing/chart_drawing.h"
#include "drawing/chart_layout.h"
#include "drawing/natal_wheel_drawing.h"
#include "drawing/sky_layout.h"
#include "ui_common/layout.h"
#include "ui_common/month_name.h"
#include "ui_common/translated_text.h"
#include "vedic/ayanamsha.h"
#include "vedic/divisional_signs.h"
#include "vedic/nakshatra.h"

namespace quendal {
namespace {

constexpr double kLabelPoints = 8.25;
const QColor kDetailInk(0x20, 0x20, 0x20);
const QColor kHeadingInk(0x6e, 0x33, 0x12);
const QColor kFrameRule(0xdc, 0xb8, 0x73);
// How a label lays out its caption.
constexpr int kLabelFlags = Qt::TextExpandTabs | Qt::TextForceLeftToRight;

QRectF Box(const TwipBox& box) { return TwipsRect(box.left, box.top, box.width, box.height); }

QString Text(const std::string& text) { return QString::fromStdString(text); }

// A caption in its box, clipped to it as its label was.
void DrawCaption(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                 const QColor& ink, int alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  if (text.isEmpty()) return;
  painter.save();
  painter.setClipRect(box, Qt::IntersectClip);
  painter.setFont(FontForDevice(font, painter));
  painter.setPen(ink);
  painter.drawText(box, alignment | kLabelFlags, text);
  painter.restore();
}

// A caption in a box as large as the caption, from its top left.
QRectF SizedBox(const QPointF& top_left, const QString& text, const QFont& font) {
  const QRect natural = QFontMetrics(font).boundingRect(
      QRect(0, 0, 2000, 2000), Qt::AlignLeft | Qt::AlignTop | kLabelFlags, text);
  return QRectF(top_left, QSizeF(natural.size()));
}

constexpr double kFrameRadius = 4.0;
constexpr double kFrameTitleTop = 8.0;  // the rule runs through the middle of the title

// One rounded corner of the rule as the screen's frames draw it: two half arcs, each with
// a square cap, so the pixel where they meet is inked twice.
void DrawCorner(QPainter& painter, const QPointF& arc_top_left, int from_degrees, int span) {
  const QRectF arc(arc_top_left + QPointF(0.5, 0.5),
                   QSizeF(2 * kFrameRadius - 1, 2 * kFrameRadius - 1));
  painter.drawArc(arc, from_degrees * 16, span * 16);
}

// The rule: each edge a filled pixel line short of the corners, then that edge's corners, in
// the order bottom, right, left, top.
void DrawFrameRule(QPainter& painter, const QRectF& rule) {
  const double r = kFrameRadius;
  const double d = 2 * r;
  const double left = rule.left(), top = rule.top(), right = rule.right(), bottom = rule.bottom();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen(kFrameRule, 1.0, Qt::SolidLine, Qt::SquareCap);
  painter.setBrush(Qt::NoBrush);
  auto edge = [&](const QRectF& line) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFrameRule);
    painter.drawRect(line);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen);
  };
  edge(QRectF(left + r, bottom - 1, right - left - d, 1));
  DrawCorner(painter, QPointF(left, bottom - d), -90, -45);
  DrawCorner(painter, QPointF(right - d, bottom - d), -90, 45);
  edge(QRectF(right - 1, top + r, 1, bottom - top - d));
  DrawCorner(painter, QPointF(right - d, top), 45, -45);
  DrawCorner(painter, QPointF(right - d, bottom - d), 315, 45);
  edge(QRectF(left, top + r, 1, bottom - top - d));
  DrawCorner(painter, QPointF(left, top), 135, 45);
  DrawCorner(painter, QPointF(left, bottom - d), 180, 45);
  edge(QRectF(left + r, top, right - left - d, 1));
  DrawCorner(painter, QPointF(left, top), 135, -45);
  DrawCorner(painter, QPointF(right - d, top), 45, 45);
  painter.restore();
}

// A white frame with a warm rule and its title over the rule, in the colours of the wheel.
void DrawFrame(QPainter& painter, const QRectF& box, const QString& title) {
  const QFont font = VerdanaFont(kLabelPoints, true);
  painter.fillRect(box, Qt::white);
  DrawFrameRule(painter, box.adjusted(0, kFrameTitleTop, 0, 0));
  const QRectF title_box =
      SizedBox(box.topLeft() + QPointF(9, 0), title, font).adjusted(0, 0, 6, 0);
  painter.fillRect(title_box, Qt::white);
  DrawCaption(painter, title_box.adjusted(3, 0, -3, 0), title, font, kHeadingInk);
}

void DrawChart(QPainter& painter, const ChartPage& page) {
  const QRectF chart = Box(kNatalWheelBox);
  switch (page.style) {
    case ChartStyle::Natal:
      DrawNatalWheel(painter, page.view, chart);
      break;
    case ChartStyle::North:
      DrawNorthIndian(painter, page.view, chart.adjusted(1, 1, -1, -1));
      break;
    case ChartStyle::South:
      DrawSouthIndian(painter, page.view, chart.adjusted(1, 1, -1, -1));
      break;
  }
  DrawCaption(painter, QRectF(chart.left(), 0, chart.width(), Twips(kChartOptionsBox.top)),
              page.chart_name, VerdanaFont(11, true), kHeadingInk, Qt::AlignCenter);
  DrawCaption(painter, Box(kChartOptionsBox), page.options_line, VerdanaFont(kLabelPoints, true),
              Qt::black, Qt::AlignCenter);
}

void DrawDetails(QPainter& painter, const ChartPage& page) {
  const QFont font = VerdanaFont(kLabelPoints, true);
  const QFontMetrics metrics(font);
  const int left = Twips(kDetailsLeft);
  const int room = Twips(kDisplayWidthTwips - kDetailsRightMarginTwips) - left;
  for (size_t i = 0; i < kDetailPlaces.size(); ++i) {
    const QString shown = metrics.elidedText(page.details[i], Qt::ElideRight, room);
    DrawCaption(painter, SizedBox(QPointF(left, Twips(kDetailPlaces[i].top)), shown, font), shown,
                font, kDetailInk);
  }
}

void DrawPositions(QPainter& painter, const ChartPage& page) {
  const QRectF frame = Box(kWesternFrameBox);
  DrawFrame(painter, frame, TrText("frmDisplay", "Planetary Positions"));
  const QFont font = VerdanaFont(kLabelPoints);
  painter.save();
  painter.setClipRect(frame, Qt::IntersectClip);
  painter.translate(frame.topLeft());
  for (const PlanetRow& row : kPlanetRows) {
    const auto index = static_cast<size_t>(row.value_index);
    const bool transit = index < page.transits.size();
    DrawCaption(painter, TwipsRect(kPlanetNameLeft, row.top, kPlanetNameWidth, kPlanetRowHeight),
                TrText("frmDisplay", row.caption), font, Qt::black);
    DrawCaption(painter,
                TwipsRect(transit ? kNatalValueLeftWithTransits : kPlanetValueLeft, row.top,
                          kPlanetValueWidth, kPlanetRowHeight),
                page.positions[index], font, Qt::black);
    if (transit)
      DrawCaption(painter,
                  TwipsRect(kTransitValueLeft, row.top, kTransitValueWidth, kPlanetRowHeight),
                  page.transits[index], font, kTransitInk);
  }
  painter.restore();
}

// Caption and value rows of a frame, from the frame's top left.
struct FrameRow {
  QRectF caption_box;
  QString caption;
  QRectF value_box;
  QString value;
};

void DrawFrameRows(QPainter& painter, const QRectF& frame, const QString& title,
                   const std::vector<FrameRow>& rows) {
  DrawFrame(painter, frame, title);
  const QFont font = VerdanaFont(kLabelPoints);
  painter.save();
  painter.setClipRect(frame, Qt::IntersectClip);
  painter.translate(frame.topLeft());
  for (const FrameRow& row : rows) {
    DrawCaption(painter, row.caption_box, row.caption, font, Qt::black);
    DrawCaption(painter, row.value_box, row.value, font, Qt::black);
  }
  painter.restore();
}

void DrawOtherDetails(QPainter& painter, const ChartPage& page) {
  std::vector<FrameRow> rows;
  for (size_t i = 0; i < kVedicRows.size(); ++i) {
    const VedicRow& row = kVedicRows[i];
    rows.push_back({TwipsRect(row.caption_left, row.top, kVedicCaptionWidth, kVedicRowHeight),
                    TrText("frmDisplay", row.caption),
                    TwipsRect(row.value_left, row.top, kVedicValueWidth, kVedicRowHeight),
                    page.other[i]});
  }
  QRectF frame = Box(kVedicFrameBox);
  if (!page.sky.balance.isEmpty()) {
    frame.setHeight(Twips(kVedicFrameGrown));
    rows.push_back({TwipsRect(120, kBalanceRowTop, kVedicCaptionWidth, kVedicRowHeight),
                    TrText("frmDisplay", "Dasha Balance"),
                    TwipsRect(1620, kBalanceRowTop, kVedicValueWidth, kVedicRowHeight),
                    page.sky.balance});
  }
  DrawFrameRows(painter, frame, TrText("frmDisplay", "Other Details"), rows);
}

void DrawPanchang(QPainter& painter, const ChartPage& page) {
  if (page.sky.panchang.empty()) return;
  std::vector<FrameRow> rows;
  int top = kPanchangRowTop;
  for (const auto& [caption, value] : page.sky.panchang) {
    rows.push_back(
        {TwipsRect(120, top, kPanchangCaptionWidth, kVedicRowHeight), caption,
         TwipsRect(120 + kPanchangCaptionWidth, top, kPanchangValueWidth, kVedicRowHeight), value});
    top += kPanchangRowStep;
  }
  DrawFrameRows(painter, Box(kPanchangBox), TrText("frmDisplay", "Panchang"), rows);
}

// Paper's lines take the place of the screen's image-name boxes, under the chart.
void DrawNotes(QPainter& painter, const ChartPage& page) {
  const QFont font = VerdanaFont(kLabelPoints);
  const QRectF chart = Box(kNatalWheelBox);
  double top = Twips(kFileBox.top);
  for (const QString& note : page.notes) {
    const QRectF box(Twips(kFileBox.left), top, chart.right() - Twips(kFileBox.left),
                     QFontMetrics(font).height());
    DrawCaption(painter, box, note, font, kDetailInk);
    top += box.height() + 2;
  }
}

}  // namespace

std::array<QString, 8> BirthDetailLines(const BirthData& birth) {
  std::array<QString, 8> lines;
  lines[0] = TrText("frmDisplay", "Name: %1").arg(Text(birth.PersonName));
  lines[1] = TrText("frmDisplay", "City: %1").arg(Text(birth.BirthCity));
  lines[2] = TrText("frmDisplay", "State: %1").arg(Text(birth.BirthState));
  lines[3] = TrText("frmDisplay", "Country: %1").arg(Text(birth.BirthCountry));
  if (birth.BirthMonth >= 1 && birth.BirthMonth <= 12) {
    lines[4] = TrText("frmDisplay", "Date of Birth: %1 %2, %3")
                   .arg(ShownMonthName(birth.BirthMonth))
                   .arg(birth.BirthDay)
                   .arg(birth.BirthYear);
  }
  lines[5] = TrText("frmDisplay", "Time of Birth: %1 Hour %2 Minute")
                 .arg(birth.BirthHour)
                 .arg(birth.BirthMinute);
  lines[6] = TrText("frmDisplay", "Latitude: %1 Degree %2 Minute")
                 .arg(birth.LatitudeDegrees)
                 .arg(birth.LatitudeMinutes);
  lines[7] = TrText("frmDisplay", "Longitude: %1 Degree %2 Minute")
                 .arg(birth.LongitudeDegrees)
                 .arg(birth.LongitudeMinutes);
  return lines;
}

ChartPage MakeChartPage(const BirthData& birth, const Chart& chart, ChartStyle style, int division,
                        bool coloured) {
  ChartPage page;
  page.view = MakeChartView(DivisionalChart(chart, division), birth, division, coloured);
  page.style = style;
  if (division != 1) page.chart_name = page.view.chart_name;
  page.options_line = TrName(DescribeChartOptions(chart.Options));
  page.details = BirthDetailLines(birth);
  for (size_t i = 0; i < chart.PositionsTable.size() && i < page.positions.size(); ++i)
    page.positions[i] = TrLongitude(Text(chart.PositionsTable[i]));
  const NakshatraPlace& moon = chart.MoonNakshatra;
  page.other = {TrName(chart.SunSign),
                TrName(chart.MoonSignName),
                TrName(kNakshatraNames[static_cast<size_t>(moon.index)]),
                QString::number(moon.pada),
                TrName(kDashaLords[static_cast<size_t>(moon.lord)]),
                Text(FormatAyanamsha(chart.Ayanamsha)),
                TrLongitude(Text(chart.AscendantText))};
  page.sky = MakeSkyTexts(birth, chart);
  return page;
}

QSizeF ChartPageSize() { return QSizeF(Twips(kDisplayWidthTwips), Twips(kDisplayHeightTwips)); }

void DrawChartPage(QPainter& painter, const ChartPage& page, const QRectF& bounds) {
  const QSizeF design = ChartPageSize();
  const double scale = std::min(bounds.width() / design.width(), bounds.height() / design.height());
  painter.save();
  painter.translate(bounds.center() - QPointF(design.width(), design.height()) * scale / 2);
  // At the design size the screen draws untransformed, so no scale is set.
  if (scale != 1.0) painter.scale(scale, scale);
  painter.fillRect(QRectF(QPointF(0, 0), design), Qt::white);
  DrawChart(painter, page);
  DrawDetails(painter, page);
  DrawPositions(painter, page);
  DrawOtherDetails(painter, page);
  DrawPanchang(painter, page);
  DrawNotes(painter, page);
  painter.restore();
}

}  // namespace quendal
