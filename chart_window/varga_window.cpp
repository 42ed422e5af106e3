#include "chart_window/varga_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "positions/longitude_text.h"
#include "ui_common/layout.h"
#include "vedic/varga_table.h"

namespace quendal {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QTableWidget* MakeTable(QWidget* parent, const char* name, const QStringList& columns) {
  auto* table = new QTableWidget(static_cast<int>(kBodyRowNames.size()),
                                 static_cast<int>(columns.size()), parent);
  table->setObjectName(QLatin1String(name));
  table->setHorizontalHeaderLabels(columns);
  QStringList rows;
  for (std::string_view body : kBodyRowNames) rows << Text(body);
  table->setVerticalHeaderLabels(rows);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return table;
}

void SetCell(QTableWidget* table, int row, int column, const QString& text) {
  auto* cell = new QTableWidgetItem(text);
  cell->setTextAlignment(Qt::AlignCenter);
  table->setItem(row, column, cell);
}

}  // namespace

VargaWindow::VargaWindow(QWidget* chart_window) : QWidget(chart_window, Qt::Window) {
  setObjectName(QStringLiteral("frmVargas"));
  setWindowTitle(QStringLiteral("Shodashavarga and Nakshatras"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(VerdanaFont(8.25));
  auto* column = new QVBoxLayout(this);
  lblVargaOptions_ = new QLabel(this);
  lblVargaOptions_->setObjectName(QStringLiteral("lblVargaOptions"));
  lblVargaOptions_->setWordWrap(true);
  column->addWidget(lblVargaOptions_);

  tabVargas_ = new QTabWidget(this);
  tabVargas_->setObjectName(QStringLiteral("tabVargas"));
  QStringList divisions;
  for (int division : kDivisions) divisions << QStringLiteral("D%1").arg(division);
  tblShodashavarga_ = MakeTable(tabVargas_, "tblShodashavarga", divisions);
  tblNakshatras_ =
      MakeTable(tabVargas_, "tblNakshatras",
                {QStringLiteral("Longitude"), QStringLiteral("Nakshatra"), QStringLiteral("Pada"),
                 QStringLiteral("Lord"), QStringLiteral("Sub-lord")});
  tabVargas_->addTab(tblShodashavarga_, QStringLiteral("Shodashavarga"));
  tabVargas_->addTab(tblNakshatras_, QStringLiteral("Nakshatras"));
  column->addWidget(tabVargas_, 1);

  auto* note = new QLabel(
      QStringLiteral("Shaded: vargottama, the same sign in the birth chart (D1) and the Navamsa "
                     "(D9). Sub-lords divide each nakshatra by the lords' dasha years."),
      this);
  note->setObjectName(QStringLiteral("lblVargaNote"));
  note->setWordWrap(true);
  column->addWidget(note);
  resize(Twips(11400), Twips(4600));
}

void VargaWindow::SetChart(const Chart& chart) {
  lblVargaOptions_->setText(
      QStringLiteral("%1 zodiac, %2 positions%3; nakshatras sidereal (%4)")
          .arg(Text(ZodiacName(chart.Options)), Text(PositionsKey(chart.Options.positions)),
               chart.Options.node == NodeKind::True ? QStringLiteral(", true node") : QString(),
               Text(AyanamshaName(chart.Options.ayanamsha))));
  const VargaTable table = ShodashavargaTable(chart);
  for (std::size_t body = 0; body < table.signs.size(); ++body) {
    const int row = static_cast<int>(body);
    const bool vargottama = IsVargottama(table, body);
    for (std::size_t k = 0; k < kDivisions.size(); ++k) {
      const int sign = table.signs[body][k];
      SetCell(
          tblShodashavarga_, row, static_cast<int>(k),
          sign >= 0 ? Text(SignShortNames[static_cast<std::size_t>(sign)]) : QStringLiteral("-"));
    }
    QTableWidgetItem* header = new QTableWidgetItem(Text(kBodyRowNames[body]));
    if (vargottama) {
      for (int k : {0, 5}) tblShodashavarga_->item(row, k)->setBackground(QColor(0xff, 0xe0, 0x8a));
      header->setText(header->text() + QStringLiteral(" (V)"));
      header->setToolTip(QStringLiteral("Vargottama"));
    }
    tblShodashavarga_->setVerticalHeaderItem(row, header);
  }
  const auto rows = BodyNakshatras(chart);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const BodyNakshatra& body = rows[i];
    const int row = static_cast<int>(i);
    SetCell(tblNakshatras_, row, 0, QString::fromStdString(FormatLongitude(body.longitude)));
    SetCell(tblNakshatras_, row, 1,
            Text(kNakshatraNames[static_cast<std::size_t>(body.place.index)]));
    SetCell(tblNakshatras_, row, 2, QString::number(body.place.pada));
    SetCell(tblNakshatras_, row, 3, Text(kDashaLords[static_cast<std::size_t>(body.place.lord)]));
    SetCell(tblNakshatras_, row, 4, Text(kDashaLords[static_cast<std::size_t>(body.sub_lord)]));
  }
}

}  // namespace quendal
