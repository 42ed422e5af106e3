#include "chart_window/dasha_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui_common/layout.h"
#include "vedic/dasha.h"

namespace quendal {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QTreeWidgetItem* PeriodItem(const DashaPeriod& period) {
  auto* item = new QTreeWidgetItem({Text(kDashaLords[static_cast<std::size_t>(period.lord)]),
                                    Text(IsoDate(period.start)), Text(IsoDate(period.end))});
  return item;
}

void MarkInForce(QTreeWidgetItem* item) {
  QFont bold = item->font(0);
  bold.setBold(true);
  for (int column = 0; column < 3; ++column) {
    item->setFont(column, bold);
    item->setBackground(column, QColor(0xff, 0xf0, 0xc8));
  }
  item->setToolTip(0, QStringLiteral("In force today"));
}

}  // namespace

DashaWindow::DashaWindow(QWidget* chart_window) : QWidget(chart_window, Qt::Window) {
  setObjectName(QStringLiteral("frmDasha"));
  setWindowTitle(QStringLiteral("Vimshottari Dasha"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(VerdanaFont(8.25));
  auto* column = new QVBoxLayout(this);

  lblDashaMoon_ = new QLabel(this);
  lblDashaMoon_->setObjectName(QStringLiteral("lblDashaMoon"));
  lblDashaMoon_->setWordWrap(true);
  column->addWidget(lblDashaMoon_);

  treDasha_ = new QTreeWidget(this);
  treDasha_->setObjectName(QStringLiteral("treDasha"));
  treDasha_->setHeaderLabels(
      {QStringLiteral("Lord"), QStringLiteral("Start"), QStringLiteral("End")});
  treDasha_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  column->addWidget(treDasha_, 1);

  auto* year_row = new QHBoxLayout;
  lblDashaYear_ = new QLabel(QStringLiteral("A year of the dasha is 365.25 days."), this);
  lblDashaYear_->setObjectName(QStringLiteral("lblDashaYear"));
  cboDashaYear_ = new QComboBox(this);
  cboDashaYear_->setObjectName(QStringLiteral("cboDashaYear"));
  for (DashaYear year : kDashaYearChoices)
    cboDashaYear_->addItem(Text(DashaYearName(year)), static_cast<int>(year));
  year_row->addWidget(lblDashaYear_, 1);
  year_row->addWidget(cboDashaYear_);
  column->addLayout(year_row);
  connect(cboDashaYear_, &QComboBox::activated, this, [this](int index) {
    emit DashaYearChosen(static_cast<DashaYear>(cboDashaYear_->itemData(index).toInt()));
  });
  resize(Twips(5400), Twips(6600));
}

void DashaWindow::SetChart(const Chart& chart, const QDateTime& now) {
  const NakshatraPlace& moon = chart.MoonNakshatra;
  const DashaYear year = chart.Options.dasha_year;
  const Dasha dasha = VimshottariDasha(chart.BirthDay, moon, DashaYearDays(year));
  cboDashaYear_->setCurrentIndex(cboDashaYear_->findData(static_cast<int>(year)));
  const QString days = QString::number(DashaYearDays(year), 'g', 10);
  setWindowTitle(QStringLiteral("Vimshottari Dasha (%1-day year)").arg(days));
  lblDashaYear_->setText(QStringLiteral("A year of the dasha is %1 days.").arg(days));
  const QString lord = Text(kDashaLords[static_cast<std::size_t>(moon.lord)]);
  const double balance_years = (1 - moon.passed) * kDashaYears[static_cast<std::size_t>(moon.lord)];
  lblDashaMoon_->setText(
      QStringLiteral("Moon in %1, pada %2, lord %3. Balance of the %3 dasha at birth: %4 years.")
          .arg(Text(kNakshatraNames[static_cast<std::size_t>(moon.index)]))
          .arg(moon.pada)
          .arg(lord)
          .arg(balance_years, 0, 'f', 2));

  const QDate date = now.date();
  const double today =
      DayNumber(date.year(), date.month(), date.day(), now.time().hour(), now.time().minute());
  treDasha_->clear();
  const int maha_now = PeriodAt(dasha, today);
  for (int i = 0; i < static_cast<int>(dasha.size()); ++i) {
    const Mahadasha& maha = dasha[static_cast<std::size_t>(i)];
    QTreeWidgetItem* item = PeriodItem(maha);
    for (const DashaPeriod& sub : maha.antardashas) item->addChild(PeriodItem(sub));
    treDasha_->addTopLevelItem(item);
    if (i != maha_now) continue;
    MarkInForce(item);
    const int sub_now = PeriodAt(maha.antardashas, today);
    if (sub_now >= 0) MarkInForce(item->child(sub_now));
    item->setExpanded(true);
  }
}

}  // namespace quendal
