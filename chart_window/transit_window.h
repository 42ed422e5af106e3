// The transits of a chosen moment over the chart on screen: the moment (a date field and
// "Now"), the table of the ten bodies with their houses from the natal ascendant and Moon,
// the way back to the birth chart, and the Sade Sati periods of the natal Moon.
#pragma once

#include <QDateTime>
#include <QWidget>
#include <vector>

#include "vedic/sade_sati.h"
#include "birth/transits.h"

class QDateTimeEdit;
class QLabel;
class QTableWidget;
class QTreeWidget;

namespace quendal {

class TransitWindow : public QWidget {
  Q_OBJECT

 public:
  // A window of its own, owned by the chart window, so it closes with it.
  explicit TransitWindow(QWidget* chart_window);

  void SetTransits(const Transits& transits);
  // `today` (a day number) decides which period is bold.
  void SetSadeSati(const std::vector<SadeSatiPeriod>& periods, double today);

 signals:
  void MomentChosen(const CivilDateTime& moment);
  void NowChosen();
  void BackToNatal();

 private:
  QWidget* BuildTransitPage(QWidget* tabs);  // the moment, its caption and the table
  QDateTimeEdit* dtpTransit_ = nullptr;
  QLabel* lblTransitCaption_ = nullptr;
  QTableWidget* tblTransits_ = nullptr;
  QTreeWidget* treSadeSati_ = nullptr;
};

}  // namespace quendal
