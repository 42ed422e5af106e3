// The chart child: the wheel with its house cells and sign glyphs, the birth details and
// the positions and sign frames.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <array>
#include <optional>

#include "birth/chart_calculation.h"
#include "birth/transits.h"
#include "chart/birth_data.h"
#include "drawing/chart_page.h"
#include "drawing/chart_view.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace quendal {

class HouseCellLabel;
class NatalWheel;
class SignImage;

class frmDisplay : public QWidget {
  Q_OBJECT

 public:
  // Writes the birth-details column from birth (the load step).
  explicit frmDisplay(const BirthData& birth, QWidget* parent = nullptr);

  // The driver's filling of the chart, in its order: cells cleared, positions column, Sun
  // sign, Moon sign, sign cells (then hidden), house cells, sign pictures.
  void FillChart(const Chart& chart);

  // The snapshot the chart window takes of this child at every activation, kept in the
  // child's Picture1; Save As JPEG writes it.
  QImage Snapshot() const;
  void SetSnapshot(const QImage& snapshot);

  // Text colours of the twelve sign cells, Aries first (the colour-style menu items).
  void SetSignCellColors(const std::array<QColor, 12>& colors);

  // How the chart is shown: the style, the division (1 is the birth chart) and whether the
  // bodies take their sign's colour. The positions and details always stay the birth's.
  void SetChartStyle(ChartStyle style);
  void SetDivision(int division);
  void SetColoured(bool coloured);
  ChartStyle Style() const { return style_; }
  int Division() const { return division_; }
  // What the chart area shows now; empty cells before the first chart.
  ChartView View() const;
  // The page the chart child shows, drawn from what its controls hold (the image-name
  // boxes left out): print and PDF draw this.
  ChartPage Page() const;
  // Bodies of another moment over the birth chart, or none: the birth chart alone.
  void SetTransits(const std::optional<Transits>& transits);
  bool ShowsTransits() const { return transits_.has_value(); }

 signals:
  // After FillChart: a chart cast anew, with other options perhaps.
  void ChartFilled();
  // The transits shown changed.
  void TransitsShown();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void LeavePaintingToPage();
  void BuildWheel();
  void BuildDetails();
  void BuildPositionsFrame();
  void BuildSignsFrame();
  void BuildStores();
  void Form_Load(const BirthData& birth);
  void ShowView();

  NatalWheel* picNatal_ = nullptr;
  std::array<HouseCellLabel*, 12> lblNatal_{};
  std::array<QLabel*, 12> sign_cells_{};  // lblNatalAries .. lblNatalPisces
  std::array<SignImage*, 12> imgSign_{};
  QGroupBox* fraWestern_ = nullptr;
  QGroupBox* fraVedic_ = nullptr;
  std::array<QLabel*, 16> PlanetName_{};
  std::array<QLabel*, 16> Planet_{};
  QLabel* lblLagna_ = nullptr;
  QLabel* lblRashi_ = nullptr;
  QLabel* Picture1_ = nullptr;
  QLineEdit* txtFile_ = nullptr;
  QLineEdit* txtFolder_ = nullptr;
  QImage snapshot_;
  QWidget* picChart_ = nullptr;
  QLabel* lblChartName_ = nullptr;
  BirthData birth_;
  Chart chart_;
  ChartStyle style_ = ChartStyle::Natal;
  int division_ = 1;
  bool coloured_ = false;
  std::optional<Transits> transits_;
  SkyTexts sky_;                  // what the panchang and balance rows show
  QObject* page_only_ = nullptr;  // keeps the page's controls from painting
};

}  // namespace quendal
