#include "chart_window/sky_panels.h"

#include <QGroupBox>
#include <QLabel>

#include "birth/chart_calculation.h"
#include "chart_window/chart_layout.h"
#include "ui_common/language_fonts.h"
#include "ui_common/layout.h"
#include "ui_common/translated_text.h"
#include "vedic/dasha.h"
#include "vedic/dasha_levels.h"
#include "vedic/panchang.h"

namespace quendal {
namespace {

// Below the wheel and the image fields, as wide as the wheel.
constexpr TwipBox kPanchangBox{2040, 7950, 6750, 2340};
constexpr int kPanchangRowTop = 300;
constexpr int kPanchangRowStep = 285;
constexpr int kPanchangCaptionWidth = 1200;
// One row more than "Other Details" shows at the defaults.
constexpr int kBalanceRowTop = 3045;
constexpr int kVedicFrameGrown = 3450;
// The transit column of the positions: the natal values move left to make room.
constexpr int kNatalValueLeftWithTransits = 1150;
constexpr int kTransitValueLeft = 2300;
constexpr int kTransitValueWidth = 1050;
const QColor kTransitInk(0x9a, 0x1c, 0x1c);

const char* const kPanchangValueNames[] = {
    "lblTithi", "lblPanchangNakshatra", "lblYoga",  "lblKarana",
    "lblVara",  "lblSunrise",           "lblSunset"};

QLabel* Label(QWidget* parent, const QString& name, const QRect& geometry) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(geometry);
  label->setFont(VerdanaFont(8.25));
  return label;
}

// "Sun 4 y 8 m 27 d": the frame's value column is narrow; the tooltip says it in words.
QString ShortBalance(const Dasha& dasha) {
  const CalendarSpan span = DashaBalance(dasha);
  return TrText("SkyPanels", "%1 %2 y %3 m %4 d")
      .arg(TrName(kDashaLords[static_cast<std::size_t>(dasha[0].lord)]))
      .arg(span.years)
      .arg(span.months)
      .arg(span.days);
}

}  // namespace

void AddSkyPanels(QWidget* display) {
  auto* frame = new QGroupBox(TrText("SkyPanels", "Panchang"), display);
  frame->setObjectName(QStringLiteral("fraPanchang"));
  frame->setGeometry(
      TwipsRect(kPanchangBox.left, kPanchangBox.top, kPanchangBox.width, kPanchangBox.height));
  frame->setFont(VerdanaFont(8.25, true));
  if (auto* vedic = display->findChild<QGroupBox*>(QStringLiteral("fraVedic"))) {
    frame->setStyleSheet(vedic->styleSheet());
    frame->setPalette(vedic->palette());
    frame->setAutoFillBackground(true);
    QLabel* caption = Label(vedic, QStringLiteral("lblBalanceCaption"),
                            TwipsRect(120, kBalanceRowTop, kVedicCaptionWidth, kVedicRowHeight));
    caption->setText(TrText("SkyPanels", "Dasha Balance"));
    caption->hide();
    Label(vedic, QStringLiteral("lblDashaBalance"),
          TwipsRect(1620, kBalanceRowTop, kVedicValueWidth, kVedicRowHeight))
        ->hide();
  }
  const int value_width = kPanchangBox.width - kPanchangCaptionWidth - 240;
  for (int row = 0; row < 7; ++row) {
    const int top = kPanchangRowTop + row * kPanchangRowStep;
    Label(frame, QStringLiteral("lblPanchangCaption_%1").arg(row),
          TwipsRect(120, top, kPanchangCaptionWidth, kVedicRowHeight));
    Label(frame, QLatin1String(kPanchangValueNames[row]),
          TwipsRect(120 + kPanchangCaptionWidth, top, value_width, kVedicRowHeight));
  }
  frame->hide();
}

void FillSkyPanels(QWidget* display, const BirthData& birth, const Chart& chart) {
  auto* frame = display->findChild<QGroupBox*>(QStringLiteral("fraPanchang"));
  auto* vedic = display->findChild<QGroupBox*>(QStringLiteral("fraVedic"));
  if (!frame || !vedic) return;
  const bool shown = !chart.Options.IsDefault();
  frame->setVisible(shown);
  vedic->setFixedHeight(Twips(shown ? kVedicFrameGrown : kVedicFrameBox.height));
  for (const char* name : {"lblBalanceCaption", "lblDashaBalance"})
    vedic->findChild<QLabel*>(QLatin1String(name))->setVisible(shown);
  if (!shown) return;
  const auto rows = PanchangRows(CalculatePanchang(birth, chart), chart);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    frame->findChild<QLabel*>(QStringLiteral("lblPanchangCaption_%1").arg(row))
        ->setText(TrName(rows[row].first));
    frame->findChild<QLabel*>(QLatin1String(kPanchangValueNames[row]))
        ->setText(TrName(rows[row].second));
  }
  const Dasha dasha = VimshottariDasha(chart.BirthDay, chart.MoonNakshatra,
                                       DashaYearDays(chart.Options.dasha_year));
  auto* balance = vedic->findChild<QLabel*>(QStringLiteral("lblDashaBalance"));
  balance->setText(ShortBalance(dasha));
  balance->setToolTip(TrName(DashaBalanceText(dasha)));
}

void ShowTransitPositions(QWidget* display, const std::optional<Transits>& transits) {
  auto* frame = display->findChild<QGroupBox*>(QStringLiteral("fraWestern"));
  if (!frame) return;
  for (int i = 0; i < 10; ++i) {
    auto* natal = frame->findChild<QLabel*>(QStringLiteral("Planet_%1").arg(i));
    const QString name = QStringLiteral("TransitPlanet_%1").arg(i);
    auto* transit = frame->findChild<QLabel*>(name);
    if (!natal) continue;
    if (!transits) {
      natal->move(Twips(kPlanetValueLeft), natal->y());
      if (transit) transit->hide();
      continue;
    }
    if (!transit) {
      transit = Label(
          frame, name,
          QRect(Twips(kTransitValueLeft), natal->y(), Twips(kTransitValueWidth), natal->height()));
      QPalette palette = transit->palette();
      palette.setColor(QPalette::WindowText, kTransitInk);
      transit->setPalette(palette);
    }
    natal->move(Twips(kNatalValueLeftWithTransits), natal->y());
    transit->setText(TrLongitude(
        QString::fromStdString(transits->chart.PositionsTable[static_cast<std::size_t>(i)])));
    transit->setToolTip(TrText("SkyPanels", "Transit"));
    FitTranslatedText(transit);
    transit->show();
  }
}

}  // namespace quendal
