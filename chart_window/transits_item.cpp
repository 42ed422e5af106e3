#include "chart_window/transits_item.h"

#include <QAction>
#include <QMenu>
#include <cmath>

#include "birth/transits.h"
#include "chart_window/frmDisplay.h"
#include "chart_window/transit_window.h"
#include "ui_common/translated_text.h"
#include "vedic/dasha.h"
#include "vedic/sade_sati.h"

namespace quendal {

CivilDateTime NowInBirthZone(const BirthData& birth) {
  return MomentInBirthZone(birth, QDateTime::currentSecsSinceEpoch());
}

TransitsItem::TransitsItem(QWidget* window, QMenu* view, ChartSession& session,
                           std::function<frmDisplay*()> display)
    : QObject(window), window_(window), session_(session), display_(std::move(display)) {
  QAction* item = view->addAction(TrText("TransitWindow", "&Transits"));
  item->setObjectName(QStringLiteral("mnuTransits"));
  connect(item, &QAction::triggered, this, &TransitsItem::mnuTransits_Click);
}

void TransitsItem::mnuTransits_Click() {
  frmDisplay* display = display_();
  if (!display) return;
  if (!transits_) {
    transits_ = new TransitWindow(window_);
    connect(transits_, &TransitWindow::MomentChosen, this, &TransitsItem::ShowMoment);
    connect(transits_, &TransitWindow::NowChosen, this,
            [this] { ShowMoment(NowInBirthZone(session_.birth_data)); });
    connect(transits_, &TransitWindow::BackToNatal, this, &TransitsItem::BackToNatal);
    connect(transits_, &QObject::destroyed, this, [this] {
      QObject::disconnect(refilled_);
      if (frmDisplay* shown = display_()) shown->SetTransits(std::nullopt);
    });
    // A chart cast anew with other options carries the transits and Sade Sati along.
    refilled_ = connect(display, &frmDisplay::ChartFilled, this, [this] {
      ShowSadeSati();
      ShowMoment(moment_);
    });
    moment_ = NowInBirthZone(session_.birth_data);
    ShowSadeSati();
  }
  // Transits lie over the birth chart, not a divisional one.
  if (auto* chart = window_->findChild<QAction*>(QStringLiteral("mnuChart"))) {
    if (!chart->isChecked()) chart->trigger();
  }
  ShowMoment(moment_);
  transits_->show();
  transits_->raise();
  transits_->activateWindow();
}

void TransitsItem::ShowSadeSati() {
  const CivilDateTime now = NowInBirthZone(session_.birth_data);
  transits_->SetSadeSati(CalculateSadeSati(session_.birth_data, session_.chart),
                         DayNumber(now.year, now.month, now.day, now.hour, now.minute));
}

void TransitsItem::ShowMoment(const CivilDateTime& moment) {
  moment_ = moment;
  frmDisplay* display = display_();
  if (!transits_ || !display) return;
  const Transits transits = CalculateTransits(session_.birth_data, session_.chart, moment);
  transits_->SetTransits(transits);
  display->SetTransits(transits);
}

void TransitsItem::BackToNatal() {
  if (transits_) transits_->close();
  if (frmDisplay* display = display_()) display->SetTransits(std::nullopt);
}

}  // namespace quendal
