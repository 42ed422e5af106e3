#include "chart_window/transit_window.h"

#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "drawing/transit_view.h"
#include "positions/longitude_text.h"
#include "ui_common/layout.h"
#include "ui_common/translated_text.h"
#include "vedic/dasha.h"

namespace quendal {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

void Bold(QTreeWidgetItem* item) {
  QFont bold = item->font(0);
  bold.setBold(true);
  for (int column = 0; column < item->columnCount(); ++column) {
    item->setFont(column, bold);
    item->setBackground(column, QColor(0xff, 0xf0, 0xc8));
  }
}

}  // namespace

TransitWindow::TransitWindow(QWidget* chart_window) : QWidget(chart_window, Qt::Window) {
  setObjectName(QStringLiteral("frmTransits"));
  setWindowTitle(TrText("TransitWindow", "Transits"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(VerdanaFont(8.25));
  auto* column = new QVBoxLayout(this);
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("tabTransits"));
  column->addWidget(tabs, 1);

  tabs->addTab(BuildTransitPage(tabs), TrText("TransitWindow", "&Transits"));

  treSadeSati_ = new QTreeWidget(tabs);
  treSadeSati_->setObjectName(QStringLiteral("treSadeSati"));
  treSadeSati_->setHeaderLabels({TrText("TransitWindow", "Period"),
                                 TrText("TransitWindow", "Start"), TrText("TransitWindow", "End")});
  treSadeSati_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tabs->addTab(treSadeSati_, TrText("TransitWindow", "&Sade Sati"));

  resize(Twips(7800), Twips(6600));
}

QWidget* TransitWindow::BuildTransitPage(QWidget* tabs) {
  auto* transit_page = new QWidget(tabs);
  auto* page = new QVBoxLayout(transit_page);
  auto* moment = new QHBoxLayout;
  auto* moment_caption = new QLabel(TrText("TransitWindow", "&Moment:"), transit_page);
  dtpTransit_ = new QDateTimeEdit(transit_page);
  dtpTransit_->setObjectName(QStringLiteral("dtpTransit"));
  dtpTransit_->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
  dtpTransit_->setCalendarPopup(true);
  dtpTransit_->setTimeSpec(Qt::UTC);  // a clock reading of the birth's zone, not this machine's
  moment_caption->setBuddy(dtpTransit_);
  auto* now = new QPushButton(TrText("TransitWindow", "&Now"), transit_page);
  now->setObjectName(QStringLiteral("cmdTransitNow"));
  auto* back = new QPushButton(TrText("TransitWindow", "&Back to Natal"), transit_page);
  back->setObjectName(QStringLiteral("cmdBackToNatal"));
  moment->addWidget(moment_caption);
  moment->addWidget(dtpTransit_);
  moment->addWidget(now);
  moment->addStretch(1);
  moment->addWidget(back);
  page->addLayout(moment);

  lblTransitCaption_ = new QLabel(transit_page);
  lblTransitCaption_->setObjectName(QStringLiteral("lblTransitCaption"));
  lblTransitCaption_->setWordWrap(true);
  page->addWidget(lblTransitCaption_);

  tblTransits_ = new QTableWidget(10, 5, transit_page);
  tblTransits_->setObjectName(QStringLiteral("tblTransits"));
  tblTransits_->setHorizontalHeaderLabels(
      {TrText("TransitWindow", "Body"), TrText("TransitWindow", "Longitude"),
       TrText("TransitWindow", "Sign"), TrText("TransitWindow", "From Lagna"),
       TrText("TransitWindow", "From Moon")});
  tblTransits_->verticalHeader()->hide();
  tblTransits_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblTransits_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tblTransits_->horizontalHeader()->setStretchLastSection(true);
  page->addWidget(tblTransits_, 1);
  connect(dtpTransit_, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime& chosen) {
    const QDate d = chosen.date();
    const QTime t = chosen.time();
    emit MomentChosen({d.year(), d.month(), d.day(), t.hour(), t.minute()});
  });
  connect(now, &QPushButton::clicked, this, &TransitWindow::NowChosen);
  connect(back, &QPushButton::clicked, this, &TransitWindow::BackToNatal);
  return transit_page;
}

void TransitWindow::SetTransits(const Transits& transits) {
  const CivilDateTime& m = transits.moment;
  const QDateTime shown(QDate(m.year, m.month, m.day), QTime(m.hour, m.minute), Qt::UTC);
  if (dtpTransit_->dateTime() != shown) {
    const QSignalBlocker quiet(dtpTransit_);
    dtpTransit_->setDateTime(shown);
  }
  lblTransitCaption_->setText(TransitCaptionText(m) +
                              TrText("TransitWindow", ". In the chart,%1 marks a transiting body.")
                                  .arg(QLatin1Char(' ') + TrChartEntry(QStringLiteral("(T)"))));
  for (int row = 0; row < 10; ++row) {
    const TransitBody& body = transits.bodies[static_cast<std::size_t>(row)];
    const QStringList cells = {TrName(body.name), TrLongitude(Text(TransitLongitudeText(body))),
                               TrName(SignFullNames[static_cast<std::size_t>(body.sign)]),
                               QString::number(body.house_from_lagna),
                               QString::number(body.house_from_moon)};
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (column >= 3) item->setTextAlignment(Qt::AlignCenter);
      tblTransits_->setItem(row, column, item);
    }
  }
}

void TransitWindow::SetSadeSati(const std::vector<SadeSatiPeriod>& periods, double today) {
  treSadeSati_->clear();
  for (const SadeSatiPeriod& period : periods) {
    auto* item = new QTreeWidgetItem({TrText("TransitWindow", "Sade Sati"),
                                      Text(IsoDate(period.start)), Text(IsoDate(period.end))});
    QStringList returns;
    for (const std::string& text : period.reentries) returns << ReentryText(text);
    if (!returns.isEmpty()) item->setToolTip(0, returns.join(QLatin1Char('\n')));
    treSadeSati_->addTopLevelItem(item);
    for (const SadeSatiPhase& phase : period.phases) {
      auto* child = new QTreeWidgetItem(
          {TrName(phase.name), Text(IsoDate(phase.start)), Text(IsoDate(phase.end))});
      item->addChild(child);
      if (phase.start <= today && today < phase.end) Bold(child);
    }
    if (period.start <= today && today < period.end) {
      Bold(item);
      item->setExpanded(true);
      treSadeSati_->scrollToItem(item);
    }
  }
}

}  // namespace quendal
