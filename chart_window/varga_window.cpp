#include "chart_window/varga_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "positions/longitude_text.h"
#include "ui_common/layout.h"
#include "ui_common/translated_text.h"
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
  for (std::string_view body : kBodyRowNames) rows << TrName(body);
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
  setWindowTitle(TrText("VargaWindow", "Shodashavarga and Nakshatras"));
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
  tblNakshatras_ = MakeTable(tabVargas_, "tblNakshatras",
                             {TrText("VargaWindow", "Longitude"),
                              TrText("VargaWindow", "Nakshatra"), TrText("VargaWindow", "Pada"),
                              TrText("VargaWindow", "Lord"), TrText("VargaWindow", "Sub-lord")});
  tabVargas_->addTab(tblShodashavarga_, TrText("VargaWindow", "Shodashavarga"));
  tabVargas_->addTab(tblNakshatras_, TrText("VargaWindow", "Nakshatras"));
  column->addWidget(tabVargas_, 1);

  auto* note =
      new QLabel(TrText("VargaWindow",
                        "Shaded: vargottama, the same sign in the birth chart (D1) and the Navamsa "
                        "(D9). Sub-lords divide each nakshatra by the lords' dasha years."),
                 this);
  note->setObjectName(QStringLiteral("lblVargaNote"));
  note->setWordWrap(true);
  column->addWidget(note);
  resize(Twips(11400), Twips(4600));
}

void VargaWindow::SetChart(const Chart& chart) {
  lblVargaOptions_->setText(
      TrText("VargaWindow", "%1 zodiac, %2 positions%3; nakshatras sidereal (%4)")
          .arg(TrName(ZodiacName(chart.Options)), TrName(PositionsKey(chart.Options.positions)),
               chart.Options.node == NodeKind::True ? TrText("VargaWindow", ", true node")
                                                    : QString(),
               TrName(AyanamshaName(chart.Options.ayanamsha))));
  const VargaTable table = ShodashavargaTable(chart);
  for (std::size_t body = 0; body < table.signs.size(); ++body) {
    const int row = static_cast<int>(body);
    const bool vargottama = IsVargottama(table, body);
    for (std::size_t k = 0; k < kDivisions.size(); ++k) {
      const int sign = table.signs[body][k];
      SetCell(
          tblShodashavarga_, row, static_cast<int>(k),
          sign >= 0 ? TrName(SignShortNames[static_cast<std::size_t>(sign)]) : QStringLiteral("-"));
    }
    QTableWidgetItem* header = new QTableWidgetItem(TrName(kBodyRowNames[body]));
    if (vargottama) {
      for (int k : {0, 5}) tblShodashavarga_->item(row, k)->setBackground(QColor(0xff, 0xe0, 0x8a));
      header->setText(header->text() + TrText("VargaWindow", " (V)"));
      header->setToolTip(TrText("VargaWindow", "Vargottama"));
    }
    tblShodashavarga_->setVerticalHeaderItem(row, header);
  }
  const auto rows = BodyNakshatras(chart);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const BodyNakshatra& body = rows[i];
    const int row = static_cast<int>(i);
    SetCell(tblNakshatras_, row, 0,
            TrLongitude(QString::fromStdString(FormatLongitude(body.longitude))));
    SetCell(tblNakshatras_, row, 1,
            TrName(kNakshatraNames[static_cast<std::size_t>(body.place.index)]));
    SetCell(tblNakshatras_, row, 2, QString::number(body.place.pada));
    SetCell(tblNakshatras_, row, 3, TrName(kDashaLords[static_cast<std::size_t>(body.place.lord)]));
    SetCell(tblNakshatras_, row, 4, TrName(kDashaLords[static_cast<std::size_t>(body.sub_lord)]));
  }
}

}  // namespace quendal
