#include "chart_window/sky_panels.h"

#include <QGroupBox>
#include <QLabel>

#include "drawing/sky_layout.h"
#include "drawing/sky_texts.h"
#include "ui_common/language_fonts.h"
#include "ui_common/layout.h"
#include "ui_common/translated_text.h"

namespace quendal {
namespace {

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
  for (int row = 0; row < 7; ++row) {
    const int top = kPanchangRowTop + row * kPanchangRowStep;
    Label(frame, QStringLiteral("lblPanchangCaption_%1").arg(row),
          TwipsRect(120, top, kPanchangCaptionWidth, kVedicRowHeight));
    Label(frame, QLatin1String(kPanchangValueNames[row]),
          TwipsRect(120 + kPanchangCaptionWidth, top, kPanchangValueWidth, kVedicRowHeight));
  }
  frame->hide();
}

void FillSkyPanels(QWidget* display, const SkyTexts& texts) {
  auto* frame = display->findChild<QGroupBox*>(QStringLiteral("fraPanchang"));
  auto* vedic = display->findChild<QGroupBox*>(QStringLiteral("fraVedic"));
  if (!frame || !vedic) return;
  const bool shown = !texts.balance.isEmpty();
  frame->setVisible(shown);
  vedic->setFixedHeight(Twips(shown ? kVedicFrameGrown : kVedicFrameBox.height));
  for (const char* name : {"lblBalanceCaption", "lblDashaBalance"})
    vedic->findChild<QLabel*>(QLatin1String(name))->setVisible(shown);
  if (!shown) return;
  for (std::size_t row = 0; row < texts.panchang.size(); ++row) {
    frame->findChild<QLabel*>(QStringLiteral("lblPanchangCaption_%1").arg(row))
        ->setText(texts.panchang[row].first);
    frame->findChild<QLabel*>(QLatin1String(kPanchangValueNames[row]))
        ->setText(texts.panchang[row].second);
  }
  auto* balance = vedic->findChild<QLabel*>(QStringLiteral("lblDashaBalance"));
  balance->setText(texts.balance);
  balance->setToolTip(texts.balance_words);
}

void ShowTransitPositions(QWidget* display, const std::optional<Transits>& transits) {
  auto* frame = display->findChild<QGroupBox*>(QStringLiteral("fraWestern"));
  if (!frame) return;
  for (int i = 0; i < kTransitRows; ++i) {
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
