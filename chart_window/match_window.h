// The match window: the match page of the chart on screen and a saved reading, with Swap to
// exchange bride and groom, and the page's PDF and print. Modeless, one per chart window.
#pragma once

#include <QMainWindow>
#include <QWidget>

#include "chart/birth_data.h"
#include "match/match_text.h"
#include "chart/chart_options.h"

class QPushButton;

namespace quendal {

// Paints the match page through DrawMatchPage, at the page's own size.
class MatchPageWidget : public QWidget {
  Q_OBJECT

 public:
  explicit MatchPageWidget(QWidget* parent = nullptr);
  void SetSheet(const MatchSheet& sheet);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  MatchSheet sheet_;
};

class MatchWindow : public QMainWindow {
  Q_OBJECT

 public:
  // options: the chart window's; the match takes its positions, always sidereal.
  MatchWindow(const BirthData& bride, const BirthData& groom, const ChartOptions& options,
              QWidget* parent);

  // Starts again with the chart on screen as the bride.
  void SetPeople(const BirthData& bride, const BirthData& groom, const ChartOptions& options);

  const MatchResult& Result() const { return result_; }
  const MatchSheet& Sheet() const { return sheet_; }

 public slots:
  void cmdSwap_Click();
  void mnuSaveAsPdf_Click();
  void mnuPrint_Click();

 private:
  void Recompute();

  BirthData bride_;
  BirthData groom_;
  ChartOptions options_;
  MatchResult result_;
  MatchSheet sheet_;
  MatchPageWidget* page_ = nullptr;
};

}  // namespace quendal
