// View > Transits of the chart window: opens the transit window and lays the bodies of its
// moment over the chart child; closing it or "Back to Natal" shows the birth chart again.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <functional>

#include "birth/chart_session.h"
#include "positions/calendar.h"

class QMenu;
class QWidget;

namespace quendal {

class frmDisplay;
class TransitWindow;

// Now on the clock of the birth's zone (its row's offset, an hour more with daylight saving).
CivilDateTime NowInBirthZone(const BirthData& birth);

class TransitsItem : public QObject {
  Q_OBJECT

 public:
  TransitsItem(QWidget* window, QMenu* view, ChartSession& session,
               std::function<frmDisplay*()> display);

  void mnuTransits_Click();
  void ShowMoment(const CivilDateTime& moment);
  void BackToNatal();

 private:
  void ShowSadeSati();

  QWidget* window_;
  ChartSession& session_;
  std::function<frmDisplay*()> display_;
  QPointer<TransitWindow> transits_;
  CivilDateTime moment_;
  QMetaObject::Connection refilled_;
};

}  // namespace quendal
