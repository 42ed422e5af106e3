#include "chart_window/chart_options_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

#include "chart_window/dasha_window.h"
#include "chart_window/frmDisplay.h"
#include "vedic/precise_engine.h"

namespace quendal {
namespace {

QString Caption(std::string_view name, int mnemonic_at = 0) {
  QString caption = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  return caption.insert(mnemonic_at, QLatin1Char('&'));
}

}  // namespace

ChartOptions LoadChartOptions(const QSettings& settings) {
  ChartOptions options;
  const auto text = [&settings](const char* key) {
    return settings.value(QLatin1String(key)).toString().toStdString();
  };
  options.zodiac = ParseZodiac(text(kZodiacKey)).value_or(Zodiac::Tropical);
  options.positions = ParsePositions(text(kPositionsKey)).value_or(PositionsSource::Classic);
  if (!PrecisePositionsBuilt()) options.positions = PositionsSource::Classic;
  return options;
}

void StoreChartOptions(QSettings& settings, const ChartOptions& options) {
  settings.setValue(QLatin1String(kZodiacKey), QString::fromUtf8(ZodiacKey(options.zodiac)));
  settings.setValue(QLatin1String(kPositionsKey),
                    QString::fromUtf8(PositionsKey(options.positions)));
  settings.sync();
}

ChartOptionsMenu::ChartOptionsMenu(QWidget* window, QMenu* view, ChartSession& session,
                                   std::function<frmDisplay*()> display)
    : QObject(window), window_(window), session_(session), display_(std::move(display)) {
  view->addSeparator();
  QMenu* zodiac = view->addMenu(QStringLiteral("&Zodiac"));
  zodiac->setObjectName(QStringLiteral("mnuZodiac"));
  zodiac->menuAction()->setObjectName(QStringLiteral("mnuZodiac"));
  QMenu* positions = view->addMenu(QStringLiteral("&Positions"));
  positions->setObjectName(QStringLiteral("mnuPositions"));
  positions->menuAction()->setObjectName(QStringLiteral("mnuPositions"));

  const ChartOptions now = session_.options;
  auto* zodiacs = new QActionGroup(this);
  for (Zodiac z : {Zodiac::Tropical, Zodiac::SiderealLahiri}) {
    QAction* item = AddChoice(zodiac, z == Zodiac::Tropical ? "mnuTropical" : "mnuSidereal",
                              Caption(ZodiacName(z)), now.zodiac == z);
    zodiacs->addAction(item);
    connect(item, &QAction::triggered, this, [this, z] {
      ChartOptions options = session_.options;
      options.zodiac = z;
      Choose(options);
    });
  }
  auto* sources = new QActionGroup(this);
  for (PositionsSource p : {PositionsSource::Classic, PositionsSource::Precise}) {
    const bool precise = p == PositionsSource::Precise;
    QAction* item = AddChoice(positions, precise ? "mnuPrecise" : "mnuClassic",
                              Caption(PositionsName(p)), now.positions == p);
    sources->addAction(item);
    if (precise && !PrecisePositionsBuilt()) {
      item->setEnabled(false);
      item->setToolTip(QString::fromUtf8(kPreciseMissingReason));
      positions->setToolTipsVisible(true);
    }
    connect(item, &QAction::triggered, this, [this, p] {
      ChartOptions options = session_.options;
      options.positions = p;
      Choose(options);
    });
  }

  QAction* dasha = view->addAction(QStringLiteral("&Dasha"));
  dasha->setObjectName(QStringLiteral("mnuDasha"));
  connect(dasha, &QAction::triggered, this, &ChartOptionsMenu::mnuDasha_Click);
}

QAction* ChartOptionsMenu::AddChoice(QMenu* menu, const char* name, const QString& caption,
                                     bool checked) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QLatin1String(name));
  item->setCheckable(true);
  item->setChecked(checked);
  return item;
}

void ChartOptionsMenu::ShowChecks() {
  const ChartOptions& now = session_.options;
  const auto check = [this](const char* name, bool on) {
    if (auto* item = window_->findChild<QAction*>(QLatin1String(name))) item->setChecked(on);
  };
  check("mnuTropical", now.zodiac == Zodiac::Tropical);
  check("mnuSidereal", now.zodiac == Zodiac::SiderealLahiri);
  check("mnuClassic", now.positions == PositionsSource::Classic);
  check("mnuPrecise", now.positions == PositionsSource::Precise);
}

void ChartOptionsMenu::Choose(const ChartOptions& options) {
  session_.chart = CalculateChart(session_.birth_data, options);
  session_.options = session_.chart.Options;
  QSettings settings;
  StoreChartOptions(settings, session_.options);
  ShowChecks();
  // The window refreshes its status bar and snapshot when the chart child is filled.
  if (frmDisplay* display = display_()) display->FillChart(session_.chart);
  if (dasha_) dasha_->SetChart(session_.chart);
}

void ChartOptionsMenu::mnuDasha_Click() {
  if (!dasha_) dasha_ = new DashaWindow(window_);
  dasha_->SetChart(session_.chart);
  dasha_->show();
  dasha_->raise();
  dasha_->activateWindow();
}

}  // namespace quendal
