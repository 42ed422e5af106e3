#include "drawing/match_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

#include "drawing/page_pdf.h"
#include "ui_common/layout.h"
#include "ui_common/translated_text.h"

namespace quendal {
namespace {

constexpr double kWidth = 760;
constexpr double kHeight = 640;
constexpr double kMargin = 28;
const QColor kInk(0x1c, 0x24, 0x4a);
const QColor kQuiet(0x5a, 0x60, 0x70);
const QColor kDosha(0xa0, 0x1c, 0x1c);
const QColor kHeaderFill(255, 233, 160);  // the bars' saffron, lightened for a table head
const QColor kStripe(0xf4, 0xf5, 0xf8);

QFont PageFont(int pixels, bool bold = false, bool italic = false) {
  QFont font = VerdanaFont(8.25, bold);
  font.setPixelSize(pixels);
  font.setItalic(italic);
  return font;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A line of the sheet as the windows show it. The sheet's lines are the core's English ones
// (quendal-chart prints them); here each known form is said again in the language.
QString Shown(const std::string& english) {
  const QString text = Q(english);
  const auto match = [&text](const char* pattern) {
    return QRegularExpression(QString::fromLatin1(pattern)).match(text);
  };
  if (auto m = match("^(\\S+) of (\\S+)$"); m.hasMatch())
    return TrText("MatchPage", "%1 of %2").arg(m.captured(1), m.captured(2));
  if (auto m = match("^(\\S+) of (\\S+): (above|at|below) the customary minimum of (\\S+)$");
      m.hasMatch()) {
    const char* form =
        m.captured(3) == QLatin1String("above")
            ? QT_TRANSLATE_NOOP("MatchPage", "%1 of %2: above the customary minimum of %3")
        : m.captured(3) == QLatin1String("at")
            ? QT_TRANSLATE_NOOP("MatchPage", "%1 of %2: at the customary minimum of %3")
            : QT_TRANSLATE_NOOP("MatchPage", "%1 of %2: below the customary minimum of %3");
    return TrText("MatchPage", form).arg(m.captured(1), m.captured(2), m.captured(4));
  }
  if (auto m = match("^Moon in (.+), pada (\\d), in (\\w+)$"); m.hasMatch())
    return TrText("MatchPage", "Moon in %1, pada %2, in %3")
        .arg(TrName(m.captured(1).toStdString()), m.captured(2),
             TrName(m.captured(3).toStdString()));
  if (auto m = match("^Mars in the (\\d+)\\w\\w from the ascendant; in the (\\d+)\\w\\w from the "
                     "Moon: (not )?Manglik$");
      m.hasMatch())
    return (m.captured(3).isEmpty()
                ? TrText("MatchPage",
                         "Mars in house %1 from the ascendant and %2 from the Moon: Manglik")
                : TrText("MatchPage",
                         "Mars in house %1 from the ascendant and %2 from the Moon: not Manglik"))
        .arg(m.captured(1), m.captured(2));
  if (auto m = match("^Both charts: (.+) zodiac, (\\w+) positions(, true node)?$"); m.hasMatch())
    return TrText("MatchPage", "Both charts: %1 zodiac, %2 positions%3")
        .arg(TrName(m.captured(1).toStdString()), TrName(m.captured(2).toStdString()),
             m.captured(3).isEmpty() ? QString() : TrText("MatchPage", ", true node"));
  if (auto m = match("^(\\w+) dosha(?: and (\\w+) dosha)?$"); m.hasMatch()) {
    const auto dosha = [](const QString& koota) {
      return TrText("MatchPage", "%1 dosha").arg(TrName(koota.toStdString()));
    };
    if (m.captured(2).isEmpty()) return dosha(m.captured(1));
    return TrText("MatchPage", "%1 and %2").arg(dosha(m.captured(1)), dosha(m.captured(2)));
  }
  return TrName(english);
}

// Draws text wrapped into the width from y on; returns the y under it.
double Paragraph(QPainter& painter, double x, double y, double width, const QString& text,
                 const QFont& font, const QColor& ink) {
  painter.setFont(font);
  painter.setPen(ink);
  const QRectF box(x, y, width, 1000);
  const QRectF used = painter.boundingRect(box, Qt::TextWordWrap | Qt::AlignLeft, text);
  painter.drawText(box, Qt::TextWordWrap | Qt::AlignLeft, text);
  return y + used.height();
}

double Person(QPainter& painter, double x, double y, double width, const MatchSide& side) {
  y = Paragraph(painter, x, y, width, TrName(side.role).toUpper(), PageFont(11, true), kQuiet);
  const QString name = side.name.empty() ? TrText("MatchPage", "(no name)") : Q(side.name);
  y = Paragraph(painter, x, y + 2, width, name, PageFont(17, true), kInk);
  y = Paragraph(painter, x, y + 4, width, Q(side.birth), PageFont(13), kInk);
  y = Paragraph(painter, x, y + 2, width, Shown(side.moon), PageFont(13), kInk);
  return Paragraph(painter, x, y + 2, width, Shown(side.mars), PageFont(13), kInk);
}

// Columns of the koota table: name, bride, groom, points; left edges from the margin.
constexpr double kColumns[] = {0, 160, 350, 560};
constexpr double kTableWidth = kWidth - 2 * kMargin;
constexpr double kRowHeight = 25;

void Cell(QPainter& painter, double x, double y, double width, const QString& text,
          Qt::Alignment align = Qt::AlignLeft) {
  painter.drawText(QRectF(x + 8, y, width - 16, kRowHeight), align | Qt::AlignVCenter, text);
}

double Table(QPainter& painter, double y, const MatchSheet& sheet) {
  const double x = kMargin;
  const double points_width = kTableWidth - kColumns[3];
  painter.fillRect(QRectF(x, y, kTableWidth, kRowHeight), kHeaderFill);
  painter.setFont(PageFont(13, true));
  painter.setPen(kInk);
  Cell(painter, x + kColumns[0], y, kColumns[1], TrText("MatchPage", "Koota"));
  Cell(painter, x + kColumns[1], y, kColumns[2] - kColumns[1], TrName(sheet.bride.role));
  Cell(painter, x + kColumns[2], y, kColumns[3] - kColumns[2], TrName(sheet.groom.role));
  Cell(painter, x + kColumns[3], y, points_width, TrText("MatchPage", "Points"), Qt::AlignRight);
  y += kRowHeight;

  painter.setFont(PageFont(13));
  for (std::size_t k = 0; k < sheet.kootas.size(); ++k) {
    const KootaRow& row = sheet.kootas[k];
    if (k % 2 == 1) painter.fillRect(QRectF(x, y, kTableWidth, kRowHeight), kStripe);
    painter.setPen(kInk);
    Cell(painter, x + kColumns[0], y, kColumns[1], TrName(row.name));
    Cell(painter, x + kColumns[1], y, kColumns[2] - kColumns[1], TrName(row.bride));
    Cell(painter, x + kColumns[2], y, kColumns[3] - kColumns[2], TrName(row.groom));
    const QString points = Shown(PointsText(row.points) + " of " + PointsText(row.max));
    Cell(painter, x + kColumns[3], y, points_width, points, Qt::AlignRight);
    y += kRowHeight;
  }
  painter.setPen(QPen(kInk, 1.2));
  painter.drawLine(QPointF(x, y), QPointF(x + kTableWidth, y));
  painter.setFont(PageFont(14, true));
  Cell(painter, x + kColumns[0], y + 2, kColumns[1], TrText("MatchPage", "Total"));
  Cell(painter, x + kColumns[3] - 100, y + 2, points_width + 100, Shown(sheet.total),
       Qt::AlignRight);
  return y + kRowHeight + 4;
}

}  // namespace

QSizeF MatchPageSize() { return {kWidth, kHeight}; }

QString MatchTitle(const MatchSheet& sheet) {
  const auto name = [](const MatchSide& side) {
    return side.name.empty() ? TrName(side.role) : Q(side.name);
  };
  return TrText("MatchPage", "Match: %1 and %2").arg(name(sheet.bride), name(sheet.groom));
}

void DrawMatchPage(QPainter& painter, const MatchSheet& sheet, const QRectF& area) {
  if (area.isEmpty()) return;
  painter.save();
  const double scale = std::min(area.width() / kWidth, area.height() / kHeight);
  painter.translate(area.left() + (area.width() - kWidth * scale) / 2, area.top());
  painter.scale(scale, scale);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  const double text_width = kWidth - 2 * kMargin;
  double y = Paragraph(painter, kMargin, kMargin, text_width,
                       TrText("MatchPage", "Ashtakoota guna milan"), PageFont(22, true), kInk);
  y = Paragraph(painter, kMargin, y + 2, text_width, Shown(sheet.options_line), PageFont(12),
                kQuiet);

  painter.setPen(QPen(kBarColour, 3));
  painter.drawLine(QPointF(kMargin, y + 10), QPointF(kWidth - kMargin, y + 10));
  y += 22;
  const double column = (text_width - 24) / 2;
  const double bride_end = Person(painter, kMargin, y, column, sheet.bride);
  const double groom_end = Person(painter, kMargin + column + 24, y, column, sheet.groom);
  y = Table(painter, std::max(bride_end, groom_end) + 18, sheet);

  y = Paragraph(painter, kMargin, y + 8, text_width, Shown(sheet.total_line), PageFont(14, true),
                kInk);
  const bool dosha = sheet.dosha_line.rfind("No ", 0) != 0;
  y = Paragraph(painter, kMargin, y + 4, text_width, Shown(sheet.dosha_line), PageFont(13, dosha),
                dosha ? kDosha : kInk);
  y = Paragraph(painter, kMargin, y + 2, text_width, TrName(sheet.parihara_line),
                PageFont(12, false, true), kQuiet);
  y = Paragraph(painter, kMargin, y + 14, text_width, TrText("MatchPage", "Mars (Manglik)"),
                PageFont(14, true), kInk);
  y = Paragraph(painter, kMargin, y + 4, text_width, TrName(sheet.mars_summary), PageFont(13),
                kInk);
  Paragraph(painter, kMargin, y + 2, text_width, TrName(sheet.cancellation_line),
            PageFont(12, false, true), kQuiet);
  painter.restore();
}

bool WriteMatchPdf(QIODevice& device, const MatchSheet& sheet, QString& reason) {
  return WriteOnePagePdf(
      device, MatchTitle(sheet), QPageLayout::Portrait, 15,
      [&sheet](QPainter& painter, const QRectF& area) { DrawMatchPage(painter, sheet, area); },
      reason);
}

}  // namespace quendal
