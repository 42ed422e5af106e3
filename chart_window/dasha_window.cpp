#include "chart_window/dasha_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "chart_text/chart_lines.h"
#include "ui_common/layout.h"
#include "ui_common/translated_text.h"
#include "vedic/dasha.h"
#include "vedic/dasha_levels.h"

namespace quendal {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QTreeWidgetItem* PeriodItem(const DashaPeriod& period, double birth_day) {
  return new QTreeWidgetItem({TrName(kDashaLords[static_cast<std::size_t>(period.lord)]),
                              Text(IsoDate(period.start)), Text(IsoDate(period.end)),
                              TrName(AgeText(birth_day, period.start))});
}

void MarkInForce(QTreeWidgetItem* item) {
  QFont bold = item->font(0);
  bold.setBold(true);
  for (int column = 0; column < 4; ++column) {
    item->setFont(column, bold);
    item->setBackground(column, QColor(0xff, 0xf0, 0xc8));
  }
  item->setToolTip(0, TrText("DashaWindow", "In force today"));
}

}  // namespace

DashaWindow::DashaWindow(QWidget* chart_window) : QWidget(chart_window, Qt::Window) {
  setObjectName(QStringLiteral("frmDasha"));
  setWindowTitle(TrText("DashaWindow", "Vimshottari Dasha"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(VerdanaFont(8.25));
  auto* column = new QVBoxLayout(this);

  lblDashaMoon_ = new QLabel(this);
  lblDashaMoon_->setObjectName(QStringLiteral("lblDashaMoon"));
  lblDashaMoon_->setWordWrap(true);
  column->addWidget(lblDashaMoon_);

  treDasha_ = new QTreeWidget(this);
  treDasha_->setObjectName(QStringLiteral("treDasha"));
  treDasha_->setHeaderLabels({TrText("DashaWindow", "Lord"), TrText("DashaWindow", "Start"),
                              TrText("DashaWindow", "End"), TrText("DashaWindow", "Age at start")});
  treDasha_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  column->addWidget(treDasha_, 1);

  auto* year_row = new QHBoxLayout;
  lblDashaYear_ = new QLabel(TrText("DashaWindow", "A year of the dasha is 365.25 days."), this);
  lblDashaYear_->setObjectName(QStringLiteral("lblDashaYear"));
  cboDashaYear_ = new QComboBox(this);
  cboDashaYear_->setObjectName(QStringLiteral("cboDashaYear"));
  for (DashaYear year : kDashaYearChoices)
    cboDashaYear_->addItem(TrName(DashaYearName(year)), static_cast<int>(year));
  year_row->addWidget(lblDashaYear_, 1);
  year_row->addWidget(cboDashaYear_);
  column->addLayout(year_row);
  connect(cboDashaYear_, &QComboBox::activated, this, [this](int index) {
    emit DashaYearChosen(static_cast<DashaYear>(cboDashaYear_->itemData(index).toInt()));
  });
  resize(Twips(5400), Twips(6600));
}

void DashaWindow::SetChart(const Chart& chart, const QDateTime& now) {
  const DashaYear year = chart.Options.dasha_year;
  const Dasha dasha = DashaOfChart(chart);
  const NakshatraPlace& moon = chart.MoonNakshatra;
  cboDashaYear_->setCurrentIndex(cboDashaYear_->findData(static_cast<int>(year)));
  const QString days = QString::number(DashaYearDays(year), 'g', 10);
  setWindowTitle(TrText("DashaWindow", "Vimshottari Dasha (%1-day year)").arg(days));
  lblDashaYear_->setText(TrText("DashaWindow", "A year of the dasha is %1 days.").arg(days));
  lblDashaMoon_->setText(
      TrText("DashaWindow", "Moon in %1, pada %2, lord %3. Balance at birth: %4.")
          .arg(TrName(kNakshatraNames[static_cast<std::size_t>(moon.index)]))
          .arg(moon.pada)
          .arg(TrName(kDashaLords[static_cast<std::size_t>(moon.lord)]))
          .arg(TrName(DashaBalanceText(dasha))));

  const QDate date = now.date();
  const double today =
      DayNumber(date.year(), date.month(), date.day(), now.time().hour(), now.time().minute());
  treDasha_->clear();
  QTreeWidgetItem* current = nullptr;
  // Marks the period in force among `item`'s children and opens it; the one found last is
  // where the tree scrolls.
  const auto mark = [&current](QTreeWidgetItem* item) {
    MarkInForce(item);
    item->setExpanded(true);
    current = item;
  };
  for (const Mahadasha& maha : dasha) {
    QTreeWidgetItem* item = PeriodItem(maha, chart.BirthDay);
    treDasha_->addTopLevelItem(item);
    const bool maha_now = maha.start <= today && today < maha.end;
    for (const DashaPeriod& sub : maha.antardashas) {
      QTreeWidgetItem* sub_item = PeriodItem(sub, chart.BirthDay);
      item->addChild(sub_item);
      const bool sub_now = maha_now && sub.start <= today && today < sub.end;
      for (const DashaPeriod& third : Pratyantardashas(sub)) {
        QTreeWidgetItem* third_item = PeriodItem(third, chart.BirthDay);
        sub_item->addChild(third_item);
        if (sub_now && third.start <= today && today < third.end) MarkInForce(third_item);
      }
      if (sub_now) mark(sub_item);
    }
    if (maha_now) {
      MarkInForce(item);
      item->setExpanded(true);
    }
  }
  if (current) treDasha_->scrollToItem(current);
}

}  // namespace quendal
