#include "chart_window/match_window.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>
#include <utility>

#include "birth/chart_calculation.h"
#include "chart_window/match_page.h"
#include "ui_common/layout.h"
#include "ui_common/month_name.h"
#include "ui_common/translated_text.h"

namespace quendal {
namespace {

MatchPerson PersonOf(const BirthData& birth, const ChartOptions& options) {
  return {birth, CalculateChart(birth, MatchOptions(options)),
          ShownMonthName(birth.BirthMonth).toStdString()};
}

}  // namespace

MatchPageWidget::MatchPageWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("MatchPage"));
  SetColour(this, QPalette::Window, Qt::white);
  setAutoFillBackground(true);
  setFixedSize(sizeHint());
}

void MatchPageWidget::SetSheet(const MatchSheet& sheet) {
  sheet_ = sheet;
  update();
}

QSize MatchPageWidget::sizeHint() const { return MatchPageSize().toSize(); }

void MatchPageWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawMatchPage(painter, sheet_, rect());
}

MatchWindow::MatchWindow(const BirthData& bride, const BirthData& groom,
                         const ChartOptions& options, QWidget* parent)
    : QMainWindow(parent, Qt::Window), bride_(bride), groom_(groom), options_(options) {
  setObjectName(QStringLiteral("MatchWindow"));
  setAttribute(Qt::WA_DeleteOnClose);

  QMenu* file = menuBar()->addMenu(TrText("MatchWindow", "&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  const auto item = [this, file](const char* name, const QString& caption, auto handler) {
    QAction* action = file->addAction(caption);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, handler);
  };
  item("mnuSaveAsPdf", TrText("MatchWindow", "Save As P&DF"), &MatchWindow::mnuSaveAsPdf_Click);
  item("mnuPrint", TrText("MatchWindow", "&Print"), &MatchWindow::mnuPrint_Click);
  file->addSeparator();
  item("mnuClose", TrText("MatchWindow", "&Close"), &MatchWindow::close);

  auto* client = new QWidget(this);
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* scroll = new QScrollArea(client);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  SetColour(scroll->viewport(), QPalette::Window, Qt::white);
  page_ = new MatchPageWidget;
  scroll->setWidget(page_);
  column->addWidget(scroll, 1);

  auto* bar = new QWidget(client);
  bar->setObjectName(QStringLiteral("MatchBar"));
  SetColour(bar, QPalette::Window, kBarColour);
  bar->setAutoFillBackground(true);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(12, 8, 12, 8);
  auto* swap = new QPushButton(TrText("MatchWindow", "&Swap"), bar);
  swap->setObjectName(QStringLiteral("cmdSwap"));
  swap->setToolTip(TrText("MatchWindow", "Exchange bride and groom"));
  auto* close_button = new QPushButton(TrText("MatchWindow", "&Close"), bar);
  close_button->setObjectName(QStringLiteral("cmdClose"));
  row->addWidget(swap);
  row->addStretch(1);
  row->addWidget(close_button);
  connect(swap, &QPushButton::clicked, this, &MatchWindow::cmdSwap_Click);
  connect(close_button, &QPushButton::clicked, this, &MatchWindow::close);
  column->addWidget(bar);
  setCentralWidget(client);

  Recompute();
  resize(page_->width() + 40,
         page_->height() + menuBar()->sizeHint().height() + bar->sizeHint().height() + 24);
}

void MatchWindow::SetPeople(const BirthData& bride, const BirthData& groom,
                            const ChartOptions& options) {
  bride_ = bride;
  groom_ = groom;
  options_ = options;
  Recompute();
}

void MatchWindow::cmdSwap_Click() {
  std::swap(bride_, groom_);
  Recompute();
}

void MatchWindow::mnuSaveAsPdf_Click() { SaveMatchAsPdf(this, sheet_); }
void MatchWindow::mnuPrint_Click() { PrintMatch(this, sheet_); }

void MatchWindow::Recompute() {
  const MatchPerson bride = PersonOf(bride_, options_);
  const MatchPerson groom = PersonOf(groom_, options_);
  result_ = MatchCharts(bride.chart, groom.chart);
  sheet_ = MakeMatchSheet(bride, groom, result_);
  page_->SetSheet(sheet_);
  setWindowTitle(MatchTitle(sheet_) + QStringLiteral(" - Quendal"));
}

}  // namespace quendal
